#pragma once

#include "platform/component/NotifyEvent.h"
#include "platform/control/ControlTypes.h"
#include "platform/core/Persistent.h"
#include "platform/edit/EditText.h"

#include <cstdint>
#include <functional>
#include <string>
#include <variant>

// The value of an editor: none (null), a text, an integer or a number.
using TcxEditValue = std::variant<std::monostate, std::string, long long, double>;
bool IsNullEditValue(const TcxEditValue& value);
// The text a value shows: empty for null, the text itself, numbers as the locale-free decimal.
std::string EditValueToText(const TcxEditValue& value);

enum TcxEditVertAlignment { taTopJustify, taBottomJustify, taVCenter };

// Horizontal and vertical alignment of an editor's content.
class TcxEditAlignment : public TPersistent {
public:
    std::string ClassName() const override { return "TcxEditAlignment"; }
    bool Assign(const TPersistent& source) override;
    TAlignment Horz() const { return FHorz; }
    void SetHorz(TAlignment value);
    TcxEditVertAlignment Vert() const { return FVert; }
    void SetVert(TcxEditVertAlignment value);
    std::function<void()> OnChanged;

private:
    TAlignment FHorz = taLeftJustify;
    TcxEditVertAlignment FVert = taTopJustify;
};

// OnValidate: the display value and the error text may be changed; error says whether the
// value is refused.
using TcxEditValidateEvent = std::function<void(TPersistent* sender, std::string& displayValue,
                                                std::string& errorText, bool& error)>;

// The settings of an editor, which also carry its events. Changed tells the editor (through
// OnPropertiesChanged) at once, or once when the last open update is closed with invoke.
class TcxCustomEditProperties : public TPersistent {
public:
    explicit TcxCustomEditProperties(TPersistent* owner);
    ~TcxCustomEditProperties() override = default;
    TcxCustomEditProperties(const TcxCustomEditProperties&) = delete;
    TcxCustomEditProperties& operator=(const TcxCustomEditProperties&) = delete;

    std::string ClassName() const override { return "TcxCustomEditProperties"; }
    TPersistent* Owner() const { return FOwner; }

    TcxEditAlignment& Alignment() { return FAlignment; }
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool value);
    bool BeepOnError() const { return FBeepOnError; }
    void SetBeepOnError(bool value);
    // The key (with its shift bits, as key | shift << 16) that clears the editor; 0 for none.
    std::uint32_t ClearKey() const { return FClearKey; }
    void SetClearKey(std::uint32_t value);
    // Meaningful only when assigned; unassigned reads False.
    bool ReadOnly() const { return FReadOnlyAssigned && FReadOnly; }
    void SetReadOnly(bool value);
    bool IsReadOnlyAssigned() const { return FReadOnlyAssigned; }
    bool ValidateOnEnter() const { return FValidateOnEnter; }
    void SetValidateOnEnter(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);

    void BeginUpdate() { ++FUpdateCount; }
    // Closes an update; with invoke, a change that happened inside is announced once.
    void EndUpdate(bool invoke = true);
    void Changed();
    // While locked, changes are remembered but not announced.
    void LockChanges(bool lock, bool invoke = true);
    bool IsChanging() const { return FChangeNesting > 0; }

    virtual bool CanCompareEditValue() const { return false; }
    virtual bool CanValidate() const { return false; }
    virtual bool HasDisplayValue() const { return false; }
    virtual bool InnerEditNeedsTabs() const { return false; }
    virtual bool IsResetEditClass() const { return false; }
    virtual bool IsEditValueValid(const TcxEditValue& value) const {
        (void)value;
        return true;
    }
    // Runs OnValidate over a display value: error and errorText say whether and why it is
    // refused.
    virtual void ValidateDisplayValue(std::string& displayValue, std::string& errorText,
                                      bool& error, TPersistent* editor);

    TNotifyEvent OnChange;
    TNotifyEvent OnEditValueChanged;
    TcxEditValidateEvent OnValidate;
    // Set by the editor: its reaction to a change of the properties.
    std::function<void()> OnPropertiesChanged;

protected:
    template <class T> void Set(T& field, const T& value) {
        if (field == value)
            return;
        field = value;
        Changed();
    }

private:
    TPersistent* FOwner;
    TcxEditAlignment FAlignment;
    bool FAutoSelect = true;
    bool FBeepOnError = false;
    std::uint32_t FClearKey = 0;
    bool FReadOnly = false;
    bool FReadOnlyAssigned = false;
    bool FValidateOnEnter = false;
    bool FTransparent = false;
    int FUpdateCount = 0;
    bool FChangedOccurred = false;
    int FChangeLock = 0;
    int FChangeNesting = 0;
};

enum TcxEditEchoMode { eemNormal, eemPassword };

// The settings of the single-line text edit.
class TcxCustomTextEditProperties : public TcxCustomEditProperties {
public:
    using TcxCustomEditProperties::TcxCustomEditProperties;
    std::string ClassName() const override { return "TcxCustomTextEditProperties"; }

    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase value) { Set(FCharCase, value); }
    TcxEditEchoMode EchoMode() const { return FEchoMode; }
    void SetEchoMode(TcxEditEchoMode value) { Set(FEchoMode, value); }
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value) { Set(FHideSelection, value); }
    // 0: no limit; negative values become 0.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value);
    bool IsMaxLengthAssigned() const { return FMaxLengthAssigned; }
    bool OEMConvert() const { return FOEMConvert; }
    void SetOEMConvert(bool value) { Set(FOEMConvert, value); }
    char PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char value) { Set(FPasswordChar, value); }

    bool CanCompareEditValue() const override { return true; }
    bool CanValidate() const override { return true; }
    bool HasDisplayValue() const override { return true; }
    bool IsResetEditClass() const override { return true; }
    bool IsEditValueValid(const TcxEditValue& value) const override;
    // Accepts a text (after the letter case is applied to it).
    virtual bool IsDisplayValueValid(std::string& text) const;

private:
    TEditCharCase FCharCase = eccNormal;
    TcxEditEchoMode FEchoMode = eemNormal;
    bool FHideSelection = true;
    int FMaxLength = 0;
    bool FMaxLengthAssigned = false;
    bool FOEMConvert = false;
    char FPasswordChar = 0;
};

class TcxTextEditProperties : public TcxCustomTextEditProperties {
public:
    using TcxCustomTextEditProperties::TcxCustomTextEditProperties;
    std::string ClassName() const override { return "TcxTextEditProperties"; }
};
