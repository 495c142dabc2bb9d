#!/usr/bin/env python3
"""What the idle magnifier costs: CPU of the program and of its Wine server
while no lens is shown, and the program's resident memory before the first
lens and after a lens was shown and hidden.

Runs VexaMagnifier.exe under Wine on a 1920 x 1080 virtual display (auto-lock
off, right Ctrl trigger), measures idle CPU over --seconds, shows the lens by
holding the key for a second while moving the mouse, and measures again.

Usage: idle_cost.py --exe build/win64/VexaMagnifier.exe [--seconds 60]
"""

import argparse
import os
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))

from harness import (MAGNIFIER_SETTINGS_KEY, Display, HarnessError, Session, Wine, find_pattern_exe,  # noqa: E402
                     release_input)

TICKS = os.sysconf("SC_CLK_TCK")


def cpu_seconds(pid):
    with open("/proc/%d/stat" % pid) as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS


def resident_mb(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024.0
    return 0.0


def processes_of(prefix, name):
    """Process ids whose command line names `name` and whose environment uses the prefix."""
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open("/proc/%s/cmdline" % entry, "rb") as cmdline:
                if name.encode() not in cmdline.read():
                    continue
            with open("/proc/%s/environ" % entry, "rb") as environ:
                if ("WINEPREFIX=%s" % prefix).encode() not in environ.read().split(b"\0"):
                    continue
        except OSError:
            continue
        found.append(int(entry))
    return found


def idle_cpu(pids, seconds):
    before = sum(cpu_seconds(pid) for pid in pids)
    time.sleep(seconds)
    after = sum(cpu_seconds(pid) for pid in pids)
    return 100.0 * (after - before) / seconds


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--exe", required=True)
    parser.add_argument("--seconds", type=int, default=60)
    arguments = parser.parse_args()

    display = Display(1920, 1080)
    wine = Wine()
    try:
        wine.lock()
        wine.kill()
        display.start()
        wine.prepare(display)
        session = Session(arguments.exe, find_pattern_exe(arguments.exe), display, wine)
        release_input(display)
        wine.reg_delete_key(MAGNIFIER_SETTINGS_KEY)
        wine.reg_add(MAGNIFIER_SETTINGS_KEY, "AutoLock", "REG_DWORD", 0)
        session.start_pattern()
        session.start_program("/STARTUP")
        if session.wait_tray(timeout=30) is None:
            raise HarnessError("the program showed no tray icon")
        program = processes_of(wine.prefix, Path(arguments.exe).name)
        server = processes_of(wine.prefix, "wineserver")
        if len(program) != 1 or not server:
            raise HarnessError("cannot find the program (%s) or its server (%s)" % (program, server))
        time.sleep(5)
        print("idle_cost: 1920x1080, load average %s" % open("/proc/loadavg").read().split()[:3])
        before = resident_mb(program[0])
        program_cpu = idle_cpu(program, arguments.seconds)
        both_cpu = idle_cpu(program + server, arguments.seconds)
        print("  idle CPU before any lens: program %.2f %%, program + wineserver %.2f %% of a core" % (
            program_cpu, both_cpu))
        print("  resident memory before the first lens: %.1f MB" % before)
        for _ in range(3):
            session.focus_pattern()
            session.display.x.fake_key("Control_R", True)
            for step in range(10):
                session.mouse_move(600 + step * 40, 400 + step * 20)
                time.sleep(0.1)
            session.display.x.fake_key("Control_R", False)
            time.sleep(3)
        after = resident_mb(program[0])
        print("  resident memory after the lens hid: %.1f MB (%+.1f MB)" % (after, after - before))
        both_after = idle_cpu(program + server, arguments.seconds)
        print("  idle CPU after the lens: program + wineserver %.2f %% of a core" % both_after)
        session.cleanup()
        return 0
    except HarnessError as error:
        print("idle_cost: %s" % error)
        return 1
    finally:
        try:
            wine.kill()
        finally:
            display.stop()


if __name__ == "__main__":
    sys.exit(main())
