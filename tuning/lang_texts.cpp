#include "tuning/lang_texts.h"

#include "common/lang/lang_file.h"

namespace tuning {

std::string LangTexts::Text(const char* key, const char* def) const {
    const lang::LangParams& params = lang::kTessaline;
    return lang::ReadLangString(lang::LangFilePath(appPath_, params.folder, language_), params, key,
                                def);
}

void LangTexts::SetDlgItemLangText(HWND window, int id, const TextKey& text) const {
    SetDlgItemTextA(window, id, GetLangString(text).c_str());
}

std::string LangTexts::GetLangString(const TextKey& text, long long number) const {
    return FormatNumber(GetLangString(text), number);
}

std::string FormatNumber(const std::string& text, long long number) {
    std::string result = text;
    const std::string digits = std::to_string(number);
    for (std::string::size_type at = result.find("%d"); at != std::string::npos;
         at = result.find("%d", at + digits.size())) {
        result.replace(at, 2, digits);
    }
    return result;
}

}  // namespace tuning
