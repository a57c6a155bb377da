#include "calc/MergeSkillReport.h"

#include "calc/PetInputReader.h"
#include "tests/calc/GbkToUtf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TUtf8Report Merge(const std::string& ll, const std::string& tp, const std::string& ys,
                  const std::string& jg) {
    const TPetReadResult result = ReadAttributeInput(ll, tp, ys, jg);
    EXPECT_TRUE(result.IsAccepted());
    return ToUtf8(BuildMergeSkillReport(result.IsAccepted() ? *result.Input() : TPetInput{}));
}

const std::string kHeading = "你的宠物可学习:";
const std::string kMaxLevel = "最高技能等级:";

// Each skill block of a report as "name levelLineCount maxLevel", e.g. "体力合一 6 6级".
std::vector<std::string> Blocks(const TUtf8Report& report) {
    std::vector<std::string> blocks;
    std::string name;
    int levels = 0;
    for (const std::string& line : report.Lines) {
        if (line.rfind(kHeading, 0) == 0) {
            name = line.substr(kHeading.size());
            levels = 0;
        } else if (line.find("级：") != std::string::npos) {
            ++levels;
        } else if (const std::size_t at = line.find(kMaxLevel); at != std::string::npos) {
            blocks.push_back(name + " " + std::to_string(levels) + " " +
                             line.substr(at + kMaxLevel.size()));
        }
    }
    return blocks;
}

const std::vector<std::string> kOpening = {"注:目前合一技能并未完全开放.",
                                           "你的宠物功可学合一技能如下:"};
const std::string kApology = "很抱歉,你的宠物属性实在太烂了.什么合一技能都学不了.\r\n";
const std::vector<std::string> kClosing = {"宠物可学合一技能鉴定完毕......\r\n",
                                           "软件制作 -- Tamsel"};

