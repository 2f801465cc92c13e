#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "startup/core/add_task.h"
#include "startup/core/entry_list.h"
#include "startup/core/ini_routines.h"
#include "startup/core/loaders.h"
#include "startup/core/record_file.h"
#include "startup/core/shortcut.h"
#include "startup/core/store_file.h"
#include "startup/tests/quarrow_fixture.h"

using ::testing::ElementsAre;

namespace startup {

void PrintTo(const StartupEntry& e, std::ostream* out) {
    *out << "{" << e.taskName << " | " << e.status << " | " << e.loadFrom << " | " << e.user
         << " | " << e.when << " | " << e.location << "}";
}

namespace {

std::vector<std::string> Names(const EntryList& list) {
    std::vector<std::string> names;
    for (const EntryRow& row : list.Rows()) names.push_back(row.entry.taskName);
    return names;
}

const char kToolRecord[] =
    "Tool\r\nDisabled\r\nRegistry(User Run)\r\nCurrent User\r\nCurrent User logs On\r\n"
    "C:\\tool.exe -x\r\n";

class LoaderTest : public QuarrowFixture {};

TEST_F(LoaderTest, ListsEveryPlaceInOrderWithItsTexts) {
    const std::string longCommand = "C:\\long.exe " + std::string(400, 'a');
    SetRun(HKEY_CURRENT_USER, "Run", "User", longCommand);
    SetRun(HKEY_CURRENT_USER, "Run", "Zpadded  ", "p.exe");
    SetRun(HKEY_LOCAL_MACHINE, "Run", "Machine", "m.exe");
    SetRun(HKEY_LOCAL_MACHINE, "RunOnce", "Once", "o.exe");
    SetRun(HKEY_LOCAL_MACHINE, "RunOnceEx", "OnceEx", "x.exe");
    SetRun(HKEY_LOCAL_MACHINE, "RunServices", "Service", "s.exe");
    dir_.write("windows\\win.ini", "[Windows]\r\nLoad=ab\r\nRun=c\r\n");
    dir_.write("prog\\target.exe", "MZ");
    ASSERT_TRUE(MakeShortcut(dir_.file("user-startup\\Folder.lnk"), dir_.file("prog\\target.exe")));
    dir_.write("common-startup\\x.lnk.txt", "not a shortcut");
    dir_.write("common-startup\\.lnk", "");
    dir_.write("windows\\SaveProf.pro", kToolRecord);

    EntryList list(places_, language_.Book());
    list.Load(language_.Book());

    EXPECT_THAT(Names(list), ElementsAre("User", "Zpadded  ", "Machine", "Once", "OnceEx",
                                         "Service", "Win.ini Load", "Folder", "x.lnk", "Tool"));
    const auto& rows = list.Rows();
    EXPECT_EQ(rows[0].entry, (StartupEntry{"User", "Enabled", "Registry(User Run)", "Current User",
                                           "Current User logs On", longCommand}));
    EXPECT_EQ(rows[5].entry, (StartupEntry{"Service", "Enabled", "Registry(Machine RunServices)",
                                           "All Users", "Any User Logs On", "s.exe"}));
    EXPECT_EQ(rows[6].entry, (StartupEntry{"Win.ini Load", "Enabled", "Win.ini Load", "All Users",
                                           "Any User Logs On", "ab"}));
    EXPECT_EQ(rows[7].entry.loadFrom, "StartUp (Current User)");
    EXPECT_EQ(rows[7].entry.when, "Current User Logs On");
    EXPECT_STRCASEEQ(rows[7].entry.location.c_str(), dir_.file("prog\\target.exe").c_str());
    EXPECT_EQ(rows[8].entry, (StartupEntry{"x.lnk", "Enabled", "StartUp (All Users)", "All Users",
                                           "Any User Logs On", ""}));
    EXPECT_EQ(rows[9].entry.status, "Disabled");
    EXPECT_EQ(rows[9].place, kUserRun);
    // The snapshot is the list as loaded.
    EXPECT_EQ(list.AppliedCount(), 10);
}

TEST_F(LoaderTest, IniValuesAreReadWholeAndShortOnesAreEmpty) {
    const std::string value(300, 'v');
    dir_.write("windows\\win.ini", "[Windows]\r\nLoad=" + value + "\r\nRun=z\r\n");
    EXPECT_EQ(ReadIniString("Windows", "Load", places_.WinIni()), value);
    EXPECT_EQ(ReadIniString("Windows", "Run", places_.WinIni()), "");
}

TEST_F(LoaderTest, LanguageLookupTrimsAndCuts) {
    dir_.write("prog\\Lang\\English.ini", "[Brackwell Language Pack]\r\n101=  padded  \r\n102=\r\n103=" +
                                              std::string(600, 'x') + "\r\n");
    EXPECT_EQ(language_.Text("101", "d"), "padded");
    EXPECT_EQ(language_.Text("102", "d"), "");
    EXPECT_EQ(language_.Text("103", "d"), std::string(499, 'x'));
    EXPECT_EQ(language_.Text("104", "default"), "default");
}

TEST_F(LoaderTest, EachLanguageTakesTheFlagOfItsOwnName) {
    // A flag without a language before them in the folder must not shift the pairing.
    dir_.write("prog\\Lang\\Aaa.bmp", "BM");
    dir_.write("prog\\Lang\\Deutsch.INI", "");
    dir_.write("prog\\Lang\\notes.txt", "");
    const std::vector<LanguageChoice> choices = ListLanguageChoices(language_.LangFolder());
    ASSERT_EQ(choices.size(), 1u);
    EXPECT_EQ(choices[0].name, "Deutsch");
    EXPECT_EQ(choices[0].file, "Deutsch.INI");
    EXPECT_EQ(choices[0].flagPath, language_.LangFolder() + "\\Deutsch.bmp");
}

class ApplyTest : public QuarrowFixture {
protected:
    EntryList Loaded() {
        EntryList list(places_, language_.Book());
        list.Load(language_.Book());
        return list;
    }
};

TEST_F(ApplyTest, DisableAndEnableMoveTheEntryBetweenRunKeyAndStore) {
    SetRun(HKEY_CURRENT_USER, "Run", "Tool", "C:\\tool.exe -x");
    EntryList list = Loaded();
    ASSERT_EQ(list.ToggleDisable(0), ToggleResult::Disabled);
    ApplyResult result = list.ApplyNow();
    EXPECT_FALSE(result.storeFailed);
    EXPECT_TRUE(result.failures.empty());

    std::string data;
    EXPECT_FALSE(RunValue(HKEY_CURRENT_USER, "Run", "Tool", &data));
    EXPECT_EQ(list.Rows()[0].entry.status, "Disabled");
    EXPECT_EQ(Store(), kToolRecord);

    ASSERT_EQ(list.ToggleDisable(0), ToggleResult::Enabled);
    list.ApplyNow();
    ASSERT_TRUE(RunValue(HKEY_CURRENT_USER, "Run", "Tool", &data));
    EXPECT_EQ(data, "C:\\tool.exe -x");
    EXPECT_FALSE(StoreExists());
}

TEST_F(ApplyTest, ExpandableCommandStaysExpandableThroughTheStore) {
    SetRun(HKEY_CURRENT_USER, "Run", "Exp", "%SystemRoot%\\exp.exe", REG_EXPAND_SZ);
    EntryList first = Loaded();
    first.ToggleDisable(0);
    first.ApplyNow();
    // A new run reads the entry back from the store, where no type is kept.
    EntryList second = Loaded();
    ASSERT_EQ(second.ToggleDisable(0), ToggleResult::Enabled);
    second.ApplyNow();
    std::string data;
    DWORD type = 0;
    ASSERT_TRUE(RunValue(HKEY_CURRENT_USER, "Run", "Exp", &data, &type));
    EXPECT_EQ(data, "%SystemRoot%\\exp.exe");
    EXPECT_EQ(type, static_cast<DWORD>(REG_EXPAND_SZ));
}

TEST_F(ApplyTest, RemovedShortcutLeavesAndAddedEntryIsAppliedOnce) {
    dir_.write("prog\\app.exe", "MZ");
    ASSERT_TRUE(MakeShortcut(dir_.file("user-startup\\Gone.lnk"), dir_.file("prog\\app.exe")));
    EntryList list = Loaded();
    ASSERT_TRUE(list.MarkRemove(0));
    AddTaskInput input{"New", kUserRun, "Registry(User Run)", "C:\\new.exe"};
    list.AddRow(MakeAddedRow(input, list.CurrentLabels(), language_));
    list.ApplyNow();

    EXPECT_FALSE(dir_.exists("user-startup\\Gone.lnk"));
    EXPECT_THAT(Names(list), ElementsAre("New"));
    EXPECT_FALSE(StoreExists());
    std::string data;
    ASSERT_TRUE(RunValue(HKEY_CURRENT_USER, "Run", "New", &data));
    EXPECT_EQ(data, "C:\\new.exe");

    // Applied entries are not written again.
    DeleteRegValue(HKEY_CURRENT_USER, RunKeyPath("Run"), "New");
    list.ApplyNow();
    EXPECT_FALSE(RunValue(HKEY_CURRENT_USER, "Run", "New", &data));
    EXPECT_THAT(Names(list), ElementsAre("New"));
}

TEST_F(ApplyTest, TranslatedLabelsStillReachTheMachineKeyAndSurviveALanguageChange) {
    dir_.write("prog\\Lang\\Deutsch.ini",
               "[Brackwell Language Pack]\r\n413=Aktiv\r\n423=Deaktiviert\r\n419=Registrierung\r\n"
               "427=Registrierung(Rechner Run)\r\n");
    language_.SetCurrentLanguageFile("Deutsch.ini");
    SetRun(HKEY_LOCAL_MACHINE, "Run", "Mixer", "mixer.exe");
    EntryList german = Loaded();
    ASSERT_EQ(german.Rows()[0].entry.loadFrom, "Registrierung(Machine Run)");
    german.ToggleDisable(0);
    german.ApplyNow();
    std::string data;
    EXPECT_FALSE(RunValue(HKEY_LOCAL_MACHINE, "Run", "Mixer", &data));
    EXPECT_NE(Store().find("Deaktiviert\r\nRegistrierung(Machine Run)\r\n"), std::string::npos);

    language_.SetCurrentLanguageFile("English.ini");
    EntryList english = Loaded();
    ASSERT_EQ(english.Rows().size(), 1u);
    EXPECT_EQ(english.Rows()[0].entry.status, "Disabled");
    EXPECT_EQ(english.Rows()[0].entry.loadFrom, "Registry(Machine Run)");
    // Applying with nothing changed keeps the entry in the store.
    english.ApplyNow();
    EXPECT_NE(Store().find("Mixer\r\nDisabled\r\n"), std::string::npos);
    english.ToggleDisable(0);
    english.ApplyNow();
    ASSERT_TRUE(RunValue(HKEY_LOCAL_MACHINE, "Run", "Mixer", &data));
    EXPECT_EQ(data, "mixer.exe");
}

TEST_F(ApplyTest, ReadOnlyStoreIsReplaced) {
    SetRun(HKEY_CURRENT_USER, "Run", "One", "1.exe");
    SetRun(HKEY_CURRENT_USER, "Run", "Two", "2.exe");
    EntryList list = Loaded();
    list.ToggleDisable(0);
    list.ApplyNow();
    SetFileAttributesA(places_.StoreFile().c_str(), FILE_ATTRIBUTE_READONLY);
    list.ToggleDisable(1);
    ApplyResult result = list.ApplyNow();
    EXPECT_TRUE(result.failures.empty());
    EXPECT_EQ(ParseRecords(Store()).size(), 2u);
}

TEST_F(ApplyTest, StoreThatCannotBeWrittenTakesNothingOut) {
    SetRun(HKEY_CURRENT_USER, "Run", "Keep", "keep.exe");
    ASSERT_TRUE(CreateDirectoryA(places_.StoreFile().c_str(), nullptr));
    EntryList list = Loaded();
    list.ToggleDisable(0);
    ApplyResult result = list.ApplyNow();
    EXPECT_TRUE(result.storeFailed);
    std::string data;
    EXPECT_TRUE(RunValue(HKEY_CURRENT_USER, "Run", "Keep", &data));
    // Still pending: the next apply tries again.
    EXPECT_EQ(list.Rows()[0].entry.status, "Disabled");
    EXPECT_EQ(list.AppliedEntries()[0].entry.status, "Enabled");
}

TEST_F(ApplyTest, EntryWithALineBreakIsNotDisabled) {
    SetRun(HKEY_CURRENT_USER, "Run", "Broken", "a.exe\r\nb.exe");
    EntryList list = Loaded();
    EXPECT_EQ(list.ToggleDisable(0), ToggleResult::RefusedLineBreak);
    EXPECT_EQ(list.Rows()[0].entry.status, "Enabled");
}

class ListEditTest : public ApplyTest {};

TEST_F(ListEditTest, DisableOnARemoveRowEnablesIt) {
    SetRun(HKEY_CURRENT_USER, "Run", "Tool", "t.exe");
    EntryList list = Loaded();
    list.MarkRemove(0);
    EXPECT_EQ(list.ToggleDisable(0), ToggleResult::Enabled);
    EXPECT_EQ(list.StatusAt(0), Status::Enabled);
}

TEST_F(ListEditTest, ResetAllIsTheSnapshotLessDisabledRowsPlusTheStore) {
    SetRun(HKEY_CURRENT_USER, "Run", "Live", "live.exe");
    dir_.write("windows\\SaveProf.pro", kToolRecord);
    EntryList list = Loaded();
    list.ToggleDisable(0);
    list.AddRow(MakeAddedRow({"Added", kUserRun, "Registry(User Run)", "a.exe"},
                             list.CurrentLabels(), language_));
    list.ResetAll();
    EXPECT_THAT(Names(list), ElementsAre("Live", "Tool"));
    EXPECT_EQ(list.StatusAt(0), Status::Enabled);
    EXPECT_EQ(list.StatusAt(1), Status::Disabled);
}

class ProfileTest : public ApplyTest {};

TEST_F(ProfileTest, RoundTripAndShortLastRecord) {
    SetRun(HKEY_CURRENT_USER, "Run", "A", "a.exe");
    SetRun(HKEY_LOCAL_MACHINE, "Run", "B", "b.exe");
    EntryList list = Loaded();
    const std::string path = dir_.file("profile.Pro");
    ASSERT_EQ(SaveEntriesToFile(list.Entries(), path), WriteResult::Written);
    std::vector<StartupEntry> back;
    ASSERT_TRUE(ReadEntriesFromFile(path, back));
    EXPECT_EQ(back, list.Entries());

    dir_.write("short.Pro", "A\r\nEnabled\r\nRegistry(User Run)\r\nu\r\nw\r\na.exe\r\nB\r\n");
    ASSERT_TRUE(ReadEntriesFromFile(dir_.file("short.Pro"), back));
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[1], (StartupEntry{"B", "", "", "", "", ""}));
}

TEST_F(ProfileTest, LoadedRowsAreAppliedByTheirOwnStatusAndTheSnapshotStays) {
    SetRun(HKEY_CURRENT_USER, "Run", "Live", "live.exe");
    SetRun(HKEY_CURRENT_USER, "Run", "Second", "second.exe");
    EntryList list = Loaded();
    // Position 0 holds an enabled entry in both: compared by position, the
    // profile's own entry would never be written.
    list.LoadProfile({{"Other", "Enabled", "Registry(User Run)", "u", "w", "other.exe"},
                      {"Second", "Disabled", "Registry(User Run)", "u", "w", "second.exe"}});
    EXPECT_EQ(list.AppliedEntries()[0].entry.taskName, "Live");
    list.ApplyNow();
    std::string data;
    EXPECT_TRUE(RunValue(HKEY_CURRENT_USER, "Run", "Other", &data));
    EXPECT_FALSE(RunValue(HKEY_CURRENT_USER, "Run", "Second", &data));
    EXPECT_NE(Store().find("Second\r\nDisabled\r\n"), std::string::npos);
}

}  // namespace
}  // namespace startup
