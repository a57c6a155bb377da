#include "editors/CustomEdit.h"

#include "editors/FlagGuard.h"
#include "platform/control/Form.h"
#include "platform/window/WinApi.h"

const char* const cxSEditValidateErrorText =
    "Invalid input value. Use escape key to abandon changes";

namespace {

// Releases held change events on leaving a scope, firing them only when told to.
class TChangeEventsLock {
public:
    explicit TChangeEventsLock(TcxCustomEdit& edit) : FEdit(edit) { FEdit.LockChangeEvents(true); }
    ~TChangeEventsLock() {
        if (!FReleased)
            FEdit.LockChangeEvents(false, false);
    }
    void Release() {
        FReleased = true;
        FEdit.LockChangeEvents(false, true);
    }
    TChangeEventsLock(const TChangeEventsLock&) = delete;
    TChangeEventsLock& operator=(const TChangeEventsLock&) = delete;

private:
    TcxCustomEdit& FEdit;
    bool FReleased = false;
};

bool IsNavigationKey(std::uint16_t key) {
    return key >= VK_PRIOR && key <= VK_DOWN; // Page Up .. Down arrow (33-40)
}
} // namespace

// --- Life -----------------------------------------------------------------------------------

TcxContainer::TcxContainerClasses TcxCustomEdit::EditClasses() {
    return {StyleFactoryOf<TcxEditStyle>(),
            [] { return std::make_unique<TcxContainerViewInfo>(); }};
}

TcxCustomEdit::TcxCustomEdit(TComponent* owner)
    : TcxCustomEdit(
          owner, [](TPersistent* o) { return std::make_unique<TcxCustomEditProperties>(o); },
          EditClasses()) {}

TcxCustomEdit::TcxCustomEdit(TComponent* owner, const TPropertiesFactory& propertiesClass,
                             const TcxContainerClasses& classes)
    : TcxContainer(owner, classes) {
    FProperties = propertiesClass(this);
    SetControlStyle(ControlStyle() | csCaptureMouse | csSetCaption);
    SetTabStop(true);
    FProperties->OnPropertiesChanged = [this] { PropertiesChanged(); };
}

TcxCustomEdit::~TcxCustomEdit() {
    MarkDestroying();
    FProperties->OnPropertiesChanged = nullptr;
}

void TcxCustomEdit::SetInnerEdit(IcxCustomInnerEdit* innerEdit) {
    FInnerEdit = innerEdit;
    SetInnerControl(innerEdit ? innerEdit->GetControl() : nullptr);
}

void TcxCustomEdit::Loaded() {
    LockChangeEvents(true);
    TcxContainer::Loaded();
    PropertiesChanged();
    LockChangeEvents(false, false);
}

TcxContainerStyleValues TcxCustomEdit::InternalGetNotPublishedStyleValues() const {
    TcxContainerStyleValues values = 0;
    for (int i = svButtonStyle; i <= svGradientDirection; ++i)
        values |= StyleValueBit(i);
    return values;
}

bool TcxCustomEdit::RefreshContainer(TPoint p, TcxMouseButton button, TShiftState shift,
                                     bool isMouseEvent) {
    if (!HandleAllocated() || IsCreating() || IsDestroying())
        return false;
    if (GetCapture() == Handle())
        shift = 0;
    return TcxContainer::RefreshContainer(p, button, shift, isMouseEvent);
}

void TcxCustomEdit::SetAutoSize(bool value) {
    if (FAutoSize == value)
        return;
    FAutoSize = value;
    ShortRefreshContainer(false);
}

// --- Properties -----------------------------------------------------------------------------

bool TcxCustomEdit::RealReadOnly() const {
    return ActiveProperties().ReadOnly();
}

void TcxCustomEdit::PropertiesChanged() {
    if (IsDestroying())
        return;
    FValidated = false;
    if (FInnerEdit)
        FInnerEdit->SetReadOnly(RealReadOnly());
    if (RealReadOnly())
        FModifiedAfterEnter = false;
    ShortRefreshContainer(false);
}

// --- Change events --------------------------------------------------------------------------

void TcxCustomEdit::LockChangeEvents(bool lock, bool invoke) {
    if (lock) {
        if (FChangeEventsLock == 0) {
            FOnChangePending = false;
            FOnEditValueChangedPending = false;
        }
        ++FChangeEventsLock;
        return;
    }
    if (FChangeEventsLock == 0 || --FChangeEventsLock > 0)
        return;
    if (!invoke || IsLoading() || IsDestroying())
        return;
    if (FOnChangePending && ActiveProperties().OnChange)
        DoOnChange();
    if (FOnEditValueChangedPending && ActiveProperties().OnEditValueChanged)
        DoOnEditValueChanged();
}

void TcxCustomEdit::DoOnChange() {
    if (ActiveProperties().OnChange)
        ActiveProperties().OnChange(this);
}

void TcxCustomEdit::DoOnEditValueChanged() {
    if (ActiveProperties().OnEditValueChanged)
        ActiveProperties().OnEditValueChanged(this);
}

