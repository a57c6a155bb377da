#pragma once

#include <string>

// The root of objects whose settings can be stored in and read from a window layout and copied
// from one another (fonts, pens, brushes, style objects, components).
class TPersistent {
public:
    virtual ~TPersistent() = default;

    // Copies the settings of source; a class that cannot copy from source leaves itself as is
    // and returns false.
    virtual bool Assign(const TPersistent& source) {
        (void)source;
        return false;
    }
    // The class name as layouts name it ("TFont", "TcxTextEdit").
    virtual std::string ClassName() const { return "TPersistent"; }

protected:
    TPersistent() = default;
    TPersistent(const TPersistent&) = default;
    TPersistent& operator=(const TPersistent&) = default;
};
