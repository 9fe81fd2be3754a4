#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace dsp::test {
namespace {

std::string RunningTestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "test";
    for (char& c : name)
        if (c == '/') c = '_';  // parameterised tests
    return name;
}

}  // namespace

std::filesystem::path TestOutputDir() {
    const char* out = std::getenv("DSP_TEST_OUT");
    return out && *out ? std::filesystem::path(out) : std::filesystem::temp_directory_path();
}

TempDir::TempDir() {
    std::random_device random;
    std::filesystem::path candidate;
    do {
        candidate = TestOutputDir() / (RunningTestName() + "-" + std::to_string(random()));
    } while (!std::filesystem::create_directories(candidate));
    path_ = candidate;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace dsp::test
