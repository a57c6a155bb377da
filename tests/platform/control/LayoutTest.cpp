#include "ControlTestFixture.h"

#include "platform/component/ClassRegistry.h"
#include "platform/component/LayoutLexer.h"
#include "platform/component/LayoutReader.h"
#include "platform/component/LayoutWriter.h"
#include "platform/component/MethodTable.h"
#include "platform/control/ControlRegistration.h"
#include "platform/control/Image.h"
#include "platform/control/Panel.h"
#include "platform/control/Timer.h"
#include "platform/core/Gbk.h"

#include <map>
#include <string>

namespace {
std::map<std::string, int>* gLoaded = nullptr;

class TCountingPanel : public TPanel {
public:
    using TPanel::TPanel;
    std::string ClassName() const override { return "TCountingPanel"; }

protected:
    void Loaded() override {
        TPanel::Loaded();
        if (gLoaded)
            ++(*gLoaded)[Name()];
    }
};

class TDemoForm : public TForm {
public:
    explicit TDemoForm(TComponent* owner) : TForm(owner) {
        Handlers.Add("FormShow", TNotifyEvent([this](TPersistent*) { ++Shows; }));
        Handlers.Add("FormCreate", TNotifyEvent([this](TPersistent*) {
                         CreatedWithPanel = FindComponent("Panel1") != nullptr;
                     }));
        Handlers.Add("Image1Click", TNotifyEvent([this](TPersistent*) { ++ImageClicks; }));
        Handlers.Add("Timer1Timer", TNotifyEvent([this](TPersistent*) { ++Ticks; }));
    }
    std::string ClassName() const override { return "TDemoForm"; }
    const TMethodTable* GetMethodTable() const override { return &Handlers; }
    int Shows = 0, ImageClicks = 0, Ticks = 0;
    bool CreatedWithPanel = false;

protected:
    void Loaded() override {
        TForm::Loaded();
        if (gLoaded)
            ++(*gLoaded)[Name()];
    }

private:
    TMethodTable Handlers;
};

const char* kLayout = R"(object DemoForm: TDemoForm
  Left = 200
  Top = 150
  Width = 320
  Height = 240
  Caption = "演示窗口"
  PixelsPerInch = 96
  Position = poDesktopCenter
  BorderStyle = bsSingle
  Constraints.MinWidth = 130
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = "MS Sans Serif"
  ActiveControl = Second
  OnShow = FormShow
  OnCreate = FormCreate
  object Panel1: TCountingPanel
    Left = 0
    Top = 0
    Width = 100
    Height = 100
    Align = alClient
    Caption = "面板"
    Font.Charset = ANSI_CHARSET
    Font.Color = clPurple
    Font.Height = -13
    Font.Name = "宋体"
    Font.Style = [fsBold]
    ParentFont = False
    TabOrder = 0
    object Image1: TImage
      Left = 65
      Top = 30
      Width = 10
      Height = 10
      Cursor = crHandPoint
      Hint = "点我"
      ParentShowHint = False
      ShowHint = True
      AutoSize = True
      Center = True
      Picture = resource "BANNER"
      OnClick = Image1Click
    end
    object First: TCountingPanel
      Left = 10
      Top = 120
      Width = 50
      Height = 20
      TabOrder = 1
      TabStop = True
    end
    object Second: TCountingPanel
      Left = 70
      Top = 120
      Width = 50
      Height = 20
      TabOrder = 0
      TabStop = True
    end
  end
  object Timer1: TTimer
    Interval = 250
    OnTimer = Timer1Timer
  end
end
)";
} // namespace

class TLayoutTest : public TControlTest {
public:
    void SetUp() override {
        TControlTest::SetUp();
        RegisterControlClasses();
        RegisterControlClasses(); // a second call changes nothing
        if (!IsClassRegistered("TDemoForm")) {
            RegisterComponentClass<TDemoForm>("TDemoForm", "TForm");
            RegisterComponentClass<TCountingPanel>("TCountingPanel", "TPanel");
        }
    }
    TDemoForm* Read(std::map<std::string, int>& loaded) {
        gLoaded = &loaded;
        auto* form = new TDemoForm(App.get());
        ReadLayout(*form, kLayout, "demo.layout");
        gLoaded = nullptr;
        return form;
    }
};

