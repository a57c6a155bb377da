#include "AppFixture.h"

#include "app/AppTexts.h"
#include "app/FanSite.h"
#include "calc/CheckupReport.h"
#include "calc/MergeSkillReport.h"
#include "calc/PetInputReader.h"
#include "calc/Texts.h"
#include "editors/Memo.h"
#include "editors/RadioButton.h"
#include "editors/TextEdit.h"
#include "platform/control/Image.h"
#include "platform/core/Gbk.h"
#include "platform/draw/Dib.h"
#include "platform/draw/Resources.h"
#include "platform/window/WinApi.h"
#include "skin/SuiButton.h"
#include "skin/SuiForm.h"
#include "skin/SuiTitleBar.h"
#include "skin/SuiTitleBarButtons.h"
#include "skin/SuiTitleBarSections.h"

#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
#define PETCALC_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PETCALC_ASAN 1
#endif
#endif
#ifdef PETCALC_ASAN
#include <sanitizer/allocator_interface.h>
#endif

namespace {

std::string Gbk(std::string_view utf8) {
    return Utf8ToGbk(utf8);
}

// What the memo holds for a report: the lines joined by line breaks, the last breaks dropped
// (whether the memo ends its text with one is the memo's business).
std::string WithoutTrailingBreaks(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

std::string JoinedLines(const TPetReport& report) {
    std::string text;
    for (std::size_t i = 0; i < report.Lines.size(); ++i)
        text += (i ? "\r\n" : "") + report.Lines[i];
    return WithoutTrailingBreaks(text);
}

std::size_t HeapInUse() {
#ifdef PETCALC_ASAN
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

class AppTest : public TAppFixture {};

TEST_F(AppTest, StartsWithLevelOneFocusedAndThePanelHidden) {
    EXPECT_EQ(FormZuvo->dj->Text(), "1");
    EXPECT_EQ(FormZuvo->qn->Text(), "0");
    for (TcxTextEdit* empty : {FormZuvo->czl, FormZuvo->qjn, FormZuvo->hjn, FormZuvo->mbdj,
                               FormZuvo->ll, FormZuvo->tp, FormZuvo->ys, FormZuvo->jg})
        EXPECT_EQ(empty->Text(), "") << empty->Name();
    EXPECT_TRUE(FormZuvo->Shi->Checked());
    EXPECT_FALSE(FormZuvo->Qi->Checked());
    EXPECT_TRUE(FormZuvo->dj->Focused());
    EXPECT_FALSE(FormZuvo->PanelShown());
    EXPECT_EQ(FormZuvo->Width(), 289);
    EXPECT_EQ(FormZuvo->suiForm1->Width(), 287);
    EXPECT_FALSE(FormTishi->Visible());
    EXPECT_EQ(WithoutTrailingBreaks(FormTishi->Memo->Text()), Gbk("测试下"))
        << "the result window starts with its placeholder line";
    EXPECT_EQ(Application->MainForm(), FormZuvo);
}

TEST_F(AppTest, EnterWalksThePetFieldsAndRunsTheCheckupFromTheTargetLevel) {
    TcxTextEdit* chain[] = {FormZuvo->dj,  FormZuvo->czl, FormZuvo->qjn,
                            FormZuvo->hjn, FormZuvo->qn,  FormZuvo->mbdj};
    for (int i = 0; i + 1 < 6; ++i) {
        ASSERT_TRUE(chain[i]->Focused()) << "step " << i;
        Backend->PressKey(VK_RETURN);
    }
    ASSERT_TRUE(FormZuvo->mbdj->Focused());
    const std::string copied = MessageFrom([&] { Backend->PressKey(VK_RETURN); });
    EXPECT_NE(copied.find(std::string(kMsgCheckupFieldEmpty)), std::string::npos) << copied;
    EXPECT_NE(copied.find(std::string(kAppTitle)), std::string::npos)
        << "the box carries the application title";
    EXPECT_TRUE(FormZuvo->mbdj->Focused()) << "the focus comes back after the box";
}

TEST_F(AppTest, EveryInputProblemGivesItsMessageAndNothingElse) {
    struct TCase {
        const char* dj;
        const char* czl;
        const char* qjn;
        const char* hjn;
        const char* qn;
        const char* mbdj;
        bool mount;
        std::string_view message;
    } cases[] = {
        {"30", "25", "100", "1000", "50", "", false, kMsgCheckupFieldEmpty},
        {"30", "2x5", "100", "1000", "50", "40", false, kMsgCheckupNotInteger},
        {"30", "25", "1001", "1000", "50", "40", false, kMsgSkillPointsAboveTotal},
        {"30", "25", "100", "1000", "50", "29", false, kMsgTargetBelowCurrent},
        {"30", "25", "100", "1000", "50", "30", true, kMsgTargetEqualsCurrent},
        {"宠物", "25", "100", "1000", "50", "40", false, kMsgCheckupNotInteger},
        {"30", "🐉", "100", "1000", "50", "40", false, kMsgCheckupNotInteger},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.dj) + " " + c.czl + " " + c.mbdj);
        ClickOn(c.mount ? static_cast<TControl*>(FormZuvo->Qi) : FormZuvo->Shi);
        Fill(FormZuvo->dj, c.dj);
        Fill(FormZuvo->czl, c.czl);
        Fill(FormZuvo->qjn, c.qjn);
        Fill(FormZuvo->hjn, c.hjn);
        Fill(FormZuvo->qn, c.qn);
        Fill(FormZuvo->mbdj, c.mbdj);
        const std::string copied = MessageFrom([&] { ClickOn(FormZuvo->fx); });
        EXPECT_NE(copied.find(std::string(c.message)), std::string::npos) << copied;
        EXPECT_FALSE(FormTishi->Visible());
    }

    struct TAttributes {
        const char* ll;
        const char* tp;
        const char* ys;
        const char* jg;
        std::string_view message;
    } attributes[] = {
        {"7", "6", "", "6", kMsgAttributeFieldEmpty},
        {"7", "6", "5.5", "6", kMsgAttributeNotInteger},
    };
    ClickOn(FormZuvo->Shi);
    ClickOn(FormZuvo->xx);
    for (const TAttributes& a : attributes) {
        Fill(FormZuvo->ll, a.ll);
        Fill(FormZuvo->tp, a.tp);
        Fill(FormZuvo->ys, a.ys);
        Fill(FormZuvo->jg, a.jg);
        const std::string copied = MessageFrom([&] { ClickOn(FormZuvo->kx); });
        EXPECT_NE(copied.find(std::string(a.message)), std::string::npos) << copied;
    }
}

TEST_F(AppTest, PastedTextOfAnyKindFailsAsANumber) {
    const std::string longDigits(5000, '9');
    for (const std::string& pasted : {Gbk("宠物"), Gbk("🐉42"), longDigits, std::string("\x81")}) {
        Fill(FormZuvo->czl, "25");
        Fill(FormZuvo->qjn, "100");
        Fill(FormZuvo->hjn, "1000");
        Fill(FormZuvo->mbdj, "40");
        FormZuvo->dj->SetFocus();
        FormZuvo->dj->SelectAll();
        SetClipboardTextGbk(pasted);
        Backend->PressKey('V', ssCtrl);
        const std::string copied = MessageFrom([&] { ClickOn(FormZuvo->fx); });
        EXPECT_NE(copied.find(std::string(kMsgCheckupNotInteger)), std::string::npos)
            << pasted.size();
    }
}

TEST_F(AppTest, CheckupShowsTheReportInTheResultWindowAndGivesTheFocusBack) {
    ClickOn(FormZuvo->Qi);
    Fill(FormZuvo->dj, "35");
    Fill(FormZuvo->czl, "1234");
    Fill(FormZuvo->qjn, "300");
    Fill(FormZuvo->hjn, "4000");
    Fill(FormZuvo->qn, "120");
    Fill(FormZuvo->mbdj, "60");
    const TPetReadResult read = ReadCheckupInput("35", "1234", "300", "4000", "120", "60", pkMount);
    ASSERT_TRUE(read.IsAccepted());
    const TPetReport expected = BuildCheckupReport(*read.Input());

    const TShown shown = ReportFrom([&] { Backend->PressKey(VK_RETURN); });
    ASSERT_EQ(shown.Count, 1);
    EXPECT_EQ(shown.Caption, expected.Caption);
    EXPECT_EQ(FormTishi->suiForm1->TitleBar()->Caption(), expected.Caption)
        << "the title bar shows the report's caption";
    EXPECT_EQ(WithoutTrailingBreaks(shown.MemoText), JoinedLines(expected));
    EXPECT_EQ(shown.MemoText.find(Gbk("测试下")), std::string::npos);
    // The first line ends in a line break: an empty line follows it.
    EXPECT_EQ(FormTishi->Memo->Lines()[1], "");
    EXPECT_FALSE(FormTishi->Visible());
    EXPECT_TRUE(IsWindowEnabled(FormZuvo->Handle()));
    EXPECT_TRUE(FormZuvo->mbdj->Focused()) << GetClassName(GetFocus()) << " of "
                                           << GbkToUtf8(GetWindowText(GetAncestorRoot(GetFocus())));
}

TEST_F(AppTest, MergeReportWithThePanelOpenEvenAfterChoosingAMountPet) {
    ClickOn(FormZuvo->xx);
    ASSERT_TRUE(FormZuvo->PanelShown());
    Fill(FormZuvo->ll, "7");
    Fill(FormZuvo->tp, "6");
    Fill(FormZuvo->ys, "5");
    Fill(FormZuvo->jg, "6");
    const TPetReadResult read = ReadAttributeInput("7", "6", "5", "6");
    const TPetReport expected = BuildMergeSkillReport(*read.Input());

    TShown shown = ReportFrom([&] { ClickOn(FormZuvo->kx); });
    ASSERT_EQ(shown.Count, 1);
    EXPECT_EQ(shown.Caption, expected.Caption);
    EXPECT_EQ(WithoutTrailingBreaks(shown.MemoText), JoinedLines(expected));

    ClickOn(FormZuvo->Qi);
    shown = ReportFrom([&] { ClickOn(FormZuvo->kx); });
    EXPECT_EQ(shown.Count, 1);
    EXPECT_EQ(WithoutTrailingBreaks(shown.MemoText), JoinedLines(expected));
}

TEST_F(AppTest, ThePanelButtonWidensAndNarrowsTheWindow) {
    ClickOn(FormZuvo->xx);
    EXPECT_TRUE(FormZuvo->PanelShown());
    EXPECT_EQ(FormZuvo->Width(), 526);
    EXPECT_EQ(FormZuvo->suiForm1->Width(), 524);
    ClickOn(FormZuvo->xx);
    EXPECT_FALSE(FormZuvo->PanelShown());
    EXPECT_EQ(FormZuvo->Width(), 289);
    EXPECT_EQ(FormZuvo->suiForm1->Width(), 287);
}

TEST_F(AppTest, AMountPetCannotOpenOrCloseThePanel) {
    for (bool open : {false, true}) {
        SCOPED_TRACE(open ? "open" : "closed");
        ClickOn(FormZuvo->Shi);
        if (open)
            ClickOn(FormZuvo->xx);
        ClickOn(FormZuvo->Qi);
        const std::string copied = MessageFrom([&] { ClickOn(FormZuvo->xx); });
        EXPECT_NE(copied.find(std::string(kMsgMountCannotMerge)), std::string::npos);
        EXPECT_EQ(FormZuvo->PanelShown(), open);
        EXPECT_EQ(FormZuvo->Width(), open ? 526 : 289);
    }
}

TEST_F(AppTest, TabReachesTheAttributeFieldsWhileThePanelIsHidden) {
    FormZuvo->xx->SetFocus();
    Backend->PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), FormZuvo->Shi->Handle());
    Backend->PressKey(VK_TAB);
    EXPECT_TRUE(FormZuvo->ll->Focused());
}

