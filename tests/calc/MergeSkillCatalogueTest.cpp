#include "calc/MergeSkillCatalogue.h"

#include "tests/calc/GbkToUtf8.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// The catalogue as the game lists it, in UTF-8.
struct TExpectedSkill {
    const char* Name;
    const char* Fusion;
    const char* Hidden;
    const char* Effect;
    std::vector<std::string> Levels;
};

const TExpectedSkill kExpected[] = {
    {"力体合一",
     "力量融合",
     "凶猛",
     "凶猛:物理会心几率+1.00%,物理会心伤害上限+3.00%\r\n",
     {"1级：攻击+4、生命恢复+1", "2级：攻击+8、生命恢复+1", "3级：攻击+12、生命恢复+1",
      "4级：攻击+16、生命恢复+1"}},
    {"体力合一",
     "体魄融合",
     "强壮",
     "强壮:吸取生命+1,物理会心几率+1.00%\r\n",
     {"1级：生命值上限+30、法术抗性+4", "2级：生命值上限+40、法术抗性+6",
      "3级：生命值上限+50、法术抗性+8", "4级：生命值上限+70、法术抗性+10",
      "5级：生命值上限+80、法术抗性+12", "6级：生命值上限+90、法术抗性+14"}},
    {"力元合一",
     "力量融合",
     "威猛",
     "威猛:技能法力消耗-2.00%,物理会心伤害上限+3.00%\r\n",
     {"1级：忽略物理防御+2、吸取法力+1", "2级：忽略物理防御+13、吸取法力+1",
      "3级：忽略物理防御+24、吸取法力+1", "4级：忽略物理防御+35、吸取法力+1"}},
    {"元力合一",
     "元神融合",
     "未知",
     "未知:未知\r\n",
     {"1级：法力值上限+30、攻击+4", "2级：法力值上限+40、攻击+6", "3级：法力值上限+50、攻击+8",
      "4级：法力值上限+60、攻击+10"}},
    {"力筋合一",
     "力量融合",
     "勇猛",
     "勇猛:体力恢复速度+1,物理会心伤害上限+3.00%\r\n",
     {"1级：抵抗会心几率+0.10%、体力恢复速度+1", "2级：抵抗会心几率+0.30%、体力恢复速度+1",
      "3级：抵抗会心几率+0.45%、体力恢复速度+1", "4级：抵抗会心几率+0.60%、体力恢复速度+1"}},
    {"筋力合一",
     "筋骨融合",
     "坚强",
     "坚强:幸运+1,物理会心几率+1.00%\r\n",
     {"1级：防御+20、攻击+2", "2级：防御+30、攻击+3", "3级：防御+40、攻击+4",
      "4级：防御+50、攻击+5"}},
    {"体元合一",
     "体魄融合",
     "健壮",
     "健壮:吸取法力+1,法术会心几率+1.00%\r\n",
     {"1级：生命值上限+20、忽略法术抗性+3", "2级：生命值上限+30、忽略法术抗性+5",
      "3级：生命值上限+40、忽略法术抗性+7", "4级：生命值上限+50、忽略法术抗性+8"}},
    {"元体合一",
     "元神融合",
     "智慧",
     "智慧:法术效果+10,生命上限+100\r\n",
     {"1级：法力值上限+20、法术效果+4", "2级：法力值上限+35、法术效果+6",
      "3级：法力值上限+50、法术效果+8", "4级：法力值上限+65、法术效果+10"}},
    {"体筋合一",
     "体魄融合",
     "雄健",
     "雄健:忽略法术抗性+10,法术会心伤害上限+3.00%\r\n",
     {"1级：生命值上限+40、法术会心伤害上限+1.00%", "2级：生命值上限+50、法术会心伤害上限+2.00%",
      "3级：生命值上限+60、法术会心伤害上限+3.00%", "4级：生命值上限+70、法术会心伤害上限+4.00%"}},
    {"筋体合一",
     "筋骨融合",
     "坚韧",
     "坚韧:体力恢复+1,生命上限+2.00%\r\n",
     {"1级：防御+10、仇恨+1.00%", "2级：防御+20、仇恨+1.00%", "3级：防御+30、仇恨+2.00%",
      "4级：防御+40、仇恨+2.00%", "5级：防御+50、仇恨+3.00%", "6级：防御+60、仇恨+3.00%"}},
    {"元筋合一",
     "元神融合",
     "巧思",
     "巧思:法术效果+8,技能法力消耗-2.00%\r\n",
     {"1级：法术效果+3、法力恢复+1", "2级：法术效果+6、法力恢复+1", "3级：法术效果+9、法力恢复+1",
      "4级：法术效果+12、法力恢复+1"}},
    {"筋元合一",
     "筋骨融合",
     "坚定",
     "坚定:法力恢复+2,防御+60\r\n",
     {"1级：承受伤害-1、法术会心几率+0.50%", "2级：承受伤害-2、法术会心几率+0.50%",
      "3级：承受伤害-3、法术会心几率+1.00%", "4级：承受伤害-4、法术会心几率+1.00%"}},
};

