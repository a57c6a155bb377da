#pragma once

#include "platform/component/Component.h"
#include "platform/control/ControlTypes.h"
#include "platform/core/PixelBuffer.h" // WinApi.h uses it without including it
#include "platform/window/WinApi.h"

#include <exception>
#include <functional>
#include <string>

class TControl;
class TCustomForm;
class TWinControl;
class THintWindow;
class TScreen;

using TMessageEvent = std::function<void(TMsg& Msg, bool& Handled)>;
using TExceptionEvent = std::function<void(TPersistent* Sender, const Exception& E)>;
// Shows a message box: owner, text, caption, MB_ flags; answers the button pressed.
using TMessageBoxFunction =
    std::function<int(HWND owner, const std::string& text, const std::string& caption, UINT type)>;

// The application object: title, forms, the message loop, exceptions that escape handlers, and
// the hints shown for the control under the resting pointer. There is one, created by the
// program (or a test) and reachable through the global Application while it lives; it creates
// the Screen object with it.
class TApplication : public TComponent {
public:
    explicit TApplication(TComponent* owner = nullptr);
    ~TApplication() override;

    std::string ClassName() const override { return "TApplication"; }

    // Hooks the application into the window layer (message hook, loop exception handler) and
    // gives every window the program's icon, its bitmap resource MAINICON when it has one.
    // The window layer must be started; only the global Application hooks in. Calling it again
    // does nothing.
    void Initialize();

    // The caption of message boxes and of the main form's task bar entry (GBK).
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& title);

    // Creates a form owned by the application; the first one becomes the main form.
    template <class T> void CreateForm(T*& reference) {
        T* form = new T(this);
        reference = form;
        FormCreated(form);
    }
    TCustomForm* CreateForm(const std::function<TCustomForm*(TComponent* owner)>& factory);
    TCustomForm* MainForm() const { return FMainForm; }
    bool ShowMainForm() const { return FShowMainForm; }
    void SetShowMainForm(bool v) { FShowMainForm = v; }

    // Shows the main form and runs the message loop until the main form is closed or freed (or
    // Terminate); returns the exit code (0). Without a main form it returns at once.
    int Run();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    // Handles every message that is there now.
    void ProcessMessages();
    // Waits for one message and handles it.
    void HandleMessage();

    // Shows the exception being handled (call inside a catch block, or with an exception
    // pointer): OnException when assigned, else ShowException. An exception that is not an
    // Exception becomes one with an empty message.
    void HandleException(TPersistent* sender);
    void HandleException(std::exception_ptr exception, TPersistent* sender = nullptr);
    // A message box with the exception's message, the title as caption and the error icon;
    // when no box can be shown, one UTF-8 line "title: message" on the error output.
    void ShowException(const Exception& e);
    // A message box with the title as caption (nullptr/empty caption: the title).
    int MessageBox(const std::string& text, const std::string& caption, UINT flags);
    // Replaces how message boxes are shown (tests record them); nullptr restores the default.
    void SetMessageBoxFunction(TMessageBoxFunction f) { FMessageBox = std::move(f); }

    TMessageEvent OnMessage;
    TExceptionEvent OnException;

    // --- Hints ---------------------------------------------------------------------------
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool v);
    int HintPause() const { return FHintPause; }
    void SetHintPause(int ms) { FHintPause = ms; }
    int HintShortPause() const { return FHintShortPause; }
    void SetHintShortPause(int ms) { FHintShortPause = ms; }
    int HintHidePause() const { return FHintHidePause; }
    void SetHintHidePause(int ms) { FHintHidePause = ms; }
    // The hint window (nullptr until a hint was first shown).
    THintWindow* HintWindow() const { return FHintWindow; }
    bool HintShowing() const;
    // The control whose hint is shown or waited for.
    TControl* HintControl() const { return FHintControl; }
    void CancelHint();
    void HideHint();

    // Called by the controls.
    void ControlDestroying(TControl* control);
    void HintMouseLeft(TWinControl* control);

private:
    void WriteExceptionLine(const Exception& e) const;
    void FormCreated(TCustomForm* form);
    void HookMessage(TMsg& msg, bool& handled);
    void LoadIcon();
    void HintMouseMessage(const TMsg& msg);
    void StartHintTimer(int ms, bool showing);
    void StopHintTimer();
    void HintTimerExpired();
    void ActivateHint();
    static TControl* ControlAt(HWND wnd, TPoint client);

    std::string FTitle;
    TCustomForm* FMainForm = nullptr;
    bool FShowMainForm = true;
    bool FTerminated = false;
    bool FRunning = false;
    int FExitCode = 0;
    int FHookId = -1;
    bool FInitialized = false;
    TMessageBoxFunction FMessageBox;
    TScreen* FOwnScreen = nullptr;

    bool FShowHint = true;
    int FHintPause = 500;
    int FHintShortPause = 50;
    int FHintHidePause = 2500;
    THintWindow* FHintWindow = nullptr;
    TControl* FHintControl = nullptr;
    std::uintptr_t FHintTimer = 0;
    bool FHintTimerHides = false;
    std::uint32_t FHintHiddenAt = 0;
};

// The program's application object (nullptr when there is none).
extern TApplication* Application;

// Shows a message box through the window layer's message box service.
int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);