TEST_F(AppTest, TheBannerOpensTheFanSiteZone) {
    ClickOn(FormZuvo->Image1);
    ASSERT_EQ(Backend->OpenedUrls().size(), 1u);
    EXPECT_EQ(Backend->OpenedUrls()[0], kFanSiteAddress);
    EXPECT_FALSE(FormZuvo->Image1->Picture().Empty());
    EXPECT_EQ(FormZuvo->Image1->Width(), 160);
    EXPECT_EQ(FormZuvo->Image1->Height(), 60);
}

TEST_F(AppTest, BothWindowsAndMessageBoxesCarryTheProgramsIcon) {
    const auto resource = FindResource(nullptr, "MAINICON", RT_BITMAP);
    ASSERT_TRUE(resource.has_value());
    const TPixelBuffer icon = ReadDib(resource->data(), resource->size());
    EXPECT_EQ(icon.Width, 48);
    EXPECT_EQ(icon.At(0, 0), kIconTransparent); // the corner outside the rounded tile
    EXPECT_NE(icon.At(24, 24), kIconTransparent);

    const THeadlessBackend::TSurface* main = Backend->Surface(FormZuvo->Handle());
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->Icon.Pixels == icon.Pixels);
    std::vector<TPixel> shownIcons[2];
    WithModal([&] { ClickOn(FormZuvo->fx); },
              [&](HWND box) {
                  shownIcons[0] = Backend->Surface(box)->Icon.Pixels;
                  Backend->PressKey(VK_RETURN);
              });
    Fill(FormZuvo->dj, "1");
    Fill(FormZuvo->czl, "1000");
    Fill(FormZuvo->qjn, "1");
    Fill(FormZuvo->hjn, "2");
    Fill(FormZuvo->qn, "0");
    Fill(FormZuvo->mbdj, "2");
    WithModal([&] { ClickOn(FormZuvo->fx); },
              [&](HWND window) {
                  shownIcons[1] = Backend->Surface(window)->Icon.Pixels;
                  FormTishi->Close();
                  Backend->Pump();
              });
    EXPECT_TRUE(shownIcons[0] == icon.Pixels) << "the message box";
    EXPECT_TRUE(shownIcons[1] == icon.Pixels) << "the result window";
}

