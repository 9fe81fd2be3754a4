// A short soak of the window against the unit simulator: every change's
// frame arrives, in order, once. The 100,000-change run with its memory
// figures is bench/soak.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "tests/main/soak_session.h"

namespace dsp::test {
namespace {

TEST(Soak, EveryChangeArrivesOnceAndInOrder) {
    const char* out = std::getenv("DSP_TEST_OUT");
    const std::string registry = std::string(out ? out : "/tmp") + "/soak.reg";
    std::remove(registry.c_str());
    SoakSession session(registry);
    ASSERT_TRUE(session.Prepare()) << "diagnostics: " << session.Diagnostics();
    ASSERT_TRUE(session.Run(3000)) << session.Failure() << "; " << session.Checker().FirstWrong();
    EXPECT_GE(session.Changes(), 3000);
    EXPECT_EQ(session.Checker().Seen(), session.Changes());
    EXPECT_EQ(session.Checker().Wrong(), 0) << session.Checker().FirstWrong();
}

}  // namespace
}  // namespace dsp::test
