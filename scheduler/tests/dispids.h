#pragma once
// The dispatch ids of the TaskScheduler type library, as clients hard-code them.
#include <windows.h>

namespace sundrave_test {

namespace schedule {
const DISPID CreateTask = 0x60030002, NewEnum = -4, Refresh = 0x60030003,
             Delete = 0x60030004, Job = 0, TargetComputer = 0x68030001, Count = 0x68030000;
}

namespace job {
const DISPID ApplicationName = 0x68030012, CommandLine = 0x68030011, Comment = 0x68030010,
             Creator = 0x6803000F, ErrorRetryCount = 0x6803000E,
             ErrorRetryInterval = 0x6803000D, ExitCode = 0x6803000C, Flags = 0x6803000B,
             IdleWait = 0x6803000A, MaxRunTime = 0x68030009, Priority = 0x68030008,
             Status = 0x68030007, Edit = 0x60030013, Run = 0x60030014, Terminate = 0x60030015,
             LastRunTime = 0x68030006, NextRunTime = 0x68030005, FileName = 0x68030004,
             Name = 0x68030003, Save = 0x60030016, ShowProperties = 0x60030017,
             WorkingDirectory = 0x68030001, Triggers = 0x68030000;
}

namespace triggers {
const DISPID Add = 0x60030002, NewEnum = -4, Remove = 0x60030003, Count = 0x68030001,
             Item = 0, Update = 0x60030004;
}

namespace trigger {
const DISPID DaysInterval = 0x6803000E, Day = 0x6803000D, Months = 0x6803000C,
             DaysOfTheWeek = 0x6803000B, Week = 0x6803000A, WeeksInterval = 0x68030009,
             Refresh = 0x60030010, Update = 0x60030011, Text = 0x68030008,
             TriggerType = 0x68030007, Duration = 0x68030006, Interval = 0x68030005,
             Flags = 0x68030004, BeginDay = 0x68030003, EndDay = 0x68030002,
             RandomInterval = 0x68030001, StartTime = 0x68030000;
}

}  // namespace sundrave_test
