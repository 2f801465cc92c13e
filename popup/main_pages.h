#pragma once
// The main window's three settings pages, in tab order, and what the main
// window asks of them beyond being property pages.
#include <memory>

#include "platform/ui/property_sheet.h"

enum MainPageIndex { kPopupPage = 0, kActiveXPage = 1, kOptionsPage = 2, kMainPageCount = 3 };

class MainPages {
public:
    virtual ~MainPages() = default;
    virtual ui::PropertyPage& Page(MainPageIndex index) = 0;
    // Apply: the ActiveX page writes the policies of its zone when changed.
    virtual void SaveActiveXPolicies() = 0;
    // Cancel: every page shows the stored settings again.
    virtual void ReloadStates() = 0;
    // After a language change: the Popups and Options pages' texts.
    virtual void ApplyTexts() = 0;
    // Catching was switched from the tray: the Popups page's cleaner worker.
    virtual void StartCleaner() = 0;
};

// The pages the program shows.
std::unique_ptr<MainPages> CreateMainPages();
