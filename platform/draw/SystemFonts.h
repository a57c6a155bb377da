#pragma once

#include "platform/core/Color.h"
#include "platform/draw/DrawTypes.h"

// The desktop's own fonts, as a Chinese desktop of the program's era sets them: menus, captions
// and message boxes in 宋体 9 pt (height -12); menu text in clMenuText.
TLogFont GetMenuLogFont();
TLogFont GetMessageLogFont();
constexpr TColor MenuTextColor() {
    return clMenuText;
}
