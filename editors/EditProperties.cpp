#include "editors/EditProperties.h"

#include "platform/core/Gbk.h"

#include <cctype>
#include <cstdio>

bool IsNullEditValue(const TcxEditValue& value) {
    return std::holds_alternative<std::monostate>(value);
}

std::string EditValueToText(const TcxEditValue& value) {
    if (const auto* text = std::get_if<std::string>(&value))
        return *text;
    if (const auto* integer = std::get_if<long long>(&value))
        return std::to_string(*integer);
    if (const auto* number = std::get_if<double>(&value)) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.15g", *number);
        return buf;
    }
    return {};
}

// --- Alignment ------------------------------------------------------------------------------

bool TcxEditAlignment::Assign(const TPersistent& source) {
    const auto* other = dynamic_cast<const TcxEditAlignment*>(&source);
    if (!other)
        return false;
    FHorz = other->FHorz;
    FVert = other->FVert;
    if (OnChanged)
        OnChanged();
    return true;
}

void TcxEditAlignment::SetHorz(TAlignment value) {
    if (FHorz == value)
        return;
    FHorz = value;
    if (OnChanged)
        OnChanged();
}

void TcxEditAlignment::SetVert(TcxEditVertAlignment value) {
    if (FVert == value)
        return;
    FVert = value;
    if (OnChanged)
        OnChanged();
}

// --- Properties -----------------------------------------------------------------------------

TcxCustomEditProperties::TcxCustomEditProperties(TPersistent* owner) : FOwner(owner) {
    FAlignment.OnChanged = [this] { Changed(); };
}

void TcxCustomEditProperties::SetAutoSelect(bool value) {
    Set(FAutoSelect, value);
}

void TcxCustomEditProperties::SetBeepOnError(bool value) {
    Set(FBeepOnError, value);
}

void TcxCustomEditProperties::SetClearKey(std::uint32_t value) {
    Set(FClearKey, value);
}

void TcxCustomEditProperties::SetValidateOnEnter(bool value) {
    Set(FValidateOnEnter, value);
}

void TcxCustomEditProperties::SetTransparent(bool value) {
    Set(FTransparent, value);
}

void TcxCustomEditProperties::SetReadOnly(bool value) {
    if (FReadOnlyAssigned && FReadOnly == value)
        return;
    FReadOnly = value;
    FReadOnlyAssigned = true;
    Changed();
}

void TcxCustomEditProperties::Changed() {
    if (FUpdateCount > 0 || FChangeLock > 0) {
        FChangedOccurred = true;
        return;
    }
    FChangedOccurred = false;
    if (!OnPropertiesChanged)
        return;
    ++FChangeNesting;
    try {
        OnPropertiesChanged();
    } catch (...) {
        --FChangeNesting;
        throw;
    }
    --FChangeNesting;
}

void TcxCustomEditProperties::EndUpdate(bool invoke) {
    if (FUpdateCount == 0)
        return;
    if (--FUpdateCount == 0 && invoke && FChangedOccurred)
        Changed();
}

void TcxCustomEditProperties::LockChanges(bool lock, bool invoke) {
    if (lock) {
        ++FChangeLock;
        return;
    }
    if (FChangeLock == 0)
        return;
    if (--FChangeLock == 0 && invoke && FChangedOccurred)
        Changed();
}

void TcxCustomEditProperties::ValidateDisplayValue(std::string& displayValue,
                                                   std::string& errorText, bool& error,
                                                   TPersistent* editor) {
    if (OnValidate)
        OnValidate(editor, displayValue, errorText, error);
}

// --- Text edit properties -------------------------------------------------------------------

void TcxCustomTextEditProperties::SetMaxLength(int value) {
    if (value < 0)
        value = 0;
    if (FMaxLengthAssigned && FMaxLength == value)
        return;
    FMaxLength = value;
    FMaxLengthAssigned = true;
    Changed();
}

bool TcxCustomTextEditProperties::IsEditValueValid(const TcxEditValue& value) const {
    const auto* text = std::get_if<std::string>(&value);
    if (!text)
        return true;
    std::string copy = *text;
    return IsDisplayValueValid(copy);
}

bool TcxCustomTextEditProperties::IsDisplayValueValid(std::string& text) const {
    if (FCharCase == eccNormal)
        return true;
    // ASCII letters only; the second byte of a double-byte character is left alone.
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto c = static_cast<unsigned char>(text[i]);
        if (IsGbkLeadByte(c) && i + 1 < text.size()) {
            ++i;
            continue;
        }
        if (c < 0x80)
            text[i] = char(FCharCase == eccUpperCase ? std::toupper(c) : std::tolower(c));
    }
    return true;
}
