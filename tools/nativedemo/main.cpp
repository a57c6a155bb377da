// nativedemo: the native controls on the desktop backend, to try them by hand.
//
//   - the edit and the memo take typing (Chinese through the desktop's input), mouse
//     selection, the clipboard keys and the right-button menu;
//   - "消息" opens a message box, "错误" one with the error icon;
//   - the two radio buttons form a group;
//   - closing the window ends the program.

#include "platform/backend/sdl/SdlBackend.h"
#include "platform/core/Gbk.h"
#include "platform/native/MessageBox.h"
#include "platform/native/NativeConst.h"
#include "platform/native/NativeWindow.h"
#include "platform/window/WinApi.h"

namespace {
HWND gMain = nullptr;
HWND gEdit = nullptr;

LRESULT MainProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    switch (m) {
    case WM_COMMAND:
        if (HIWORD(w) == BN_CLICKED && (LOWORD(w) == 20 || LOWORD(w) == 21)) {
            std::string text = Utf8ToGbk("编辑框里是：\r\n") + GetWindowText(gEdit);
            MessageBox(h, text, Utf8ToGbk("Qorvin宠物查询器"),
                       LOWORD(w) == 21 ? MB_ICONERROR : MB_OK);
        }
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProc(h, m, w, l);
    }
}

HWND Child(const char* cls, const std::string& textUtf8, std::uint32_t style, TRect r, int id,
           std::uint32_t exStyle = 0) {
    std::string gbk = Utf8ToGbk(textUtf8);
    return CreateWindowEx(exStyle, cls, gbk.c_str(), WS_CHILD | WS_VISIBLE | style, r.Left, r.Top,
                          r.Width(), r.Height(), gMain, std::uintptr_t(id), nullptr);
}
} // namespace

int main() {
    StartWindowSystem(CreateSdlBackendOrExit("nativedemo"));
    RegisterNativeClasses();
    TWndClass wc;
    wc.lpfnWndProc = &MainProc;
    wc.lpszClassName = "NativeDemoMain";
    wc.hbrBackground = clBtnFace;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClass(wc);

    std::string title = Utf8ToGbk("原生控件");
    gMain = CreateWindowEx(0, "NativeDemoMain", title.c_str(),
                           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 360, 330,
                           nullptr, 0, nullptr);
    Child(kStaticClass, "等级：", 0, {12, 15, 60, 31}, 1);
    gEdit =
        Child(kEditClass, "", ES_AUTOHSCROLL | WS_TABSTOP, {64, 12, 330, 33}, 10, WS_EX_CLIENTEDGE);
    Child(kEditClass, "第一行\r\n第二行", ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP,
          {12, 44, 330, 204}, 11, WS_EX_CLIENTEDGE);
    Child(kButtonClass, "侍宠", BS_AUTORADIOBUTTON, {12, 214, 85, 231}, 30);
    Child(kButtonClass, "骑宠", BS_AUTORADIOBUTTON, {92, 214, 165, 231}, 31);
    Child(kButtonClass, "消息", BS_DEFPUSHBUTTON | WS_TABSTOP, {174, 240, 249, 263}, 20);
    Child(kButtonClass, "错误", BS_PUSHBUTTON | WS_TABSTOP, {255, 240, 330, 263}, 21);
    CenterWindow(gMain, nullptr);
    ShowWindow(gMain, SW_SHOW);
    SetFocus(gEdit);

    TMsg msg;
    while (GetMessage(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    ShutdownWindowSystem();
    return int(msg.wParam);
}
