#include "platform/control/Application.h"

#include "platform/control/Form.h"
#include "platform/control/HintWindow.h"
#include "platform/control/Screen.h"
#include "platform/core/Exception.h"
#include "platform/core/Gbk.h"
#include "platform/draw/Dib.h"
#include "platform/draw/Resources.h"
#include "platform/native/MessageBox.h"

#include <cstdio>

TApplication* Application = nullptr;

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    return ::MessageBox(owner, text, caption, type);
}

TApplication::TApplication(TComponent* owner) : TComponent(owner) {
    if (!Application)
        Application = this;
    if (!Screen)
        FOwnScreen = new TScreen(this);
}

TApplication::~TApplication() {
    CancelHint();
    if (FHintTimer && WindowSystemStarted())
        KillTimer(nullptr, FHintTimer);
    FHintTimer = 0;
    if (FHookId >= 0 && WindowSystemStarted())
        RemoveMessageHook(FHookId);
    if (FInitialized && WindowSystemStarted())
        SetLoopExceptionHandler(nullptr);
    // Forms go first, while the application and the screen still stand.
    for (int i = ComponentCount() - 1; i >= 0; --i) {
        TComponent* c = Components(i);
        if (c != FOwnScreen)
            c->Free();
        i = std::min(i, ComponentCount());
    }
    FMainForm = nullptr;
    FHintWindow = nullptr;
    DestroyComponents();
    if (Application == this)
        Application = nullptr;
}

void TApplication::Initialize() {
    if (FInitialized || !WindowSystemStarted() || Application != this)
        return;
    FInitialized = true;
    SetLoopExceptionHandler([this](std::exception_ptr e) { HandleException(e); });
    FHookId = AddMessageHook([this](TMsg& msg, bool& handled) { HookMessage(msg, handled); });
    LoadIcon();
}

// The program's icon is its bitmap resource MAINICON, when it has one; a broken one is a fault
// of the program and raises EInvalidGraphic.
void TApplication::LoadIcon() {
    if (const auto data = FindResource(HInstance(), "MAINICON", RT_BITMAP))
        SetApplicationIcon(ReadDib(data->data(), data->size()));
}

void TApplication::SetTitle(const std::string& title) {
    FTitle = title;
}

TCustomForm* TApplication::CreateForm(const std::function<TCustomForm*(TComponent*)>& factory) {
    TCustomForm* form = factory(this);
    FormCreated(form);
    return form;
}

void TApplication::FormCreated(TCustomForm* form) {
    if (!FMainForm && form) {
        FMainForm = form;
        FMainForm->HandleNeeded();
    }
}

// --- The loop --------------------------------------------------------------------------------

int TApplication::Run() {
    Initialize();
    if (!FMainForm)
        return 0; // nothing to run for
    FRunning = true;
    if (FShowMainForm)
        FMainForm->Show();
    while (!FTerminated)
        HandleMessage();
    FRunning = false;
    return FExitCode;
}

void TApplication::Terminate() {
    if (FTerminated)
        return;
    FTerminated = true;
    PostQuitMessage(0);
}

void TApplication::HandleMessage() {
    TMsg msg;
    if (!GetMessage(&msg, nullptr, 0, 0)) {
        FTerminated = true;
        FExitCode = int(msg.wParam);
        return;
    }
    TranslateAndDispatch(msg);
}

void TApplication::ProcessMessages() {
    TMsg msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            FTerminated = true;
            FExitCode = int(msg.wParam);
            return;
        }
        TranslateAndDispatch(msg);
    }
}

void TApplication::HookMessage(TMsg& msg, bool& handled) {
    HintMouseMessage(msg);
    if (OnMessage)
        OnMessage(msg, handled);
}

// --- Exceptions ------------------------------------------------------------------------------

void TApplication::HandleException(TPersistent* sender) {
    HandleException(std::current_exception(), sender);
}

void TApplication::HandleException(std::exception_ptr exception, TPersistent* sender) {
    if (!exception)
        return;
    try {
        std::rethrow_exception(exception);
    } catch (const Exception& e) {
        if (OnException)
            OnException(sender, e);
        else
            ShowException(e);
    } catch (...) {
        Exception empty("");
        if (OnException)
            OnException(sender, empty);
        else
            ShowException(empty);
    }
}

void TApplication::ShowException(const Exception& e) {
    try {
        MessageBox(e.Message(), FTitle, MB_OK | MB_ICONERROR);
    } catch (...) {
        // The box itself cannot be shown (no display, no font): the message goes to the error
        // output as one line instead.
        WriteExceptionLine(e);
    }
}

