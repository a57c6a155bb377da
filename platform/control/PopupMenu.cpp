#include "platform/control/PopupMenu.h"

#include "platform/control/WinControl.h"
#include "platform/window/MenuWindow.h"

#include <algorithm>

namespace {
// The top-level window the menu belongs to: that of the control it pops up for, else the
// active one.
HWND MenuOwnerWindow(TComponent* popupComponent) {
    if (auto* control = dynamic_cast<TControl*>(popupComponent)) {
        auto* w = dynamic_cast<TWinControl*>(control);
        if (!w)
            w = control->Parent();
        if (w && w->HandleAllocated())
            return GetAncestorRoot(w->Handle());
    }
    return GetActiveWindow();
}
} // namespace

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner) {}

TPopupMenu::~TPopupMenu() {
    *FAlive = false;
    for (TMenuItem* item : FItems)
        item->FMenu = nullptr;
    FItems.clear();
    DestroyComponents();
}

int TPopupMenu::IndexOf(const TMenuItem* item) const {
    auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : int(it - FItems.begin());
}

TMenuItem* TPopupMenu::Add(const std::string& caption, TNotifyEvent onClick) {
    auto* item = new TMenuItem(this);
    item->SetCaption(caption);
    item->OnClick = std::move(onClick);
    Add(item);
    return item;
}

void TPopupMenu::Add(TMenuItem* item) {
    Insert(Count(), item);
}

void TPopupMenu::Insert(int index, TMenuItem* item) {
    if (!item)
        return;
    if (item->FMenu)
        item->FMenu->Remove(item);
    index = std::clamp(index, 0, Count());
    FItems.insert(FItems.begin() + index, item);
    item->FMenu = this;
}

void TPopupMenu::Remove(TMenuItem* item) {
    if (!item || item->FMenu != this)
        return;
    std::erase(FItems, item);
    item->FMenu = nullptr;
}

void TPopupMenu::Clear() {
    while (!FItems.empty()) {
        TMenuItem* item = FItems.back();
        Remove(item);
        if (item->Owner() == this)
            item->Free();
    }
}

void TPopupMenu::SetPopupComponent(TComponent* component) {
    if (FPopupComponent == component)
        return;
    if (FPopupComponent)
        RemoveFreeNotification(FPopupComponent);
    FPopupComponent = component;
    if (component)
        FreeNotification(component);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FPopupComponent)
        FPopupComponent = nullptr;
}

void TPopupMenu::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
    (void)root;
    for (TMenuItem* item : FItems)
        proc(item);
}

void TPopupMenu::Popup(int screenX, int screenY) {
    if (FPopped)
        return;
    std::shared_ptr<bool> alive = FAlive;
    if (OnPopup)
        OnPopup(this);
    if (!*alive)
        return;
    std::vector<TMenuItem*> shown;
    std::vector<TMenuRow> rows;
    for (TMenuItem* item : FItems) {
        if (!item->Visible())
            continue;
        TMenuRow row;
        row.Separator = item->IsLine();
        row.Text = row.Separator ? std::string() : item->Caption();
        row.Enabled = item->Enabled();
        row.Checked = item->Checked();
        rows.push_back(row);
        shown.push_back(item);
    }
    if (rows.empty())
        return;
    FPopped = true;
    int chosen = -1;
    try {
        chosen = TrackMenuWindow(MenuOwnerWindow(FPopupComponent), {screenX, screenY}, rows);
    } catch (...) {
        if (*alive)
            FPopped = false;
        throw;
    }
    if (!*alive)
        return; // freed by something that ran while the menu was open
    FPopped = false;
    if (chosen < 0)
        return;
    TMenuItem* item = shown[std::size_t(chosen)];
    if (IndexOf(item) >= 0) // not freed meanwhile
        item->Click();
}
