#pragma once

#include "editors/ScrollBar.h"

// What a control wants its scroll bar to show.
struct TcxScrollBarData {
    int Min = 0;
    int Max = 100;
    int PageSize = 0;
    int Position = 0;
    int SmallChange = 1;
    int LargeChange = 1;
    bool Enabled = true;
    bool Visible = false;
};

// The scroll bar an editor control places on itself: clBtnFace, unframed, no tab stop, hidden
// until its data says otherwise. A left-button press first gives the focus to the control it
// lies on.
class TcxControlScrollBar : public TcxScrollBar {
public:
    explicit TcxControlScrollBar(TComponent* owner);
    ~TcxControlScrollBar() override;

    std::string ClassName() const override { return "TcxControlScrollBar"; }

    TcxScrollBarData& Data() { return FData; }
    // Takes the range, page and position (when the data is visible), then the enabling, then
    // the visibility.
    void ApplyData();

    void WndProc(TMessage& message) override;

private:
    void FocusParent();

    TcxScrollBarData FData;
    std::shared_ptr<bool> FAlive;
};