void TApplication::WriteExceptionLine(const Exception& e) const {
    std::string text = GbkToUtf8(FTitle.empty() ? e.Message() : FTitle + ": " + e.Message());
    for (char& c : text)
        if (c == '\r' || c == '\n' || c == '\t')
            c = ' ';
    text += '\n';
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags) {
    CancelHint();
    const std::string& cap = caption.empty() ? FTitle : caption;
    HWND owner = WindowSystemStarted() ? GetActiveWindow() : nullptr;
    if (FMessageBox)
        return FMessageBox(owner, text, cap, flags);
    return ShowMessageBox(owner, text, cap, flags);
}

// --- Hints -----------------------------------------------------------------------------------

void TApplication::SetShowHint(bool v) {
    FShowHint = v;
    if (!v)
        CancelHint();
}

bool TApplication::HintShowing() const {
    return FHintWindow && FHintWindow->IsHintShowing();
}

TControl* TApplication::ControlAt(HWND wnd, TPoint client) {
    TWinControl* w = TWinControl::FindControl(wnd);
    if (!w)
        return nullptr;
    if (TControl* g = w->ControlAtPos(client, false))
        return g;
    return w;
}

void TApplication::HintMouseMessage(const TMsg& msg) {
    switch (msg.message) {
    case WM_MOUSEMOVE: {
        if (FHintWindow && msg.hwnd == FHintWindow->FHandle)
            return;
        TControl* c = ControlAt(msg.hwnd, PointFromLParam(msg.lParam));
        if (c == FHintControl)
            return;
        bool wasShowing = HintShowing();
        CancelHint();
        FHintControl = c;
        if (!c || !FShowHint)
            return;
        bool recent =
            wasShowing || (GetTickCount() - FHintHiddenAt) < std::uint32_t(FHintShortPause);
        StartHintTimer(recent ? FHintShortPause : FHintPause, false);
        return;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        CancelHint();
        return;
    default:
        return;
    }
}

void TApplication::StartHintTimer(int ms, bool hides) {
    StopHintTimer();
    if (!WindowSystemStarted())
        return;
    FHintTimerHides = hides;
    FHintTimer = SetTimer(UINT(std::max(ms, 1)), [this](std::uintptr_t) { HintTimerExpired(); });
}

void TApplication::StopHintTimer() {
    if (FHintTimer && WindowSystemStarted())
        KillTimer(nullptr, FHintTimer);
    FHintTimer = 0;
}

void TApplication::HintTimerExpired() {
    StopHintTimer();
    if (FHintTimerHides)
        HideHint();
    else
        ActivateHint();
}

namespace {
// The hint of a control: its own, else its nearest parent's; the part before '|'.
std::string ShortHint(const TControl* c) {
    for (; c; c = c->Parent()) {
        if (!c->Hint().empty()) {
            const std::string& h = c->Hint();
            return h.substr(0, h.find('|'));
        }
    }
    return {};
}
} // namespace

void TApplication::ActivateHint() {
    TControl* c = FHintControl;
    if (!c || !FShowHint || !c->ShowHint() || !c->Showing())
        return;
    std::string text = ShortHint(c);
    if (text.empty())
        return;
    if (!FHintWindow)
        FHintWindow = new THintWindow(this);
    TPoint p;
    GetCursorPos(&p);
    TRect r = FHintWindow->CalcHintRect(Screen ? Screen->Width() / 3 : 300, text);
    // Below the pointer's arrow.
    r = r.Offset(p.X, p.Y + 20);
    FHintWindow->ActivateHint(r, text);
    if (FHintHidePause > 0)
        StartHintTimer(FHintHidePause, true);
}

void TApplication::HideHint() {
    if (HintShowing()) {
        FHintWindow->ReleaseHandle();
        FHintHiddenAt = GetTickCount();
    }
}

void TApplication::CancelHint() {
    StopHintTimer();
    if (WindowSystemStarted())
        HideHint();
}

void TApplication::HintMouseLeft(TWinControl* control) {
    if (!FHintControl)
        return;
    if (FHintControl == control || FHintControl->Parent() == control) {
        CancelHint();
        FHintControl = nullptr;
    }
}

void TApplication::ControlDestroying(TControl* control) {
    if (control == FHintControl) {
        CancelHint();
        FHintControl = nullptr;
    }
    if (control == FHintWindow)
        FHintWindow = nullptr;
    if (control == FMainForm) {
        FMainForm = nullptr;
        if (FRunning)
            Terminate(); // the program ends with its main form
    }
}
