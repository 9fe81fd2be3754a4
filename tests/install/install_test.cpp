// `cmake --install` into a throwaway root, and the .deb CPack builds, checked
// as a desktop and dpkg would see them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "platform/graphics/png_file.h"
#include "tests/support/temp_dir.h"

namespace dsp {
namespace {

namespace fs = std::filesystem;

struct ShellResult {
    int status;
    std::string out;
};

// Runs a shell command line; standard error goes with standard output.
ShellResult Shell(const std::string& command) {
    ShellResult run{-1, {}};
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    run.status = pclose(pipe);
    return run;
}

std::string Quote(const fs::path& p) { return "'" + p.string() + "'"; }

std::string ReadText(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

fs::path Scratch(const std::string& name) {
    fs::path dir = dsp::test::TestOutputDir() / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

const std::string kVersionLine = "dsp-panel " DSP_VERSION "\n";

class InstallTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        root_ = Scratch("install-root");
        const ShellResult run = Shell("DESTDIR=" + Quote(root_) + " " DSP_CMAKE " --install " +
                                      Quote(DSP_BINARY_DIR) + " --prefix /opt/dsp");
        installed_ = run.status == 0;
        log_ = run.out;
    }
    void SetUp() override { ASSERT_TRUE(installed_) << log_; }
    static fs::path Installed(const std::string& path) { return root_ / "opt/dsp" / path; }

    static inline fs::path root_;
    static inline bool installed_ = false;
    static inline std::string log_;
};

TEST_F(InstallTest, TheProgramRunsFromThePrefix) {
    const ShellResult run = Shell(Quote(Installed("bin/dsp-panel")) + " --version");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, kVersionLine);
}

TEST_F(InstallTest, TheDesktopFileValidatesAndMatchesTheWindowAndIcon) {
    const fs::path desktop = Installed("share/applications/dsp-panel.desktop");
    ASSERT_TRUE(fs::exists(desktop));
    const ShellResult run = Shell("desktop-file-validate " + Quote(desktop));
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out, "");
    const std::string text = ReadText(desktop);
    EXPECT_NE(text.find("\nExec=dsp-panel\n"), std::string::npos);
    EXPECT_NE(text.find("\nIcon=dsp-panel\n"), std::string::npos);
    EXPECT_NE(text.find("\nStartupWMClass=dsp-panel\n"), std::string::npos);  // the SDL window's class
}

TEST_F(InstallTest, IconsHaveTheirSizesAndAnAlphaChannel) {
    for (int size : {48, 256}) {
        const fs::path png = Installed("share/icons/hicolor/" + std::to_string(size) + "x" +
                                       std::to_string(size) + "/apps/dsp-panel.png");
        ASSERT_TRUE(fs::exists(png)) << png;
        const Bitmap picture = ReadPngFile(png.string());
        EXPECT_EQ(picture.Width(), size);
        EXPECT_EQ(picture.Height(), size);
        std::ifstream in(png, std::ios::binary);
        char header[26] = {};
        in.read(header, sizeof header);
        EXPECT_EQ(header[25], 6) << "colour type: RGB with alpha";
        EXPECT_NE(picture.GetPixel(size / 2, size / 2), picture.GetPixel(0, 0));  // not one flat colour
    }
    const std::string svg = ReadText(Installed("share/icons/hicolor/scalable/apps/dsp-panel.svg"));
    EXPECT_NE(svg.find("<svg xmlns=\"http://www.w3.org/2000/svg\""), std::string::npos);
    EXPECT_NE(svg.find("viewBox=\"0 0 256 256\""), std::string::npos);
    EXPECT_NE(svg.find("</svg>"), std::string::npos);
}