TEST_F(TLayoutTest, ReadsFormPanelImageAndTimerAndCallsLoadedOnceEach) {
    std::map<std::string, int> loaded;
    TDemoForm* form = Read(loaded);
    EXPECT_EQ(loaded, (std::map<std::string, int>{
                          {"DemoForm", 1}, {"Panel1", 1}, {"First", 1}, {"Second", 1}}));
    EXPECT_EQ(form->Caption(), Utf8ToGbk("演示窗口"));
    EXPECT_TRUE(form->CreatedWithPanel) << "OnCreate runs once the whole layout is read";
    EXPECT_EQ(form->Position(), poDesktopCenter);
    EXPECT_EQ(form->BorderStyle(), bsSingle);
    EXPECT_EQ(form->Constraints().MinWidth(), 130);

    auto& panel = form->FindComponentAs<TCountingPanel>("Panel1");
    EXPECT_EQ(panel.Parent(), form);
    EXPECT_EQ(panel.Font().Name(), Utf8ToGbk("宋体"));
    EXPECT_EQ(panel.Font().Style(), TFontStyles(fsBold));
    EXPECT_EQ(panel.Font().Charset(), 0);
    EXPECT_EQ(panel.Font().Height(), -13);
    EXPECT_FALSE(panel.ParentFont());
    EXPECT_EQ(panel.BoundsRect(), form->ClientRect()) << "aligned to the client area";

    auto& image = form->FindComponentAs<TImage>("Image1");
    EXPECT_EQ(image.Parent(), &panel);
    EXPECT_EQ(image.Width(), 160);
    EXPECT_EQ(image.Height(), 60);
    EXPECT_TRUE(image.Center());
    EXPECT_EQ(image.Cursor(), crHandPoint);
    EXPECT_TRUE(image.ShowHint());
    EXPECT_EQ(image.Hint(), Utf8ToGbk("点我"));
    EXPECT_EQ(image.Font().Name(), Utf8ToGbk("宋体")) << "the image takes its parent's font";
    EXPECT_TRUE(image.Font().Style() & fsBold);

    auto& first = form->FindComponentAs<TCountingPanel>("First");
    auto& second = form->FindComponentAs<TCountingPanel>("Second");
    EXPECT_EQ(second.TabOrder(), 0);
    EXPECT_EQ(first.TabOrder(), 1);
    EXPECT_EQ(form->ActiveControl(), &second);

    auto& timer = form->FindComponentAs<TTimer>("Timer1");
    EXPECT_EQ(timer.Interval(), 250u);
    EXPECT_TRUE(timer.Running());
    Desk->AdvanceTime(250);
    EXPECT_EQ(form->Ticks, 1);

    form->Show();
    Pump();
    EXPECT_EQ(form->Shows, 1);
    EXPECT_EQ(TWinControl::FindControl(GetFocus()), &second);
    // Centred on the work area (1024 x 738).
    EXPECT_EQ(form->Left(), (1024 - 320) / 2);
    EXPECT_EQ(form->Top(), (738 - 240) / 2);
    TPoint imageCentre = image.ClientToScreen({80, 30});
    Desk->Click(imageCentre);
    EXPECT_EQ(form->ImageClicks, 1);
}

TEST_F(TLayoutTest, WritesBackWhatItRead) {
    std::map<std::string, int> loaded;
    TDemoForm* form = Read(loaded);
    std::string written = WriteLayout(*form);
    for (const char* expected :
         {"Picture = resource \"BANNER\"", "Cursor = crHandPoint", "Font.Style = [fsBold]",
          "Font.Charset = ANSI_CHARSET", "Align = alClient", "Position = poDesktopCenter",
          "ActiveControl = Second", "OnClick = Image1Click", "Constraints.MinWidth = 130",
          "Interval = 250"})
        EXPECT_NE(written.find(expected), std::string::npos) << expected << "\n" << written;
    // Defaults are not written.
    EXPECT_EQ(written.find("BevelOuter"), std::string::npos);

    // The written layout reads into an equal form.
    auto again = MakeComponent<TDemoForm>(nullptr);
    ReadLayout(*again, written, "written.layout");
    EXPECT_EQ(WriteLayout(*again), written);
}

