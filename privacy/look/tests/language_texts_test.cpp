// Language texts: reading a language file into the table, listing the
// language files, and re-texting the tagged windows of the program.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/testkit/scratch.h"
#include "platform/ui/module.h"
#include "platform/ui/tests/ui_driver.h"
#include "privacy/look/language_combo.h"
#include "privacy/look/language_texts.h"
#include "privacy/look/look_messages.h"
#include "privacy/look/tests/look_test_ids.h"
#include "privacy/look/tests/look_test_support.h"

namespace {

using namespace privacy;

class LanguageTexts : public ::testing::Test {
protected:
    LanguageTexts() : dir_("corbelt-language") { SetProgramFolder(dir_.path()); }
    ~LanguageTexts() override {
        SetLanguageName("English");
        LoadLanguageTexts("");
    }
    testkit::ScratchDir dir_;
};

TEST_F(LanguageTexts, KeysMatchWholeTheFirstWinsQuotesStayAndEverySectionLineCounts) {
    dir_.write("Language\\Test.ini",
               "[VelmoraVeilstride]\r\n"
               "20=Fenetres\r\n"
               "2 = Sitios\r\n"
               "3=\r\n"
               "4=Rastro\r\n"
               "4=Second\r\n"
               "5=Borrar , todo\r\n"
               "8=\"Mostrar\" todo\r\n"
               "; 9=A comment\r\n"
               "[Other]\r\n"
               "6=Not this\r\n"
               "[VelmoraVeilstride]\r\n"
               "9=Again\r\n"
               "[VelmoraBlinkward]\r\n"
               "7=Nor this\r\n");
    LoadLanguageTexts("Test");
    EXPECT_EQ("Sitios", Text(2));
    EXPECT_EQ("Fenetres", Text(20));
    EXPECT_EQ("", Text(3));            // present and empty: empty, not English
    EXPECT_EQ("Rastro", Text(4));
    EXPECT_EQ("Borrar,todo", Text(5));  // blanks next to a comma go
    EXPECT_EQ("\"Mostrar\" todo", Text(8));
    EXPECT_EQ("Again", Text(9));        // the section, repeated, counts again
    EXPECT_EQ("Options", Text(6));
    EXPECT_EQ("Help", Text(7));
    EXPECT_EQ("Velmora Veilstride", Text(1));
    EXPECT_EQ("", Text(80));
    EXPECT_EQ("", Text(-1));

    // A missing file gives the English texts back.
    LoadLanguageTexts("Missing");
    EXPECT_EQ("Sites", Text(2));
}

// The reader drops the blanks next to a comma: a text written with ", "
// would read otherwise than the program means it.
TEST_F(LanguageTexts, TheShippedEnglishFileGivesEveryTextAsItsDefault) {
    const HRSRC found = FindResourceA(ui::ResourceModule(), MAKEINTRESOURCEA(IDR_SHIPPED_ENGLISH), RT_RCDATA);
    ASSERT_NE(nullptr, found);
    const std::string shipped(static_cast<const char*>(LockResource(LoadResource(ui::ResourceModule(), found))),
                              SizeofResource(ui::ResourceModule(), found));
    dir_.write("Language\\English.ini", shipped);
    LoadLanguageTexts("English");
    for (int k = 0; k < kTextCount; ++k) EXPECT_EQ(DefaultText(k), Text(k)) << "key " << k;
}

TEST_F(LanguageTexts, AnEmptyLanguageNameOpensNoFile) {
    // The file an empty name would name, "<folder>\Language\.ini".
    dir_.write("Language\\.ini", "[VelmoraVeilstride]\r\n2=Wrong\r\n");
    LoadLanguageTexts("");
    EXPECT_EQ("Sites", Text(2));
    EXPECT_STREQ("Cancel", DefaultText(68));
}

TEST_F(LanguageTexts, OnlyFilesEndingInIniAfterTheirFirstDotAreLanguages) {
    std::string base;
    EXPECT_TRUE(IsLanguageFileName("Deutsch.INI", &base));
    EXPECT_EQ("Deutsch", base);
    EXPECT_FALSE(IsLanguageFileName("a.b.ini", &base));
    EXPECT_FALSE(IsLanguageFileName("readme", &base));
    EXPECT_FALSE(IsLanguageFileName("Deutsch.ini.bak", &base));

    looktest::LoadSkinOnce();
    dir_.write("Language\\English.ini", "[VelmoraVeilstride]\r\n");
    dir_.write("Language\\Deutsch.ini", "[VelmoraVeilstride]\r\n");
    dir_.write("Language\\a.b.ini", "[VelmoraVeilstride]\r\n");
    dir_.write("Language\\notes.txt", "");
    CreateDirectoryA(dir_.file("Language\\folder.ini").c_str(), nullptr);
    SetLanguageName("deutsch");
    uitest::Watchdog watchdog(15000);
    looktest::SkinnedTestDialog dialog;
    std::vector<std::string> listed;
    std::string selected;
    uitest::Steps steps({[&] {
        dialog.languages.Fill();
        for (int i = 0; i < dialog.languages.GetCount(); ++i) listed.push_back(dialog.languages.GetItemString(i));
        selected = dialog.languages.GetItemString(dialog.languages.GetCurSel());
        dialog.EndDialog(IDOK);
        return true;
    }});
    dialog.DoModal();
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ((std::vector<std::string>{"Deutsch", "English"}), listed);
    EXPECT_EQ("Deutsch", selected);
}

// A window that counts the re-text orders it receives.
// A window that counts the re-text orders and the erasures it receives.
void Count(HWND hwnd, const char* what) {
    SetPropA(hwnd, what, reinterpret_cast<HANDLE>(reinterpret_cast<INT_PTR>(GetPropA(hwnd, what)) + 1));
}

LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_LANGUAGE_CHANGED) {
        Count(hwnd, "retexts");
        return 0;
    }
    if (msg == WM_ERASEBKGND) Count(hwnd, "erases");
    return DefWindowProcA(hwnd, msg, wp, lp);
}

