#pragma once

#include "platform/control/CustomControl.h"

#include <memory>
#include <string>
#include <vector>

class TMenuItem;
class TsuiForm;
class TsuiMainMenu;

// The menu bar of a skinned frame: one flat button per top-level entry of the frame's main menu,
// as wide as its caption. Pressing a button drops down the entry's commands below it (an entry
// without commands is chosen at once). The frame draws the bar's background and its hot and
// pressed buttons in its theme; the others show their caption on the background.
class TsuiMenuBar : public TCustomControl {
public:
    TsuiMenuBar(TComponent* owner, TsuiForm* frame);

    std::string ClassName() const override { return "TsuiMenuBar"; }

    // The bar's and its buttons' height.
    void SetBarHeight(int height);
    // Makes one button per entry of the menu (none without a menu).
    void Rebuild(TsuiMainMenu* menu);
    // Copies every entry's caption and enabling to its button.
    void UpdateButtons();

    int ButtonCount() const { return int(FButtons.size()); }
    TRect ButtonRect(int index) const { return FButtons.at(std::size_t(index)).Rect; }
    const std::string& ButtonCaption(int index) const {
        return FButtons.at(std::size_t(index)).Caption;
    }
    bool ButtonEnabled(int index) const { return FButtons.at(std::size_t(index)).Enabled; }
    TMenuItem* ButtonItem(int index) const { return FButtons.at(std::size_t(index)).Item; }
    // The button under the pointer (-1: none) and the one whose commands are dropped down.
    int HotButton() const { return FHot; }
    int SelectedButton() const { return FSelected; }

    // The caption as shown: '&' marks are taken out ("&&" is a plain '&').
    static std::string ShownCaption(const std::string& caption);

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseLeave() override;
    bool EraseBackground(TDC* dc) override;

private:
    struct TButton {
        TMenuItem* Item = nullptr;
        std::string Caption;
        bool Enabled = true;
        TRect Rect;
    };
    int ButtonAt(TPoint p) const;
    void LayoutButtons();
    void DropDown(int index);

    TsuiForm* FFrame;
    TsuiMainMenu* FMenu = nullptr;
    std::vector<TButton> FButtons;
    int FHot = -1;
    int FSelected = -1;
    // Cleared when the bar is destroyed: a command may free the window while its menu is open.
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);

public:
    ~TsuiMenuBar() override { *FAlive = false; }
};
