#pragma once
// Stand-ins for the user and the language file, and registry set-up, in the
// core's tests.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>

#include "common/lang/text_source.h"
#include "platform/ui/message_prompt.h"

namespace popup {

class MockPrompt : public ui::MessagePrompt {
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

}  // namespace popup
