#pragma once
// The program's texts: looked up by key in the chosen language file
// (<AppPath>\Lang\<Language>.ini, section "Surgewind", "*" for a line
// break), with the built-in English text when the file, section or key is
// missing.
#include <windows.h>

#include <string>

#include "common/lang/text_source.h"

namespace tuning {

// A key and its English default.
struct TextKey {
    const char* key;
    const char* def;
};

class LangTexts : public lang::TextSource {
public:
    // Both are read on every lookup, so a language change applies at once.
    LangTexts(const std::string& appPath, const std::string& language)
        : appPath_(appPath), language_(language) {}

    std::string Text(const char* key, const char* def) const override;
    std::string GetLangString(const TextKey& text) const { return Text(text.key, text.def); }
    // The text with each "%d" replaced by the number.
    std::string GetLangString(const TextKey& text, long long number) const;
    void SetDlgItemLangText(HWND window, int id, const TextKey& text) const;

private:
    const std::string& appPath_;
    const std::string& language_;
};

// A text with each "%d" replaced by the number.
std::string FormatNumber(const std::string& text, long long number);

}  // namespace tuning
