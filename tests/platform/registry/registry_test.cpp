#include "platform/registry/registry.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/registry/registry_messages.h"
#include "tests/support/temp_dir.h"

namespace dsp {
namespace {

namespace fs = std::filesystem;

constexpr const char* kKey = "\\Software\\tolmy\\audio";

class RegistryTest : public ::testing::Test {
  protected:
    void SetUp() override { file_ = (dir_.Path() / "dsp-panel" / "user.reg").string(); }

    std::string ReadFile() const {
        std::ifstream in(file_, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void WriteFile(const std::string& text) const {
        fs::create_directories(fs::path(file_).parent_path());
        std::ofstream(file_, std::ios::binary) << text;
    }
    std::string ErrorOf(auto&& f) {
        try {
            f();
        } catch (const ERegistryException& e) {
            return e.what();
        }
        return "no error";
    }

    test::TempDir dir_;
    std::string file_;
};

TEST_F(RegistryTest, DefaultPathFollowsXdgConfigHomeThenHome) {
    const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
    std::string saved = oldXdg ? oldXdg : "";
    ::setenv("XDG_CONFIG_HOME", "/x/cfg", 1);
    EXPECT_EQ(TRegistry::DefaultFilePath(), "/x/cfg/dsp-panel/user.reg");
    ::setenv("XDG_CONFIG_HOME", "", 1);
    EXPECT_EQ(TRegistry::DefaultFilePath(), std::string(std::getenv("HOME")) + "/.config/dsp-panel/user.reg");
    if (oldXdg)
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}

TEST_F(RegistryTest, CreatesTheKeyAndRoundTripsValues) {
    TRegistry reg(file_);
    EXPECT_FALSE(reg.OpenKey(kKey, false));  // no file yet
    EXPECT_FALSE(fs::exists(file_));
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    EXPECT_FALSE(reg.ValueExists("Language"));
    reg.WriteInteger("Language", 1);
    reg.WriteInteger("Negative", -2);
    reg.WriteString("Name", "中文");
    reg.CloseKey();
    EXPECT_FALSE(reg.ValueExists("Language"));

    TRegistry other(file_);
    ASSERT_TRUE(other.OpenKey("Software\\TOLMY\\audio", false));
    EXPECT_TRUE(other.ValueExists("language"));
    EXPECT_EQ(other.ReadInteger("Language"), 1);
    EXPECT_EQ(other.ReadInteger("Negative"), -2);
    EXPECT_EQ(other.ReadString("Name"), "中文");
    EXPECT_NE(ReadFile().find("[HKEY_CURRENT_USER\\Software\\tolmy\\audio]\n\"Language\"=dword:00000001\n"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(file_ + ".tmp"));
}

TEST_F(RegistryTest, TypedReadsFailWithTheirMessages) {
    WriteFile(
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\tolmy\\audio]\n"
        "\"Short\"=\"1\"\n\"Long\"=\"12\"\n\"Bin\"=hex:01,02,03,04\n\"Big\"=hex:01,02,03,04,05\n");
    TRegistry reg(file_);
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    EXPECT_EQ(ErrorOf([&] { reg.ReadInteger("Short"); }), "Invalid data type for 'Short'");
    EXPECT_EQ(ErrorOf([&] { reg.ReadInteger("Bin"); }), "Invalid data type for 'Bin'");
    EXPECT_EQ(ErrorOf([&] { reg.ReadInteger("Long"); }), "Failed to get data for 'Long'");
    EXPECT_EQ(ErrorOf([&] { reg.ReadInteger("Big"); }), "Failed to get data for 'Big'");
    EXPECT_EQ(ErrorOf([&] { reg.ReadInteger("Missing"); }), "Failed to get data for 'Missing'");
    reg.CloseKey();
    EXPECT_EQ(ErrorOf([&] { reg.WriteInteger("Language", 1); }), "Failed to set data for 'Language'");
}

TEST_F(RegistryTest, MessagesComeFromTheReplaceableTable) {
    std::string old = RegistryMessageText(RegistryMessage::GetDataFailed);
    SetRegistryMessageText(RegistryMessage::GetDataFailed, "kein Wert '%s'");
    TRegistry reg(file_);
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    std::string text = ErrorOf([&] { reg.ReadInteger("X"); });
    SetRegistryMessageText(RegistryMessage::GetDataFailed, old);
    EXPECT_EQ(text, "kein Wert 'X'");
}

TEST_F(RegistryTest, ACorruptFileIsNeverOpenedNorOverwritten) {
    const std::string corrupt =
        "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\tolmy\\audio]\n\"Language\"=dword:zz\n";
    WriteFile(corrupt);
    TRegistry reg(file_);
    EXPECT_FALSE(reg.OpenKey(kKey, true));
    EXPECT_FALSE(reg.OpenKey("\\Software\\other", true));
    EXPECT_EQ(ReadFile(), corrupt);

    // A file that turns bad after the key was opened refuses the write.
    WriteFile("REGEDIT4\n");
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    WriteFile(corrupt);
    EXPECT_EQ(ErrorOf([&] { reg.WriteInteger("Language", 0); }), "Failed to set data for 'Language'");
    EXPECT_EQ(ReadFile(), corrupt);
}

TEST_F(RegistryTest, OtherKeysAndValuesSurviveAWrite) {
    WriteFile("\xEF\xBB\xBFREGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\keep]\r\n\"Old\"=hex:aa\r\n");
    TRegistry reg(file_);
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    reg.WriteInteger("Language", 0);
    TRegistry check(file_);
    ASSERT_TRUE(check.OpenKey("\\Software\\keep", false));
    EXPECT_TRUE(check.ValueExists("Old"));
}

// Writing what the file already holds leaves it as it is (here its CR LF
// lines, which a rewrite would make LF); another value rewrites it.
TEST_F(RegistryTest, AValueWrittenAgainLeavesTheFileAlone) {
    const std::string text =
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\tolmy\\audio]\r\n"
        "\"Language\"=dword:00000001\r\n\"Name\"=\"x\"\r\n";
    WriteFile(text);
    TRegistry reg(file_);
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    reg.WriteInteger("Language", 1);
    reg.WriteString("Name", "x");
    EXPECT_EQ(ReadFile(), text);
    reg.WriteString("Language", "1");  // the same digits as another type
    EXPECT_EQ(ReadFile().find('\r'), std::string::npos);
    EXPECT_EQ(reg.ReadString("Language"), "1");
}

TEST_F(RegistryTest, TwoProcessesWritingAtOnceLoseNothing) {
    {
        TRegistry reg(file_);
        ASSERT_TRUE(reg.OpenKey(kKey, true));
    }
    constexpr int kWrites = 40;
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = ::fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0) {
            TRegistry reg(file_);
            reg.SetLockTimeout(std::chrono::seconds(30));  // a loaded machine syncs slowly
            if (!reg.OpenKey(kKey, false)) ::_exit(2);
            try {
                for (int i = 0; i < kWrites; ++i)
                    reg.WriteInteger("W" + std::to_string(c) + "_" + std::to_string(i), i);
            } catch (...) {
                ::_exit(3);
            }
            ::_exit(0);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    TRegistry reg(file_);
    ASSERT_TRUE(reg.OpenKey(kKey, false));
    for (int c = 0; c < 2; ++c)
        for (int i = 0; i < kWrites; ++i)
            EXPECT_EQ(reg.ReadInteger("W" + std::to_string(c) + "_" + std::to_string(i)), i);
}

}  // namespace
}  // namespace dsp
