#pragma once

#include "platform/core/Persistent.h"
#include "platform/window/Input.h"
#include "platform/window/WinConst.h"

#include <cstdint>
#include <functional>

// Value types and event types of the controls.

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

// Anchors: a set of bits.
using TAnchors = unsigned;
enum : unsigned { akLeft = 0x1, akTop = 0x2, akRight = 0x4, akBottom = 0x8 };

// The shift state of mouse and key events: ssShift, ssCtrl, ssAlt (the window layer's values)
// and the mouse buttons held.
using TShiftState = unsigned;
constexpr TShiftState ssLeft = 0x08;
constexpr TShiftState ssRight = 0x10;
constexpr TShiftState ssMiddle = 0x20;
constexpr TShiftState ssDouble = 0x40;

constexpr TMouseButton mbLeft = TMouseButton::Left;
constexpr TMouseButton mbRight = TMouseButton::Right;
constexpr TMouseButton mbMiddle = TMouseButton::Middle;

// Cursors by their classic numbers; crDefault takes the parent's (finally the arrow).
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crNo = -18;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

// Modal results.
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;

using TMouseEvent =
    std::function<void(TPersistent* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TPersistent* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TPersistent* Sender, std::uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TPersistent* Sender, char& Key)>;
// A context menu is asked for at MousePos (client coordinates; -1,-1 from the keyboard); a
// handler that shows its own sets Handled.
using TContextPopupEvent = std::function<void(TPersistent* Sender, TPoint MousePos, bool& Handled)>;

// The shift state of the keyboard now (and the mouse buttons held).
TShiftState KeyboardShiftState();
// The shift state of a mouse message's wParam.
TShiftState MouseShiftState(WPARAM keys);

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// Where a button's glyph stands beside its caption.
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
