#pragma once

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/core/Gbk.h"
#include "platform/core/PixelBuffer.h"
#include "platform/native/NativeConst.h"
#include "platform/native/NativeWindow.h"
#include "platform/window/WinApi.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// A headless window layer per test with a visible top-level "Host" window at (100,100) whose
// procedure records WM_COMMAND notifications and WM_DRAWITEM requests of its children.
class TNativeTest : public ::testing::Test {
public:
    struct TCommand {
        int Id;
        UINT Code;
        HWND From;
    };
    struct TDrawItem {
        HWND Item;
        UINT Action;
        UINT State;
    };

    static TNativeTest* Self;
    THeadlessBackend* Desk = nullptr;
    HWND Host = nullptr;
    std::vector<TCommand> Commands;
    std::vector<TDrawItem> DrawItems;
    const TPoint HostOrigin{100, 100};

    void SetUp() override {
        Self = this;
        Desk = &StartHeadlessWindowSystem();
        RegisterNativeClasses();
        TWndClass wc;
        wc.lpfnWndProc = &TNativeTest::HostProc;
        wc.lpszClassName = "Host";
        wc.hbrBackground = clBtnFace;
        RegisterClass(wc);
        Host = CreateWindowEx(0, "Host", "host", WS_POPUP | WS_VISIBLE, HostOrigin.X, HostOrigin.Y,
                              400, 300, nullptr, 0, nullptr);
        Desk->Pump();
    }
    void TearDown() override {
        ShutdownWindowSystem();
        Self = nullptr;
    }

    static LRESULT HostProc(HWND h, UINT m, WPARAM w, LPARAM l) {
        if (m == WM_COMMAND && Self)
            Self->Commands.push_back({int(LOWORD(w)), UINT(HIWORD(w)), HWND(l)});
        if (m == WM_DRAWITEM && Self) {
            auto* dis = reinterpret_cast<const TDrawItemStruct*>(l);
            Self->DrawItems.push_back({dis->hwndItem, dis->itemAction, dis->itemState});
        }
        return DefWindowProc(h, m, w, l);
    }

    HWND Create(const char* cls, std::uint32_t style, TRect r, const char* text = "", int id = 0,
                HWND parent = nullptr) {
        return CreateWindowEx(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.Left, r.Top, r.Width(),
                              r.Height(), parent ? parent : Host, std::uintptr_t(id), nullptr);
    }
    // Screen point of a client point of a window.
    TPoint At(HWND wnd, TPoint client) {
        ClientToScreen(wnd, &client);
        return client;
    }
    int CountCommands(UINT code, HWND from) const {
        int n = 0;
        for (auto& c : Commands)
            n += c.Code == code && c.From == from;
        return n;
    }
};

inline TNativeTest* TNativeTest::Self = nullptr;

inline std::string Gbk(std::string_view utf8) {
    return Utf8ToGbk(utf8);
}
