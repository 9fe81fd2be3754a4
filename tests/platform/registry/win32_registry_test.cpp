// The registry store on the real registry (the Windows build, under Wine in
// scripts/test-windows). Every test runs with HKEY_CURRENT_USER overridden by
// a key of its own, so the settings the prefix really holds stay untouched.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/registry/registry.h"
#include "platform/registry/user_root_override.h"

namespace dsp {
namespace {

constexpr const char* kSettingsKey = "\\Software\\tolmy\\audio";

class Win32Registry : public ::testing::Test {
  protected:
    std::optional<UserRootOverride> isolated_{std::in_place};
};

TEST_F(Win32Registry, LanguageRoundTripsAsADwordUnderTheSettingsKeyAndStaysInTheOverride) {
    {
        TRegistry store;
        EXPECT_FALSE(store.OpenKey(kSettingsKey, false));  // a missing key is not made by opening it
        EXPECT_FALSE(store.KeyOpen());
        ASSERT_TRUE(store.OpenKey(kSettingsKey, true));
        EXPECT_EQ(store.CurrentPath(), "HKEY_CURRENT_USER\\Software\\tolmy\\audio");
        EXPECT_FALSE(store.ValueExists("Language"));
        store.WriteInteger("Language", 1);
        store.WriteInteger("Other", -7);
        store.WriteString("Probe", "中文");
    }
    TRegistry again;
    ASSERT_TRUE(again.OpenKey("Software\\tolmy\\audio", false));
    EXPECT_TRUE(again.ValueExists("Language"));
    EXPECT_EQ(again.ReadInteger("Language"), 1);
    EXPECT_EQ(again.ReadInteger("Other"), -7);
    EXPECT_EQ(again.ReadString("Probe"), "中文");
    again.CloseKey();

    // The real HKEY_CURRENT_USER never saw the value.
    isolated_.reset();
    TRegistry real;
    EXPECT_FALSE(real.OpenKey(kSettingsKey, false) && real.ValueExists("Probe"));
}

TEST_F(Win32Registry, WrongTypesMissingValuesAndMissingKeysFailAsTheRegistryErrorsSay) {
    TRegistry store("Software\\stand-in");  // a key standing in for HKEY_CURRENT_USER
    auto message = [&](const char* name) {
        try {
            store.ReadInteger(name);
        } catch (const ERegistryException& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_FALSE(store.OpenKey(kSettingsKey, false));
    EXPECT_EQ(message("Language"), "Failed to get data for 'Language'");
    ASSERT_TRUE(store.OpenKey(kSettingsKey, true));
    EXPECT_EQ(store.CurrentPath(), "HKEY_CURRENT_USER\\Software\\tolmy\\audio");
    store.WriteString("Short", "x");  // four bytes with its end: fits a DWORD
    store.WriteString("Long", "english");
    EXPECT_EQ(message("Short"), "Invalid data type for 'Short'");
    EXPECT_EQ(message("Long"), "Failed to get data for 'Long'");
    EXPECT_EQ(message("Missing"), "Failed to get data for 'Missing'");
    store.CloseKey();
    EXPECT_EQ(message("Short"), "Failed to get data for 'Short'");
    EXPECT_THROW(store.WriteInteger("Language", 0), ERegistryException);  // no key open
    // The stand-in root is a key of its own: the plain store does not see it.
    EXPECT_FALSE(TRegistry().OpenKey(kSettingsKey, false));
}

}  // namespace
}  // namespace dsp
