#include "platform/draw/SystemFonts.h"

namespace {

TLogFont SongNinePoint() {
    TLogFont lf;
    lf.FaceName = "\xCB\xCE\xCC\xE5"; // 宋体 in GBK
    lf.Height = -12;
    lf.CharSet = GB2312_CHARSET;
    return lf;
}

} // namespace

TLogFont GetMenuLogFont() {
    return SongNinePoint();
}

TLogFont GetMessageLogFont() {
    return SongNinePoint();
}
