#include "platform/edit/EditCharWidths.h"

#include "platform/core/Gbk.h"

#include <utility>

void TEditCharWidths::SetMeasure(TEditMeasure measure) {
    FMeasure = std::move(measure);
    FSingleKnown.fill(false);
    FDouble.clear();
}

int TEditCharWidths::Measure(std::string_view ch) {
    int w = FMeasure ? FMeasure(ch) : 0;
    return w > 0 ? w : 0;
}

int TEditCharWidths::CharWidth(std::string_view text, std::size_t pos) {
    std::size_t len = GbkCharLength(text, pos);
    if (len == 0)
        return 0;
    auto first = static_cast<unsigned char>(text[pos]);
    if (len == 1) {
        if (first == '\r' || first == '\n')
            return 0;
        if (!FSingleKnown[first]) {
            FSingle[first] = Measure(text.substr(pos, 1));
            FSingleKnown[first] = true;
        }
        return FSingle[first];
    }
    unsigned key = first << 8 | static_cast<unsigned char>(text[pos + 1]);
    auto it = FDouble.find(key);
    if (it == FDouble.end())
        it = FDouble.emplace(key, Measure(text.substr(pos, 2))).first;
    return it->second;
}
