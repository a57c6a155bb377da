#include "editors/EditorsRegistration.h"
#include "editors/Label.h"
#include "editors/RadioButton.h"
#include "editors/TextEdit.h"
#include "platform/component/ClassRegistry.h"
#include "platform/component/LayoutReader.h"
#include "platform/component/LayoutWriter.h"
#include "tests/platform/control/ControlTestFixture.h"

#include <string>

namespace {

// A caption and the two pet kinds, the way the main window stores them, and a label with every
// effect setting.
const char* kLayout = R"(object Form1: TForm
  Left = 0
  Top = 0
  Width = 300
  Height = 200
  object Level: TcxLabel
    Left = 180
    Top = 10
    Caption = "&Level:"
    FocusControl = Value
    ParentFont = False
    Properties.Alignment.Horz = taRightJustify
    Style.Font.Color = clBlack
    Style.Font.Height = -12
    Style.Font.Name = "DejaVu Sans"
    Style.Font.Style = [fsBold]
    Style.IsFontAssigned = True
    Transparent = True
  end
  object Fancy: TcxLabel
    Left = 10
    Top = 40
    Caption = "Fancy"
    Properties.Angle = 450
    Properties.Depth = 3
    Properties.LabelEffect = cxleExtrude
    Properties.LabelStyle = cxlsRaised
    Properties.Orientation = cxoLeftTop
    Properties.PenWidth = 2
    Properties.ShadowedColor = clRed
    Properties.ShowAccelChar = False
    Properties.WordWrap = True
  end
  object Value: TcxRadioButton
    Left = 10
    Top = 120
    Width = 73
    Height = 17
    Caption = "Shi"
    TabOrder = 0
    Transparent = True
  end
  object Qi: TcxRadioButton
    Left = 90
    Top = 120
    Width = 73
    Height = 17
    Caption = "Qi"
    Checked = True
    LookAndFeel.Kind = lfFlat
    ParentBackground = False
    PopupMenu = Level
    TabOrder = 1
    WordWrap = True
  end
end
)";

class LabelRadioLayoutTest : public TControlTest {
public:
    void SetUp() override {
        TControlTest::SetUp();
        RegisterEditorsClasses();
    }
};

TEST_F(LabelRadioLayoutTest, LabelsAndRadioButtonsAreReadAndWrittenWithTheirProperties) {
    auto* form = dynamic_cast<TForm*>(CreateFromLayout(App.get(), kLayout, "test.dfm"));
    ASSERT_NE(form, nullptr);
    auto& level = form->FindComponentAs<TcxLabel>("Level");
    auto& fancy = form->FindComponentAs<TcxLabel>("Fancy");
    auto& shi = form->FindComponentAs<TcxRadioButton>("Value");
    auto& qi = form->FindComponentAs<TcxRadioButton>("Qi");
    form->Show();
    Pump();

    EXPECT_EQ(level.Caption(), "&Level:");
    EXPECT_EQ(level.FocusControl(), &shi);
    EXPECT_TRUE(level.Transparent());
    EXPECT_EQ(level.Style().Font().Style(), fsBold);
    // Loaded right-aligned, the first automatic size does not keep the stored right edge.
    EXPECT_EQ(level.Left(), 180);
    EXPECT_EQ(fancy.Properties().Angle(), 90);
    EXPECT_EQ(fancy.Properties().Depth(), 3);
    EXPECT_EQ(fancy.Properties().LabelEffect(), cxleExtrude);
    EXPECT_EQ(fancy.Properties().LabelStyle(), cxlsRaised);
    EXPECT_EQ(fancy.Properties().Orientation(), cxoLeftTop);
    EXPECT_EQ(fancy.Properties().PenWidth(), 2);
    EXPECT_EQ(fancy.Properties().ShadowedColor(), clRed);
    EXPECT_FALSE(fancy.Properties().ShowAccelChar());
    EXPECT_TRUE(fancy.Properties().WordWrap());

    EXPECT_TRUE(shi.Transparent());
    EXPECT_FALSE(shi.Checked());
    EXPECT_TRUE(qi.Checked());
    EXPECT_EQ(qi.LookAndFeel().Kind(), lfFlat);
    EXPECT_FALSE(qi.ParentBackground());
    EXPECT_TRUE(qi.WordWrap());
    EXPECT_EQ(qi.PopupMenu(), nullptr) << "a label is no pop-up menu";

    std::string written = WriteLayout(*form);
    for (const char* line :
         {"Caption = \"&Level:\"", "FocusControl = Value", "Properties.Angle = 90",
          "Properties.LabelEffect = cxleExtrude", "Properties.Orientation = cxoLeftTop",
          "Properties.ShadowedColor = clRed", "Properties.ShowAccelChar = False",
          "ParentBackground = False", "WordWrap = True", "LookAndFeel.Kind = lfFlat"})
        EXPECT_NE(written.find(line), std::string::npos) << line << " in\n" << written;
    // A label's tab order is never stored; defaults are not written.
    std::string levelPart = written.substr(written.find("object Level"));
    levelPart = levelPart.substr(0, levelPart.find("object Fancy"));
    for (const char* absent : {"TabOrder", "TabStop", "Properties.Depth", "ParentColor"})
        EXPECT_EQ(levelPart.find(absent), std::string::npos) << absent << " in\n" << levelPart;
}

// A label's tab order is never written, so a layout's value for it is not taken: a layout that
// gives one reads as the same window as the layout written from it (found by fuzzing, where the
// other controls' tab orders moved by one on the second reading).
TEST_F(LabelRadioLayoutTest, ALabelsTabOrderInALayoutDoesNotMoveTheOthersOnRereading) {
    const char* layout = R"(object Form1: TForm
  object Caption1: TcxLabel
    Caption = "a"
    TabOrder = 0
  end
  object First: TcxTextEdit
    Top = 30
    TabOrder = 1
  end
  object Second: TcxTextEdit
    Top = 60
    TabOrder = 2
  end
end
)";
    TComponent* once = CreateFromLayout(App.get(), layout, "label-tab.layout");
    ASSERT_NE(once, nullptr);
    const std::string written = WriteLayout(*once);
    once->Free();
    TComponent* again = CreateFromLayout(App.get(), written, "written.layout");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(WriteLayout(*again), written);
    again->Free();
}

} // namespace
