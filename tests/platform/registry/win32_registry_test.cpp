// The registry store on the real registry (the Windows build, under Wine in
// scripts/test-windows). Each test works under a key of its own below
// HKEY_CURRENT_USER that stands in for it, and removes nothing it did not make.

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "platform/registry/registry.h"

namespace dsp {
namespace {

std::string FreshRoot(const char* test) {
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    return std::string("Software\\dsp-panel-tests\\") + test + "-" + std::to_string(now);
}

TEST(Win32Registry, LanguageRoundTripsAsADwordUnderTheSettingsKey) {
    const std::string root = FreshRoot("dword");
    {
        TRegistry store(root);
        EXPECT_FALSE(store.OpenKey("\\Software\\tolmy\\audio", false));  // nothing yet
        ASSERT_TRUE(store.OpenKey("\\Software\\tolmy\\audio", true));
        EXPECT_EQ(store.CurrentPath(), "HKEY_CURRENT_USER\\Software\\tolmy\\audio");
        EXPECT_FALSE(store.ValueExists("Language"));
        store.WriteInteger("Language", 1);
        store.WriteInteger("Other", -7);
    }
    TRegistry again(root);
    ASSERT_TRUE(again.OpenKey("Software\\tolmy\\audio", false));
    EXPECT_TRUE(again.ValueExists("Language"));
    EXPECT_EQ(again.ReadInteger("Language"), 1);
    EXPECT_EQ(again.ReadInteger("Other"), -7);
    again.WriteString("Name", "中文");
    EXPECT_EQ(again.ReadString("Name"), "中文");
}

TEST(Win32Registry, WrongTypesAndMissingValuesFailAsTheRegistryErrorsSay) {
    TRegistry store(FreshRoot("types"));
    ASSERT_TRUE(store.OpenKey("Software\\tolmy\\audio", true));
    store.WriteString("Short", "x");  // four bytes with its end: fits a DWORD
    store.WriteString("Long", "english");
    auto message = [&](const char* name) {
        try {
            store.ReadInteger(name);
        } catch (const ERegistryException& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message("Short"), "Invalid data type for 'Short'");
    EXPECT_EQ(message("Long"), "Failed to get data for 'Long'");
    EXPECT_EQ(message("Missing"), "Failed to get data for 'Missing'");
    store.CloseKey();
    EXPECT_EQ(message("Short"), "Failed to get data for 'Short'");
    EXPECT_THROW(store.WriteInteger("Language", 0), ERegistryException);  // no key open
}

}  // namespace
}  // namespace dsp
