#pragma once

#include "platform/core/Geometry.h"
#include "platform/edit/EditText.h"
#include "platform/window/MenuWindow.h"
#include "platform/window/WinTypes.h"

#include <string>
#include <vector>

// The context menu of the edit windows: Undo, Cut, Copy, Paste, Delete and Select All, each
// greyed when it does not apply. It is the layer's popup menu window (TrackMenuWindow): it
// opens at a screen point (kept on the work area) and runs until an item is chosen or the menu
// is dismissed.
struct TEditMenuItem {
    std::string Text; // GBK, "&" marks the accelerator letter; empty: a separator
    int Command = 0;
    bool Enabled = false;
};

std::vector<TEditMenuItem> EditMenuItems(const TEditCommandStates& states);

// Answers the chosen command (IDM_UNDO, IDM_CUT...) or 0 when dismissed.
int TrackEditMenu(HWND owner, TPoint screen, const std::vector<TEditMenuItem>& items);

// The class name of the menu window, so tests can find it.
inline constexpr const char* kEditMenuClass = kMenuWindowClass;