TEST_F(AppTest, AThousandReportsDoNotGrowMemory) {
    Fill(FormZuvo->czl, "25");
    Fill(FormZuvo->qjn, "100");
    Fill(FormZuvo->hjn, "1000");
    Fill(FormZuvo->mbdj, "40");
    auto cycle = [&] {
        const TShown shown = ReportFrom([&] { FormZuvo->fx->Click(); });
        ASSERT_EQ(shown.Count, 1);
    };
    for (int i = 0; i < 50; ++i)
        cycle();
    const std::size_t windows = GetTopLevelWindows().size();
    const std::size_t before = HeapInUse();
    for (int i = 0; i < 1000; ++i)
        cycle();
    const std::size_t after = HeapInUse();
    EXPECT_EQ(GetTopLevelWindows().size(), windows);
    // A leak of even a few bytes a cycle would pass 16 KB.
    EXPECT_LT(after, before + 16 * 1024) << "before " << before << " after " << after;
}

} // namespace

namespace {

// The main window's layout with its banner replaced by a missing or a corrupt picture.
std::vector<TResourceEntry> BrokenBannerResources() {
    static const std::string layout = [] {
        const auto bytes = LoadResourceData(nullptr, "FormZuvo", "LAYOUT");
        std::string text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        const std::string banner = "resource \"BANNER\"";
        const std::size_t at = text.find(banner);
        EXPECT_NE(at, std::string::npos);
        std::string missing = text, corrupt = text;
        missing.replace(at, banner.size(), "resource \"NO_SUCH_BANNER\"");
        corrupt.replace(at, banner.size(), "resource \"CORRUPT_BANNER\"");
        return missing + '\0' + corrupt;
    }();
    static const std::uint8_t corruptJpeg[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00,
                                               0x10, 'J',  'F',  'I',  'F'};
    const std::size_t split = layout.find('\0');
    const auto* data = reinterpret_cast<const std::uint8_t*>(layout.data());
    return {{"FormZuvoMissingBanner", "LAYOUT", data, split},
            {"FormZuvoCorruptBanner", "LAYOUT", data + split + 1, layout.size() - split - 1},
            {"CORRUPT_BANNER", "JPG", corruptJpeg, sizeof corruptJpeg}};
}

class BrokenBannerTest : public TAppFixture {};

TEST_F(BrokenBannerTest, AMissingOrCorruptBannerLeavesTheImageEmptyAndTheWindowWorking) {
    static const std::vector<TResourceEntry> entries = BrokenBannerResources();
    RegisterResourceModule("main", entries.data(), entries.size());
    for (const char* layout : {"FormZuvoMissingBanner", "FormZuvoCorruptBanner"}) {
        SCOPED_TRACE(layout);
        TFormZuvo* form = nullptr;
        ASSERT_NO_THROW(form = new TFormZuvo(nullptr, layout));
        EXPECT_TRUE(form->Image1->Picture().Empty());
        form->Show();
        Backend->Pump();
        EXPECT_EQ(form->dj->Text(), "1");
        form->Free();
    }
}

} // namespace

