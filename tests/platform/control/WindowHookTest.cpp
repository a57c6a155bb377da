#include "ControlTestFixture.h"

#include "platform/control/Panel.h"

#include <memory>
#include <string>
#include <vector>

namespace {
constexpr UINT kPing = WM_USER + 1;   // the control answers 42
constexpr UINT kSilent = WM_USER + 2; // the control answers 0

// A panel that logs what its own procedure receives.
class TLoggingPanel : public TPanel {
public:
    using TPanel::TPanel;
    std::vector<std::string>* Log = nullptr;
    std::vector<WPARAM> PingParams;
    void WndProc(TMessage& m) override {
        if (m.Msg == kPing || m.Msg == kSilent) {
            if (Log)
                Log->push_back("control");
            if (m.Msg == kPing) {
                PingParams.push_back(m.WParam);
                m.Result = 42;
            }
            return;
        }
        TPanel::WndProc(m);
    }
};

// A component that tells when it is told of a removal and when its destructor ran.
class TWatcher : public TComponent {
public:
    using TComponent::TComponent;
    bool* Whole = nullptr;
    std::vector<TComponent*> Removed;
    ~TWatcher() override {
        if (Whole)
            *Whole = false;
    }

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == opRemove)
            Removed.push_back(component);
    }
};

// A hook that logs its name for the test messages and passes everything on.
TWindowHook Logging(std::vector<std::string>& log, const std::string& name) {
    return [&log, name](TMessage& m, const TWndMethod& previous) {
        if (m.Msg == kPing || m.Msg == kSilent)
            log.push_back(name);
        previous(m);
    };
}

class WindowHookTest : public TControlTest {
public:
    TForm* Form = nullptr;
    TLoggingPanel* Panel = nullptr;
    std::vector<std::string> Log;

    void SetUp() override {
        TControlTest::SetUp();
        Form = NewForm();
        Panel = new TLoggingPanel(Form);
        Panel->SetBounds(10, 10, 100, 50);
        Panel->SetParent(Form);
        Panel->Log = &Log;
        Form->Show();
        Pump();
    }
    std::vector<std::string> Take() { return std::exchange(Log, {}); }
};
} // namespace

TEST_F(WindowHookTest, HooksRunNewestFirstAndCanChangeSwallowOrAnswerMessages) {
    auto first = MakeComponent<TComponent>(nullptr);
    auto second = MakeComponent<TComponent>(nullptr);
    Panel->AddWindowHook(first.get(), Logging(Log, "first"));
    Panel->AddWindowHook(second.get(), [this](TMessage& m, const TWndMethod& previous) {
        if (m.Msg == kSilent) { // answered here alone
            Log.push_back("second swallows");
            m.Result = 7;
            return;
        }
        if (m.Msg == kPing) {
            Log.push_back("second");
            m.WParam += 100; // what comes after sees the change
            previous(m);
            m.Result += 1; // and the hook sees the answer
            return;
        }
        previous(m);
    });

    // Through the window and through Perform alike.
    EXPECT_EQ(SendMessage(Panel->Handle(), kPing, 1, 0), 43);
    EXPECT_EQ(Take(), (std::vector<std::string>{"second", "first", "control"}));
    EXPECT_EQ(Panel->Perform(kPing, 2, 0), 43);
    EXPECT_EQ(Take(), (std::vector<std::string>{"second", "first", "control"}));
    EXPECT_EQ(Panel->PingParams, (std::vector<WPARAM>{101, 102}));
    EXPECT_EQ(SendMessage(Panel->Handle(), kSilent, 0, 0), 7);
    EXPECT_EQ(Take(), (std::vector<std::string>{"second swallows"}));

    // Adding again for the same owner replaces its hook where it stands.
    Panel->AddWindowHook(first.get(), Logging(Log, "first again"));
    Panel->Perform(kPing, 0, 0);
    EXPECT_EQ(Take(), (std::vector<std::string>{"second", "first again", "control"}));

    Panel->RemoveWindowHook(second.get());
    EXPECT_FALSE(Panel->HasWindowHook(second.get()));
    EXPECT_EQ(Panel->Perform(kPing, 0, 0), 42);
    EXPECT_EQ(Take(), (std::vector<std::string>{"first again", "control"}));
    EXPECT_THROW(Panel->AddWindowHook(nullptr, Logging(Log, "x")), EInvalidOperation);
}

