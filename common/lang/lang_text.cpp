#include "common/lang/lang_file.h"
#include "common/lang/profile_text.h"

namespace lang {

const LangParams kHalvaneText = {"Language", "VelmoraBlinkward", '#', 250};
const LangParams kHalvaneWizard = {"Language", "VelmoraBlinkward", '#', 500};
const LangParams kHalvaneDialog = {"Language", "VelmoraBlinkward", 0, 1000};
const LangParams kVintabar = {"Language", "VelmoraBlinkward", 0, 255};
const LangParams kOrlenby = {"Language", "VelmoraBlinkward", '#', 2000};
const LangParams kMirrowick = {"Lang", "Scourwell Language Pack", '#', 2000};
const LangParams kPellidor = {"Lang", "Scourwell Language Pack", 0, 200};
const LangParams kTessaline = {"Lang", "Surgewind", '*', 2000};
const LangParams kQuarrow = {"Lang", "Brackwell Language Pack", 0, 500};

std::string LangText(const std::string& fileText, const LangParams& params, const char* key,
                     const char* def) {
    const std::string value = ProfileString(fileText, params.section, key, def ? def : "", params.bufferSize);
    return params.lineBreak ? ReplaceLineBreaks(value, params.lineBreak) : value;
}

std::string ReplaceLineBreaks(std::string text, char mark) {
    for (char& c : text) {
        if (c == mark) c = '\n';
    }
    return text;
}

}  // namespace lang