namespace {

class LayoutTest : public TAppFixture {};

// The frames of both windows: theme, border, title bar buttons and sections with their pictures.
TEST_F(LayoutTest, BothFramesCarryTheMacOSTitleBarWithItsPictures) {
    struct TCase {
        TsuiForm* Frame;
        std::vector<TsuiTitleBarBtnType> Buttons;
    } cases[] = {
        {FormZuvo->suiForm1, {suiControlBox, suiClose, suiMin}},
        {FormTishi->suiForm1, {suiControlBox, suiClose}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Frame->Owner()->Name());
        EXPECT_EQ(c.Frame->UIStyle(), MacOS);
        EXPECT_EQ(c.Frame->BorderColor(), TColor(8355711));
        EXPECT_EQ(c.Frame->BorderWidth(), 1);
        TsuiTitleBarButtons& buttons = c.Frame->TitleBar()->Buttons();
        ASSERT_EQ(buttons.Count(), int(c.Buttons.size()));
        for (int i = 0; i < buttons.Count(); ++i) {
            EXPECT_EQ(buttons.Items(i)->ButtonType(), c.Buttons[i]) << i;
            for (const TPicture* p :
                 {&buttons.Items(i)->PicNormal(), &buttons.Items(i)->PicMouseOn(),
                  &buttons.Items(i)->PicMouseDown()}) {
                EXPECT_EQ(p->Width(), 17) << i;
                EXPECT_EQ(p->Height(), 17) << i;
            }
        }
        TsuiTitleBarSections& sections = c.Frame->TitleBar()->Sections();
        ASSERT_EQ(sections.Count(), 3);
        const struct {
            TsuiTitleBarAlign Align;
            int PictureWidth;
            bool Stretch;
        } want[] = {{suiLeft, 48, false}, {suiRight, 48, false}, {suiClient, 49, true}};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(sections.Items(i)->Align(), want[i].Align) << i;
            EXPECT_EQ(sections.Items(i)->Picture().Width(), want[i].PictureWidth) << i;
            EXPECT_EQ(sections.Items(i)->Picture().Height(), 23) << i;
            EXPECT_EQ(sections.Items(i)->Stretch(), want[i].Stretch) << i;
        }
    }
    EXPECT_EQ(FormZuvo->Height(), 397);
    EXPECT_EQ(FormTishi->suiForm1->Caption(), Gbk("提示"));
    EXPECT_TRUE(FormTishi->Memo->Properties().ReadOnly());
    EXPECT_EQ(FormTishi->Memo->Properties().ScrollBars(), ssVertical);
}

