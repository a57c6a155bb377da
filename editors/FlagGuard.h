#pragma once

// Sets a flag for the length of a scope and gives it back its earlier value when the scope
// ends, whatever way it ends.
class TFlagGuard {
public:
    TFlagGuard(bool& flag, bool value) : FFlag(flag), FSaved(flag) { FFlag = value; }
    ~TFlagGuard() { FFlag = FSaved; }
    TFlagGuard(const TFlagGuard&) = delete;
    TFlagGuard& operator=(const TFlagGuard&) = delete;

private:
    bool& FFlag;
    bool FSaved;
};
