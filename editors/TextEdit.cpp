#include "editors/TextEdit.h"

#include "editors/FlagGuard.h"
#include "platform/control/Form.h"
#include "platform/draw/DC.h"
#include "platform/native/NativeConst.h"
#include "platform/window/WinApi.h"

#include <cstring>

namespace {
// Content offsets of a stand-alone editor: left, top, right, bottom.
constexpr int ContentLeft = 1, ContentTop = 1, ContentRight = 1, ContentBottom = 3;

int TextHeightOf(const TFont& font, std::string_view sample) {
    TPixelBuffer pixel(1, 1);
    TDC dc(pixel);
    TCanvas canvas(&dc);
    canvas.Font().Assign(font);
    return canvas.TextHeight(sample);
}

} // namespace

// --- Inner edit -----------------------------------------------------------------------------

TcxCustomInnerTextEdit::TcxCustomInnerTextEdit(TcxCustomTextEdit* editor)
    : TCustomEdit(editor), FEditor(editor) {
    SetBorderStyle(bsNone);
    SetTabStop(false);
    SetParentColor(true);
    SetParentFont(false);
}

void TcxCustomInnerTextEdit::SetEditValue(const TcxEditValue& value) {
    SetText(EditValueToText(value));
}

void TcxCustomInnerTextEdit::CreateWnd() {
    TCustomEdit::CreateWnd();
    Send(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, LPARAM(0 | (1 << 16)));
}

void TcxCustomInnerTextEdit::Resize() {
    TCustomEdit::Resize();
    Send(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, LPARAM(0 | (1 << 16)));
}

void TcxCustomInnerTextEdit::WndProc(TMessage& m) {
    // A Tab key-up never reaches the native edit.
    if (m.Msg == WM_KEYUP && m.WParam == VK_TAB) {
        m.Result = 0;
        return;
    }
    TCustomEdit::WndProc(m);
}

bool TcxCustomInnerTextEdit::EditorAlive() const {
    return FEditor && !FEditor->IsDestroying();
}

void TcxCustomInnerTextEdit::KeyDown(std::uint16_t& key, TShiftState shift) {
    if (EditorAlive())
        FEditor->InnerEditKeyDown(key, shift);
}

void TcxCustomInnerTextEdit::KeyPress(char& key) {
    if (!EditorAlive())
        return;
    FEditor->InnerEditKeyPress(key);
    if (key == '\t' || ((key == '\r' || key == 27) && FEditor->WithholdsEnterOrEscape(key)))
        key = 0;
}

void TcxCustomInnerTextEdit::KeyUp(std::uint16_t& key, TShiftState shift) {
    if (EditorAlive())
        FEditor->InnerEditKeyUp(key, shift);
}

void TcxCustomInnerTextEdit::DoEnter() {
    TCustomEdit::DoEnter();
    if (EditorAlive())
        FEditor->InnerEditEnter();
}

void TcxCustomInnerTextEdit::DoExit() {
    if (EditorAlive())
        FEditor->InnerEditExit();
    TCustomEdit::DoExit();
}

void TcxCustomInnerTextEdit::MouseEnter() {
    TCustomEdit::MouseEnter();
    if (EditorAlive())
        FEditor->InnerControlMouseEnter();
}

void TcxCustomInnerTextEdit::Change() {
    TCustomEdit::Change();
    if (EditorAlive() && !FEditor->IsCreating())
        FEditor->ChangeHandler();
}

// --- Text edit ------------------------------------------------------------------------------

TcxCustomTextEdit::TcxCustomTextEdit(TComponent* owner)
    : TcxCustomTextEdit(
          owner, [](TPersistent* o) { return std::make_unique<TcxTextEditProperties>(o); },
          [](TcxCustomTextEdit* editor) { return new TcxCustomInnerTextEdit(editor); }) {}

TcxCustomTextEdit::TcxCustomTextEdit(TComponent* owner, const TPropertiesFactory& propertiesClass,
                                     const TInnerEditFactory& innerEditClass)
    : TcxCustomEdit(owner, propertiesClass, EditClasses()) {
    FInnerEdit = innerEditClass(this);
    FInnerEdit->SetParent(this);
    FInnerEdit->SetColor(clWindow);
    SetInnerEdit(dynamic_cast<IcxCustomInnerEdit*>(FInnerEdit));
    SetBounds(Left(), Top(), 121, 21);
    PropertiesChanged();
}

