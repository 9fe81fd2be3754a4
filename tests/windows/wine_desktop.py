"""What the Windows program's window checks share: a private Xvfb (and
openbox on it when asked), the program under Wine with a time limit, xdotool
and xwininfo from outside, and pictures read back (xwd files of the screen,
PNG files the program writes) as rows of (r, g, b) tuples."""
import os
import re
import signal
import struct
import subprocess
import time
import zlib

TIMEOUT = 60
# The screen size a fresh Wine prefix takes for its display before it has
# looked at one: a screen of another size makes Wine try to change the
# mode, which Xvfb refuses, and the first windows then come late or in the
# wrong place.
SCREEN = (1024, 768)


def fail(text):
    print("FAILED: " + text)
    raise SystemExit(1)


def wait_until(predicate, seconds=10.0, step=0.1):
    deadline = time.time() + seconds
    while True:
        result = predicate()
        if result or time.time() > deadline:
            return result
        time.sleep(step)


class Desktop:
    """Xvfb on a display it picks itself, SCREEN in size, and openbox on it when
    `manager` is set. Ends both when left."""

    def __init__(self, manager=False):
        read, write = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "%dx%dx24" % SCREEN,
                                      "-nolisten", "tcp"], pass_fds=[write], stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
        os.close(write)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read, 16)
            if not chunk:
                fail("Xvfb did not start")
            number += chunk
        os.close(read)
        self.env = dict(os.environ, DISPLAY=":" + number.decode().strip())
        self.manager = None
        if manager:
            self.manager = subprocess.Popen(["openbox", "--sm-disable"], env=self.env, stdout=subprocess.DEVNULL,
                                            stderr=subprocess.DEVNULL)
            if not wait_until(lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in self.run("xprop", "-root"), 15):
                fail("openbox did not take the display")

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        for p in (self.manager, self.xvfb):
            if p:
                p.terminate()
                p.wait(10)

    def run(self, *argv):
        return subprocess.run(argv, env=self.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                              timeout=TIMEOUT).stdout.decode("utf-8", "replace")

    def start(self, wine, exe, args, stdin=None):
        """The program, ended by `timeout` if it outlives the check; a group
        of its own, so that end() takes Wine's process with it. For about a
        second after a Wine program without a display has run (another
        check, a helper), Wine's desktop makes no windows: a program that
        ends at once for want of a window is started again."""
        for attempt in range(3):
            process = subprocess.Popen(["timeout", str(TIMEOUT), wine, exe] + args, env=self.env,
                                       start_new_session=True, stdin=stdin or subprocess.DEVNULL,
                                       stdout=subprocess.PIPE, stderr=subprocess.PIPE)
            wait_until(lambda: process.poll() is not None or self.windows(os.path.basename(exe)), 10, 0.2)
            if process.poll() is None or b"cannot create a window" not in process.stderr.peek():
                return process
            time.sleep(1)
        return process

    def windows(self, program):
        """The ids of the windows of a program (by its file name)."""
        return self.run("xdotool", "search", "--class", "^" + re.escape(program) + "$").split()

    def wine(self, wine, *args):
        """A Wine helper program (reg) on this display, its output."""
        return subprocess.run(["timeout", str(TIMEOUT), wine] + list(args), env=self.env, stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL).stdout.decode("utf-8", "replace")

    def find_window(self, title):
        ids = wait_until(lambda: self.run("xdotool", "search", "--name", "^" + title + "$").split(), 30)
        if not ids:
            fail("the window %r did not appear; the screen has %s" % (title, re.findall(r'"[^"]*": \("[^"]*"', self.run("xwininfo", "-root", "-tree"))))
        return ids[0]

    def geometry(self, window):
        """(x, y, width, height) of the window on the screen."""
        info = self.run("xwininfo", "-id", window)
        field = lambda name: int(re.search(name + r":\s+(-?\d+)", info).group(1))
        return (field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"), field("Height"))

    def settles(self, window, expected, seconds=5):
        return wait_until(lambda: self.geometry(window) == expected, seconds)

    def mouse(self, *steps):
        """xdotool steps: ("move", x, y), ("down",), ("up",), ("click",), ("double",)."""
        argv = ["xdotool"]
        for step in steps:
            if step[0] == "move":
                argv += ["mousemove", str(step[1]), str(step[2])]
            elif step[0] == "double":
                argv += ["click", "--repeat", "2", "--delay", "80", "1"]
            else:
                argv += {"down": ["mousedown", "1"], "up": ["mouseup", "1"], "click": ["click", "1"]}[step[0]]
        self.run(*argv)

    def screen(self, path):
        self.run("xwd", "-root", "-silent", "-out", path)
        return read_xwd(path)


def end(process):
    try:
        os.killpg(process.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
    process.wait(10)


def read_xwd(path):
    """The rows of an xwd picture of a 24- or 32-bit TrueColor display
    (channels by their masks)."""
    data = open(path, "rb").read()
    header = struct.unpack(">25I", data[:100])
    size, width, height, order, bits, stride, colours = (header[0], header[4], header[5], header[7], header[11],
                                                         header[12], header[19])
    masks, unit = header[14:17], bits // 8
    if bits not in (24, 32):
        fail("xwd picture of %d bits per pixel" % bits)
    shifts = [(m & -m).bit_length() - 1 for m in masks]
    start = size + colours * 12
    rows = []
    for y in range(height):
        row = data[start + y * stride:start + y * stride + width * unit]
        pixels = []
        for i in range(0, width * unit, unit):
            v = int.from_bytes(row[i:i + unit], "big" if order == 1 else "little")
            pixels.append(tuple((v & m) >> s for m, s in zip(masks, shifts)))
        rows.append(pixels)
    return rows


def read_png(path):
    """The rows of an 8-bit RGB or RGBA PNG file (alpha dropped)."""
    data = open(path, "rb").read()
    at, idat = 8, b""
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", body[:10])
        elif kind == b"IDAT":
            idat += body
        at += 12 + length
    if depth != 8 or colour not in (2, 6):
        fail("%s is not an 8-bit RGB picture" % path)
    bpp = 3 if colour == 2 else 4
    raw, stride, rows, previous = zlib.decompress(idat), width * bpp, [], bytearray(width * bpp)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - bpp] if i >= bpp else 0
            up, corner = previous[i], previous[i - bpp] if i >= bpp else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 0xFF
        rows.append([tuple(line[i:i + 3]) for i in range(0, stride, bpp)])
        previous = line
    return rows
