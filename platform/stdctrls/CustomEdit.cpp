#include "platform/stdctrls/CustomEdit.h"

#include "platform/native/NativeConst.h"
#include "platform/native/NativeWindow.h"

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    // The native window captures the mouse itself while selecting.
    FControlStyle &= ~unsigned(csSetCaption | csCaptureMouse);
    FControlStyle |= csDoubleClicks;
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

LRESULT TCustomEdit::Send(UINT msg, WPARAM wParam, LPARAM lParam) {
    return HandleAllocated() ? SendMessage(FHandle, msg, wParam, lParam) : 0;
}

void TCustomEdit::CreateParams(TCreateParams& p) {
    RegisterNativeClasses();
    TWinControl::CreateParams(p);
    p.WinClassName = kEditClass;
    p.Style |= ES_AUTOHSCROLL;
    switch (FAlignment) {
    case taCenter:
        p.Style |= ES_CENTER;
        break;
    case taRightJustify:
        p.Style |= ES_RIGHT;
        break;
    case taLeftJustify:
        break;
    }
    if (!FHideSelection)
        p.Style |= ES_NOHIDESEL;
    if (FReadOnly)
        p.Style |= ES_READONLY;
    if (FCharCase == eccUpperCase)
        p.Style |= ES_UPPERCASE;
    else if (FCharCase == eccLowerCase)
        p.Style |= ES_LOWERCASE;
    if (FBorderStyle == bsSingle)
        p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd() {
    FCreating = true;
    try {
        TWinControl::CreateWnd();
    } catch (...) {
        FCreating = false;
        throw;
    }
    FCreating = false;
    Send(EM_LIMITTEXT, WPARAM(FMaxLength));
    Send(EM_SETPASSWORDCHAR, WPARAM(static_cast<unsigned char>(FPasswordChar)));
    Send(EM_SETAUTOSELECT, FAutoSelect);
    Send(EM_SETMODIFY, FModified);
    UpdateWindowLook();
}

void TCustomEdit::UpdateWindowLook() {
    if (!HandleAllocated())
        return;
    TLogFont lf = Font().ToLogFont();
    SendMessage(FHandle, WM_SETFONT, WPARAM(&lf), 0);
    SendMessage(FHandle, EM_SETCOLORS, WPARAM(ColorToRGB(Color())),
                LPARAM(ColorToRGB(Font().Color())));
}

void TCustomEdit::WndProc(TMessage& m) {
    if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == EN_CHANGE) {
        if (!FCreating)
            Change();
        return;
    }
    TWinControl::WndProc(m);
}

void TCustomEdit::Change() {
    if (OnChange)
        OnChange(this);
}

std::string TCustomEdit::GetText() const {
    if (FHandle)
        return GetWindowText(FHandle);
    return TWinControl::GetText();
}

void TCustomEdit::SetTextValue(const std::string& text) {
    TWinControl::SetTextValue(text);
    if (HandleAllocated())
        SetWindowText(FHandle, text); // the window reports the change
}

void TCustomEdit::CMFontChanged(TMessage& m) {
    TWinControl::CMFontChanged(m);
    UpdateWindowLook();
}

void TCustomEdit::CMColorChanged(TMessage& m) {
    TWinControl::CMColorChanged(m);
    UpdateWindowLook();
}

void TCustomEdit::CMEnabledChanged(TMessage& m) {
    TWinControl::CMEnabledChanged(m);
    if (HandleAllocated())
        InvalidateRect(FHandle, nullptr, false);
}

void TCustomEdit::SetAutoSelect(bool v) {
    FAutoSelect = v;
    Send(EM_SETAUTOSELECT, v);
}

void TCustomEdit::SetBorderStyle(TBorderStyle v) {
    if (FBorderStyle == v)
        return;
    FBorderStyle = v;
    RecreateWnd();
}

void TCustomEdit::SetCharCase(TEditCharCase v) {
    if (FCharCase == v)
        return;
    FCharCase = v;
    RecreateWnd();
}

void TCustomEdit::SetHideSelection(bool v) {
    if (FHideSelection == v)
        return;
    FHideSelection = v;
    RecreateWnd();
}

void TCustomEdit::SetMaxLength(int v) {
    FMaxLength = v < 0 ? 0 : v;
    Send(EM_LIMITTEXT, WPARAM(FMaxLength));
}

void TCustomEdit::SetPasswordChar(char v) {
    if (FPasswordChar == v)
        return;
    FPasswordChar = v;
    Send(EM_SETPASSWORDCHAR, WPARAM(static_cast<unsigned char>(v)));
}

void TCustomEdit::SetReadOnly(bool v) {
    FReadOnly = v;
    Send(EM_SETREADONLY, v);
}

void TCustomEdit::SetAlignment(TAlignment v) {
    if (FAlignment == v)
        return;
    FAlignment = v;
    RecreateWnd();
}

bool TCustomEdit::Modified() const {
    return FHandle ? SendMessage(FHandle, EM_GETMODIFY, 0, 0) != 0 : FModified;
}

void TCustomEdit::SetModified(bool v) {
    FModified = v;
    Send(EM_SETMODIFY, v);
}

int TCustomEdit::SelStart() {
    HandleNeeded();
    std::uint32_t s = 0, e = 0;
    Send(EM_GETSEL, WPARAM(&s), LPARAM(&e));
    return int(s);
}

int TCustomEdit::SelLength() {
    HandleNeeded();
    std::uint32_t s = 0, e = 0;
    Send(EM_GETSEL, WPARAM(&s), LPARAM(&e));
    return int(e - s);
}

void TCustomEdit::SetSelStart(int v) {
    HandleNeeded();
    Send(EM_SETSEL, WPARAM(v), LPARAM(v));
}

void TCustomEdit::SetSelLength(int v) {
    int start = SelStart();
    Send(EM_SETSEL, WPARAM(start), LPARAM(start + v));
}

std::string TCustomEdit::SelText() {
    std::string t = GetText();
    int start = SelStart();
    int len = SelLength();
    if (start >= int(t.size()))
        return {};
    return t.substr(std::size_t(start), std::size_t(len));
}

void TCustomEdit::SetSelText(const std::string& text) {
    HandleNeeded();
    Send(EM_REPLACESEL, 0, LPARAM(text.c_str()));
}

void TCustomEdit::SelectAll() {
    HandleNeeded();
    Send(EM_SETSEL, 0, -1);
}

void TCustomEdit::ClearSelection() {
    Send(WM_CLEAR);
}

void TCustomEdit::CopyToClipboard() {
    Send(WM_COPY);
}

void TCustomEdit::CutToClipboard() {
    Send(WM_CUT);
}

void TCustomEdit::PasteFromClipboard() {
    Send(WM_PASTE);
}

void TCustomEdit::Undo() {
    Send(EM_UNDO);
}

bool TCustomEdit::CanUndo() {
    return Send(EM_CANUNDO) != 0;
}

TCustomEdit::~TCustomEdit() {
    // The window goes back to its own procedure, so that it is destroyed together with the
    // object behind it after this control is gone.
    if (FHandle && FDefWndProc)
        SetWindowLongPtr(FHandle, GWLP_WNDPROC, LONG_PTR(FDefWndProc));
}
