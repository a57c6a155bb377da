#pragma once

#include <string>

#include "platform/component/Component.h"

class TClassInfo;
struct TPropertyInfo;

// Writes a component tree in the layout format (see LayoutReader.h), UTF-8.
//
// The output is canonical: two spaces of indentation per level; for every component its
// properties in registration order (a parent class's first), nested objects as dotted names at
// the place of their property, then the components inside it (GetChildren). Only properties
// whose stored rule says so are written. Colours and integers with names are written by name,
// other numbers in decimal; strings escape '"', '\\', CR, LF, tab, other control bytes and bytes
// that are no GBK character (\xHH), so any GBK string comes back byte for byte.
//
// Links to components outside the root's tree and events set in code (not bound by name from a
// layout) cannot be expressed and are left out.
class TLayoutWriter {
public:
    explicit TLayoutWriter(TComponent& root);
    std::string Write();

private:
    void WriteComponent(TComponent& component, int depth);
    void WriteProperties(TComponent& component, TPersistent& object, const std::string& prefix,
                         const std::string& eventPrefix, int depth);
    void WriteProperty(TComponent& component, TPersistent& object, const TPropertyInfo& property,
                       const std::string& prefix, const std::string& eventPrefix, int depth);
    void Line(int depth, const std::string& text);

    TComponent& FRoot;
    std::string FOut;
};

std::string WriteLayout(TComponent& root);
// Writes to a file; a file that cannot be written raises EComponentError.
void WriteLayoutFile(TComponent& root, const std::string& path);
// A GBK string as a quoted layout string (UTF-8 with escapes).
std::string QuoteLayoutString(const std::string& gbk);
