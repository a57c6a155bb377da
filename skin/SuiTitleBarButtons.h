#pragma once

#include "platform/component/Collection.h"
#include "platform/draw/Picture.h"
#include "platform/draw/Resources.h"
#include "skin/UIStyle.h"

#include <cstdint>
#include <string>

class TPopupMenu;
class TsuiTitleBar;

// What a title-bar button does when clicked.
enum TsuiTitleBarBtnType : std::uint8_t {
    suiMax = 0,
    suiMin = 1,
    suiClose = 2,
    suiHelp = 3,
    suiControlBox = 4,
    suiCustom = 5,
};

// The three pictures of a title-bar button.
enum TsuiTitleBarBtnState : std::uint8_t { tbsNormal, tbsMouseOn, tbsMouseDown };

// One picture button of a title bar. The control box sits on the left, the others form the
// right-hand group. A new button is suiCustom, opaque, 2 pixels from the top, in theme DeepBlue.
class TsuiTitleBarButton : public TCollectionItem {
public:
    TsuiTitleBarButton();

    std::string ClassName() const override { return "TsuiTitleBarButton"; }

    TsuiTitleBarBtnType ButtonType() const { return FButtonType; }
    // A second suiControlBox button is refused with an error box; the type stays.
    void SetButtonType(TsuiTitleBarBtnType v);
    // Drawn with its bottom-left pixel's colour left out.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool v);
    int Top() const { return FTop; }
    void SetTop(int v);
    // A theme loads the pictures of the button's type (Custom keeps them).
    TsuiUIStyle UIStyle() const { return FUIStyle; }
    void SetUIStyle(TsuiUIStyle v);
    // The menu a control-box button drops down (a link; the bar forgets it when it is freed).
    TPopupMenu* ControlBoxMenu() const { return FControlBoxMenu; }
    void SetControlBoxMenu(TPopupMenu* menu);

    const TPicture& Picture(TsuiTitleBarBtnState state) const { return FPictures[state]; }
    // Copies the picture (nullptr empties it).
    void SetPicture(TsuiTitleBarBtnState state, const TPicture* picture);
    // Reads a bitmap resource (module nullptr: the program's own) and remembers its name, as
    // layouts store it; the empty name empties the picture.
    void LoadPicture(TsuiTitleBarBtnState state, HMODULE module, const std::string& name);
    const std::string& PictureResource(TsuiTitleBarBtnState state) const {
        return FPictureResources[state];
    }
    const TPicture& PicNormal() const { return FPictures[tbsNormal]; }
    const TPicture& PicMouseOn() const { return FPictures[tbsMouseOn]; }
    const TPicture& PicMouseDown() const { return FPictures[tbsMouseDown]; }

    TsuiTitleBar* Bar() const;

    // Runs the button's action on the bar's form: maximize or restore, minimize, close, or drop
    // down the control-box menu. Help and custom buttons report through the bar's events.
    void DoClick();

    // Copies ButtonType, Transparent, Top, UIStyle, the pictures and ControlBoxMenu.
    bool Assign(const TPersistent& source) override;

private:
    friend class TsuiTitleBar;

    void Restyle();
    // Loads the three pictures of theme elements first..first+2.
    void LoadThemePictures(int first);

    TsuiTitleBarBtnType FButtonType = suiCustom;
    bool FTransparent = false;
    int FTop = 2;
    TsuiUIStyle FUIStyle = Custom;
    TPicture FPictures[3];
    std::string FPictureResources[3];
    TPopupMenu* FControlBoxMenu = nullptr;
};

// The buttons of a title bar, in collection order.
class TsuiTitleBarButtons : public TCollectionOf<TsuiTitleBarButton> {
public:
    explicit TsuiTitleBarButtons(TsuiTitleBar* bar) : FBar(bar) {}

    std::string ClassName() const override { return "TsuiTitleBarButtons"; }
    TsuiTitleBar* Bar() const { return FBar; }

protected:
    void Update(TCollectionItem* item) override;

private:
    TsuiTitleBar* FBar;
};