TEST(calc_MergeSkillCatalogue, HoldsTheTwelveSkillsInReportOrder) {
    const auto& catalogue = MergeSkillCatalogue();
    ASSERT_EQ(catalogue.size(), std::size(kExpected));
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const TMergeSkill& skill = catalogue[i];
        const TExpectedSkill& expected = kExpected[i];
        EXPECT_EQ(GbkToUtf8Strict(skill.Name), expected.Name) << i;
        EXPECT_EQ(GbkToUtf8Strict(skill.FusionSkill), expected.Fusion) << i;
        EXPECT_EQ(GbkToUtf8Strict(skill.HiddenSkill), expected.Hidden) << i;
        EXPECT_EQ(GbkToUtf8Strict(skill.EffectLine), expected.Effect) << i;
        std::vector<std::string> levels;
        for (std::string_view line : skill.LevelLines)
            levels.push_back(GbkToUtf8Strict(line));
        EXPECT_EQ(levels, expected.Levels) << i;
    }
}

// The four attributes in catalogue order, with their characters and fusion skills.
const struct {
    TPetNumber TPetInput::*Attribute;
    const char* Character;
    const char* Fusion;
} kAttributes[] = {{&TPetInput::ll, "力", "力量融合"},
                   {&TPetInput::tp, "体", "体魄融合"},
                   {&TPetInput::ys, "元", "元神融合"},
                   {&TPetInput::jg, "筋", "筋骨融合"}};

int AttributeIndex(TPetNumber TPetInput::*attribute) {
    for (int i = 0; i < 4; ++i)
        if (kAttributes[i].Attribute == attribute)
            return i;
    return -1;
}

TEST(calc_MergeSkillCatalogue, EveryPairOccursOnceInEachOrderSideBySide) {
    const auto& catalogue = MergeSkillCatalogue();
    const std::pair<int, int> pairs[] = {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}};
    for (std::size_t i = 0; i < 6; ++i) {
        const TMergeSkill& skill = catalogue[2 * i];
        const TMergeSkill& mirror = catalogue[2 * i + 1];
        EXPECT_EQ(AttributeIndex(skill.FirstAttribute), pairs[i].first) << i;
        EXPECT_EQ(AttributeIndex(skill.SecondAttribute), pairs[i].second) << i;
        EXPECT_EQ(AttributeIndex(mirror.FirstAttribute), pairs[i].second) << i;
        EXPECT_EQ(AttributeIndex(mirror.SecondAttribute), pairs[i].first) << i;
    }
    // The attributes' characters name the skill; the first one's fusion skill unlocks it.
    for (const TMergeSkill& skill : catalogue) {
        const std::string name = GbkToUtf8Strict(skill.Name);
        const int first = AttributeIndex(skill.FirstAttribute);
        const int second = AttributeIndex(skill.SecondAttribute);
        ASSERT_TRUE(first >= 0 && second >= 0) << name;
        EXPECT_EQ(name, std::string(kAttributes[first].Character) + kAttributes[second].Character +
                            "合一");
        EXPECT_EQ(GbkToUtf8Strict(skill.FusionSkill), kAttributes[first].Fusion) << name;
    }
}

