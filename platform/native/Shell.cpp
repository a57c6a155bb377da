#include "platform/native/Shell.h"

#include "platform/core/PixelBuffer.h" // WinApi.h uses it without including it
#include "platform/window/WinApi.h"

#include <cstring>

HINSTANCE ShellExecuteA(HWND, const char* verb, const char* file, const char*, const char*, int) {
    // Error codes of the classic function: 2 file not found, 31 no association.
    if (!file || !*file)
        return reinterpret_cast<HINSTANCE>(std::intptr_t(2));
    if (verb && *verb && std::strcmp(verb, "open") != 0)
        return reinterpret_cast<HINSTANCE>(std::intptr_t(31));
    if (!OpenUrl(file))
        return reinterpret_cast<HINSTANCE>(std::intptr_t(31));
    return reinterpret_cast<HINSTANCE>(std::intptr_t(42));
}
