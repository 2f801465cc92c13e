#pragma once
// A language key with its built-in English text; the window looks it up
// through the program's reader.
#include <cstring>

struct TextRef {
    const char* key;
    const char* def;
};

inline bool operator==(const TextRef& a, const TextRef& b) {
    return std::strcmp(a.key, b.key) == 0 && std::strcmp(a.def, b.def) == 0;
}

// The program title: the caption of every message box.
constexpr TextRef kProgramTitle{"99990", "Velmora Blinkward"};
