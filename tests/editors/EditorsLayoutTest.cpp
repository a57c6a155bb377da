#include "editors/Container.h"
#include "editors/EditorsRegistration.h"
#include "editors/StyleController.h"
#include "editors/TextEdit.h"
#include "platform/component/ClassRegistry.h"
#include "platform/component/LayoutReader.h"
#include "platform/component/LayoutWriter.h"
#include "platform/component/MethodTable.h"
#include "tests/platform/control/ControlTestFixture.h"

#include <string>

namespace {

const char* kLayout = R"(object Form1: TForm
  Left = 0
  Top = 0
  Width = 300
  Height = 200
  object Memo: TcxContainer
    Left = 10
    Top = 10
    Width = 185
    Height = 89
    ParentFont = False
    Style.Font.Charset = ANSI_CHARSET
    Style.Font.Color = clMaroon
    Style.Font.Height = -13
    Style.Font.Name = "Courier New"
    Style.Font.Style = []
    Style.StyleController = Controller
    Style.TransparentBorder = False
    Style.IsFontAssigned = True
    StyleFocused.BorderColor = clRed
    StyleHot.Color = clYellow
    TabOrder = 0
  end
  object Plain: TcxContainer
    Left = 10
    Top = 110
    Width = 121
    Height = 21
    ParentFont = False
    Style.IsFontAssigned = False
    TabOrder = 1
  end
  object Controller: TcxEditStyleController
    Style.BorderStyle = ebsSingle
    Style.Shadow = True
  end
end
)";

class EditorsLayoutTest : public TControlTest {
public:
    void SetUp() override {
        TControlTest::SetUp();
        RegisterEditorsClasses();
        RegisterEditorsClasses(); // a second call changes nothing
    }
};

TEST_F(EditorsLayoutTest, NestedStyleValuesAreReadAndWrittenAsAssigned) {
    auto* form = dynamic_cast<TForm*>(CreateFromLayout(App.get(), kLayout, "test.dfm"));
    ASSERT_NE(form, nullptr);
    auto& memo = form->FindComponentAs<TcxContainer>("Memo");
    auto& plain = form->FindComponentAs<TcxContainer>("Plain");
    auto& controller = form->FindComponentAs<TcxEditStyleController>("Controller");

    EXPECT_EQ(memo.Style().Font().Name(), "Courier New");
    EXPECT_EQ(memo.Style().Font().Color(), clMaroon);
    EXPECT_TRUE(memo.Style().IsValueStored(svFont));
    EXPECT_EQ(memo.Font().Name(), "Courier New");
    EXPECT_FALSE(memo.Style().TransparentBorder());
    EXPECT_EQ(memo.Style().StyleController(), &controller);
    EXPECT_EQ(memo.Style().BorderStyle(), cbsSingle);
    EXPECT_TRUE(memo.Style().Shadow());
    EXPECT_EQ(memo.StyleFocused().BorderColor(), clRed);
    EXPECT_EQ(memo.StyleHot().Color(), clYellow);
    // Whatever its value, the stored flag marks the font as assigned.
    EXPECT_TRUE(plain.Style().IsValueStored(svFont));

    std::string written = WriteLayout(*form);
    for (const char* line :
         {"Style.Font.Name = \"Courier New\"", "Style.IsFontAssigned = True",
          "Style.TransparentBorder = False", "Style.StyleController = Controller",
          "StyleFocused.BorderColor = clRed", "StyleHot.Color = clYellow",
          "Style.BorderStyle = ebsSingle", "Style.Shadow = True"})
        EXPECT_NE(written.find(line), std::string::npos) << line << " in\n" << written;
    // Values that only come from the controller or a default are not written.
    std::string memoPart = written.substr(written.find("object Memo"));
    memoPart = memoPart.substr(0, memoPart.find("object Plain"));
    for (const char* absent : {"Style.BorderStyle", "Style.Shadow", "Style.Color",
                               "StyleFocused.Font", "Style.AssignedValues", "Style.LookAndFeel"})
        EXPECT_EQ(memoPart.find(absent), std::string::npos) << absent << " in\n" << memoPart;
}

TEST_F(EditorsLayoutTest, AStyleControllerMustBeOne) {
    std::string layout = R"(object Form1: TForm
  object Edit: TcxContainer
    Style.StyleController = Other
  end
  object Other: TcxContainer
  end
end
)";
    EXPECT_ANY_THROW(CreateFromLayout(App.get(), layout, "bad.dfm"));
}

} // namespace

namespace {

class TFieldsForm : public TForm {
public:
    explicit TFieldsForm(TComponent* owner) : TForm(owner) {
        Handlers.Add("djKeyPress", TKeyPressEvent([this](TPersistent*, char& key) {
                         if (key == '\r')
                             ++Enters;
                     }));
        Handlers.Add("djChange", TNotifyEvent([this](TPersistent*) { ++Changes; }));
    }
    std::string ClassName() const override { return "TFieldsForm"; }
    const TMethodTable* GetMethodTable() const override { return &Handlers; }
    int Enters = 0, Changes = 0;

private:
    TMethodTable Handlers;
};

const char* kFieldsLayout = R"(object Fields: TFieldsForm
  Left = 0
  Top = 0
  Width = 300
  Height = 200
  object dj: TcxTextEdit
    Left = 10
    Top = 10
    Properties.MaxLength = 0
    Properties.ReadOnly = False
    Properties.OnChange = djChange
    Style.Color = clYellow
    TabOrder = 0
    Text = "30"
    Width = 101
    OnKeyPress = djKeyPress
  end
  object czl: TcxTextEdit
    Left = 10
    Top = 40
    Properties.Alignment.Horz = taCenter
    BeepOnEnter = False
    TabOrder = 1
    Width = 101
  end
end
)";

TEST_F(EditorsLayoutTest, TextEditsAreReadWithTheirPropertiesEventsAndText) {
    if (!IsClassRegistered("TFieldsForm"))
        RegisterComponentClass<TFieldsForm>("TFieldsForm", "TForm");
    auto* form = dynamic_cast<TFieldsForm*>(CreateFromLayout(App.get(), kFieldsLayout, "f.dfm"));
    ASSERT_NE(form, nullptr);
    auto& dj = form->FindComponentAs<TcxTextEdit>("dj");
    auto& czl = form->FindComponentAs<TcxTextEdit>("czl");
    EXPECT_EQ(dj.Text(), "30");
    EXPECT_EQ(dj.Width(), 101);
    EXPECT_EQ(dj.Height(), 21);
    EXPECT_EQ(dj.Style().Color(), clYellow);
    EXPECT_EQ(form->Changes, 0); // loading fires no change event
    EXPECT_EQ(czl.Properties().Alignment().Horz(), taCenter);
    EXPECT_FALSE(czl.BeepOnEnter());

    form->Show();
    Pump();
    dj.SetFocus();
    Pump();
    Desk->Type("5");
    Desk->PressKey(VK_RETURN);
    Pump();
    EXPECT_EQ(form->Enters, 1);
    EXPECT_GE(form->Changes, 1);

    std::string written = WriteLayout(*form);
    for (const char* line :
         {"Properties.MaxLength = 0", "Properties.ReadOnly = False",
          "Properties.OnChange = djChange", "OnKeyPress = djKeyPress",
          "Properties.Alignment.Horz = taCenter", "BeepOnEnter = False", "Style.Color = clYellow"})
        EXPECT_NE(written.find(line), std::string::npos) << line << " in\n" << written;
    EXPECT_EQ(written.find("Properties.AutoSelect"), std::string::npos);
    EXPECT_EQ(written.find("AutoSize"), std::string::npos);
}

} // namespace
