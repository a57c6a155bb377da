#include "editors/Container.h"
#include "editors/StyleController.h"
#include "tests/platform/control/ControlTestFixture.h"

#include <functional>
#include <ostream>
#include <string>

namespace {

// A container on a form, a controller, and counters of the change events.
class ContainerStyleTest : public TControlTest {
public:
    TForm* Form = nullptr;
    TcxContainer* Edit = nullptr;
    TComponentPtr<TcxEditStyleController> Controller;
    int Changes = 0;

    void SetUp() override {
        TControlTest::SetUp();
        Form = NewForm();
        Form->SetColor(clGreen);
        Edit = new TcxContainer(Form);
        Edit->SetBounds(10, 10, 100, 21);
        Edit->SetParent(Form);
        Controller = MakeComponent<TcxEditStyleController>(nullptr);
    }
    void TearDown() override {
        Controller.reset();
        TControlTest::TearDown();
    }
    // Counts the change events of a style (replacing the container's handler).
    void Count(TcxContainerStyle& style) {
        style.OnChanged = [this](TcxContainerStyle*) { ++Changes; };
    }
};

struct TResolveCase {
    const char* Name;
    std::function<void(ContainerStyleTest&)> Arrange;
    std::function<long long(ContainerStyleTest&)> Actual;
    long long Expected;
};

void PrintTo(const TResolveCase& c, std::ostream* os) {
    *os << c.Name;
}

TcxContainerStyle& Normal(ContainerStyleTest& t) {
    return t.Edit->Style();
}

const TResolveCase ResolveCases[] = {
    // Assigned here, assigned at the controller, or the default, for the normal style.
    {"BorderColorDefault", [](auto&) {}, [](auto& t) { return Normal(t).BorderColor(); },
     clWindowFrame},
    {"BorderColorFromController",
     [](auto& t) {
         Normal(t).SetStyleController(t.Controller.get());
         t.Controller->Style().SetBorderColor(clRed);
     },
     [](auto& t) { return Normal(t).BorderColor(); }, clRed},
    {"BorderColorOwnBeatsController",
     [](auto& t) {
         Normal(t).SetStyleController(t.Controller.get());
         t.Controller->Style().SetBorderColor(clRed);
         Normal(t).SetBorderColor(clBlue);
     },
     [](auto& t) { return Normal(t).BorderColor(); }, clBlue},
    {"BorderStyleByLookAndFeelKind", [](auto&) {}, [](auto& t) { return Normal(t).BorderStyle(); },
     cbsUltraFlat},
    {"BorderStyleFollowsTheControllersLookAndFeel",
     [](auto& t) {
         Normal(t).SetStyleController(t.Controller.get());
         t.Controller->Style().LookAndFeel().SetKind(lfStandard);
     },
     [](auto& t) { return Normal(t).BorderStyle(); }, cbs3D},
    {"ColorDefaultOfAContainer", [](auto&) {}, [](auto& t) { return Normal(t).Color(); }, clWindow},
    {"ColorDefaultOfAControllerStyle", [](auto&) {},
     [](auto& t) { return t.Controller->Style().Color(); }, clBtnFace},
    {"ColorFromController",
     [](auto& t) {
         Normal(t).SetStyleController(t.Controller.get());
         t.Controller->Style().SetColor(clYellow);
     },
     [](auto& t) { return Normal(t).Color(); }, clYellow},
    {"ColorFromTheParentWindowWithParentColor",
     [](auto& t) {
         t.Edit->SetParentColor(true);
         Normal(t).SetColor(clYellow);
         t.Edit->SetParentColor(true);
     },
     [](auto& t) { return Normal(t).GetColor(); }, clGreen},
    {"TextColorIsTheFontsColour", [](auto& t) { Normal(t).Font().SetColor(clPurple); },
     [](auto& t) { return Normal(t).TextColor(); }, clPurple},
    {"TextStyleIsTheFontsStyle", [](auto& t) { Normal(t).Font().SetStyle(fsItalic); },
     [](auto& t) { return Normal(t).TextStyle(); }, fsItalic},
    {"EdgesDefault", [](auto&) {}, [](auto& t) { return Normal(t).Edges(); }, cxBordersAll},
    {"HotTrackDefault", [](auto&) {}, [](auto& t) { return Normal(t).HotTrack(); }, 1},
    {"ShadowDefault", [](auto&) {}, [](auto& t) { return Normal(t).Shadow(); }, 0},
    {"TransparentBorderDefault", [](auto&) {},
     [](auto& t) { return Normal(t).TransparentBorder(); }, 1},
    {"ShadowFromController",
     [](auto& t) {
         Normal(t).SetStyleController(t.Controller.get());
         t.Controller->Style().SetShadow(true);
     },
     [](auto& t) { return Normal(t).Shadow(); }, 1},

    // The other states.
    {"FocusedBorderColorIsTheNormalOne", [](auto& t) { Normal(t).SetBorderColor(clRed); },
     [](auto& t) { return t.Edit->StyleFocused().BorderColor(); }, clRed},
    {"DisabledBorderColorIsBtnShadow", [](auto& t) { Normal(t).SetBorderColor(clRed); },
     [](auto& t) { return t.Edit->StyleDisabled().BorderColor(); }, clBtnShadow},
    {"HotBorderOfSingleIsThick", [](auto& t) { Normal(t).SetBorderStyle(cbsSingle); },
     [](auto& t) { return t.Edit->StyleHot().BorderStyle(); }, cbsThick},
    {"HotBorderOfNoneIsFlat", [](auto& t) { Normal(t).SetBorderStyle(cbsNone); },
     [](auto& t) { return t.Edit->StyleHot().BorderStyle(); }, cbsFlat},
    {"FocusedBorderOfFlatIs3D", [](auto& t) { Normal(t).SetBorderStyle(cbsFlat); },
     [](auto& t) { return t.Edit->StyleFocused().BorderStyle(); }, cbs3D},
    {"HotBorderWithoutHotTrackIsTheNormalOne",
     [](auto& t) {
         Normal(t).SetBorderStyle(cbsSingle);
         Normal(t).SetHotTrack(false);
     },
     [](auto& t) { return t.Edit->StyleHot().BorderStyle(); }, cbsSingle},
    {"DisabledBorderIsTheNormalOne", [](auto& t) { Normal(t).SetBorderStyle(cbsNone); },
     [](auto& t) { return t.Edit->StyleDisabled().BorderStyle(); }, cbsNone},
    {"FocusedColorIsTheNormalOne", [](auto& t) { Normal(t).SetColor(clAqua); },
     [](auto& t) { return t.Edit->StyleFocused().Color(); }, clAqua},
    {"DisabledColorIsBtnFace", [](auto& t) { Normal(t).SetColor(clAqua); },
     [](auto& t) { return t.Edit->StyleDisabled().Color(); }, clBtnFace},
    {"DisabledTextColorIsBtnShadow", [](auto&) {},
     [](auto& t) { return t.Edit->StyleDisabled().TextColor(); }, clBtnShadow},
    {"HotTextColorIsTheNormalOne", [](auto& t) { Normal(t).SetTextColor(clMaroon); },
     [](auto& t) { return t.Edit->StyleHot().TextColor(); }, clMaroon},
    {"FocusedValueFromTheControllersFocusedStyle",
     [](auto& t) {
         Normal(t).SetStyleController(t.Controller.get());
         t.Controller->StyleFocused().SetBorderColor(clNavy);
     },
     [](auto& t) { return t.Edit->StyleFocused().BorderColor(); }, clNavy},
    {"HotValueAssignedHereBeatsTheController",
     [](auto& t) {
         Normal(t).SetStyleController(t.Controller.get());
         t.Controller->StyleHot().SetColor(clNavy);
         t.Edit->StyleHot().SetColor(clTeal);
     },
     [](auto& t) { return t.Edit->StyleHot().Color(); }, clTeal},
};

class StyleResolutionCases : public ContainerStyleTest,
                             public ::testing::WithParamInterface<TResolveCase> {};

TEST_P(StyleResolutionCases, Resolves) {
    const TResolveCase& c = GetParam();
    c.Arrange(*this);
    EXPECT_EQ(c.Actual(*this), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Values, StyleResolutionCases, ::testing::ValuesIn(ResolveCases),
                         [](const auto& p) { return std::string(p.param.Name); });

TEST_F(ContainerStyleTest, FontLivesOnlyInTheNormalStyle) {
    TFont font;
    font.SetName("Tahoma");
    font.SetHeight(-13);
    Edit->StyleFocused().SetFont(font);
    EXPECT_EQ(Edit->Style().Font().Name(), "Tahoma");
    EXPECT_EQ(&Edit->StyleHot().Font(), &Edit->Style().Font());
    EXPECT_TRUE(Edit->Style().IsValueAssigned(svFont));
    EXPECT_TRUE(Edit->Style().IsValueStored(svFont));
    // The other states never store the font, nor the other values of the base style.
    for (TcxContainerStyle* s : {&Edit->StyleFocused(), &Edit->StyleDisabled(), &Edit->StyleHot()})
        EXPECT_EQ(s->AssignedValues() & StyleValueBit(svFont), 0u);

    Edit->StyleHot().SetEdges(BorderBit(bLeft));
    Edit->StyleDisabled().SetTransparentBorder(false);
    EXPECT_EQ(Edit->Style().Edges(), BorderBit(bLeft));
    EXPECT_FALSE(Edit->Style().TransparentBorder());
    EXPECT_TRUE(Edit->Style().IsValueStored(svEdges));
    EXPECT_FALSE(Edit->StyleHot().IsValueStored(svEdges));

    // The visible font carries the state's text colour and style.
    Edit->StyleDisabled().SetTextStyle(fsBold);
    const TFont& visible = Edit->StyleDisabled().GetVisibleFont();
    EXPECT_EQ(visible.Name(), "Tahoma");
    EXPECT_EQ(visible.Color(), clBtnShadow);
    EXPECT_EQ(visible.Style(), fsBold);
}

TEST_F(ContainerStyleTest, ChangesInsideAnUpdateAreAnnouncedOnce) {
    TcxContainerStyle& s = Edit->Style();
    Count(s);
    s.BeginUpdate();
    s.SetBorderColor(clRed);
    s.SetColor(clYellow);
    s.BeginUpdate();
    s.SetTextColor(clBlue);
    s.EndUpdate();
    EXPECT_EQ(Changes, 0);
    s.EndUpdate();
    EXPECT_EQ(Changes, 1);

    // Equal values change nothing; a stray EndUpdate neither.
    s.SetBorderColor(clRed);
    s.SetTextColor(clBlue);
    s.EndUpdate();
    EXPECT_EQ(Changes, 1);
    // A value equal to the default still becomes assigned, and that is a change.
    s.SetShadow(false);
    EXPECT_EQ(Changes, 2);
    EXPECT_TRUE(s.IsValueStored(svShadow));

    // An update without changes announces nothing.
    s.BeginUpdate();
    s.EndUpdate();
    EXPECT_EQ(Changes, 2);

    // Assign copies everything in one announcement.
    auto other = MakeComponent<TcxStyleController>(nullptr);
    other->Style().SetBorderStyle(cbsFlat);
    other->Style().SetEdges(BorderBit(bTop));
    other->Style().Font().SetName("Arial");
    s.Assign(other->Style());
    EXPECT_EQ(Changes, 3);
    EXPECT_EQ(s.BorderStyle(), cbsFlat);
    EXPECT_EQ(s.Edges(), BorderBit(bTop));
    EXPECT_EQ(s.Font().Name(), "Arial");
    EXPECT_EQ(s.AssignedValues(), other->Style().AssignedValues());
}

TEST_F(ContainerStyleTest, ControllerChangesReachTheLinkedStyles) {
    int controllerEvents = 0;
    Controller->OnStyleChanged = [&](TPersistent* sender) {
        EXPECT_EQ(sender, Controller.get());
        ++controllerEvents;
    };
    Edit->Style().SetStyleController(Controller.get());
    EXPECT_EQ(Edit->Style().StyleController(), Controller.get());
    EXPECT_EQ(Edit->StyleHot().StyleController(), Controller.get());
    Count(Edit->Style());
    Controller->Style().SetBorderColor(clRed);
    EXPECT_EQ(controllerEvents, 1);
    EXPECT_EQ(Changes, 1);
    EXPECT_TRUE(Edit->Style().IsValueAssigned(svBorderColor));
    EXPECT_FALSE(Edit->Style().IsValueStored(svBorderColor));

    // The controller's font reaches the style while the style has none of its own.
    Controller->Style().Font().SetName("Arial");
    EXPECT_EQ(Edit->Style().Font().Name(), "Arial");

    // The default controller is never reported (and so never stored).
    Edit->Style().SetStyleController(nullptr);
    EXPECT_EQ(Edit->Style().StyleController(), nullptr);
    EXPECT_EQ(Edit->Style().BorderColor(), clWindowFrame);
}

TEST_F(ContainerStyleTest, ADestroyedControllerLeavesItsStylesOnTheDefault) {
    Edit->Style().SetStyleController(Controller.get());
    Controller->Style().SetBorderColor(clRed);
    Controller->StyleFocused().SetColor(clYellow);
    ASSERT_EQ(Edit->StyleFocused().Color(), clYellow);
    Count(Edit->Style());
    Controller.reset();
    EXPECT_EQ(Edit->Style().StyleController(), nullptr);
    EXPECT_EQ(Edit->Style().BorderColor(), clWindowFrame);
    EXPECT_EQ(Edit->StyleFocused().Color(), clWindow);
    EXPECT_GE(Changes, 1);
    // The style keeps working.
    int before = Changes;
    Edit->Style().SetBorderColor(clBlue);
    EXPECT_EQ(Changes, before + 1);
    EXPECT_EQ(Edit->Style().BorderColor(), clBlue);
}

TEST_F(ContainerStyleTest, AControllerThatLeadsBackIsIgnored) {
    auto second = MakeComponent<TcxEditStyleController>(nullptr);
    second->Style().SetStyleController(Controller.get());
    ASSERT_EQ(second->Style().StyleController(), Controller.get());
    Controller->Style().SetStyleController(second.get());
    EXPECT_EQ(Controller->Style().StyleController(), nullptr);
    Controller->Style().SetStyleController(Controller.get());
    EXPECT_EQ(Controller->Style().StyleController(), nullptr);
    // The default controller's own styles never link anywhere.
    DefaultEditStyleController().Style().SetStyleController(Controller.get());
    EXPECT_EQ(DefaultEditStyleController().Style().StyleController(), nullptr);
    second.reset();
    EXPECT_TRUE(Controller->Listeners().empty());
}

TEST_F(ContainerStyleTest, RestoringDefaultsForgetsTheAssignedValues) {
    TcxContainerStyle& s = Edit->Style();
    s.SetBorderColor(clRed);
    s.SetShadow(true);
    s.LookAndFeel().SetKind(lfFlat);
    Edit->SetParentColor(true);
    Count(s);
    s.RestoreDefaults();
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(s.AssignedValues(), 0u);
    EXPECT_EQ(s.BorderStyle(), cbsUltraFlat);
    EXPECT_FALSE(s.Shadow());
    EXPECT_FALSE(Edit->ParentColor());
    EXPECT_TRUE(Edit->ParentFont());
}

TEST_F(ContainerStyleTest, ValuesAreFoundByName) {
    int index = -1;
    EXPECT_TRUE(Edit->Style().GetStyleValue("transparentborder", index));
    EXPECT_EQ(index, svTransparentBorder);
    EXPECT_FALSE(Edit->Style().GetStyleValue("GradientDirection", index));
    EXPECT_TRUE(Controller->Style().GetStyleValue("GradientDirection", index));
    EXPECT_EQ(index, svGradientDirection);
    std::string name;
    EXPECT_TRUE(Controller->Style().GetStyleValueName(svButtonStyle, name));
    EXPECT_EQ(name, "ButtonStyle");
    EXPECT_FALSE(Controller->Style().GetStyleValueName(16, name));
    EXPECT_EQ(Edit->Style().GetStyleValueCount(), 10);
    EXPECT_EQ(Controller->Style().GetStyleValueCount(), 16);
}

TEST_F(ContainerStyleTest, EditStyleButtonValuesFollowTheNormalStyle) {
    auto& normal = static_cast<TcxCustomEditStyle&>(Controller->Style());
    auto& hot = static_cast<TcxCustomEditStyle&>(Controller->StyleHot());
    EXPECT_EQ(hot.ButtonStyle(), btsDefault);
    EXPECT_EQ(hot.GradientDirection(), dirDown);
    normal.SetButtonStyle(btsFlat);
    EXPECT_EQ(hot.ButtonStyle(), btsFlat);
    hot.SetButtonStyle(bts3D);
    EXPECT_EQ(hot.ButtonStyle(), bts3D);
    EXPECT_EQ(normal.ButtonStyle(), btsFlat);
    // Drop-down values are not stored for the other states.
    hot.SetGradient(true);
    EXPECT_FALSE(hot.IsValueStored(svGradient));
    EXPECT_TRUE(hot.IsValueStored(svButtonStyle));
}

} // namespace
