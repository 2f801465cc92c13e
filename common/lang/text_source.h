#pragma once
// A program's text lookup: a key number and the built-in English default.
#include <string>

namespace lang {

class TextSource {
public:
    virtual ~TextSource() = default;
    // The text of `key` in the program's language file, `def` when absent.
    virtual std::string Text(const char* key, const char* def) const = 0;
};

}  // namespace lang
