// Drawing speed: a full repaint of the main window's size and raw bit-block copies.
#include "platform/core/Gbk.h"
#include "platform/draw/Bitmap.h"
#include "platform/draw/DC.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int WindowW = 526;
constexpr int WindowH = 397;

TBitmap MakePicture(int w, int h, TPixel base) {
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.Pixels().At(x, y) = base ^ TPixel((x * 7 + y * 13) & 0x3F);
    return b;
}

// A window like the main one: textured frame, title bar pieces, three nine-piece buttons,
// framed fields and 40 short captions, Chinese and Latin.
void BM_FullRepaint(benchmark::State& state) {
    TPixelBuffer window(WindowW, WindowH);
    TBitmap texture = MakePicture(8, 8, 0xE8E8E8);
    TBitmap title = MakePicture(48, 23, 0xC0C0C0);
    TBitmap button = MakePicture(84, 23, 0xD0D0D0);
    auto pattern = std::make_shared<TPixelBuffer>(texture.Pixels());
    const std::string captions[] = {Utf8ToGbk("宠物等级"), Utf8ToGbk("成长率"), "fx",
                                    Utf8ToGbk("技能点 12"), "Qq 1234"};
    for (auto _ : state) {
        TDC dc(window);
        dc.FillRect(TRect(0, 0, WindowW, WindowH), TLogBrush{BS_PATTERN, clWhite, pattern});
        dc.FillRect(TRect(0, 0, 1, WindowH), RGB(0x7F, 0x7F, 0x7F));
        dc.FillRect(TRect(WindowW - 1, 0, WindowW, WindowH), RGB(0x7F, 0x7F, 0x7F));
        dc.BitBlt(0, 0, 48, 23, &title.DC(), 0, 0, SRCCOPY);
        dc.StretchBlt(48, 0, WindowW - 96, 23, &title.DC(), 20, 0, 8, 23, SRCCOPY);
        dc.BitBlt(WindowW - 48, 0, 48, 23, &title.DC(), 0, 0, SRCCOPY);
        for (int b = 0; b < 3; ++b) {
            const int x = 20 + b * 110;
            const int y = 350;
            dc.BitBlt(x, y, 42, 11, &button.DC(), 0, 0, SRCCOPY);
            dc.TransparentBlt(x + 42, y, 14, 23, button.DC(), 42, 0, 1, 23, clFuchsia);
            dc.BitBlt(x + 56, y, 41, 23, &button.DC(), 43, 0, SRCCOPY);
            dc.BitBlt(x, y + 11, 42, 12, &button.DC(), 0, 11, SRCCOPY);
        }
        dc.SetBkMode(TRANSPARENT);
        TLogFont lf;
        lf.FaceName = Utf8ToGbk("宋体");
        lf.Height = -12;
        dc.SelectFont(lf);
        for (int i = 0; i < 40; ++i) {
            const int x = 10 + (i % 4) * 125;
            const int y = 30 + (i / 4) * 31;
            dc.FillRect(TRect(x + 60, y, x + 120, y + 21), clWhite);
            dc.FrameRect(TRect(x + 60, y, x + 120, y + 21),
                         TLogBrush{BS_SOLID, RGB(0x80, 0x80, 0x80), nullptr});
            TRect r(x, y, x + 58, y + 21);
            dc.DrawText(captions[i % 5], r, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        }
        benchmark::DoNotOptimize(window.Pixels.data());
    }
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMicrosecond);

void BM_BitBltCopy(benchmark::State& state) {
    TBitmap src = MakePicture(WindowW, WindowH, 0x808080);
    TPixelBuffer dst(WindowW, WindowH);
    TDC dc(dst);
    for (auto _ : state) {
        dc.BitBlt(0, 0, WindowW, WindowH, &src.DC(), 0, 0, SRCCOPY);
        benchmark::DoNotOptimize(dst.Pixels.data());
    }
    state.SetBytesProcessed(state.iterations() * WindowW * WindowH * 4);
}
BENCHMARK(BM_BitBltCopy)->Unit(benchmark::kMicrosecond);

void BM_MemcpyReference(benchmark::State& state) {
    TBitmap src = MakePicture(WindowW, WindowH, 0x808080);
    TPixelBuffer dst(WindowW, WindowH);
    for (auto _ : state) {
        std::copy(src.Pixels().Pixels.begin(), src.Pixels().Pixels.end(), dst.Pixels.begin());
        benchmark::DoNotOptimize(dst.Pixels.data());
    }
    state.SetBytesProcessed(state.iterations() * WindowW * WindowH * 4);
}
BENCHMARK(BM_MemcpyReference)->Unit(benchmark::kMicrosecond);

void BM_TextMeasure(benchmark::State& state) {
    TPixelBuffer px(1, 1);
    TDC dc(px);
    const std::string text = Utf8ToGbk("宠物成长检查 Qq 12345");
    for (auto _ : state)
        benchmark::DoNotOptimize(dc.GetTextExtentPoint32(text));
}
BENCHMARK(BM_TextMeasure);

} // namespace

BENCHMARK_MAIN();
