#include "main/app/headless_driver.h"

#include <algorithm>
#include <istream>
#include <limits>
#include <map>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "controls/popup_list_box.h"
#include "controls/scroll_bar.h"
#include "main/app/text_areas.h"
#include "main/panel/component_factory.h"
#include "main/panel/form1.h"
#include "main/scene/panel_scenes.h"
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

// Bounds of the numbers a command takes. Coordinates stay far from where
// adding the window's origin could overflow; steps and time stay where a
// command still answers promptly (a drag posts a move per step, and the
// clock fires every timer period it passes).
constexpr int kMaxCoordinate = 100000;
constexpr int kMaxDragSteps = 10000;
constexpr int kMaxWheelDelta = 120 * 100;
constexpr int kMaxAdvanceMs = 10 * 60 * 1000;
// Names echoed in an error are cut to this length.
constexpr std::size_t kMaxEchoed = 40;

// A name from the input as it goes back in an error line.
std::string Echo(const std::string& text) {
    return text.size() <= kMaxEchoed ? text : text.substr(0, kMaxEchoed) + "...";
}

int ReadInt(std::istream& args, const char* what, int min, int max) {
    long long value = 0;
    if (!(args >> value)) throw CommandError(std::string("expected ") + what);
    if (value < min || value > max)
        throw CommandError(std::string(what) + " must be between " + std::to_string(min) + " and " +
                           std::to_string(max));
    return static_cast<int>(value);
}

Point ReadPoint(std::istream& args) {
    const int x = ReadInt(args, "X", -kMaxCoordinate, kMaxCoordinate);
    return {x, ReadInt(args, "Y", -kMaxCoordinate, kMaxCoordinate)};
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
    throw CommandError("unknown key " + Echo(name));
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

// The point a "click NAME" or "pick NAME" aims at.
Point Middle(TControl& control) {
    return control.ClientToScreen({control.Width() / 2, control.Height() / 2});
}

// Where the pointer goes across a list row: clear of the text's left edge.
constexpr int kRowPointerX = 8;

bool RowInView(const ListModel& rows, int index) {
    return index >= rows.TopIndex() && index < rows.TopIndex() + rows.Rows();
}

HeadlessDriver::LineSource LinesOf(std::istream& in) {
    return [&in]() -> std::optional<std::string> {
        std::string line;
        if (!std::getline(in, line)) return std::nullopt;
        return line;
    };
}

}  // namespace

const HeadlessDriver::Command HeadlessDriver::kCommands[] = {
    {"press", "X Y", "press the left mouse button at a point", &HeadlessDriver::Press},
    {"release", "X Y", "release the left mouse button at a point", &HeadlessDriver::Release},
    {"move", "X Y", "move the pointer", &HeadlessDriver::Move},
    {"click", "X Y | NAME", "a click at a point, or on the middle of a control", &HeadlessDriver::Click},
    {"drag", "X1 Y1 X2 Y2 STEPS", "press, move in STEPS steps, release", &HeadlessDriver::Drag},
    {"key", "NAME [shift] [ctrl] [alt]",
     "Up Down Left Right Home End PageUp PageDown Enter Escape Space Tab Back Delete Insert F4, or a "
     "letter/digit",
     &HeadlessDriver::Key},
    {"type", "TEXT", "typed text", &HeadlessDriver::Type},
    {"wheel", "X Y DELTA", "120 per notch, positive away from the user", &HeadlessDriver::Wheel},
    {"pick", "NAME INDEX", "open a combo box, scroll its list to row INDEX, click it", &HeadlessDriver::Pick},
    {"advance", "MS", "move the clock on (timers, repeats)", &HeadlessDriver::Advance},
    {"dump", "",
     "per control: name, class, enabled, visible and its value, item index and text, or caption, and its "
     "skin (skin=N:section:index, -1 for the default look; skin=- without skin data); then the window "
     "caption and the status text",
     &HeadlessDriver::Dump},
    {"params", "", "per parameter: its name and current value (the item text of a list; - for no choice)",
     &HeadlessDriver::Params},
    {"set", "PARAM VALUE",
     "move a parameter's control (by name or code; a number or item text) as the operator would; "
     "load and save press their button with that memory number",
     &HeadlessDriver::Set},
    {"scene", "save PATH | apply PATH | undo | ab",
     "save the panel as a scene; apply one (volumes down first, up last); undo the last apply; flip "
     "between the state before it and that scene",
     &HeadlessDriver::SceneCommand},
    {"screenshot", "PATH", "the window as a PNG", &HeadlessDriver::Screenshot},
    {"text-areas", "",
     "per place the window shows text: a name and its rectangle in the screenshot (left top right bottom)",
     &HeadlessDriver::TextAreasCommand},
    {"help", "", "this list", &HeadlessDriver::Help},
    {"quit", "", "end the session", &HeadlessDriver::Quit},
};

