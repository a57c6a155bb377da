#pragma once

#include "platform/control/Form.h"
#include "platform/control/Panel.h"
#include "skin/SuiTitleBar.h"
#include "skin/UIStyle.h"

#include <string>

class TsuiMainMenu;
class TsuiMenuBar;

// The skinned frame of a window (its host): a panel that takes the host's native caption and
// border away, covers the host's client area but for a border of BorderWidth pixels painted in
// BorderColor, and carries the skinned title bar and, with a main menu, a skinned menu bar. It
// watches the host's messages to stay aligned, to colour the caption by activation, to keep the
// window region and to offer resize borders. A host holds at most one frame.
class TsuiForm : public TCustomPanel {
public:
    // With a form as owner the form becomes the host; with any other owner the frame is a plain
    // panel. A second frame on one host raises EInvalidOperation.
    explicit TsuiForm(TComponent* owner);
    ~TsuiForm() override;

    std::string ClassName() const override { return "TsuiForm"; }

    TsuiUIStyle UIStyle() const { return FUIStyle; }
    void SetUIStyle(TsuiUIStyle v);
    // Whether a theme change is pushed down to the controls on the frame.
    bool UIStyleAutoUpdateSub() const { return FUIStyleAutoUpdateSub; }
    void SetUIStyleAutoUpdateSub(bool v) { FUIStyleAutoUpdateSub = v; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor v);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int v);
    bool TitleBarVisible() const;
    void SetTitleBarVisible(bool v);
    // The title bar's caption; writing it sets the host's caption too.
    std::string Caption() const;
    void SetCaption(const std::string& v);
    // A panel that fills the frame's client area (not the frame itself).
    TCustomPanel* FormPanel() const { return FFormPanel; }
    void SetFormPanel(TCustomPanel* panel);
    TsuiTitleBarButtons& TitleBarButtons() { return FTitleBar->Buttons(); }
    void SetTitleBarButtons(const TsuiTitleBarButtons& v) { FTitleBar->SetButtons(v); }
    TsuiTitleBarSections& TitleBarSections() { return FTitleBar->Sections(); }
    void SetTitleBarSections(const TsuiTitleBarSections& v) { FTitleBar->SetSections(v); }
    bool TitleBarDrawAppIcon() const { return FTitleBar->DrawAppIcon(); }
    void SetTitleBarDrawAppIcon(bool v) { FTitleBar->SetDrawAppIcon(v); }
    // The title bar's font (the controls on the frame keep the panel's own).
    TFont& Font() { return FTitleBar->Font(); }
    const TFont& Font() const { return FTitleBar->Font(); }
    TsuiMainMenu* Menu() const { return FMenu; }
    void SetMenu(TsuiMainMenu* menu);
    TColor MenuBarColor() const { return FMenuBarColor; }
    void SetMenuBarColor(TColor v);
    int MenuBarHeight() const { return FMenuBarHeight; }
    void SetMenuBarHeight(int v);
    // Writing the frame's size resizes the host around it.
    int Width() const { return TCustomPanel::Width(); }
    int Height() const { return TCustomPanel::Height(); }
    void SetWidth(int v);
    void SetHeight(int v);
    TsuiTitleBarButtonClickEvent& OnTitleBarCustomBtnsClick() {
        return FTitleBar->OnCustomBtnsClick;
    }
    TsuiTitleBarButtonClickEvent& OnTitleBarHelpBtnClick() { return FTitleBar->OnHelpBtnClick; }

    TsuiTitleBar* TitleBar() const { return FTitleBar; }
    TsuiMenuBar* MenuBar() const { return FMenuBar; }
    TCustomForm* Host() const { return FHost; }
    // Whether this frame installed the application-wide message hook.
    bool InstalledApplicationHook() const { return FInstalledAppHook; }

    // Places the frame in the host's client area inside the border (under the title bar's top
    // edge when the title bar is visible).
    void AlignSelf();
    // Paints the border strips on the host (on dc, or on a context taken for the purpose).
    void PaintFormBorder(TDC* dc = nullptr);
    // The host's window procedure while the frame lives: previous runs first.
    void NewParentWndProc(TMessage& message, const std::function<void(TMessage&)>& previous);
    // The application-wide hook: runs the main menu's shortcuts.
    void OnApplicationMessage(TMsg& msg, bool& handled);
    // 1 when the main menu took the key of a WM_KEYDOWN as one of its shortcuts, else 0.
    LRESULT ProcessKeyPress(const TMessage& message);

    // The menu bar: made while a main menu is assigned, under the title bar, with one button per
    // top-level entry (UpdateMenu makes them, UpdateTopMenu refreshes captions and enabling).
    void CreateMenuBar();
    // Frees the menu bar and lets go of the menu.
    void DestroyMenuBar();
    void UpdateMenu();
    void UpdateTopMenu();
    // Takes the menu's font again and repaints the bar.
    void RepaintMenuBar();
    // The menu bar's drawing in the theme (the main menu's own theme unless it is Custom): the
    // background, and a hot or pressed button with its caption.
    void DrawMenuBar(TCanvas& canvas, const TRect& rect);
    void DrawButton(TCanvas& canvas, const TRect& rect, const std::string& caption, bool selected);

protected:
    void Paint() override;
    bool EraseBackground(TDC* dc) override;
    void CreateWnd() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void AttachToHost(TCustomForm* host);
    void HitTest(TMessage& message);
    void MaximizeCorrection();

    TsuiTitleBar* FTitleBar = nullptr;
    TsuiMenuBar* FMenuBar = nullptr;
    TsuiMainMenu* FMenu = nullptr;
    TCustomForm* FHost = nullptr;
    TFormBorderStyle FHostBorderStyle = bsSizeable;
    TColor FBorderColor = clBlack;
    TCustomPanel* FFormPanel = nullptr;
    int FBorderWidth = 0;
    TsuiUIStyle FUIStyle = Custom;
    TColor FMenuBarColor = clBtnFace;
    int FMenuBarHeight = 22;
    bool FInstalledAppHook = false;
    bool FUIStyleAutoUpdateSub = false;
    TRect FHostBounds;
    bool FHostStartedMaximized = false;
    int FHostNonClientHeight = 0;
    int FHostNonClientWidth = 0;
};
