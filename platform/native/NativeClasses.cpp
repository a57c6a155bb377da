#include "platform/native/ButtonWindow.h"
#include "platform/native/EditWindow.h"
#include "platform/native/NativeWindow.h"
#include "platform/native/StaticWindow.h"

namespace {
void Register(const char* name, WNDPROC proc, UINT style, std::uint32_t background, int cursor) {
    TWndClass existing;
    if (GetClassInfo(name, &existing))
        return;
    TWndClass wc;
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.lpszClassName = name;
    wc.hbrBackground = background;
    wc.hCursor = LoadCursor(nullptr, cursor);
    RegisterClass(wc);
}
} // namespace

void RegisterNativeClasses() {
    Register(kButtonClass, &ButtonWndProc, CS_DBLCLKS, clBtnFace, IDC_ARROW);
    Register(kEditClass, &EditWndProc, CS_DBLCLKS, clNoBackground, IDC_IBEAM);
    Register(kStaticClass, &StaticWndProc, 0, clBtnFace, IDC_ARROW);
}
