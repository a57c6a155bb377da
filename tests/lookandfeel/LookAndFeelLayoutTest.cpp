#include "lookandfeel/LookAndFeel.h"
#include "lookandfeel/LookAndFeelController.h"
#include "platform/component/ClassRegistry.h"
#include "platform/component/LayoutReader.h"
#include "platform/component/LayoutWriter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A component that owns a look-and-feel, as the editor controls do.
class TLookAndFeelHolder : public TComponent {
public:
    explicit TLookAndFeelHolder(TComponent* owner) : TComponent(owner), LookAndFeel(this) {}
    std::string ClassName() const override { return "TLookAndFeelHolder"; }

    TcxLookAndFeel LookAndFeel;
};

class LookAndFeelLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterLookAndFeelClasses();
        RegisterLookAndFeelClasses(); // a second call changes nothing
        if (!IsClassRegistered("TLookAndFeelHolder"))
            RegisterComponentClass<TLookAndFeelHolder>("TLookAndFeelHolder", "TComponent")
                .Object("LookAndFeel", [](TLookAndFeelHolder& h) { return &h.LookAndFeel; });
    }
    void TearDown() override { RootLookAndFeel()->Reset(); }
};

TEST_F(LookAndFeelLayoutTest, StoredValuesAreReadThroughTheSettersAndOnlyAssignedOnesWritten) {
    TComponentPtr<TLookAndFeelHolder> holder = MakeComponent<TLookAndFeelHolder>(nullptr);
    ReadLayout(*holder,
               "object H: TLookAndFeelHolder\n"
               "  LookAndFeel.Kind = lfUltraFlat\n"
               "  LookAndFeel.SkinName = \"Caramel\"\n"
               "end\n",
               "holder.layout");
    TcxLookAndFeel& lf = holder->LookAndFeel;
    EXPECT_EQ(lf.AssignedValues(), (TcxLookAndFeelValues{lfvKind, lfvSkinName}));
    EXPECT_EQ(lf.SkinName(), "Caramel");

    const std::string text = WriteLayout(*holder);
    EXPECT_NE(text.find("LookAndFeel.Kind = lfUltraFlat"), std::string::npos) << text;
    EXPECT_NE(text.find("LookAndFeel.SkinName"), std::string::npos) << text;
    EXPECT_EQ(text.find("NativeStyle"), std::string::npos) << text;
    EXPECT_EQ(text.find("AssignedValues"), std::string::npos) << text;
}

TEST_F(LookAndFeelLayoutTest, AControllerInALayoutSetsTheRootUntilItIsFreed) {
    TComponentPtr<TLookAndFeelHolder> holder = MakeComponent<TLookAndFeelHolder>(nullptr);
    ReadLayout(*holder,
               "object H: TLookAndFeelHolder\n"
               "  object Controller: TcxLookAndFeelController\n"
               "    Kind = lfOffice11\n"
               "  end\n"
               "end\n",
               "controller.layout");
    EXPECT_EQ(RootLookAndFeel()->Kind(), lfOffice11);
    EXPECT_EQ(holder->LookAndFeel.Kind(), lfOffice11);
    const std::string text = WriteLayout(*holder);
    EXPECT_NE(text.find("Kind = lfOffice11"), std::string::npos) << text;
    EXPECT_EQ(text.find("SkinName"), std::string::npos) << text;

    holder.reset();
    EXPECT_EQ(RootLookAndFeel()->Kind(), lfUltraFlat);
}

} // namespace
