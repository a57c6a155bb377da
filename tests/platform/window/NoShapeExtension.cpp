// Preloaded into a program to stand for a display without the X shape extension: the query says
// it is missing, and a shape request made all the same ends the program with a message.
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

#include <cstdio>
#include <cstdlib>

namespace {
[[noreturn]] void Refuse(const char* request) {
    std::fprintf(stderr, "%s sent to a display without the shape extension\n", request);
    std::_Exit(3);
}
} // namespace

extern "C" {
Bool XShapeQueryExtension(Display*, int*, int*) {
    return False;
}
Status XShapeQueryVersion(Display*, int*, int*) {
    return 0;
}
void XShapeCombineRectangles(Display*, Window, int, int, int, XRectangle*, int, int, int) {
    Refuse("XShapeCombineRectangles");
}
void XShapeCombineMask(Display*, Window, int, int, int, Pixmap, int) {
    Refuse("XShapeCombineMask");
}
}
