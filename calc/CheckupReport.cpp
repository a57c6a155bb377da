#include "calc/CheckupReport.h"

#include "calc/GrowthIndex.h"
#include "calc/SkillShare.h"
#include "calc/Texts.h"
#include "calc/WrapInt.h"

#include <string>

namespace {

// Skill points one skill costs.
std::int32_t SkillCost(TPetKind kind) {
    return kind == pkMount ? 300 : 250;
}

std::string Join(std::string_view label, std::string_view value) {
    std::string line;
    line.reserve(label.size() + value.size());
    line += label;
    line += value;
    return line;
}

std::string Join(std::string_view label, std::int32_t value) {
    return Join(label, std::to_string(value));
}

} // namespace

std::int32_t CheckupGrowthBase(const TPetInput& input) {
    const std::int32_t czl = input.czl.Value;
    const std::int32_t hjn = input.hjn.Value;
    if (input.dj.Value <= 1)
        return WrapMul(czl, hjn);
    const std::int32_t s = PetSkillShare(czl);
    const std::int32_t p = WrapSub(czl, s);
    const std::int32_t levels = input.dj.Value - 1; // dj > 1, so no overflow
    const std::int32_t skillSoFar = WrapMul(s, levels);
    const std::int32_t potentialSoFar = WrapMul(p, levels);
    if (potentialSoFar > input.qn.Value) {
        const std::int32_t spent = WrapSub(potentialSoFar, input.qn.Value);
        return WrapMul(czl, WrapSub(WrapSub(hjn, spent), skillSoFar));
    }
    return WrapMul(czl, WrapSub(hjn, skillSoFar));
}

TPetReport BuildCheckupReport(const TPetInput& input, std::string_view decimalSeparator) {
    const std::int32_t cost = SkillCost(input.Kind);
    const std::int32_t s = PetSkillShare(input.czl.Value);
    const std::int32_t p = WrapSub(input.czl.Value, s);
    const std::int32_t levels = WrapSub(input.mbdj.Value, input.dj.Value);
    const std::int32_t skillGained = WrapMul(s, levels);
    const std::int32_t potentialGained = WrapMul(p, levels);
    const std::int32_t total = WrapAdd(input.hjn.Value, skillGained);
    const std::int32_t current = WrapAdd(input.qjn.Value, skillGained);
    const std::int32_t potential = WrapAdd(input.qn.Value, potentialGained);
    const std::int32_t totalConverted = WrapAdd(total, potential);
    const std::int32_t currentConverted = WrapAdd(current, potential);
    const double index = GrowthIndex(CheckupGrowthBase(input));

    TPetReport report;
    report.Caption = std::string(kCheckupCaption);
    std::vector<std::string>& lines = report.Lines;
    lines.reserve(18);
    lines.emplace_back(kCheckupTitle);
    lines.push_back(Join(Join(kCheckupTargetBefore, input.mbdj.Text), kCheckupTargetAfter));
    lines.push_back(Join(kCheckupLevel, input.mbdj.Text));
    lines.push_back(Join(kCheckupGrowthRate, input.czl.Text));
    lines.push_back(Join(Join(kCheckupSkillPoints, current) + "/", std::to_string(total)));
    lines.push_back(Join(kCheckupPotential, potential));
    lines.push_back(Join(kCheckupSkillsInAll, total / cost));
    lines.push_back(Join(kCheckupSkillsLeft, current / cost));
    lines.emplace_back(kCheckupIfConverted);
    lines.push_back(Join(kCheckupSkillsInAll, totalConverted / cost));
    lines.push_back(Join(kCheckupSkillsLeft, currentConverted / cost));
    lines.push_back(Join(kCheckupGrowthIndex, FormatGrowthIndex(index, decimalSeparator)));
    lines.emplace_back(kCheckupEnd);
    lines.emplace_back(kCheckupIndexNotes);
    lines.emplace_back(kCheckupIndexNote1);
    lines.emplace_back(kCheckupIndexNote2);
    lines.emplace_back(kCheckupIndexNote3);
    lines.emplace_back(kAuthorLine);
    return report;
}

TPetReport BuildCheckupReport(const TPetInput& input) {
    return BuildCheckupReport(input, LocaleDecimalSeparator());
}
