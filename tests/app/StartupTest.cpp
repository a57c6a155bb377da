#include "app/Startup.h"
#include "app/AppTexts.h"
#include "app/Frmtishi.h"
#include "app/Frmzuvo.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/control/Application.h"
#include "platform/draw/Resources.h"
#include "platform/native/NativeConst.h"
#include "platform/window/WinApi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string StoredLayout(const char* name) {
    const auto bytes = LoadResourceData(nullptr, name, "LAYOUT");
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// Damaged copies of the stored layouts, as a broken build could carry them.
struct TDamagedLayouts {
    std::string TruncatedMain;
    std::string UnknownClassMain;
    std::string BadValueResult;
    std::vector<TResourceEntry> Entries;
};

TDamagedLayouts& Damaged() {
    static TDamagedLayouts damaged = [] {
        TDamagedLayouts d;
        const std::string main = StoredLayout("FormZuvo");
        const std::string result = StoredLayout("FormTishi");
        d.TruncatedMain = main.substr(0, main.find("object qjn:") + 14);
        d.UnknownClassMain = main;
        const std::size_t at = d.UnknownClassMain.find("qn: TcxTextEdit");
        EXPECT_NE(at, std::string::npos);
        d.UnknownClassMain.replace(at, 15, "qn: TNoSuchEdit");
        d.BadValueResult = result;
        d.BadValueResult.replace(d.BadValueResult.find("Width = 273"), 11, "Width = x73");
        auto entry = [](const char* name, const std::string& text) {
            return TResourceEntry{name, "LAYOUT",
                                  reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
        };
        d.Entries = {entry("TruncatedMain", d.TruncatedMain),
                     entry("UnknownClassMain", d.UnknownClassMain),
                     entry("BadValueResult", d.BadValueResult)};
        RegisterResourceModule("main", d.Entries.data(), d.Entries.size());
        return d;
    }();
    return damaged;
}

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        Damaged();
        Backend = &StartHeadlessWindowSystem();
    }
    // A fresh application object, as at start-up, whose message boxes are recorded.
    void NewApplication() {
        ApplicationObject.reset();
        FormZuvo = nullptr;
        FormTishi = nullptr;
        ApplicationObject = MakeComponent<TApplication>();
        Application->SetMessageBoxFunction(
            [this](HWND, const std::string& text, const std::string& caption, UINT) {
                Boxes.push_back({text, caption});
                // No window of the program may be on screen behind the box.
                for (HWND w : GetTopLevelWindows())
                    VisibleBehindBox += IsWindowVisible(w) ? 1 : 0;
                return IDOK;
            });
    }
    void TearDown() override {
        ApplicationObject.reset();
        FormZuvo = nullptr;
        FormTishi = nullptr;
        ShutdownWindowSystem();
    }

    struct TBox {
        std::string Text;
        std::string Caption;
    };
    THeadlessBackend* Backend = nullptr;
    TComponentPtr<TApplication> ApplicationObject;
    std::vector<TBox> Boxes;
    int VisibleBehindBox = 0;
};

TEST_F(StartupTest, ADamagedLayoutShowsItsErrorAndEndsWithStatusOne) {
    struct TCase {
        TFormLayoutNames Layouts;
        const char* Named; // what the message must point at
    } cases[] = {
        {{"TruncatedMain", "FormTishi"}, "TruncatedMain.layout"},
        {{"UnknownClassMain", "FormTishi"}, "TNoSuchEdit"},
        {{"FormZuvo", "BadValueResult"}, "BadValueResult.layout"},
        {{"FormZuvo", "NoSuchLayout"}, "NoSuchLayout"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Named);
        Boxes.clear();
        VisibleBehindBox = 0;
        NewApplication();
        EXPECT_EQ(RunPetCalc(c.Layouts), 1);
        ASSERT_EQ(Boxes.size(), 1u);
        EXPECT_NE(Boxes[0].Text.find(c.Named), std::string::npos) << Boxes[0].Text;
        EXPECT_EQ(Boxes[0].Caption, kAppTitle);
        EXPECT_EQ(VisibleBehindBox, 0) << "a half-built window is on screen";
    }
}

} // namespace
