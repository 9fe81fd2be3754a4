#include "main/app/headless_driver.h"

#include <istream>
#include <map>
#include <ostream>
#include <sstream>
#include <stdexcept>

#include "main/panel/form1.h"
#include "platform/framework/application.h"
#include "platform/framework/fake_time.h"
#include "platform/framework/headless_host.h"
#include "platform/graphics/png_file.h"
#include "skin/skin_data.h"

namespace dsp {
namespace {

class CommandError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

int ReadInt(std::istream& args, const char* what) {
    int value = 0;
    if (!(args >> value)) throw CommandError(std::string("expected ") + what);
    return value;
}

Point ReadPoint(std::istream& args) {
    const int x = ReadInt(args, "X");
    return {x, ReadInt(args, "Y")};
}

uint16_t KeyCode(const std::string& name) {
    static const std::map<std::string, uint16_t> kKeys = {
        {"Back", kVkBack},   {"Tab", kVkTab},       {"Enter", kVkReturn},  {"Escape", kVkEscape},
        {"Space", kVkSpace}, {"PageUp", kVkPrior},  {"PageDown", kVkNext}, {"End", kVkEnd},
        {"Home", kVkHome},   {"Left", kVkLeft},     {"Up", kVkUp},         {"Right", kVkRight},
        {"Down", kVkDown},   {"Insert", kVkInsert}, {"Delete", kVkDelete}, {"F4", kVkF4},
    };
    if (const auto found = kKeys.find(name); found != kKeys.end()) return found->second;
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
        return static_cast<uint16_t>(std::toupper(static_cast<unsigned char>(name[0])));
    throw CommandError("unknown key " + name);
}

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) quoted += (c == '"' || c == '\\') ? std::string("\\") + c : std::string(1, c);
    return quoted + "\"";
}

// The value part of a control's dump line.
std::string ValueOf(TControl& control) {
    std::ostringstream value;
    if (auto* bar = dynamic_cast<TbsSkinTrackBar*>(&control))
        value << "value=" << bar->Value();
    else if (auto* slider = dynamic_cast<TbsSkinSlider*>(&control))
        value << "value=" << slider->Value();
    else if (auto* spin = dynamic_cast<TbsSkinSpinEdit*>(&control))
        value << "value=" << spin->Value();
    else if (auto* combo = dynamic_cast<TbsSkinComboBox*>(&control))
        value << "index=" << combo->ItemIndex() << " text=" << Quoted(combo->Text());
    else if (dynamic_cast<TbsSkinNumericEdit*>(&control))
        value << "text=" << Quoted(control.Text());
    else
        value << "caption=" << Quoted(control.Caption());
    return value.str();
}

// The skin part of a control's dump line: " skin=N:section:index" (the
// number of its skin data object, the section it asks for, the index found;
// -1 for the default look), " skin=-" without skin data, nothing for a
// control that draws from no skin.
std::string SkinOf(TControl& control) {
    const auto* linked = dynamic_cast<SkinLinked*>(&control);
    if (!linked) return {};
    const TbsSkinData* data = linked->SkinData();
    if (!data) return " skin=-";
    const std::string& name = data->Name();
    const std::size_t digits = name.find_last_not_of("0123456789") + 1;
    return " skin=" + name.substr(digits) + ":" + linked->SkinDataName() + ":" +
           std::to_string(linked->SkinIndex());
}

}  // namespace

void HeadlessDriver::Run(std::istream& in, std::ostream& out) {
    std::string line;
    while (std::getline(in, line))
        if (!Execute(line, out)) return;
}

bool HeadlessDriver::Execute(const std::string& line, std::ostream& out) {
    std::istringstream args(line);
    std::string command;
    if (!(args >> command) || command.starts_with("#")) return true;
    if (command == "quit") {
        out << "ok" << std::endl;
        return false;
    }
    try {
        Dispatch(command, args, out);
        app_.ProcessMessages();
        out << "ok" << std::endl;
    } catch (const std::exception& error) {
        out << "error: " << error.what() << std::endl;
    }
    return true;
}

