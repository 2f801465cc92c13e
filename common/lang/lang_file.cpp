#include "common/lang/lang_file.h"

#include <windows.h>

#include "common/files/folder_list.h"

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

std::string LangFilePath(const std::string& programPath, const char* folder,
                         const std::string& language) {
    return programPath + "\\" + folder + "\\" + language + ".ini";
}

std::string ReadLangString(const std::string& file, const LangParams& params, const char* key,
                           const char* def) {
    std::string buffer(params.bufferSize, '\0');
    DWORD length = GetPrivateProfileStringA(params.section, key, def, &buffer[0],
                                            static_cast<DWORD>(buffer.size()), file.c_str());
    buffer.resize(length);
    return params.lineBreak ? ReplaceLineBreaks(buffer, params.lineBreak) : buffer;
}

std::string ReplaceLineBreaks(std::string text, char mark) {
    for (char& c : text) {
        if (c == mark) c = '\n';
    }
    return text;
}

std::vector<LanguageEntry> ListLanguages(const std::string& programPath, const char* folder,
                                         const char* flagFolder) {
    std::vector<LanguageEntry> entries;
    const std::string flags = programPath + "\\" + flagFolder + "\\";
    for (const std::string& name : files::ListFileTitles(programPath + "\\" + folder, "*.ini"))
        entries.push_back({name, flags + name + ".bmp", flags + "default.bmp"});
    return entries;
}

}  // namespace lang
