#pragma once
namespace popup {

// A language key with its built-in English text; the window looks it up
// through the program's reader.

struct TextRef {
    const char* key;
    const char* def;
};

// The program title: the caption of every message box.
constexpr TextRef kProgramTitle{"99990", "Velmora Blinkward"};

}  // namespace popup