void HeadlessDriver::Dispatch(const std::string& command, std::istream& args, std::ostream& out) {
    auto screen = [this](Point p) { return form_.ClientToScreen(p); };
    if (command == "press") return host_.MouseDown(screen(ReadPoint(args)));
    if (command == "release") return host_.MouseUp(screen(ReadPoint(args)));
    if (command == "move") return host_.MouseMove(screen(ReadPoint(args)));
    if (command == "click") {
        std::string first;
        args >> first;
        if (!first.empty() && !std::isdigit(static_cast<unsigned char>(first[0])) && first[0] != '-') {
            auto* control = dynamic_cast<TControl*>(form_.FindComponent(first));
            if (!control) throw CommandError("no control named " + first);
            const Point centre = control->ClientToScreen({control->Width() / 2, control->Height() / 2});
            host_.MouseMove(centre);
            return host_.Click(centre);
        }
        std::istringstream rest(first + " " + std::string(std::istreambuf_iterator<char>(args), {}));
        const Point p = screen(ReadPoint(rest));
        host_.MouseMove(p);
        return host_.Click(p);
    }
    if (command == "drag") {
        const Point from = ReadPoint(args), to = ReadPoint(args);
        const int steps = ReadInt(args, "STEPS");
        if (steps < 1) throw CommandError("STEPS must be at least 1");
        host_.MouseMove(screen(from));
        host_.MouseDown(screen(from));
        app_.ProcessMessages();
        for (int i = 1; i <= steps; ++i) {
            host_.MouseMove(
                screen({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps}));
            app_.ProcessMessages();
        }
        return host_.MouseUp(screen(to));
    }
    if (command == "key") {
        std::string name, modifier;
        if (!(args >> name)) throw CommandError("expected a key name");
        TShiftState shift = 0;
        while (args >> modifier) {
            if (modifier == "shift")
                shift |= ssShift;
            else if (modifier == "ctrl")
                shift |= ssCtrl;
            else if (modifier == "alt")
                shift |= ssAlt;
            else
                throw CommandError("unknown modifier " + modifier);
        }
        return host_.PressKey(KeyCode(name), shift);
    }
    if (command == "type") {
        std::string text;
        std::getline(args >> std::ws, text);
        return host_.Type(text);
    }
    if (command == "wheel") {
        const Point p = screen(ReadPoint(args));
        host_.MouseMove(p);
        return host_.Wheel(p, ReadInt(args, "DELTA"));
    }
    if (command == "pick") {
        std::string name;
        args >> name;
        auto* combo = dynamic_cast<TbsSkinComboBox*>(form_.FindComponent(name));
        if (!combo) throw CommandError("no combo box named " + name);
        const int index = ReadInt(args, "INDEX");
        const Point centre = combo->ClientToScreen({combo->Width() / 2, combo->Height() / 2});
        host_.MouseMove(centre);
        host_.Click(centre);
        app_.ProcessMessages();
        if (!combo->DroppedDown()) throw CommandError(name + " did not open its list");
        // Rows not in view are scrolled to with the wheel over the list first.
        const ListModel& rows = combo->Model().List();
        if (index < 0 || index >= rows.Count()) throw CommandError("no row " + std::to_string(index));
        const auto& list = combo->Model().ListRect();
        const Point inList{list.left + 10, list.top + 10};
        for (int guard = 0; guard < rows.Count() && index >= rows.TopIndex() + rows.Rows(); ++guard) {
            host_.Wheel(inList, -120);
            app_.ProcessMessages();
        }
        const int rowTop = list.top + 2 + (index - rows.TopIndex()) * combo->ListBoxDefaultItemHeight();
        host_.MouseMove({list.left + 10, rowTop + 5});
        host_.Click({list.left + 10, rowTop + 5});
        app_.ProcessMessages();
        if (combo->DroppedDown()) throw CommandError(name + " kept its list open");
        return;
    }
    if (command == "advance") return AdvanceTime(app_, clock_, ReadInt(args, "MS"));
    if (command == "dump") return Dump(out);
    if (command == "screenshot") {
        std::string path;
        if (!(args >> path)) throw CommandError("expected PATH");
        Bitmap picture(form_.Width(), form_.Height());
        Canvas canvas(picture);
        form_.PaintTo(canvas, {0, 0});
        return WritePngFile(path, picture);
    }
    throw CommandError("unknown command " + command);
}

void HeadlessDriver::Dump(std::ostream& out) {
    for (int i = 0; i < form_.ComponentCount(); ++i) {
        auto* control = dynamic_cast<TControl*>(form_.Components(i));
        if (!control || control->Name().empty()) continue;
        out << control->Name() << ' ' << control->ClassName() << " enabled=" << control->Enabled()
            << " visible=" << control->Visible() << ' ' << ValueOf(*control) << SkinOf(*control) << '\n';
    }
    out << "window caption=" << Quoted(form_.Caption()) << '\n';
    out << "status text=" << Quoted(form_.bsSkinStatusPanel1->Caption()) << '\n';
}

}  // namespace dsp
