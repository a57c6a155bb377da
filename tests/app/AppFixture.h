#pragma once

#include "HeadlessProgram.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

// Both windows of the program on the headless backend, created the way start-up creates them,
// with the main window shown.
class TAppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs trigger; when a modal window opens meanwhile, calls inModal with it, which must close
    // it. Returns how many modal windows were handled.
    int WithModal(const std::function<void()>& trigger,
                  const std::function<void(HWND modal)>& inModal);
    // Runs trigger, expects one message box, and returns the text Ctrl+C copies from it (the
    // box is closed with Enter).
    std::string MessageFrom(const std::function<void()>& trigger);
    // Runs trigger, expects the result window, and returns its caption and memo text.
    struct TShown {
        std::string Caption;
        std::string MemoText;
        int Count = 0;
    };
    TShown ReportFrom(const std::function<void()>& trigger);

    void ClickOn(TControl* control) { Program.ClickOn(control); }
    void Fill(TcxTextEdit* field, const std::string& utf8) { Program.Fill(field, utf8); }

    THeadlessProgram Program;
    THeadlessBackend* Backend = nullptr; // Program's
};
