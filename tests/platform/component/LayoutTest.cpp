#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "TestClasses.h"
#include "platform/component/ClassRegistry.h"
#include "platform/component/LayoutReader.h"
#include "platform/component/LayoutWriter.h"
#include "platform/core/Gbk.h"

namespace {

std::string LayoutPath(const std::string& name) {
    return std::string(LAYOUT_DIR) + "/" + name;
}

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string Gbk(const char* utf8) {
    return Utf8ToGbk(utf8);
}

class LayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestClasses();
        TestLog().clear();
    }
    TTestControl& Control(const char* name) { return Form->FindComponentAs<TTestControl>(name); }

    TComponentPtr<TTestForm> Form = MakeComponent<TTestForm>(nullptr);
};

TEST_F(LayoutTest, ReadsEveryKindOfProperty) {
    ReadLayoutFile(*Form, LayoutPath("sample.layout"));

    EXPECT_EQ(Form->Name(), "Form1");
    EXPECT_EQ(Form->Caption, Gbk("Qorvin宠物查询器 beta0.3"));
    EXPECT_EQ(Form->Constraints.MinWidth, 130);
    EXPECT_EQ(Form->Position, poDesktopCenter);
    EXPECT_EQ(Form->ActiveControl, &Control("Edit1"));

    TTestControl& frame = Control("Frame");
    EXPECT_EQ(frame.Parent, Form.get());
    EXPECT_EQ(frame.Color, TColor(15198183));
    EXPECT_EQ(frame.Font.Name, "Tahoma");
    EXPECT_EQ(frame.Font.Color, clWhite);
    EXPECT_EQ(frame.Font.Style, 1u << fsBold);
    ASSERT_EQ(frame.Buttons.Count(), 2);
    EXPECT_EQ(frame.Buttons.Items(0)->ButtonType, tbControlBox);
    EXPECT_EQ(frame.Buttons.Items(0)->Top, 4);
    EXPECT_FALSE(frame.Buttons.Items(0)->Transparent);
    EXPECT_EQ(frame.Buttons.Items(0)->PicNormal, "MACOS_CONTROLBOX_NORMAL");
    EXPECT_EQ(frame.Buttons.Items(1)->ButtonType, tbClose);
    EXPECT_TRUE(frame.Buttons.Items(1)->Transparent);
    ASSERT_TRUE(frame.Buttons.Items(1)->OnClick);
    frame.Buttons.Items(1)->OnClick(frame.Buttons.Items(1));

    TTestControl& label = Control("Label1");
    EXPECT_EQ(label.Parent, &frame);
    EXPECT_EQ(label.Caption, Gbk("等  级:"));
    EXPECT_EQ(label.Style.Font.Name, "\xCB\xCE\xCC\xE5"); // 宋体 in GBK
    EXPECT_EQ(label.Style.Font.Height, -13);
    EXPECT_EQ(label.Style.Font.Color, clPurple);
    EXPECT_EQ(label.Style.Font.Charset, 0);
    EXPECT_EQ(label.Style.Font.Style, (1u << fsBold) | (1u << fsItalic));
    EXPECT_TRUE(label.Style.IsFontAssigned);
    EXPECT_EQ(label.FocusControl, &Control("Edit1")); // named before it was created

    TTestControl& image = Control("Image1");
    EXPECT_EQ(image.Cursor, -21);
    EXPECT_EQ(image.Picture, "BANNER");
    EXPECT_EQ(image.Hint, Gbk("点我立刻进入QorvinVantor专区"));

    TTestControl& memo = Control("Memo");
    EXPECT_EQ(memo.Align, alClient);
    EXPECT_EQ(memo.Anchors, (1u << akLeft) | (1u << akTop) | (1u << akRight));
    EXPECT_EQ(memo.Color, TColor(33023));
    EXPECT_FALSE(memo.Visible);
    EXPECT_FALSE(memo.Style.TransparentBorder);
    EXPECT_TRUE(memo.Properties.ReadOnly);
    EXPECT_EQ(memo.Properties.ScrollBars, ssVertical);
    ASSERT_EQ(memo.Lines.Count(), 2);
    EXPECT_EQ(memo.Lines[0], Gbk("测试下"));
    EXPECT_EQ(memo.Lines[1], "tab\there \"quoted\" back\\slash");

    auto& timer = Form->FindComponentAs<TTestTimer>("Timer1");
    EXPECT_EQ(timer.Interval, 100);
    EXPECT_TRUE(timer.Enabled);

    // Events reach the form's handlers, with the sender the event's owner gives.
    Form->OnShow(Form.get());
    image.OnClick(&image);
    timer.OnTimer(&timer);
    memo.Properties.OnChange(&memo);
    char key = '5';
    Control("Edit1").OnKeyPress(&Control("Edit1"), key);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(Form->Calls,
              (std::vector<std::string>{"ButtonClick", "FormShow Form1", "FormShow Image1",
                                        "FormShow Timer1", "FormShow Memo", "EditKeyPress 5"}));
    EXPECT_FALSE(memo.OnClick); // not in the layout
}

