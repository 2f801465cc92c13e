#pragma once
// The program's language: the current file in <program folder>\Lang, the
// lookup every window takes its texts from, and the list of language files
// with their flags for the chooser.
#include <string>
#include <vector>

#include "common/lang/text_source.h"
#include "startup/core/labels.h"

namespace startup {

constexpr char kDefaultLanguageFile[] = "English.ini";

// The texts of one language file: the key's text (blanks trimmed, at most
// 499 characters) or the default when the file or key is missing. A lookup
// that fails is written to the error log and answers "".
class FileTexts : public lang::TextSource {
public:
    FileTexts(std::string file, std::string programFolder);
    std::string Text(const char* key, const char* def) const override;

private:
    std::string file_;
    std::string programFolder_;
};

// One entry of the language chooser.
struct LanguageChoice {
    std::string name;      // shown: the file name up to ".ini"
    std::string file;      // the file name, kept as the choice
    std::string flagPath;  // <Lang>\<name>.bmp
};

// Files of `langFolder` whose name ends in ".ini" (letter case ignored), in
// the order the file search gives.
std::vector<LanguageChoice> ListLanguageChoices(const std::string& langFolder);

class Language : public lang::TextSource {
public:
    explicit Language(std::string programFolder);

    const std::string& ProgramFolder() const { return programFolder_; }
    std::string LangFolder() const { return programFolder_ + "\\Lang"; }

    const std::string& CurrentLanguageFile() const { return current_; }
    // An empty name stands for the English file.
    void SetCurrentLanguageFile(const std::string& file);
    bool IsRightToLeft() const { return current_ == "Arabic.ini"; }

    // SetCaptionfromINI: the current file's text of `key`, or `def`.
    std::string Text(const char* key, const char* def) const override;

    // The labels of the current language, then of the built-in English
    // texts and of every file in the Lang folder.
    LabelBook Book() const;

private:
    std::string programFolder_;
    std::string current_ = kDefaultLanguageFile;
};

}  // namespace startup
