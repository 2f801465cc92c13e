#pragma once
// The popup blocker's three lookups in <Path>\Language\<Language>.ini,
// section "VelmoraBlinkward". The folder and the language belong to the
// application object; the file path is rebuilt from them on every lookup.
#include <windows.h>

#include <string>
#include <vector>

#include "common/lang/text_source.h"

namespace popup {

// The control id that stands for a window's own title in LoadDialogTexts.
constexpr int kTitleControlId = 8006;

class CHalvaneTexts : public lang::TextSource {
public:
    CHalvaneTexts(const std::string& path, const std::string& language)
        : path_(path), language_(language) {}

    // One text of up to 249 characters; "#" becomes a line feed.
    std::string GetLangString(const char* key, const char* def) const;

    // Control ids[i] gets key firstKey + i with defaults[i] (up to 999
    // characters, "#" kept); id 8006 sets the window's title instead.
    void LoadDialogTexts(HWND wnd, const std::vector<std::string>& defaults, int firstKey,
                         const std::vector<int>& ids) const;

    // One control of a wizard page: up to 499 characters, "#" a line feed.
    void GetWizardString(HWND wnd, int id, const char* key, const char* def) const;

    std::string Text(const char* key, const char* def) const override {
        return GetLangString(key, def);
    }

    std::string FilePath() const;

private:
    const std::string& path_;
    const std::string& language_;
};

}  // namespace popup
