#pragma once
// The lists of the drive page and the algorithm editor fit each column to
// its widest text (header included) plus 15 pixels.
#include <string>
#include <vector>

namespace shredder {

// Text widths in pixels, as the list's font draws them.
class TextWidths {
public:
    virtual ~TextWidths() = default;
    virtual int Width(const std::string& text) const = 0;
};

inline int FittedColumnWidth(const std::vector<std::string>& texts, const TextWidths& widths) {
    int widest = 0;
    for (const std::string& text : texts) {
        const int width = widths.Width(text);
        if (width > widest) widest = width;
    }
    return widest + 15;
}

}  // namespace shredder
