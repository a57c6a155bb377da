#pragma once

#include "editors/CustomEdit.h"
#include "platform/stdctrls/CustomMemo.h"

class TcxCustomMemo;
class TcxCustomTextEdit;

// The native multi-line edit inside a memo: no border, the editor's colour and font, its keys
// offered to the editor first, its text the editor's display value. Its own scroll bars stay
// in its frame (they are where the editor reads the scroll state) but are not painted while the
// editor's bars lie over them.
class TcxCustomInnerMemo : public TCustomMemo, public IcxCustomInnerEdit {
public:
    // Made while the memo's own construction is still running: the editor is held by its base
    // class until the memo is whole.
    explicit TcxCustomInnerMemo(TcxCustomTextEdit* editor);
    std::string ClassName() const override { return "TcxCustomInnerMemo"; }

    // The memo, or none while the memo around this edit is still being made or taken apart.
    TcxCustomMemo* Editor() const;
    // Whether the editor itself is writing the text now.
    bool IsInternalTextSetting() const { return FInternalTextSetting; }
    // Whether the text is being changed by the user's keys or clipboard commands now.
    bool IsUserEditing() const { return FUserEditing; }

    // IcxCustomInnerEdit
    TWinControl* GetControl() override { return this; }
    TcxEditValue GetEditValue() override { return TcxEditValue(Text()); }
    void SetEditValue(const TcxEditValue& value) override;
    void SetReadOnly(bool value) override { TCustomMemo::SetReadOnly(value); }
    void SelectAll() override { TCustomMemo::SelectAll(); }

protected:
    void WndProc(TMessage& message) override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void KeyUp(std::uint16_t& key, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;
    void Change() override;

private:
    TcxCustomMemo* LiveEditor() const;
    void PaintFrameWithoutBars(TMessage& message);
    void RequestScrollBarsUpdate();

    TcxCustomTextEdit* FEditor;
    bool FInternalTextSetting = false;
    bool FEscapeProcessing = false;
    bool FUserEditing = false;
};
