#pragma once

#include "platform/draw/DC.h"

// Saves the state of a drawing context (objects, colours, modes, clip, origin) and restores it
// when the scope ends, whatever way it ends.
class TDCStateSaver {
public:
    explicit TDCStateSaver(TDC& dc) : FDC(dc), FLevel(dc.SaveDC()) {}
    ~TDCStateSaver() { FDC.RestoreDC(FLevel); }

    TDCStateSaver(const TDCStateSaver&) = delete;
    TDCStateSaver& operator=(const TDCStateSaver&) = delete;

private:
    TDC& FDC;
    int FLevel;
};
