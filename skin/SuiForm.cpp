#include "skin/SuiForm.h"

#include "platform/control/Application.h"
#include "platform/control/Screen.h"
#include "platform/draw/Bitmap.h"
#include "platform/draw/DCStateSaver.h"
#include "skin/SkinBitmap.h"
#include "skin/SkinContainer.h"
#include "skin/SkinErrorBox.h"
#include "skin/SuiMainMenu.h"
#include "skin/SuiMenuBar.h"
#include "skin/ThemeElements.h"

namespace {
constexpr int BorderColorElement = 2;
constexpr int FormColorElement = 3;
constexpr int BorderWidthElement = 4;
constexpr int HotMenuFrameElement = 11;
constexpr int HotMenuFillElement = 12;
constexpr int HotMenuTextElement = 13;
// Pixels from the host's edge that resize it.
constexpr int ResizeZone = 5;

// How many times a host created maximized was sized while still maximized (shared by every
// frame): the third time it is maximized again and put at the work area's corner.
int MaximizedSizeCount = 0;

TRect WorkArea() {
    if (Screen)
        return Screen->WorkAreaRect();
    TRect r;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &r, 0);
    return r;
}

bool IsSizeable(TFormBorderStyle style) {
    return style == bsSizeable || style == bsSizeToolWin;
}

// A context over a window's client area for as long as it lives.
class TWindowDCGuard {
public:
    explicit TWindowDCGuard(HWND wnd) : FWnd(wnd), FDc(GetDC(wnd)) {}
    ~TWindowDCGuard() {
        if (FDc)
            ReleaseDC(FWnd, FDc);
    }
    TWindowDCGuard(const TWindowDCGuard&) = delete;
    TWindowDCGuard& operator=(const TWindowDCGuard&) = delete;
    TDC* Get() const { return FDc; }

private:
    HWND FWnd;
    TDC* FDc;
};
} // namespace

TsuiForm::TsuiForm(TComponent* owner) : TCustomPanel(owner) {
    auto* host = dynamic_cast<TCustomForm*>(owner);
    if (!host)
        return;
    // Refused before anything is touched, so that the host keeps its frame as it was.
    for (int i = 0; i < host->ControlCount(); ++i)
        if (dynamic_cast<TsuiForm*>(host->Controls(i)))
            throw EInvalidOperation(
                "Sorry, You can create only one TsuiForm component in one form!");
    AttachToHost(host);
}

void TsuiForm::AttachToHost(TCustomForm* host) {
    bool running = !host->ComponentState().Contains(csDesigning);
    if (running) {
        host->Constraints().SetMinHeight(50);
        host->Constraints().SetMinWidth(125);
    }
    FHost = host;
    FHostBounds = host->BoundsRect();
    FHostStartedMaximized = host->WindowState() == wsMaximized;

    FTitleBar = new TsuiTitleBar(this);
    FTitleBar->SetParent(this);
    FMenuBarColor = Color();
    FMenuBarHeight = 22;

    FHostBorderStyle = host->BorderStyle();
    SetUIStyle(DeepBlue);
    FUIStyleAutoUpdateSub = false;
    FHostNonClientHeight = host->Height() - host->ClientHeight();
    FHostNonClientWidth = host->Width() - host->ClientWidth();

    SetBevelOuter(bvNone);
    SetBevelInner(bvNone);
    TCustomPanel::SetBorderWidth(0);
    SetAlign(alNone);

    SetCaption(host->Caption());
    SetTitleBarVisible(true);
    TControl::SetCaption(" ");

    TRect work = WorkArea();
    if (running) {
        host->Constraints().SetMaxHeight(work.Height());
        host->Constraints().SetMaxWidth(work.Width());
        host->SetBorderStyle(bsNone);
        host->AddWindowHook(this, [this](TMessage& m, const TWndMethod& previous) {
            NewParentWndProc(m, previous);
        });
        if (host->HandleAllocated()) {
            HWND wnd = host->Handle();
            SetWindowLong(wnd, GWL_STYLE, GetWindowLong(wnd, GWL_STYLE) & ~LONG_PTR(WS_CAPTION));
        }
        if (Application && !Application->OnMessage) {
            Application->OnMessage = [this](TMsg& msg, bool& handled) {
                OnApplicationMessage(msg, handled);
            };
            FInstalledAppHook = true;
        }
    }
}

TsuiForm::~TsuiForm() {
    if (FInstalledAppHook && Application)
        Application->OnMessage = nullptr;
    if (FHost && !FHost->ComponentState().Contains(csDestroying)) {
        FHost->RemoveWindowHook(this);
        FHost->Invalidate(); // the frame's place shows the host again
    }
    if (FMenu)
        FMenu->SetForm(nullptr);
    if (FMenuBar) {
        FMenuBar->Free();
        FMenuBar = nullptr;
    }
    if (FTitleBar) {
        FTitleBar->Free();
        FTitleBar = nullptr;
    }
}