std::span<const HeadlessDriver::Command> HeadlessDriver::Commands() { return kCommands; }

void HeadlessDriver::Run(std::istream& in, std::ostream& out) { Run(LinesOf(in), out); }

void HeadlessDriver::Run(const LineSource& next, std::ostream& out) {
    while (const std::optional<std::string> line = next())
        if (!Execute(*line, out)) return;
}

void HeadlessDriver::Serve(std::istream& in, std::ostream& out) { Serve(LinesOf(in), out); }

void HeadlessDriver::Serve(const LineSource& next, std::ostream& out) {
    std::thread reader([&] {
        bool more = true;
        while (more) {
            const std::optional<std::string> line = next();
            if (!line) break;
            app_.Dispatcher().RunAndWait([&] { more = Execute(*line, out); });
        }
        app_.Terminate();
    });
    app_.Run();
    reader.join();
}

bool HeadlessDriver::Execute(const std::string& line, std::ostream& out) {
    std::istringstream args(line);
    std::string name;
    if (!(args >> name) || name.starts_with("#")) return true;
    try {
        const auto commands = Commands();
        const auto command =
            std::find_if(commands.begin(), commands.end(), [&](const Command& c) { return c.name == name; });
        if (command == commands.end()) throw CommandError("unknown command " + Echo(name));
        (this->*command->handler)(args, out);
        // "quit" answers at once: nothing queued runs after it.
        if (!quitting_) app_.ProcessMessages();
        out << "ok" << std::endl;
    } catch (const std::exception& error) {
        out << "error: " << error.what() << std::endl;
    }
    return !quitting_;
}

Point HeadlessDriver::Screen(Point client) const { return form_.ClientToScreen(client); }

void HeadlessDriver::ClickAt(Point screen) {
    host_.MouseMove(screen);
    host_.Click(screen);
}

void HeadlessDriver::Press(std::istream& args, std::ostream&) { host_.MouseDown(Screen(ReadPoint(args))); }

void HeadlessDriver::Release(std::istream& args, std::ostream&) { host_.MouseUp(Screen(ReadPoint(args))); }

void HeadlessDriver::Move(std::istream& args, std::ostream&) { host_.MouseMove(Screen(ReadPoint(args))); }

void HeadlessDriver::Click(std::istream& args, std::ostream&) {
    std::string first;
    args >> first;
    if (!first.empty() && !std::isdigit(static_cast<unsigned char>(first[0])) && first[0] != '-') {
        auto* control = dynamic_cast<TControl*>(form_.FindComponent(first));
        if (!control) throw CommandError("no control named " + Echo(first));
        return ClickAt(Middle(*control));
    }
    std::istringstream rest(first + " " + std::string(std::istreambuf_iterator<char>(args), {}));
    ClickAt(Screen(ReadPoint(rest)));
}

void HeadlessDriver::Drag(std::istream& args, std::ostream&) {
    const Point from = ReadPoint(args), to = ReadPoint(args);
    const int steps = ReadInt(args, "STEPS", 1, kMaxDragSteps);
    host_.MouseMove(Screen(from));
    host_.MouseDown(Screen(from));
    app_.ProcessMessages();
    for (int i = 1; i <= steps; ++i) {
        host_.MouseMove(Screen({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps}));
        app_.ProcessMessages();
    }
    host_.MouseUp(Screen(to));
}

