#pragma once
// What the shredder family shares: the shredder, its context-menu library
// and the scheduled tasks the shredder makes meet through these names and
// through one command-line format, written and read here only. Installed
// peers and stored tasks rely on every text below: they are fixed.
#include <climits>
#include <string>
#include <vector>

namespace suite {
namespace scourwell {

// Files of the program folder (`AppPath`); the scheduler library lies in
// the Windows system folder.
constexpr char kProgramFile[] = "Mirrowick.exe";
constexpr char kMenuLibraryFile[] = "Pellidor.dll";
constexpr char kSchedulerLibraryFile[] = "Sundrave.dll";
constexpr char kLogFile[] = "log.txt";

// HKEY_CURRENT_USER: the settings key (values directly in it) and the
// user's own overwrite algorithms, one subkey each.
constexpr char kRegistryKey[] = "Velmora Scourwell";
constexpr char kProfile[] = "Shredder";
constexpr char kSettingsKey[] = "Software\\Velmora Scourwell\\Shredder";
constexpr char kAlgorithmsKey[] = "Software\\Velmora Scourwell\\Algorithms";
constexpr char kAppPathValue[] = "AppPath";
constexpr char kLanguageValue[] = "Language";
constexpr char kMethodValue[] = "Method";
constexpr char kAlertDisabledValue[] = "AlertDisabled";
constexpr char kFolderValue[] = "Folder";
constexpr char kRemoveValue[] = "Remove";
constexpr char kBinAlertDisabledValue[] = "BinAlertDisabled";
constexpr char kDefaultLanguage[] = "English";

// Language files: <AppPath>\Lang\<Language>.ini, this section. Key 9606 is
// the product caption: every message box's title and the menu item's text.
constexpr char kLangFolder[] = "Lang";
constexpr char kLangSection[] = "Scourwell Language Pack";
constexpr char kCaptionKey[] = "9606";
constexpr char kCaptionDefault[] = "Velmora Scourwell";

// The context-menu handler's class and the name it registers under.
constexpr char kMenuHandlerClsid[] = "{46EB9D90-DA84-42F6-8129-DB13236DB8F8}";
constexpr char kMenuHandlerName[] = "VelmoraScourwellContextMenu";

// The scheduler library's Schedule class, and what marks a task as ours.
constexpr char kScheduleClsid[] = "{48829A95-991E-40AE-B6F7-D17F1A3B843B}";
constexpr char kScheduleProgId[] = "TaskScheduler.Schedule";
constexpr char kTaskCreator[] = "Velmora Scourwell";

// The Recycle Bin: its shell class (the verb lives under it) and the item
// that names it on the command line.
constexpr char kRecycleBinClsid[] = "{645FF040-5081-101B-9F08-00AA002F954E}";
constexpr char kRecycleItem[] = "recycle";

// ---------------------------------------------------------------------------
// The command line. Quote mode (any double quote in the text): every text
// between an opening and the next quote is one token, blanks and empty texts
// included; what lies between a closing and the next opening quote is
// skipped, and an opening quote that is never closed ends the scan. Word
// mode (no quote at all): blank-separated words. Switches are
// case-sensitive: "/s" (silent; the next token is the task name), "/O<n>"
// algorithm index, "/D<n>" drive option, "/F<n>" subfolder option, "/R<n>"
// remove option; other tokens are items, "recycle" being the Recycle Bin.

// One split for the ANSI line and, on the NT family, the wide one.
template <class String>
std::vector<String> SplitCommandLine(const String& text) {
    using Char = typename String::value_type;
    const Char quote = '"', blanks[] = {' ', '\t', 0};
    std::vector<String> tokens;
    if (text.find(quote) == String::npos) {
        size_t pos = 0;
        for (;;) {
            pos = text.find_first_not_of(blanks, pos);
            if (pos == String::npos) break;
            size_t end = text.find_first_of(blanks, pos);
            if (end == String::npos) end = text.size();
            tokens.push_back(text.substr(pos, end - pos));
            pos = end;
        }
        return tokens;
    }
    size_t pos = 0;
    for (;;) {
        size_t open = text.find(quote, pos);
        if (open == String::npos) break;
        size_t close = text.find(quote, open + 1);
        if (close == String::npos) break;
        tokens.push_back(text.substr(open + 1, close - open - 1));
        pos = close + 1;
    }
    return tokens;
}

inline std::vector<std::string> TokenizeCommandLine(const std::string& text) {
    return SplitCommandLine(text);
}
inline std::vector<std::wstring> TokenizeCommandLine(const std::wstring& text) {
    return SplitCommandLine(text);
}

// The number after a switch's letter: an optional sign and decimal digits,
// 0 when there are none, held to the range of int.
inline int SwitchNumber(const std::string& token) {
    size_t pos = 2;
    bool negative = false;
    if (pos < token.size() && (token[pos] == '-' || token[pos] == '+')) {
        negative = token[pos] == '-';
        ++pos;
    }
    long long value = 0;
    for (; pos < token.size() && token[pos] >= '0' && token[pos] <= '9'; ++pos) {
        value = value * 10 + (token[pos] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    if (value < INT_MIN) value = INT_MIN;
    return static_cast<int>(value);
}

struct ShredCommand {
    bool silent = false;
    bool hasTaskName = false;
    std::string taskName;
    std::vector<std::string> items;
    // Items no ANSI spelling names on this system (as shown): never shredded.
    std::vector<std::string> unnamedItems;
    int algorithm = 0;
    int driveOption = -1;
    int folderOption = 0;
    int removeOption = 0;
    bool taskNameExpected = false;  // parsing state: "/s" was the last token
};

// `nameable` false: the token, were it an item, names nothing reachable.
inline void AddCommandLineArgument(ShredCommand& command, const std::string& token,
                                   bool nameable = true) {
    if (token == "/s") {
        command.silent = true;
        command.taskNameExpected = true;
        return;
    }
    if (command.taskNameExpected) {
        command.taskNameExpected = false;
        command.hasTaskName = true;
        command.taskName = token;
        return;
    }
    if (!token.empty() && token[0] == '/') {
        char letter = token.size() > 1 ? token[1] : '\0';
        if (letter == 'O') command.algorithm = SwitchNumber(token);
        if (letter == 'D') command.driveOption = SwitchNumber(token);
        if (letter == 'F') command.folderOption = SwitchNumber(token);
        if (letter == 'R') command.removeOption = SwitchNumber(token);
        return;
    }
    (nameable ? command.items : command.unnamedItems).push_back(token);
}

inline ShredCommand ParseCommandLine(const std::string& text) {
    ShredCommand command;
    for (const std::string& token : TokenizeCommandLine(text)) AddCommandLineArgument(command, token);
    return command;
}

// Writers: every line the suite hands to the shredder.
inline std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

inline std::string QuotedList(const std::vector<std::string>& paths) {
    std::string list;
    for (const std::string& path : paths) {
        if (!list.empty()) list += ' ';
        list += Quoted(path);
    }
    return list;
}

inline std::string TaskHead(const std::string& taskName, int method) {
    return Quoted("/s") + " " + Quoted(taskName) + " " + Quoted("/O" + std::to_string(method));
}

inline std::string FileTaskLine(const std::string& taskName, int method,
                                const std::vector<std::string>& files) {
    return TaskHead(taskName, method) + " " + QuotedList(files);
}

inline std::string FolderTaskLine(const std::string& taskName, int method, int folderOption,
                                  int removeOption, const std::vector<std::string>& folders) {
    return TaskHead(taskName, method) + " " + Quoted("/F" + std::to_string(folderOption)) + " " +
           Quoted("/R" + std::to_string(removeOption)) + " " + QuotedList(folders);
}

inline std::string DriveTaskLine(const std::string& taskName, int method, int driveOption,
                                 const std::string& root) {
    return TaskHead(taskName, method) + " " + Quoted("/D" + std::to_string(driveOption)) + " " +
           Quoted(root);
}

inline std::string RecycleTaskLine(const std::string& taskName, int method) {
    return TaskHead(taskName, method) + " " + Quoted(kRecycleItem);
}

// The context menu's parameters: each path quoted and followed by a blank,
// then a lone opening quote, which the tokenizer ignores.
inline std::string ContextMenuLine(const std::vector<std::string>& paths) {
    std::string line;
    for (const std::string& path : paths) line += Quoted(path) + " ";
    return line + "\"";
}

// The Recycle Bin verb's command: the program, quoted, and the word "recycle".
inline std::string RecycleVerbCommand(const std::string& appPath) {
    return Quoted(appPath + "\\" + kProgramFile) + " " + kRecycleItem;
}

}  // namespace scourwell
}  // namespace suite
