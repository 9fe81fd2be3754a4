// The stored font answers: a later run takes them without loading the font
// configuration, and gets exactly what the live lookup gives; a change to
// anything they depend on sends the lookup back to fontconfig.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/text/font_resolver.h"
#include "tests/support/temp_dir.h"

namespace dsp {
namespace {

struct Answers {
    FaceFile sans, bold, cjk, glyph;
    friend bool operator==(const Answers&, const Answers&) = default;
};

Answers Ask(FontResolver& resolver) {
    return {resolver.Resolve("MS Sans Serif", false, false), resolver.Resolve("Arial", true, false),
            resolver.CjkFallback(), resolver.ForCodePoint(U'\u2603')};
}

class FaceCacheTest : public ::testing::Test {
  protected:
    test::TempDir dir_;
    const std::string file_ = dir_ / "faces";

    // One run of the program: its answers, and whether it loaded fontconfig.
    std::pair<Answers, bool> Run(const std::string& file) {
        FontResolver resolver(file);
        Answers answers = Ask(resolver);
        return {answers, resolver.ConfigLoaded()};
    }
};

TEST_F(FaceCacheTest, ALaterRunGetsTheLiveAnswersWithoutLoadingTheConfiguration) {
    const auto [live, liveLoaded] = Run("");
    EXPECT_TRUE(liveLoaded);
    EXPECT_EQ(Run(file_), std::make_pair(live, true));   // writes the file
    EXPECT_EQ(Run(file_), std::make_pair(live, false));  // reads it
}

TEST_F(FaceCacheTest, AChangedDependencyOrEnvironmentOrDamagedFileAsksFontconfigAgain) {
    const Answers live = Run(file_).first;
    std::ifstream in(file_);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto rewrite = [this](const std::string& content) {
        std::ofstream(file_, std::ios::trunc) << content;
    };

    // A font folder whose stamp is no longer the one recorded.
    const std::size_t watch = text.find("\nwatch\t");
    ASSERT_NE(watch, std::string::npos);
    std::string stale = text;
    stale.insert(text.find('\t', watch + 7), "0");
    rewrite(stale);
    EXPECT_EQ(Run(file_), std::make_pair(live, true));  // and the file is written afresh
    EXPECT_FALSE(Run(file_).second);

    rewrite(text + "garbage\n");
    EXPECT_TRUE(Run(file_).second);

    EXPECT_FALSE(Run(file_).second);
    // Another language; another settings folder: shared while it holds no
    // font settings, not once it does.
    const auto runWith = [this](const char* name, const std::string& value) {
        const char* old = std::getenv(name);
        const std::string saved = old ? old : "";
        setenv(name, value.c_str(), 1);
        const bool loaded = Run(file_).second;
        old ? setenv(name, saved.c_str(), 1) : unsetenv(name);
        return loaded;
    };
    EXPECT_TRUE(runWith("LANG", "zh_CN.UTF-8"));
    EXPECT_TRUE(Run(file_).second);
    const std::string settings = dir_ / "settings";
    EXPECT_FALSE(runWith("XDG_CONFIG_HOME", settings));
    std::filesystem::create_directories(settings + "/fontconfig");
    EXPECT_TRUE(runWith("XDG_CONFIG_HOME", settings));
}

TEST_F(FaceCacheTest, AnswersAreKeptPerQuestion) {
    {
        FontResolver first(file_);
        first.Resolve("Arial", false, false);
    }
    FontResolver second(file_);
    second.Resolve("Arial", false, false);
    EXPECT_FALSE(second.ConfigLoaded());
    second.Resolve("Courier New", false, true);  // not asked before
    EXPECT_TRUE(second.ConfigLoaded());
}

}  // namespace
}  // namespace dsp
