// Painting cost of a typical window: a 300x400 top-level window with 20 children, every window
// filling its client area, all invalidated and dispatched through the message loop.
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/draw/DC.h"
#include "platform/window/WinApi.h"

#include <benchmark/benchmark.h>

namespace {
LRESULT FillProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_PAINT) {
        TRect r;
        GetClientRect(h, &r);
        reinterpret_cast<TDC*>(w)->FillRect(r, TColor(GetWindowLongPtr(h, GWL_USERDATA)));
        return 0;
    }
    return DefWindowProc(h, m, w, l);
}

struct TScene {
    HWND Top = nullptr;
    std::vector<HWND> Children;

    TScene() {
        StartHeadlessWindowSystem();
        TWndClass wc;
        wc.lpszClassName = "Fill";
        wc.lpfnWndProc = FillProc;
        wc.hbrBackground = clBtnFace;
        RegisterClass(wc);
        Top = CreateWindowEx(0, "Fill", "", WS_POPUP | WS_VISIBLE, 100, 100, 300, 400, nullptr, 0,
                             nullptr);
        SetWindowLongPtr(Top, GWL_USERDATA, LONG_PTR(RGB(200, 200, 200)));
        for (int i = 0; i < 20; ++i) {
            int col = i % 2, row = i / 2;
            HWND c = CreateWindowEx(0, "Fill", "", WS_CHILD | WS_VISIBLE, 10 + col * 145,
                                    10 + row * 38, 135, 30, Top, std::uintptr_t(i), nullptr);
            SetWindowLongPtr(c, GWL_USERDATA, LONG_PTR(RGB(255, 255, 255)));
            Children.push_back(c);
        }
        ProcessPendingMessages();
    }
    ~TScene() { ShutdownWindowSystem(); }
};

void BM_PaintWholeWindowWith20Children(benchmark::State& state) {
    TScene scene;
    for (auto _ : state) {
        RedrawWindow(scene.Top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        ProcessPendingMessages();
    }
    benchmark::DoNotOptimize(GetWindowPixels(scene.Top)->Pixels.data());
}
BENCHMARK(BM_PaintWholeWindowWith20Children)->Unit(benchmark::kMicrosecond);

void BM_PaintOneChild(benchmark::State& state) {
    TScene scene;
    for (auto _ : state) {
        InvalidateRect(scene.Children[7], nullptr, true);
        ProcessPendingMessages();
    }
}
BENCHMARK(BM_PaintOneChild)->Unit(benchmark::kMicrosecond);

void BM_MouseMoveAcrossChildren(benchmark::State& state) {
    TScene scene;
    int i = 0;
    for (auto _ : state) {
        InputMouseMove({120 + (i % 280), 120 + (i % 370)}, 0);
        ProcessPendingMessages();
        ++i;
    }
}
BENCHMARK(BM_MouseMoveAcrossChildren)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
