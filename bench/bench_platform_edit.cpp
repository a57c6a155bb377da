// Speed of the edit models on texts larger than the program's reports: appending lines to a
// memo (each append re-lays the text out and shows the caret), typing into a long wrapped memo,
// and moving the caret through mixed Chinese and ASCII text.
#include "platform/edit/EditText.h"
#include "platform/edit/MemoModel.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

int SixPerByte(std::string_view s) {
    return 6 * static_cast<int>(s.size());
}

const std::string kLine = "\xB3\xE8\xCE\xEF level 42 growth 1.234 \xD6\xD0\xCE\xC4 text";

void BM_MemoAddLines(benchmark::State& state) {
    for (auto _ : state) {
        TMemoModel memo;
        memo.SetMeasure(SixPerByte);
        memo.SetClientSize(300, 200);
        for (int i = 0; i < state.range(0); ++i)
            memo.AddLine(kLine);
        benchmark::DoNotOptimize(memo.VertScrollInfo());
    }
}
BENCHMARK(BM_MemoAddLines)->Arg(100)->Arg(1000);

void BM_MemoTypeIntoLongText(benchmark::State& state) {
    TMemoModel memo;
    memo.SetMeasure(SixPerByte);
    memo.SetClientSize(300, 200);
    std::string text;
    for (int i = 0; i < state.range(0); ++i)
        text += kLine + "\r\n";
    memo.SetText(text);
    memo.Text().SetCaret(text.size() / 2);
    for (auto _ : state) {
        memo.Text().Type("a");
        memo.ScrollCaret();
        benchmark::DoNotOptimize(memo.CaretPos());
    }
}
BENCHMARK(BM_MemoTypeIntoLongText)->Arg(1000);

void BM_CaretThroughMixedText(benchmark::State& state) {
    TEditText text;
    std::string s;
    for (int i = 0; i < 100; ++i)
        s += kLine;
    text.SetText(s);
    for (auto _ : state) {
        text.SetCaret(s.size());
        while (text.Caret() > 0)
            text.MoveCaret(emCharLeft, false);
        while (text.Caret() < s.size())
            text.MoveCaret(emWordRight, false);
    }
}
BENCHMARK(BM_CaretThroughMixedText);

} // namespace

BENCHMARK_MAIN();
