// Sequences of ordinary clicks that must never lose a start-up entry, its
// type or its shortcut file, nor reach outside the places it lives in.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "common/files/ansi_names.h"
#include "platform/com/com_ptr.h"
#include "startup/core/add_task.h"
#include "startup/core/entry_list.h"
#include "startup/core/ini_routines.h"
#include "startup/core/profile_file.h"
#include "startup/core/record_file.h"
#include "startup/core/shortcut.h"
#include "startup/core/store_file.h"
#include "startup/tests/quarrow_fixture.h"

namespace startup {
namespace {

using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

std::string Record(const std::string& name, const std::string& loadFrom,
                   const std::string& command) {
    return name + "\r\nDisabled\r\n" + loadFrom + "\r\nu\r\nw\r\n" + command + "\r\n";
}

// Status and command of every row, in list order.
std::vector<std::string> Shown(const EntryList& list) {
    std::vector<std::string> shown;
    for (const EntryRow& row : list.Rows())
        shown.push_back(row.entry.taskName + " " + row.entry.status + " " + row.entry.location);
    return shown;
}

class KeepsEntriesTest : public QuarrowFixture {
protected:
    KeepsEntriesTest() : QuarrowFixture("quarrow-keeps") {}

    EntryList Loaded() {
        EntryList list(places_, language_.Book());
        list.Load(language_.Book());
        return list;
    }
    static int RowOf(const EntryList& list, const std::string& name, bool stored = false) {
        for (size_t i = 0; i < list.Rows().size(); ++i) {
            if (list.Rows()[i].entry.taskName == name && list.Rows()[i].stored == stored)
                return static_cast<int>(i);
        }
        return -1;
    }
    static void Apply(EntryList& list) {
        const ApplyResult result = list.ApplyNow();
        EXPECT_FALSE(result.storeFailed);
        EXPECT_THAT(result.failures, ::testing::IsEmpty());
    }
    // A profile file loaded as the main form loads it.
    static void LoadProfileFile(EntryList& list, const std::string& path) {
        std::vector<StartupEntry> records;
        std::string values;
        ASSERT_TRUE(ReadProfile(path, records, values));
        list.LoadProfile(records, values);
    }
    std::string Run(const std::string& name) {
        std::string data;
        return RunValue(HKEY_CURRENT_USER, "Run", name, &data) ? data : "<missing>";
    }
};

TEST_F(KeepsEntriesTest, ResetAllThenApplyMatchesRowsByEntryNotPosition) {
    SetRun(HKEY_CURRENT_USER, "Run", "A", "a.exe");
    SetRun(HKEY_CURRENT_USER, "Run", "B", "b.exe");
    SetRun(HKEY_CURRENT_USER, "Run", "C", "c.exe");
    EntryList list = Loaded();
    list.ToggleDisable(RowOf(list, "A"));
    Apply(list);
    list.ResetAll();
    ASSERT_EQ(RowOf(list, "A", true), 2);
    list.ToggleDisable(2);
    Apply(list);
    EXPECT_EQ(Run("A"), "a.exe");
    EXPECT_EQ(Run("C"), "c.exe");
    EXPECT_FALSE(StoreExists());

}

TEST_F(KeepsEntriesTest, ProfileLoadKeepsStoredEntriesItDoesNotHold) {
    SetRun(HKEY_CURRENT_USER, "Run", "Kept", "kept.exe");
    SetRun(HKEY_CURRENT_USER, "Run", "Other", "other.exe");
    EntryList list = Loaded();
    list.ToggleDisable(RowOf(list, "Kept"));
    Apply(list);
    SetRun(HKEY_CURRENT_USER, "Run", "Unlisted", "unlisted.exe");
    list.LoadProfile({{"Other", "Enabled", "Registry(User Run)", "u", "w", "other.exe"}});
    EXPECT_EQ(list.StatusAt(RowOf(list, "Kept", true)), Status::Disabled);
    // What an added entry would replace: live ones, listed or not.
    EXPECT_TRUE(list.HasLiveRow(kUserRun, "OTHER"));
    EXPECT_TRUE(list.HasLiveRow(kUserRun, "Unlisted"));
    EXPECT_FALSE(list.HasLiveRow(kUserRun, "Kept"));
    Apply(list);
    std::vector<StartupEntry> stored;
    ASSERT_TRUE(ReadEntriesFromFile(places_.StoreFile(), stored));
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].location, "kept.exe");
    EXPECT_EQ(Run("Other"), "other.exe");
}

