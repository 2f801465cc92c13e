#include <gtest/gtest.h>

#include <vector>

#include "startup/core/exit_windows.h"

namespace startup {
namespace {

std::vector<unsigned> g_calls;
bool RecordCall(unsigned flags) {
    g_calls.push_back(flags);
    return true;
}

TEST(ExitWindowsTest, OptionsEndTheSessionWithoutForcingProgramsClosed) {
    g_calls.clear();
    clsExitWindows exit(RecordCall);
    for (long option : {0L, 1L, 2L, 8L, 3L}) exit.ExitWindows(option);
    EXPECT_EQ(g_calls, (std::vector<unsigned>{EWX_LOGOFF, EWX_SHUTDOWN, EWX_SHUTDOWN | EWX_REBOOT,
                                              EWX_POWEROFF}));
    for (unsigned flags : g_calls) EXPECT_EQ(flags & EWX_FORCE, 0u);
}

}  // namespace
}  // namespace startup
