#pragma once
// Scheduled tasks that follow their algorithm: a task names its algorithm
// by position ("/O<n>"), so when positions move the program's own tasks are
// given the new one. A task whose algorithm is gone is pointed at none: its
// run then shreds nothing and logs why, instead of using another algorithm.
#include <string>
#include <vector>

#include "shredder/core/scheduler_dispatch.h"
#include "shredder/pages/option_rules/algorithm_store.h"

namespace shredder {

// The position a task's command line names for its algorithm ("/O<n>" as
// the command line reads it; 0 without one).
int TaskAlgorithm(const std::string& line);
// The line with its algorithm switch naming `index` instead; a line
// without one (built-in algorithm 0, which never moves) stays as it is.
std::string WithTaskAlgorithm(const std::string& line, int index);

// Rewrites every task of this program whose algorithm moved. Returns the
// names of the tasks whose algorithm is gone.
std::vector<std::string> FollowAlgorithmMoves(ScheduledTasks& tasks, const PositionMoves& moves);

}  // namespace shredder
