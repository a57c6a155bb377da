#include "tests/platform/control/ControlTestFixture.h"

#include "platform/component/ClassRegistry.h"
#include "platform/component/LayoutReader.h"
#include "platform/component/LayoutWriter.h"
#include "platform/component/MethodTable.h"
#include "platform/core/Gbk.h"
#include "skin/SkinButtonClass.h"
#include "skin/SuiButton.h"

#include <string>

namespace {
class TButtonForm : public TForm {
public:
    explicit TButtonForm(TComponent* owner) : TForm(owner) {
        Handlers.Add("fxClick", TNotifyEvent([this](TPersistent*) { ++Clicks; }));
        Handlers.Add("fxRepeat", TNotifyEvent([this](TPersistent*) { ++Repeats; }));
    }
    std::string ClassName() const override { return "TButtonForm"; }
    const TMethodTable* GetMethodTable() const override { return &Handlers; }
    int Clicks = 0, Repeats = 0;

private:
    TMethodTable Handlers;
};

// The program's analyse button as the main window's layout holds it.
const char* kLayout = R"(object ButtonForm: TButtonForm
  Left = 0
  Top = 0
  Width = 300
  Height = 200
  BorderStyle = bsNone
  object fx: TsuiButton
    Left = 40
    Top = 135
    Width = 97
    Height = 23
    UIStyle = MacOS
    Caption = "分析"
    AutoSize = False
    TabOrder = 0
    TabStop = True
    Transparent = False
    ModalResult = 0
    ResHandle = 0
    MouseContinuouslyDownInterval = 100
    Layout = blGlyphLeft
    Spacing = 4
    OnClick = fxClick
    OnMouseContinuouslyDown = fxRepeat
  end
  object own: TsuiButton
    Left = 150
    Top = 135
    Width = 60
    Height = 30
    UIStyle = Custom
    PicNormalResName = "MACOS_BUTTON_MOUSEON"
    Cancel = True
    Glyph = resource "MACOS_TITLEBTN_CLOSE_NORMAL"
    Layout = blGlyphTop
  end
end
)";

class TSkinButtonClassTest : public TControlTest {
public:
    void SetUp() override {
        TControlTest::SetUp();
        RegisterSkinButtonClass();
        RegisterSkinButtonClass(); // a second call changes nothing
        if (!IsClassRegistered("TButtonForm"))
            RegisterComponentClass<TButtonForm>("TButtonForm", "TForm");
    }
    TButtonForm* Read(const std::string& text) {
        auto* form = new TButtonForm(App.get());
        ReadLayout(*form, text, "buttons.layout");
        return form;
    }
};
} // namespace

TEST_F(TSkinButtonClassTest, ReadsTheProgramsButtonAndACustomOne) {
    TButtonForm* form = Read(kLayout);
    auto& fx = form->FindComponentAs<TsuiButton>("fx");
    EXPECT_EQ(fx.Parent(), form);
    EXPECT_EQ(fx.BoundsRect(), Bounds(40, 135, 97, 23));
    EXPECT_EQ(fx.UIStyle(), MacOS);
    EXPECT_EQ(fx.Caption(), Utf8ToGbk("分析"));
    EXPECT_TRUE(fx.TabStop());
    EXPECT_EQ(fx.MouseContinuouslyDownInterval(), 100);

    auto& own = form->FindComponentAs<TsuiButton>("own");
    EXPECT_EQ(own.UIStyle(), Custom);
    EXPECT_EQ(own.PicNormalResName(), "MACOS_BUTTON_MOUSEON");
    EXPECT_TRUE(own.Cancel());
    EXPECT_EQ(own.Glyph().Width(), 17);
    EXPECT_EQ(own.GlyphResource(), "MACOS_TITLEBTN_CLOSE_NORMAL");
    EXPECT_EQ(own.Layout(), blGlyphTop);

    form->Show();
    Pump();
    fx.Click();
    EXPECT_EQ(form->Clicks, 1);
    Desk->MouseDown(fx.ClientToScreen({10, 10}));
    Desk->AdvanceTime(100);
    EXPECT_EQ(form->Repeats, 1);
    Desk->MouseUp(fx.ClientToScreen({10, 10}));
    EXPECT_EQ(form->Clicks, 2);
}

TEST_F(TSkinButtonClassTest, WritesThemeNamesNeverAndTheProgramsSettingsAlways) {
    TButtonForm* form = Read(kLayout);
    std::string text = WriteLayout(*form);
    std::string fx =
        text.substr(text.find("object fx"), text.find("object own") - text.find("object fx"));
    for (const char* line :
         {"UIStyle = MacOS", "AutoSize = False", "TabStop = True", "Transparent = False",
          "ModalResult = 0", "ResHandle = 0", "MouseContinuouslyDownInterval = 100",
          "Layout = blGlyphLeft", "Spacing = 4", "OnClick = fxClick"})
        EXPECT_NE(fx.find(line), std::string::npos) << line << "\n" << fx;
    for (const char* absent : {"PicNormalResName", "PicMouseOnResName", "PicMouseDownResName",
                               "Cancel =", "Default =", "Glyph ="})
        EXPECT_EQ(fx.find(absent), std::string::npos) << absent << "\n" << fx;
    std::string own = text.substr(text.find("object own"));
    EXPECT_NE(own.find("PicNormalResName = \"MACOS_BUTTON_MOUSEON\""), std::string::npos) << own;
    EXPECT_NE(own.find("Glyph = resource \"MACOS_TITLEBTN_CLOSE_NORMAL\""), std::string::npos);

    // What was written reads back the same.
    delete form;
    TButtonForm* again = Read(text);
    auto& own2 = again->FindComponentAs<TsuiButton>("own");
    EXPECT_EQ(own2.UIStyle(), Custom);
    EXPECT_EQ(own2.PicNormalResName(), "MACOS_BUTTON_MOUSEON");
    EXPECT_EQ(WriteLayout(*again), text);
}

TEST_F(TSkinButtonClassTest, ALayoutCannotNameAnotherResourceModule) {
    std::string text = kLayout;
    text.replace(text.find("ResHandle = 0"), 13, "ResHandle = 7");
    EXPECT_THROW(Read(text), Exception);
}
