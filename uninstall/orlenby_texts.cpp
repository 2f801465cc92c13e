#include "uninstall/orlenby_texts.h"

#include "common/lang/lang_file.h"
#include "common/suite/blinkward.h"

namespace uninstall {

COrlenbyTexts::COrlenbyTexts(const std::string& path, const std::string& language)
    : file_(lang::LangFilePath(path, suite::blinkward::kLanguageFolder, language)) {}

std::string COrlenbyTexts::Text(const char* key, const char* def) const {
    return lang::ReadLangString(file_, lang::kOrlenby, key, def);
}

}  // namespace uninstall
