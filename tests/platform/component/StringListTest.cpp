#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/component/StringList.h"

namespace {

std::vector<std::string> LinesOf(const TStrings& s) {
    std::vector<std::string> lines;
    for (int i = 0; i < s.Count(); ++i)
        lines.push_back(s[i]);
    return lines;
}

struct TTextCase {
    const char* Text;
    std::vector<std::string> Lines;
    const char* TextBack;
};

TEST(StringListTest, SettingTextSplitsAtEveryKindOfLineBreak) {
    const TTextCase cases[] = {
        {"", {}, ""},
        {"one", {"one"}, "one"},
        {"a\r\nb", {"a", "b"}, "a\r\nb"},
        {"a\rb\nc", {"a", "b", "c"}, "a\r\nb\r\nc"},
        {"a\r\n", {"a", ""}, "a\r\n"},
        {"\n", {"", ""}, "\r\n"},
        {"a\n\rb", {"a", "", "b"}, "a\r\n\r\nb"},
        {"a\r\n\r\nb", {"a", "", "b"}, "a\r\n\r\nb"},
        {"\xB2\xE2\xCA\xD4\r\n\xCF\xC2", {"\xB2\xE2\xCA\xD4", "\xCF\xC2"}, nullptr},
    };
    for (const auto& c : cases) {
        TStringList list;
        list.SetText(c.Text);
        EXPECT_EQ(LinesOf(list), c.Lines) << c.Text;
        EXPECT_EQ(list.Text(), c.TextBack ? c.TextBack : c.Text) << c.Text;
    }
}

TEST(StringListTest, EditingOperations) {
    TStringList list;
    EXPECT_EQ(list.Add("b"), 0);
    EXPECT_EQ(list.Add("d"), 1);
    list.Insert(0, "a");
    list.Insert(2, "c");
    EXPECT_EQ(list.Text(), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(list.IndexOf("c"), 2);
    EXPECT_EQ(list.IndexOf("C"), -1);
    list.Delete(1);
    list.SetStrings(0, "A");
    EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"A", "c", "d"}));
    EXPECT_EQ(list.Strings(2), "d");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(StringListTest, IndexOutsideTheListRaises) {
    TStringList list;
    list.Add("x");
    EXPECT_THROW(list.Strings(1), EStringListError);
    EXPECT_THROW(list.Strings(-1), EStringListError);
    EXPECT_THROW(list.Delete(1), EStringListError);
    EXPECT_THROW(list.Insert(2, "y"), EStringListError);
    EXPECT_THROW(list.SetStrings(1, "y"), EStringListError);
    EXPECT_NO_THROW(list.Insert(1, "y")); // at the end is fine
    try {
        list.Strings(7);
        FAIL();
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (7)");
    }
}

class StringListEventsTest : public ::testing::Test {
protected:
    void SetUp() override {
        List.OnChanging = [this](TPersistent* sender) {
            EXPECT_EQ(sender, &List);
            Events += "<";
        };
        List.OnChange = [this](TPersistent* sender) {
            EXPECT_EQ(sender, &List);
            Events += ">" + std::to_string(List.Count());
        };
    }
    TStringList List;
    std::string Events;
};

TEST_F(StringListEventsTest, EachChangeFiresChangingThenChange) {
    List.Add("a");
    List.Insert(0, "b");
    List.Delete(0);
    EXPECT_EQ(Events, "<>1<>2<>1");
}

TEST_F(StringListEventsTest, ABatchFiresOnceAtTheLastEndUpdate) {
    List.BeginUpdate();
    List.Add("a");
    List.BeginUpdate();
    List.Add("b");
    List.EndUpdate();
    List.Add("c");
    EXPECT_EQ(Events, "<"); // changing announced at the first change, change held back
    List.EndUpdate();
    EXPECT_EQ(Events, "<>3");
    List.SetText("x\r\ny");
    EXPECT_EQ(Events, "<>3<>2");
    List.Assign(List);
    EXPECT_EQ(Events, "<>3<>2");
}

TEST_F(StringListEventsTest, NothingFiresWithoutARealChange) {
    List.BeginUpdate();
    List.EndUpdate();
    List.Clear();
    List.Add("a");
    Events.clear();
    List.SetStrings(0, "a");
    List.EndUpdate(); // an unmatched EndUpdate is ignored
    EXPECT_EQ(Events, "");
    EXPECT_EQ(List.UpdateCount(), 0);
}

TEST(StringListTest, AssignAndAddStringsCopyLines) {
    TStringList a, b;
    a.SetText("1\r\n2");
    b.Add("x");
    EXPECT_TRUE(b.Assign(a));
    EXPECT_TRUE(b.Equals(a));
    b.AddStrings(b); // adding to itself doubles it once
    EXPECT_EQ(b.Text(), "1\r\n2\r\n1\r\n2");
    TStringList copy(a);
    EXPECT_TRUE(copy.Equals(a));
}

} // namespace
