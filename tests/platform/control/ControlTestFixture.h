#pragma once

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/control/Application.h"
#include "platform/control/Form.h"
#include "platform/control/Screen.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// A headless window layer and an application object per test; message boxes are recorded
// instead of shown.
class TControlTest : public ::testing::Test {
public:
    struct TBox {
        std::string Text;
        std::string Caption;
        UINT Type;
    };

    THeadlessBackend* Desk = nullptr;
    std::unique_ptr<TApplication> App;
    std::vector<TBox> Boxes;

    void SetUp() override {
        Desk = &StartHeadlessWindowSystem();
        App = std::make_unique<TApplication>();
        App->Initialize();
        App->SetMessageBoxFunction(
            [this](HWND, const std::string& text, const std::string& caption, UINT type) {
                Boxes.push_back({text, caption, type});
                return 1;
            });
    }
    void TearDown() override {
        App.reset();
        ShutdownWindowSystem();
    }

    // A visible form at (100,100) 300x200 without frame, owned by the application.
    TForm* NewForm(const std::string& name = "Form1") {
        auto* f = new TForm(App.get());
        f->SetName(name);
        f->SetBorderStyle(bsNone);
        f->SetBounds(100, 100, 300, 200);
        return f;
    }
    void Pump() { Desk->Pump(); }
};
