// The text readers: the skin ini, message catalogs, the settings file, the
// port map and the stored layout.
#include <algorithm>
#include <string>
#include <string_view>

#include "i18n/mo_catalog.h"
#include "main/layout/layout_error.h"
#include "main/layout/layout_reader.h"
#include "main/scene/apply_plan.h"
#include "main/scene/scene_text.h"
#include "platform/registry/reg_document.h"
#include "platform/serialdev/port_map.h"
#include "skin/skin_ini.h"
#include "tests/fuzz/fuzz_entries.h"
#include "tests/fuzz/fuzz_targets.h"

namespace dsp {
namespace {

std::string_view Text(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

}  // namespace

// Every key of every section is found again, and the written text reads back
// to the same text.
int FuzzSkinIni(const std::uint8_t* data, std::size_t size) {
    const SkinIni ini = SkinIni::FromText(Text(data, size));
    for (const std::string& section : ini.SectionNames()) {
        FuzzCheck(ini.SectionExists(section), "a listed section exists");
        for (const auto& [key, value] : ini.Keys(section)) {
            const std::string_view* found = ini.Find(section, key);
            FuzzCheck(found != nullptr, "a listed key is found");
        }
    }
    const std::string once = ini.ToText();
    FuzzCheck(SkinIni::FromText(once).ToText() == once, "a written ini reads back the same");
    return 0;
}

// A parsed catalog finds each of its first entries again (when its table is
// sorted, as a compiled catalog's is) and answers any lookup inside its bytes.
int FuzzMoCatalog(const std::uint8_t* data, std::size_t size) {
    const auto catalog = MoCatalog::Parse(data, size);
    if (!catalog) return 1;
    const std::uint32_t probe = catalog->Count() < 64 ? catalog->Count() : 64;
    for (std::uint32_t i = 0; i < probe; ++i) {
        const std::string_view original = catalog->Original(i);
        const std::uint32_t found = catalog->Find(original);
        FuzzCheck(found == MoCatalog::kNotFound || catalog->Original(found) == original,
                  "a catalog hit names the key it was asked for");
        (void)catalog->Translation(i).size();
    }
    for (std::string_view key : {"", "Open", "Failed to set data for '%s'", "\xff\xff"})
        (void)catalog->Lookup(key);
    return 0;
}

// A file that reads is written so that it reads back to the same file.
int FuzzSettingsFile(const std::uint8_t* data, std::size_t size) {
    try {
        const RegDocument doc = RegDocument::Parse(Text(data, size));
        const std::string once = doc.Serialize();
        FuzzCheck(RegDocument::Parse(once).Serialize() == once,
                  "a written settings file reads back the same");
        return 0;
    } catch (const RegParseError&) {
        return 1;
    }
}

// The text as ports.conf, then each of its lines as a --map value; plain
// device names never leave /dev.
int FuzzPortMap(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = Text(data, size);
    PortMap map;
    map.LoadText(text);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        map.AddOverride(line);
        const std::string device = map.Resolve(line);
        FuzzCheck(line.empty() || line.front() == '/' || line.starts_with("\\\\.\\") ||
                      ComPortNumber(line) > 0 || device.empty() ||
                      (device.starts_with("/dev/") && device.find('/', 5) == std::string::npos),
                  "a plain device name stays in /dev");
        start = end + 1;
    }
    for (const char* name : {"COM1", "com2", "\\\\.\\COM3", "COM9999", "COM0"}) (void)map.Resolve(name);
    return 0;
}

int FuzzLayout(const std::uint8_t* data, std::size_t size) {
    try {
        const LayoutObject root = ReadLayout(Text(data, size));
        FuzzCheck(!root.className.empty(), "a layout's object has a class");
        return 0;
    } catch (const ELayoutError&) {
        return 1;
    }
}

// A scene that reads writes a text that reads back to the same scene and the
// same text; its safe apply dips and raises each volume it sets and sends
// every other setting once. A refused text names a line inside it.
int FuzzScene(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = Text(data, size);
    SceneTextResult read = ReadSceneText(text);
    if (!read.scene) {
        const auto lines = std::count(text.begin(), text.end(), '\n') + 1;
        FuzzCheck(read.error.line >= 1 && read.error.line <= lines, "an error names a line of the text");
        FuzzCheck(!read.error.reason.empty(), "an error gives its reason");
        return 1;
    }
    const std::string once = WriteSceneText(*read.scene);
    SceneTextResult again = ReadSceneText(once);
    FuzzCheck(again.scene && *again.scene == *read.scene, "a written scene reads back the same");
    FuzzCheck(WriteSceneText(*again.scene) == once, "a written scene writes the same text again");
    std::size_t volumes = 0;
    for (const SceneSetting& s : read.scene->Settings()) volumes += IsVolume(*s.row) ? 1 : 0;
    const std::size_t planned = PlanApply(*read.scene, {}, ApplyOrder::Safe).size();
    FuzzCheck(planned <= read.scene->Settings().size() + volumes && planned >= read.scene->Settings().size(),
              "a safe apply sends each setting once and each volume at most twice");
    return 0;
}

}  // namespace dsp
