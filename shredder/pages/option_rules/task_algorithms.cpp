#include "shredder/pages/option_rules/task_algorithms.h"

#include "common/suite/scourwell.h"

namespace shredder {

namespace scourwell = suite::scourwell;

namespace {

// The position a line names when its algorithm is gone: none.
constexpr int kNoAlgorithm = -1;

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

std::vector<std::string> FollowAlgorithmMoves(ScheduledTasks& tasks, const PositionMoves& moves) {
    std::vector<std::string> orphaned;
    tasks.Refresh();
    const long count = tasks.Count();
    for (long position = 1; position <= count; ++position) {
        if (tasks.Creator(position) != scourwell::kTaskCreator) continue;
        const std::string line = tasks.CommandLine(position);
        const int before = TaskAlgorithm(line);
        if (before < 0 || before >= static_cast<int>(moves.size()) || moves[before] == before) continue;
        if (moves[before] < 0) orphaned.push_back(tasks.Name(position));
        tasks.SetCommandLine(position, WithTaskAlgorithm(line, moves[before] < 0 ? kNoAlgorithm : moves[before]));
    }
    return orphaned;
}

}  // namespace shredder
