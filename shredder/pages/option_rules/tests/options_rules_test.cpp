// The options page: `Method` and the algorithm list, deleting a custom
// algorithm, the language list and a change of language.
#include <gtest/gtest.h>

#include "common/suite/scourwell.h"
#include "platform/testkit/scratch.h"
#include "shredder/pages/option_rules/options_page_model.h"

namespace shredder {
namespace {

using namespace suite::scourwell;

class RecordingStore : public AlgorithmStore {
public:
    bool Save(const Algorithm&) override { return true; }
    bool Delete(const std::string& name) override {
        deleted.push_back(name);
        return true;
    }
    std::vector<std::string> deleted;
};

class RecordingHost : public LanguageChangeHost, public ui::MessagePrompt {
public:
    RecordingHost(ShredderTexts& texts, const std::string& appPath) : texts_(texts), appPath_(appPath) {}
    void ApplyLanguageTexts(const std::string& language) override {
        texts_.SetLanguage(appPath_, language);
        steps.push_back("texts");
    }
    void CyclePages() override { steps.push_back("pages"); }
    void RegisterBinVerb() override { steps.push_back("verb"); }
    void EndInstance() override { steps.push_back("end"); }
    int Show(const std::string& text, const std::string& caption, unsigned) override {
        steps.push_back(caption + ": " + text);
        return IDOK;
    }
    std::vector<std::string> steps;

private:
    ShredderTexts& texts_;
    std::string appPath_;
};

TEST(Options, MethodRangeEditingAndDeletion) {
    testkit::ScratchRegistry registry("shred-options-method");
    HKEY hkcu = registry.currentUser();
    ShredderSettings settings;
    AlgorithmTable table;
    AddBuiltInAlgorithms(table);
    table.push_back({"Mine", "my own", {{PassKind::Random, {}}}, true});
    RecordingStore store;
    AlgorithmChoiceModel choice(table, settings, store);

    testkit::SetRegDword(hkcu, kSettingsKey, kMethodValue, 99);
    EXPECT_EQ(0, choice.InitialMethod());
    EXPECT_EQ(0, testkit::RegDword(hkcu, kSettingsKey, kMethodValue));

    EXPECT_FALSE(choice.Select(4).editable);
    const AlgorithmChoice mine = choice.Select(5);
    EXPECT_TRUE(mine.editable);
    EXPECT_EQ("my own", mine.description);
    EXPECT_EQ(5, testkit::RegDword(hkcu, kSettingsKey, kMethodValue));
    EXPECT_EQ(5, choice.InitialMethod());

    bool keyKept = true;
    const AlgorithmChoice after = choice.Delete(5, keyKept);
    EXPECT_FALSE(keyKept);
    EXPECT_EQ(0, after.index);
    EXPECT_EQ(0, testkit::RegDword(hkcu, kSettingsKey, kMethodValue));
    EXPECT_EQ((std::vector<std::string>{"Mine"}), store.deleted);
    EXPECT_EQ(5u, table.size());
    // A built-in algorithm is never deleted.
    choice.Delete(0, keyKept);
    EXPECT_EQ(5u, table.size());
}

struct LanguageFixture {
    LanguageFixture()
        : folder("shred-options-lang"), registry("shred-options-lang"), host(texts, folder.path()) {
        folder.write("Lang\\english.ini", "[Scourwell Language Pack]\r\n9606=Velmora Scourwell\r\n");
        folder.write("Lang\\German.ini",
                     "[Scourwell Language Pack]\r\n9606=Velmora Test Zweitprogramm\r\n9061=Neu#starten\r\n");
        folder.write("Lang\\German.bmp", "BM");
        texts.SetLanguage(folder.path(), "English");
        testkit::SetRegString(registry.currentUser(), kSettingsKey, kLanguageValue, "English");
    }
    LanguageChangeParts Parts() { return {settings, texts, mutex, host, host}; }

    testkit::ScratchDir folder;
    testkit::ScratchRegistry registry;
    ShredderSettings settings;
    ShredderTexts texts;
    sync::InstanceMutex mutex;
    RecordingHost host;
};

TEST(Options, LanguageListAndChange) {
    LanguageFixture fixture;
    const std::vector<lang::LanguageEntry> languages =
        lang::ListLanguages(fixture.folder.path(), kLangFolder, kLangFolder);
    ASSERT_EQ(2u, languages.size());
    const int english = LanguageIndex(languages, "English");
    ASSERT_GE(english, 0);
    EXPECT_EQ("english", languages[english].name);
    EXPECT_EQ(fixture.folder.file("Lang\\German.bmp"), languages[1 - english].flagPath);
    EXPECT_EQ(-1, LanguageIndex(languages, "French"));

    LanguageChangeParts parts = fixture.Parts();
    EXPECT_FALSE(ChangeLanguage(parts, "English"));
    EXPECT_TRUE(fixture.host.steps.empty());

    EXPECT_TRUE(ChangeLanguage(parts, "German"));
    EXPECT_EQ((std::vector<std::string>{"texts", "Velmora Test Zweitprogramm: Neu\nstarten", "pages", "verb"}),
              fixture.host.steps);
    EXPECT_EQ("German", testkit::RegString(fixture.registry.currentUser(), kSettingsKey, kLanguageValue));
    EXPECT_TRUE(fixture.mutex.Held());
}

TEST(Options, LanguageOfARunningInstanceEndsThisOne) {
    LanguageFixture fixture;
    HANDLE other = CreateMutexA(nullptr, TRUE, "Velmora Test Zweitprogramm");
    ASSERT_NE(nullptr, other);
    LanguageChangeParts parts = fixture.Parts();
    EXPECT_TRUE(ChangeLanguage(parts, "German"));
    CloseHandle(other);
    ASSERT_EQ(6u, fixture.host.steps.size());
    EXPECT_EQ("Velmora Test Zweitprogramm: There's an instance running of the program so you can't "
              "run another instance.",
              fixture.host.steps[4]);
    EXPECT_EQ("end", fixture.host.steps[5]);
    EXPECT_FALSE(fixture.mutex.Held());
}

}  // namespace
}  // namespace shredder
