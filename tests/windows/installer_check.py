#!/usr/bin/env python3
"""The Windows installer under Wine: a silent install puts the program, its
licence, the uninstaller and the Start-menu shortcut in place; the installed
program runs; a silent uninstall leaves nothing of it behind.

usage: installer_check.py WINE64 INSTALLER VERSION
"""
import os
import re
import shutil
import subprocess
import sys
import time

WINE, INSTALLER, VERSION = sys.argv[1], sys.argv[2], sys.argv[3]
DRIVE = os.path.join(os.environ["WINEPREFIX"], "drive_c")
FOLDER = os.path.join(DRIVE, "Program Files", "dsp-panel")
MENU = os.path.join(DRIVE, "ProgramData", "Microsoft", "Windows", "Start Menu", "Programs", "dsp-panel")
INSTALLED = ["bin/dsp-panel.exe", "LICENSE.txt", "Uninstall.exe"]


def fail(text):
    print("FAILED: " + text)
    sys.exit(1)


def wine(*args):
    return subprocess.run(["timeout", "120", WINE] + list(args), stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                          stdin=subprocess.DEVNULL)


def gone(seconds=30):
    deadline = time.time() + seconds
    while os.path.exists(FOLDER) or os.path.exists(MENU):
        if time.time() > deadline:
            return False
        time.sleep(0.2)
    return True


if not os.path.exists(INSTALLER):
    fail("no installer at %s (scripts/test-windows builds it with cpack)" % INSTALLER)
# What an interrupted earlier run may have left: the files, and the
# uninstall entry, which would make the installer look for the old
# uninstaller first.
for path in (FOLDER, MENU):
    shutil.rmtree(path, ignore_errors=True)
wine("reg", "delete", r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\dsp-panel", "/f")

r = wine(INSTALLER, "/S")
if r.returncode != 0:
    fail("the silent install ended with %d: %r" % (r.returncode, r.stderr))
missing = [f for f in INSTALLED if not os.path.isfile(os.path.join(FOLDER, f))]
if missing:
    fail("not installed: %s" % missing)
shortcut = os.path.join(MENU, "DSP Panel.lnk")
if not os.path.isfile(shortcut):
    fail("no Start-menu shortcut")
# The link's target, as the local path it keeps, is the installed program.
target = re.search(rb"C:\\[^\0]*?\.exe", open(shortcut, "rb").read())
if not target or not os.path.isfile(os.path.join(DRIVE, *target.group(0).decode().split("\\")[1:])):
    fail("the shortcut does not start the installed program: %r" % (target and target.group(0)))

r = wine(r"C:\Program Files\dsp-panel\bin\dsp-panel.exe", "--version")
if r.returncode != 0 or r.stdout.decode().strip() != "dsp-panel " + VERSION:
    fail("the installed program: status %d, %r %r" % (r.returncode, r.stdout, r.stderr))

# The uninstaller copies itself away and works from there, so the folder
# goes a moment after it returns.
r = wine(r"C:\Program Files\dsp-panel\Uninstall.exe", "/S")
if r.returncode != 0:
    fail("the silent uninstall ended with %d: %r" % (r.returncode, r.stderr))
if not gone():
    left = [os.path.join(d, f) for p in (FOLDER, MENU) for d, _, fs in os.walk(p) for f in fs]
    fail("left behind after the uninstall: %s" % left)
print("ok")