TEST_F(LayoutTest, PropertiesAreAppliedInFileOrderAndLoadedRunsOnceEach) {
    ReadLayout(*Form,
               "object F: TTestForm\n"
               "  Width = 10\n"
               "  Left = 5\n"
               "  object B: TTestControl\n"
               "    Visible = False\n"
               "    Top = 1\n"
               "    object C: TTestControl\n"
               "      Caption = \"c\"\n"
               "    end\n"
               "  end\n"
               "  object T: TTestTimer\n"
               "  end\n"
               "  object D: TTestControl\n"
               "    Height = 2\n"
               "    Width = 3\n"
               "  end\n"
               "end\n",
               "order.layout");
    EXPECT_EQ(TestLog(),
              (std::vector<std::string>{
                  "{ F",       "F.Width",  "F.Left",   "{ B",      "B.Visible", "B.Top",   "{ C",
                  "C.Caption", "} C",      "} B",      "{ D",      "D.Height",  "D.Width", "} D",
                  "} F",       "Loaded F", "Loaded B", "Loaded C", "Loaded T",  "Loaded D"}));
    for (TComponent* c : {static_cast<TComponent*>(Form.get()), Form->FindComponent("B"),
                          Form->FindComponent("C"), Form->FindComponent("T")})
        EXPECT_TRUE(c->ComponentState().Empty()) << c->Name();
    EXPECT_EQ(Control("C").Parent, &Control("B"));
    EXPECT_EQ(Control("B").LoadedCount, 1);
    EXPECT_EQ(Form->LoadedCount, 1);
    EXPECT_EQ(Form->ComponentCount(), 4); // everything is owned by the root
}

TEST_F(LayoutTest, ComponentFreedByAnotherOnesLoadedIsNotLoaded) {
    ReadLayout(*Form,
               "object F: TTestForm\n"
               "  object K: TTestKiller\n"
               "    Victim = V\n"
               "  end\n"
               "  object V: TTestControl\n"
               "  end\n"
               "  object W: TTestControl\n"
               "  end\n"
               "end\n",
               "killer.layout");
    const std::vector<std::string> loaded(TestLog().end() - 3, TestLog().end());
    EXPECT_EQ(loaded, (std::vector<std::string>{"Loaded F", "Loaded K", "Loaded W"}));
    EXPECT_EQ(Form->FindComponent("V"), nullptr);
    EXPECT_TRUE(Control("W").ComponentState().Empty());
}

TEST_F(LayoutTest, WritingGivesTheCanonicalFormAndReadsBackEqual) {
    const std::string canonical = FileText(LayoutPath("sample.layout"));
    ReadLayoutFile(*Form, LayoutPath("sample.layout"));
    const std::string written = WriteLayout(*Form);
    EXPECT_EQ(written, canonical);

    // A hand-written variant of the same layout comes out in the same canonical form.
    auto messy = MakeComponent<TTestForm>(nullptr);
    ReadLayoutFile(*messy, LayoutPath("messy.layout"));
    EXPECT_EQ(WriteLayout(*messy), canonical);

    // CR LF line ends and a byte-order mark change nothing.
    std::string windows = "\xEF\xBB\xBF";
    for (char c : canonical)
        windows += c == '\n' ? std::string("\r\n") : std::string(1, c);
    auto fromWindows = MakeComponent<TTestForm>(nullptr);
    ReadLayout(*fromWindows, windows, "windows.layout");
    EXPECT_EQ(WriteLayout(*fromWindows), canonical);

    // read -> write -> read -> write is stable.
    auto again = MakeComponent<TTestForm>(nullptr);
    ReadLayout(*again, written, "written.layout");
    EXPECT_EQ(WriteLayout(*again), written);
    EXPECT_EQ(again->FindComponentAs<TTestControl>("Label1").FocusControl,
              again->FindComponent("Edit1"));
}

