#include "cli/CliCommand.h"

#include "calc/CheckupReport.h"
#include "calc/MergeSkillReport.h"
#include "calc/PetInputReader.h"
#include "platform/core/Gbk.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <string_view>

namespace {

const char kUsage[] = "usage: petcalc-cli checkup --dj T --czl T --qjn T --hjn T --qn T --mbdj T "
                      "[--kind attendant|mount]\n"
                      "       petcalc-cli merge --ll T --tp T --ys T --jg T\n"
                      "       petcalc-cli --help\n";

const char kHelp[] =
    "petcalc-cli: the pet calculator on the command line\n"
    "petcalc-cli：宠物查询器的命令行版\n"
    "\n"
    "Usage / 用法:\n"
    "  petcalc-cli checkup --dj T --czl T --qjn T --hjn T --qn T --mbdj T "
    "[--kind attendant|mount]\n"
    "  petcalc-cli merge --ll T --tp T --ys T --jg T\n"
    "  petcalc-cli --help\n"
    "\n"
    "checkup  the pet check-up: skill points, potential and learnable skills at the target\n"
    "         level, and the growth index\n"
    "         宠物体检：提升到目标等级后的技能点、潜能、可学技能数和宠物成长指数\n"
    "  --dj    current level            当前等级\n"
    "  --czl   growth rate              成长率\n"
    "  --qjn   current skill points     当前技能点\n"
    "  --hjn   total skill points       总技能点\n"
    "  --qn    unspent potential        潜能\n"
    "  --mbdj  target level             目标等级\n"
    "  --kind  attendant (default) or mount   侍宠（默认）或骑宠\n"
    "merge    the merge skills the four attributes allow\n"
    "         宠物可学的合一技能\n"
    "  --ll    strength                 力量\n"
    "  --tp    physique                 体魄\n"
    "  --ys    spirit                   元神\n"
    "  --jg    sinews                   筋骨\n"
    "\n"
    "Each value is taken exactly as typed, like the text of an edit box: leading spaces, a sign,\n"
    "and the hexadecimal prefixes $, x and 0x are understood; a missing option is an empty\n"
    "field. \"--dj=30\" works as well as \"--dj 30\".\n"
    "每个值都按输入原样使用，与输入框中的文字相同：可以有前导空格、正负号和十六进制前缀\n"
    "$、x、0x；未给出的选项视为空格未填写。\"--dj=30\" 与 \"--dj 30\" 相同。\n"
    "\n"
    "The report, or the message about the input, is written to standard output in UTF-8.\n"
    "Exit status: 0 report, 1 message about the input, 2 usage error, 3 output not written.\n"
    "报告或输入提示以UTF-8写到标准输出。退出码：0 报告，1 输入提示，2 用法错误，3 无法输出。\n";

// The length of the valid UTF-8 sequence at the start of s, 0 when it is not one.
std::size_t Utf8SequenceLength(std::string_view s) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t code = 0;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (s.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are not characters.
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        return 0;
    return length;
}

// A text from the command line as it may be shown: what is not UTF-8 becomes \xNN, and
// control characters are written the same way, so that the error text stays one readable line.
std::string Printable(std::string_view text) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text.substr(i));
        const auto c = static_cast<unsigned char>(text[i]);
        if (length == 0 || c < 0x20 || c == 0x7F) {
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 0x0F];
            ++i;
        } else {
            out.append(text.substr(i, length));
            i += length;
        }
    }
    return out;
}

int UsageError(std::ostream& err, std::string_view problem) {
    err << "petcalc-cli: " << Printable(problem) << "\n" << kUsage;
    return csUsageError;
}

// Writes a GBK text as UTF-8 lines: a CR LF inside it is a line break, and it ends one line.
void WriteText(std::ostream& out, std::string_view gbk) {
    const std::string utf8 = GbkToUtf8(gbk);
    std::string text;
    text.reserve(utf8.size() + 1);
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n')
            continue; // the LF that follows makes the break
        text += utf8[i];
    }
    text += '\n';
    out << text;
}

int WriteReport(std::ostream& out, const TPetReport& report) {
    WriteText(out, report.Caption);
    for (const std::string& line : report.Lines)
        WriteText(out, line);
    return csReport;
}

bool IsHelp(std::string_view arg) {
    return arg == "--help" || arg == "-h";
}

// The options of one command: name to value, as given on the command line.
using TOptionValues = std::map<std::string, std::string, std::less<>>;

// Reads "--name value" and "--name=value" pairs; an error text when the line is not valid.
std::optional<std::string> ReadOptions(const std::vector<std::string>& args,
                                       std::initializer_list<std::string_view> allowed,
                                       TOptionValues& values) {
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0)
            return "unexpected argument '" + arg + "'";
        std::string name = arg.substr(2);
        std::string value;
        if (const std::size_t equals = name.find('='); equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return "option '--" + name + "' needs a value";
        }
        if (std::find(allowed.begin(), allowed.end(), name) == allowed.end())
            return "unknown option '--" + name + "' for " + args[0];
        if (!values.emplace(name, value).second)
            return "option '--" + name + "' given twice";
    }
    return std::nullopt;
}

// The GBK text of a field; empty when the option was not given.
std::string Field(const TOptionValues& values, std::string_view name) {
    const auto found = values.find(name);
    return found == values.end() ? std::string() : Utf8ToGbk(found->second);
}

int RunCheckup(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    TOptionValues values;
    if (auto problem = ReadOptions(args, {"dj", "czl", "qjn", "hjn", "qn", "mbdj", "kind"}, values))
        return UsageError(err, *problem);
    TPetKind kind = pkAttendant;
    if (const auto found = values.find("kind"); found != values.end()) {
        if (found->second == "mount")
            kind = pkMount;
        else if (found->second != "attendant")
            return UsageError(err, "--kind is attendant or mount, not '" + found->second + "'");
    }
    const TPetReadResult result =
        ReadCheckupInput(Field(values, "dj"), Field(values, "czl"), Field(values, "qjn"),
                         Field(values, "hjn"), Field(values, "qn"), Field(values, "mbdj"), kind);
    if (const std::string* message = result.Message()) {
        WriteText(out, *message);
        return csInputMessage;
    }
    return WriteReport(out, BuildCheckupReport(*result.Input()));
}

int RunMerge(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    TOptionValues values;
    if (auto problem = ReadOptions(args, {"ll", "tp", "ys", "jg"}, values))
        return UsageError(err, *problem);
    const TPetReadResult result = ReadAttributeInput(Field(values, "ll"), Field(values, "tp"),
                                                     Field(values, "ys"), Field(values, "jg"));
    if (const std::string* message = result.Message()) {
        WriteText(out, *message);
        return csInputMessage;
    }
    return WriteReport(out, BuildMergeSkillReport(*result.Input()));
}

} // namespace

int RunPetCalcCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty())
        return UsageError(err, "no command given");
    // Help wherever an option may stand; a value that reads "--help" is still a value.
    if (IsHelp(args[0])) {
        out << kHelp;
        return csReport;
    }
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (IsHelp(args[i])) {
            out << kHelp;
            return csReport;
        }
        if (args[i].rfind("--", 0) == 0 && args[i].find('=') == std::string::npos)
            ++i; // skip the option's value
    }
    if (args[0] == "checkup")
        return RunCheckup(args, out, err);
    if (args[0] == "merge")
        return RunMerge(args, out, err);
    return UsageError(err, "unknown command '" + args[0] + "'");
}
