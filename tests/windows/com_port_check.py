#!/usr/bin/env python3
"""The Windows program's serial port under Wine, against a pseudo-terminal
mapped as a COM port ($WINEPREFIX/dosdevices/comN -> /dev/pts/M).

usage: com_port_check.py WINE64 DSP_PANEL_EXE CHECK
CHECK: send | open-failure | hang-up | headless
"""
import os
import select
import subprocess
import sys
import termios
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from wine_ports import map_com_port  # noqa: E402

WINE, EXE, CHECK = sys.argv[1], sys.argv[2], sys.argv[3]
TIMEOUT = 60


def fail(text):
    print("FAILED: " + text)
    sys.exit(1)


def run(args, stdin=None):
    return subprocess.run(["timeout", str(TIMEOUT), WINE, EXE] + args, input=stdin,
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE, stdin=None if stdin else subprocess.DEVNULL)


def read_all(master, wait=0.5, want=0):
    """What the line carries until it has been quiet for `wait` seconds, and
    has at least `want` bytes (or 20 s passed): a loaded machine may pause the
    sender for longer than the quiet time between two frames."""
    got = b""
    deadline = time.time() + 20
    while True:
        ready, _, _ = select.select([master], [], [], wait)
        if not ready and (len(got) >= want or time.time() > deadline):
            return got
        if not ready:
            continue
        try:
            chunk = os.read(master, 4096)
        except OSError:
            return got
        if not chunk:
            return got
        got += chunk


def check_send():
    master, slave, link = map_com_port(5)
    # 0x13 and 0x11 (the Xoff and Xon characters) and 0x0A (a line feed an
    # output translation would widen) pass unchanged only on a fully set line.
    r = run(["send", "--port", "COM5", "MAIN-VOL", "31", "KEY", "b-5", "MAIN-VOL", "19", "MAIN-VOL", "17",
             "MAIN-VOL", "10"])
    if r.returncode != 0:
        fail("send ended with %d: %r" % (r.returncode, r.stderr))
    want = bytes.fromhex("80131FA0 801B00A0 801313A0 801311A0 80130AA0")
    got = read_all(master, want=len(want))
    if got != want:
        fail("the line carried %s, not %s" % (got.hex(" "), want.hex(" ")))
    attrs = termios.tcgetattr(slave)
    iflag, oflag, cflag, ispeed, ospeed = attrs[0], attrs[1], attrs[2], attrs[4], attrs[5]
    line = {
        "9600 bits per second": ispeed == termios.B9600 and ospeed == termios.B9600,
        "8 data bits": cflag & termios.CSIZE == termios.CS8,
        "no parity": not cflag & termios.PARENB,
        "1 stop bit": not cflag & termios.CSTOPB,
        "no hardware flow control": not cflag & termios.CRTSCTS,
        "no Xon/Xoff": not iflag & (termios.IXON | termios.IXOFF),
        "no output translation": not oflag & termios.OPOST,
    }
    wrong = [name for name, ok in line.items() if not ok]
    if wrong:
        fail("the line is not set to " + ", ".join(wrong))
    os.remove(link)


def check_open_failure():
    link = os.path.join(os.environ["WINEPREFIX"], "dosdevices", "com9")
    if os.path.lexists(link):
        os.remove(link)
    r = run(["send", "--port", "COM9", "MAIN-VOL", "31"])
    err = r.stderr.decode("utf-8", "replace")
    if r.returncode == 0 or "COM9" not in err or "no such device" not in err:
        fail("opening a missing port: status %d, %r" % (r.returncode, err))


def check_hang_up():
    """The peer closes the line while a write is waiting for room: the write
    fails with the system's error instead of hanging."""
    master, slave, link = map_com_port(6)
    os.close(slave)
    args = ["send", "--port", "COM6"]
    # Under the 32767 characters a Windows command line may hold.
    for i in range(2000):
        args += ["MAIN-VOL", str(i % 61)]
    proc = subprocess.Popen(["timeout", str(TIMEOUT), WINE, EXE] + args, stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE, stdin=subprocess.DEVNULL)
    first = b""
    deadline = time.time() + 30
    while len(first) < 4 and time.time() < deadline:
        ready, _, _ = select.select([master], [], [], 0.5)
        if ready:
            try:
                first += os.read(master, 4)
            except OSError:  # EIO: Wine has not opened the terminal yet
                time.sleep(0.05)
    os.close(master)
    out, err = proc.communicate(timeout=TIMEOUT + 5)
    err = err.decode("utf-8", "replace")
    if first[:4] != bytes.fromhex("801300A0"):
        fail("the first frame was %s" % first.hex(" "))
    if proc.returncode in (0, 124) or "WriteFile function failed (win error code:" not in err:
        fail("a hang-up during a write: status %d, %r" % (proc.returncode, err))
    os.remove(link)


def check_headless():
    """The panel connected through its monitoring thread: a fader change
    reaches the line, and the session ends when told (a monitoring thread that
    never stops keeps the program alive until `timeout` ends it with 124; the
    time it takes on a loaded machine says nothing)."""
    master, slave, link = map_com_port(7)
    script = "pick bsSkinComboBox1 0\nclick bsSkinButton1\ndump\nquit\n"
    r = run(["--headless", "--map", "COM1=COM7"], stdin=script.encode())
    out = r.stdout.decode("utf-8", "replace")
    if r.returncode != 0 or 'caption="disconnect"' not in out:
        fail("headless session: status %d, %r %r" % (r.returncode, out[-400:], r.stderr))
    os.remove(link)


{"send": check_send, "open-failure": check_open_failure, "hang-up": check_hang_up,
 "headless": check_headless}[CHECK]()
print("ok")
