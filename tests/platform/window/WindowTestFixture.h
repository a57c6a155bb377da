#pragma once

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/draw/DC.h"
#include "platform/window/WinApi.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

// One recorded message.
struct TLogEntry {
    HWND Wnd;
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
    bool operator==(const TLogEntry&) const = default;
};

// Starts a headless window layer per test and registers the class "Test" whose procedure
// records every message of the kinds a test watches and runs an optional handler per window.
class TWindowTest : public ::testing::Test {
public:
    using THandler = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM, bool& handled)>;

    static TWindowTest* Self;
    THeadlessBackend* Desk = nullptr;
    std::vector<TLogEntry> Log;
    std::vector<UINT> Watched; // empty: nothing is recorded
    std::map<HWND, THandler> Handlers;
    std::map<HWND, TColor> PaintColors; // WM_PAINT fills the whole client area with it

    void SetUp() override {
        Self = this;
        Desk = &StartHeadlessWindowSystem();
        TWndClass wc;
        wc.lpfnWndProc = &TWindowTest::Proc;
        wc.lpszClassName = "Test";
        wc.style = CS_DBLCLKS;
        RegisterClass(wc);
        TWndClass plain = wc;
        plain.lpszClassName = "Plain";
        plain.style = 0;
        RegisterClass(plain);
    }
    void TearDown() override {
        ShutdownWindowSystem();
        Self = nullptr;
    }

    static LRESULT Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
        TWindowTest* t = Self;
        if (std::find(t->Watched.begin(), t->Watched.end(), m) != t->Watched.end())
            t->Log.push_back({h, m, w, l});
        auto it = t->Handlers.find(h);
        if (it != t->Handlers.end()) {
            THandler handler = it->second; // may erase itself
            bool handled = false;
            LRESULT r = handler(h, m, w, l, handled);
            if (handled)
                return r;
        }
        if (m == WM_PAINT) {
            auto c = t->PaintColors.find(h);
            if (c != t->PaintColors.end()) {
                TRect r;
                GetClientRect(h, &r);
                reinterpret_cast<TDC*>(w)->FillRect(r, c->second);
                return 0;
            }
        }
        return DefWindowProc(h, m, w, l);
    }

    HWND TopLevel(TRect r, std::uint32_t style = WS_POPUP | WS_VISIBLE, const char* cls = "Test",
                  HWND owner = nullptr) {
        return CreateWindowEx(0, cls, "top", style, r.Left, r.Top, r.Width(), r.Height(), owner, 0,
                              nullptr);
    }
    HWND Child(HWND parent, TRect r, std::uint32_t style = WS_CHILD | WS_VISIBLE,
               const char* cls = "Test") {
        return CreateWindowEx(0, cls, "", style, r.Left, r.Top, r.Width(), r.Height(), parent, 0,
                              nullptr);
    }
    std::vector<TLogEntry> Take() {
        std::vector<TLogEntry> out;
        out.swap(Log);
        return out;
    }
    std::vector<UINT> TakeMessages() {
        std::vector<UINT> out;
        for (auto& e : Take())
            out.push_back(e.Msg);
        return out;
    }
};

inline TWindowTest* TWindowTest::Self = nullptr;
