#pragma once

#include "platform/component/Component.h"
#include "platform/control/ControlTypes.h"
#include "platform/draw/Font.h"
#include "skin/UIStyle.h"

#include <cstdint>
#include <string>
#include <vector>

class TMenuItem;
class TPopupMenu;
class TsuiForm;

// A main menu for a skinned frame: a row of top-level entries, each with the commands it drops
// down, and keyboard shortcuts for commands. Assigned to a frame's Menu it is shown as the
// frame's menu bar; the frame asks it for shortcuts on every key press.
class TsuiMainMenu : public TComponent {
public:
    explicit TsuiMainMenu(TComponent* owner);
    ~TsuiMainMenu() override;

    std::string ClassName() const override { return "TsuiMainMenu"; }

    // The top-level entries, in order (their OnClick runs when an entry without commands is
    // chosen).
    int Count() const;
    TMenuItem* Items(int index) const;
    TMenuItem* Add(const std::string& caption);
    // The commands an entry drops down (nullptr for an item that is no entry of this menu).
    TPopupMenu* SubMenu(const TMenuItem* entry) const;

    // Ctrl+S and the like: the key (virtual key code) and shift state run the command.
    void SetShortCut(TMenuItem* item, std::uint16_t key, TShiftState shift);
    // Runs the command of the shortcut, if it is one of this menu's and enabled; true when it was
    // a shortcut of this menu.
    bool IsShortCut(std::uint16_t key, TShiftState shift);

    // The theme the bar is drawn in (Custom: the frame's theme decides). A new menu takes the
    // theme of its owner's frame, DeepBlue without one.
    TsuiUIStyle UIStyle() const { return FUIStyle; }
    void SetUIStyle(TsuiUIStyle v);
    TFont& Font() { return FFont; }

    // The frame showing the menu (kept by the frame).
    TsuiForm* Form() const { return FForm; }
    void SetForm(TsuiForm* form);
    // Tells the frame that entries changed (captions, enabling, new entries).
    void Changed();

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    struct TShortCut {
        TMenuItem* Item;
        std::uint16_t Key;
        TShiftState Shift;
    };
    struct TEntry {
        TMenuItem* Item;
        TPopupMenu* Commands;
    };

    std::vector<TEntry> FEntries;
    std::vector<TShortCut> FShortCuts;
    TsuiUIStyle FUIStyle = DeepBlue;
    TFont FFont;
    TsuiForm* FForm = nullptr;
};
