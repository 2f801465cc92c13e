#include "shredder/pages/option_rules/task_algorithms.h"

#include "common/suite/scourwell.h"
#include "shredder/core/messenger.h"
#include "shredder/pages/option_rules/option_texts.h"

namespace shredder {

namespace scourwell = suite::scourwell;

namespace {

// The position a line names when its algorithm is gone: none.
constexpr int kNoAlgorithm = -1;

// The text with the task names, one a line, for its "%s"; "" without names.
std::string NamedTasks(const ShredderTexts& texts, const TextRef& text,
                       const std::vector<std::string>& names) {
    if (names.empty()) return std::string();
    std::string list;
    for (const std::string& name : names) list += name + "\n";
    return FillIn(texts.Text(text), "%s", list);
}

bool IsAlgorithmSwitch(const std::string& token) { return token.size() > 1 && token.compare(0, 2, "/O") == 0; }

// The token index of the switch that counts (the last one; a task name
// that looks like one is none), -1 when there is none.
int AlgorithmToken(const std::vector<std::string>& tokens) {
    int found = -1;
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i] == "/s")
            ++i;
        else if (IsAlgorithmSwitch(tokens[i]))
            found = static_cast<int>(i);
    }
    return found;
}

}  // namespace

int TaskAlgorithm(const std::string& line) { return scourwell::ParseCommandLine(line).algorithm; }

std::string WithTaskAlgorithm(const std::string& line, int index) {
    std::vector<std::string> tokens = scourwell::TokenizeCommandLine(line);
    const int at = AlgorithmToken(tokens);
    if (at < 0) return line;
    tokens[at] = "/O" + std::to_string(index);
    std::string result;
    for (const std::string& token : tokens) result += (result.empty() ? "" : " ") + scourwell::Quoted(token);
    return result;
}

TaskFollowing FollowAlgorithmMoves(ScheduledTasks& tasks, const PositionMoves& moves) {
    TaskFollowing result;
    bool moved = false;
    for (size_t i = 0; i < moves.size(); ++i) moved |= moves[i] != static_cast<int>(i);
    if (!moved) return result;
    if (!tasks.Refresh()) {
        result.tasksRead = false;
        return result;
    }
    const long count = tasks.Count();
    for (long position = 1; position <= count; ++position) {
        if (tasks.Creator(position) != scourwell::kTaskCreator) continue;
        const std::string line = tasks.CommandLine(position);
        const int before = TaskAlgorithm(line);
        if (before < 0 || before >= static_cast<int>(moves.size()) || moves[before] == before) continue;
        const int after = moves[before] < 0 ? kNoAlgorithm : moves[before];
        if (!tasks.SetCommandLine(position, WithTaskAlgorithm(line, after)))
            result.notRewritten.push_back(tasks.Name(position));
        else if (after == kNoAlgorithm)
            result.orphaned.push_back(tasks.Name(position));
    }
    return result;
}

std::vector<std::string> TaskFollowingReports(const TaskFollowing& following, const ShredderTexts& texts) {
    std::vector<std::string> reports;
    if (!following.tasksRead) reports.push_back(texts.Text(texts::options::kTasksNotRead));
    for (const std::string& report :
         {NamedTasks(texts, texts::options::kTasksLostAlgorithm, following.orphaned),
          NamedTasks(texts, texts::options::kTasksNotRewritten, following.notRewritten)})
        if (!report.empty()) reports.push_back(report);
    return reports;
}

}  // namespace shredder