std::vector<std::string> Concat(std::vector<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(calc_BuildMergeSkillReport, WorkedExample) {
    const TUtf8Report report = Merge("6", "6", "5", "3");
    EXPECT_EQ(report.Caption, "宠物功能鉴定中心");
    const std::vector<std::string> expected = {
        "注:目前合一技能并未完全开放.",
        "你的宠物功可学合一技能如下:",
        "你的宠物可学习:力体合一",
        "1级：攻击+4、生命恢复+1",
        "2级：攻击+8、生命恢复+1",
        "3级：攻击+12、生命恢复+1",
        "4级：攻击+16、生命恢复+1",
        "侍宠可学力体合一最高技能等级:6级",
        "若力体合一技能达到4级后,侍宠学习力量融合4级可激活隐藏技能:凶猛",
        "凶猛:物理会心几率+1.00%,物理会心伤害上限+3.00%\r\n",
        "你的宠物可学习:体力合一",
        "1级：生命值上限+30、法术抗性+4",
        "2级：生命值上限+40、法术抗性+6",
        "3级：生命值上限+50、法术抗性+8",
        "4级：生命值上限+70、法术抗性+10",
        "5级：生命值上限+80、法术抗性+12",
        "6级：生命值上限+90、法术抗性+14",
        "侍宠可学体力合一最高技能等级:6级",
        "若体力合一技能达到4级后,侍宠学习体魄融合4级可激活隐藏技能:强壮",
        "强壮:吸取生命+1,物理会心几率+1.00%\r\n",
        "你的宠物可学习:力元合一",
        "1级：忽略物理防御+2、吸取法力+1",
        "2级：忽略物理防御+13、吸取法力+1",
        "3级：忽略物理防御+24、吸取法力+1",
        "4级：忽略物理防御+35、吸取法力+1",
        "侍宠可学力元合一最高技能等级:4级",
        "若力元合一技能达到4级后,侍宠学习力量融合4级可激活隐藏技能:威猛",
        "威猛:技能法力消耗-2.00%,物理会心伤害上限+3.00%\r\n",
        "你的宠物可学习:元力合一",
        "1级：法力值上限+30、攻击+4",
        "2级：法力值上限+40、攻击+6",
        "3级：法力值上限+50、攻击+8",
        "4级：法力值上限+60、攻击+10",
        "侍宠可学元力合一最高技能等级:4级",
        "若元力合一技能达到4级后,侍宠学习元神融合4级可激活隐藏技能:未知",
        "未知:未知\r\n",
        "你的宠物可学习:体元合一",
        "1级：生命值上限+20、忽略法术抗性+3",
        "2级：生命值上限+30、忽略法术抗性+5",
        "3级：生命值上限+40、忽略法术抗性+7",
        "4级：生命值上限+50、忽略法术抗性+8",
        "侍宠可学体元合一最高技能等级:4级",
        "若体元合一技能达到4级后,侍宠学习体魄融合4级可激活隐藏技能:健壮",
        "健壮:吸取法力+1,法术会心几率+1.00%\r\n",
        "你的宠物可学习:元体合一",
        "1级：法力值上限+20、法术效果+4",
        "2级：法力值上限+35、法术效果+6",
        "3级：法力值上限+50、法术效果+8",
        "4级：法力值上限+65、法术效果+10",
        "侍宠可学元体合一最高技能等级:4级",
        "若元体合一技能达到4级后,侍宠学习元神融合4级可激活隐藏技能:智慧",
        "智慧:法术效果+10,生命上限+100\r\n",
        "宠物可学合一技能鉴定完毕......\r\n",
        "软件制作 -- Tamsel",
    };
    EXPECT_EQ(report.Lines, expected);
}

TEST(calc_BuildMergeSkillReport, ReportsWithoutSkills) {
    const struct {
        const char* Why;
        std::string ll, tp, ys, jg;
        bool Apology;
    } cases[] = {
        {"all four at 4", "4", "4", "4", "4", true},
        {"zero and negative", "0", "-5", "-2147483648", "3", true},
        {"exactly one at 5 or more", "100", "4", "4", "4", false},
        {"exactly one at 5 or more, last", "1", "2", "3", "5", false},
    };
    for (const auto& c : cases) {
        const TUtf8Report report = Merge(c.ll, c.tp, c.ys, c.jg);
        const std::vector<std::string> expected =
            c.Apology ? Concat({kOpening, {kApology}, kClosing}) : Concat({kOpening, kClosing});
        EXPECT_EQ(report.Lines, expected) << c.Why;
    }
}

TEST(calc_BuildMergeSkillReport, QualifyingPairsAndTheirHighestLevels) {
    const struct {
        const char* Why;
        std::string ll, tp, ys, jg;
        std::vector<std::string> Blocks;
    } cases[] = {
        {"worked example",
         "6",
         "6",
         "5",
         "3",
         {"力体合一 4 6级", "体力合一 6 6级", "力元合一 4 4级", "元力合一 4 4级", "体元合一 4 4级",
          "元体合一 4 4级"}},
        {"one pair at 6 and 5: fifth level line only",
         "6",
         "5",
         "0",
         "0",
         {"力体合一 4 4级", "体力合一 5 4级"}},
        {"one pair at 100 and 6", "100", "6", "4", "4", {"力体合一 4 6级", "体力合一 6 6级"}},
        {"sinews and physique at 7", "1", "7", "1", "7", {"体筋合一 4 未知", "筋体合一 6 未知"}},
        {"sinews and physique at 6 and 5",
         "1",
         "6",
         "1",
         "5",
         {"体筋合一 4 4级", "筋体合一 5 4级"}},
        {"spirit and sinews", "-1", "$FFFFFFFF", "5", "5", {"元筋合一 4 4级", "筋元合一 4 4级"}},
        {"all four at 7 or more",
         "7",
         "8",
         "2147483647",
         "$7FFFFFFF",
         {"力体合一 4 未知", "体力合一 6 未知", "力元合一 4 未知", "元力合一 4 未知",
          "力筋合一 4 未知", "筋力合一 4 未知", "体元合一 4 未知", "元体合一 4 未知",
          "体筋合一 4 未知", "筋体合一 6 未知", "元筋合一 4 未知", "筋元合一 4 未知"}},
        {"mixed levels: smaller attribute decides",
         "5",
         "6",
         "7",
         "8",
         {"力体合一 4 4级", "体力合一 5 4级", "力元合一 4 4级", "元力合一 4 4级", "力筋合一 4 4级",
          "筋力合一 4 4级", "体元合一 4 6级", "元体合一 4 6级", "体筋合一 4 6级", "筋体合一 6 6级",
          "元筋合一 4 未知", "筋元合一 4 未知"}},
    };
    for (const auto& c : cases) {
        const TUtf8Report report = Merge(c.ll, c.tp, c.ys, c.jg);
        EXPECT_EQ(Blocks(report), c.Blocks) << c.Why;
        // Opening and closing lines, never the apology when something is learnable.
        ASSERT_GE(report.Lines.size(), 4u) << c.Why;
        EXPECT_EQ(std::vector<std::string>(report.Lines.begin(), report.Lines.begin() + 2),
                  kOpening)
            << c.Why;
        EXPECT_EQ(std::vector<std::string>(report.Lines.end() - 2, report.Lines.end()), kClosing)
            << c.Why;
        EXPECT_EQ(std::find(report.Lines.begin(), report.Lines.end(), kApology), report.Lines.end())
            << c.Why;
    }
}

TEST(calc_BuildMergeSkillReport, IgnoresThePetKind) {
    TPetReadResult result = ReadAttributeInput("7", "6", "5", "9");
    ASSERT_TRUE(result.IsAccepted());
    TPetInput attendant = *result.Input();
    TPetInput mount = attendant;
    mount.Kind = pkMount;
    EXPECT_EQ(BuildMergeSkillReport(attendant).Lines, BuildMergeSkillReport(mount).Lines);
}

} // namespace