// --- Theme -------------------------------------------------------------------------------

void TsuiForm::SetUIStyle(TsuiUIStyle v) {
    FUIStyle = v;
    if (v == Custom)
        return;
    SetBorderColor(GetThemeColor(v, BorderColorElement));
    SetBorderWidth(GetThemeInt(v, BorderWidthElement));
    SetColor(GetThemeColor(v, FormColorElement));
    SetMenuBarColor(Color());
    if (FTitleBar)
        FTitleBar->SetUIStyle(v);
    if (FMenu && FMenu->UIStyle() != Custom)
        FMenu->SetUIStyle(v);
    if (FUIStyleAutoUpdateSub) {
        SubContainerApplyUIStyle(this, v);
        ContainerApplyUIStyle(this, v);
    }
    AlignSelf();
    Invalidate();
    PaintFormBorder();
    if (!ComponentState().Contains(csLoading)) {
        SetWidth(Width());
        SetHeight(Height());
    }
}

// --- Properties --------------------------------------------------------------------------

void TsuiForm::SetBorderColor(TColor v) {
    FBorderColor = v;
    AlignSelf();
    PaintFormBorder();
}

void TsuiForm::SetBorderWidth(int v) {
    FBorderWidth = v;
    SetWidth(Width());
    AlignSelf();
    SetHeight(Height());
    PaintFormBorder();
}

bool TsuiForm::TitleBarVisible() const {
    return FTitleBar && FTitleBar->Visible();
}

void TsuiForm::SetTitleBarVisible(bool v) {
    if (!FTitleBar)
        return;
    FTitleBar->SetVisible(v);
    FTitleBar->SetTop(0);
    AlignSelf();
    PaintFormBorder();
}

std::string TsuiForm::Caption() const {
    return FTitleBar ? FTitleBar->Caption() : TCustomPanel::Caption();
}

void TsuiForm::SetCaption(const std::string& v) {
    if (!FTitleBar) {
        TCustomPanel::SetCaption(v);
        return;
    }
    FTitleBar->SetCaption(v);
    if (FHost)
        FHost->SetCaption(v);
}

void TsuiForm::SetFormPanel(TCustomPanel* panel) {
    if (panel == this) {
        ShowSkinError("Sorry, you can't select the Form assign to FormPanel property");
        return;
    }
    if (FFormPanel && FFormPanel != panel)
        FFormPanel->RemoveFreeNotification(this);
    FFormPanel = panel;
    if (!panel)
        return;
    panel->FreeNotification(this);
    panel->SetAlign(alClient);
    if (panel->ClassName() == "TPanel") {
        panel->SetBevelOuter(bvNone);
        panel->SetBevelInner(bvNone);
        panel->SetBorderWidth(0);
    }
    panel->SetCaption("");
}

void TsuiForm::SetMenuBarColor(TColor v) {
    FMenuBarColor = v;
    if (FMenuBar)
        FMenuBar->SetColor(v);
}

void TsuiForm::SetMenuBarHeight(int v) {
    FMenuBarHeight = v;
    if (FMenuBar)
        FMenuBar->SetBarHeight(v);
}

// --- Geometry ----------------------------------------------------------------------------

void TsuiForm::SetWidth(int v) {
    if (!FHost) {
        TCustomPanel::SetWidth(v);
        return;
    }
    int extra = FHost->ComponentState().Contains(csDesigning) ? FHostNonClientWidth : 0;
    FHost->SetWidth(v + 2 * FBorderWidth + extra);
    AlignSelf();
}

void TsuiForm::SetHeight(int v) {
    if (!FHost) {
        TCustomPanel::SetHeight(v);
        return;
    }
    int extra = FHost->ComponentState().Contains(csDesigning) ? FHostNonClientHeight : 0;
    FHost->SetHeight(v + FBorderWidth + FBorderWidth / 2 + extra);
    AlignSelf();
}

void TsuiForm::AlignSelf() {
    if (!FHost)
        return;
    int top = TitleBarVisible() ? 0 : FBorderWidth;
    TRect client = FHost->ClientRect();
    SetBounds(FBorderWidth, top, client.Width() - 2 * FBorderWidth,
              client.Height() - FBorderWidth - top);
}

// --- Painting ----------------------------------------------------------------------------

