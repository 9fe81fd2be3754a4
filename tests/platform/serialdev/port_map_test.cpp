#include "platform/serialdev/port_map.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/serialdev/permission_advice.h"
#include "tests/support/temp_dir.h"

namespace dsp {
namespace {

TEST(PortMap, ResolvesComNamesPathsAndPlainNames) {
    PortMap map;
    EXPECT_EQ(map.Resolve("\\\\.\\COM1"), "/dev/ttyS0");
    EXPECT_EQ(map.Resolve("COM10"), "/dev/ttyS9");
    EXPECT_EQ(map.Resolve("com3"), "/dev/ttyS2");
    EXPECT_EQ(map.Resolve("\\\\.\\/dev/pts/4"), "/dev/pts/4");
    EXPECT_EQ(map.Resolve("\\\\.\\ttyUSB0"), "/dev/ttyUSB0");
    // Nothing: an empty name, COM0, and names that would leave /dev.
    EXPECT_EQ(map.Resolve("\\\\.\\"), "");
    EXPECT_EQ(map.Resolve(""), "");
    EXPECT_EQ(map.Resolve("COM0"), "/dev/COM0");
    EXPECT_EQ(map.Resolve("../etc/passwd"), "");
    EXPECT_EQ(map.Resolve(".."), "");
}

TEST(PortMap, NetworkNamesPassUnchangedDirectlyAndThroughAMapping) {
    PortMap map;
    ASSERT_TRUE(map.AddOverride("COM3=rfc2217://room3:3001"));
    EXPECT_EQ(map.Resolve("\\\\.\\COM3"), "rfc2217://room3:3001");
    EXPECT_EQ(map.Resolve("\\\\.\\socket://127.0.0.1:4000"), "socket://127.0.0.1:4000");
    EXPECT_EQ(map.Resolve("RFC2217://[::1]:7"), "RFC2217://[::1]:7");
}

TEST(PortMap, OverridesWinOverTheFileWhichWinsOverTheDefault) {
    test::TempDir temp;
    const std::filesystem::path& dir = temp.Path();
    std::filesystem::create_directories(dir / "dsp-panel");
    std::ofstream(dir / "dsp-panel" / "ports.conf") << "# my adapters\n"
                                                       "COM1=/dev/serial/by-id/usb-adapter\r\n"
                                                       "  COM2 = /dev/ttyUSB1  # the mixer\n"
                                                       "COM4=/dev/by-name/dsp#2\t# second unit\n"
                                                       "garbage line\n"
                                                       "COMX=/dev/nothing\n"
                                                       "\n";
    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    EXPECT_EQ(PortMap::DefaultConfigPath(), (dir / "dsp-panel" / "ports.conf").string());
    PortMap map = PortMap::FromUserConfig();
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(map.Resolve("COM1"), "/dev/serial/by-id/usb-adapter");
    EXPECT_EQ(map.Resolve("COM2"), "/dev/ttyUSB1");
    EXPECT_EQ(map.Resolve("COM3"), "/dev/ttyS2");
    EXPECT_EQ(map.Resolve("COM4"), "/dev/by-name/dsp#2");

    EXPECT_TRUE(map.AddOverride("COM2=/dev/pts/7"));
    EXPECT_EQ(map.Resolve("\\\\.\\COM2"), "/dev/pts/7");
    EXPECT_FALSE(map.AddOverride("COM2"));
    EXPECT_FALSE(map.AddOverride("COM2="));
    EXPECT_FALSE(map.AddOverride("LPT1=/dev/lp0"));
    EXPECT_EQ(map.Resolve("COM2"), "/dev/pts/7");
    EXPECT_EQ(map.LoadFile((dir / "missing.conf").string()), ENOENT);
}

// A FIFO, a folder or a runaway file where ports.conf belongs is skipped at
// once with one line; a FIFO used to stall start-up and `send` for good.
TEST(PortMap, UnusableConfigFilesAreSkippedWithOneLine) {
    const char* out = std::getenv("DSP_TEST_OUT");
    const std::filesystem::path dir = std::filesystem::path(out ? out : "/tmp") / "portmap-unusable";
    const std::filesystem::path conf = dir / "dsp-panel" / "ports.conf";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(conf.parent_path());
    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    auto problemOf = [] {
        std::string problem;
        PortMap map = PortMap::FromUserConfig(&problem);
        EXPECT_EQ(map.Resolve("COM1"), "/dev/ttyS0");
        EXPECT_EQ(problem.find('\n'), std::string::npos);
        return problem;
    };
    ASSERT_EQ(::mkfifo(conf.c_str(), 0600), 0);
    EXPECT_EQ(problemOf(), conf.string() + " is not a regular file; it is not read");
    std::filesystem::remove(conf);
    std::filesystem::create_directory(conf);
    EXPECT_EQ(problemOf(), conf.string() + " is not a regular file; it is not read");
    std::filesystem::remove(conf);
    std::ofstream(conf) << "COM1=/dev/pts/9\n" << std::string(PortMap::kMaxFileSize, '#');
    EXPECT_EQ(problemOf(), conf.string() + " is larger than 64 KB; it is not read");
    std::filesystem::remove(conf);
    EXPECT_EQ(problemOf(), "");  // missing is no error
    unsetenv("XDG_CONFIG_HOME");
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace dsp

namespace dsp {
namespace {

// Joining a group helps only when that group may read and write the device
// and is not root's; any other device is described by owner and mode, with
// the way to a udev rule.
TEST(PermissionAdvice, SuggestsAGroupOnlyWhenJoiningItGivesAccess) {
    const std::string join = "usermod -aG";
    const std::string udev = "\"Serial permissions (udev)\" in the README";
    test::TempDir dir;
    const std::string device = dir / "tty";
    std::ofstream(device).put('x');
    for (mode_t mode : {0600, 0660, 0640}) {
        ASSERT_EQ(chmod(device.c_str(), mode), 0);
        // The test's own group: root's when run as root, else a user's.
        const std::string advice = PermissionAdvice(device);
        const bool joinable = (mode & S_IWGRP) && getegid() != 0;
        EXPECT_EQ(advice.find(join) != std::string::npos, joinable) << advice;
        EXPECT_EQ(advice.find(udev) != std::string::npos, !joinable) << advice;
        EXPECT_EQ(advice.find('\n'), std::string::npos);
    }
    EXPECT_NE(PermissionAdvice(DeviceAccess{"root", "dialout", S_IFCHR | 0660})
                  .find("group 'dialout': run 'sudo usermod -aG dialout $USER', then log in again"),
              std::string::npos);
    EXPECT_NE(PermissionAdvice(DeviceAccess{"root", "root", S_IFCHR | 0600})
                  .find("owned by 'root' (group 'root', mode crw-------)"),
              std::string::npos);
    EXPECT_NE(PermissionAdvice("/nonexistent/tty").find("usermod -aG dialout $USER"), std::string::npos);
}

}  // namespace
}  // namespace dsp
