#include "platform/control/Screen.h"

#include "platform/control/Form.h"
#include "platform/core/PixelBuffer.h"
#include "platform/window/WinApi.h"

#include <algorithm>

TScreen* Screen = nullptr;

TScreen::TScreen(TComponent* owner) : TComponent(owner) {
    if (!Screen)
        Screen = this;
}

TScreen::~TScreen() {
    if (Screen == this)
        Screen = nullptr;
}

int TScreen::Width() const {
    return GetSystemMetrics(SM_CXSCREEN);
}

int TScreen::Height() const {
    return GetSystemMetrics(SM_CYSCREEN);
}

TRect TScreen::DesktopRect() const {
    return {0, 0, Width(), Height()};
}

TRect TScreen::WorkAreaRect() const {
    TRect r;
    if (!SystemParametersInfo(SPI_GETWORKAREA, 0, &r, 0))
        r = DesktopRect();
    return r;
}

TPoint TScreen::CursorPos() const {
    TPoint p;
    GetCursorPos(&p);
    return p;
}

void TScreen::SetCursor(TCursor c) {
    if (FCursor == c)
        return;
    FCursor = c;
    if (WindowSystemStarted())
        ::SetCursor(CursorHandle(c == crDefault ? crArrow : c));
}

HCURSOR TScreen::CursorHandle(TCursor c) {
    int id = IDC_ARROW;
    switch (c) {
    case crNone:
        return nullptr;
    case crCross:
        id = IDC_CROSS;
        break;
    case crIBeam:
        id = IDC_IBEAM;
        break;
    case crSizeNESW:
        id = IDC_SIZENESW;
        break;
    case crSizeNS:
        id = IDC_SIZENS;
        break;
    case crSizeNWSE:
        id = IDC_SIZENWSE;
        break;
    case crSizeWE:
        id = IDC_SIZEWE;
        break;
    case crHourGlass:
        id = IDC_WAIT;
        break;
    case crNo:
        id = IDC_NO;
        break;
    case crHandPoint:
        id = IDC_HAND;
        break;
    case crSizeAll:
        id = IDC_SIZEALL;
        break;
    default:
        break;
    }
    return LoadCursor(nullptr, id);
}

TWinControl* TScreen::ActiveControl() const {
    return FActiveForm ? FActiveForm->ActiveControl() : nullptr;
}

void TScreen::AddForm(TCustomForm* form) {
    if (std::find(FForms.begin(), FForms.end(), form) == FForms.end())
        FForms.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) {
    std::erase(FForms, form);
    if (FActiveForm == form)
        FActiveForm = nullptr;
}

void TScreen::SetActiveForm(TCustomForm* form) {
    FActiveForm = form;
}