void TsuiForm::PaintFormBorder(TDC* dc) {
    if (!FHost || !FHost->HandleAllocated() || FBorderWidth <= 0)
        return;
    std::unique_ptr<TWindowDCGuard> own;
    if (!dc) {
        own = std::make_unique<TWindowDCGuard>(FHost->Handle());
        dc = own->Get();
        if (!dc)
            return;
    }
    TRect client = FHost->ClientRect();
    int cw = client.Width(), ch = client.Height(), bw = FBorderWidth;
    TCanvas canvas(dc);
    canvas.Pen().SetColor(FBorderColor);
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetWidth(bw);
    canvas.Brush().SetColor(FBorderColor);
    canvas.Brush().SetStyle(bsSolid);
    canvas.FillRect({0, 0, bw, ch});
    canvas.FillRect({0, ch - bw, cw, ch});
    canvas.FillRect({cw - bw, 0, cw, ch});
    canvas.MoveTo(0, 0);
    canvas.LineTo(cw, 0);
}

void TsuiForm::Paint() {
    TRect r = ClientRect();
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    if (FUIStyle == MacOS || FUIStyle == Protein) {
        // Only the part that can be seen is tiled: a see-through child paints the frame under
        // itself, and that is a small piece each time. The tiles stay aligned to the frame's
        // top-left corner whatever part is painted. The texture goes straight onto the canvas:
        // the window is already drawn off-screen and shown whole, so a picture of the frame's
        // size in between would only add a copy of it to the memory.
        const TRect area = r.Intersected(Canvas().ClipRect());
        TDC* dc = Canvas().Handle();
        if (area.IsEmpty() || !dc)
            return;
        TBitmap texture;
        LoadSkinBitmap(&texture, nullptr,
                       FUIStyle == MacOS ? "MACOS_FORM_BACKGROUND" : "PROTEIN_FORM_BACKGROUND");
        TLogBrush tiles;
        tiles.Style = BS_PATTERN;
        tiles.Pattern = std::make_shared<const TPixelBuffer>(texture.Pixels());
        TDCStateSaver saved(*dc);
        dc->SetBrushOrg({0, 0});
        dc->FillRect(area, tiles);
        return;
    }
    Canvas().Brush().SetColor(Color());
    Canvas().Brush().SetStyle(bsSolid);
    Canvas().FillRect(r);
}

bool TsuiForm::EraseBackground(TDC* dc) {
    (void)dc;
    PaintFormBorder();
    return true; // Paint covers the frame
}

void TsuiForm::CreateWnd() {
    TCustomPanel::CreateWnd();
    AlignSelf();
    PaintFormBorder();
}

// --- The host's messages -----------------------------------------------------------------

void TsuiForm::NewParentWndProc(TMessage& m, const std::function<void(TMessage&)>& previous) {
    previous(m);
    switch (m.Msg) {
    case WM_KEYDOWN:
        m.Result = ProcessKeyPress(m);
        break;
    case WM_SHOWWINDOW:
        FHost->SetMenu(nullptr);
        break;
    case WM_ACTIVATE:
        FTitleBar->SetFormActive(LOWORD(m.WParam) != 0);
        break;
    case WM_SIZE:
        MaximizeCorrection();
        AlignSelf();
        PaintFormBorder();
        FTitleBar->OnFormReSize();
        break;
    case WM_ERASEBKGND:
        PaintFormBorder(reinterpret_cast<TDC*>(m.WParam));
        break;
    case WM_NCHITTEST:
        HitTest(m);
        break;
    default:
        break;
    }
}