TcxCustomTextEdit::~TcxCustomTextEdit() {
    MarkDestroying();
    // The inner edit goes while the editor is still whole: its window's last messages (the
    // focus leaving it) find an editor that knows it is being destroyed.
    TCustomEdit* inner = FInnerEdit;
    FInnerEdit = nullptr;
    SetInnerEdit(nullptr);
    if (inner)
        inner->Free();
}

// --- Text -----------------------------------------------------------------------------------

std::string TcxCustomTextEdit::GetText() const {
    return FInnerEdit ? FInnerEdit->Text() : TcxCustomEdit::GetText();
}

void TcxCustomTextEdit::SetTextValue(const std::string& text) {
    SetDisplayText(text);
}

bool TcxCustomTextEdit::SetDisplayText(const std::string& text) {
    std::string value = text;
    if (!Properties().IsDisplayValueValid(value))
        return false;
    if (IsKeyDriven() && !DoEditing())
        return false;
    bool handle = FInnerEdit->HandleAllocated();
    bool keepAfterEnter = !IsKeyDriven();
    bool modifiedAfterEnter = ModifiedAfterEnter();
    FInnerEdit->SetText(value);
    // Without a window the native edit reports no change: the editor does it.
    if (!handle && !IsLoading())
        ChangeHandler();
    if (keepAfterEnter)
        SetModifiedFlags(false, modifiedAfterEnter);
    SynchronizeEditValue();
    InvalidateFrame();
    return true;
}

void TcxCustomTextEdit::SetEditingText(const std::string& value) {
    if (!DoEditing())
        return;
    FInnerEdit->SetText(value);
}

int TcxCustomTextEdit::SelStart() const {
    return FInnerEdit->SelStart();
}
void TcxCustomTextEdit::SetSelStart(int value) {
    FInnerEdit->SetSelStart(value);
}
int TcxCustomTextEdit::SelLength() const {
    return FInnerEdit->SelLength();
}
void TcxCustomTextEdit::SetSelLength(int value) {
    FInnerEdit->SetSelLength(value);
}
std::string TcxCustomTextEdit::SelText() const {
    return FInnerEdit->SelText();
}
void TcxCustomTextEdit::SetSelText(const std::string& value) {
    if (DoEditing())
        FInnerEdit->SetSelText(value);
}
void TcxCustomTextEdit::ClearSelection() {
    if (DoEditing())
        FInnerEdit->ClearSelection();
}
void TcxCustomTextEdit::CopyToClipboard() {
    FInnerEdit->CopyToClipboard();
}
void TcxCustomTextEdit::CutToClipboard() {
    if (DoEditing())
        FInnerEdit->CutToClipboard();
}
void TcxCustomTextEdit::PasteFromClipboard() {
    if (DoEditing())
        FInnerEdit->PasteFromClipboard();
}
void TcxCustomTextEdit::Undo() {
    if (DoEditing())
        FInnerEdit->Undo();
}

void TcxCustomTextEdit::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_GETTEXT: {
        char* buf = reinterpret_cast<char*>(m.LParam);
        if (!buf || m.WParam < 1) {
            m.Result = 0;
            return;
        }
        std::string text = GetText();
        std::size_t n = std::min(text.size(), std::size_t(m.WParam) - 1);
        std::memcpy(buf, text.data(), n);
        buf[n] = '\0';
        m.Result = LRESULT(n);
        return;
    }
    case WM_GETTEXTLENGTH:
        m.Result = LRESULT(GetText().size());
        return;
    case WM_SETTEXT:
        if (FSettingText)
            break;
        {
            TFlagGuard setting(FSettingText, true);
            const char* text = reinterpret_cast<const char*>(m.LParam);
            m.Result = SetDisplayText(text ? text : "") ? 1 : 0;
        }
        return;
    case WM_CLEAR:
        ClearSelection();
        m.Result = 0;
        return;
    default:
        break;
    }
    TcxCustomEdit::WndProc(m);
}

// --- Keys -----------------------------------------------------------------------------------

void TcxCustomTextEdit::KeyDown(std::uint16_t& key, TShiftState shift) {
    bool enter = key == VK_RETURN;
    TcxCustomEdit::KeyDown(key, shift);
    FEnterHandled = enter && key == 0;
}

bool TcxCustomTextEdit::WithholdsEnterOrEscape(char key) const {
    if (IsInplace())
        return true;
    if (key == '\r')
        return !FBeepOnEnter || FEnterHandled;
    return IsEscapeHandled();
}

// --- Properties -----------------------------------------------------------------------------