TEST_F(TLayoutTest, UnknownPropertiesAndResourcesAreReportedWithTheLine) {
    auto* form = new TDemoForm(App.get());
    std::string bad = "object DemoForm: TDemoForm\n  Left = 1\n  Colour = clRed\nend\n";
    try {
        ReadLayout(*form, bad, "bad.layout");
        FAIL() << "no error";
    } catch (const EReadError& e) {
        std::string m = e.Message();
        EXPECT_NE(m.find("bad.layout"), std::string::npos) << m;
        EXPECT_NE(m.find("3"), std::string::npos) << m;
        EXPECT_NE(m.find("Colour"), std::string::npos) << m;
    }
    auto* other = new TDemoForm(App.get());
    std::string missing = "object DemoForm: TDemoForm\n  object I: TImage\n    Picture = resource "
                          "\"NOPE\"\n  end\nend\n";
    EXPECT_THROW(ReadLayout(*other, missing, "missing.layout"), EReadError);
    EXPECT_EQ(other->ComponentCount(), 0) << "what was created is destroyed again";
}

TEST_F(TLayoutTest, SizesAndPositionsPastTheirLimitsAreRefusedBeforeAWindowIsMade) {
    struct TCase {
        const char* Property;
        long long Largest;
        long long Smallest;
    };
    const TCase cases[] = {
        {"Left", kMaxLayoutPosition, -kMaxLayoutPosition},
        {"Top", kMaxLayoutPosition, -kMaxLayoutPosition},
        {"Width", kMaxLayoutExtent, 0},
        {"Height", kMaxLayoutExtent, 0},
        {"ClientWidth", kMaxLayoutExtent, 0},
        {"ClientHeight", kMaxLayoutExtent, 0},
        {"Constraints.MinWidth", kMaxLayoutExtent, 0},
        {"Constraints.MaxHeight", kMaxLayoutExtent, 0},
        {"Font.Height", kMaxLayoutFontHeight, -kMaxLayoutFontHeight},
        {"Font.Size", kMaxLayoutFontHeight, -kMaxLayoutFontHeight},
    };
    auto layout = [](const std::string& property, long long value) {
        return "object DemoForm: TDemoForm\n  " + property + " = " + std::to_string(value) +
               "\nend\n";
    };
    for (const TCase& c : cases) {
        for (long long value : {c.Largest, c.Smallest}) {
            auto* form = new TDemoForm(App.get());
            EXPECT_NO_THROW(ReadLayout(*form, layout(c.Property, value), "limit.layout"))
                << c.Property << " = " << value;
            form->Free();
        }
        for (long long value : {c.Largest + 1, c.Smallest - 1, 2147483647LL}) {
            auto* form = new TDemoForm(App.get());
            try {
                ReadLayout(*form, layout(c.Property, value), "limit.layout");
                ADD_FAILURE() << c.Property << " = " << value << " was read";
            } catch (const EReadError& e) {
                EXPECT_NE(e.Message().find("out of range"), std::string::npos) << e.Message();
            }
            form->Free();
        }
    }
    // The widths of a panel's frame and of a pen are sizes too.
    auto* form = new TDemoForm(App.get());
    EXPECT_THROW(ReadLayout(*form,
                            "object DemoForm: TDemoForm\n  object P: TPanel\n    BorderWidth = " +
                                std::to_string(kMaxLayoutExtent + 1) + "\n  end\nend\n",
                            "limit.layout"),
                 EReadError);
    form->Free();
}

TEST_F(TLayoutTest, TheImageOfALayoutShowsItsHint) {
    std::map<std::string, int> loaded;
    TDemoForm* form = Read(loaded);
    form->Show();
    Pump();
    auto& image = form->FindComponentAs<TImage>("Image1");
    TPoint p = image.ClientToScreen({80, 30});
    Desk->MouseMove(p);
    Desk->MouseMove(p + TPoint(2, 2));
    Desk->AdvanceTime(App->HintPause());
    EXPECT_TRUE(App->HintShowing());
}
