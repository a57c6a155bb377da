#include "calc/PetInputReader.h"

#include "tests/calc/GbkToUtf8.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kEmptyCheckup[] = "嘿,伙计,上面的空格都要填写,就算为0那你也要写0\r\n"
                             "而不是让它空着,完整的写好我才能给你宠物体检哦";
const char kNotIntegerCheckup[] = "NO,NO,你在空格里应该写出的是整数,而不是什么乱78糟我不认识的东西";
const char kSkillPointsAboveTotal[] = "别开玩笑了,伙计,你的宠物的技能点都超过总技能点了,怎么可能呢";
const char kTargetBelow[] = "注意,你要查询的目标等级小于当前等级 \r\n老是眷念着历史可不好,不是么?!";
const char kTargetEqual[] = "累糊涂了么,等级和目标等级一致,你都知道还需要了解什么呢";
const char kEmptyAttribute[] = "你真懒呢,上面才4个空格都不写满,快点写好.";
const char kNotIntegerAttribute[] = "不是早告诉过你要写整数的吗,要我说几次呢";

struct TCheckupCase {
    const char* Why;
    std::string dj, czl, qjn, hjn, qn, mbdj;
    const char* Message; // nullptr: accepted
};

const TCheckupCase kCheckupCases[] = {
    {"worked example", "30", "25", "100", "1000", "50", "40", nullptr},
    {"empty dj", "", "25", "100", "1000", "50", "40", kEmptyCheckup},
    {"empty mbdj", "30", "25", "100", "1000", "50", "", kEmptyCheckup},
    {"emptiness before numbers", "abc", "25", "100", "1000", "", "40", kEmptyCheckup},
    {"emptiness before skill points", "30", "25", "2000", "1000", "", "40", kEmptyCheckup},
    {"spaces are not empty", "30", "  ", "100", "1000", "50", "40", kNotIntegerCheckup},
    {"not an integer in dj", "3.5", "25", "100", "1000", "50", "40", kNotIntegerCheckup},
    {"not an integer in mbdj", "30", "25", "100", "1000", "50", "40 ", kNotIntegerCheckup},
    {"numbers before skill points", "30", "25", "2000", "1000", "x", "40", kNotIntegerCheckup},
    {"numbers before levels", "30", "25", "100", "1000", "1,0", "20", kNotIntegerCheckup},
    {"skill points equal to total pass", "30", "25", "1000", "1000", "50", "40", nullptr},
    {"skill points above total", "30", "25", "1001", "1000", "50", "40", kSkillPointsAboveTotal},
    {"skill points before target below", "30", "25", "1001", "1000", "50", "20",
     kSkillPointsAboveTotal},
    {"skill points before target equal", "30", "25", "1001", "1000", "50", "30",
     kSkillPointsAboveTotal},
    {"target below current", "30", "25", "100", "1000", "50", "29", kTargetBelow},
    {"target equal to current", "30", "25", "100", "1000", "50", "30", kTargetEqual},
    {"equal in different notation", "16", "25", "100", "1000", "50", "$10", kTargetEqual},
    {"negative levels pass", "-10", "25", "100", "1000", "50", "-9", nullptr},
    {"signed comparison of levels", "1", "25", "100", "1000", "50", "$FFFFFFFF", kTargetBelow},
    {"signed comparison of skill points", "1", "25", "-5", "-6", "50", "2", kSkillPointsAboveTotal},
    {"extremes pass", "-2147483648", "2147483647", "-2147483648", "2147483647", "-2147483648",
     "2147483647", nullptr},
};

TEST(calc_ReadCheckupInput, RunsTheChecksInTheirOrder) {
    for (const TCheckupCase& c : kCheckupCases) {
        const TPetReadResult result =
            ReadCheckupInput(c.dj, c.czl, c.qjn, c.hjn, c.qn, c.mbdj, pkAttendant);
        if (c.Message == nullptr) {
            EXPECT_TRUE(result.IsAccepted()) << c.Why;
            EXPECT_EQ(result.Message(), nullptr) << c.Why;
        } else {
            ASSERT_NE(result.Message(), nullptr) << c.Why;
            EXPECT_EQ(result.Input(), nullptr) << c.Why;
            EXPECT_EQ(GbkToUtf8Strict(*result.Message()), c.Message) << c.Why;
        }
    }
}

