#pragma once

#include "editors/CustomEdit.h"
#include "platform/stdctrls/CustomEdit.h"

class TcxCustomTextEdit;

// The native single-line edit inside a text edit: no border, the editor's colour and font, its
// keys offered to the editor first, its text the editor's display value.
class TcxCustomInnerTextEdit : public TCustomEdit, public IcxCustomInnerEdit {
public:
    explicit TcxCustomInnerTextEdit(TcxCustomTextEdit* editor);
    std::string ClassName() const override { return "TcxCustomInnerTextEdit"; }

    TcxCustomTextEdit* Editor() const { return FEditor; }

    // IcxCustomInnerEdit
    TWinControl* GetControl() override { return this; }
    TcxEditValue GetEditValue() override { return TcxEditValue(Text()); }
    void SetEditValue(const TcxEditValue& value) override;
    void SetReadOnly(bool value) override { TCustomEdit::SetReadOnly(value); }
    void SelectAll() override { TCustomEdit::SelectAll(); }

protected:
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void KeyUp(std::uint16_t& key, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;
    void Resize() override;
    void Change() override;
    void MouseEnter() override;

private:
    bool EditorAlive() const;

    TcxCustomTextEdit* FEditor;
};

// The single-line text edit: the editor framework with a hosted native edit. Text reads the
// native edit (typing included) and writing it sets the display text, which fires OnChange and,
// when the value changed, OnEditValueChanged. The editor's height follows its font; a centred or
// right-aligned editor draws its text itself while it is not the active control.
class TcxCustomTextEdit : public TcxCustomEdit {
public:
    explicit TcxCustomTextEdit(TComponent* owner);
    ~TcxCustomTextEdit() override;

    std::string ClassName() const override { return "TcxCustomTextEdit"; }

    TcxCustomTextEditProperties& Properties() const {
        return static_cast<TcxCustomTextEditProperties&>(TcxCustomEdit::Properties());
    }
    // The single-line inner edit; nullptr in an editor with another inner edit class.
    TcxCustomInnerTextEdit* InnerTextEdit() const {
        return dynamic_cast<TcxCustomInnerTextEdit*>(FInnerEdit);
    }

    bool BeepOnEnter() const { return FBeepOnEnter; }
    void SetBeepOnEnter(bool value) { FBeepOnEnter = value; }
    int SelStart() const;
    void SetSelStart(int value);
    int SelLength() const;
    void SetSelLength(int value);
    std::string SelText() const;
    void SetSelText(const std::string& value);
    void ClearSelection();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void Undo();
    // Sets the text as if typed: only when editing is allowed.
    void SetEditingText(const std::string& value);

    // Whether the inner edit is the editing surface (else the editor draws its text).
    virtual bool IsEditClass() const;
    // The inner edit's key stages consult these.
    bool WithholdsEnterOrEscape(char key) const;

protected:
    // The native edit an editor hosts, made with the editor as its owner; it also implements
    // IcxCustomInnerEdit.
    using TInnerEditFactory = std::function<TCustomEdit*(TcxCustomTextEdit* editor)>;
    TcxCustomTextEdit(TComponent* owner, const TPropertiesFactory& propertiesClass,
                      const TInnerEditFactory& innerEditClass);
    TCustomEdit* InnerEditControl() const { return FInnerEdit; }

    std::string GetText() const override;
    void SetTextValue(const std::string& text) override;
    void WndProc(TMessage& message) override;
    void Paint() override;
    void SetSize() override;
    void AdjustInnerControl() override;
    void PropertiesChanged() override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    bool WantNavigationKeys() const override { return true; }

    // Sets the display text when the properties accept it; false when refused.
    bool SetDisplayText(const std::string& text);
    void AdjustInnerEditPosition();
    int AutoHeight();

private:
    friend class TcxCustomInnerTextEdit;

    TCustomEdit* FInnerEdit = nullptr;
    bool FBeepOnEnter = true;
    bool FSettingText = false;
    bool FAdjustingPosition = false;
    bool FSizing = false;
    bool FEnterHandled = false;
};

// The published text edit.
class TcxTextEdit : public TcxCustomTextEdit {
public:
    using TcxCustomTextEdit::TcxCustomTextEdit;
    std::string ClassName() const override { return "TcxTextEdit"; }
};
