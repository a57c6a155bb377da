#pragma once

#include "editors/Container.h"
#include "editors/EditProperties.h"
#include "platform/core/Exception.h"

#include <functional>
#include <memory>

// A value the editor's properties refused when the user left it or pressed Enter.
class EcxEditValidationError : public Exception {
public:
    using Exception::Exception;
};

// The text of a refused value unless OnValidate gives another.
extern const char* const cxSEditValidateErrorText;

// The hosted native window of an editor, as the editor uses it.
class IcxCustomInnerEdit {
public:
    virtual ~IcxCustomInnerEdit() = default;
    virtual TWinControl* GetControl() = 0;
    virtual TcxEditValue GetEditValue() = 0;
    virtual void SetEditValue(const TcxEditValue& value) = 0;
    virtual void SetReadOnly(bool value) = 0;
    virtual void SelectAll() = 0;
};

// OnEditing: the handler may clear canEdit to refuse the change about to be made.
using TcxEditingEvent = std::function<void(TPersistent* sender, bool& canEdit)>;

// The editor framework over the container: a properties object (which carries the events), an
// edit value with its display text, an optional hosted native edit (the inner edit) that the
// keys pass through first, editing permission and read-only, validation when the editor is left,
// and change events that can be held back and fired once.
class TcxCustomEdit : public TcxContainer {
public:
    using TPropertiesFactory =
        std::function<std::unique_ptr<TcxCustomEditProperties>(TPersistent* owner)>;

    explicit TcxCustomEdit(TComponent* owner);
    ~TcxCustomEdit() override;

    std::string ClassName() const override { return "TcxCustomEdit"; }

    TcxCustomEditProperties& Properties() const { return *FProperties; }
    TcxCustomEditProperties& ActiveProperties() const { return *FProperties; }
    IcxCustomInnerEdit* InnerEdit() const { return FInnerEdit; }

    TcxEditValue EditValue() const { return FEditValue; }
    void SetEditValue(const TcxEditValue& value);
    // The edit value becomes the clear value (null).
    void Clear();
    // Checks the typed text when it changed since the editor got the focus; with raise a refused
    // value raises EcxEditValidationError. True when the value is accepted.
    bool ValidateEdit(bool raise);
    bool DoEditing();
    bool ModifiedAfterEnter() const { return FModifiedAfterEnter; }
    bool EditModified() const { return FModified; }
    // Holds OnChange and OnEditValueChanged back; the last release with invoke fires each that
    // was asked for, once.
    void LockChangeEvents(bool lock, bool invoke = true);
    bool RealReadOnly() const;
    void SelectAll();

    // Nothing before the window exists or while the editor is built or taken down; a press
    // held by the editor itself keeps the hot look.
    bool RefreshContainer(TPoint p, TcxMouseButton button, TShiftState shift,
                          bool isMouseEvent) override;

    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);

    TcxEditingEvent OnEditing;
    TNotifyEvent OnFocusChanged;

    // --- Called by the inner edit --------------------------------------------------------
    // The key events of the inner edit run here first; a cleared key does not reach it.
    void InnerEditKeyDown(std::uint16_t& key, TShiftState shift);
    void InnerEditKeyPress(char& key);
    void InnerEditKeyUp(std::uint16_t& key, TShiftState shift);
    void InnerEditEnter();
    void InnerEditExit();
    // The inner edit's text changed.
    virtual void ChangeHandler();

protected:
    // For derived editors: the class of the properties and the container classes.
    TcxCustomEdit(TComponent* owner, const TPropertiesFactory& propertiesClass,
                  const TcxContainerClasses& classes);
    static TcxContainerClasses EditClasses();

    // Creates the inner edit (none here); called once at construction.
    void SetInnerEdit(IcxCustomInnerEdit* innerEdit);

    bool CanContainerHandleTabs() const override { return false; }
    bool SkipsUnchangedMouseRefresh() const override { return true; }
    TcxContainerStyleValues InternalGetNotPublishedStyleValues() const override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void KeyUp(std::uint16_t& key, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;
    void Loaded() override;

    virtual bool CanKeyDownModifyEdit(std::uint16_t key, TShiftState shift) const;
    virtual bool CanKeyPressModifyEdit(char key) const;
    virtual bool CanModify() const;
    virtual void DoEditKeyDown(std::uint16_t& key, TShiftState shift);
    virtual void DoEditKeyPress(char& key);
    virtual void DoEditKeyUp(std::uint16_t& key, TShiftState shift);
    virtual void DoOnChange();
    virtual void DoOnEditValueChanged();
    void DoChange();
    void DoEditValueChanged();
    virtual TcxEditValue GetClearValue() const { return {}; }
    virtual std::string GetDisplayText() const;
    virtual void InternalSetEditValue(const TcxEditValue& value);
    // Writes the edit value's text into the inner edit, the modified flags kept.
    virtual void SynchronizeDisplayValue();
    // The edit value becomes the display text; OnEditValueChanged when it differs.
    virtual void SynchronizeEditValue();
    virtual bool IsValidChar(char key) const {
        (void)key;
        return true;
    }
    virtual bool WantNavigationKeys() const { return false; }
    virtual void PropertiesChanged();
    // Puts back the value the editor had when it got the focus.
    virtual void ResetEditValue();
    bool IsEscapeHandled() const { return FEscapeHandled; }
    void SetModifiedFlags(bool modified, bool modifiedAfterEnter) {
        FModified = modified;
        FModifiedAfterEnter = modifiedAfterEnter;
    }
    bool IsKeyDriven() const { return FKeyDriven; }

private:
    void FocusEntered();
    void FocusLeft();
    void ProcessTab(std::uint16_t& key, TShiftState shift);

    std::unique_ptr<TcxCustomEditProperties> FProperties;
    IcxCustomInnerEdit* FInnerEdit = nullptr;
    TcxEditValue FEditValue;
    TcxEditValue FValueOnEnter;
    int FChangeEventsLock = 0;
    bool FOnChangePending = false;
    bool FOnEditValueChangedPending = false;
    bool FModified = false;
    bool FModifiedAfterEnter = false;
    bool FValidated = false;
    bool FValidating = false;
    bool FEscapeHandled = false;
    bool FKeyDriven = false;
    bool FAutoSize = true;
    bool FHasFocus = false;
};
