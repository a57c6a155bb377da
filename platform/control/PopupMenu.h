#pragma once

#include "platform/component/Component.h"
#include "platform/component/NotifyEvent.h"
#include "platform/control/MenuItem.h"

#include <memory>
#include <string>
#include <vector>

// A menu that pops up at a point of the screen, typically as the context menu of a control
// (TControl::PopupMenu): its items in order, shown in the layer's popup menu window with the
// desktop's menu font and colours.
//
// Popup runs OnPopup (which may still change the items), shows the visible items at the point
// (kept on the work area) and waits until an item is chosen or the menu is dismissed: with the
// mouse (the row under the pointer is highlighted; releasing a button over an enabled item
// chooses it) or the keyboard (Up and Down move over the enabled items, Enter or Space choose,
// an item's accelerator letter chooses it, Escape dismisses). A press outside the menu and the
// owner window losing the activation dismiss it too. The chosen item's OnClick runs after the
// menu window has closed.
//
// The menu owns the items Add creates; items owned elsewhere can be added and leave the menu
// when they are freed.
class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;

    std::string ClassName() const override { return "TPopupMenu"; }

    int Count() const { return int(FItems.size()); }
    TMenuItem* Items(int index) const { return FItems.at(std::size_t(index)); }
    int IndexOf(const TMenuItem* item) const;
    // A new item owned by the menu, at the end.
    TMenuItem* Add(const std::string& caption, TNotifyEvent onClick = nullptr);
    // Takes an item in at the end (or at index), out of the menu it was in.
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    // Takes an item out without freeing it.
    void Remove(TMenuItem* item);
    // Frees the items the menu owns and lets go of the others.
    void Clear();

    // Whether a control shows the menu by itself on a context-menu request.
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool v) { FAutoPopup = v; }
    // The component whose context menu is showing (set by the control before Popup).
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* component);

    // Shows the menu at a screen point and waits; see above. Does nothing while the menu is
    // already open or when no item is visible.
    void Popup(int screenX, int screenY);
    // Whether the menu window is open now.
    bool Popped() const { return FPopped; }

    TNotifyEvent OnPopup;

    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    std::vector<TMenuItem*> FItems;
    bool FAutoPopup = true;
    bool FPopped = false;
    TComponent* FPopupComponent = nullptr;
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};