void TcxCustomEdit::DoChange() {
    if (IsLoading() || IsDestroying())
        return;
    if (ActiveProperties().OnChange) {
        if (FChangeEventsLock > 0)
            FOnChangePending = true;
        else
            DoOnChange();
    }
    if (!ActiveProperties().HasDisplayValue() && !ActiveProperties().CanCompareEditValue())
        DoEditValueChanged();
}

void TcxCustomEdit::DoEditValueChanged() {
    if (IsLoading() || IsDestroying() || !ActiveProperties().OnEditValueChanged)
        return;
    if (FChangeEventsLock > 0)
        FOnEditValueChangedPending = true;
    else
        DoOnEditValueChanged();
}

// --- Value ----------------------------------------------------------------------------------

std::string TcxCustomEdit::GetDisplayText() const {
    if (FInnerEdit)
        return EditValueToText(FInnerEdit->GetEditValue());
    return EditValueToText(FEditValue);
}

void TcxCustomEdit::SetEditValue(const TcxEditValue& value) {
    if (FKeyDriven && !DoEditing())
        return;
    InternalSetEditValue(value);
}

void TcxCustomEdit::InternalSetEditValue(const TcxEditValue& value) {
    bool changed = !ActiveProperties().CanCompareEditValue() || !(value == FEditValue);
    FEditValue = value;
    SynchronizeDisplayValue();
    if (FKeyDriven)
        FModifiedAfterEnter = true;
    else
        FModified = false;
    if (changed) {
        DoEditValueChanged();
        if (!ActiveProperties().HasDisplayValue())
            DoChange();
    }
}

void TcxCustomEdit::SynchronizeDisplayValue() {
    if (!FInnerEdit)
        return;
    bool modified = FModified, modifiedAfterEnter = FModifiedAfterEnter;
    FInnerEdit->SetEditValue(TcxEditValue(EditValueToText(FEditValue)));
    FModified = modified;
    FModifiedAfterEnter = modifiedAfterEnter;
    InvalidateFrame();
}

void TcxCustomEdit::SynchronizeEditValue() {
    TcxEditValue value(GetDisplayText());
    if (value == FEditValue)
        return;
    FEditValue = value;
    DoEditValueChanged();
}

void TcxCustomEdit::Clear() {
    SetEditValue(GetClearValue());
}

void TcxCustomEdit::ChangeHandler() {
    FValidated = false;
    if (Focused())
        FModifiedAfterEnter = true;
    else if (!ActiveProperties().IsChanging())
        FModified = true;
    TChangeEventsLock lock(*this);
    DoChange();
    lock.Release();
}

void TcxCustomEdit::SelectAll() {
    if (FInnerEdit)
        FInnerEdit->SelectAll();
}

void TcxCustomEdit::ResetEditValue() {
    TChangeEventsLock lock(*this);
    {
        TFlagGuard notTyped(FKeyDriven, false);
        TcxEditValue saved = FValueOnEnter;
        InternalSetEditValue(saved);
    }
    FModifiedAfterEnter = false;
    FModified = true;
    SelectAll();
    lock.Release();
}

// --- Editing permission and validation ------------------------------------------------------

bool TcxCustomEdit::CanModify() const {
    return !(ActiveProperties().IsReadOnlyAssigned() && ActiveProperties().ReadOnly());
}

bool TcxCustomEdit::DoEditing() {
    if (FModified)
        return true;
    if (!CanModify())
        return false;
    bool canEdit = true;
    if (OnEditing)
        OnEditing(this, canEdit);
    if (canEdit)
        FModified = true;
    return canEdit;
}

bool TcxCustomEdit::ValidateEdit(bool raise) {
    if (!FModifiedAfterEnter || FValidated || FValidating)
        return true;
    TFlagGuard validating(FValidating, true);
    std::string display = GetDisplayText();
    if (ActiveProperties().CanValidate()) {
        std::string original = display;
        std::string errorText = cxSEditValidateErrorText;
        bool error = false;
        ActiveProperties().ValidateDisplayValue(display, errorText, error, this);
        if (display != original && FInnerEdit)
            FInnerEdit->SetEditValue(TcxEditValue(display));
        if (error) {
            if (!raise) {
                SelectAll();
                return false;
            }
            if (CanFocus() && !Focused())
                SetFocus();
            SelectAll();
            if (ActiveProperties().BeepOnError())
                MessageBeep(MB_OK);
            throw EcxEditValidationError(errorText);
        }
    }
    SynchronizeEditValue();
    if (!Focused())
        FModifiedAfterEnter = false;
    FValidated = true;
    return true;
}

// --- Keys -----------------------------------------------------------------------------------

bool TcxCustomEdit::CanKeyDownModifyEdit(std::uint16_t key, TShiftState shift) const {
    if (key == VK_DELETE)
        return true;
    return key == VK_INSERT && (shift & ssShift);
}

