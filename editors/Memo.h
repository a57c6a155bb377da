#pragma once

#include "editors/InnerMemo.h"
#include "editors/MemoProperties.h"
#include "editors/TextEdit.h"

// Posted to itself by a memo whose scroll state may have changed: the editor's scroll bars are
// then brought in step with the native memo's.
constexpr UINT CM_UPDATESCROLLBARS = 0x8080;

// The multi-line memo: the text edit over a native multi-line edit. Its scroll bars are the
// editor's own (painted by the look-and-feel), laid exactly over the native memo's and fed
// with their range, page and position; scrolling them scrolls the native memo. A read-only
// memo still scrolls, selects (Ctrl+A selects all) and copies, and lines can still be added.
class TcxCustomMemo : public TcxCustomTextEdit {
public:
    explicit TcxCustomMemo(TComponent* owner);
    ~TcxCustomMemo() override;

    std::string ClassName() const override { return "TcxCustomMemo"; }

    TcxCustomMemoProperties& Properties() const {
        return static_cast<TcxCustomMemoProperties&>(TcxCustomEdit::Properties());
    }
    TcxCustomInnerMemo* InnerMemo() const { return FInnerMemo; }

    // The inner memo's lines; setting them assigns the given list.
    TStrings& Lines() { return FInnerMemo->Lines(); }
    void SetLines(const TStrings& lines) { FInnerMemo->Lines().Assign(lines); }
    // The caret as (column, line).
    TPoint CaretPos() const;
    void SetCaretPos(TPoint value);
    // Whether the properties' scroll bars have been applied once.
    bool ScrollBarsKnown() const { return FScrollBarsKnown; }

    // Brings the editor's bars in step with the native memo's: placed over them, shown and
    // enabled as they are, with their range, page and position.
    void SetScrollBarsParameters();
    // Asks for that once the current message is over.
    void UpdateScrollBarsParameters();

    bool IsEditClass() const override { return true; }

protected:
    friend class TcxCustomInnerMemo;

    bool NeedsScrollBars() const override;
    void Scroll(TScrollBarKind kind, TScrollCode code, int& position) override;
    void PropertiesChanged() override;
    void SetSize() override;
    void WndProc(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    void CMEnabledChanged(TMessage& message) override;
    void ReadState(const std::function<void()>& read) override;
    void ChangeHandler() override;
    bool CanKeyDownModifyEdit(std::uint16_t key, TShiftState shift) const override;
    bool CanKeyPressModifyEdit(char key) const override;
    void DoEditKeyDown(std::uint16_t& key, TShiftState shift) override;

private:
    // Places bar over the native bar of the same kind; false when it is hidden.
    void AdjustScrollBarPosition(TcxControlScrollBar& bar);
    void FeedScrollBar(TcxControlScrollBar& bar);
    void CheckSizeGrip();
    // Whether the height follows VisibleLineCount, and that height.
    bool CanAutoHeight() const;
    int AutoHeight();

    TcxCustomInnerMemo* FInnerMemo = nullptr;
    bool FScrollBarsKnown = false;
    bool FSettingScrollBars = false;
    bool FUpdatePosted = false;
    bool FSizing = false;
};

// The published memo.
class TcxMemo : public TcxCustomMemo {
public:
    using TcxCustomMemo::TcxCustomMemo;
    std::string ClassName() const override { return "TcxMemo"; }

    TcxMemoProperties& Properties() const {
        return static_cast<TcxMemoProperties&>(TcxCustomEdit::Properties());
    }
};
