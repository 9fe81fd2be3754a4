#include "main/scene/scene_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "main/scene/scene_text.h"
#include "tests/support/temp_dir.h"

namespace dsp {
namespace {

Scene Volumes(int value) {
    Scene scene;
    for (const CommandRow& row : CommandTable())
        if (IsSceneParameter(row)) scene.Set(row, std::clamp(value, row.minValue, row.maxValue));
    scene.SetNotes(std::string(4000, 'n'));  // long enough that a torn write would show
    return scene;
}

TEST(SceneFile, NamesResolveInTheScenesFolderAndPathsStayAsGiven) {
    setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(ResolveScenePath("band"), "/cfg/dsp-panel/scenes/band.scene");
    EXPECT_EQ(ResolveScenePath("band.scene"), "band.scene");
    EXPECT_EQ(ResolveScenePath("./band"), "./band");
    unsetenv("XDG_CONFIG_HOME");
}

TEST(SceneFile, SavesIntoNewFoldersAndReadsBackOrTellsWhyNot) {
    test::TempDir dir;
    const std::string path = dir / "new/deeper/x.scene";
    ASSERT_EQ(SaveSceneFile(path, Volumes(50)), 0);
    SceneLoad load = LoadSceneFile(path);
    ASSERT_TRUE(load.scene);
    EXPECT_EQ(*load.scene, Volumes(50));
    EXPECT_EQ(LoadSceneFile(dir / "new").error.Message(), dir / "new" + ": not a regular file");
    std::ofstream(dir / "big.scene") << std::string(70000, '#');
    EXPECT_EQ(LoadSceneFile(dir / "big.scene").error.reason, "larger than 64 KB: not a scene");
}

// A writer killed at any moment leaves the old scene or the new one, never a
// mix, and the next save goes through.
TEST(SceneFile, AKilledWriterLeavesAWholeScene) {
    test::TempDir dir;
    const std::string path = dir / "last.scene";
    ASSERT_EQ(SaveSceneFile(path, Volumes(0)), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        for (int i = 1;; ++i) SaveSceneFile(path, Volumes(50 + i % 2));
    }
    // Killed however the test ends, so no writer outlives it.
    struct Reaper {
        pid_t pid;
        void Now() {
            if (pid <= 0) return;
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            pid = 0;
        }
        ~Reaper() { Now(); }
    } reaper{child};
    int changes = 0;
    Scene last = Volumes(0);
    for (int reads = 0; reads < 200000 && changes < 20; ++reads) {
        SceneLoad load = LoadSceneFile(path);
        ASSERT_TRUE(load.scene) << load.error.Message();
        if (!(*load.scene == last)) ++changes;
        last = *load.scene;
    }
    reaper.Now();
    EXPECT_GE(changes, 2);
    SceneLoad after = LoadSceneFile(path);
    ASSERT_TRUE(after.scene) << after.error.Message();
    EXPECT_TRUE(*after.scene == Volumes(50) || *after.scene == Volumes(51) || *after.scene == Volumes(0));
    EXPECT_EQ(SaveSceneFile(path, Volumes(7)), 0);
    EXPECT_EQ(*LoadSceneFile(path).scene, Volumes(7));
}

}  // namespace
}  // namespace dsp
