#pragma once
// What the main dialog, the wizard and its pages share for one process:
// the registry and message seams, the program folder and language, the
// texts, the skin control, the Windows family and the modem-found flag.
#include <string>

#include "platform/ui/message_prompt.h"
#include "platform/ui/skin.h"
#include "tuning/lang_texts.h"
#include "tuning/model/registry.h"
#include "tuning/model/tuning_settings.h"
#include "tuning/texts.h"

namespace tuning {

struct TuningContext {
    TuningContext(Registry& registry, ui::MessagePrompt& prompt)
        : registry(registry), prompt(prompt) {}
    TuningContext(const TuningContext&) = delete;
    TuningContext& operator=(const TuningContext&) = delete;

    // A message box titled with the program's name.
    int Message(const std::string& text, unsigned type) const {
        return prompt.Show(text, texts.GetLangString(tuning::texts::kTitle), type);
    }

    Registry& registry;
    ui::MessagePrompt& prompt;
    std::string appPath;   // the program folder the installer recorded
    std::string language;  // the chosen language file's name
    LangTexts texts{appPath, language};
    CSkin skin;
    Family family = Family::NT;
    // Set once a modem limited to 115200 was found; stays set while the program runs.
    bool modemFound = false;
};

// Stores the chosen language in the program key, when the key exists.
void SaveLanguage(TuningContext& context, const std::string& name);

}  // namespace tuning
