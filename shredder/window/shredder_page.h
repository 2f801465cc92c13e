#pragma once
// The base of every page of the main sheet: a property page that reaches
// the application object for texts, settings, the engine and the scheduler.
// The sheet talks to its pages only through the virtuals here.
#include "platform/ui/property_sheet.h"

namespace shredder {

class CShredderApp;

class ShredderPage : public ui::PropertyPage {
public:
    // Every page offers the sheet's Help button.
    ShredderPage(int templateId, CShredderApp& app) : PropertyPage(templateId), app_(app) {
        EnableHelpButton();
    }

protected:
    CShredderApp& App() const { return app_; }

private:
    CShredderApp& app_;
};

}  // namespace shredder
