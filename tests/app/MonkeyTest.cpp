// A seeded stream of random input over both windows of the program: mouse moves, clicks and drags
// anywhere, keys (Tab, Enter, Escape, arrows, Alt+F4, the clipboard keys), typed text with
// Chinese, emoji and long digit strings, and whatever modal windows that opens. The program is
// driven only through the window layer's input functions; the windows are observed through
// their window handles. Invariants checked after every event:
//   - no exception escapes an event (the application's exception display is never reached);
//   - the keyboard focus is on a visible, enabled window, or nowhere;
//   - every field holds exactly what was typed or pasted into it (a model of the ten fields
//     predicts each change from the text, the selection and the clipboard);
//   - every message box and report shows what the calculator makes of the fields;
// and at the end the program still produces correct reports.
//
// PETCALC_MONKEY_SEED=<n> replays a seed; PETCALC_MONKEY_EVENTS=<n> sets the length.

#include "AppFixture.h"

#include "app/AppTexts.h"
#include "calc/CheckupReport.h"
#include "calc/MergeSkillReport.h"
#include "calc/PetInputReader.h"
#include "editors/TextEdit.h"
#include "platform/core/Gbk.h"
#include "platform/native/MessageBox.h"
#include "platform/native/NativeConst.h"
#include "platform/window/WinApi.h"

#include <array>
#include <cstdlib>
#include <deque>
#include <functional>
#include <random>
#include <set>
#include <sstream>

#if defined(__SANITIZE_ADDRESS__)
#define PETCALC_MONKEY_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PETCALC_MONKEY_SANITIZED 1
#endif
#endif

namespace {

// The sanitizer build (unoptimised, with AddressSanitizer) takes about 3 ms an event against
// 0.06 ms: the stream is shorter there, to stay well inside the suite's time limit.
#ifdef PETCALC_MONKEY_SANITIZED
constexpr int kDefaultEvents = 6000;
#else
constexpr int kDefaultEvents = 100000;
#endif
constexpr std::uint64_t kDefaultSeed = 20261211;

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::strtoull(v, nullptr, 10) : fallback;
}

constexpr std::array<const char*, 10> kFieldNames = {"dj",   "czl", "qjn", "hjn", "qn",
                                                     "mbdj", "ll",  "tp",  "ys",  "jg"};

