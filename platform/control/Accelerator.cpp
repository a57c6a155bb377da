#include "platform/control/Accelerator.h"

#include <cctype>

bool IsAccel(char key, std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        auto a = static_cast<unsigned char>(caption[i + 1]);
        auto b = static_cast<unsigned char>(key);
        return a < 0x80 && b < 0x80 && std::tolower(a) == std::tolower(b);
    }
    return false;
}
