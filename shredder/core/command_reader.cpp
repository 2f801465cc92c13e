#include "shredder/core/command_reader.h"

#include "common/files/ansi_names.h"

namespace shredder {

using namespace suite::scourwell;

namespace {

ShredCommand ParseWideCommandLine(const std::wstring& tail) {
    ShredCommand command;
    for (const std::wstring& token : TokenizeCommandLine(tail)) {
        std::string ansi;
        const bool nameable = files::AnsiPathOf(token, ansi);
        AddCommandLineArgument(command, nameable ? ansi : files::ShownAnsi(token), nameable);
    }
    return command;
}

}  // namespace

ShredCommand ReadShredCommand(const std::string& ansiTail) {
    std::wstring tail;
    if (files::WideCommandTail(tail)) return ParseWideCommandLine(tail);
    return ParseCommandLine(ansiTail);
}

}  // namespace shredder
