#pragma once

#include "platform/component/NotifyEvent.h"
#include "platform/control/Form.h"
#include "platform/control/WinControl.h"
#include "platform/edit/EditText.h"

#include <string>

// The border of an edit: bsNone or bsSingle (a sunken edge) of the form border styles.
using TBorderStyle = TFormBorderStyle;
// TAlignment (taLeftJustify, taRightJustify, taCenter) comes with the control types.

// The control over a native single-line edit window (the EDIT class): its settings are kept
// while there is no window and handed to the window when it is created. Text, SelStart,
// SelLength and SelText read the window when there is one. OnChange fires after every change of
// the text, typed or written.
class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* owner);
    ~TCustomEdit() override;

    std::string ClassName() const override { return "TCustomEdit"; }

    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool v);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle v);
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase v);
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool v);
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int v); // negative values become 0 (no limit)
    char PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char v);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool v);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);
    bool Modified() const;
    void SetModified(bool v);

    int SelStart();
    void SetSelStart(int v);
    int SelLength();
    void SetSelLength(int v);
    std::string SelText();
    void SetSelText(const std::string& text);
    void SelectAll();
    void ClearSelection();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void Undo();
    bool CanUndo();
    void Clear() { SetText(""); }

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    std::string GetText() const override;
    void SetTextValue(const std::string& text) override;
    void CMFontChanged(TMessage& message) override;
    void CMColorChanged(TMessage& message) override;
    void CMEnabledChanged(TMessage& message) override;
    virtual void Change();
    // Hands the font and colours to the window.
    void UpdateWindowLook();
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

private:
    bool FAutoSelect = true;
    TBorderStyle FBorderStyle = bsSingle;
    TEditCharCase FCharCase = eccNormal;
    bool FHideSelection = true;
    int FMaxLength = 0;
    char FPasswordChar = 0;
    bool FReadOnly = false;
    TAlignment FAlignment = taLeftJustify;
    bool FModified = false;
    bool FCreating = false;
};

// The edit with its properties published.
class TEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
    std::string ClassName() const override { return "TEdit"; }
};
