#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string_view>
#include <unordered_map>

// Gives the pixel width of a GBK run in the edit's font. The drawing layer measures a run as the
// sum of its characters' advances, so the models measure character by character and add up.
using TEditMeasure = std::function<int(std::string_view gbk)>;

// Widths of single characters, asked of the measuring callback once each and remembered until
// the callback (the font) changes.
class TEditCharWidths {
public:
    void SetMeasure(TEditMeasure measure);
    bool HasMeasure() const { return static_cast<bool>(FMeasure); }
    // Width of the character starting at pos (a CR or LF is 0 wide: line breaks are not drawn).
    int CharWidth(std::string_view text, std::size_t pos);

private:
    int Measure(std::string_view ch);

    TEditMeasure FMeasure;
    std::array<int, 256> FSingle{};
    std::array<bool, 256> FSingleKnown{};
    std::unordered_map<unsigned, int> FDouble;
};
