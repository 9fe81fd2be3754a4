// Settings files the store must leave alone: not regular files, runaway
// sizes, junk, and a lock another program keeps. Each is refused at once with
// one line in Problem(), and the file stays exactly as it was.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/registry/registry.h"

namespace dsp {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr const char* kKey = "\\Software\\tolmy\\audio";

class SettingsFileLimits : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* out = std::getenv("DSP_TEST_OUT");
        dir_ = fs::path(out ? out : "/tmp") /
               ("limits-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                "-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        file_ = (dir_ / "user.reg").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    void WriteFile(const std::string& text) const { std::ofstream(file_, std::ios::binary) << text; }
    std::string ReadFile() const {
        std::ifstream in(file_, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    // Opening with create must fail, name the file in one line, and leave
    // the file byte for byte as it was.
    void ExpectRefused(const std::string& contents, const std::string& reason) {
        WriteFile(contents);
        TRegistry reg(file_);
        EXPECT_FALSE(reg.OpenKey(kKey, true)) << reason;
        EXPECT_NE(reg.Problem().find(file_), std::string::npos) << reg.Problem();
        EXPECT_NE(reg.Problem().find(reason), std::string::npos) << reg.Problem();
        EXPECT_EQ(reg.Problem().find('\n'), std::string::npos);
        EXPECT_EQ(ReadFile(), contents);
        EXPECT_FALSE(fs::exists(file_ + ".tmp"));
    }

    fs::path dir_;
    std::string file_;
};

TEST_F(SettingsFileLimits, NonRegularFilesAreRefusedWithoutBlocking) {
    ASSERT_EQ(::mkfifo(file_.c_str(), 0600), 0);
    TRegistry reg(file_);
    EXPECT_FALSE(reg.OpenKey(kKey, true));  // before: waited for a writer forever
    EXPECT_FALSE(reg.OpenKey(kKey, false));
    EXPECT_NE(reg.Problem().find("not a regular file"), std::string::npos) << reg.Problem();
    struct stat info {};
    ASSERT_EQ(::stat(file_.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));  // not replaced by a regular file

    fs::remove(file_);
    fs::create_directory(file_);
    EXPECT_FALSE(reg.OpenKey(kKey, true));
    EXPECT_TRUE(fs::is_directory(file_));
}

TEST_F(SettingsFileLimits, OversizedAndDamagedFilesStayUntouched) {
    const std::string header = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\tolmy\\audio]\n";
    ExpectRefused(header + std::string(TRegistry::kMaxFileSize, ';'), "larger than 1 MB");
    ExpectRefused(std::string(10 * 1024 * 1024, 'x'), "larger than 1 MB");
    ExpectRefused(std::string("REGEDIT4\n\0\x01\xff\xfe[junk\n", 17), "damaged");
    ExpectRefused(header + "\"Language\"=dword:123456789\n", "damaged");
    ExpectRefused("\xff\xfeR\0E\0G\0", "damaged");  // UTF-16 is not what we write
}

TEST_F(SettingsFileLimits, ByteOrderMarkAndCrLfAreRead) {
    WriteFile(
        "\xEF\xBB\xBFREGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\tolmy\\audio]\r\n"
        "\"Language\"=dword:00000001\r\n");
    TRegistry reg(file_);
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    EXPECT_EQ(reg.ReadInteger("Language"), 1);
    EXPECT_TRUE(reg.Problem().empty());
}

// A file near the size limit holding only keys, or only values of one key,
// is read in linear time (a reader that searched the keys read so far for
// every new one needed about a minute for such a file).
TEST_F(SettingsFileLimits, ManyKeysOrValuesReadInLinearTime) {
    std::string keys = "REGEDIT4\n";
    int keyCount = 0;
    for (; keys.size() < TRegistry::kMaxFileSize - 64; ++keyCount)
        keys += "[HKEY_CURRENT_USER\\k" + std::to_string(keyCount) + "]\n";
    WriteFile(keys);
    TRegistry reg(file_);
    ASSERT_TRUE(reg.OpenKey("k" + std::to_string(keyCount - 1), false));
    EXPECT_FALSE(reg.OpenKey("k" + std::to_string(keyCount), false));

    std::string values = "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\tolmy\\audio]\n";
    int count = 0;
    for (; values.size() < TRegistry::kMaxFileSize - 64; ++count)
        values += "\"v" + std::to_string(count) + "\"=dword:00000001\n";
    WriteFile(values);
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    EXPECT_TRUE(reg.ValueExists("v" + std::to_string(count - 1)));
    reg.WriteInteger("v0", 7);  // a write reads, changes and saves the whole file
    TRegistry check(file_);
    ASSERT_TRUE(check.OpenKey(kKey, false));
    EXPECT_EQ(check.ReadInteger("V0"), 7);
    EXPECT_EQ(check.ReadInteger("v" + std::to_string(count - 1)), 1);

    // A change that would take the file past the limit is refused: we never
    // write what we would refuse to read.
    const std::string before = ReadFile();
    EXPECT_THROW(reg.WriteString("big", std::string(64 * 1024, 'b')), ERegistryException);
    EXPECT_NE(reg.Problem().find("larger than 1 MB"), std::string::npos) << reg.Problem();
    EXPECT_EQ(ReadFile(), before);
}

// Another program holding the lock delays us by the timeout at most; we then
// go on without writing, and say so.
TEST_F(SettingsFileLimits, AHeldLockIsWaitedOnForABoundedTime) {
    WriteFile("REGEDIT4\n");
    const int holder = ::open((file_ + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    TRegistry reg(file_);
    reg.SetLockTimeout(50ms);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(reg.OpenKey(kKey, true));
    EXPECT_GE(std::chrono::steady_clock::now() - start, 50ms);
    EXPECT_NE(reg.Problem().find("locked by another program"), std::string::npos) << reg.Problem();
    EXPECT_EQ(ReadFile(), "REGEDIT4\n");

    ::close(holder);  // released: the next attempt goes through
    EXPECT_TRUE(reg.OpenKey(kKey, true));
    EXPECT_TRUE(reg.Problem().empty());
}

}  // namespace
}  // namespace dsp
