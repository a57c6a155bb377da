#pragma once

#include "platform/component/Component.h"
#include "platform/component/NotifyEvent.h"

#include <string>

class TPopupMenu;

// One command of a popup menu: a caption (GBK; "-" makes the item a separator line, '&' marks
// the accelerator letter, "&&" is a plain '&'), whether it can be chosen, whether it shows a
// check mark, whether it is shown at all, and what choosing it does. An item belongs to at
// most one menu; freed early, it leaves its menu.
class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    std::string ClassName() const override { return "TMenuItem"; }

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& caption) { FCaption = caption; }
    // A separator line: shown, never chosen.
    bool IsLine() const { return FCaption == "-"; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool v) { FEnabled = v; }
    bool Checked() const { return FChecked; }
    void SetChecked(bool v) { FChecked = v; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool v) { FVisible = v; }

    // The menu holding the item (nullptr when none).
    TPopupMenu* Menu() const { return FMenu; }

    // Runs OnClick (the item first) when the item is enabled and no separator.
    virtual void Click();
    TNotifyEvent OnClick;

    // In a layout an item is stored inside its menu.
    bool HasParent() const override { return FMenu != nullptr; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;

private:
    friend class TPopupMenu;

    std::string FCaption;
    bool FEnabled = true;
    bool FChecked = false;
    bool FVisible = true;
    TPopupMenu* FMenu = nullptr;
};
