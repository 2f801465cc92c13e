#pragma once
// Stand-ins for the user and the language file, and registry set-up, in the
// core's tests.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>

#include "common/lang/text_source.h"
#include "popup/core/message_prompt.h"

class MockPrompt : public MessagePrompt {
public:
    MOCK_METHOD(int, Show, (const std::string& text, const std::string& caption, unsigned type),
                (override));
};

// The built-in English texts, except for the keys a test sets.
class FakeTexts : public lang::TextSource {
public:
    std::map<std::string, std::string> texts;
    std::string Text(const char* key, const char* def) const override {
        auto it = texts.find(key);
        return it == texts.end() ? def : it->second;
    }
};

// Values set as the installer or the user would have left them.
inline void SetRegString(const char* key, const char* name, const std::string& value) {
    HKEY handle = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, &handle, nullptr));
    RegSetValueExA(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(handle);
}

inline void SetRegDword(const char* key, const char* name, DWORD value) {
    HKEY handle = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, &handle, nullptr));
    RegSetValueExA(handle, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                   sizeof(value));
    RegCloseKey(handle);
}

inline void DeleteRegValue(const char* key, const char* name) {
    HKEY handle = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_ALL_ACCESS, &handle));
    RegDeleteValueA(handle, name);
    RegCloseKey(handle);
}
