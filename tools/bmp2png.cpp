// bmp2png: renders a bitmap to a PNG file so people and tests can look at it.
//   bmp2png <file.bmp> <out.png>              a bitmap file
//   bmp2png --resource <NAME> <out.png>       a bitmap resource of the program
//   bmp2png --oem <id> <out.png>              a predefined bitmap (32759: check boxes)
//   bmp2png --text <utf-8 text> [--font <face>] [--height <px>] [--bold] <out.png>
//                                             a line of text on white, in the program's fonts
#include "platform/core/Gbk.h"
#include "platform/draw/Bitmap.h"
#include "platform/draw/Png.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

int Usage() {
    std::fprintf(stderr, "usage: bmp2png <file.bmp> <out.png>\n"
                         "       bmp2png --resource <NAME> <out.png>\n"
                         "       bmp2png --oem <id> <out.png>\n"
                         "       bmp2png --text <text> [--font <face>] [--height <px>] [--bold] "
                         "<out.png>\n");
    return 2;
}

TPixelBuffer RenderText(const std::string& utf8, const std::string& face, int height, bool bold) {
    TBitmap measure(1, 1);
    TCanvas& mc = measure.Canvas();
    mc.Font().SetName(Utf8ToGbk(face));
    mc.Font().SetHeight(height);
    mc.Font().SetStyle(bold ? TFontStyles(fsBold) : TFontStyles(0));
    const std::string text = Utf8ToGbk(utf8);
    TSize s = mc.TextExtent(text);
    TBitmap out(s.cx + 8, s.cy + 8);
    TCanvas& c = out.Canvas();
    c.Font().Assign(mc.Font());
    c.Font().SetColor(clBlack);
    c.Brush().SetColor(clWhite);
    c.FillRect(TRect(0, 0, out.Width(), out.Height()));
    c.Brush().SetStyle(bsClear);
    c.TextOut(4, 4, text);
    return out.Pixels();
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        TBitmap bmp;
        if (args.size() == 2 && args[0].rfind("--", 0) != 0) {
            bmp.LoadFromFile(args[0]);
            SavePng(bmp.Pixels(), args[1]);
        } else if (args.size() == 3 && args[0] == "--resource") {
            bmp.LoadFromResourceName(nullptr, args[1]);
            SavePng(bmp.Pixels(), args[2]);
        } else if (args.size() == 3 && args[0] == "--oem") {
            if (!bmp.LoadOEM(std::atoi(args[1].c_str()))) {
                std::fprintf(stderr, "bmp2png: no predefined bitmap %s\n", args[1].c_str());
                return 1;
            }
            SavePng(bmp.Pixels(), args[2]);
        } else if (args.size() >= 3 && args[0] == "--text") {
            std::string face = "宋体";
            int height = -12;
            bool bold = false;
            std::size_t i = 2;
            for (; i + 1 < args.size(); ++i) {
                if (args[i] == "--font" && i + 2 < args.size())
                    face = args[++i];
                else if (args[i] == "--height" && i + 2 < args.size())
                    height = std::atoi(args[++i].c_str());
                else if (args[i] == "--bold")
                    bold = true;
                else
                    return Usage();
            }
            SavePng(RenderText(args[1], face, height, bold), args.back());
        } else {
            return Usage();
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bmp2png: %s\n", e.what());
        return 1;
    }
    return 0;
}
