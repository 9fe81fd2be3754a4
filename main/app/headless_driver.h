#pragma once
// Drives the window without a display, one command per line, for tests and
// for anyone who scripts the panel. Coordinates are window coordinates. Each
// command's answer ends with a line "ok" or "error: <reason>".
//
//   press X Y | release X Y | move X Y | click X Y | click NAME
//   drag X1 Y1 X2 Y2 STEPS
//   key NAME [shift] [ctrl] [alt]     (Up, Down, Enter, Escape, Tab, A, 5, ...)
//   type TEXT
//   wheel X Y DELTA                   (120 per notch, positive away from the user)
//   pick NAME INDEX                   open a combo box and click row INDEX of its list
//   advance MS                        move the clock on
//   dump                              one line per control, then the caption and status
//   screenshot PATH                   the window as a PNG
//   quit

#include <iosfwd>
#include <string>

namespace dsp {

class TApplication;
class HeadlessHost;
class FakeClock;
class TForm1;

class HeadlessDriver {
  public:
    HeadlessDriver(TApplication& app, HeadlessHost& host, FakeClock& clock, TForm1& form)
        : app_(app), host_(host), clock_(clock), form_(form) {}

    // Reads commands until "quit" or the end of input.
    void Run(std::istream& in, std::ostream& out);
    // One command; false after "quit".
    bool Execute(const std::string& line, std::ostream& out);

  private:
    void Dispatch(const std::string& command, std::istream& args, std::ostream& out);
    void Dump(std::ostream& out);

    TApplication& app_;
    HeadlessHost& host_;
    FakeClock& clock_;
    TForm1& form_;
};

}  // namespace dsp
