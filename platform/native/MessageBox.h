#pragma once

#include "platform/window/WinTypes.h"

#include <string>

// The message box: a modal window centred on the screen with the caption, the text (line breaks
// kept; the box grows to show all of it) and one default OK button that Enter, Space and Escape
// press. MB_ICONERROR adds the error icon left of the text. Ctrl+C copies the caption and the
// text to the clipboard. Texts are GBK. Answers IDOK.
constexpr UINT MB_ICONERROR = 0x00000010; // MB_ICONHAND

int MessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);

// The text Ctrl+C puts on the clipboard: the caption, a line break, the text.
std::string MessageBoxClipboardText(const std::string& text, const std::string& caption);
