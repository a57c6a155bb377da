#include "platform/native/ButtonWindow.h"
#include "platform/native/NativeWindow.h"

void RegisterNativeClasses() {
    TWndClass existing;
    if (!GetClassInfo(kButtonClass, &existing)) {
        TWndClass wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = &ButtonWndProc;
        wc.lpszClassName = kButtonClass;
        wc.hbrBackground = clBtnFace;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        RegisterClass(wc);
    }
}
