// Runs in its own program: fontconfig is pointed at a configuration without any font folder
// before the first font is asked for.
#include "platform/draw/DC.h"
#include "platform/draw/RealizedFont.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace {

TEST(NoFont, RealizingAFontFailsWithAClearError) {
    const std::string conf = testing::TempDir() + "/petcalc-no-fonts.conf";
    std::ofstream(conf) << "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
    setenv("FONTCONFIG_FILE", conf.c_str(), 1);
    TPixelBuffer px(4, 4);
    TDC dc(px);
    try {
        dc.GetTextMetrics();
        FAIL() << "a font was found without any font installed";
    } catch (const EFontError& e) {
        EXPECT_NE(std::string(e.what()).find("No usable font"), std::string::npos) << e.what();
    }
}

} // namespace