void HeadlessDriver::Key(std::istream& args, std::ostream&) {
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
            throw CommandError("unknown modifier " + Echo(modifier));
    }
    host_.PressKey(KeyCode(name), shift);
}

void HeadlessDriver::Type(std::istream& args, std::ostream&) {
    std::string text;
    std::getline(args >> std::ws, text);
    host_.Type(text);
}

void HeadlessDriver::Wheel(std::istream& args, std::ostream&) {
    const Point p = Screen(ReadPoint(args));
    host_.MouseMove(p);
    host_.Wheel(p, ReadInt(args, "DELTA", -kMaxWheelDelta, kMaxWheelDelta));
}

void HeadlessDriver::Pick(std::istream& args, std::ostream&) {
    std::string name;
    args >> name;
    auto* combo = dynamic_cast<TbsSkinComboBox*>(form_.FindComponent(name));
    if (!combo) throw CommandError("no combo box named " + Echo(name));
    const int index =
        ReadInt(args, "INDEX", std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    if (index < 0 || index >= combo->Model().List().Count())
        throw CommandError("no row " + std::to_string(index));
    ClickAt(Middle(*combo));
    app_.ProcessMessages();
    if (!combo->DroppedDown()) throw CommandError(name + " did not open its list");
    ClickAt(ShowRow(*combo, index));
    app_.ProcessMessages();
    if (combo->DroppedDown()) throw CommandError(name + " kept its list open");
}

// Scrolls row `index` of the open list into view with the wheel over the
// list, either way, as the operator would; returns a point in that row. A
// row that cannot be brought into view closes the list unchanged (Escape),
// so no click ever lands beside it.
Point HeadlessDriver::ShowRow(TbsSkinComboBox& combo, int index) {
    const TbsPopupListBox& list = combo.ListBox();
    const ListModel& rows = combo.Model().List();
    const Rect area = list.RowsRect();
    const Point inList = list.ClientToScreen({area.left + kRowPointerX, area.top + list.ItemHeight() / 2});
    host_.MouseMove(inList);
    for (int step = 0; step < rows.Count() && !RowInView(rows, index); ++step) {
        host_.Wheel(inList, index < rows.TopIndex() ? 120 : -120);
        app_.ProcessMessages();
    }
    const int offset = (index - rows.TopIndex()) * list.ItemHeight() + list.ItemHeight() / 2;
    const Point row = list.ClientToScreen({area.left + kRowPointerX, area.top + offset});
    if (RowInView(rows, index) && list.ClientToScreen(area.TopLeft()).y <= row.y &&
        row.y < list.ClientToScreen({0, area.bottom}).y)
        return row;
    host_.PressKey(kVkEscape, 0);
    app_.ProcessMessages();
    throw CommandError("row " + std::to_string(index) + " of " + combo.Name() +
                       " cannot be scrolled into view");
}

void HeadlessDriver::Advance(std::istream& args, std::ostream&) {
    AdvanceTime(app_, clock_, ReadInt(args, "MS", 0, kMaxAdvanceMs));
}

void HeadlessDriver::Dump(std::istream&, std::ostream& out) {
    for (int i = 0; i < form_.ComponentCount(); ++i) {
        auto* control = dynamic_cast<TControl*>(form_.Components(i));
        if (!control || control->Name().empty()) continue;
        out << control->Name() << ' ' << control->ClassName() << " enabled=" << control->Enabled()
            << " visible=" << control->Visible() << ' ' << ComponentFactory::Panel().ValueText(*control)
            << SkinOf(*control) << '\n';
        if (auto* combo = dynamic_cast<TbsSkinComboBox*>(control); combo && combo->DroppedDown())
            DumpOpenList(*combo, out);
    }
    out << "window caption=" << QuotedText(form_.Caption()) << '\n';
    out << "status text=" << QuotedText(form_.bsSkinStatusPanel1->Caption()) << '\n';
}

// The open drop-down of a combo: its list and the list's scroll bar, named
// after the combo, with the first row, the rows shown, the row height and
// the first row's top inside the list.
void HeadlessDriver::DumpOpenList(TbsSkinComboBox& combo, std::ostream& out) {
    const TbsSkinCustomListBox& box = combo.ListBox().ListBox();
    const ListModel& rows = combo.Model().List();
    out << combo.Name() << ".ListBox " << box.ClassName() << " visible=" << combo.ListBox().Visible()
        << " top=" << rows.TopIndex() << " rows=" << rows.Rows() << " itemheight=" << box.ItemHeight()
        << " rowstop=" << box.RowsTop() << SkinOf(const_cast<TbsSkinCustomListBox&>(box)) << '\n';
    TbsSkinScrollBar& bar = *box.ScrollBar();
    out << combo.Name() << ".ScrollBar " << bar.ClassName() << " visible=" << bar.Visible()
        << " position=" << bar.Position() << SkinOf(bar) << '\n';
}

void HeadlessDriver::Params(std::istream&, std::ostream& out) {
    const ParamTable& table = form_.Parameters();
    for (const ParamTable::Param& param : table.Params()) {
        const std::optional<int> value = table.Value(*param.row);
        out << param.row->name << ' ' << (value ? FormatCommandValue(*param.row, *value) : "-") << '\n';
    }
}

void HeadlessDriver::Set(std::istream& args, std::ostream&) {
    std::string name, text;
    if (!(args >> name >> text)) throw CommandError("expected PARAM VALUE");
    ParamTable& table = form_.Parameters();
    const CommandRow* row = table.Find(name);
    if (!row) throw CommandError("no parameter " + Echo(name));
    const std::optional<int> value = ParseCommandValue(*row, text);
    if (!value || !table.Set(*row, *value, ChangeSource::Headless))
        throw CommandError(Echo(text) + " is not a value of " + std::string(row->name));
}

void HeadlessDriver::SceneCommand(std::istream& args, std::ostream&) {
    if (!scenes_) throw CommandError("scenes are not kept in this session");
    std::string verb, path;
    args >> verb;
    const bool takesPath = verb == "save" || verb == "apply";
    if (takesPath && !(args >> path)) throw CommandError("expected PATH");
    if (verb == "save") {
        if (const int rc = scenes_->Save(path); rc != 0) throw CommandError("cannot write " + Echo(path));
    } else if (verb == "apply") {
        if (std::optional<std::string> error = scenes_->ApplyFile(path)) throw CommandError(*error);
    } else if (verb == "undo") {
        if (!scenes_->Undo()) throw CommandError("no scene apply to undo");
    } else if (verb == "ab") {
        if (!scenes_->Flip()) throw CommandError("no scene applied yet");
    } else {
        throw CommandError("expected save PATH, apply PATH, undo or ab");
    }
}

void HeadlessDriver::Screenshot(std::istream& args, std::ostream&) {
    std::string path;
    if (!(args >> path)) throw CommandError("expected PATH");
    Bitmap picture(form_.Width(), form_.Height());
    Canvas canvas(picture);
    form_.PaintTo(canvas, {0, 0});
    WritePngFile(path, picture);
}

void HeadlessDriver::TextAreasCommand(std::istream&, std::ostream& out) {
    for (const TextArea& a : TextAreas(form_))
        out << a.name << ' ' << a.rect.left << ' ' << a.rect.top << ' ' << a.rect.right << ' '
            << a.rect.bottom << '\n';
}

void HeadlessDriver::Help(std::istream&, std::ostream& out) {
    auto usage = [](const Command& c) {
        return c.arguments.empty() ? std::string(c.name)
                                   : std::string(c.name) + " " + std::string(c.arguments);
    };
    std::size_t width = 0;
    for (const Command& c : Commands()) width = std::max(width, usage(c).size());
    for (const Command& c : Commands()) {
        const std::string left = usage(c);
        out << left << std::string(width + 2 - left.size(), ' ') << c.help << '\n';
    }
}

void HeadlessDriver::Quit(std::istream&, std::ostream&) { quitting_ = true; }

}  // namespace dsp