TEST(calc_MergeSkillCatalogue, OnlyTwoSkillsHaveSixLevels) {
    for (const TMergeSkill& skill : MergeSkillCatalogue()) {
        const std::string name = GbkToUtf8Strict(skill.Name);
        const bool six = name == "体力合一" || name == "筋体合一";
        ASSERT_EQ(skill.LevelLines.size(), six ? 6u : 4u) << name;
        for (std::size_t level = 0; level < skill.LevelLines.size(); ++level) {
            const std::string line = GbkToUtf8Strict(skill.LevelLines[level]);
            EXPECT_EQ(line.substr(0, 7), std::to_string(level + 1) + "级：") << name;
            EXPECT_NE(line.find("、"), std::string::npos) << line;
            EXPECT_NE(line.substr(line.size() - 2), "\r\n") << line;
        }
    }
}

TEST(calc_MergeSkillCatalogue, DerivedTextsOfTheFirstSkill) {
    const TMergeSkill& skill = MergeSkillCatalogue()[0];
    EXPECT_EQ(GbkToUtf8Strict(skill.Heading()), "你的宠物可学习:力体合一");
    EXPECT_EQ(GbkToUtf8Strict(skill.MaxLevelLine(mlLevel4)), "侍宠可学力体合一最高技能等级:4级");
    EXPECT_EQ(GbkToUtf8Strict(skill.MaxLevelLine(mlLevel6)), "侍宠可学力体合一最高技能等级:6级");
    EXPECT_EQ(GbkToUtf8Strict(skill.MaxLevelLine(mlUnknown)), "侍宠可学力体合一最高技能等级:未知");
    EXPECT_EQ(GbkToUtf8Strict(skill.HiddenSkillLine()),
              "若力体合一技能达到4级后,侍宠学习力量融合4级可激活隐藏技能:凶猛");
    EXPECT_EQ(GbkToUtf8Strict(skill.EffectLine),
              "凶猛:物理会心几率+1.00%,物理会心伤害上限+3.00%\r\n");
}

TEST(calc_MergeSkillCatalogue, TheUnknownHiddenSkill) {
    const TMergeSkill& skill = MergeSkillCatalogue()[3];
    EXPECT_EQ(GbkToUtf8Strict(skill.Name), "元力合一");
    EXPECT_EQ(GbkToUtf8Strict(skill.HiddenSkillLine()),
              "若元力合一技能达到4级后,侍宠学习元神融合4级可激活隐藏技能:未知");
    EXPECT_EQ(GbkToUtf8Strict(skill.EffectLine), "未知:未知\r\n");
}

TEST(calc_MergeSkillCatalogue, EffectLinesNameTheHiddenSkillAndEndTheBlock) {
    for (const TMergeSkill& skill : MergeSkillCatalogue()) {
        const std::string effect = GbkToUtf8Strict(skill.EffectLine);
        const std::string hidden = GbkToUtf8Strict(skill.HiddenSkill);
        EXPECT_EQ(effect.substr(0, hidden.size() + 1), hidden + ":") << effect;
        EXPECT_EQ(effect.substr(effect.size() - 2), "\r\n") << effect;
        EXPECT_EQ(GbkToUtf8Strict(skill.Heading()).find("\r\n"), std::string::npos);
        EXPECT_EQ(GbkToUtf8Strict(skill.MaxLevelLine(mlUnknown)).find("\r\n"), std::string::npos);
    }
}

} // namespace