TEST_F(LayoutTest, WriterStoresOnlyWhatTheStoredRulesAllow) {
    Form->SetName("F");
    auto* c = new TTestControl(Form.get());
    c->SetName("C");
    c->SetParentComponent(Form.get());
    c->Style.Font.Name = "Arial";     // the style's font is not assigned: not stored
    c->Visible = true;                // the default
    c->Anchors = 0;                   // not the default, and empty
    c->OnClick = [](TPersistent*) {}; // set in code, no handler name to store
    EXPECT_EQ(WriteLayout(*Form), "object F: TTestForm\n"
                                  "  object C: TTestControl\n"
                                  "    Anchors = []\n"
                                  "  end\n"
                                  "end\n");
    c->Style.IsFontAssigned = true;
    c->Lines.Add("");
    c->Buttons.Add();
    EXPECT_EQ(WriteLayout(*Form), "object F: TTestForm\n"
                                  "  object C: TTestControl\n"
                                  "    Anchors = []\n"
                                  "    Style.Font.Name = \"Arial\"\n"
                                  "    Style.IsFontAssigned = True\n"
                                  "    Lines = (\n"
                                  "      \"\"\n"
                                  "    )\n"
                                  "    Buttons = <\n"
                                  "      item\n"
                                  "        ButtonType = tbCustom\n"
                                  "      end\n"
                                  "    >\n"
                                  "  end\n"
                                  "end\n");
}

TEST_F(LayoutTest, StringsComeBackByteForByte) {
    const std::string captions[] = {
        "line1\r\nline2",
        "\"quoted\" and back\\slash\ttab",
        Gbk("宠物") + "\x01\x7F",
        "\x81",              // a lead byte alone at the end
        "\x81\x30 and \xFF", // bytes that are no GBK character
        "",
    };
    for (const auto& caption : captions) {
        auto form = MakeComponent<TTestForm>(nullptr);
        form->SetName("F");
        form->Caption = caption.empty() ? "x" : caption;
        const std::string text = WriteLayout(*form);
        auto back = MakeComponent<TTestForm>(nullptr);
        ReadLayout(*back, text, "strings.layout");
        EXPECT_EQ(back->Caption, form->Caption) << text;
    }
}

TEST_F(LayoutTest, CreateFromLayoutMakesTheRootThroughTheRegistry) {
    auto owner = MakeComponent<TComponent>(nullptr);
    TComponent* root = CreateFromLayout(owner.get(),
                                        "object Made: TTestForm\n"
                                        "  Caption = \"made\"\n"
                                        "end\n",
                                        "made.layout");
    auto* form = dynamic_cast<TTestForm*>(root);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Owner(), owner.get());
    EXPECT_EQ(form->Caption, "made");
    EXPECT_EQ(form->LoadedCount, 1);
    EXPECT_THROW(CreateFromLayout(owner.get(), "object X: TNoSuchForm\nend\n", "made.layout"),
                 EReadError);
    EXPECT_EQ(owner->ComponentCount(), 1);
}

struct TErrorCase {
    const char* Body; // the lines inside "object F: TTestForm" ... "end"
    int Line;         // line of the fault in the whole text
    const char* Word; // the offending word the message must name
};

