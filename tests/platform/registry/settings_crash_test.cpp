// Settings survive their writers: a writer killed at any point leaves the old
// file or the new one, never a torn one, and two programs changing the
// language at once both finish with the file still valid.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <vector>

#include "platform/registry/reg_document.h"
#include "platform/registry/registry.h"

namespace dsp {
namespace {

namespace fs = std::filesystem;

constexpr const char* kKey = "\\Software\\tolmy\\audio";

class SettingsCrash : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* out = std::getenv("DSP_TEST_OUT");
        dir_ = fs::path(out ? out : "/tmp") /
               ("crash-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                "-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        file_ = (dir_ / "user.reg").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string ReadFile() const { return ReadFile(file_); }
    static std::string ReadFile(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    fs::path dir_;
    std::string file_;
};

// The child writes as fast as it can: the language, and a value whose size
// changes with every write, so a torn file could not pass for a whole one.
[[noreturn]] void WriteForever(const std::string& file) {
    TRegistry reg(file);
    reg.SetLockTimeout(std::chrono::seconds(30));
    if (!reg.OpenKey(kKey, true)) ::_exit(2);
    for (int i = 0;; ++i) {
        try {
            reg.WriteInteger("Language", i & 1);
            reg.WriteString("Pad", std::string(std::size_t(i % 300), 'p'));
        } catch (...) {
            ::_exit(3);
        }
    }
}

// Four writers on four files at a time, so the kills' waits for a sync in
// progress overlap; 250 rounds make 1,000 kills.
TEST_F(SettingsCrash, AWriterKilledAnywhereLeavesAWholeFile) {
    constexpr int kWriters = 4;
    constexpr int kRounds = 250;
    std::vector<std::string> files;
    for (int w = 0; w < kWriters; ++w) {
        files.push_back((dir_ / ("w" + std::to_string(w)) / "user.reg").string());
        TRegistry reg(files.back());
        ASSERT_TRUE(reg.OpenKey(kKey, true));
        reg.WriteInteger("Language", 0);
        reg.WriteString("Keep", "中文");
    }
    std::mt19937 rng(7);
    int kills = 0;
    for (int round = 0; round < kRounds; ++round) {
        pid_t children[kWriters];
        for (int w = 0; w < kWriters; ++w) {
            children[w] = ::fork();
            ASSERT_GE(children[w], 0);
            if (children[w] == 0) WriteForever(files[std::size_t(w)]);
        }
        // Kill at random points of the write loops.
        ::usleep(useconds_t(rng() % 1000));
        for (int w = 0; w < kWriters; ++w) {
            if (w > 0) ::usleep(useconds_t(rng() % 200));
            ::kill(children[w], SIGKILL);
        }
        for (int w = 0; w < kWriters; ++w) {
            int status = 0;
            ASSERT_EQ(::waitpid(children[w], &status, 0), children[w]);
            ASSERT_TRUE(WIFSIGNALED(status)) << "writer failed with " << WEXITSTATUS(status);
            ++kills;
            const std::string text = ReadFile(files[std::size_t(w)]);
            RegDocument doc;
            ASSERT_NO_THROW(doc = RegDocument::Parse(text)) << "torn after round " << round << ":\n" << text;
            const RegKey* key = doc.FindKey("HKEY_CURRENT_USER\\Software\\tolmy\\audio");
            ASSERT_NE(key, nullptr);
            ASSERT_NE(key->Find("Language"), nullptr);
            ASSERT_NE(key->Find("Keep"), nullptr);
            ASSERT_EQ(key->Find("Keep")->text, "中文");
        }
    }
    EXPECT_EQ(kills, kWriters * kRounds);
    // A killed writer's temporary file is reused, not left one per crash.
    for (const std::string& file : files) {
        int leftovers = 0;
        for (const auto& entry : fs::directory_iterator(fs::path(file).parent_path()))
            leftovers += entry.path().filename().string().starts_with("user.reg.tmp") ? 1 : 0;
        EXPECT_LE(leftovers, 1);
    }
}

// Two programs whose operator switches the language back and forth at the
// same time: each change opens the key and writes, as the window does.
TEST_F(SettingsCrash, TwoInstancesChangingTheLanguageBothFinish) {
    constexpr int kChanges = 60;
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = ::fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0) {
            for (int i = 0; i < kChanges; ++i) {
                TRegistry reg(file_);
                reg.SetLockTimeout(std::chrono::seconds(30));
                if (!reg.OpenKey(kKey, true)) ::_exit(2);
                try {
                    reg.WriteInteger("Language", (i + c) & 1);
                } catch (...) {
                    ::_exit(3);
                }
            }
            ::_exit(0);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    TRegistry reg(file_);
    ASSERT_TRUE(reg.OpenKey(kKey, false));
    const int language = reg.ReadInteger("Language");
    EXPECT_TRUE(language == 0 || language == 1) << language;
    // Nothing else crept in: the key, its parents, one value.
    const RegDocument doc = RegDocument::Parse(ReadFile());
    EXPECT_EQ(doc.Keys().size(), 3u);
    EXPECT_EQ(doc.FindKey("HKEY_CURRENT_USER\\Software\\tolmy\\audio")->values.size(), 1u);
}

}  // namespace
}  // namespace dsp
