#pragma once

#include "app/Frmtishi.h"
#include "app/Frmzuvo.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/control/Application.h"

#include <string>

class TcxTextEdit;
class TControl;

// Both windows of the program on the headless backend, created the way start-up creates them,
// with the main window shown; the tests and the benchmarks drive it.
class THeadlessProgram {
public:
    // Starts the window layer and the program.
    void Start();
    // Ends the program and the window layer.
    void Stop();

    // Clicks the centre of a control of the main window.
    void ClickOn(TControl* control);
    // Replaces a field's text as the user would: focus, select all, type.
    void Fill(TcxTextEdit* field, const std::string& utf8);

    THeadlessBackend* Backend = nullptr;
    TComponentPtr<TApplication> ApplicationObject;
};