void TsuiForm::HitTest(TMessage& m) {
    if (FHost->WindowState() == wsMaximized || !IsSizeable(FHostBorderStyle))
        return;
    TPoint p = FHost->ScreenToClient({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
    int cw = FHost->ClientWidth(), ch = FHost->ClientHeight();
    bool left = p.X < ResizeZone, top = p.Y < ResizeZone;
    bool right = p.X > cw - ResizeZone, bottom = p.Y > ch - ResizeZone;
    if (left && top)
        m.Result = HTTOPLEFT;
    else if (right && top)
        m.Result = HTTOPRIGHT;
    else if (right && bottom)
        m.Result = HTBOTTOMRIGHT;
    else if (left && bottom)
        m.Result = HTBOTTOMLEFT;
    else if (left)
        m.Result = HTLEFT;
    else if (top)
        m.Result = HTTOP;
    else if (right)
        m.Result = HTRIGHT;
    else if (bottom)
        m.Result = HTBOTTOM;
}

void TsuiForm::MaximizeCorrection() {
    if (!FHostStartedMaximized)
        return;
    if (FHost->WindowState() == wsMaximized) {
        if (MaximizedSizeCount < 2) {
            ++MaximizedSizeCount;
            return;
        }
        TRect work = WorkArea();
        FHost->SetWindowState(wsMaximized);
        FHost->SetBounds(work.Left, work.Top, FHost->Width(), FHost->Height());
        return;
    }
    FHostStartedMaximized = false;
    FHost->SetBounds(FHostBounds.Left, FHostBounds.Top, FHostBounds.Width(), FHostBounds.Height());
}

void TsuiForm::OnApplicationMessage(TMsg& msg, bool& handled) {
    if (msg.message != WM_KEYDOWN)
        return;
    TMessage m{msg.message, msg.wParam, msg.lParam, 0};
    if (ProcessKeyPress(m) != 0)
        handled = true;
}

void TsuiForm::Notification(TComponent* component, TOperation operation) {
    TCustomPanel::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == FFormPanel)
        FFormPanel = nullptr;
    if (FMenu && component == FMenu)
        DestroyMenuBar();
    if (component == FMenuBar)
        FMenuBar = nullptr;

    if (component == FTitleBar)
        FTitleBar = nullptr;
}

// --- Main menu and menu bar --------------------------------------------------------------

LRESULT TsuiForm::ProcessKeyPress(const TMessage& message) {
    if (!FMenu || message.Msg != WM_KEYDOWN)
        return 0;
    return FMenu->IsShortCut(std::uint16_t(message.WParam), KeyboardShiftState()) ? 1 : 0;
}

void TsuiForm::SetMenu(TsuiMainMenu* menu) {
    if (menu == FMenu)
        return;
    if (FMenu) {
        FMenu->SetForm(nullptr);
        FMenu->RemoveFreeNotification(this);
    }
    FMenu = menu;
    if (!menu) {
        DestroyMenuBar();
        return;
    }
    menu->SetForm(this);
    menu->FreeNotification(this);
    if (!FMenuBar)
        CreateMenuBar();
    UpdateMenu();
}

void TsuiForm::CreateMenuBar() {
    if (FMenuBar || !FTitleBar)
        return;
    FMenuBar = new TsuiMenuBar(this, this);
    FMenuBar->SetParent(this);
    FMenuBar->SetColor(FMenuBarColor);
    FMenuBar->SetBounds(0, FTitleBar->Top() + FTitleBar->Height(), Width(), FMenuBarHeight);
    FMenuBar->SetAlign(alTop);
    FMenuBar->SetBarHeight(FMenuBarHeight);
    // The title bar stays above the menu bar.
    FTitleBar->SetTop(0);
    Realign();
}

void TsuiForm::DestroyMenuBar() {
    if (FMenuBar) {
        TsuiMenuBar* bar = FMenuBar;
        FMenuBar = nullptr;
        bar->Free();
    }
    if (FMenu) {
        TsuiMainMenu* menu = FMenu;
        FMenu = nullptr;
        if (!menu->ComponentState().Contains(csDestroying)) {
            menu->SetForm(nullptr);
            menu->RemoveFreeNotification(this);
        }
    }
}

void TsuiForm::UpdateMenu() {
    if (FMenuBar)
        FMenuBar->Rebuild(FMenu);
}

void TsuiForm::UpdateTopMenu() {
    if (FMenuBar)
        FMenuBar->UpdateButtons();
}

void TsuiForm::RepaintMenuBar() {
    if (FMenuBar)
        FMenuBar->UpdateButtons();
}

void TsuiForm::DrawMenuBar(TCanvas& canvas, const TRect& rect) {
    TsuiUIStyle style = FMenu && FMenu->UIStyle() != Custom ? FMenu->UIStyle() : FUIStyle;
    if (style != MacOS)
        return; // the bar's own colour
    TBitmap picture;
    LoadSkinBitmap(&picture, nullptr, "MACOS_MENU_BAR");
    canvas.StretchDraw(rect, picture);
}

void TsuiForm::DrawButton(TCanvas& canvas, const TRect& rect, const std::string& caption,
                          bool selected) {
    TsuiUIStyle style = FMenu && FMenu->UIStyle() != Custom ? FMenu->UIStyle() : FUIStyle;
    if (FMenu)
        canvas.Font().Assign(FMenu->Font());
    canvas.Font().SetColor(GetThemeColor(style, HotMenuTextElement));
    canvas.Brush().SetStyle(bsClear);
    if (style == MacOS) {
        TBitmap picture;
        LoadSkinBitmap(&picture, nullptr, "MACOS_MENU_SELECT");
        TBitmap button(rect.Width(), rect.Height());
        button.Canvas().StretchDraw({0, 0, rect.Width(), rect.Height()}, picture);
        button.Canvas().Font().Assign(canvas.Font());
        button.Canvas().Brush().SetStyle(bsClear);
        TRect text{0, 0, rect.Width(), rect.Height()};
        button.Canvas().Handle()->DrawText(caption, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        canvas.Draw(rect.Left, rect.Top, button);
        return;
    }
    TRect box = rect;
    if (selected)
        box.Right -= 2;
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(GetThemeColor(style, HotMenuFillElement));
    canvas.FillRect(box);
    canvas.Brush().SetColor(GetThemeColor(style, HotMenuFrameElement));
    canvas.FrameRect(box);
    canvas.Brush().SetStyle(bsClear);
    TRect text = selected ? rect.Offset(2, 2) : rect;
    canvas.Handle()->DrawText(caption, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