TEST(calc_ReadCheckupInput, KeepsNumbersTextsAsTypedAndTheKind) {
    const TPetReadResult result =
        ReadCheckupInput("30", "+25", "0x64", "1000", " 50", "$28", pkMount);
    ASSERT_TRUE(result.IsAccepted());
    const TPetInput& input = *result.Input();
    EXPECT_EQ(input.dj.Value, 30);
    EXPECT_EQ(input.czl.Value, 25);
    EXPECT_EQ(input.czl.Text, "+25");
    EXPECT_EQ(input.qjn.Value, 100);
    EXPECT_EQ(input.qjn.Text, "0x64");
    EXPECT_EQ(input.hjn.Value, 1000);
    EXPECT_EQ(input.qn.Value, 50);
    EXPECT_EQ(input.qn.Text, " 50");
    EXPECT_EQ(input.mbdj.Value, 40);
    EXPECT_EQ(input.mbdj.Text, "$28");
    EXPECT_EQ(input.Kind, pkMount);
    // The attributes are not read.
    EXPECT_EQ(input.ll.Value, 0);
    EXPECT_TRUE(input.jg.Text.empty());
}

TEST(calc_ReadCheckupInput, TheKindDoesNotChangeTheChecks) {
    for (TPetKind kind : {pkAttendant, pkMount}) {
        const TPetReadResult below = ReadCheckupInput("30", "25", "100", "1000", "50", "29", kind);
        ASSERT_NE(below.Message(), nullptr);
        EXPECT_EQ(GbkToUtf8Strict(*below.Message()), kTargetBelow);
        const TPetReadResult equal = ReadCheckupInput("30", "25", "100", "1000", "50", "30", kind);
        ASSERT_NE(equal.Message(), nullptr);
        EXPECT_EQ(GbkToUtf8Strict(*equal.Message()), kTargetEqual);
    }
}

struct TAttributeCase {
    const char* Why;
    std::string ll, tp, ys, jg;
    const char* Message; // nullptr: accepted
};

const TAttributeCase kAttributeCases[] = {
    {"worked example", "6", "6", "5", "3", nullptr},
    {"zero and negative attributes", "0", "-5", "-2147483648", "$FFFFFFFF", nullptr},
    {"empty ll", "", "6", "5", "3", kEmptyAttribute},
    {"empty jg", "6", "6", "5", "", kEmptyAttribute},
    {"emptiness before numbers", "abc", "6", "", "3", kEmptyAttribute},
    {"spaces are not empty", "6", " ", "5", "3", kNotIntegerAttribute},
    {"not an integer", "6", "6", "5.0", "3", kNotIntegerAttribute},
    {"out of range", "6", "6", "5", "2147483648", kNotIntegerAttribute},
};

TEST(calc_ReadAttributeInput, ChecksEmptinessThenNumbers) {
    for (const TAttributeCase& c : kAttributeCases) {
        const TPetReadResult result = ReadAttributeInput(c.ll, c.tp, c.ys, c.jg);
        if (c.Message == nullptr) {
            EXPECT_TRUE(result.IsAccepted()) << c.Why;
        } else {
            ASSERT_NE(result.Message(), nullptr) << c.Why;
            EXPECT_EQ(GbkToUtf8Strict(*result.Message()), c.Message) << c.Why;
        }
    }
}

TEST(calc_ReadAttributeInput, FillsOnlyTheAttributes) {
    const TPetReadResult result = ReadAttributeInput("6", " 6", "$5", "-3");
    ASSERT_TRUE(result.IsAccepted());
    const TPetInput& input = *result.Input();
    EXPECT_EQ(input.ll.Value, 6);
    EXPECT_EQ(input.tp.Value, 6);
    EXPECT_EQ(input.tp.Text, " 6");
    EXPECT_EQ(input.ys.Value, 5);
    EXPECT_EQ(input.jg.Value, -3);
    EXPECT_EQ(input.dj.Value, 0);
    EXPECT_TRUE(input.mbdj.Text.empty());
}

} // namespace
