#pragma once

#include "platform/draw/Resources.h"
#include "platform/window/WinTypes.h"

// Opening a document or web address with the desktop's handler. The answer is the module handle
// type of the resources (HINSTANCE) used only as a success value (greater than 32 on success, as
// the classic function answers), which callers are free to ignore.

// Opens file (a web address) in the default browser: the desktop backend runs xdg-open with the
// address as one argument and no shell, the headless backend records it. owner, verb, params,
// dir and showCmd are accepted for the classic signature; only the open verb (or none) acts.
HINSTANCE ShellExecuteA(HWND owner, const char* verb, const char* file, const char* params,
                        const char* dir, int showCmd);
