#pragma once
// Scheduled tasks that follow their algorithm: a task names its algorithm
// by position ("/O<n>"), so when positions move the program's own tasks are
// given the new one. A task whose algorithm is gone is pointed at none: its
// run then shreds nothing and logs why, instead of using another algorithm.
#include <string>
#include <vector>

#include "shredder/core/scheduler_dispatch.h"
#include "shredder/core/shredder_texts.h"
#include "shredder/pages/option_rules/algorithm_store.h"

namespace shredder {

// The position a task's command line names for its algorithm ("/O<n>" as
// the command line reads it; 0 without one).
int TaskAlgorithm(const std::string& line);
// The line with its algorithm switch naming `index` instead; a line
// without one (built-in algorithm 0, which never moves) stays as it is.
std::string WithTaskAlgorithm(const std::string& line, int index);

// What following the moves did to the tasks.
struct TaskFollowing {
    // False when some position moved but the scheduler's tasks could not
    // be read: none was changed.
    bool tasksRead = true;
    // Tasks now pointed at no algorithm (their change was written).
    std::vector<std::string> orphaned;
    // Tasks that needed a change the scheduler did not take: they still
    // name their old position, which may hold another algorithm now.
    std::vector<std::string> notRewritten;
};

// Rewrites every task of this program whose algorithm moved. Reads no
// task when nothing moved.
TaskFollowing FollowAlgorithmMoves(ScheduledTasks& tasks, const PositionMoves& moves);

// The messages that tell the user about it, one per kind, in the order to
// show them; none when every task followed.
std::vector<std::string> TaskFollowingReports(const TaskFollowing& following, const ShredderTexts& texts);

}  // namespace shredder
