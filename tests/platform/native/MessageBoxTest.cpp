#include "NativeTestFixture.h"

#include "platform/draw/SystemFonts.h"
#include "platform/native/MessageBox.h"

#include <cstdlib>

namespace {
class MessageBoxTest : public TNativeTest {
public:
    HWND Box = nullptr;
    TRect BoxRect;
    TRect BoxClient;

    // Runs a message box; once it is up, the script runs (with the box) and then, if the box
    // is still there, the test fails by closing it with the close request.
    int Run(const std::string& text, const std::string& caption, UINT type,
            std::function<void(HWND)> script) {
        int step = 0;
        Desk->SetIdleHandler([&]() {
            if (step++ > 0) {
                ADD_FAILURE() << "the message box did not close";
                for (HWND h : GetTopLevelWindows())
                    if (h != Host)
                        SendMessage(h, WM_CLOSE, 0, 0);
                return true;
            }
            for (HWND h : GetTopLevelWindows())
                if (h != Host && IsWindowVisible(h))
                    Box = h;
            if (!Box) {
                ADD_FAILURE() << "no message box is shown";
                return false;
            }
            GetWindowRect(Box, &BoxRect);
            GetClientRect(Box, &BoxClient);
            script(Box);
            return true;
        });
        int r = MessageBox(Host, text, caption, type);
        Desk->SetIdleHandler(nullptr);
        return r;
    }
};

TEST_F(MessageBoxTest, ClosesOnEnterSpaceAndEscapeAnsweringOk) {
    for (int vk : {VK_RETURN, VK_SPACE, VK_ESCAPE}) {
        Box = nullptr;
        int r = Run(Gbk("请输入等级"), Gbk("Qorvin宠物查询器"), MB_OK,
                    [&](HWND) { Desk->PressKey(vk); });
        EXPECT_EQ(r, IDOK) << vk;
        EXPECT_FALSE(IsWindow(Box)) << vk;
    }
    // The owner is usable again.
    EXPECT_TRUE(IsWindowEnabled(Host));
}

TEST_F(MessageBoxTest, ClickingOkCloses) {
    int r = Run("x", "t", MB_OK, [&](HWND box) {
        HWND ok = GetWindow(box, GW_CHILD);
        ASSERT_NE(ok, nullptr);
        TRect b = GetWindowBounds(ok);
        Desk->Click(At(box, b.CenterPoint()));
    });
    EXPECT_EQ(r, IDOK);
    EXPECT_FALSE(IsWindow(Box));
}

TEST_F(MessageBoxTest, CtrlCCopiesCaptionAndTextAndKeepsTheBoxOpen) {
    std::string text = Gbk("等级不能为空\r\n请重新输入");
    std::string caption = Gbk("Qorvin宠物查询器");
    bool stillOpen = false;
    Run(text, caption, MB_OK, [&](HWND box) {
        Desk->KeyDown(VK_CONTROL, ssCtrl);
        Desk->PressKey('C', ssCtrl);
        Desk->KeyUp(VK_CONTROL);
        stillOpen = IsWindowVisible(box);
        Desk->PressKey(VK_RETURN);
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(GetClipboardTextGbk(), caption + "\r\n" + text);
    EXPECT_EQ(Desk->GetClipboardText(), "Qorvin宠物查询器\r\n等级不能为空\r\n请重新输入");
}

TEST_F(MessageBoxTest, CentredOnTheWorkAreaWithTheCaptionAsTitle) {
    Run("abc", Gbk("标题"), MB_OK, [&](HWND box) {
        EXPECT_EQ(GetWindowText(box), Gbk("标题"));
        Desk->PressKey(VK_RETURN);
    });
    TRect work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(std::abs(BoxRect.CenterPoint().X - work.CenterPoint().X), 1);
    EXPECT_LE(std::abs(BoxRect.CenterPoint().Y - work.CenterPoint().Y), 1);
}

TEST_F(MessageBoxTest, SizesItselfToShowEveryLine) {
    std::string longLine(120, 'W');
    std::string text = "one\r\n" + longLine + "\r\nthree\r\nfour\r\nfive\r\nsix";
    Run(text, "c", MB_OK, [&](HWND) { Desk->PressKey(VK_RETURN); });
    TMeasureDC m(GetMessageLogFont());
    int lineHeight = m.LineHeight();
    EXPECT_GE(BoxClient.Width(), m.TextWidth(longLine) + 24);
    // Six lines, the button and the margins.
    EXPECT_GE(BoxClient.Height(), 6 * lineHeight + 23 + 24);

    Run("short", "c", MB_OK, [&](HWND) { Desk->PressKey(VK_RETURN); });
    EXPECT_LT(BoxClient.Height(), 3 * lineHeight + 23 + 36);
}

TEST_F(MessageBoxTest, ErrorIconOnlyWithTheErrorStyle) {
    auto redPixels = [&](UINT type) {
        int red = 0;
        Run("text", "c", type, [&](HWND box) {
            for (int y = 0; y < 48; ++y)
                for (int x = 0; x < 48; ++x) {
                    TPoint p = At(box, {x, y});
                    TColor c = Desk->PixelAt(box, p);
                    red += GetRValue(c) > 180 && GetGValue(c) < 60 && GetBValue(c) < 60;
                }
            Desk->PressKey(VK_RETURN);
        });
        return red;
    };
    EXPECT_EQ(redPixels(MB_OK), 0);
    EXPECT_GT(redPixels(MB_ICONERROR), 200);
}
} // namespace
