#include "skin/SuiTitleBarButtons.h"

#include "platform/control/Application.h"
#include "platform/control/Form.h"
#include "platform/control/PopupMenu.h"
#include "platform/control/Screen.h"
#include "skin/SkinBitmap.h"
#include "skin/SkinErrorBox.h"
#include "skin/SuiTitleBar.h"
#include "skin/ThemeElements.h"

namespace {
// The first of the three picture elements (normal, mouse-on, mouse-down) of each button type.
constexpr int ClosePictures = 48;
constexpr int MaxPictures = 51;
constexpr int MinPictures = 54;
constexpr int HelpPictures = 57;
constexpr int ControlBoxPictures = 60;
constexpr int RestorePictures = 63;
constexpr int TransparentElement = 66;
constexpr int TopElement = 69;

TRect WorkArea() {
    if (Screen)
        return Screen->WorkAreaRect();
    TRect r;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &r, 0);
    return r;
}
} // namespace

TsuiTitleBarButton::TsuiTitleBarButton() {
    SetUIStyle(DeepBlue);
}

void TsuiTitleBarButton::SetButtonType(TsuiTitleBarBtnType v) {
    if (v == suiControlBox) {
        if (auto* buttons = dynamic_cast<TsuiTitleBarButtons*>(Collection())) {
            for (int i = 0; i < buttons->Count(); ++i) {
                if (buttons->Items(i)->FButtonType == suiControlBox) {
                    ShowSkinError(
                        "Sorry, only one button's ButtonType property can be \"suiControlBox\"");
                    return;
                }
            }
        }
    }
    FButtonType = v;
    Restyle();
    Changed(false);
}

void TsuiTitleBarButton::SetTransparent(bool v) {
    FTransparent = v;
    Changed(false);
}

void TsuiTitleBarButton::SetTop(int v) {
    FTop = v;
    Changed(false);
}

void TsuiTitleBarButton::SetUIStyle(TsuiUIStyle v) {
    FUIStyle = v;
    Restyle();
    Changed(false);
}

void TsuiTitleBarButton::SetControlBoxMenu(TPopupMenu* menu) {
    FControlBoxMenu = menu;
    if (menu)
        if (TsuiTitleBar* bar = Bar())
            bar->FreeNotification(menu);
}

void TsuiTitleBarButton::SetPicture(TsuiTitleBarBtnState state, const TPicture* picture) {
    if (picture)
        FPictures[state].Assign(*picture);
    else
        FPictures[state].SetGraphic(nullptr);
    FPictureResources[state].clear();
    Changed(false);
}

void TsuiTitleBarButton::LoadPicture(TsuiTitleBarBtnState state, HMODULE module,
                                     const std::string& name) {
    if (name.empty()) {
        SetPicture(state, nullptr);
        return;
    }
    TBitmap bitmap;
    LoadSkinBitmap(&bitmap, module, name);
    FPictures[state].SetGraphic(&bitmap);
    FPictureResources[state] = name;
    Changed(false);
}

void TsuiTitleBarButton::LoadThemePictures(int first) {
    for (int i = 0; i < 3; ++i) {
        TBitmap bitmap;
        std::string name = GetThemeString(FUIStyle, first + i);
        LoadSkinBitmap(&bitmap, nullptr, name);
        FPictures[i].SetGraphic(&bitmap);
        FPictureResources[i] = name;
    }
}

void TsuiTitleBarButton::Restyle() {
    if (FUIStyle == Custom)
        return;
    FTransparent = GetThemeBool(FUIStyle, TransparentElement);
    switch (FButtonType) {
    case suiMax:
        LoadThemePictures(MaxPictures);
        break;
    case suiMin:
        LoadThemePictures(MinPictures);
        break;
    case suiClose:
        LoadThemePictures(ClosePictures);
        break;
    case suiHelp:
        LoadThemePictures(HelpPictures);
        break;
    case suiControlBox:
        LoadThemePictures(ControlBoxPictures);
        break;
    case suiCustom:
        return; // keeps the pictures it was given
    }
    FTop = GetThemeInt(FUIStyle, TopElement);
    if (FButtonType == suiMax) {
        TsuiTitleBar* bar = Bar();
        TCustomForm* host = bar ? bar->GetParentForm() : nullptr;
        if (host && host->WindowState() == wsMaximized)
            LoadThemePictures(RestorePictures);
    }
}

TsuiTitleBar* TsuiTitleBarButton::Bar() const {
    auto* buttons = dynamic_cast<TsuiTitleBarButtons*>(Collection());
    return buttons ? buttons->Bar() : nullptr;
}

void TsuiTitleBarButton::DoClick() {
    TsuiTitleBar* bar = Bar();
    TCustomForm* host = bar ? bar->GetParentForm() : nullptr;
    if (!host)
        return;
    TRect work = WorkArea();
    host->Constraints().SetMaxHeight(work.Height());
    host->Constraints().SetMaxWidth(work.Width());
    switch (FButtonType) {
    case suiMax:
        if (host->WindowState() == wsMaximized) {
            host->SetWindowState(wsNormal);
        } else {
            host->SetWindowState(wsMaximized);
            if (bar->InForm())
                host->SetBounds(work.Left, work.Top, host->Width(), host->Height());
        }
        if (FUIStyle == WinXP) {
            LoadThemePictures(host->WindowState() == wsMaximized ? RestorePictures : MaxPictures);
            Changed(false);
        }
        bar->OnFormReSize();
        break;
    case suiMin:
        if (Application && host == Application->MainForm())
            SendMessage(host->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        else
            ShowWindow(host->Handle(), SW_SHOWMINIMIZED);
        break;
    case suiClose:
        host->Close();
        break;
    case suiControlBox:
        if (FControlBoxMenu) {
            TPoint p = bar->ClientToScreen({0, bar->Height()});
            FControlBoxMenu->SetPopupComponent(bar);
            FControlBoxMenu->Popup(p.X, p.Y);
        }
        break;
    case suiHelp:
    case suiCustom:
        break; // reported through the bar's events
    }
}

bool TsuiTitleBarButton::Assign(const TPersistent& source) {
    const auto* b = dynamic_cast<const TsuiTitleBarButton*>(&source);
    if (!b)
        return false;
    FButtonType = b->FButtonType;
    FTransparent = b->FTransparent;
    FTop = b->FTop;
    FUIStyle = b->FUIStyle;
    for (int i = 0; i < 3; ++i) {
        FPictures[i].Assign(b->FPictures[i]);
        FPictureResources[i] = b->FPictureResources[i];
    }
    SetControlBoxMenu(b->FControlBoxMenu);
    Changed(false);
    return true;
}

void TsuiTitleBarButtons::Update(TCollectionItem* item) {
    (void)item;
    if (FBar)
        FBar->Invalidate();
}