// Every option and command the program's usage and its headless help name
// is in the manual page.
TEST_F(InstallTest, TheManualPageCoversEveryCommandAndOption) {
    const fs::path page = Installed("share/man/man1/dsp-panel.1.gz");
    ASSERT_TRUE(fs::exists(page));
    std::string roff = Shell("gzip -dc " + Quote(page)).out;
    EXPECT_EQ(roff, ReadText(DSP_SOURCE_DIR "/docs/dsp-panel.1"));
    roff = std::regex_replace(roff, std::regex(R"(\\-)"), "-");

    std::set<std::string> names;
    const std::string usage = Shell(Quote(Installed("bin/dsp-panel")) + " --help").out;
    const std::regex option(R"(--[a-z][a-z-]*)"), command(R"(dsp-panel ([a-z][a-z-]+))");
    for (std::sregex_iterator i(usage.begin(), usage.end(), option), end; i != end; ++i)
        names.insert(i->str());
    for (std::sregex_iterator i(usage.begin(), usage.end(), command), end; i != end; ++i)
        names.insert((*i)[1]);
    const std::string help = Shell("echo help | " + Quote(Installed("bin/dsp-panel")) + " --headless").out;
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line);)
        if (line != "ok" && !line.empty()) names.insert(line.substr(0, line.find(' ')));
    EXPECT_GT(names.size(), 20u) << usage << help;
    for (const std::string& name : names) EXPECT_NE(roff.find(name), std::string::npos) << name;
}

TEST(DebianPackage, BuildsInstallsIntoAThrowawayRootAndRuns) {
    const fs::path dir = Scratch("deb");
    ShellResult run = Shell("cd " + Quote(dir) + " && " DSP_CPACK " -G DEB --config " +
                            Quote(fs::path(DSP_BINARY_DIR) / "CPackConfig.cmake"));
    ASSERT_EQ(run.status, 0) << run.out;
    fs::path deb;
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.path().extension() == ".deb") deb = entry.path();
    ASSERT_FALSE(deb.empty()) << run.out;

    // Debian's own checker of its packaging rules: no error and no warning.
    run = Shell("lintian --fail-on error,warning --tag-display-limit 0 " + Quote(deb));
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_FALSE(std::regex_search(run.out, std::regex("(^|\n)[EW]: "))) << run.out;

    // The description is paragraphs of text, without list separators.
    run = Shell("dpkg-deb -f " + Quote(deb) + " Description");
    EXPECT_EQ(run.out.find(';'), std::string::npos) << run.out;
    EXPECT_GT(std::count(run.out.begin(), run.out.end(), '\n'), 2) << "a synopsis and a long description";

    run = Shell("dpkg-deb -f " + Quote(deb) + " Package Version Depends");
    EXPECT_NE(run.out.find("Package: dsp-panel\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Version: " DSP_VERSION), std::string::npos) << run.out;
    for (const char* dependency : {"libsdl2-2.0-0", "libfreetype6", "libpng16-16", "fonts-wqy-microhei"})
        EXPECT_NE(run.out.find(dependency), std::string::npos) << dependency << "\n" << run.out;

    // dpkg itself installs it into an empty root (its libraries are the
    // host's, so dependencies are not looked for there).
    const fs::path root = dir / "root";
    fs::create_directories(root / "var/lib/dpkg/info");
    fs::create_directories(root / "var/lib/dpkg/updates");
    std::ofstream(root / "var/lib/dpkg/status").close();
    run = Shell("dpkg --root=" + Quote(root) + " --force-depends --force-not-root --log=/dev/null -i " +
                Quote(deb));
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(fs::exists(root / "usr/share/applications/dsp-panel.desktop"));
    EXPECT_TRUE(fs::exists(root / "usr/share/man/man1/dsp-panel.1.gz"));
    const std::string copyright = ReadText(root / "usr/share/doc/dsp-panel/copyright");
    EXPECT_EQ(
        copyright.rfind("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n", 0),
        0u);
    for (const char* license : {"License: Expat\n", "License: Zlib\n", "License: ZPL-2.1\n",
                                "License: GPL-3+\n", "GCC RUNTIME LIBRARY EXCEPTION"})
        EXPECT_NE(copyright.find(license), std::string::npos) << license;
    run = Shell("gzip -dc " + Quote(root / "usr/share/doc/dsp-panel/changelog.gz"));
    EXPECT_EQ(run.out.rfind("dsp-panel (" DSP_VERSION ") ", 0), 0u) << run.out;
    run = Shell(Quote(root / "usr/bin/dsp-panel") + " --version");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, kVersionLine);
}

}  // namespace
}  // namespace dsp
