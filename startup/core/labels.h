#pragma once
// The language texts that rows are made of (status words, location labels,
// user and time texts) and their mapping back to language-independent
// meanings, across every language file, so rows written under one language
// are understood under another.
#include <string>
#include <vector>

#include "common/lang/text_source.h"
#include "startup/core/startup_entry.h"

namespace startup {

enum class Status { Enabled, Disabled, Remove, Other };

struct Labels {
    std::string enabled;   // 413
    std::string disabled;  // 423
    std::string remove;    // 424
    std::string names[kLabelledPlaces];  // LocationNames: 426-433
    std::string registryWord;            // 419, the start of machine labels
    std::string currentUser;             // 415
    std::string allUsers;                // 416
    std::string allUsersIni;             // 416 as the win.ini Run rows default it
    std::string userLogsOn;              // 418 as the user Run rows default it
    std::string userLogsOnFolder;        // 418 as the Startup folder rows default it
    std::string anyUserLogsOn;           // 420
    std::string unknownPlace;            // 434, why a stored entry cannot be put back
    std::string changedBehind;           // 438, why an entry changed since it was read stays
    std::string nothingToPutBack;        // 439, why a shortcut without target is not made
};

// Every text looked up with its English default.
Labels LabelsFrom(const lang::TextSource& texts);
// The eight location labels, in index order.
std::vector<std::string> GetLocationNames(const lang::TextSource& texts);

// "Load From" as the loaders write it for a place; "" for an unknown place.
std::string LoadFromText(const Labels& labels, int place);
// Exact, case-sensitive comparison with the three status texts.
Status StatusOf(const Labels& labels, const std::string& text);
const std::string& StatusText(const Labels& labels, Status status);

// The current language's labels first, then those of every other language
// the program knows (the built-in English ones included).
struct LabelBook {
    Labels current;
    std::vector<Labels> others;

    // The place a "Load From" text names in any language; kUnknownPlace.
    int PlaceOf(const std::string& loadFrom) const;
    // The status a text names in any language; Other when none.
    Status StatusAcross(const std::string& text) const;
};

}  // namespace startup
