#include "shredder/pages/option_rules/option_texts.h"

namespace shredder {
namespace texts {

namespace options {
const TextRef kAlgorithmGroup = {"9001", "&Algorithm Selection"};
const TextRef kNew = {"9002", "&New"};
const TextRef kEdit = {"9003", "&Edit"};
const TextRef kDelete = {"9004", "&Delete"};
const TextRef kLanguageGroup = {"9005", "&Language Setting"};
const TextRef kLiveUpdate = {"9000", "Live &Update"};
const TextRef kMenuCaptionLater = {
    "9061", "Context menu caption will be changed the next time you restart you system."};
const TextRef kDeleteFailed = {"9080", "Failed to delete the shredding algorithm registry key."};
const TextRef kTasksLostAlgorithm = {
    "9142",
    "These scheduled tasks used the deleted algorithm and will shred nothing until you schedule "
    "them again:\n\n%s"};
const TextRef kTasksNotRewritten = {
    "9170",
    "These scheduled tasks could not be changed to follow their algorithm and may now shred with "
    "another one. Delete them and schedule them again:\n\n%s"};
const TextRef kTasksNotRead = {
    "9171",
    "The scheduled tasks could not be read, so none was changed to follow its algorithm. A task "
    "made with an algorithm that moved in the list may now shred with another one: delete such "
    "tasks and schedule them again."};
}  // namespace options

namespace drive {
const TextRef kChooseDrive = {"9301", "&Choose Drive"};
const TextRef kShredNow = {"9302", "Shred &Now"};
const TextRef kSchedule = {"9303", "&Schedule"};
const TextRef kWholeDrive = {"9305", "Shred the whole &drive."};
const TextRef kAfterWholeDrive = {"9306", "&After shredding whole drive"};
const TextRef kLeaveDrive = {"9307", "&Leave drive as it's."};
const TextRef kFormatDrive = {"9308", "&Format drive."};
const TextRef kHeaders[4] = {{"9309", "Label"},
                             {"9310", "File System"},
                             {"9311", "Free Space"},
                             {"9312", "Total Space"}};
const TextRef kNoDrive = {"9075", "There's no selected drive, Please select a drive first."};
}  // namespace drive

namespace editor {
const TextRef kDataHeader = {"13012", "Data"};
const TextRef kNoPass = {"9074", "There's no selected pass. Please, Select a pass first."};
const TextRef kBadPattern = {"9085",
                             "Your pattern include characters out of the Hexadecimal number "
                             "system.\nPlease fix your pattern."};
const TextRef kNoName = {"9070", "Please, Enter the algorithm name."};
const TextRef kDuplicateName = {
    "9071", "There's an algorithm with the same name.\nPlease change the algorithm name."};
const TextRef kNoDescription = {"9072", "Please, Enter the algorithm description."};
const TextRef kSaveFailed = {"9073", "Failed to save the shredding algorithm in the system registry."};
const TextRef kBadName = {"9096", "An algorithm name can't contain \"\\\".\nPlease change the algorithm name."};
const TextRef kTooManyPasses = {"9140", "An algorithm can have at most %d passes."};
const TextRef kPatternTooLong = {"9141", "A pass pattern can have at most %d bytes."};
}  // namespace editor

}  // namespace texts
}  // namespace shredder
