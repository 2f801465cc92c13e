#pragma once
// The language file format every program reads: an ini file per language,
// one section per program, decimal keys, a mark that stands for a line break.
#include <string>
#include <vector>

namespace lang {

// How one program reads its files.
struct LangParams {
    const char* folder;   // below the program folder: "Language" or "Lang"
    const char* section;
    char lineBreak;       // replaced by a line feed; 0 for none
    size_t bufferSize;    // values are cut to bufferSize - 1 characters
};

extern const LangParams kHalvaneText;    // single texts
extern const LangParams kHalvaneWizard;  // wizard texts
extern const LangParams kHalvaneDialog;  // dialog texts (no line-break mark)
extern const LangParams kVintabar;
extern const LangParams kOrlenby;
extern const LangParams kMirrowick;
extern const LangParams kPellidor;
extern const LangParams kTessaline;
extern const LangParams kQuarrow;

// <programPath>\<folder>\<language>.ini
std::string LangFilePath(const std::string& programPath, const char* folder,
                         const std::string& language);

// One lookup in the language file `file`: `def` when the file, section or
// key is missing, "" for a key with an empty value.
std::string ReadLangString(const std::string& file, const LangParams& params,
                           const char* key, const char* def);

// The same lookup in a file's text, read as the platform's private-profile
// read answers (common/lang/profile_text.h), cut to the program's buffer,
// its line-break mark replaced.
std::string LangText(const std::string& fileText, const LangParams& params, const char* key,
                     const char* def);

// Every line-break mark of `text` becomes a line feed.
std::string ReplaceLineBreaks(std::string text, char mark);

// A language file and its flag picture, in the order the file search gives.
struct LanguageEntry {
    std::string name;              // file title: the language's display name
    std::string flagPath;          // <flags folder>\<name>.bmp
    std::string fallbackFlagPath;  // <flags folder>\default.bmp
};

// <programPath>\<folder>\*.ini with each flag in <programPath>\<flagFolder>.
std::vector<LanguageEntry> ListLanguages(const std::string& programPath, const char* folder,
                                         const char* flagFolder);

}  // namespace lang
