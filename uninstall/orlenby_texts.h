#pragma once
// The uninstaller's texts: the popup blocker's own language file
// (<Path>\Language\<Language>.ini, section "VelmoraBlinkward"), up to 1999
// characters, "#" a line feed, the English default when anything is missing.
#include <string>

#include "common/lang/text_source.h"

namespace uninstall {

class COrlenbyTexts : public lang::TextSource {
public:
    COrlenbyTexts(const std::string& path, const std::string& language);
    std::string Text(const char* key, const char* def) const override;

private:
    std::string file_;
};

}  // namespace uninstall
