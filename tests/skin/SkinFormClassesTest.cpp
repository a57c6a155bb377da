#include "SkinFrameFixture.h"

#include "platform/component/LayoutReader.h"
#include "platform/component/LayoutWriter.h"
#include "platform/control/PopupMenu.h"
#include "skin/SkinFormClasses.h"
#include "skin/SuiForm.h"
#include "skin/SuiMainMenu.h"
#include "skin/SuiMenuBar.h"

#include <gtest/gtest.h>

namespace {

// The frame of the program's main window as its layout carries it.
const char* kMainWindow = R"(object Host: TForm
  Left = 321
  Top = 233
  Width = 307
  Height = 431
  Caption = "Qorvin"
  object suiForm1: TsuiForm
    Left = 1
    Top = 0
    Width = 297
    Height = 396
    UIStyle = MacOS
    UIStyleAutoUpdateSub = False
    BorderColor = 8355711
    BorderWidth = 1
    TitleBarVisible = True
    Color = 15198183
    Caption = "Qorvin"
    TitleBarButtons = <
      item
        ButtonType = suiControlBox
        Transparent = False
        Top = 4
        UIStyle = MacOS
        PicNormal = resource "MACOS_TITLEBTN_CTLBOX_NORMAL"
        PicMouseOn = resource "MACOS_TITLEBTN_CTLBOX_MOUSEON"
        PicMouseDown = resource "MACOS_TITLEBTN_CTLBOX_MOUSEDOWN"
      end
      item
        ButtonType = suiClose
        Transparent = False
        Top = 4
        UIStyle = MacOS
        PicNormal = resource "MACOS_TITLEBTN_CLOSE_NORMAL"
        PicMouseOn = resource "MACOS_TITLEBTN_CLOSE_MOUSEON"
        PicMouseDown = resource "MACOS_TITLEBTN_CLOSE_MOUSEDOWN"
      end
      item
        ButtonType = suiMin
        Transparent = False
        Top = 4
        UIStyle = MacOS
        PicNormal = resource "MACOS_TITLEBTN_MIN_NORMAL"
        PicMouseOn = resource "MACOS_TITLEBTN_MIN_MOUSEON"
        PicMouseDown = resource "MACOS_TITLEBTN_MIN_MOUSEDOWN"
      end
    >
    TitleBarSections = <
      item
        AutoSize = True
        Width = 48
        Align = suiLeft
        Picture = resource "MACOS_TITLE_LEFT"
        Stretch = False
      end
      item
        AutoSize = True
        Width = 48
        Align = suiRight
        Picture = resource "MACOS_TITLE_RIGHT"
        Stretch = False
      end
      item
        AutoSize = False
        Width = 10
        Align = suiClient
        Picture = resource "MACOS_TITLE_CLIENT"
        Stretch = True
      end
    >
    TitleBarDrawAppIcon = False
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = "Tahoma"
    Font.Style = [fsBold]
    MenuBarColor = 15198183
    MenuBarHeight = 22
  end
end
)";

class SkinLayoutTest : public TSkinFrameTest {
public:
    void SetUp() override {
        TSkinFrameTest::SetUp();
        RegisterSkinFormClasses();
    }
    TForm* ReadMainWindow() {
        auto* host = new TForm(App.get());
        ReadLayout(*host, kMainWindow, "main.layout");
        return host;
    }
};

TEST_F(SkinLayoutTest, TheMainWindowsFrameIsReadWithItsTitleBar) {
    TForm* host = ReadMainWindow();
    auto& frame = host->FindComponentAs<TsuiForm>("suiForm1");
    EXPECT_EQ(frame.Parent(), host);
    EXPECT_EQ(frame.UIStyle(), MacOS);
    EXPECT_EQ(frame.BorderColor(), 0x7F7F7Fu);
    EXPECT_EQ(frame.BorderWidth(), 1);
    EXPECT_EQ(frame.Color(), 0xE7E7E7u);
    EXPECT_EQ(frame.Caption(), "Qorvin");
    EXPECT_EQ(frame.Width(), 297);
    EXPECT_EQ(host->Width(), 299);
    EXPECT_EQ(host->Height(), 397);
    EXPECT_EQ(host->BorderStyle(), bsNone);
    EXPECT_EQ(frame.Font().Name(), "Tahoma");
    EXPECT_EQ(frame.Font().Style(), TFontStyles(fsBold));
    EXPECT_EQ(frame.Font().Color(), clWhite);
    EXPECT_EQ(frame.TitleBar()->Font().Name(), "Tahoma");

    TsuiTitleBarButtons& buttons = frame.TitleBarButtons();
    ASSERT_EQ(buttons.Count(), 3);
    const TsuiTitleBarBtnType types[] = {suiControlBox, suiClose, suiMin};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(buttons.Items(i)->ButtonType(), types[i]);
        EXPECT_EQ(buttons.Items(i)->Top(), 4);
        EXPECT_EQ(buttons.Items(i)->PicNormal().Width(), 17);
        EXPECT_EQ(buttons.Items(i)->PicMouseDown().Height(), 17);
    }
    EXPECT_EQ(buttons.Items(1)->PictureResource(tbsMouseOn), "MACOS_TITLEBTN_CLOSE_MOUSEON");
    TsuiTitleBarSections& sections = frame.TitleBarSections();
    ASSERT_EQ(sections.Count(), 3);
    EXPECT_EQ(sections.Items(1)->Align(), suiRight);
    EXPECT_EQ(sections.Items(2)->Align(), suiClient);
    EXPECT_EQ(sections.Items(2)->Width(), 10);
    EXPECT_EQ(sections.Items(2)->Picture().Width(), 49);
    EXPECT_TRUE(Boxes.empty());

    frame.SetWidth(287); // what the main window does when shown
    EXPECT_EQ(host->Width(), 289);
    TsuiTitleBar::TButtonLayout l = frame.TitleBar()->LayoutButtons(frame.TitleBar()->Width());
    EXPECT_EQ(l.Rects[1].Left, 268);
    EXPECT_EQ(l.CaptionLeft, 25);
}

