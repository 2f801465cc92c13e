#pragma once
// The Shred Options page without windows: the chosen algorithm (`Method`,
// held to the table's range), which algorithms may be edited or deleted,
// deleting one, the language list and a change of language with all it
// sets off.
#include <string>
#include <vector>

#include "common/lang/lang_file.h"
#include "platform/ui/message_prompt.h"
#include "shredder/algorithms/algorithm.h"
#include "shredder/core/shredder_settings.h"
#include "shredder/core/shredder_texts.h"
#include "shredder/pages/option_rules/algorithm_store.h"
#include "platform/sync/sync.h"

namespace shredder {

// What the algorithm part of the page shows for one selection.
struct AlgorithmChoice {
    int index = 0;
    std::string description;
    bool editable = false;  // Edit and Delete: custom algorithms only
};

class AlgorithmChoiceModel {
public:
    AlgorithmChoiceModel(AlgorithmTable& table, const ShredderSettings& settings, AlgorithmStore& store)
        : table_(table), settings_(settings), store_(store) {}

    // The stored `Method`; one outside the table becomes 0 and is written.
    int InitialMethod() const;
    // Makes `index` the `Method` (written at once).
    AlgorithmChoice Select(int index) const;
    // Removes the custom algorithm at `index` from the store and the table
    // and selects entry 0; `moves` tells where every position went. When
    // its key could not be deleted (`keyKept`) the table and `Method` stay
    // as they were and no position moves.
    AlgorithmChoice Delete(int index, bool& keyKept, PositionMoves& moves) const;
    // After positions moved: `Method` follows its algorithm.
    AlgorithmChoice Follow(const PositionMoves& moves) const;

private:
    AlgorithmTable& table_;
    const ShredderSettings& settings_;
    AlgorithmStore& store_;
};

// The position of `language` in the list, letter case ignored; -1 when absent.
int LanguageIndex(const std::vector<lang::LanguageEntry>& languages, const std::string& language);

// The page and the sheet around a language change.
class LanguageChangeHost {
public:
    virtual ~LanguageChangeHost() = default;
    // The program, the sheet and the page switch their texts to `language`.
    virtual void ApplyLanguageTexts(const std::string& language) = 0;
    // Shows the last page and then the first, so every page takes its texts.
    virtual void CyclePages() = 0;
    // The Recycle Bin verb written again in the new language.
    virtual void RegisterBinVerb() = 0;
    // The program ends (exit code 0), its tray icon removed first.
    virtual void EndInstance() = 0;
};

struct LanguageChangeParts {
    const ShredderSettings& settings;
    const ShredderTexts& texts;  // the program's, switched by the host
    sync::InstanceMutex& mutex;
    ui::MessagePrompt& prompt;
    LanguageChangeHost& host;
};

// Switches to `language`. False when it is the current one (nothing
// happens). Another running instance of the new caption ends this one
// through the host.
bool ChangeLanguage(LanguageChangeParts& parts, const std::string& language);

}  // namespace shredder
