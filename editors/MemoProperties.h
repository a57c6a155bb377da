#pragma once

#include "editors/EditProperties.h"
#include "platform/stdctrls/CustomMemo.h"

// The settings of the multi-line memo: the text edit's, with the scroll bars, the line count
// the height is made for (0: none), Enter and Tab handling and word wrap. The content is always
// at the top; selecting all text on entering is off by default.
class TcxCustomMemoProperties : public TcxCustomTextEditProperties {
public:
    explicit TcxCustomMemoProperties(TPersistent* owner);
    std::string ClassName() const override { return "TcxCustomMemoProperties"; }

    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value) { Set(FScrollBars, value); }
    int VisibleLineCount() const { return FVisibleLineCount; }
    void SetVisibleLineCount(int value) { Set(FVisibleLineCount, value); }
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool value) { Set(FWantReturns, value); }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool value) { Set(FWantTabs, value); }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value) { Set(FWordWrap, value); }

    bool IsMultiLine() const { return true; }
    bool InnerEditNeedsTabs() const override { return FWantTabs; }

private:
    TScrollStyle FScrollBars = ssNone;
    int FVisibleLineCount = 0;
    bool FWantReturns = true;
    bool FWantTabs = false;
    bool FWordWrap = true;
};

class TcxMemoProperties : public TcxCustomMemoProperties {
public:
    using TcxCustomMemoProperties::TcxCustomMemoProperties;
    std::string ClassName() const override { return "TcxMemoProperties"; }
};
