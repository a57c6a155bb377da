#pragma once

#include "platform/component/MethodTable.h"
#include "platform/control/Form.h"

#include <string_view>

class TsuiForm;
class TsuiButton;
class TcxTextEdit;
class TcxRadioButton;
class TImage;

// The main window: the pet's numbers, the pet kind, the two report buttons, the button that
// opens and closes the attribute panel, and the banner that opens the fan-site zone.
class TFormZuvo : public TForm {
public:
    // Reads the stored layout of that name (another one only in tests).
    explicit TFormZuvo(TComponent* owner, std::string_view layoutName = "FormZuvo");
    std::string ClassName() const override { return "TFormZuvo"; }
    const TMethodTable* GetMethodTable() const override { return &FHandlers; }

    // The frame widths with the attribute panel hidden and shown; the window is the frame plus
    // its border on both sides.
    static constexpr int kNarrowFrameWidth = 287;
    static constexpr int kWideFrameWidth = 524;
    static constexpr int kFrameBorderWidth = 1;

    bool PanelShown() const { return FPanelShown; }

    // Handlers bound by the layout.
    void FormShow(TPersistent* Sender);
    void djKeyPress(TPersistent* Sender, char& Key);
    void czlKeyPress(TPersistent* Sender, char& Key);
    void qjnKeyPress(TPersistent* Sender, char& Key);
    void hjnKeyPress(TPersistent* Sender, char& Key);
    void qnKeyPress(TPersistent* Sender, char& Key);
    void mbdjKeyPress(TPersistent* Sender, char& Key);
    void fxClick(TPersistent* Sender);
    void kxClick(TPersistent* Sender);
    void xxClick(TPersistent* Sender);
    void Image1Click(TPersistent* Sender);

    TsuiForm* suiForm1 = nullptr;
    TImage* Image1 = nullptr;
    TcxTextEdit* dj = nullptr;
    TcxTextEdit* czl = nullptr;
    TcxTextEdit* qjn = nullptr;
    TcxTextEdit* hjn = nullptr;
    TcxTextEdit* qn = nullptr;
    TcxTextEdit* mbdj = nullptr;
    TcxTextEdit* ll = nullptr;
    TcxTextEdit* tp = nullptr;
    TcxTextEdit* ys = nullptr;
    TcxTextEdit* jg = nullptr;
    TcxRadioButton* Shi = nullptr;
    TcxRadioButton* Qi = nullptr;
    TsuiButton* fx = nullptr;
    TsuiButton* xx = nullptr;
    TsuiButton* kx = nullptr;

private:
    void BindHandlers();
    void FindControls();
    // Sets the frame's width; the frame resizes the window with its border on both sides.
    void SetFrameWidth(int width);
    // One modal box with the text, the application title as caption and one OK button.
    void ShowMessageText(std::string_view text);

    TMethodTable FHandlers;
    bool FPanelShown = false;
};

// The single main window of the program.
extern TFormZuvo* FormZuvo;