// Tab from dj walks the tab stops in the layout's order; the radio button reached is the
// checked one.
TEST_F(LayoutTest, TabWalksTheFieldsButtonsAndTheCheckedRadioButtonInOrder) {
    for (bool mount : {false, true}) {
        SCOPED_TRACE(mount ? "Qi checked" : "Shi checked");
        ClickOn(mount ? static_cast<TControl*>(FormZuvo->Qi) : FormZuvo->Shi);
        TcxRadioButton* checked = mount ? FormZuvo->Qi : FormZuvo->Shi;
        const std::vector<TWinControl*> order = {
            FormZuvo->dj,   FormZuvo->czl, FormZuvo->qjn, FormZuvo->hjn, FormZuvo->qn,
            FormZuvo->mbdj, FormZuvo->fx,  FormZuvo->xx,  checked,       FormZuvo->ll,
            FormZuvo->tp,   FormZuvo->ys,  FormZuvo->jg,  FormZuvo->kx,  FormZuvo->dj};
        FormZuvo->dj->SetFocus();
        for (std::size_t i = 0; i + 1 < order.size(); ++i) {
            ASSERT_TRUE(order[i]->Focused()) << "step " << i << " " << order[i]->Name();
            Backend->PressKey(VK_TAB);
        }
        EXPECT_TRUE(order.back()->Focused());
    }
}

} // namespace
