#include "ControlTestFixture.h"

#include "platform/control/HintWindow.h"
#include "platform/control/Image.h"
#include "platform/control/Panel.h"

class THintTest : public TControlTest {
public:
    TForm* Form = nullptr;
    TImage* Image = nullptr;
    TPanel* Panel = nullptr;

    void SetUp() override {
        TControlTest::SetUp();
        Form = NewForm();
        Image = new TImage(Form);
        Image->SetParent(Form);
        Image->SetBounds(10, 10, 50, 50);
        Image->SetHint("Click me|opens the zone");
        Image->SetShowHint(true);
        Panel = new TPanel(Form);
        Panel->SetParent(Form);
        Panel->SetBounds(100, 10, 80, 50);
        Panel->SetHint("A panel");
        Form->Show();
        Pump();
    }
    bool Shown() const { return App->HintShowing(); }
    const TPoint OverImage{130, 130};
    const TPoint OverPanel{220, 130};
    const TPoint OverNothing{150, 250};
};

TEST_F(THintTest, AppearsAfterTheRestDelayBelowThePointer) {
    Desk->MouseMove(OverImage);
    Desk->AdvanceTime(App->HintPause() - 1);
    EXPECT_FALSE(Shown());
    Desk->AdvanceTime(1);
    ASSERT_TRUE(Shown());
    THintWindow* hint = App->HintWindow();
    EXPECT_EQ(hint->Caption(), "Click me") << "the part before '|'";
    TRect r;
    GetWindowRect(hint->Handle(), &r);
    EXPECT_EQ(r.Left, OverImage.X);
    EXPECT_GT(r.Top, OverImage.Y);
    EXPECT_GT(r.Width(), 10);
    // Drawn in the tooltip colours, as a popup that does not take the focus.
    EXPECT_EQ(Desk->PixelAt(hint->Handle(), {r.Left + 2, r.Top + 2}), ColorToRGB(clInfoBk));
    EXPECT_NE(GetFocus(), hint->Handle());
    EXPECT_EQ(GetActiveWindow(), Form->Handle());
}

TEST_F(THintTest, HidesOnLeaveAndOnPress) {
    Desk->MouseMove(OverImage);
    Desk->AdvanceTime(App->HintPause());
    ASSERT_TRUE(Shown());
    Desk->MouseMove(OverNothing);
    EXPECT_FALSE(Shown());
    Desk->AdvanceTime(2000);
    EXPECT_FALSE(Shown());

    Desk->MouseMove(OverImage);
    Desk->AdvanceTime(App->HintPause());
    ASSERT_TRUE(Shown());
    Desk->MouseDown(OverImage);
    EXPECT_FALSE(Shown());
    Desk->MouseUp(OverImage);
    Desk->AdvanceTime(2000);
    EXPECT_FALSE(Shown()) << "no new hint until the pointer comes again";

    // Leaving the program's windows altogether hides it too.
    Desk->MouseMove(OverNothing);
    Desk->MouseMove(OverImage);
    Desk->AdvanceTime(App->HintPause());
    ASSERT_TRUE(Shown());
    Desk->MouseMove({900, 700});
    EXPECT_FALSE(Shown());
}

TEST_F(THintTest, HidesByItselfAfterTheHidePause) {
    Desk->MouseMove(OverImage);
    Desk->AdvanceTime(App->HintPause());
    ASSERT_TRUE(Shown());
    Desk->AdvanceTime(App->HintHidePause());
    EXPECT_FALSE(Shown());
}

TEST_F(THintTest, ControlsWithoutShowHintOrWithHintsOffShowNone) {
    Desk->MouseMove(OverPanel);
    Desk->AdvanceTime(3000);
    EXPECT_FALSE(Shown()) << "the panel's ShowHint is off";
    Panel->SetShowHint(true);
    Desk->MouseMove(OverNothing);
    Desk->MouseMove(OverPanel);
    Desk->AdvanceTime(App->HintPause());
    EXPECT_TRUE(Shown());
    App->SetShowHint(false);
    EXPECT_FALSE(Shown());
    Desk->MouseMove(OverNothing);
    Desk->MouseMove(OverImage);
    Desk->AdvanceTime(3000);
    EXPECT_FALSE(Shown());
}

TEST_F(THintTest, ParentShowHintFollowsTheParent) {
    auto* inner = new TPanel(Form);
    inner->SetParent(Panel);
    EXPECT_FALSE(inner->ShowHint());
    Panel->SetShowHint(true);
    EXPECT_TRUE(inner->ShowHint());
    inner->SetShowHint(false);
    EXPECT_FALSE(inner->ParentShowHint());
    Panel->SetShowHint(false);
    Panel->SetShowHint(true);
    EXPECT_FALSE(inner->ShowHint());
}

TEST_F(THintTest, ADestroyedControlLeavesNoHintBehind) {
    Desk->MouseMove(OverImage);
    Desk->AdvanceTime(App->HintPause());
    ASSERT_TRUE(Shown());
    Image->Free();
    EXPECT_FALSE(Shown());
    EXPECT_EQ(App->HintControl(), nullptr);
    Desk->AdvanceTime(3000);
}
