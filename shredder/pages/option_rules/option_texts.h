#pragma once
// Language-file texts of the Shred Options and Shred Drive pages, the
// drive options dialog and the algorithm editor (key and English default).
#include "shredder/core/shredder_texts.h"

namespace shredder {
namespace texts {

namespace options {
extern const TextRef kAlgorithmGroup;   // 9001
extern const TextRef kNew;              // 9002
extern const TextRef kEdit;             // 9003
extern const TextRef kDelete;           // 9004
extern const TextRef kLanguageGroup;    // 9005
extern const TextRef kLiveUpdate;       // 9000
extern const TextRef kMenuCaptionLater; // 9061
extern const TextRef kDeleteFailed;     // 9080
extern const TextRef kTasksLostAlgorithm; // 9142
extern const TextRef kTasksNotRewritten;  // 9170
extern const TextRef kTasksNotRead;       // 9171
}  // namespace options

namespace drive {
extern const TextRef kChooseDrive;      // 9301
extern const TextRef kShredNow;         // 9302
extern const TextRef kSchedule;         // 9303
extern const TextRef kWholeDrive;       // 9305
extern const TextRef kAfterWholeDrive;  // 9306
extern const TextRef kLeaveDrive;       // 9307
extern const TextRef kFormatDrive;      // 9308
extern const TextRef kHeaders[4];       // 9309 to 9312
extern const TextRef kNoDrive;          // 9075
}  // namespace drive

namespace editor {
extern const TextRef kDataHeader;       // 13012
extern const TextRef kNoPass;           // 9074
extern const TextRef kBadPattern;       // 9085
extern const TextRef kNoName;           // 9070
extern const TextRef kDuplicateName;    // 9071
extern const TextRef kNoDescription;    // 9072
extern const TextRef kSaveFailed;       // 9073
extern const TextRef kBadName;          // 9096
extern const TextRef kTooManyPasses;    // 9140
extern const TextRef kPatternTooLong;   // 9141
}  // namespace editor

}  // namespace texts
}  // namespace shredder