void MakeRichShortcut(const std::string& path, const std::string& target) {
    com::ComPtr<IShellLinkA> link;
    com::ComPtr<IPersistFile> file;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_IShellLinkA, link.putVoid())));
    ASSERT_TRUE(SUCCEEDED(file.queryFrom(link.get(), IID_IPersistFile)));
    link->SetPath(target.c_str());
    link->SetArguments("/tray");
    link->SetWorkingDirectory("C:\\");
    link->SetIconLocation(target.c_str(), 2);
    link->SetHotkey(MAKEWORD('Q', HOTKEYF_CONTROL | HOTKEYF_ALT));
    link->SetShowCmd(SW_SHOWMINNOACTIVE);
    wchar_t wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    ASSERT_TRUE(SUCCEEDED(file->Save(wide, TRUE)));
}

TEST_F(KeepsEntriesTest, ShortcutComesBackByteExactAndAnUnchangedProfileRewritesNothing) {
    dir_.write("prog\\app.exe", "MZ");
    MakeRichShortcut(dir_.file("user-startup\\Tray.lnk"), dir_.file("prog\\app.exe"));
    const std::string bytes = dir_.read("user-startup\\Tray.lnk");
    EntryList list = Loaded();
    list.ToggleDisable(RowOf(list, "Tray"));
    Apply(list);
    EXPECT_FALSE(dir_.exists("user-startup\\Tray.lnk"));
    EXPECT_NE(Store().find("Tray\r\nDisabled\r\nStartUp (Current User)\r\n"), std::string::npos);

    // Enabled again in a later session, from the store.
    EntryList later = Loaded();
    later.ToggleDisable(RowOf(later, "Tray", true));
    Apply(later);
    EXPECT_EQ(dir_.read("user-startup\\Tray.lnk"), bytes);

    // The same list saved and loaded back as a profile changes nothing.
    const std::string profile = dir_.file("same.Pro");
    ASSERT_EQ(SaveEntriesToFile(later.Entries(), profile), WriteResult::Written);
    std::vector<StartupEntry> records;
    ASSERT_TRUE(ReadEntriesFromFile(profile, records));
    SetFileAttributesA(dir_.file("user-startup\\Tray.lnk").c_str(), FILE_ATTRIBUTE_READONLY);
    later.LoadProfile(records);
    Apply(later);
    SetFileAttributesA(dir_.file("user-startup\\Tray.lnk").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(dir_.read("user-startup\\Tray.lnk"), bytes);
}

TEST_F(KeepsEntriesTest, StoredTwinActsOnTheStoreOnlyAndAsksBeforeReplacing) {
    dir_.write("windows\\SaveProf.pro",
               "Tool\r\nDisabled\r\nRegistry(User Run)\r\nCurrent User\r\nCurrent User logs On\r\n"
               "old.exe\r\n");
    SetRun(HKEY_CURRENT_USER, "Run", "Tool", "new.exe");
    EntryList list = Loaded();
    list.ToggleDisable(RowOf(list, "Tool", true));
    int asked = 0;
    ApplyResult result = list.ApplyNow([&asked](const EntryRow& stored) {
        ++asked;
        EXPECT_EQ(stored.entry.location, "old.exe");
        return false;
    });
    EXPECT_TRUE(result.failures.empty());
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(Run("Tool"), "new.exe");
    EXPECT_EQ(list.StatusAt(RowOf(list, "Tool", true)), Status::Disabled);
    EXPECT_NE(Store().find("old.exe"), std::string::npos);

    list.MarkRemove(RowOf(list, "Tool", true));
    Apply(list);
    EXPECT_EQ(Run("Tool"), "new.exe");
    EXPECT_FALSE(StoreExists());
}

TEST_F(KeepsEntriesTest, RecordOfAnUnknownPlaceIsReportedAndKept) {
    const std::string record =
        "Gone\r\nDisabled\r\nRegistrierung(Benutzer Run)\r\nu\r\nw\r\ngone.exe\r\n";
    dir_.write("windows\\SaveProf.pro", record);
    EntryList list = Loaded();
    list.ToggleDisable(0);
    const ApplyResult result = list.ApplyNow();
    ASSERT_EQ(result.failures.size(), 1u);
    EXPECT_NE(result.failures[0].find("no language file knows this place"), std::string::npos);
    EXPECT_EQ(list.StatusAt(0), Status::Disabled);
    EXPECT_EQ(Store(), record);
}

TEST_F(KeepsEntriesTest, NameFromAProfileThatLeavesTheStartupFolderIsRefused) {
    EntryList list = Loaded();
    list.LoadProfile({{"..\\x", "Enabled", "StartUp (Current User)", "u", "w", "C:\\x.exe"}});
    const ApplyResult result = list.ApplyNow();
    ASSERT_EQ(result.failures.size(), 1u);
    EXPECT_NE(result.failures[0].find("..\\x"), std::string::npos);
    EXPECT_FALSE(dir_.exists("x.lnk"));
}

TEST_F(KeepsEntriesTest, ValuesKeepTheirTypeAndBytesThroughTheStoreAndAProfile) {
    const std::string flags("\x20\0\0\0", 4);
    const std::string multi("one.exe\0two\0\0", 13);
    ASSERT_EQ(ERROR_SUCCESS,
              WriteRegBytes(HKEY_CURRENT_USER, RunKeyPath("Run"), "Flags", flags, REG_DWORD));
    ASSERT_EQ(ERROR_SUCCESS,
              WriteRegBytes(HKEY_CURRENT_USER, RunKeyPath("Run"), "Multi", multi, REG_MULTI_SZ));
    const auto expectTyped = [&] {
        for (const auto& [name, type, bytes] :
             {std::make_tuple("Flags", REG_DWORD, flags),
              std::make_tuple("Multi", REG_MULTI_SZ, multi)}) {
            std::string text, data;
            DWORD found = 0;
            ASSERT_TRUE(
                ReadRegValue(HKEY_CURRENT_USER, RunKeyPath("Run"), name, text, &found, &data));
            EXPECT_EQ(found, static_cast<DWORD>(type)) << name;
            EXPECT_EQ(data, bytes) << name;
        }
    };
    EntryList list = Loaded();
    const std::vector<StartupEntry> profile = list.Entries();
    const std::string profileFile = dir_.file("typed.Pro");
    ASSERT_EQ(SaveProfile(list.Rows(), profileFile), WriteResult::Written);
    list.ToggleDisable(0);
    list.ToggleDisable(1);
    Apply(list);
    EntryList later = Loaded();
    later.LoadProfile(profile);
    Apply(later);
    expectTyped();

    // Removed for good, they come back typed from the profile's side file.
    later.MarkRemove(0);
    later.MarkRemove(1);
    Apply(later);
    LoadProfileFile(later, profileFile);
    Apply(later);
    expectTyped();

    // A profile as written so far, with nothing beside it.
    dir_.write("old.Pro", "Old\r\nEnabled\r\nRegistry(User Run)\r\nCurrent User\r\n"
                          "Current User logs On\r\nold.exe\r\n");
    LoadProfileFile(later, dir_.file("old.Pro"));
    Apply(later);
    EXPECT_EQ(Run("Old"), "old.exe");
}

TEST_F(KeepsEntriesTest, QuotedWinIniValueKeepsItsQuotes) {
    dir_.write("windows\\win.ini", "[Windows]\r\nLoad=\"C:\\Program Files\\a.exe\"\r\n");
    EntryList list = Loaded();
    ASSERT_EQ(list.Rows()[0].entry.location, "\"C:\\Program Files\\a.exe\"");
    list.ToggleDisable(0);
    Apply(list);
    EntryList later = Loaded();
    later.ToggleDisable(0);
    Apply(later);
    EXPECT_NE(dir_.read("windows\\win.ini").find("Load=\"C:\\Program Files\\a.exe\""),
              std::string::npos);
}

// The key's access list lets everyone read it and change its access list,
// nothing more; `writable` gives everyone full access again.
void SetKeyWritable(HKEY root, const std::string& path, bool writable) {
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(root, path.c_str(), 0, WRITE_DAC, &key));
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
    char aclBytes[256] = {};
    PACL acl = reinterpret_cast<PACL>(aclBytes);
    InitializeAcl(acl, sizeof(aclBytes), ACL_REVISION);
    AddAccessAllowedAce(acl, ACL_REVISION, writable ? KEY_ALL_ACCESS : KEY_READ | WRITE_DAC,
                        everyone);
    SECURITY_DESCRIPTOR descriptor;
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE);
    EXPECT_EQ(ERROR_SUCCESS, RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor));
    FreeSid(everyone);
    RegCloseKey(key);
}

