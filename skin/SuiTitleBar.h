#pragma once

#include "platform/control/Panel.h"
#include "platform/draw/Bitmap.h"
#include "skin/SuiTitleBarButtons.h"
#include "skin/SuiTitleBarSections.h"
#include "skin/UIStyle.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TCustomForm;

// A click on a help or custom title-bar button: the bar and the button's index in Buttons.
using TsuiTitleBarButtonClickEvent = std::function<void(TPersistent* Sender, int ButtonIndex)>;

// The skinned title bar of a window: a background of picture sections, the control box on the
// left, the right-hand group of close, maximize, minimize, help and custom buttons, and the
// caption between them. Pressing on empty bar space drags the window; releasing the mouse over a
// button clicks it. On a skinned frame (TsuiForm) it also gives the window its window region.
class TsuiTitleBar : public TCustomPanel {
public:
    explicit TsuiTitleBar(TComponent* owner);
    ~TsuiTitleBar() override;

    std::string ClassName() const override { return "TsuiTitleBar"; }

    // With AutoSize the bar is as high as its first section's picture.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool v);
    TsuiTitleBarSections& Sections() { return *FSections; }
    void SetSections(const TsuiTitleBarSections& sections) { FSections->Assign(sections); }
    TsuiTitleBarButtons& Buttons() { return *FButtons; }
    void SetButtons(const TsuiTitleBarButtons& buttons) { FButtons->Assign(buttons); }
    // Applying a theme replaces the sections and restyles every button; Custom only removes the
    // sections.
    TsuiUIStyle UIStyle() const { return FUIStyle; }
    void SetUIStyle(TsuiUIStyle v);
    // Extra pixels between the right-hand buttons.
    int ButtonInterval() const { return FButtonInterval; }
    void SetButtonInterval(int v);
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& v);
    // False draws the caption in the inactive-caption colour.
    bool FormActive() const { return FFormActive; }
    void SetFormActive(bool v);
    // Where the control box starts, and how far the right-hand group is shifted.
    int LeftBtnXOffset() const { return FLeftBtnXOffset; }
    void SetLeftBtnXOffset(int v);
    int RightBtnXOffset() const { return FRightBtnXOffset; }
    void SetRightBtnXOffset(int v);
    // Draws the program's icon ("MAINICON") instead of the control-box picture.
    bool DrawAppIcon() const { return FDrawAppIcon; }
    void SetDrawAppIcon(bool v);

    TsuiTitleBarButtonClickEvent OnCustomBtnsClick;
    TsuiTitleBarButtonClickEvent OnHelpBtnClick;

    // True when the bar sits on a skinned frame.
    bool InForm() const;
    // After a resize of the form: the window region follows the new size.
    void OnFormReSize();
    // Gives the form a window region with top corners rounded by an ellipse of v x v.
    void SetFormRoundCorner(int v);
    // The corner size of the current theme.
    int RoundCorner() const { return FRoundCorner; }

    // The button under the pointer at the last paint or mouse event (-1: none) and whether the
    // left button is held on the bar.
    int HotButton() const { return FHotButton; }
    bool MouseIsDown() const { return FMouseDown; }

    // Where the buttons lie in a bar of the current size: one rectangle per button of Buttons
    // (empty for a button not shown), the caption's left edge and the left edge of the
    // right-hand group.
    struct TButtonLayout {
        std::vector<TRect> Rects;
        int CaptionLeft = 0;
        int RightGroupLeft = 0;
    };
    TButtonLayout LayoutButtons(int width) const;
    // The caption as drawn into room pixels: the whole caption, or, when it does not fit, the
    // characters of its first two bytes followed by "..." (a double-byte character is never
    // cut in half).
    std::string FittedCaption(TCanvas& canvas, int room) const;

protected:
    void Paint() override;
    virtual void DrawSectionsTo(TBitmap& bitmap);
    virtual void DrawButtons(TBitmap& bitmap);

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseLeave() override;
    void DblClick() override;
    void CMFontChanged(TMessage& message) override;
    bool EraseBackground(TDC* dc) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    // The button under the pointer now, -1 when none.
    int ButtonUnderCursor() const;
    void DrawButtonPicture(TCanvas& canvas, const TsuiTitleBarButton& button, const TRect& rect,
                           bool hot);
    void DrawIcon(TCanvas& canvas, int x, int y);

    TsuiUIStyle FUIStyle = DeepBlue;
    std::unique_ptr<TsuiTitleBarSections> FSections;
    std::unique_ptr<TsuiTitleBarButtons> FButtons;
    bool FAutoSize = false;
    int FButtonInterval = 0;
    std::string FCaption;
    bool FFormActive = true;
    int FLeftBtnXOffset = 0;
    int FRightBtnXOffset = 0;
    int FRoundCorner = 0;
    bool FDrawAppIcon = false;
    bool FMouseDown = false;
    int FHotButton = -1;
    // Cleared when the bar is destroyed, so that a click whose action freed the bar's form
    // stops touching the bar.
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};
