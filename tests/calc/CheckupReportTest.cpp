#include "calc/CheckupReport.h"

#include "calc/PetInputReader.h"
#include "tests/calc/GbkToUtf8.h"

#include <gtest/gtest.h>

#include <clocale>

#include <string>
#include <vector>

namespace {

struct TFields {
    std::string dj, czl, qjn, hjn, qn, mbdj;
};

TPetInput Read(const TFields& f, TPetKind kind) {
    const TPetReadResult result = ReadCheckupInput(f.dj, f.czl, f.qjn, f.hjn, f.qn, f.mbdj, kind);
    EXPECT_TRUE(result.IsAccepted()) << "fields were rejected";
    return result.IsAccepted() ? *result.Input() : TPetInput{};
}

TUtf8Report Checkup(const TFields& f, TPetKind kind = pkAttendant, std::string_view sep = ".") {
    return ToUtf8(BuildCheckupReport(Read(f, kind), sep));
}

// The full report with the values of lines 2 to 12 filled in.
std::vector<std::string> ExpectedLines(const std::string& target, const std::string& growth,
                                       const std::string& points, const std::string& potential,
                                       const std::string& all, const std::string& left,
                                       const std::string& allConverted,
                                       const std::string& leftConverted, const std::string& index) {
    return {
        "你的宠物体检结果如下:\r\n",
        "当你的宠物提升到" + target + "等级后,宠物的属性为",
        "等  级:" + target,
        "成长率:" + growth,
        "技能点:" + points,
        "潜  能:" + potential,
        "总共可学技能数:" + all,
        "还可学习技能数:" + left,
        "如果将全部潜能转化为技能点后",
        "总共可学技能数:" + allConverted,
        "还可学习技能数:" + leftConverted,
        "宠物成长指数:" + index,
        "体检结束......\r\n",
        "宠物成长指数说明:\r\n",
        "1.宠物成长指数是根据宠物综合属性计算的.",
        "2.成长指数仅给玩家对甄别宠物提供参考数据.",
        "3.指数越高表示该宠物成长越好.\r\n",
        "软件制作 -- Tamsel",
    };
}

const TFields kWorkedExample = {"30", "25", "100", "1000", "50", "40"};

TEST(calc_BuildCheckupReport, WorkedExampleForAnAttendantPet) {
    const TUtf8Report report = Checkup(kWorkedExample);
    EXPECT_EQ(report.Caption, "宠物体检鉴定中心");
    EXPECT_EQ(report.Lines,
              ExpectedLines("40", "25", "240/1140", "160", "4", "0", "5", "1", "0.127"));
}

TEST(calc_BuildCheckupReport, WorkedExampleForAMountPet) {
    const TUtf8Report report = Checkup(kWorkedExample, pkMount);
    EXPECT_EQ(report.Caption, "宠物体检鉴定中心");
    EXPECT_EQ(report.Lines,
              ExpectedLines("40", "25", "240/1140", "160", "3", "0", "4", "1", "0.127"));
}

TEST(calc_BuildCheckupReport, EdgeCases) {
    const struct {
        const char* Why;
        TFields Fields;
        TPetKind Kind;
        std::vector<std::string> Lines;
    } cases[] = {
        {"level 1: index from growth rate times total skill points",
         {"1", "30", "0", "0", "0", "10"},
         pkAttendant,
         ExpectedLines("10", "30", "153/153", "117", "0", "0", "1", "1", "0")},
        {"potential spent so far above the unspent potential",
         {"10", "20", "0", "50", "0", "11"},
         pkAttendant,
         ExpectedLines("11", "20", "11/61", "9", "0", "0", "0", "0", "-0.0406")},
        {"growth rate 5: share 2, potential 3 per level",
         {"1", "5", "0", "0", "0", "2"},
         pkAttendant,
         ExpectedLines("2", "5", "2/2", "3", "0", "0", "0", "0", "0")},
        {"potential so far not above the unspent potential",
         {"11", "10", "0", "1000", "100", "12"},
         pkAttendant,
         // s 5, p 5, P 50, Q 50: K = 10 x (1000 - 50) = 9500 -> 0.1484375
         ExpectedLines("12", "10", "5/1005", "105", "4", "0", "4", "0", "0.1484")},
        {"negative numerators divide toward zero",
         {"1", "0", "-251", "-1", "0", "2"},
         pkAttendant,
         ExpectedLines("2", "0", "-251/-1", "0", "0", "-1", "0", "-1", "0")},
        {"texts as typed: leading space and hexadecimal",
         {"30", "$19", "100", "1000", "50", " 40"},
         pkAttendant,
         ExpectedLines(" 40", "$19", "240/1140", "160", "4", "0", "5", "1", "0.127")},
        {"texts as typed: hexadecimal target",
         {"30", "+25", "100", "1000", "50", "$28"},
         pkMount,
         ExpectedLines("$28", "+25", "240/1140", "160", "3", "0", "4", "1", "0.127")},
        {"negative levels",
         {"-5", "10", "0", "0", "0", "-3"},
         pkAttendant,
         ExpectedLines("-3", "10", "10/10", "10", "0", "0", "0", "0", "0")},
        {"sums wrap around at 32 bits",
         {"0", "1", "2147483647", "2147483647", "2147483647", "1"},
         pkAttendant,
         // s 0, p 1: potential 2147483647 + 1 wraps to -2147483648, and adding it to the
         // skill points gives -1; K = 1 x 2147483647.
         ExpectedLines("1", "1", "2147483647/2147483647", "-2147483648", "8589934", "8589934", "0",
                       "0", "33554.432")},
    };
    for (const auto& c : cases) {
        const TUtf8Report report = Checkup(c.Fields, c.Kind);
        EXPECT_EQ(report.Lines, c.Lines) << c.Why;
    }
}

TEST(calc_BuildCheckupReport, ProductsWrapAroundAt32Bits) {
    // s 1288490188 and L 2 give A = 2576980376, which wraps to -1717986920.
    const TUtf8Report report = Checkup({"0", "2147483647", "0", "0", "0", "2"});
    ASSERT_EQ(report.Lines.size(), 18u);
    EXPECT_EQ(report.Lines[4], "技能点:-1717986920/-1717986920");
    // K = czl x hjn = 0.
    EXPECT_EQ(report.Lines[11], "宠物成长指数:0");
}

TEST(calc_BuildCheckupReport, GrowthBaseFollowsTheLevelRule) {
    const struct {
        TFields Fields;
        std::int32_t K;
    } cases[] = {
        {{"30", "25", "100", "1000", "50", "40"}, 8125},
        {{"10", "20", "0", "50", "0", "11"}, -2600},
        {{"1", "30", "0", "7", "0", "10"}, 210},
        {{"0", "30", "0", "7", "0", "10"}, 210},
        {{"-4", "3", "0", "7", "0", "10"}, 21},
        {{"2", "10", "0", "100", "5", "3"}, 10 * (100 - 5)},
        {{"2", "10", "0", "100", "4", "3"}, 10 * (100 - 1 - 5)},
        // The products wrap around at 32 bits.
        {{"0", "65536", "0", "65536", "0", "1"}, 0},
        {{"1", "2147483647", "0", "2", "0", "2"}, -2},
        {{"3", "-2147483648", "0", "1", "0", "4"}, -2147483647 - 1},
    };
    for (const auto& c : cases) {
        const TFields& f = c.Fields;
        EXPECT_EQ(CheckupGrowthBase(Read(f, pkAttendant)), c.K) << f.dj << " " << f.czl;
    }
}

TEST(calc_BuildCheckupReport, IndexUsesTheDecimalSeparator) {
    EXPECT_EQ(Checkup(kWorkedExample, pkAttendant, ",").Lines[11], "宠物成长指数:0,127");
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(GbkToUtf8Strict(BuildCheckupReport(Read(kWorkedExample, pkAttendant)).Lines[11]),
              "宠物成长指数:0.127");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

} // namespace
