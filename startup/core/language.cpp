#include "startup/core/language.h"

#include <cctype>
#include <exception>

#include "common/files/folder_list.h"
#include "common/lang/lang_file.h"
#include "startup/core/error_log.h"

namespace startup {
namespace {

// Answers every key with its English default.
class EnglishTexts : public lang::TextSource {
public:
    std::string Text(const char*, const char* def) const override { return def; }
};

std::string TrimBlanks(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

FileTexts::FileTexts(std::string file, std::string programFolder)
    : file_(std::move(file)), programFolder_(std::move(programFolder)) {}

std::string FileTexts::Text(const char* key, const char* def) const {
    try {
        return TrimBlanks(lang::ReadLangString(file_, lang::kQuarrow, key, def));
    } catch (const std::exception& error) {
        WriteErrorLog(programFolder_, std::string("Error Description: ") + error.what() +
                                          ", Error Number: 0, Method: SetCaptionfromINI");
        return std::string();
    }
}

std::vector<LanguageChoice> ListLanguageChoices(const std::string& langFolder) {
    std::vector<LanguageChoice> choices;
    for (const files::FolderEntry& entry : files::ListMatches(langFolder + "\\*.*")) {
        const std::string lower = Lower(entry.name);
        if (entry.isFolder || lower.size() < 4 || lower.compare(lower.size() - 4, 4, ".ini") != 0)
            continue;
        const std::string name = entry.name.substr(0, lower.find(".ini"));
        choices.push_back({name, entry.name, langFolder + "\\" + name + ".bmp"});
    }
    return choices;
}

Language::Language(std::string programFolder) : programFolder_(std::move(programFolder)) {}

void Language::SetCurrentLanguageFile(const std::string& file) {
    current_ = file.empty() ? kDefaultLanguageFile : file;
}

std::string Language::Text(const char* key, const char* def) const {
    return FileTexts(LangFolder() + "\\" + current_, programFolder_).Text(key, def);
}

LabelBook Language::Book() const {
    LabelBook book;
    book.current = LabelsFrom(*this);
    book.others.push_back(LabelsFrom(EnglishTexts()));
    for (const LanguageChoice& choice : ListLanguageChoices(LangFolder())) {
        book.others.push_back(
            LabelsFrom(FileTexts(LangFolder() + "\\" + choice.file, programFolder_)));
    }
    return book;
}

}  // namespace startup
