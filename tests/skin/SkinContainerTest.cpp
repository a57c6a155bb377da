#include "SkinFrameFixture.h"

#include "platform/component/ClassRegistry.h"
#include "skin/SkinContainer.h"
#include "skin/SkinFormClasses.h"
#include "skin/SuiForm.h"

#include <gtest/gtest.h>

namespace {

// A skinned control of some other kind: all the theme push-down knows of it is its published
// UIStyle.
class TThemedBox : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    std::string ClassName() const override { return "TThemedBox"; }
    TsuiUIStyle Style = MacOS;
};

// A container that restyles what it holds when asked.
class TThemedGroup : public TCustomControl, public IsuiSubContainer {
public:
    using TCustomControl::TCustomControl;
    std::string ClassName() const override { return "TThemedGroup"; }
    void ApplyUIStyleToContents(TsuiUIStyle style) override { Asked.push_back(style); }
    std::vector<TsuiUIStyle> Asked;
};

class ContainerTest : public TSkinFrameTest {
public:
    void SetUp() override {
        TSkinFrameTest::SetUp();
        RegisterSkinFormClasses();
        if (!IsClassRegistered("TThemedBox")) {
            static const TIdentMap styles{{"Custom", Custom},   {"MacOS", MacOS},
                                          {"WinXP", WinXP},     {"DeepBlue", DeepBlue},
                                          {"Protein", Protein}, {"BlueGlass", BlueGlass}};
            RegisterComponentClass<TThemedBox>("TThemedBox", "TCustomControl")
                .Enum<TsuiUIStyle>(
                    "UIStyle", styles, [](TThemedBox& b) { return b.Style; },
                    [](TThemedBox& b, TsuiUIStyle v) { b.Style = v; });
        }
    }
};

TEST_F(ContainerTest, TheFormStyleIsThatOfTheFirstFrame) {
    TForm* form = NewForm();
    EXPECT_EQ(GetSUIFormStyle(form), DeepBlue);
    EXPECT_EQ(GetSUIFormColor(form), clBtnFace);
    EXPECT_EQ(GetBorderColor(form), TColor(0));
    EXPECT_EQ(GetSUIFormStyle(nullptr), DeepBlue);
    auto* frame = new TsuiForm(form);
    frame->SetParent(form);
    frame->SetUIStyle(WinXP);
    EXPECT_EQ(GetSUIFormStyle(form), WinXP);
    EXPECT_EQ(GetSUIFormColor(form), TColor(0xDEEBEF));
    EXPECT_EQ(GetBorderColor(form), TColor(0x686868));
    // A title bar made for a window with a frame takes the frame's theme.
    auto* bar = new TsuiTitleBar(form);
    EXPECT_EQ(bar->UIStyle(), WinXP);
}

TEST_F(ContainerTest, ThePushDownSkipsCustomControls) {
    TForm* form = NewForm();
    auto* themed = new TThemedBox(form);
    themed->SetParent(form);
    auto* custom = new TThemedBox(form);
    custom->SetParent(form);
    custom->Style = Custom;
    auto* plain = new TPanel(form);
    plain->SetParent(form);
    auto* group = new TThemedGroup(form);
    group->SetParent(form);
    auto* grandchild = new TThemedBox(form);
    grandchild->SetParent(group);

    ContainerApplyUIStyle(form, Protein);
    EXPECT_EQ(themed->Style, Protein);
    EXPECT_EQ(custom->Style, Custom);
    EXPECT_EQ(grandchild->Style, MacOS); // direct children only
    EXPECT_TRUE(group->Asked.empty());
    SubContainerApplyUIStyle(form, BlueGlass);
    EXPECT_EQ(group->Asked, std::vector<TsuiUIStyle>{BlueGlass});
    EXPECT_EQ(themed->Style, Protein);
}

TEST_F(ContainerTest, AFrameWithAutoUpdatePushesItsThemeDown) {
    TForm* form = NewForm();
    auto* frame = new TsuiForm(form);
    frame->SetParent(form);
    auto* box = new TThemedBox(form);
    box->SetParent(frame);
    auto* group = new TThemedGroup(form);
    group->SetParent(frame);

    frame->SetUIStyle(WinXP);
    EXPECT_EQ(box->Style, MacOS); // not asked to
    frame->SetUIStyleAutoUpdateSub(true);
    frame->SetUIStyle(WinXP);
    EXPECT_EQ(box->Style, WinXP);
    EXPECT_EQ(group->Asked, std::vector<TsuiUIStyle>{WinXP});
    frame->SetUIStyle(Custom);
    EXPECT_EQ(box->Style, WinXP);
    EXPECT_EQ(group->Asked.size(), 1u);
}

} // namespace
