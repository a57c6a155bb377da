// The program's own windows on the headless backend, started as start-up starts them: repainting
// the skinned main window, opening the result window with a long report, typing into a field,
// and sitting idle with the mouse away.
#include "HeadlessProgram.h"
#include "app/AppLayouts.h"
#include "app/AppTexts.h"
#include "app/Frmtishi.h"
#include "app/Frmzuvo.h"
#include "calc/MergeSkillReport.h"
#include "calc/PetInputReader.h"
#include "editors/Memo.h"
#include "editors/TextEdit.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/TimerTickCounter.h"
#include "platform/control/Application.h"
#include "platform/window/WinApi.h"
#include "skin/SuiButton.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <string>

namespace {

// Both windows, the main one shown, the mouse outside it.
struct TProgram : THeadlessProgram {
    TProgram() {
        Start();
        MouseAway();
    }
    ~TProgram() { Stop(); }
    TProgram(const TProgram&) = delete;
    TProgram& operator=(const TProgram&) = delete;

    void MouseAway() { Backend->MouseMove({2, 2}); }
    int Presents(HWND wnd) const {
        const auto* surface = Backend->Surface(wnd);
        return surface ? surface->Presents : 0;
    }
};

double ProcessCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Fails the benchmark when the windows did not present once per iteration.
void ExpectPresentedEachTime(benchmark::State& state, int presents) {
    if (presents < int(state.iterations()))
        state.SkipWithError("the window was not presented after every step");
}

// Everything of the main window invalidated, frame and children included, then painted and
// presented. Argument: the window's width (289 right after start, 526 with the attribute panel).
void BM_RepaintMainWindow(benchmark::State& state) {
    TProgram program;
    if (state.range(0) == 526) {
        program.ClickOn(FormZuvo->xx);
        program.MouseAway();
    }
    if (FormZuvo->Width() != state.range(0)) {
        state.SkipWithError("the main window does not have the width asked for");
        return;
    }
    const HWND wnd = FormZuvo->Handle();
    const int before = program.Presents(wnd);
    for (auto _ : state) {
        RedrawWindow(wnd, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        program.Backend->Pump();
    }
    ExpectPresentedEachTime(state, program.Presents(wnd) - before);
}
BENCHMARK(BM_RepaintMainWindow)->Arg(289)->Arg(526)->Unit(benchmark::kMicrosecond);

// A merge-skill report cut to the number of memo lines asked for (a line ending in CR LF takes
// two), as the calculator makes it.
TPetReport ReportOfMemoLines(int memoLines) {
    const TPetReadResult read = ReadAttributeInput("5", "5", "5", "3");
    const TPetReport full = BuildMergeSkillReport(*read.Input());
    TPetReport report{full.Caption, {}};
    int lines = 0;
    for (const std::string& line : full.Lines) {
        const int takes = line.ends_with("\r\n") ? 2 : 1;
        if (lines + takes > memoLines)
            break;
        report.Lines.push_back(line);
        lines += takes;
    }
    return report;
}

// Opens the result window the way the report buttons do (caption, clear, one Add a line, shown
// modally over the main window) until its first frame is presented; the time reported is that
// span alone (manual time). Closing it again, which runs in each iteration too, is reported
// apart as the counter close_us.
void BM_OpenResultWindow(benchmark::State& state) {
    TProgram program;
    const TPetReport report = ReportOfMemoLines(int(state.range(0)));
    const HWND wnd = FormTishi->Handle();
    using TClock = std::chrono::steady_clock;
    TClock::time_point start, shown;
    int presentsBefore = 0, presents = 0;
    program.Backend->SetIdleHandler([&] {
        if (!IsWindowVisible(wnd))
            return false;
        // The modal loop waits: everything is painted and presented.
        shown = TClock::now();
        presents += program.Presents(wnd) > presentsBefore;
        FormTishi->Close();
        return true;
    });
    double closeSeconds = 0;
    for (auto _ : state) {
        presentsBefore = program.Presents(wnd);
        start = TClock::now();
        FormTishi->ShowReport(report);
        const TClock::time_point closed = TClock::now();
        state.SetIterationTime(std::chrono::duration<double>(shown - start).count());
        closeSeconds += std::chrono::duration<double>(closed - shown).count();
    }
    ExpectPresentedEachTime(state, presents);
    if (FormTishi->Memo->Lines().Count() != state.range(0))
        state.SkipWithError("the report was not shown with the lines asked for");
    state.counters["close_us"] = closeSeconds * 1e6 / double(state.iterations());
}
BENCHMARK(BM_OpenResultWindow)->Arg(40)->UseManualTime()->Unit(benchmark::kMicrosecond);

// One keystroke (key down, the typed text, key up) into a field of the main window until the
// field is repainted and presented. Every eight characters the field is emptied outside the
// timed part, so that the text always fits.
void BM_TypeCharacterIntoField(benchmark::State& state) {
    TProgram program;
    TcxTextEdit* field = FormZuvo->czl;
    program.Fill(field, "");
    const HWND wnd = FormZuvo->Handle();
    int typed = 0, presents = 0;
    for (auto _ : state) {
        const int before = program.Presents(wnd);
        program.Backend->KeyDown('7');
        program.Backend->Type("7");
        program.Backend->KeyUp('7');
        presents += program.Presents(wnd) > before;
        if (++typed == 8) {
            state.PauseTiming();
            program.Fill(field, "");
            typed = 0;
            state.ResumeTiming();
        }
    }
    ExpectPresentedEachTime(state, presents);
}
BENCHMARK(BM_TypeCharacterIntoField)->Unit(benchmark::kMicrosecond);

// Ten seconds of the headless clock in steps of 10 ms, each step processing what became due.
// Argument 0: the mouse outside the window (the caret of the focused field has finished
// blinking: the program has been left alone for a while); 1: the mouse resting over a text
// field, whose hot look is tracked with a 10 ms timer. Counters: timer ticks and processor time
// per ten seconds.
void BM_Idle10s(benchmark::State& state) {
    TProgram program;
    if (state.range(0) == 1)
        program.Backend->MouseMove(FormZuvo->czl->ClientToScreen({5, 5}));
    for (int step = 0; step < 1100; ++step) // the caret's ten seconds of blinking
        program.Backend->AdvanceTime(10);
    TTimerTickCounter counter;
    double cpuMs = 0;
    for (auto _ : state) {
        const double before = ProcessCpuMs();
        for (int step = 0; step < 1000; ++step)
            program.Backend->AdvanceTime(10);
        cpuMs += ProcessCpuMs() - before;
    }
    const double n = double(state.iterations());
    state.counters["timers"] = double(counter.Count()) / n;
    state.counters["cpu_ms"] = cpuMs / n;
}
BENCHMARK(BM_Idle10s)->ArgName("mouse_over_field")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