void TcxCustomTextEdit::PropertiesChanged() {
    if (!FInnerEdit || IsDestroying())
        return;
    TcxCustomTextEditProperties& p = Properties();
    FInnerEdit->SetAlignment(p.Alignment().Horz());
    FInnerEdit->SetAutoSelect(p.AutoSelect() && !IsInplace());
    FInnerEdit->SetCharCase(p.CharCase());
    FInnerEdit->SetHideSelection(p.HideSelection());
    FInnerEdit->SetMaxLength(p.MaxLength());
    char password = 0;
    if (p.EchoMode() == eemPassword)
        password = p.PasswordChar() ? p.PasswordChar() : '*';
    FInnerEdit->SetPasswordChar(password);
    TcxCustomEdit::PropertiesChanged();
    FInnerEdit->Invalidate();
}

// --- Geometry -------------------------------------------------------------------------------

int TcxCustomTextEdit::AutoHeight() {
    TRect extent = GetBorderExtent();
    return extent.Top + extent.Bottom + TextHeightOf(GetActiveStyle().GetVisibleFont(), "Zg") +
           ContentTop + ContentBottom;
}

void TcxCustomTextEdit::SetSize() {
    if (!FInnerEdit || IsDestroying())
        return;
    if (AutoSize() && !IsInplace() && !FSizing && Align() != alTop && Align() != alBottom &&
        Align() != alClient) {
        int height = AutoHeight();
        if (height != Height()) {
            TFlagGuard sizing(FSizing, true);
            SetBounds(Left(), Top(), Width(), height);
            CalculateViewInfo(TPoint(-1, -1), false);
        }
    }
    AdjustInnerEditPosition();
}

void TcxCustomTextEdit::AdjustInnerEditPosition() {
    if (FAdjustingPosition || !FInnerEdit)
        return;
    TFlagGuard adjusting(FAdjustingPosition, true);
    TRect client = GetClientBounds();
    int height = TextHeightOf(FInnerEdit->Font(), "Qq");
    int top;
    switch (Properties().Alignment().Vert()) {
    case taBottomJustify:
        top = client.Bottom - height - ContentBottom;
        break;
    case taVCenter:
        top = client.Top + ContentTop + (client.Height() - height - ContentTop - ContentBottom) / 2;
        break;
    default:
        top = client.Top + ContentTop;
        break;
    }
    top = std::max(top, client.Top + ContentTop);
    int left = client.Left + ContentLeft;
    int width = client.Width() - ContentLeft - ContentRight + 1;
    MoveInnerControl(TRect(left, top, left + width, top + height));
    ApplyInnerControlRegion(FInnerEdit, client);
}

void TcxCustomTextEdit::AdjustInnerControl() {
    TcxCustomEdit::AdjustInnerControl();
    if (FInnerEdit)
        FInnerEdit->SetVisible(IsEditClass());
}

bool TcxCustomTextEdit::IsEditClass() const {
    if (IsDesigning())
        return false;
    TCustomForm* form = GetParentForm();
    bool active = form && (form->ActiveControl() == this || form->ActiveControl() == FInnerEdit);
    return active || Properties().Alignment().Horz() == taLeftJustify;
}

// --- Painting -------------------------------------------------------------------------------

void TcxCustomTextEdit::Paint() {
    TcxCustomEdit::Paint();
    TcxCanvas& canvas = cxCanvas();
    const TcxContainerViewInfo& vi = ViewInfo();
    TRect client = vi.ClientRect;
    if (!vi.NativeStyle && !Properties().Transparent())
        canvas.FrameRect(client, vi.BackgroundColor);
    client = client.Inflated(-1, -1);
    if (IsEditClass())
        return;
    std::string text = GetText();
    if (text.empty() || !canvas.Handle())
        return;
    unsigned format = DT_SINGLELINE | DT_NOPREFIX;
    switch (Properties().Alignment().Horz()) {
    case taCenter:
        format |= DT_CENTER;
        break;
    case taRightJustify:
        format |= DT_RIGHT;
        break;
    case taLeftJustify:
        break;
    }
    switch (Properties().Alignment().Vert()) {
    case taVCenter:
        format |= DT_VCENTER;
        break;
    case taBottomJustify:
        format |= DT_BOTTOM;
        break;
    case taTopJustify:
        break;
    }
    TCanvas& c = *canvas.Canvas();
    c.Font().Assign(GetActiveStyle().GetVisibleFont());
    TDC* dc = c.Handle();
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(GetActiveStyle().TextColor());
    TRect r = client.Inflated(-ContentLeft + 1, 0);
    r.Top += ContentTop;
    dc->DrawText(text, r, format);
    if (Focused())
        dc->DrawFocusRect(client);
}