bool TcxCustomEdit::CanKeyPressModifyEdit(char key) const {
    auto c = static_cast<unsigned char>(key);
    // Typed characters, Backspace, and Ctrl+V, Ctrl+X and Ctrl+Z.
    return c >= 32 || c == 8 || c == 22 || c == 24 || c == 26;
}

void TcxCustomEdit::KeyDown(std::uint16_t& key, TShiftState shift) {
    FEscapeHandled = false;
    TFlagGuard keyDriven(FKeyDriven, true);
    TcxContainer::KeyDown(key, shift);
    if (key != 0)
        DoEditKeyDown(key, shift);
}

void TcxCustomEdit::KeyPress(char& key) {
    if (key == 27 && FEscapeHandled) {
        FEscapeHandled = false;
        key = 0;
        return;
    }
    TFlagGuard keyDriven(FKeyDriven, true);
    TcxContainer::KeyPress(key);
    if (key != 0)
        DoEditKeyPress(key);
}

void TcxCustomEdit::KeyUp(std::uint16_t& key, TShiftState shift) {
    TcxContainer::KeyUp(key, shift);
    if (key != 0)
        DoEditKeyUp(key, shift);
}

void TcxCustomEdit::ProcessTab(std::uint16_t& key, TShiftState shift) {
    key = 0;
    if (TCustomForm* form = GetParentForm())
        form->SelectNext(this, !(shift & ssShift), true);
    if (FInnerEdit && HandleAllocated() && GetFocus() == Handle() &&
        FInnerEdit->GetControl()->CanFocus())
        FInnerEdit->GetControl()->SetFocus();
}

void TcxCustomEdit::DoEditKeyDown(std::uint16_t& key, TShiftState shift) {
    TcxCustomEditProperties& props = ActiveProperties();
    if (props.ClearKey() != 0 && (key | (std::uint32_t(shift) << 16)) == props.ClearKey()) {
        TChangeEventsLock lock(*this);
        InternalSetEditValue(GetClearValue());
        FModifiedAfterEnter = true;
        lock.Release();
        key = 0;
        return;
    }
    if (!(FModified || !CanKeyDownModifyEdit(key, shift) || DoEditing())) {
        key = 0;
        return;
    }
    if (key == VK_TAB && Focused() && !(shift & (ssAlt | ssCtrl)) && !props.InnerEditNeedsTabs()) {
        ProcessTab(key, shift);
        return;
    }
    if (key == VK_RETURN && props.ValidateOnEnter()) {
        key = 0;
        TChangeEventsLock lock(*this);
        ValidateEdit(true);
        lock.Release();
        return;
    }
    if (key == VK_ESCAPE && FModifiedAfterEnter && props.IsResetEditClass()) {
        ResetEditValue();
        FEscapeHandled = true;
        key = 0;
        return;
    }
    if (!WantNavigationKeys() && IsNavigationKey(key))
        key = 0;
}

void TcxCustomEdit::DoEditKeyPress(char& key) {
    auto c = static_cast<unsigned char>(key);
    if (c >= 32 && !IsValidChar(key)) {
        key = 0;
        MessageBeep(MB_OK);
        return;
    }
    if (!FModified && CanKeyPressModifyEdit(key) && !DoEditing())
        key = 0;
}

void TcxCustomEdit::DoEditKeyUp(std::uint16_t& key, TShiftState shift) {
    (void)key;
    (void)shift;
}

void TcxCustomEdit::InnerEditKeyDown(std::uint16_t& key, TShiftState shift) {
    KeyDown(key, shift);
}

void TcxCustomEdit::InnerEditKeyPress(char& key) {
    KeyPress(key);
}

void TcxCustomEdit::InnerEditKeyUp(std::uint16_t& key, TShiftState shift) {
    KeyUp(key, shift);
}

// --- Focus ----------------------------------------------------------------------------------

void TcxCustomEdit::FocusEntered() {
    if (FHasFocus)
        return;
    FHasFocus = true;
    FValueOnEnter = FEditValue;
    TcxContainer::DoEnter();
    FModifiedAfterEnter = false;
    FValidated = false;
    ShortRefreshContainer(false);
    if (OnFocusChanged)
        OnFocusChanged(this);
}

void TcxCustomEdit::FocusLeft() {
    if (!FHasFocus)
        return;
    FHasFocus = false;
    TChangeEventsLock lock(*this);
    ValidateEdit(true);
    lock.Release();
    ShortRefreshContainer(false);
    TcxContainer::DoExit();
    FModifiedAfterEnter = false;
    if (OnFocusChanged)
        OnFocusChanged(this);
}

void TcxCustomEdit::DoEnter() {
    // With an inner edit the focus lives there; its enter and exit stand for the editor's.
    if (!FInnerEdit)
        FocusEntered();
}

void TcxCustomEdit::DoExit() {
    if (!FInnerEdit)
        FocusLeft();
}

void TcxCustomEdit::InnerEditEnter() {
    FocusEntered();
}

void TcxCustomEdit::InnerEditExit() {
    FocusLeft();
}
