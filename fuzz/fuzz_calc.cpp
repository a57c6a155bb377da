// Fuzzes the integer reader, both input readers and both report builders. Every input must give
// exactly one of a message and a record, the message the first failed check calls for, and a
// record that builds a well-formed report. Any violation aborts.
//
// Input: one byte of options (bit 0: mount pet), then up to ten field texts separated by line
// feeds: dj, czl, qjn, hjn, qn, mbdj, ll, tp, ys, jg. Missing fields are empty.
#include "calc/CheckupReport.h"
#include "calc/GrowthIndex.h"
#include "calc/MergeSkillCatalogue.h"
#include "calc/MergeSkillReport.h"
#include "calc/PetInputReader.h"
#include "calc/PetInteger.h"
#include "calc/Texts.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_calc: %s\n", what);
        std::abort();
    }
}

std::array<std::string_view, 10> SplitFields(std::string_view text) {
    std::array<std::string_view, 10> fields{};
    for (std::string_view& field : fields) {
        const std::size_t end = text.find('\n');
        field = text.substr(0, end);
        if (end == std::string_view::npos) {
            text = {};
            break;
        }
        text.remove_prefix(end + 1);
    }
    return fields;
}

void CheckInteger(std::string_view text) {
    const std::optional<std::int32_t> value = ParsePetInteger(text);
    const std::optional<std::int32_t> spaced = ParsePetInteger(" " + std::string(text));
    Require(value == spaced, "a leading space changed the reading");
    if (value)
        Require(ParsePetInteger(std::to_string(*value)) == value,
                "decimal text does not read back");
}

// n / 10000 written out with whole numbers.
std::string DecimalText(std::int64_t n) {
    std::string text = n < 0 ? "-" : "";
    const std::int64_t magnitude = n < 0 ? -n : n;
    text += std::to_string(magnitude / 10000);
    std::string fraction = std::to_string(10000 + magnitude % 10000).substr(1);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty())
        text += "." + fraction;
    return text;
}

void CheckGrowthIndex(std::int32_t k) {
    const std::string text = FormatGrowthIndex(GrowthIndex(k), ".");
    Require(text != "-0", "minus zero");
    if ((k % 32 + 32) % 32 == 16)
        return; // exact halves go the way the extended steps decide
    const std::int64_t numerator = 5 * static_cast<std::int64_t>(k) + 16;
    const std::int64_t n = numerator >= 0 ? numerator / 32 : -((-numerator + 31) / 32);
    Require(text == DecimalText(n), "growth index is not the nearest ten-thousandth");
}

std::string_view ExpectedCheckupMessage(const std::array<std::string_view, 10>& f) {
    for (int i = 0; i < 6; ++i)
        if (f[i].empty())
            return kMsgCheckupFieldEmpty;
    std::int32_t v[6];
    for (int i = 0; i < 6; ++i) {
        const std::optional<std::int32_t> value = ParsePetInteger(f[i]);
        if (!value)
            return kMsgCheckupNotInteger;
        v[i] = *value;
    }
    if (v[2] > v[3])
        return kMsgSkillPointsAboveTotal;
    if (v[5] < v[0])
        return kMsgTargetBelowCurrent;
    if (v[5] == v[0])
        return kMsgTargetEqualsCurrent;
    return {};
}

void CheckCheckup(const std::array<std::string_view, 10>& f, TPetKind kind) {
    const TPetReadResult result = ReadCheckupInput(f[0], f[1], f[2], f[3], f[4], f[5], kind);
    Require((result.Input() != nullptr) != (result.Message() != nullptr),
            "check-up reading gave not exactly one of record and message");
    const std::string_view expected = ExpectedCheckupMessage(f);
    if (const std::string* message = result.Message()) {
        Require(!expected.empty() && *message == expected, "wrong check-up message");
        return;
    }
    Require(expected.empty(), "check-up reading accepted what a check rejects");
    const TPetInput& input = *result.Input();
    Require(input.Kind == kind && input.mbdj.Text == f[5] && input.czl.Text == f[1],
            "check-up record lost a text or the kind");
    Require(ParsePetInteger(f[3]) == input.hjn.Value, "check-up record holds another number");
    const TPetReport report = BuildCheckupReport(input, ".");
    Require(report.Caption == kCheckupCaption && report.Lines.size() == 18,
            "check-up report has the wrong shape");
    Require(report.Lines[2] == std::string(kCheckupLevel) + input.mbdj.Text,
            "check-up report does not show the target level as typed");
    const std::string index = FormatGrowthIndex(GrowthIndex(CheckupGrowthBase(input)), ".");
    Require(index != "-0", "growth index printed as minus zero");
    Require(report.Lines[11] == std::string(kCheckupGrowthIndex) + index,
            "check-up report does not show the growth index");
    Require(report.Lines.back() == kAuthorLine, "check-up report lost its last line");
}

void CheckAttributes(const std::array<std::string_view, 10>& f) {
    const TPetReadResult result = ReadAttributeInput(f[6], f[7], f[8], f[9]);
    Require((result.Input() != nullptr) != (result.Message() != nullptr),
            "attribute reading gave not exactly one of record and message");
    bool anyEmpty = false, allNumbers = true;
    for (int i = 6; i < 10; ++i) {
        anyEmpty = anyEmpty || f[i].empty();
        allNumbers = allNumbers && ParsePetInteger(f[i]).has_value();
    }
    if (const std::string* message = result.Message()) {
        Require(*message == (anyEmpty ? kMsgAttributeFieldEmpty : kMsgAttributeNotInteger) &&
                    (anyEmpty || !allNumbers),
                "wrong attribute message");
        return;
    }
    Require(!anyEmpty && allNumbers, "attribute reading accepted an invalid field");
    const TPetInput& input = *result.Input();
    const TPetReport report = BuildMergeSkillReport(input);
    Require(report.Caption == kMergeCaption && report.Lines.size() >= 4,
            "merge-skill report has the wrong shape");
    std::size_t headings = 0, expectedHeadings = 0;
    for (const std::string& line : report.Lines)
        if (line.rfind(kSkillHeadingBefore, 0) == 0)
            ++headings;
    for (const TMergeSkill& skill : MergeSkillCatalogue())
        if ((input.*skill.FirstAttribute).Value >= 5 && (input.*skill.SecondAttribute).Value >= 5)
            ++expectedHeadings;
    Require(headings == expectedHeadings, "merge-skill report lists the wrong number of skills");
    Require(report.Lines.back() == kAuthorLine, "merge-skill report lost its last line");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const TPetKind kind = (data[0] & 1) != 0 ? pkMount : pkAttendant;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::array<std::string_view, 10> fields = SplitFields(text);
    for (std::string_view field : fields)
        CheckInteger(field);
    if (size >= 5) {
        std::uint32_t bits = 0;
        for (int i = 1; i <= 4; ++i)
            bits = (bits << 8) | data[i];
        CheckGrowthIndex(static_cast<std::int32_t>(bits));
    }
    CheckCheckup(fields, kind);
    CheckAttributes(fields);
    return 0;
}