TEST_F(WindowHookTest, AHookStaysWhenTheWindowIsRecreated) {
    auto owner = MakeComponent<TComponent>(nullptr);
    std::vector<int> sizes;
    Form->AddWindowHook(owner.get(), [&sizes](TMessage& m, const TWndMethod& previous) {
        previous(m);
        if (m.Msg == WM_SIZE)
            sizes.push_back(LOWORD(WPARAM(m.LParam)));
        if (m.Msg == WM_NCHITTEST && m.Result == HTCLIENT)
            m.Result = HTCAPTION; // the whole client area drags the window
    });
    HWND before = Form->Handle();
    Form->SetBorderStyle(bsSingle); // a new window
    Form->SetBorderStyle(bsNone);   // and another one
    HWND after = Form->Handle();
    EXPECT_FALSE(IsWindow(before));
    ASSERT_TRUE(IsWindow(after));
    sizes.clear();
    Form->SetBounds(100, 100, 250, 200);
    EXPECT_EQ(sizes, std::vector<int>{250});
    EXPECT_EQ(SendMessage(after, WM_NCHITTEST, 0, MAKELPARAM(150, 150)), HTCAPTION);

    // The panel's window came back with the form's and keeps its hook as well.
    Panel->AddWindowHook(owner.get(), Logging(Log, "hook"));
    Form->SetBorderStyle(bsSingle);
    SendMessage(Panel->Handle(), kPing, 0, 0);
    EXPECT_EQ(Take(), (std::vector<std::string>{"hook", "control"}));
}

TEST_F(WindowHookTest, AnOwnerFreedFirstTakesItsHookAlong) {
    // Owned elsewhere: the control hears of it through its free notification.
    auto* stranger = new TWatcher(nullptr);
    Panel->AddWindowHook(stranger, Logging(Log, "stranger"));
    // Owned by the form and placed on it, as a frame is: while it is being destroyed it
    // changes the form's controls, and its hook must not see that half-destroyed.
    bool frameWhole = true;
    int callsWhenBroken = 0;
    auto* frame = new TPanel(Form);
    frame->SetParent(Form);
    Form->AddWindowHook(frame, [&](TMessage& m, const TWndMethod& previous) {
        if (!frameWhole)
            ++callsWhenBroken;
        previous(m);
    });
    struct TFlag : TComponent {
        using TComponent::TComponent;
        bool* Whole;
        ~TFlag() override { *Whole = false; }
    };
    auto* flag = new TFlag(frame); // goes before the frame's control part
    flag->Whole = &frameWhole;

    stranger->Free();
    EXPECT_FALSE(Panel->HasWindowHook(stranger));
    EXPECT_EQ(Panel->Perform(kPing, 0, 0), 42);
    EXPECT_EQ(Take(), (std::vector<std::string>{"control"}));

    frame->Free();
    EXPECT_EQ(callsWhenBroken, 0);
    EXPECT_FALSE(Form->HasWindowHook(frame));
    Form->SetBounds(100, 100, 260, 210);
    Pump();
    EXPECT_EQ(callsWhenBroken, 0);
}

TEST_F(WindowHookTest, AControlFreedFirstDropsItsHooks) {
    bool whole = true;
    auto* owner = new TWatcher(nullptr);
    owner->Whole = &whole;
    Panel->AddWindowHook(owner, Logging(Log, "hook"));
    Panel->Free();
    // The owner heard of it and can go later without touching the control.
    EXPECT_EQ(owner->Removed, std::vector<TComponent*>{Panel});
    Panel = nullptr;
    owner->Free();
    EXPECT_FALSE(whole);
}

TEST_F(WindowHookTest, AHookMayRemoveItselfOrFreeTheControlWhileItRuns) {
    auto owner = MakeComponent<TComponent>(nullptr);
    auto other = MakeComponent<TComponent>(nullptr);
    Panel->AddWindowHook(other.get(), Logging(Log, "other"));
    Panel->AddWindowHook(owner.get(), [&](TMessage& m, const TWndMethod& previous) {
        Log.push_back("once");
        Panel->RemoveWindowHook(owner.get());
        previous(m);
    });
    Panel->Perform(kPing, 0, 0);
    Panel->Perform(kPing, 0, 0);
    EXPECT_EQ(Take(), (std::vector<std::string>{"once", "other", "control", "other", "control"}));

    // Freed from its own hook: the rest of the chain and the control are passed over.
    Panel->AddWindowHook(owner.get(), [&](TMessage& m, const TWndMethod& previous) {
        if (m.Msg == kPing) {
            Panel->Free();
            Panel = nullptr;
        }
        previous(m);
    });
    Log.clear();
    HWND wnd = Panel->Handle();
    EXPECT_EQ(SendMessage(wnd, kPing, 0, 0), 0);
    EXPECT_EQ(Panel, nullptr);
    EXPECT_TRUE(Log.empty());
    EXPECT_FALSE(IsWindow(wnd));
}
