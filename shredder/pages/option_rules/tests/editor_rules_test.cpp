// The algorithm editor: pattern rows, pass list moves, Save's checks and
// the order in which it writes, and the stored form read back.
#include <gtest/gtest.h>

#include "common/suite/scourwell.h"
#include "platform/testkit/scratch.h"
#include "shredder/algorithms/custom_algorithms.h"
#include "shredder/pages/option_rules/algorithm_editor_model.h"
#include "shredder/pages/option_rules/pass_pattern.h"

namespace shredder {
namespace {

class RecordingStore : public AlgorithmStore {
public:
    bool Save(const Algorithm& algorithm) override {
        calls.push_back("save " + algorithm.name);
        return saves;
    }
    bool Delete(const std::string& name) override {
        calls.push_back("delete " + name);
        return true;
    }
    bool saves = true;
    std::vector<std::string> calls;
};

AlgorithmTable TableWithCustom(const std::string& name) {
    AlgorithmTable table;
    AddBuiltInAlgorithms(table);
    table.push_back({name, "mine", {{PassKind::Pattern, {0x12, 0x34}}, {PassKind::Random, {}}}, true});
    return table;
}

TEST(Editor, PatternRowsFormatAndParseFromTheRight) {
    EXPECT_EQ("AA 12 BB", FormatPattern("AA12BB"));
    EXPECT_EQ("0A BC", FormatPattern("ABC"));
    EXPECT_EQ("0A BC", FormatPattern(" A B C "));
    EXPECT_EQ("", FormatPattern("   "));
    EXPECT_EQ((std::vector<unsigned char>{0xBB, 0x12, 0xAA}), PatternBytes("AA 12 bb"));
    EXPECT_EQ((std::vector<unsigned char>{0xBC, 0x0A}), PatternBytes("0A BC"));
    EXPECT_EQ("34 12", PatternRow({0x12, 0x34}));
    EXPECT_TRUE(IsValidPatternRow("aa 0F"));
    EXPECT_FALSE(IsValidPatternRow("G1"));
    EXPECT_FALSE(IsValidPatternRow(""));
    EXPECT_FALSE(IsValidPatternRow("  "));
    EXPECT_EQ(PassKind::Complement, RowKind(kComplementPassText));
}

TEST(Editor, PassListOperations) {
    AlgorithmTable table = TableWithCustom("Mine");
    RecordingStore store;
    AlgorithmEditorModel editor(table, store, 5);
    EXPECT_EQ((std::vector<std::string>{"34 12", kRandomPassText}), editor.Rows());
    EXPECT_FALSE(editor.SetComplement(0));
    EXPECT_EQ(2, editor.AddPass());
    EXPECT_TRUE(editor.SetComplement(2));
    // Moved to the top, a complement row keeps its kind.
    EXPECT_EQ(1, editor.MoveUp(2));
    EXPECT_EQ(0, editor.MoveUp(1));
    EXPECT_EQ(0, editor.MoveUp(0));
    EXPECT_EQ(kComplementPassText, editor.Rows()[0]);
    EXPECT_EQ(1, editor.DeletePass(1));
    EXPECT_EQ(0, editor.DeletePass(1));
    EXPECT_EQ(-1, editor.DeletePass(0));
    EXPECT_TRUE(editor.Rows().empty());
}

TEST(Editor, SaveRefusesBadInputAndKeepsTheTable) {
    AlgorithmTable table = TableWithCustom("Mine");
    RecordingStore store;
    AlgorithmEditorModel editor(table, store, -1);
    EXPECT_EQ(EditorRefusal::NoPasses, editor.Save("New", "d").refusal);
    editor.AddPass();
    editor.SetPattern(0, "G1");
    EditorSaveResult result = editor.Save("New", "d");
    EXPECT_EQ(EditorRefusal::BadPattern, result.refusal);
    EXPECT_EQ(0, result.badRow);
    editor.SetPattern(0, "  ");
    EXPECT_EQ(EditorRefusal::BadPattern, editor.Save("New", "d").refusal);
    editor.SetPattern(0, "FF");
    EXPECT_EQ(EditorRefusal::NoName, editor.Save("", "d").refusal);
    EXPECT_EQ(EditorRefusal::BadName, editor.Save("a\\b", "d").refusal);
    EXPECT_EQ(EditorRefusal::DuplicateName, editor.Save("Quick Shred", "d").refusal);
    EXPECT_EQ(EditorRefusal::DuplicateName, editor.Save("MINE", "d").refusal);
    EXPECT_EQ(EditorRefusal::NoDescription, editor.Save("New", "").refusal);
    EXPECT_TRUE(store.calls.empty());
    store.saves = false;
    EXPECT_EQ(EditorRefusal::WriteFailed, editor.Save("New", "d").refusal);
    EXPECT_EQ(6u, table.size());
    // Built-in names differ by letter case.
    store.saves = true;
    EXPECT_EQ(EditorRefusal::None, editor.Save("quick shred", "d").refusal);
    ASSERT_EQ(7u, table.size());
    EXPECT_EQ((std::vector<unsigned char>{0xFF}), table[6].passes[0].pattern);
}

TEST(Editor, RenameRemovesTheOldKeyOnlyAfterTheNewOneIsWritten) {
    AlgorithmTable table = TableWithCustom("Mine");
    RecordingStore store;
    {
        AlgorithmEditorModel editor(table, store, 5);
        store.saves = false;
        EXPECT_EQ(EditorRefusal::WriteFailed, editor.Save("Renamed", "d").refusal);
        EXPECT_EQ((std::vector<std::string>{"save Renamed"}), store.calls);
        EXPECT_EQ("Mine", table[5].name);
    }
    store.calls.clear();
    store.saves = true;
    {
        AlgorithmEditorModel editor(table, store, 5);
        EXPECT_EQ(EditorRefusal::None, editor.Save("Renamed", "d").refusal);
        EXPECT_EQ((std::vector<std::string>{"save Renamed", "delete Mine"}), store.calls);
        EXPECT_EQ("Renamed", table[5].name);
    }
    store.calls.clear();
    {
        // The same key under another letter case: replaced, so it takes the new case.
        AlgorithmEditorModel editor(table, store, 5);
        EXPECT_EQ(EditorRefusal::None, editor.Save("RENAMED", "d").refusal);
        EXPECT_EQ((std::vector<std::string>{"delete Renamed", "save RENAMED"}), store.calls);
    }
}

// Keeps what it is given as the registry does (one entry per name, letter
// case ignored); a failed save leaves nothing of that name, as the
// registry store promises.
class KeepingStore : public AlgorithmStore {
public:
    bool Save(const Algorithm& algorithm) override {
        Delete(algorithm.name);
        if (algorithm.name == failing) return false;
        stored.push_back(algorithm);
        return true;
    }
    bool Delete(const std::string& name) override {
        for (size_t i = 0; i < stored.size(); ++i)
            if (lstrcmpiA(stored[i].name.c_str(), name.c_str()) == 0) stored.erase(stored.begin() + i);
        return true;
    }
    std::vector<Algorithm> stored;
    std::string failing;
};

TEST(Editor, AFailedSaveLeavesTheOldAlgorithmStored) {
    AlgorithmTable table = TableWithCustom("Mine");
    KeepingStore store;
    store.stored = {table[5]};
    store.failing = "MINE";
    AlgorithmEditorModel editor(table, store, 5);
    editor.DeletePass(1);
    EXPECT_EQ(EditorRefusal::WriteFailed, editor.Save("MINE", "changed").refusal);
    ASSERT_EQ(1u, store.stored.size());
    EXPECT_EQ("Mine", store.stored[0].name);
    EXPECT_EQ("mine", store.stored[0].description);
    EXPECT_EQ(2u, store.stored[0].passes.size());
    EXPECT_EQ(2u, table[5].passes.size());
}

// The reader's limits hold in the editor: no pass beyond them, no pattern
// longer than the reader takes.
TEST(Editor, KeepsToWhatTheReaderTakes) {
    AlgorithmTable table = TableWithCustom("Mine");
    RecordingStore store;
    AlgorithmEditorModel editor(table, store, -1);
    for (uint32_t i = 0; i < kMaxPasses; ++i) ASSERT_EQ(static_cast<int>(i), editor.AddPass());
    EXPECT_EQ(-1, editor.AddPass());
    EXPECT_EQ(kMaxPasses, editor.Rows().size());
    editor.SetPattern(7, std::string(2 * (kMaxPatternLength + 1), 'A'));
    const EditorSaveResult refused = editor.Save("Long", "d");
    EXPECT_EQ(EditorRefusal::PatternTooLong, refused.refusal);
    EXPECT_EQ(7, refused.badRow);
    editor.SetPattern(7, std::string(2 * kMaxPatternLength, 'A'));
    EXPECT_EQ(EditorRefusal::None, editor.Save("Long", "d").refusal);
    EXPECT_EQ(kMaxPasses, table.back().passes.size());
}

TEST(Editor, SavedAlgorithmReadsBackAsWritten) {
    testkit::ScratchRegistry registry("shred-editor-save");
    // The product key exists once the program has run.
    testkit::SetRegDword(registry.currentUser(), suite::scourwell::kSettingsKey, "Method", 0);
    AlgorithmTable table;
    AddBuiltInAlgorithms(table);
    RegistryAlgorithmStore store;
    AlgorithmEditorModel editor(table, store, -1);
    editor.AddPass();
    editor.SetPattern(0, "AA12BB");
    editor.SetRandom(editor.AddPass());
    editor.SetComplement(editor.AddPass());
    ASSERT_EQ(EditorRefusal::None, editor.Save("Three", "three passes").refusal);

    const std::string pass0 = std::string(suite::scourwell::kAlgorithmsKey) + "\\Three\\Pass 0";
    EXPECT_EQ(3, testkit::RegDword(registry.currentUser(), pass0, "Pattern Length"));
    EXPECT_EQ(0xBB, testkit::RegDword(registry.currentUser(), pass0, "Byte 0"));
    EXPECT_EQ(0xAA, testkit::RegDword(registry.currentUser(), pass0, "Byte 2"));
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER,
                                           (std::string(suite::scourwell::kAlgorithmsKey) + "\\Three").c_str(),
                                           0, KEY_READ, &key));
    DWORD size = 0;
    RegQueryValueExA(key, "Description", nullptr, nullptr, nullptr, &size);
    RegCloseKey(key);
    EXPECT_EQ(sizeof("three passes"), size);

    AlgorithmTable loaded;
    ASSERT_TRUE(LoadCustomAlgorithms(loaded));
    ASSERT_EQ(1u, loaded.size());
    EXPECT_EQ("three passes", loaded[0].description);
    ASSERT_EQ(3u, loaded[0].passes.size());
    EXPECT_EQ(table[5].passes[0].pattern, loaded[0].passes[0].pattern);
    EXPECT_EQ(PassKind::Random, loaded[0].passes[1].kind);
    EXPECT_EQ(PassKind::Complement, loaded[0].passes[2].kind);
}

}  // namespace
}  // namespace shredder