TEST_F(SkinLayoutTest, WrittenLayoutsNameThePicturesAndReadBackTheSame) {
    TForm* host = ReadMainWindow();
    std::string text = WriteLayout(*host);
    EXPECT_NE(text.find("PicNormal = resource \"MACOS_TITLEBTN_CLOSE_NORMAL\""), std::string::npos)
        << text;
    EXPECT_NE(text.find("Picture = resource \"MACOS_TITLE_CLIENT\""), std::string::npos);
    EXPECT_NE(text.find("ButtonType = suiControlBox"), std::string::npos);
    EXPECT_NE(text.find("UIStyle = MacOS"), std::string::npos);
    host->Free();

    auto* again = new TForm(App.get());
    ReadLayout(*again, text, "written.layout");
    auto& frame = again->FindComponentAs<TsuiForm>("suiForm1");
    EXPECT_EQ(frame.TitleBarButtons().Count(), 3);
    EXPECT_EQ(frame.TitleBarButtons().Items(2)->PictureResource(tbsNormal),
              "MACOS_TITLEBTN_MIN_NORMAL");
    EXPECT_EQ(frame.TitleBarSections().Items(0)->Width(), 48);
    EXPECT_EQ(frame.Width(), 297);
    EXPECT_EQ(WriteLayout(*again), text);
}

TEST_F(SkinLayoutTest, AMissingPictureNamesTheResourceAndTheLine) {
    std::string text = kMainWindow;
    text.replace(text.find("MACOS_TITLE_RIGHT"), 17, "MACOS_TITLE_WRONG");
    auto* host = new TForm(App.get());
    try {
        ReadLayout(*host, text, "broken.layout");
        FAIL() << "no error";
    } catch (const std::exception& e) {
        std::string message = e.what();
        EXPECT_NE(message.find("MACOS_TITLE_WRONG"), std::string::npos) << message;
        EXPECT_NE(message.find("broken.layout"), std::string::npos) << message;
    }
}

TEST_F(SkinLayoutTest, MenusAreLinkedByName) {
    const char* layout = R"(object Host: TForm
  object suiForm1: TsuiForm
    UIStyle = WinXP
    Menu = MainMenu1
    TitleBarButtons = <
      item
        ButtonType = suiControlBox
        ControlBoxMenu = BoxMenu
      end
    >
  end
  object MainMenu1: TsuiMainMenu
    UIStyle = Custom
  end
  object BoxMenu: TPopupMenu
  end
end
)";
    auto* host = new TForm(App.get());
    ReadLayout(*host, layout, "menus.layout");
    auto& frame = host->FindComponentAs<TsuiForm>("suiForm1");
    auto& menu = host->FindComponentAs<TsuiMainMenu>("MainMenu1");
    EXPECT_EQ(frame.Menu(), &menu);
    EXPECT_EQ(menu.UIStyle(), Custom);
    EXPECT_NE(frame.MenuBar(), nullptr);
    EXPECT_EQ(frame.TitleBarButtons().Items(0)->ControlBoxMenu(),
              &host->FindComponentAs<TPopupMenu>("BoxMenu"));
    std::string text = WriteLayout(*host);
    EXPECT_NE(text.find("Menu = MainMenu1"), std::string::npos) << text;
    EXPECT_NE(text.find("ControlBoxMenu = BoxMenu"), std::string::npos) << text;
}

} // namespace
