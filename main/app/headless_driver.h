#pragma once
// Drives the window without a display, one command per line, for tests and
// for anyone who scripts the panel. Coordinates are window coordinates. Each
// command's answer ends with a line "ok" or "error: <reason>". The commands,
// their arguments and their one-line help are rows of one table (`help`
// prints it).

#include <functional>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace dsp {

class TApplication;
class HeadlessHost;
class FakeClock;
class PanelScenes;
class TForm1;
class TbsSkinComboBox;
struct Point;

class HeadlessDriver {
  public:
    using Handler = void (HeadlessDriver::*)(std::istream& args, std::ostream& out);

    // One row of the command table.
    struct Command {
        std::string_view name;
        std::string_view arguments;
        std::string_view help;
        Handler handler;
    };

    HeadlessDriver(TApplication& app, HeadlessHost& host, FakeClock& clock, TForm1& form)
        : app_(app), host_(host), clock_(clock), form_(form) {}

    static std::span<const Command> Commands();

    // Where commands come from: the next line, or nullopt at the end.
    using LineSource = std::function<std::optional<std::string>()>;

    // The scenes the `scene` command works on; without them it refuses.
    void SetScenes(PanelScenes* scenes) { scenes_ = scenes; }

    // Reads commands until "quit" or the end of input.
    void Run(std::istream& in, std::ostream& out);
    void Run(const LineSource& next, std::ostream& out);
    // The same, for a panel that also answers the network: the commands are
    // read on a thread of their own and each runs on the window's thread
    // through the dispatcher, while the application's loop serves the rest
    // (a remote surface's packets) between and during them.
    void Serve(std::istream& in, std::ostream& out);
    void Serve(const LineSource& next, std::ostream& out);
    // One command; false after "quit".
    bool Execute(const std::string& line, std::ostream& out);

  private:
    static const Command kCommands[];

    Point Screen(Point client) const;
    void ClickAt(Point screen);
    Point ShowRow(TbsSkinComboBox& combo, int index);

    void Press(std::istream& args, std::ostream& out);
    void Release(std::istream& args, std::ostream& out);
    void Move(std::istream& args, std::ostream& out);
    void Click(std::istream& args, std::ostream& out);
    void Drag(std::istream& args, std::ostream& out);
    void Key(std::istream& args, std::ostream& out);
    void Type(std::istream& args, std::ostream& out);
    void Wheel(std::istream& args, std::ostream& out);
    void Pick(std::istream& args, std::ostream& out);
    void Advance(std::istream& args, std::ostream& out);
    void Dump(std::istream& args, std::ostream& out);
    void DumpOpenList(TbsSkinComboBox& combo, std::ostream& out);
    void Params(std::istream& args, std::ostream& out);
    void Set(std::istream& args, std::ostream& out);
    void SceneCommand(std::istream& args, std::ostream& out);
    void Screenshot(std::istream& args, std::ostream& out);
    void TextAreasCommand(std::istream& args, std::ostream& out);
    void Help(std::istream& args, std::ostream& out);
    void Quit(std::istream& args, std::ostream& out);

    TApplication& app_;
    HeadlessHost& host_;
    FakeClock& clock_;
    TForm1& form_;
    PanelScenes* scenes_ = nullptr;
    bool quitting_ = false;
};

}  // namespace dsp
