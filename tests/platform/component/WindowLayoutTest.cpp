#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "StandIns.h"
#include "platform/component/LayoutReader.h"
#include "platform/component/LayoutWriter.h"
#include "platform/core/Color.h"
#include "platform/core/Gbk.h"

// The layouts of the program's two windows, read into stand-ins of their classes.

namespace {

std::string FileText(const std::string& name) {
    std::ifstream in(std::string(LAYOUT_DIR) + "/" + name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TStandInComponent& Child(TComponent& form, const char* name) {
    return form.FindComponentAs<TStandInComponent>(name);
}

long long Ord(TStandInValues& values, const std::string& name) {
    auto it = values.Ordinals.find(name);
    return it == values.Ordinals.end() ? -999999 : it->second;
}

TStandInValues& Nested(TStandInValues& values, const std::string& name) {
    return static_cast<TStandInObject&>(*values.Objects.at(name)).Values;
}

class WindowLayoutTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterStandIns(); }
};

TEST_F(WindowLayoutTest, MainWindowLayoutCarriesItsWholeDesign) {
    auto form = MakeStandInForm("TFormZuvo");
    const std::string text = FileText("main-window.layout");
    ReadLayout(*form, text, "main-window.layout");

    EXPECT_EQ(form->Values.Strings["Caption"], Utf8ToGbk("Qorvin宠物查询器 beta0.3"));
    EXPECT_EQ(Ord(form->Values, "Position"), 5); // poDesktopCenter
    EXPECT_EQ(Ord(Nested(form->Values, "Constraints"), "MinWidth"), 130);
    EXPECT_EQ(Ord(form->Values, "Color"), (long long)clBtnFace);

    TStandInComponent& frame = Child(*form, "suiForm1");
    EXPECT_EQ(frame.Parent, form.get());
    EXPECT_EQ(Ord(frame.Values, "BorderColor"), 8355711);
    EXPECT_EQ(Ord(Nested(frame.Values, "Font"), "Style"), 1); // [fsBold]
    auto& buttons = static_cast<TStandInItems&>(*frame.Values.Collections.at("TitleBarButtons"));
    ASSERT_EQ(buttons.Count(), 3);
    EXPECT_EQ(Ord(buttons.Item(0)->Values, "ButtonType"), 4); // suiControlBox
    EXPECT_EQ(Ord(buttons.Item(1)->Values, "ButtonType"), 2); // suiClose
    EXPECT_EQ(Ord(buttons.Item(2)->Values, "ButtonType"), 1); // suiMin
    EXPECT_EQ(buttons.Item(2)->Values.Strings["PicMouseDown"], "TITLEBAR_MIN_MOUSEDOWN");
    auto& sections = static_cast<TStandInItems&>(*frame.Values.Collections.at("TitleBarSections"));
    ASSERT_EQ(sections.Count(), 3);
    EXPECT_EQ(Ord(sections.Item(2)->Values, "Align"), 2); // suiClient
    EXPECT_EQ(Ord(sections.Item(2)->Values, "Stretch"), 1);

    // Every control sits in the frame, in the designed creation order.
    const char* order[] = {"Image1",   "cxLabel1", "cxLabel2",  "cxLabel3",  "cxLabel4", "dj",
                           "qjn",      "cxLabel5", "hjn",       "czl",       "qn",       "cxLabel6",
                           "mbdj",     "fx",       "xx",        "cxLabel7",  "Shi",      "Qi",
                           "cxLabel8", "cxLabel9", "cxLabel10", "cxLabel11", "ll",       "tp",
                           "ys",       "jg",       "kx"};
    ASSERT_EQ(frame.Controls.size(), std::size(order));
    for (std::size_t i = 0; i < std::size(order); ++i)
        EXPECT_EQ(frame.Controls[i]->Name(), order[i]);

    TStandInComponent& label5 = Child(*form, "cxLabel5");
    TStandInValues& font5 = Nested(Nested(label5.Values, "Style"), "Font");
    EXPECT_EQ(font5.Strings["Name"], "\xCB\xCE\xCC\xE5"); // 宋体
    EXPECT_EQ(Ord(font5, "Color"), (long long)clRed);
    EXPECT_EQ(Ord(font5, "Style"), 1);
    EXPECT_EQ(Ord(Nested(Nested(Child(*form, "cxLabel7").Values, "Style"), "Font"), "Color"),
              33023);

    TStandInComponent& image = Child(*form, "Image1");
    EXPECT_EQ(image.Values.Strings["Picture"], "BANNER");
    EXPECT_EQ(Ord(image.Values, "Cursor"), -21);
    EXPECT_EQ(Ord(Child(*form, "kx").Values, "TabOrder"), 26);

    // Handlers are bound by name.
    form->Values.Events.at("OnShow")(form.get());
    image.Values.Events.at("OnClick")(&image);
    char key = '1';
    Child(*form, "mbdj").Values.KeyEvents.at("OnKeyPress")(&Child(*form, "mbdj"), key);
    EXPECT_EQ(form->Calls, (std::vector<std::string>{"FormShow", "Image1Click", "mbdjKeyPress"}));
    EXPECT_FALSE(Child(*form, "ll").Values.KeyEvents["OnKeyPress"]);

    EXPECT_EQ(WriteLayout(*form), text);
}

TEST_F(WindowLayoutTest, ResultWindowLayoutCarriesItsWholeDesign) {
    auto form = MakeStandInForm("TFormTishi");
    const std::string text = FileText("result-window.layout");
    ReadLayout(*form, text, "result-window.layout");

    EXPECT_EQ(form->Values.Strings["Caption"], Utf8ToGbk("提示"));
    EXPECT_EQ(Ord(form->Values, "Position"), 6); // poMainFormCenter
    EXPECT_EQ(form->Values.Events.count("OnShow"), 0u);
    TStandInComponent& frame = Child(*form, "suiForm1");
    auto& buttons = static_cast<TStandInItems&>(*frame.Values.Collections.at("TitleBarButtons"));
    EXPECT_EQ(buttons.Count(), 2);

    TStandInComponent& memo = Child(*form, "Memo");
    EXPECT_EQ(memo.Parent, &frame);
    EXPECT_EQ(Ord(memo.Values, "Align"), 5); // alClient
    ASSERT_EQ(memo.Values.Lists.at("Lines")->Count(), 1);
    EXPECT_EQ(memo.Values.Lists.at("Lines")->Strings(0), Utf8ToGbk("测试下"));
    EXPECT_EQ(Ord(Nested(memo.Values, "Properties"), "ReadOnly"), 1);
    EXPECT_EQ(Ord(Nested(memo.Values, "Properties"), "ScrollBars"), 2); // ssVertical
    EXPECT_EQ(Ord(Nested(memo.Values, "Style"), "TransparentBorder"), 0);
    EXPECT_EQ(Ord(Nested(Nested(memo.Values, "Style"), "Font"), "Color"), (long long)clMaroon);

    EXPECT_EQ(WriteLayout(*form), text);
}

} // namespace
