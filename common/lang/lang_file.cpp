#include "common/lang/lang_file.h"

#include "common/files/folder_list.h"
#include "common/files/whole_file.h"

namespace lang {

std::string LangFilePath(const std::string& programPath, const char* folder,
                         const std::string& language) {
    return programPath + "\\" + folder + "\\" + language + ".ini";
}

std::string ReadLangString(const std::string& file, const LangParams& params, const char* key,
                           const char* def) {
    std::string text;
    files::ReadWholeFile(file, text);  // a missing file gives the defaults
    return LangText(text, params, key, def);
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
