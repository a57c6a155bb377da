#include "NativeTestFixture.h"

#include "platform/native/Shell.h"

namespace {
using ShellTest = TNativeTest;

TEST_F(ShellTest, OpensTheWebAddressAsGiven) {
    const char* url = "http://www.example.com/pet?a=1&b=2";
    HINSTANCE r = ShellExecuteA(nullptr, nullptr, url, nullptr, nullptr, SW_SHOWNORMAL);
    EXPECT_GT(reinterpret_cast<std::intptr_t>(r), 32);
    ASSERT_EQ(Desk->OpenedUrls().size(), 1u);
    EXPECT_EQ(Desk->OpenedUrls()[0], url);
}

TEST_F(ShellTest, NoFileOpensNothing) {
    HINSTANCE r = ShellExecuteA(nullptr, "open", "", nullptr, nullptr, SW_SHOWNORMAL);
    EXPECT_LE(reinterpret_cast<std::intptr_t>(r), 32);
    EXPECT_TRUE(Desk->OpenedUrls().empty());
}
} // namespace
