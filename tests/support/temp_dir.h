#pragma once
// Where tests write files: the test's output folder ($DSP_TEST_OUT, set per
// test program by CTest, else the system's temporary folder), and fresh
// folders inside it that go away with the test.

#include <filesystem>
#include <string>

namespace dsp::test {

std::filesystem::path TestOutputDir();

// A new, empty folder under TestOutputDir() named after the running test,
// removed with the object.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string operator/(const std::string& relative) const { return (path_ / relative).string(); }

  private:
    std::filesystem::path path_;
};

}  // namespace dsp::test
