#include "lookandfeel/HiddenUtilityWindow.h"

#include "platform/window/WinApi.h"

namespace {

// The window property that leads from the window to its object.
constexpr const char* OwnerProp = "THiddenUtilityWindow";

} // namespace

THiddenUtilityWindow::THiddenUtilityWindow(std::string className, THandler handler)
    : FClassName(std::move(className)), FHandler(std::move(handler)) {}

THiddenUtilityWindow::~THiddenUtilityWindow() {
    if (HWND h = Handle()) {
        RemoveProp(h, OwnerProp);
        DestroyWindow(h);
    }
}

// Handles are numbered per window system, so a handle kept from an earlier one may name
// somebody else's window now: the window counts as ours only when its property says so.
HWND THiddenUtilityWindow::Handle() const {
    if (!FHandle || !WindowSystemStarted() || !IsWindow(FHandle))
        return nullptr;
    return GetProp(FHandle, OwnerProp) == this ? FHandle : nullptr;
}

void THiddenUtilityWindow::Ensure() {
    if (!WindowSystemStarted() || Handle())
        return;
    if (!GetClassInfo(FClassName.c_str(), nullptr)) {
        TWndClass wc;
        wc.lpfnWndProc = &THiddenUtilityWindow::WindowProc;
        wc.lpszClassName = FClassName.c_str();
        RegisterClass(wc);
    }
    FHandle = CreateWindowEx(0, FClassName.c_str(), "", WS_POPUP, 0, 0, 0, 0, nullptr, 0, nullptr);
    if (FHandle)
        SetProp(FHandle, OwnerProp, this);
}

LRESULT THiddenUtilityWindow::WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<THiddenUtilityWindow*>(GetProp(wnd, OwnerProp));
    LRESULT result = 0;
    if (self && self->FHandler && self->FHandler(msg, wParam, lParam, result))
        return result;
    return DefWindowProc(wnd, msg, wParam, lParam);
}
