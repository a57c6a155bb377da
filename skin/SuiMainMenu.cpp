#include "skin/SuiMainMenu.h"

#include "platform/control/MenuItem.h"
#include "platform/control/PopupMenu.h"
#include "platform/draw/SystemFonts.h"
#include "skin/SkinContainer.h"
#include "skin/SuiForm.h"

#include <algorithm>

TsuiMainMenu::TsuiMainMenu(TComponent* owner)
    : TComponent(owner), FUIStyle(GetSUIFormStyle(owner)) {
    TLogFont menu = GetMenuLogFont();
    FFont.SetName(menu.FaceName);
    FFont.SetHeight(menu.Height);
    FFont.SetCharset(menu.CharSet);
    FFont.SetColor(MenuTextColor());
}

TsuiMainMenu::~TsuiMainMenu() {
    if (FForm)
        FForm->SetMenu(nullptr);
    DestroyComponents();
}

int TsuiMainMenu::Count() const {
    return int(FEntries.size());
}

TMenuItem* TsuiMainMenu::Items(int index) const {
    return FEntries.at(std::size_t(index)).Item;
}

TMenuItem* TsuiMainMenu::Add(const std::string& caption) {
    auto* item = new TMenuItem(this);
    item->SetCaption(caption);
    auto* commands = new TPopupMenu(this);
    FEntries.push_back({item, commands});
    Changed();
    return item;
}

TPopupMenu* TsuiMainMenu::SubMenu(const TMenuItem* entry) const {
    for (const TEntry& e : FEntries)
        if (e.Item == entry)
            return e.Commands;
    return nullptr;
}

void TsuiMainMenu::SetShortCut(TMenuItem* item, std::uint16_t key, TShiftState shift) {
    std::erase_if(FShortCuts, [item](const TShortCut& s) { return s.Item == item; });
    if (!item || key == 0)
        return;
    FShortCuts.push_back({item, key, shift});
    if (item->Owner() != this)
        item->FreeNotification(this);
}

bool TsuiMainMenu::IsShortCut(std::uint16_t key, TShiftState shift) {
    shift &= ssShift | ssCtrl | ssAlt;
    for (const TShortCut& s : FShortCuts) {
        if (s.Key != key || s.Shift != shift)
            continue;
        if (s.Item->Enabled())
            s.Item->Click();
        return true;
    }
    return false;
}

void TsuiMainMenu::SetUIStyle(TsuiUIStyle v) {
    FUIStyle = v;
    if (FForm)
        FForm->RepaintMenuBar();
}

void TsuiMainMenu::SetForm(TsuiForm* form) {
    FForm = form;
}

void TsuiMainMenu::Changed() {
    if (FForm)
        FForm->UpdateMenu();
}

void TsuiMainMenu::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != opRemove)
        return;
    std::erase_if(FShortCuts, [component](const TShortCut& s) { return s.Item == component; });
    auto entry = std::find_if(FEntries.begin(), FEntries.end(), [component](const TEntry& e) {
        return e.Item == component || e.Commands == component;
    });
    if (entry == FEntries.end())
        return;
    TEntry gone = *entry;
    FEntries.erase(entry);
    if (gone.Item != component && !ComponentState().Contains(csDestroying))
        gone.Item->Free();
    else if (gone.Commands != component && !ComponentState().Contains(csDestroying))
        gone.Commands->Free();
    if (!ComponentState().Contains(csDestroying))
        Changed();
}
