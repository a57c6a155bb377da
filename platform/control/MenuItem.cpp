#include "platform/control/MenuItem.h"

#include "platform/control/PopupMenu.h"

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
    if (FMenu)
        FMenu->Remove(this);
}

void TMenuItem::Click() {
    if (FEnabled && !IsLine() && OnClick)
        OnClick(this);
}

TComponent* TMenuItem::GetParentComponent() const {
    return FMenu;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
    if (FMenu)
        FMenu->Remove(this);
    if (auto* menu = dynamic_cast<TPopupMenu*>(parent))
        menu->Add(this);
    else if (parent)
        throw EComponentError("A menu item can only be placed in a popup menu");
}
