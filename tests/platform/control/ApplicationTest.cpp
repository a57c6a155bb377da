#include "ControlTestFixture.h"

#include "platform/control/CustomControl.h"
#include "platform/native/MessageBox.h"

#include <stdexcept>

namespace {
class TClickable : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
};
} // namespace

class TApplicationTest : public TControlTest {
public:
    TForm* Main = nullptr;
    TClickable* Button = nullptr;

    void SetUp() override {
        TControlTest::SetUp();
        App->SetTitle("Pets");
        App->CreateForm(Main);
        Main->SetBorderStyle(bsNone);
        Main->SetBounds(100, 100, 200, 100);
        Button = new TClickable(Main);
        Button->SetBounds(10, 10, 50, 20);
        Button->SetParent(Main);
    }
};

TEST_F(TApplicationTest, TheFirstFormCreatedIsTheMainForm) {
    TForm* second = nullptr;
    App->CreateForm(second);
    EXPECT_EQ(App->MainForm(), Main);
    EXPECT_EQ(second->Owner(), App.get());
}

TEST_F(TApplicationTest, AnExceptionInAHandlerIsShownAndTheLoopGoesOn) {
    int clicks = 0;
    Button->OnClick = [&](TPersistent*) {
        ++clicks;
        if (clicks == 1)
            throw EInvalidOperation("Bad operation");
        if (clicks == 2)
            throw std::runtime_error("foreign");
        Main->Close();
    };
    int step = 0;
    Desk->SetIdleHandler([&]() {
        ++step;
        if (step > 3)
            return false;
        Desk->Click({115, 115});
        return true;
    });
    int code = App->Run();
    Desk->SetIdleHandler(nullptr);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(clicks, 3);
    ASSERT_EQ(Boxes.size(), 2u);
    EXPECT_EQ(Boxes[0].Text, "Bad operation");
    EXPECT_EQ(Boxes[0].Caption, "Pets");
    EXPECT_EQ(Boxes[0].Type, MB_OK | MB_ICONERROR);
    EXPECT_EQ(Boxes[1].Text, "") << "a foreign exception has an empty message";
}

TEST_F(TApplicationTest, AnExceptionInATimerHandlerIsShownToo) {
    std::uintptr_t id = SetTimer(10, [](std::uintptr_t) { throw Exception("tick"); });
    Desk->AdvanceTime(15);
    KillTimer(nullptr, id);
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Text, "tick");
}

TEST_F(TApplicationTest, OnExceptionReplacesTheMessageBox) {
    std::string seen;
    App->OnException = [&](TPersistent* sender, const Exception& e) {
        seen = e.Message();
        EXPECT_EQ(sender, Button);
    };
    Button->OnClick = [](TPersistent*) { throw Exception("handled"); };
    Main->Show();
    Pump();
    Desk->Click({115, 115});
    EXPECT_EQ(seen, "handled");
    EXPECT_TRUE(Boxes.empty());
}

// When the message box cannot be shown itself (no font, no display), the exception goes to the
// error output as one UTF-8 line with the title, and nothing escapes.
TEST_F(TApplicationTest, AnExceptionThatNoBoxCanShowGoesToTheErrorOutput) {
    App->SetTitle("Pets \xB3\xE8"); // GBK for 宠
    App->SetMessageBoxFunction([](HWND, const std::string&, const std::string&, UINT) -> int {
        throw Exception("no font for the box");
    });
    testing::internal::CaptureStderr();
    EXPECT_NO_THROW(App->ShowException(Exception("line one\r\nline \xB3\xE8")));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Pets 宠: line one  line 宠\n");
}

TEST_F(TApplicationTest, ClosingTheMainFormEndsRunWithZero) {
    bool closeAsked = false;
    Main->OnCloseQuery = [&](TPersistent*, bool& can) {
        can = closeAsked; // refuses the first time
        closeAsked = true;
    };
    int step = 0;
    Desk->SetIdleHandler([&]() {
        if (++step > 2)
            return false;
        PostMessage(Main->Handle(), WM_CLOSE, 0, 0);
        return true;
    });
    EXPECT_EQ(App->Run(), 0);
    Desk->SetIdleHandler(nullptr);
    EXPECT_EQ(step, 2);
    EXPECT_TRUE(App->Terminated());
}

TEST_F(TApplicationTest, OnMessageSeesQueuedMessagesAndCanDropThem) {
    int clicks = 0;
    Button->OnClick = [&](TPersistent*) { ++clicks; };
    bool drop = true;
    int seen = 0;
    App->OnMessage = [&](TMsg& m, bool& handled) {
        if (m.message == WM_LBUTTONDOWN) {
            ++seen;
            handled = drop;
        }
    };
    Main->Show();
    Pump();
    Desk->Click({115, 115});
    EXPECT_EQ(clicks, 0);
    drop = false;
    Desk->AdvanceTime(1000); // no double click
    Desk->Click({115, 115});
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(seen, 2);
}

TEST_F(TApplicationTest, ScreenKnowsTheFormsTheActiveFormAndTheWorkArea) {
    Main->Show();
    Pump();
    EXPECT_EQ(Screen->ActiveForm(), Main);
    EXPECT_EQ(Screen->FormCount(), 1);
    EXPECT_EQ(Screen->WorkAreaRect(), TRect(0, 0, 1024, 738));
    Desk->MouseMove({300, 200});
    EXPECT_EQ(Screen->CursorPos(), TPoint(300, 200));
}

TEST_F(TApplicationTest, ASizeableMainFormGetsTheCaptionFrame) {
    Main->SetBorderStyle(bsSizeable);
    Main->SetCaption("Pets");
    Main->Show();
    Pump();
    auto style = std::uint32_t(GetWindowLongPtr(Main->Handle(), GWL_STYLE));
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_LT(Main->ClientHeight(), Main->Height());
    EXPECT_EQ(GetWindowText(Main->Handle()), "Pets");
    Main->SetBorderStyle(bsNone);
    style = std::uint32_t(GetWindowLongPtr(Main->Handle(), GWL_STYLE));
    EXPECT_EQ(style & WS_CAPTION, 0u);
    EXPECT_EQ(Main->ClientHeight(), Main->Height());
}

TEST_F(TApplicationTest, FreeingTheMainFormEndsRunAndWithoutOneRunReturnsAtOnce) {
    Desk->SetIdleHandler([&]() {
        if (!App->MainForm())
            return false;
        Main->Free();
        return true;
    });
    EXPECT_EQ(App->Run(), 0);
    Desk->SetIdleHandler(nullptr);
    EXPECT_EQ(App->MainForm(), nullptr);
    TApplication other;
    EXPECT_EQ(other.Run(), 0);
}