std::string WithoutTrailingBreaks(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

std::string JoinedLines(const TPetReport& report) {
    std::string text;
    for (std::size_t i = 0; i < report.Lines.size(); ++i)
        text += (i ? "\r\n" : "") + report.Lines[i];
    return WithoutTrailingBreaks(text);
}

std::string Printable(const std::string& gbk) {
    std::string utf8 = GbkToUtf8(gbk);
    if (utf8.size() > 80)
        utf8 = utf8.substr(0, 80) + "...(" + std::to_string(gbk.size()) + " bytes)";
    return "\"" + utf8 + "\"";
}

// What the user knows of one text field.
struct TField {
    std::string Name;
    HWND Wnd = nullptr;
    std::string Text;           // GBK, as the model expects it
    std::set<std::size_t> Seen; // hashes of every text it held: an undo goes back to one
    std::size_t SelStart = 0;
    std::size_t SelEnd = 0;
};

// The main window's height as its layout gives it.
constexpr int kMainWindowHeight = 397;

class TMonkeyTest : public TAppFixture {
protected:
    void SetUp() override {
        Seed = EnvNumber("PETCALC_MONKEY_SEED", kDefaultSeed);
        Events = int(EnvNumber("PETCALC_MONKEY_EVENTS", kDefaultEvents));
        Rng.seed(Seed);
        TAppFixture::SetUp();
        Bind();
    }

    // Ties the model to the program that runs now (again after it was closed and restarted).
    void Bind() {
        Fields.clear();
        for (const char* name : kFieldNames) {
            TField f;
            f.Name = name;
            // The text field's native edit inside the editor is what holds the text.
            auto* editor = dynamic_cast<TcxTextEdit*>(FormZuvo->FindComponent(name));
            EXPECT_NE(editor, nullptr) << name;
            f.Wnd = editor->InnerControl()->Handle();
            f.Text = GetWindowText(f.Wnd);
            f.Seen.insert(std::hash<std::string>()(f.Text));
            Fields.push_back(f);
        }
        ShiWnd = dynamic_cast<TWinControl*>(FormZuvo->FindComponent("Shi"))->Handle();
        QiWnd = dynamic_cast<TWinControl*>(FormZuvo->FindComponent("Qi"))->Handle();
        MainWnd = FormZuvo->Handle();
        Application->OnException = [this](TPersistent*, const Exception& e) {
            Fail("an exception escaped an event: " + e.Message());
        };
        Backend->SetIdleHandler([this]() { return OnIdle(); });
        KnownModals.clear();
        // Half of the runs are on a desktop without a window manager, where a minimize is
        // never carried out.
        WindowManager = Chance(0.5);
        Backend->SetWindowManager(WindowManager);
    }

    void Restart() {
        ++Restarts;
        Backend->SetIdleHandler(nullptr);
        TAppFixture::TearDown();
        TAppFixture::SetUp();
        Bind();
    }

    // --- Failure reporting ----------------------------------------------------------------

    void Fail(const std::string& what) {
        if (!Failure.empty())
            return;
        std::ostringstream out;
        out << what << "\n  focus " << GetClassName(GetFocus()) << " active "
            << GetWindowText(GetActiveWindow()).size() << " capture " << GetClassName(GetCapture())
            << "\n  seed " << Seed << " (replay with PETCALC_MONKEY_SEED=" << Seed << "), event "
            << Done << "\n  last events:";
        for (const std::string& e : Recent)
            out << "\n    " << e;
        Failure = out.str();
    }

    void Note(std::string event) {
        Recent.push_back(std::to_string(Done) + ": " + std::move(event));
        if (Recent.size() > 25)
            Recent.pop_front();
    }

    // --- Observing ------------------------------------------------------------------------

    TField* FocusedField() {
        HWND focus = GetFocus();
        for (TField& f : Fields)
            if (focus && (focus == f.Wnd || IsChild(f.Wnd, focus)))
                return &f;
        return nullptr;
    }

    void ReadSelection(TField& f) {
        std::uint32_t start = 0, end = 0;
        SendMessage(f.Wnd, EM_GETSEL, WPARAM(&start), LPARAM(&end));
        f.SelStart = std::min<std::size_t>(start, end);
        f.SelEnd = std::max<std::size_t>(start, end);
    }

    bool QiChecked() { return SendMessage(QiWnd, BM_GETCHECK, 0, 0) == BST_CHECKED; }

    void CheckFocus() {
        if (!WindowManager)
            for (HWND w : GetTopLevelWindows())
                if (IsIconic(w))
                    return Fail("a window is minimized on a desktop that cannot minimize");
        HWND focus = GetFocus();
        if (!focus)
            return;
        if (!IsWindow(focus) || !IsWindowVisible(focus))
            return Fail("the focus is on a hidden window");
        const HWND top = GetAncestorRoot(focus);
        for (HWND w = focus; w; w = w == top ? nullptr : GetParent(w))
            if (!IsWindowEnabled(w))
                return Fail("the focus is on a disabled window (" + GetClassName(focus) + " in " +
                            GetClassName(GetAncestorRoot(focus)) + ")");
        const bool shi = SendMessage(ShiWnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
        if (shi == QiChecked())
            Fail("not exactly one of the two pet kinds is selected");
    }

    // --- The model of the fields ----------------------------------------------------------

    // The text after the selection of f is replaced by gbk.
    static std::string Replaced(const TField& f, const std::string& gbk) {
        return f.Text.substr(0, f.SelStart) + gbk + f.Text.substr(f.SelEnd);
    }

    static std::string PasteText(std::string clip) {
        std::string out;
        for (char c : clip)
            if (c != '\0' && c != '\r' && c != '\n')
                out += c;
        if (!out.empty()) {
            std::size_t last = GbkPrevCharPos(out, out.size());
            if (out.size() - last == 1 && IsGbkLeadByte(static_cast<unsigned char>(out[last])))
                out[last] = '?';
        }
        return out;
    }

    // Every text a field may hold after an event whose effect the model does not know exactly
    // (a context-menu command, a key with Alt): unchanged, the selection deleted or replaced by
    // the clipboard, or an undo.
    static bool Plausible(const TField& f, const std::string& now, const std::string& clip) {
        return now == f.Text || now == Replaced(f, "") || now == Replaced(f, PasteText(clip)) ||
               f.Seen.count(std::hash<std::string>()(now));
    }

    // --- One event ------------------------------------------------------------------------

    enum TExpect { exSame, exExact, exPlausible };

    struct TPrediction {
        TExpect Kind = exSame;
        std::string Text;         // exExact: the focused field's new text
        bool ClipFromSel = false; // the clipboard takes the focused field's selection
    };

    // Runs one event and checks the model against the program afterwards.
    void Step(const std::function<void()>& event, const TPrediction& prediction,
              const std::string& description) {
        Note(description);
        // Inside a loop of the main window itself (a context menu is open) keys go to the menu:
        // the field may take one of its commands instead.
        TPrediction predicted = prediction;
        if (Depth > 0 && !ModalOpen() && predicted.Kind == exExact)
            predicted.Kind = exPlausible;
        TField* focused = FocusedField();
        if (focused)
            ReadSelection(*focused);
        const std::string clipBefore = GetClipboardTextGbk();
        const std::string selBefore =
            focused ? focused->Text.substr(focused->SelStart, focused->SelEnd - focused->SelStart)
                    : std::string();
        const int nestedBefore = Done;
        ++Done;
        try {
            event();
        } catch (const std::exception& e) {
            Fail(std::string("an exception left the event: ") + e.what());
            return;
        } catch (...) {
            Fail("an exception of a foreign kind left the event");
            return;
        }
        if (!Failure.empty())
            return;
        if (!Application || Application->Terminated()) {
            // The main window was closed: the program ends. Nested loops unwind first; the
            // outermost event starts it again.
            if (Depth == 0)
                Restart();
            return;
        }
        const bool nested = Done != nestedBefore + 1;
        // The field that had the focus when the event began may change as predicted; after
        // nested events (a modal window or a menu ran its own loop) only as far as plausible.
        for (TField& f : Fields) {
            const std::string now = GetWindowText(f.Wnd);
            std::string problem;
            if (&f == focused && !nested) {
                if (predicted.Kind == exExact && now != predicted.Text)
                    problem = "expected " + Printable(predicted.Text);
                else if (predicted.Kind == exSame && now != f.Text)
                    problem = "expected it unchanged";
                else if (predicted.Kind == exPlausible && !Plausible(f, now, clipBefore))
                    problem = "no command gives that";
            } else if (nested) {
                // A context menu may have moved the focus to this field and run a command.
                if (!Plausible(f, now, GetClipboardTextGbk()))
                    problem = "no command gives that";
            } else if (now != f.Text) {
                problem = "it did not have the focus";
            }
            if (!problem.empty()) {
                Fail("field " + f.Name + " holds " + Printable(now) + " after " + description +
                     " (was " + Printable(f.Text) + "): " + problem);
                return;
            }
            f.Text = now;
            f.Seen.insert(std::hash<std::string>()(now));
        }
        const std::string clipNow = GetClipboardTextGbk();
        if (!nested && clipNow != clipBefore && !ModalOpen()) {
            const bool fromSel = !selBefore.empty() && clipNow == selBefore;
            if (!fromSel && !ExternalClip)
                Fail("the clipboard changed to " + Printable(clipNow) + " after " + description);
        }
        ExternalClip = false;
        CheckFocus();
        for (TField& f : Fields)
            ReadSelection(f);
    }

    bool ModalOpen() {
        HWND active = GetActiveWindow();
        return active && active != MainWnd;
    }

    // --- Modal windows --------------------------------------------------------------------

    // A message box or the result window has just opened over the main window: it must show
    // what the calculator makes of the fields as they are.
    void CheckNewModal(HWND modal) {
        std::array<std::string, 10> t;
        for (std::size_t i = 0; i < Fields.size(); ++i)
            t[i] = Fields[i].Text;
        const TPetReadResult checkup = ReadCheckupInput(t[0], t[1], t[2], t[3], t[4], t[5],
                                                        QiChecked() ? pkMount : pkAttendant);
        const TPetReadResult merge = ReadAttributeInput(t[6], t[7], t[8], t[9]);
        std::vector<std::string> messages;
        std::vector<TPetReport> reports;
        for (const TPetReadResult* r : {&checkup, &merge}) {
            if (const std::string* m = r->Message())
                messages.push_back(*m);
            else
                reports.push_back(r == &checkup ? BuildCheckupReport(*r->Input())
                                                : BuildMergeSkillReport(*r->Input()));
        }
        if (QiChecked())
            messages.emplace_back(kMsgMountCannotMerge);

        const std::string caption = GetWindowText(modal);
        if (caption == Application->Title()) {
            // A message box: Ctrl+C copies its caption and text.
            ++Boxes;
            SetClipboardTextGbk("");
            Press('C', ssCtrl);
            const std::string copied = GetClipboardTextGbk();
            for (const std::string& m : messages)
                if (copied == MessageBoxClipboardText(m, caption))
                    return;
            Fail("a message box shows " + Printable(copied) + ", which the fields do not give");
            return;
        }
        ++Reports;
        HWND focus = GetFocus();
        if (!focus || !IsChild(modal, focus)) {
            Fail("the result window opened without the focus in it");
            return;
        }
        const std::string shown = WithoutTrailingBreaks(GetWindowText(focus));
        for (const TPetReport& r : reports)
            if (caption == r.Caption && shown == JoinedLines(r))
                return;
        Fail("the result window " + Printable(caption) + " shows " + Printable(shown) +
             ", which the fields do not give");
    }

    // A message loop of the program waits for input: a modal window, a menu or a pressed button
    // is open. The stream goes on inside it; once it is spent, it closes what is open.
    bool OnIdle() {
        if (!Failure.empty() || ++Depth > 8) {
            --Depth;
            CloseWhatIsOpen();
            return true;
        }
        HWND active = GetActiveWindow();
        if (active && active != MainWnd && !KnownModals.count(active)) {
            KnownModals.insert(active);
            CheckNewModal(active);
        }
        if (Done < Events)
            RandomEvent();
        else
            CloseWhatIsOpen();
        --Depth;
        return true;
    }

    HWND Iconic() {
        for (HWND w : GetTopLevelWindows())
            if (IsWindowVisible(w) && IsIconic(w))
                return w;
        return nullptr;
    }

    void CloseWhatIsOpen() {
        if (const HWND w = Iconic(); w && Failure.empty()) {
            Step([&] { Backend->RestoreFromTaskBar(w); }, TPrediction(),
                 "restore from the task bar");
            return;
        }
        static constexpr int keys[] = {VK_ESCAPE, VK_RETURN, VK_F4};
        const int vk = keys[Closing++ % 3];
        if (Closing > 300) {
            Fail("a window could not be closed with Escape, Enter or Alt+F4");
            throw std::runtime_error("stuck");
        }
        const unsigned mods = vk == VK_F4 ? ssAlt : 0;
        if (!Failure.empty()) {
            Press(vk, mods);
            return;
        }
        TPrediction plausible;
        plausible.Kind = exPlausible;
        Step([&] { Press(vk, mods); }, plausible, "closing with key " + std::to_string(vk));
    }

    // --- Random input ---------------------------------------------------------------------

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(Rng); }
    bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(Rng) < p; }

    TPoint RandomPoint() {
        std::vector<TRect> rects;
        for (HWND w : GetTopLevelWindows()) {
            TRect r;
            if (IsWindowVisible(w) && GetWindowRect(w, &r))
                rects.push_back(r);
        }
        if (rects.empty() || Chance(0.1))
            return {Pick(1024), Pick(768)};
        const TRect& r = rects[Pick(int(rects.size()))];
        return {r.Left + Pick(std::max(1, r.Width())), r.Top + Pick(std::max(1, r.Height()))};
    }

    std::string RandomText() {
        static const std::array<const char*, 24> chinese = {
            "等", "级", "成", "长", "率", "技", "能", "点", "潜", "目", "标", "力",
            "量", "体", "魄", "元", "神", "筋", "骨", "宠", "物", "查", "询", "器"};
        static const std::array<const char*, 6> emoji = {"😀", "🐉", "👍🏽", "🀄", "€", "·"};
        static const std::array<const char*, 10> forms = {"-", "+", "$", "x",  "0x",
                                                          " ", ".", ",", "１", "\t"};
        std::string s;
        switch (Pick(7)) {
        case 0: // a long digit string
            for (int n = 20 + Pick(300); n > 0; --n)
                s += char('0' + Pick(10));
            return s;
        case 1:
            for (int n = 1 + Pick(4); n > 0; --n)
                s += chinese[Pick(int(chinese.size()))];
            return s;
        case 2:
            return emoji[Pick(int(emoji.size()))];
        case 3:
            s = forms[Pick(int(forms.size()))];
            [[fallthrough]];
        default:
            for (int n = 1 + Pick(5); n > 0; --n)
                s += char(Chance(0.8) ? '0' + Pick(10) : 'A' + Pick(26));
            return s;
        }
    }

    void RandomEvent() {
        const int roll = Pick(1000);
        TField* f = FocusedField();
        if (f)
            ReadSelection(*f);
        const std::string clip = GetClipboardTextGbk();
        auto exact = [&](std::string text) {
            TPrediction p;
            p.Kind = exExact;
            p.Text = std::move(text);
            return p;
        };
        const TPrediction same;
        TPrediction plausible;
        plausible.Kind = exPlausible;
        // Escape in a text field changed since it got the focus restores the text it had then
        // (one it held before); which moment counts as getting the focus (after a modal window,
        // a minimize) is the editor's business.
        const TPrediction& escape = plausible;

        if (roll < 150) {
            const TPoint p = RandomPoint();
            Step([&] { Backend->MouseMove(p); }, plausible, "move to " + Str(p));
        } else if (roll < 300) {
            const TPoint p = RandomPoint();
            const int kind = Pick(10);
            const TMouseButton b = kind == 0   ? TMouseButton::Right
                                   : kind == 1 ? TMouseButton::Middle
                                               : TMouseButton::Left;
            const bool twice = kind == 9;
            Step(
                [&] {
                    Backend->Click(p, b);
                    if (twice)
                        Backend->Click(p, b);
                },
                plausible,
                std::string(twice ? "double-click" : "click") + " button " +
                    std::to_string(int(b)) + " at " + Str(p));
        } else if (roll < 350) {
            const TPoint a = RandomPoint();
            const TPoint b =
                Chance(0.5) ? RandomPoint() : TPoint(a.X + Pick(81) - 40, a.Y + Pick(41) - 20);
            Step([&] { Backend->Drag(a, b, 1 + Pick(6)); }, plausible,
                 "drag " + Str(a) + " to " + Str(b));
        } else if (roll < 430) {
            const unsigned mods = Chance(0.3) ? ssShift : 0;
            Step([&] { Press(VK_TAB, mods); }, same, mods ? "Shift+Tab" : "Tab");
        } else if (roll < 480) {
            Step([&] { Press(VK_RETURN); }, same, "Enter");
        } else if (roll < 500) {
            Step([&] { Press(VK_ESCAPE); }, escape, "Escape");
        } else if (roll < 580) {
            static constexpr int moves[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_HOME, VK_END};
            const int vk = moves[Pick(6)];
            const unsigned mods = (Chance(0.4) ? ssShift : 0) | (Chance(0.2) ? ssCtrl : 0);
            Step([&] { Press(vk, mods); }, same,
                 "arrow key " + std::to_string(vk) + " mods " + std::to_string(mods));
        } else if (roll < 620) {
            TPrediction p = same;
            if (f) {
                std::size_t from = f->SelStart, to = f->SelEnd;
                if (from == to && from > 0)
                    from = GbkPrevCharPos(f->Text, from);
                p = exact(f->Text.substr(0, from) + f->Text.substr(to));
            }
            Step([&] { Press(VK_BACK); }, p, "Backspace");
        } else if (roll < 650) {
            const unsigned mods = Chance(0.2) ? ssShift : 0;
            TPrediction p = same;
            if (f) {
                std::size_t from = f->SelStart, to = f->SelEnd;
                if (from == to && to < f->Text.size() && !mods)
                    to = GbkNextCharPos(f->Text, to);
                p = exact(f->Text.substr(0, from) + f->Text.substr(to));
            }
            Step([&] { Press(VK_DELETE, mods); }, p, mods ? "Shift+Delete" : "Delete");
        } else if (roll < 760) {
            ClipboardKey(f, clip);
        } else if (roll < 765) {
            // Alt+F4 closes a modal window; on the main window it ends the program, which then
            // starts again: rarely there.
            if (ModalOpen() || Chance(0.2))
                Step([&] { Press(VK_F4, ssAlt); }, same, "Alt+F4");
            else
                Step([&] { Press(VK_ESCAPE); }, escape, "Escape");
        } else if (roll < 775) {
            Step([&] { Press(VK_SPACE, ssAlt); }, same, "Alt+Space");
        } else if (roll < 960) {
            // Now and then a whole field becomes a plausible number, so that reports come out.
            const bool number = Chance(0.3);
            if (number && f)
                Step([&] { Press('A', ssCtrl); }, same, "Ctrl+A");
            f = FocusedField();
            if (f)
                ReadSelection(*f);
            const std::string utf8 = number ? std::to_string(Pick(200)) : RandomText();
            TPrediction p = same;
            if (f) {
                std::string gbk;
                for (char c : Utf8ToGbk(utf8))
                    if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F)
                        gbk += c;
                p = exact(Replaced(*f, gbk));
            }
            Step([&] { Backend->Type(utf8); }, p, "type \"" + utf8.substr(0, 40) + "\"");
        } else if (roll < 975) {
            // Another program puts something on the clipboard.
            const std::string utf8 = Chance(0.5) ? RandomText() : "12\r\n34";
            ExternalClip = true;
            Step([&] { Backend->SetClipboardText(utf8); }, same, "clipboard from outside");
        } else if (roll < 978 && !ModalOpen() && Depth == 0) {
            FillInProperly();
        } else if (roll < 980 && Iconic()) {
            const HWND w = Iconic();
            Step([&] { Backend->RestoreFromTaskBar(w); }, same, "restore from the task bar");
        } else if (roll < 990) {
            const int ms = 5 + Pick(1500);
            Step([&] { Backend->AdvanceTime(std::uint64_t(ms)); }, same,
                 "wait " + std::to_string(ms) + " ms");
        } else {
            // A chord with Alt types nothing and edits nothing (Ctrl+Alt is AltGr to many
            // keyboards, never a control character).
            const int vk = 'A' + Pick(26);
            const unsigned mods = Chance(0.5) ? ssAlt : ssCtrl | ssAlt;
            Step([&] { Press(vk, mods); }, same,
                 "key " + std::string(1, char(vk)) + " mods " + std::to_string(mods));
        }
    }

    // A person who fills in the form properly: clicks each field, selects all and types a
    // number, so that reports come out, not only messages.
    void FillInProperly() {
        const bool merge = Chance(0.4);
        const int dj = Pick(100);
        const std::array<int, 10> values = {dj,        Pick(60),          Pick(50),  50 + Pick(200),
                                            Pick(500), dj + 1 + Pick(60), Pick(500), Pick(500),
                                            Pick(500), Pick(500)};
        const std::size_t first = merge ? 6 : 0, last = merge ? 10 : 6;
        for (std::size_t i = first; i < last && Failure.empty() && !ModalOpen(); ++i) {
            auto* control = dynamic_cast<TControl*>(FormZuvo->FindComponent(kFieldNames[i]));
            const TPoint centre =
                control->ClientToScreen(TPoint(control->Width() / 2, control->Height() / 2));
            TPrediction plausible;
            plausible.Kind = exPlausible;
            Step([&] { Backend->Click(centre); }, plausible, "click " + Str(centre));
            TField* f = FocusedField();
            if (f != &Fields[i])
                return; // covered, clipped or minimized: the person gives up
            Step([&] { Press('A', ssCtrl); }, TPrediction(), "Ctrl+A");
            ReadSelection(*f);
            TPrediction typed;
            typed.Kind = exExact;
            typed.Text = Replaced(*f, std::to_string(values[i]));
            Step([&] { Backend->Type(std::to_string(values[i])); }, typed,
                 "type " + std::to_string(values[i]));
        }
        if (!Failure.empty() || ModalOpen() || FocusedField() != &Fields[last - 1])
            return;
        auto* button = dynamic_cast<TControl*>(FormZuvo->FindComponent(merge ? "kx" : "fx"));
        const TPoint centre =
            button->ClientToScreen(TPoint(button->Width() / 2, button->Height() / 2));
        TPrediction same;
        Step([&] { Backend->Click(centre); }, same, "click the report button");
    }

    void ClipboardKey(TField* f, const std::string& clip) {
        TPrediction p;
        std::function<void()> event;
        std::string name;
        switch (Pick(8)) {
        case 0:
            event = [&] { Press('A', ssCtrl); };
            name = "Ctrl+A";
            break;
        case 1:
        case 2:
            event = [&] { Press(Chance(0.7) ? 'C' : VK_INSERT, ssCtrl); };
            name = "Ctrl+C";
            break;
        case 3:
            event = [&] { Press('X', ssCtrl); };
            name = "Ctrl+X";
            if (f) {
                p.Kind = exExact;
                p.Text = Replaced(*f, "");
            }
            break;
        case 4:
        case 5:
        case 6: {
            const bool shiftInsert = Chance(0.3);
            event = [&, shiftInsert] {
                if (shiftInsert)
                    Press(VK_INSERT, ssShift);
                else
                    Press('V', ssCtrl);
            };
            name = shiftInsert ? "Shift+Insert" : "Ctrl+V";
            if (f) {
                const std::string add = PasteText(clip);
                p.Kind = exExact;
                p.Text = add.empty() ? f->Text : Replaced(*f, add);
            }
            break;
        }
        default:
            event = [&] { Press('Z', ssCtrl); };
            name = "Ctrl+Z";
            p.Kind = exPlausible;
            break;
        }
        Step(event, p, name);
    }

    // A key as a person presses it: the modifiers go down first and come up afterwards.
    void Press(int vk, unsigned mods = 0) {
        static constexpr std::pair<unsigned, int> modifierKeys[] = {
            {ssShift, VK_SHIFT}, {ssCtrl, VK_CONTROL}, {ssAlt, VK_MENU}};
        unsigned held = 0;
        for (const auto& [bit, key] : modifierKeys)
            if (mods & bit) {
                held |= bit;
                Backend->KeyDown(key, held);
            }
        Backend->PressKey(vk, mods);
        for (const auto& [bit, key] : modifierKeys)
            if (mods & bit) {
                held &= ~bit;
                Backend->KeyUp(key, held);
            }
    }

    static std::string Str(TPoint p) {
        return "(" + std::to_string(p.X) + "," + std::to_string(p.Y) + ")";
    }

    // --- The end: the program still gives correct reports ----------------------------------

    void Fill(const char* name, const std::string& text) {
        TField* f = nullptr;
        for (TField& x : Fields)
            if (x.Name == name)
                f = &x;
        auto* control = dynamic_cast<TControl*>(FormZuvo->FindComponent(name));
        ClickOn(control);

        Press('A', ssCtrl);
        Press(VK_DELETE);
        Backend->Type(text);
        EXPECT_EQ(GetWindowText(f->Wnd), text)
            << name << " (window at " << FormZuvo->Left() << "," << FormZuvo->Top() << ", "
            << FormZuvo->Width() << "x" << FormZuvo->Height() << ")";
    }

    void FinalReports() {
        Backend->SetIdleHandler(nullptr);
        Application->OnException = nullptr;
        ASSERT_FALSE(ModalOpen()) << "a window is still open over the main window";
        while (const HWND w = Iconic())
            Backend->RestoreFromTaskBar(w);
        // The window's edges may have been dragged (it is sizeable) and its title bar moved it:
        // before typing the final values the person puts it back where all fields are seen.
        FormZuvo->SetBounds(0, 0, FormZuvo->Width(), kMainWindowHeight);
        Backend->Pump();
        ClickOn(dynamic_cast<TControl*>(FormZuvo->FindComponent("Shi")));
        std::mt19937 values(static_cast<std::uint32_t>(Seed));
        auto number = [&](int lo, int hi) {
            return std::to_string(std::uniform_int_distribution<int>(lo, hi)(values));
        };
        const std::string dj = number(1, 80);
        const std::array<std::string, 6> checkup = {
            dj, number(5, 60), number(0, 50), number(50, 200), number(0, 500), number(81, 150)};
        for (std::size_t i = 0; i < checkup.size(); ++i)
            Fill(kFieldNames[i], checkup[i]);
        const TShown shownCheckup = ReportFrom([&] { Press(VK_RETURN); });
        const TPetReport expectCheckup =
            BuildCheckupReport(*ReadCheckupInput(checkup[0], checkup[1], checkup[2], checkup[3],
                                                 checkup[4], checkup[5], pkAttendant)
                                    .Input());
        EXPECT_EQ(shownCheckup.Count, 1);
        EXPECT_EQ(shownCheckup.Caption, expectCheckup.Caption);
        EXPECT_EQ(WithoutTrailingBreaks(shownCheckup.MemoText), JoinedLines(expectCheckup));

        const std::array<std::string, 4> attributes = {number(0, 400), number(0, 400),
                                                       number(0, 400), number(0, 400)};
        if (!FormZuvo->PanelShown())
            ClickOn(dynamic_cast<TControl*>(FormZuvo->FindComponent("xx")));
        for (std::size_t i = 0; i < attributes.size(); ++i)
            Fill(kFieldNames[6 + i], attributes[i]);
        const TShown shownMerge =
            ReportFrom([&] { ClickOn(dynamic_cast<TControl*>(FormZuvo->FindComponent("kx"))); });
        const TPetReport expectMerge = BuildMergeSkillReport(
            *ReadAttributeInput(attributes[0], attributes[1], attributes[2], attributes[3])
                 .Input());
        EXPECT_EQ(shownMerge.Count, 1);
        EXPECT_EQ(shownMerge.Caption, expectMerge.Caption);
        EXPECT_EQ(WithoutTrailingBreaks(shownMerge.MemoText), JoinedLines(expectMerge));
    }

    std::vector<TField> Fields;
    HWND MainWnd = nullptr, ShiWnd = nullptr, QiWnd = nullptr;
    std::set<HWND> KnownModals;
    std::mt19937_64 Rng;
    std::uint64_t Seed = 0;
    int Events = 0;
    int Done = 0;
    int Depth = 0;
    int Closing = 0;
    int Restarts = 0, Boxes = 0, Reports = 0;
    bool ExternalClip = false;
    bool WindowManager = true;
    std::deque<std::string> Recent;
    std::string Failure;
};

TEST_F(TMonkeyTest, RandomInputKeepsTheProgramConsistent) {
    try {
        while (Done < Events && Failure.empty()) {
            Closing = 0;
            RandomEvent();
        }
    } catch (const std::runtime_error&) {
        // a stuck window; Failure says which
    }
    ASSERT_TRUE(Failure.empty()) << Failure;
    std::printf("monkey: seed %llu, %d events, %d message boxes, %d reports, %d restarts\n",
                static_cast<unsigned long long>(Seed), Done, Boxes, Reports, Restarts);
    FinalReports();
}

} // namespace
