#include <gtest/gtest.h>
#include <windows.h>

#include "popup/core/halvane_texts.h"
#include "platform/testkit/scratch.h"

namespace popup {

namespace {

class HalvaneTexts : public testing::Test {
protected:
    testkit::ScratchDir dir{"lang"};
    std::string path = dir.path();
    std::string language = "English";
    CHalvaneTexts texts{path, language};

    void WriteLanguage(const std::string& body) {
        dir.write("Language\\English.ini", "[VelmoraBlinkward]\r\n" + body);
    }
};

TEST_F(HalvaneTexts, MissingFolderFileSectionOrKeyGivesTheDefault) {
    EXPECT_EQ("Default", texts.GetLangString("9999", "Default"));
    dir.write("Language\\Other.ini", "[VelmoraBlinkward]\r\n9999=Other\r\n");
    EXPECT_EQ("Default", texts.GetLangString("9999", "Default"));
    dir.write("Language\\English.ini", "[SomethingElse]\r\n9999=Wrong\r\n");
    EXPECT_EQ("Default", texts.GetLangString("9999", "Default"));
    WriteLanguage("99990=Program title\r\n");
    EXPECT_EQ("Default", texts.GetLangString("9999", "Default"));
    EXPECT_EQ("Program title", texts.GetLangString("99990", "Default"));
}

TEST_F(HalvaneTexts, FollowsALanguageChangeAtTheNextLookup) {
    WriteLanguage("6001=English text\r\n");
    dir.write("Language\\Deutsch.ini", "[VelmoraBlinkward]\r\n6001=Deutscher Text\r\n");
    EXPECT_EQ("English text", texts.GetLangString("6001", "x"));
    language = "Deutsch";
    EXPECT_EQ("Deutscher Text", texts.GetLangString("6001", "x"));
}

TEST_F(HalvaneTexts, EmptyValueBlanksTheText) {
    WriteLanguage("6001=\r\n");
    EXPECT_EQ("", texts.GetLangString("6001", "Default"));
}

TEST_F(HalvaneTexts, LongValuesAreCutToEachLookupsBuffer) {
    const std::string value(1200, 'x');
    WriteLanguage("1=" + value + "\r\n");
    EXPECT_EQ(std::string(249, 'x'), texts.GetLangString("1", ""));

    HWND edit = CreateWindowA("EDIT", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND owner = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    SetParent(edit, owner);
    SetWindowLongPtrA(edit, GWLP_ID, 100);
    char text[2000] = "";
    texts.GetWizardString(owner, 100, "1", "");
    EXPECT_EQ(499u, static_cast<size_t>(GetDlgItemTextA(owner, 100, text, sizeof(text))));
    texts.LoadDialogTexts(owner, {""}, 1, {100});
    EXPECT_EQ(999u, static_cast<size_t>(GetDlgItemTextA(owner, 100, text, sizeof(text))));
    DestroyWindow(owner);
}

TEST_F(HalvaneTexts, HashIsALineBreakExceptInDialogTexts) {
    WriteLanguage("10=first#second\r\n11=Title#text\r\n");
    EXPECT_EQ("first\nsecond", texts.GetLangString("10", ""));

    HWND owner = CreateWindowA("STATIC", "Resource title", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                               nullptr, nullptr, nullptr, nullptr);
    HWND child = CreateWindowA("STATIC", "Resource text", WS_CHILD, 0, 0, 100, 20, owner,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(200)), nullptr, nullptr);
    ASSERT_NE(nullptr, child);
    char text[1000] = "";
    texts.GetWizardString(owner, 200, "10", "");
    GetDlgItemTextA(owner, 200, text, sizeof(text));
    EXPECT_STREQ("first\nsecond", text);

    // Control 8006 is the window's own title; the others keep their "#".
    texts.LoadDialogTexts(owner, {"Default title", "Default text"}, 11, {kTitleControlId, 200});
    GetWindowTextA(owner, text, sizeof(text));
    EXPECT_STREQ("Title#text", text);
    GetDlgItemTextA(owner, 200, text, sizeof(text));
    EXPECT_STREQ("Default text", text) << "key 12 is absent: the default stands";
    DestroyWindow(owner);
}

}  // namespace

}  // namespace popup