TEST_F(KeepsEntriesTest, RefusedChangeIsReportedAndTheRowKeepsItsOwnStatus) {
    SetRun(HKEY_CURRENT_USER, "Run", "A", "a.exe");
    SetRun(HKEY_LOCAL_MACHINE, "Run", "Stuck", "stuck.exe");
    dir_.write("prog\\app.exe", "MZ");
    ASSERT_TRUE(MakeShortcut(dir_.file("user-startup\\Locked.lnk"), dir_.file("prog\\app.exe")));
    SetFileAttributesA(dir_.file("user-startup\\Locked.lnk").c_str(), FILE_ATTRIBUTE_READONLY);
    EntryList list = Loaded();
    list.ToggleDisable(RowOf(list, "A"));
    Apply(list);
    // Reset All moves the stored row to the end: the machine's row now
    // stands where A stood in the snapshot.
    list.ResetAll();
    const int stuck = RowOf(list, "Stuck");
    const int locked = RowOf(list, "Locked");
    ASSERT_EQ(stuck, 0);
    SetKeyWritable(HKEY_LOCAL_MACHINE, RunKeyPath("Run"), false);
    list.ToggleDisable(stuck);
    list.MarkRemove(locked);
    const ApplyResult result = list.ApplyNow();
    SetKeyWritable(HKEY_LOCAL_MACHINE, RunKeyPath("Run"), true);
    SetFileAttributesA(dir_.file("user-startup\\Locked.lnk").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_THAT(result.failures, ElementsAre(HasSubstr("Stuck"), HasSubstr("Locked")));
    EXPECT_EQ(list.StatusAt(stuck), Status::Enabled);
    EXPECT_EQ(list.StatusAt(locked), Status::Enabled);
    std::string data;
    EXPECT_TRUE(RunValue(HKEY_LOCAL_MACHINE, "Run", "Stuck", &data));
    EXPECT_TRUE(dir_.exists("user-startup\\Locked.lnk"));
    EXPECT_EQ(Store().find("Stuck"), std::string::npos);
}

TEST_F(KeepsEntriesTest, EachRowHoldsOneEntryAndAWinIniRowIsItsPlace) {
    dir_.write("prog\\Lang\\Deutsch.ini", "[Brackwell Language Pack]\r\n432=Win.ini Laden\r\n");
    language_.SetCurrentLanguageFile("Deutsch.ini");
    SetRun(HKEY_CURRENT_USER, "Run", "Tool", "tool.exe /new");
    dir_.write("windows\\win.ini", "[Windows]\r\nLoad=old.exe\r\n");
    dir_.write("windows\\SaveProf.pro", Record("Tool", "Registry(User Run)", "tool.exe /old") +
                                            Record("Tool", "Registry(User Run)", "tool.exe /older") +
                                            Record("Win.ini Load", "Win.ini Load", "stored.exe"));
    EntryList list = Loaded();
    const std::string profile = dir_.file("twins.Pro");
    ASSERT_EQ(SaveProfile(list.Rows(), profile), WriteResult::Written);
    // The second of two stored records of one name goes, and stays gone.
    list.MarkRemove(3);
    Apply(list);
    EXPECT_THAT(Shown(Loaded()), ElementsAre("Tool Enabled tool.exe /new",
                                             "Win.ini Load Enabled old.exe",
                                             "Tool Disabled tool.exe /old",
                                             "Win.ini Load Disabled stored.exe"));
    list.MarkRemove(2);
    Apply(list);
    // The profile's stored twins come back beside the live entry, untouched.
    LoadProfileFile(list, profile);
    Apply(list);
    EXPECT_EQ(Run("Tool"), "tool.exe /new");
    EXPECT_THAT(Shown(list), ElementsAre("Tool Enabled tool.exe /new", "Win.ini Load Enabled old.exe",
                                         "Tool Disabled tool.exe /old",
                                         "Tool Disabled tool.exe /older",
                                         "Win.ini Load Disabled stored.exe"));
    EXPECT_EQ(ParseRecords(Store()).size(), 3u);

    // Added under the translated label, the win.ini entry replaces the live
    // value's row, as an added Run value replaces its own.
    EXPECT_EQ(list.WinIniValue(kWinIniLoad), "old.exe");
    list.AddRow(MakeAddedRow({"", kWinIniLoad, "Win.ini Laden", "new.exe"}, list.CurrentLabels(),
                             language_));
    list.AddRow(MakeAddedRow({"Tool", kUserRun, "Registry(User Run)", "tool.exe /added"},
                             list.CurrentLabels(), language_));
    Apply(list);
    EXPECT_THAT(Shown(list), ElementsAre("Tool Disabled tool.exe /old",
                                         "Tool Disabled tool.exe /older",
                                         "Win.ini Load Disabled stored.exe",
                                         "Win.ini Laden Enabled new.exe",
                                         "Tool Enabled tool.exe /added"));
    // Later applies leave the system to itself.
    SetRun(HKEY_CURRENT_USER, "Run", "Tool", "tool.exe /later");
    Apply(list);
    EXPECT_EQ(Run("Tool"), "tool.exe /later");
    list.ToggleDisable(3);
    Apply(list);
    EXPECT_EQ(ReadIniString("Windows", "Load", places_.WinIni()), "");
    EXPECT_NE(Store().find("new.exe"), std::string::npos);
}

TEST_F(KeepsEntriesTest, AnEntryChangedBehindTheListIsLeftAndShownAsItIs) {
    SetRun(HKEY_CURRENT_USER, "Run", "Updater", "C:\\v1\\upd.exe");
    dir_.write("prog\\a.exe", "MZ");
    dir_.write("prog\\b.exe", "MZ");
    const std::string tray = dir_.file("user-startup\\Tray.lnk");
    ASSERT_TRUE(MakeShortcut(tray, dir_.file("prog\\a.exe")));
    EntryList list = Loaded();
    SetRun(HKEY_CURRENT_USER, "Run", "Updater", "C:\\v2\\upd.exe");
    ASSERT_TRUE(MakeShortcut(tray, dir_.file("prog\\b.exe")));
    list.ToggleDisable(0);
    list.ToggleDisable(1);
    const ApplyResult result = list.ApplyNow();
    EXPECT_THAT(result.failures,
                ElementsAre(AllOf(HasSubstr("Updater"), HasSubstr("changed since")),
                            AllOf(HasSubstr("Tray"), HasSubstr("changed since"))));
    EXPECT_EQ(Run("Updater"), "C:\\v2\\upd.exe");
    EXPECT_EQ(list.Rows()[0].entry.location, "C:\\v2\\upd.exe");
    EXPECT_EQ(list.StatusAt(1), Status::Enabled);
    EXPECT_STRCASEEQ(list.Rows()[1].entry.location.c_str(), dir_.file("prog\\b.exe").c_str());
    EXPECT_FALSE(StoreExists());

    // As they are now, they are taken out and put back whole.
    list.ToggleDisable(0);
    list.ToggleDisable(1);
    Apply(list);
    list.ToggleDisable(0);
    list.ToggleDisable(1);
    Apply(list);
    EXPECT_EQ(Run("Updater"), "C:\\v2\\upd.exe");
    EXPECT_STRCASEEQ(ReadShortcutTarget(tray).c_str(), dir_.file("prog\\b.exe").c_str());
}

TEST_F(KeepsEntriesTest, AStartupFileIsActedOnUnderItsListedName) {
    dir_.write("user-startup\\notes.lnk.txt", "my notes");
    dir_.write("prog\\app.exe", "MZ");
    // A shortcut whose name the ANSI code page cannot hold is its short name.
    ASSERT_TRUE(MakeShortcut(dir_.file("common-startup\\made.lnk"), dir_.file("prog\\app.exe")));
    const std::wstring accented = files::WideOf(dir_.file("common-startup")) + L"\\\x010C" L"apek.lnk";
    ASSERT_TRUE(MoveFileW(files::WideOf(dir_.file("common-startup\\made.lnk")).c_str(), accented.c_str()));
    wchar_t shortPath[MAX_PATH] = {};
    ASSERT_NE(0u, GetShortPathNameW(accented.c_str(), shortPath, MAX_PATH));
    std::string shortName;
    ASSERT_TRUE(files::ExactAnsi(shortPath, shortName));
    shortName = shortName.substr(shortName.find_last_of('\\') + 1);
    const std::string title = shortName.substr(0, shortName.rfind('.'));
    EntryList list = Loaded();
    ASSERT_THAT(Shown(list), ElementsAre("notes.lnk Enabled ", HasSubstr(title + " Enabled")));
    list.ToggleDisable(0);
    list.MarkRemove(1);
    Apply(list);
    for (const char* file : {"user-startup\\notes.lnk.txt", "user-startup\\notes.lnk.lnk"})
        EXPECT_FALSE(dir_.exists(file)) << file;
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(accented.c_str()));

    // A later session finds the kept file by its entry and puts it back as it was.
    EntryList later = Loaded();
    later.ToggleDisable(RowOf(later, "notes.lnk", true));
    Apply(later);
    EXPECT_EQ(dir_.read("user-startup\\notes.lnk.txt"), "my notes");
    EXPECT_FALSE(dir_.exists("user-startup\\notes.lnk.lnk"));
    // A command from a profile does not turn it into a shortcut.
    later.LoadProfile({{"notes.lnk", "Enabled", "StartUp (Current User)", "u", "w", "C:\\x.exe"}});
    EXPECT_THAT(later.ApplyNow().failures, ElementsAre(HasSubstr("notes.lnk")));
    EXPECT_EQ(dir_.read("user-startup\\notes.lnk.txt"), "my notes");
    later.MarkRemove(RowOf(later, "notes.lnk"));
    Apply(later);
    EXPECT_FALSE(dir_.exists("user-startup\\notes.lnk.txt"));
}

}  // namespace
}  // namespace startup
