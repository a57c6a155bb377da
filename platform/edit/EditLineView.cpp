#include "platform/edit/EditLineView.h"

#include "platform/core/Gbk.h"

#include <algorithm>

int TEditLineView::ViewWidth() const {
    return std::max(1, FClientWidth - FLeftMargin - FRightMargin);
}

int TEditLineView::AlignOffset() const {
    return EditAlignOffset(FAlign, ViewWidth(), TextWidth());
}

void TEditLineView::Update(const TEditText& text) {
    const std::string& s = text.Text();
    char password = text.PasswordChar();
    std::string passwordText(1, password);
    FDisplay.clear();
    FOffsets.assign(1, 0);
    FXs.assign(1, 0);
    for (std::size_t pos = 0; pos < s.size(); pos = GbkNextCharPos(s, pos)) {
        int w = password ? FWidths.CharWidth(passwordText, 0) : FWidths.CharWidth(s, pos);
        std::size_t next = GbkNextCharPos(s, pos);
        if (password)
            FDisplay += password;
        else
            FDisplay.append(s, pos, next - pos);
        FOffsets.push_back(next);
        FXs.push_back(FXs.back() + w);
    }
    FCaret = text.Caret();

    int view = ViewWidth();
    int content = TextWidth() + 1; // the caret after the last character
    if (content <= view) {
        FScrollX = 0;
        return;
    }
    // The caret's x from the text's start.
    int caretX = FXs[std::lower_bound(FOffsets.begin(), FOffsets.end(), FCaret) - FOffsets.begin()];
    if (caretX < FScrollX)
        FScrollX = caretX - view / 4;
    else if (caretX + 1 > FScrollX + view)
        FScrollX = caretX + 1 - view + view / 4;
    FScrollX = std::clamp(FScrollX, 0, content - view);
}

int TEditLineView::TextX() const {
    return FLeftMargin + AlignOffset() - FScrollX;
}

int TEditLineView::XOfOffset(std::size_t offset) const {
    auto it = std::lower_bound(FOffsets.begin(), FOffsets.end(), offset);
    if (it == FOffsets.end())
        return TextX() + FXs.back();
    return TextX() + FXs[it - FOffsets.begin()];
}

std::size_t TEditLineView::HitTest(int x) const {
    int tx = x - TextX();
    for (std::size_t i = 0; i + 1 < FXs.size(); ++i) {
        int mid = FXs[i] + (FXs[i + 1] - FXs[i]) / 2;
        if (tx < mid)
            return FOffsets[i];
    }
    return FOffsets.back();
}
