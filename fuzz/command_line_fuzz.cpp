// The shredder's command line: every line the suite's writers make from
// what a line parsed to parses back to the same command.
#include "common/suite/scourwell.h"
#include "fuzz/fuzz_check.h"

namespace sc = suite::scourwell;

namespace {

void CheckSameTask(const sc::ShredCommand& parsed, const sc::ShredCommand& want) {
    FUZZ_CHECK(parsed.silent && parsed.hasTaskName && !parsed.taskNameExpected);
    FUZZ_CHECK(parsed.taskName == want.taskName);
    FUZZ_CHECK(parsed.algorithm == want.algorithm);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = fuzz::Text(data, size);
    const std::vector<std::string> tokens = sc::TokenizeCommandLine(text);
    for (const std::string& token : tokens) FUZZ_CHECK(token.find('"') == std::string::npos);
    FUZZ_CHECK(sc::TokenizeCommandLine(sc::QuotedList(tokens)) == tokens);
    FUZZ_CHECK(sc::TokenizeCommandLine(sc::ContextMenuLine(tokens)) == tokens);

    const sc::ShredCommand command = sc::ParseCommandLine(text);
    for (const std::string& item : command.items)
        FUZZ_CHECK(item.empty() || item[0] != '/');
    FUZZ_CHECK(command.hasTaskName <= command.silent);
    FUZZ_CHECK(sc::ParseCommandLine(sc::QuotedList(command.items)).items == command.items);

    // A task name of "/s" would be read as the switch again: no writer is
    // handed one.
    if (command.taskName == "/s") return 0;
    const sc::ShredCommand files = sc::ParseCommandLine(
        sc::FileTaskLine(command.taskName, command.algorithm, command.items));
    CheckSameTask(files, command);
    FUZZ_CHECK(files.items == command.items);

    const sc::ShredCommand folders = sc::ParseCommandLine(sc::FolderTaskLine(
        command.taskName, command.algorithm, command.folderOption, command.removeOption,
        command.items));
    CheckSameTask(folders, command);
    FUZZ_CHECK(folders.items == command.items);
    FUZZ_CHECK(folders.folderOption == command.folderOption);
    FUZZ_CHECK(folders.removeOption == command.removeOption);

    const std::string root = command.items.empty() ? "C:\\" : command.items.front();
    const sc::ShredCommand drive = sc::ParseCommandLine(
        sc::DriveTaskLine(command.taskName, command.algorithm, command.driveOption, root));
    CheckSameTask(drive, command);
    FUZZ_CHECK(drive.driveOption == command.driveOption);
    FUZZ_CHECK(drive.items.size() == 1 && drive.items[0] == root);

    const sc::ShredCommand recycle =
        sc::ParseCommandLine(sc::RecycleTaskLine(command.taskName, command.algorithm));
    CheckSameTask(recycle, command);
    FUZZ_CHECK(recycle.items.size() == 1 && recycle.items[0] == sc::kRecycleItem);
    return 0;
}
