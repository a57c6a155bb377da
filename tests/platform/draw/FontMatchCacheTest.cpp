#include "platform/draw/FontMatchCache.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// A fresh folder with a stand-in font file and the cache file's path.
struct TCacheFolder {
    fs::path Dir;
    std::string Path;
    std::string Font;
    TCacheFolder() {
        Dir = fs::path(testing::TempDir()) /
              ("petcalc-font-matches-" +
               std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(Dir);
        fs::create_directories(Dir);
        Path = (Dir / "cache" / "petcalc" / "font-matches").string();
        Font = (Dir / "face.ttf").string();
        std::ofstream(Font) << "not really a font, but a file of some size";
    }
    ~TCacheFolder() { fs::remove_all(Dir); }
    void WriteCache(const std::string& text) const {
        fs::create_directories(fs::path(Path).parent_path());
        std::ofstream(Path, std::ios::binary) << text;
    }
};

TEST(FontMatchCache, AnswersAndRefusalsAreKeptForTheNextRun) {
    TCacheFolder f;
    {
        TFontMatchCache cache(f.Path, "stamp-1");
        EXPECT_FALSE(cache.Find("---e DejaVu Sans"));
        cache.Store("---e DejaVu Sans", {f.Font, 2, true});
        cache.Store("c--e DejaVu Sans", {});
    }
    TFontMatchCache again(f.Path, "stamp-1");
    auto found = again.Find("---e DejaVu Sans");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->File, f.Font);
    EXPECT_EQ(found->Index, 2);
    EXPECT_TRUE(found->IsBold);
    auto refused = again.Find("c--e DejaVu Sans");
    ASSERT_TRUE(refused);
    EXPECT_TRUE(refused->File.empty());
    EXPECT_FALSE(again.Find("-b-e DejaVu Sans"));

    // Another font configuration: nothing of the earlier one holds.
    EXPECT_FALSE(TFontMatchCache(f.Path, "stamp-2").Find("---e DejaVu Sans"));
}

TEST(FontMatchCache, AnAnswerWhoseFontFileChangedOrWentIsNotUsed) {
    TCacheFolder f;
    TFontMatchCache(f.Path, "s").Store("---e A", {f.Font, 0, false});
    std::ofstream(f.Font, std::ios::app) << " grown";
    EXPECT_FALSE(TFontMatchCache(f.Path, "s").Find("---e A"));

    TFontMatchCache(f.Path, "s").Store("---e A", {f.Font, 0, false});
    ASSERT_TRUE(TFontMatchCache(f.Path, "s").Find("---e A"));
    fs::remove(f.Font);
    EXPECT_FALSE(TFontMatchCache(f.Path, "s").Find("---e A"));
    // A file that cannot be examined is not kept at all.
    TFontMatchCache(f.Path, "s").Store("---e B", {f.Font, 0, false});
    EXPECT_FALSE(TFontMatchCache(f.Path, "s").Find("---e B"));
}

TEST(FontMatchCache, ADamagedFileIsIgnoredWholeAndRewritten) {
    TCacheFolder f;
    const std::string header = "petcalc font matches 1\ns\n";
    const std::string good = "---e A\t" + f.Font + "\t0\t0\t";
    struct stat st {};
    ASSERT_EQ(stat(f.Font.c_str(), &st), 0);
    const std::string state = std::to_string(st.st_size) + ":" + std::to_string(st.st_mtim.tv_sec) +
                              "." + std::to_string(st.st_mtim.tv_nsec);
    f.WriteCache(header + good + state + "\n");
    ASSERT_TRUE(TFontMatchCache(f.Path, "s").Find("---e A")) << "the well-formed file is read";

    const std::string damaged[] = {
        "petcalc font matches 9\ns\n" + good + state + "\n",    // another format
        header + good + state + "\n---e B\tx\t0\n",             // too few fields
        header + "---e A\t" + f.Font + "\t-1\t0\t" + state,     // negative face index
        header + "---e A\t" + f.Font + "\t1x\t0\t" + state,     // not a number
        header + "---e A\t" + f.Font + "\t0\t2\t" + state,      // neither bold nor regular
        header + "---e A\t\t0\t0\t" + state,                    // no file for an answer
        header + "---e A\t" + f.Font + "\t0\t0\tnone\n",        // a refusal with a file
        header + good + state + "\n" + std::string(70000, 'x'), // far too long
    };
    for (const std::string& text : damaged) {
        f.WriteCache(text);
        TFontMatchCache cache(f.Path, "s");
        EXPECT_FALSE(cache.Find("---e A")) << text.substr(0, 80);
        cache.Store("---e C", {f.Font, 1, false});
        EXPECT_TRUE(TFontMatchCache(f.Path, "s").Find("---e C")) << "rewritten whole";
    }
}

TEST(FontMatchCache, WhatCannotBeWrittenOrReadBackIsNotKept) {
    TCacheFolder f;
    // Names that would break the lines are not written.
    TFontMatchCache(f.Path, "s").Store("---e A\nB", {f.Font, 0, false});
    TFontMatchCache(f.Path, "s").Store("---e A\tB", {f.Font, 0, false});
    EXPECT_FALSE(fs::exists(f.Path));
    // A folder that cannot be made: nothing happens, and no path keeps nothing.
    const std::string blocked = f.Font + "/petcalc/font-matches"; // under a plain file
    TFontMatchCache(blocked, "s").Store("---e A", {f.Font, 0, false});
    EXPECT_FALSE(TFontMatchCache(blocked, "s").Find("---e A"));
    TFontMatchCache none("", "s");
    none.Store("---e A", {f.Font, 0, false});
    EXPECT_FALSE(TFontMatchCache("", "s").Find("---e A"));
}

// The stamp follows the font configuration: the environment's fontconfig settings and the
// folders fonts are installed into.
TEST(FontMatchCache, TheStampChangesWithTheFontConfiguration) {
    TCacheFolder f;
    const char* names[] = {"XDG_DATA_HOME", "FONTCONFIG_FILE", "XDG_CACHE_HOME", "HOME"};
    std::vector<std::pair<std::string, bool>> saved;
    for (const char* name : names) {
        const char* value = std::getenv(name);
        saved.emplace_back(value ? value : "", value != nullptr);
    }
    setenv("XDG_DATA_HOME", f.Dir.c_str(), 1);
    unsetenv("FONTCONFIG_FILE");
    fs::create_directories(f.Dir / "fonts" / "truetype");
    const std::string before = TFontMatchCache::CurrentStamp();
    EXPECT_EQ(TFontMatchCache::CurrentStamp(), before) << "the same state gives the same stamp";

    fs::create_directories(f.Dir / "fonts" / "truetype" / "newly-installed");
    const std::string installed = TFontMatchCache::CurrentStamp();
    EXPECT_NE(installed, before);
    setenv("FONTCONFIG_FILE", f.Font.c_str(), 1);
    EXPECT_NE(TFontMatchCache::CurrentStamp(), installed);

    setenv("XDG_CACHE_HOME", f.Dir.c_str(), 1);
    EXPECT_EQ(TFontMatchCache::DefaultPath(), (f.Dir / "petcalc" / "font-matches").string());
    unsetenv("XDG_CACHE_HOME");
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(TFontMatchCache::DefaultPath(), "/home/someone/.cache/petcalc/font-matches");
    unsetenv("HOME");
    EXPECT_EQ(TFontMatchCache::DefaultPath(), "");

    for (std::size_t i = 0; i < saved.size(); ++i) {
        if (saved[i].second)
            setenv(names[i], saved[i].first.c_str(), 1);
        else
            unsetenv(names[i]);
    }
}

} // namespace
