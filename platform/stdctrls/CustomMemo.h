#pragma once

#include "platform/component/Strings.h"
#include "platform/edit/MemoModel.h"
#include "platform/stdctrls/CustomEdit.h"

#include <memory>

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TCustomMemo;

// The lines of a memo: the memo's own text seen as lines. Add inserts at the end through
// replace-selection, as the classic memo does (so it works in a read-only memo and leaves the
// caret after the new line).
class TMemoStrings : public TStrings {
public:
    explicit TMemoStrings(TCustomMemo& memo) : FMemo(memo) {}
    std::string ClassName() const override { return "TMemoStrings"; }
    int Count() const override;
    void Insert(int index, const std::string& line) override;
    void Delete(int index) override;
    void Clear() override;

protected:
    std::string Get(int index) const override;
    void Put(int index, const std::string& line) override;

private:
    TCustomMemo& FMemo;
};

// The control over a native multi-line edit window (EDIT with ES_MULTILINE). While it has no
// window its text lives in a model of its own, handed to the window when it is created.
class TCustomMemo : public TCustomEdit {
public:
    explicit TCustomMemo(TComponent* owner);
    ~TCustomMemo() override;

    std::string ClassName() const override { return "TCustomMemo"; }

    TStrings& Lines() { return FLines; }
    void SetLines(const TStrings& lines);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle v);
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool v);
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool v);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v);

    // The model the lines work on: the window's, or the memo's own before there is a window.
    TMemoModel& Model() const;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    std::string GetText() const override;
    void SetTextValue(const std::string& text) override;

private:
    friend class TMemoStrings;
    // After the program changed the lines: repaint and report the change.
    void LinesChanged();

    TMemoStrings FLines;
    std::unique_ptr<TMemoModel> FOffline;
    TScrollStyle FScrollBars = ssNone;
    bool FWantReturns = true;
    bool FWantTabs = false;
    bool FWordWrap = true;
};

class TMemo : public TCustomMemo {
public:
    using TCustomMemo::TCustomMemo;
    std::string ClassName() const override { return "TMemo"; }
};