TEST_F(LayoutTest, FaultsRaiseReadErrorWithFileLineAndName) {
    const TErrorCase cases[] = {
        {"  object X: TNoSuchClass\n  end\n", 2, "TNoSuchClass"},
        {"  Colour = clRed\n", 2, "Colour"},
        {"  Font.Nmae = \"x\"\n", 2, "Nmae"},
        {"  Caption.Size = 3\n", 2, "Caption"},
        {"  Position = poNowhere\n", 2, "poNowhere"},
        {"  Position = 1\n", 2, "Position"},
        {"  Visible = Yes\n", 2, "Yes"},
        {"  Left = \"10\"\n", 2, "Left"},
        {"  Left = 4294967296\n", 2, "Left"},
        {"  Left = 12px\n", 2, "12px"},
        {"  Color = -1\n", 2, "Color"},
        {"  Anchors = [akLeft, akMiddle]\n", 2, "akMiddle"},
        {"  Anchors = [akLeft akTop]\n", 2, "akTop"},
        {"\n  Caption = \"open\n", 3, "Unterminated"},
        {"  Caption = \"bad \\q escape\"\n", 2, "\\q"},
        {"  Caption = \"\xF0\x9F\x98\x80\"\n", 2, "U+1F600"},
        {"  Caption = \"\xC3\x28\"\n", 2, "UTF-8"},
        {"  OnShow = NoSuchHandler\n", 2, "NoSuchHandler"},
        {"  OnKeyPress = FormShow\n", 2, "FormShow"},
        {"  ActiveControl = Nobody\n", 2, "Nobody"},
        {"  Font = \"Arial\"\n", 2, "Font"},
        {"  Lines = \"one\"\n", 2, "Lines"},
        {"  Lines = ( 1 )\n", 2, "1"},
        {"  Buttons = < thing >\n", 2, "thing"},
        {"  Buttons = <\n    item\n      Size = 1\n    end\n  >\n", 4, "Size"},
        {"  Picture = \"BANNER\"\n", 2, "Picture"},
        {"  object A: TTestControl\n  end\n  object a: TTestControl\n  end\n", 4, "a"},
        {"  object 1A: TTestControl\n  end\n", 2, "1A"},
        {"  object T: TTestTimer\n    object C: TTestControl\n    end\n  end\n", 3, "C"},
        {"  object B: TTestControl\n    object T: TTestTimer\n    end\n  end\n", 3, "T"},
        {"  Left 5\n", 2, "5"},
        {"  Left = 5 ;\n", 2, ";"},
        {"  object P: TStringList\n  end\n", 2, "TStringList"},
    };
    for (const auto& c : cases) {
        const std::string text = std::string("object F: TTestForm\n") + c.Body + "end\n";
        auto form = MakeComponent<TTestForm>(nullptr);
        try {
            ReadLayout(*form, text, "faulty.layout");
            ADD_FAILURE() << "no error for:\n" << text;
        } catch (const EReadError& e) {
            const std::string message = e.Message();
            EXPECT_EQ(e.FileName(), "faulty.layout");
            EXPECT_EQ(e.Line(), c.Line) << message;
            EXPECT_EQ(message.rfind("faulty.layout(" + std::to_string(c.Line) + "): ", 0), 0u)
                << message;
            EXPECT_NE(message.find(c.Word), std::string::npos) << message;
        }
        // What the reader created is gone and the root is not left loading.
        EXPECT_EQ(form->ComponentCount(), 0) << text;
        EXPECT_FALSE(form->ComponentState().Contains(csLoading)) << text;
        EXPECT_FALSE(form->ComponentState().Contains(csReading)) << text;
    }
}

TEST_F(LayoutTest, StructuralFaults) {
    const std::pair<const char*, const char*> cases[] = {
        {"object F: TTestForm\n", "end"},              // missing end
        {"object F: TTestForm\nend\nend\n", "end"},    // text after the end
        {"object F: TTestTimer\nend\n", "TTestTimer"}, // not the root's class
        {"thing F: TTestForm\nend\n", "thing"},        // no object
        {"object F TTestForm\nend\n", "TTestForm"},    // no colon
        {"object F: TTestForm\n  @\nend\n", "@"},      // stray character
    };
    for (const auto& [text, word] : cases) {
        auto form = MakeComponent<TTestForm>(nullptr);
        try {
            ReadLayout(*form, text, "broken.layout");
            ADD_FAILURE() << "no error for:\n" << text;
        } catch (const EReadError& e) {
            EXPECT_NE(e.Message().find("broken.layout("), std::string::npos) << e.Message();
            EXPECT_NE(e.Message().find(word), std::string::npos) << e.Message();
        }
    }
    EXPECT_THROW(ReadLayoutFile(*Form, LayoutPath("no-such.layout")), EReadError);
}

TEST_F(LayoutTest, RegistryRefusesDuplicatesAndUnknownParents) {
    EXPECT_THROW(RegisterComponentClass<TTestControl>("TTestControl", "TComponent"),
                 EComponentError);
    EXPECT_THROW(RegisterComponentClass<TTestControl>("TOther", "TNoSuchParent"), EComponentError);
    const TClassInfo* form = TClassRegistry::Global().Find("ttestform");
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->InheritsFrom("TComponent"));
    ASSERT_NE(form->FindProperty("Caption"), nullptr); // inherited from TTestControl
    auto props = form->Properties();
    EXPECT_EQ(props.front()->Name, "Left");
    EXPECT_EQ(props.back()->Name, "OnShow");
}

// ---- Limits ------------------------------------------------------------------------------------

struct TLimitCase {
    const char* Name;
    // The body of a form's layout holding n of the limited thing.
    std::function<std::string(std::size_t n)> Body;
    std::size_t Limit;
    const char* Message; // part of the error once the limit is passed
};

std::string Repeat(const std::string& piece, std::size_t n) {
    std::string text;
    for (std::size_t i = 0; i < n; ++i)
        text += piece;
    return text;
}