int Counted(HWND hwnd, const char* what) {
    return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(hwnd, what)));
}
int Retexts(HWND hwnd) { return Counted(hwnd, "retexts"); }

HWND Make(HWND parent, bool tagged, bool visible = true) {
    HWND hwnd = CreateWindowExA(0, "CorbeltLanguageTest", "", (parent ? WS_CHILD : WS_POPUP) | (visible ? WS_VISIBLE : 0),
                                0, 0, 10, 10, parent, nullptr, ui::ResourceModule(), nullptr);
    if (tagged) TagForLanguage(hwnd);
    return hwnd;
}

TEST(LanguageBroadcast, ReachesTaggedWindowsAndTheirTaggedDescendantsOnlyAndErasesThem) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = ui::ResourceModule();
    wc.lpszClassName = "CorbeltLanguageTest";
    RegisterClassA(&wc);
    HWND top = Make(nullptr, true);
    HWND child = Make(top, false);
    HWND taggedGrandchild = Make(child, true);
    HWND plainGrandchild = Make(child, false);
    HWND untaggedTop = Make(nullptr, false, false);
    HWND underUntagged = Make(untaggedTop, true);

    UpdateWindow(top);
    RemovePropA(top, "erases");
    RemovePropA(child, "erases");
    BroadcastLanguage(ui::ResourceModule());
    // A label drawn over what lies beneath would keep its old text.
    RedrawWindow(top, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_LE(1, Counted(top, "erases"));
    EXPECT_LE(1, Counted(child, "erases"));
    EXPECT_EQ(1, Retexts(top));
    EXPECT_EQ(0, Retexts(child));
    EXPECT_EQ(1, Retexts(taggedGrandchild));
    EXPECT_EQ(0, Retexts(plainGrandchild));
    EXPECT_EQ(0, Retexts(untaggedTop));
    EXPECT_EQ(0, Retexts(underUntagged));

    // Another module's windows are not this program's.
    BroadcastLanguage(GetModuleHandleA("user32.dll"));
    EXPECT_EQ(1, Retexts(top));
    for (HWND hwnd : {top, untaggedTop}) DestroyWindow(hwnd);
}

}  // namespace
