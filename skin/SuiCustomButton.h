#pragma once

#include "platform/control/CustomControl.h"
#include "platform/draw/Resources.h"
#include "skin/UIStyle.h"

#include <memory>
#include <string>

class TBitmap;
class TCanvas;
class TTimer;

// A push button painted from bitmaps: one picture per state (normal, mouse on, mouse down; the
// disabled look reuses the normal picture), with a caption, a focus mark, clicks by mouse, Space
// and Enter, the accelerator and the Default/Cancel keys, a modal result for its form and a
// repeat event while the left mouse button is held on it.
//
// Nothing is cached: every paint reads the picture of the current state from the resource
// module and draws the whole button into an off-screen bitmap first. A picture that cannot be
// read is replaced by a blank 74 x 21 one. Subclasses choose the pictures (SetButtonPic) and may
// draw more (PaintPic, PaintText, PaintFocus).
class TsuiCustomButton : public TCustomControl {
public:
    explicit TsuiCustomButton(TComponent* owner);
    ~TsuiCustomButton() override;

    std::string ClassName() const override { return "TsuiCustomButton"; }

    // The size of the picture that stands in for one that cannot be read.
    static constexpr int BlankPictureWidth = 74;
    static constexpr int BlankPictureHeight = 21;

    TsuiUIStyle UIStyle() const { return FUIStyle; }
    void SetUIStyle(TsuiUIStyle style);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool v);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool v);
    // Enter clicks a Default button, Escape a Cancel button (through the form's dialog keys).
    bool Default() const { return FDefault; }
    void SetDefault(bool v);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool v) { FCancel = v; }
    // Given to the parent form on every click; a non-zero value ends a modal form's loop.
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int v) { FModalResult = v; }
    // Milliseconds between the repeat events while the left button is held (0 or less: none).
    int MouseContinuouslyDownInterval() const { return FMouseContinuouslyDownInterval; }
    void SetMouseContinuouslyDownInterval(int ms) { FMouseContinuouslyDownInterval = ms; }

    // The module the pictures are read from; nullptr (the answer for the program's own module
    // too) means the program's module.
    HMODULE ResHandle() const;
    void SetResHandle(HMODULE module) { DoSetResHandle(module); }

    // The resource names of the three state pictures, as the subclass publishes them.
    std::string PicNormalResName() const { return GetPicNormal(); }
    void SetPicNormalResName(const std::string& name) { SetPicNormal(name); }
    std::string PicMouseOnResName() const { return GetPicMouseOn(); }
    void SetPicMouseOnResName(const std::string& name) { SetPicMouseOn(name); }
    std::string PicMouseDownResName() const { return GetPicMouseDown(); }
    void SetPicMouseDownResName(const std::string& name) { SetPicMouseDown(name); }

    // The state shown now.
    bool IsMouseOn() const { return FMouseOn; }
    bool IsMouseDown() const { return FMouseDown; }
    bool RepeatTimerRunning() const;

    // Gives ModalResult to the parent form, then runs OnClick.
    void Click() override;

    TNotifyEvent OnMouseExit;
    // Each tick of the repeat timer while the left button is held on the button.
    TNotifyEvent OnMouseContinuouslyDown;

protected:
    // Change hooks.
    virtual void AutoSizeChanged();
    virtual void CaptionChanged() {}
    virtual void TransparentChanged();
    virtual void EnableChanged() {}
    // Custom turns AutoSize on.
    virtual void UIStyleChanged();

    // The colour of a disabled caption (over a white copy one pixel right and down).
    static constexpr TColor DisabledCaptionColor = 0x808080;

    // The stored resource names; the subclass decides what is published.
    virtual void SetPicMouseDown(const std::string& name);
    virtual void SetPicMouseOn(const std::string& name);
    virtual void SetPicNormal(const std::string& name);
    virtual std::string GetPicMouseDown() const { return FPicMouseDown; }
    virtual std::string GetPicMouseOn() const { return FPicMouseOn; }
    virtual std::string GetPicNormal() const { return FPicNormal; }
    virtual void DoSetResHandle(HMODULE module);

    // Painting steps on the off-screen canvas: the picture, the focus mark, the caption.
    virtual void PaintPic(TCanvas& canvas, TBitmap& picture);
    virtual void PaintText(TCanvas& canvas, const std::string& text);
    virtual void PaintFocus(TCanvas& canvas);
    // Read the picture of each state into picture.
    virtual void PaintButtonNormal(TBitmap& picture);
    virtual void PaintButtonMouseOn(TBitmap& picture);
    virtual void PaintButtonMouseDown(TBitmap& picture);
    virtual void PaintButtonDisabled(TBitmap& picture);
    // Takes the picture names of a theme.
    virtual void SetButtonPic(TsuiUIStyle style) = 0;

    void Paint() override;
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyUp(std::uint16_t& key, TShiftState shift) override;
    void CMDialogChar(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    void CMEnabledChanged(TMessage& message) override;
    void CMTextChanged(TMessage& message) override;
    void CMDialogKey(TMessage& message) override;

    // Reads a picture of the button's module; a blank 74 x 21 picture when it cannot be read.
    void LoadPicture(TBitmap& picture, const std::string& name) const;
    // Sets the stored names without side effects (for SetButtonPic).
    void StorePictureNames(const std::string& normal, const std::string& mouseOn,
                           const std::string& mouseDown);
    // The caption shows something besides blanks.
    bool HasVisibleCaption() const;

    std::string FPicNormal;
    std::string FPicMouseDown;
    std::string FPicMouseOn;
    HMODULE FResHandle = nullptr;
    // Whether pictures are drawn with their key colour left out; follows Transparent.
    bool FPicTransparent = false;
    bool FMouseOn = false;
    bool FMouseDown = false;

private:
    void StartRepeatTimer();
    // The left button went up: no more repeats, the pressed look ends.
    void LeftReleased();
    void StopRepeatTimer();
    void RepeatTick();

    bool FAutoSize = false;
    bool FCancel = false;
    bool FDefault = false;
    bool FTransparent = false;
    int FModalResult = 0;
    TsuiUIStyle FUIStyle = Custom;
    int FMouseContinuouslyDownInterval = 100;
    // Created on the first left press, then enabled from a press to the release or the mouse
    // leaving. Its own tick may stop it, so it is never freed while the button lives.
    std::unique_ptr<TTimer> FRepeatTimer;
};