std::string Nested(std::size_t depth) {
    std::string text;
    for (std::size_t i = 0; i < depth; ++i)
        text += "object C" + std::to_string(i) + ": TTestControl\n";
    return text + Repeat("end\n", depth);
}

std::string Siblings(std::size_t n) {
    std::string text;
    for (std::size_t i = 0; i < n; ++i)
        text += "object C" + std::to_string(i) + ": TTestControl\nend\n";
    return text;
}

TEST_F(LayoutTest, EveryLimitHoldsAtItsValueAndRefusesOneMore) {
    const TLimitCase cases[] = {
        {"depth", Nested, std::size_t(kMaxLayoutDepth), "nested deeper than 32 levels"},
        {"components", Siblings, std::size_t(kMaxLayoutComponents), "More than 1024 components"},
        {"collection items",
         [](std::size_t n) { return "Buttons = <\n" + Repeat("item\nend\n", n) + ">\n"; },
         std::size_t(kMaxCollectionItems), "More than 1024 items in Buttons"},
        {"string list lines",
         [](std::size_t n) { return "Lines = (\n" + Repeat("\"\"\n", n) + ")\n"; },
         std::size_t(kMaxStringListLines), "More than 65536 lines in Lines"},
        {"string length",
         [](std::size_t n) { return "Caption = \"" + std::string(n, 'x') + "\"\n"; },
         kMaxLayoutStringBytes, "String longer than 65536 bytes"},
        {"name length",
         [](std::size_t n) { return "object " + std::string(n, 'N') + ": TTestControl\nend\n"; },
         kMaxLayoutNameLength, "is longer than 255 characters"},
    };
    for (const TLimitCase& c : cases) {
        auto atLimit = MakeComponent<TTestForm>(nullptr);
        EXPECT_NO_THROW(ReadLayout(*atLimit, "object F: TTestForm\n" + c.Body(c.Limit) + "end\n",
                                   "limit.layout"))
            << c.Name;
        auto over = MakeComponent<TTestForm>(nullptr);
        try {
            ReadLayout(*over, "object F: TTestForm\n" + c.Body(c.Limit + 1) + "end\n",
                       "limit.layout");
            ADD_FAILURE() << c.Name << ": one more than the limit was read";
        } catch (const EReadError& e) {
            EXPECT_NE(e.Message().find(c.Message), std::string::npos)
                << c.Name << ": " << e.Message();
            EXPECT_EQ(e.Message().rfind("limit.layout(", 0), 0u) << e.Message();
        }
        EXPECT_EQ(over->ComponentCount(), 0) << c.Name;
    }
}

TEST_F(LayoutTest, NestedCollectionItemsCountAsLevels) {
    // Items inside objects: 31 objects and one item are 32 levels, one more object is too many.
    auto body = [](std::size_t objects) {
        std::string inner = "Buttons = <\nitem\nend\n>\n";
        std::string text;
        for (std::size_t i = 0; i < objects; ++i)
            text += "object C" + std::to_string(i) + ": TTestControl\n";
        return "object F: TTestForm\n" + text + inner + Repeat("end\n", objects) + "end\n";
    };
    auto form = MakeComponent<TTestForm>(nullptr);
    EXPECT_NO_THROW(ReadLayout(*form, body(kMaxLayoutDepth - 1), "items.layout"));
    auto deeper = MakeComponent<TTestForm>(nullptr);
    EXPECT_THROW(ReadLayout(*deeper, body(kMaxLayoutDepth), "items.layout"), EReadError);
}

TEST_F(LayoutTest, ATextOrFileLongerThanALayoutMayBeIsRefusedUnread) {
    // A comment pads a valid layout past the limit.
    std::string text = "object F: TTestForm\nend\n#";
    text += std::string(kMaxLayoutBytes + 1 - text.size(), 'x');
    auto form = MakeComponent<TTestForm>(nullptr);
    EXPECT_NO_THROW(ReadLayout(*form, text.substr(0, kMaxLayoutBytes), "big.layout"));
    try {
        ReadLayout(*form, text, "big.layout");
        ADD_FAILURE() << "an over-long text was read";
    } catch (const EReadError& e) {
        EXPECT_NE(e.Message().find("longer than 1048576 bytes"), std::string::npos) << e.Message();
    }
    const std::string path = ::testing::TempDir() + "big.layout";
    {
        std::ofstream out(path, std::ios::binary);
        out << text << std::string(kMaxLayoutBytes, 'x'); // twice the limit on disk
    }
    EXPECT_THROW(ReadLayoutFile(*form, path), EReadError);
    std::remove(path.c_str());
}

} // namespace
