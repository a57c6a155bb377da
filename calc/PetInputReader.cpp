#include "calc/PetInputReader.h"

#include "calc/PetInteger.h"
#include "calc/Texts.h"

#include <array>
#include <optional>
#include <string>

namespace {

struct TField {
    std::string_view Text;
    TPetNumber* Target;
};

template <std::size_t N> bool AnyEmpty(const std::array<TField, N>& fields) {
    for (const TField& field : fields)
        if (field.Text.empty())
            return true;
    return false;
}

// Reads every field in order into its target; false at the first text that is no integer.
template <std::size_t N> bool ReadAll(const std::array<TField, N>& fields) {
    for (const TField& field : fields) {
        const std::optional<std::int32_t> value = ParsePetInteger(field.Text);
        if (!value)
            return false;
        field.Target->Value = *value;
        field.Target->Text = std::string(field.Text);
    }
    return true;
}

} // namespace

TPetReadResult ReadCheckupInput(std::string_view dj, std::string_view czl, std::string_view qjn,
                                std::string_view hjn, std::string_view qn, std::string_view mbdj,
                                TPetKind kind) {
    TPetInput input;
    input.Kind = kind;
    const std::array<TField, 6> fields = {{{dj, &input.dj},
                                           {czl, &input.czl},
                                           {qjn, &input.qjn},
                                           {hjn, &input.hjn},
                                           {qn, &input.qn},
                                           {mbdj, &input.mbdj}}};
    if (AnyEmpty(fields))
        return TPetReadResult::Rejected(std::string(kMsgCheckupFieldEmpty));
    if (!ReadAll(fields))
        return TPetReadResult::Rejected(std::string(kMsgCheckupNotInteger));
    if (input.qjn.Value > input.hjn.Value)
        return TPetReadResult::Rejected(std::string(kMsgSkillPointsAboveTotal));
    if (input.mbdj.Value < input.dj.Value)
        return TPetReadResult::Rejected(std::string(kMsgTargetBelowCurrent));
    if (input.mbdj.Value == input.dj.Value)
        return TPetReadResult::Rejected(std::string(kMsgTargetEqualsCurrent));
    return TPetReadResult::Accepted(std::move(input));
}

TPetReadResult ReadAttributeInput(std::string_view ll, std::string_view tp, std::string_view ys,
                                  std::string_view jg) {
    TPetInput input;
    const std::array<TField, 4> fields = {
        {{ll, &input.ll}, {tp, &input.tp}, {ys, &input.ys}, {jg, &input.jg}}};
    if (AnyEmpty(fields))
        return TPetReadResult::Rejected(std::string(kMsgAttributeFieldEmpty));
    if (!ReadAll(fields))
        return TPetReadResult::Rejected(std::string(kMsgAttributeNotInteger));
    return TPetReadResult::Accepted(std::move(input));
}
