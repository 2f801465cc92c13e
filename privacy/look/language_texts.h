// Corbelt's window texts: a table of 80 strings by key (0-79), the English
// defaults until a language file replaces them. The language file is
// <program folder>\Language\<name>.ini, section "VelmoraVeilstride"; a key
// missing there keeps its English text, a key with an empty value gives an
// empty text. Changing language re-applies the texts of every window tagged
// kLanguageTag (WM_LANGUAGE_CHANGED to it and to its tagged descendants,
// which are then erased and redrawn).
#pragma once
#include <windows.h>

#include <string>

namespace privacy {

constexpr int kTextCount = 80;
// Keys of the program's own message boxes.
constexpr int kTextNotCleared = 71;  // the Wipe page's items that stayed
constexpr int kTextNoUpdater = 72;   // Live Update without its updater
constexpr int kTextRunsCode = 73;    // the Trace page's refused Open

// The built-in English text of a key; "" outside 0-79.
const char* DefaultText(int key);
// The active text of a key; "" outside 0-79.
const std::string& Text(int key);

// Where the language files are and which one is chosen ("English" until set).
void SetProgramFolder(const std::string& folder);
const std::string& ProgramFolder();
void SetLanguageName(const std::string& name);
const std::string& LanguageName();
// <program folder>\Language\<name>.ini
std::string LanguageFilePath(const std::string& name);

// Fills the active table from the defaults and the file of `name`; an
// empty name opens no file.
void LoadLanguageTexts(const std::string& name);

// Loads the chosen language and re-applies it to the tagged windows of
// this program.
void LoadLanguage();

// Marks a window as one that follows language changes.
void TagForLanguage(HWND hwnd);
// WM_LANGUAGE_CHANGED to every tagged top-level window of `instance` and to
// each of its tagged descendants, each then invalidated with its controls
// and erased.
void BroadcastLanguage(HINSTANCE instance);

}  // namespace privacy
