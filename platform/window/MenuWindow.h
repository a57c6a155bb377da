#pragma once

#include "platform/core/Geometry.h"
#include "platform/window/WinTypes.h"

#include <string>
#include <vector>

// One row of a popup menu window.
struct TMenuRow {
    std::string Text; // GBK; '&' marks the accelerator letter, "&&" is a plain '&'
    bool Separator = false;
    bool Enabled = true;
    bool Checked = false;
};

struct TMenuTrackOptions {
    // Whether Up and Down pass over greyed rows (separators are always passed over).
    bool SkipDisabled = true;
};

// Shows a popup menu window with the rows at a screen point and runs until a row is chosen or
// the menu is dismissed; answers the index of the chosen row, or -1.
//
// The window opens with its top-left corner at the point, or left of and above the point where
// the work area ends there, and never reaches outside the work area. It never takes the focus;
// while it is open it holds the mouse capture and sees every key. The mouse highlights the row
// under it and chooses an enabled row by releasing a button over it. Up and Down move the
// highlight (wrapping around), Home and End go to the first and the last row, Enter and Space
// choose the highlighted row, and a row's accelerator letter or digit chooses it at once.
// Escape, Alt, a press outside the menu, the owner's window losing the activation or going
// away, and a lost capture dismiss it. The menu window is destroyed before the function
// returns.
int TrackMenuWindow(HWND owner, TPoint screen, const std::vector<TMenuRow>& rows,
                    const TMenuTrackOptions& options = {});

// Where the rows of a menu go, in the menu window's client coordinates, and the client size
// the menu needs: rows of the menu font's height (at least 18 pixels) with room for a check
// mark on their left, separators 8 pixels high, inside a raised edge of 3 pixels.
struct TMenuLayout {
    std::vector<TRect> Rows;
    TSize Client;
};
TMenuLayout LayoutMenu(const std::vector<TMenuRow>& rows);

// The upper-case accelerator of a row text (the character after a single '&'), 0 when none.
char MenuAccelerator(const std::string& text);

// The class name of the menu window, so tests can find it.
inline constexpr const char* kMenuWindowClass = "PetCalcMenu";
