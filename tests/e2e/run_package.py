#!/usr/bin/env python3
"""Scenarios of what is shipped, under Wine on a virtual X display:

- safe_loading: marker libraries named like system libraries lie next to the
  program, and Wine is told to prefer such native copies; the program starts,
  shows its tray icon and the lens, and none of the markers is loaded. A
  control program that loads the same names the careless way must load every
  marker, or the scenario cannot tell anything and fails.
- zip_in_unusual_folder: the zip's program, unpacked into a folder whose path
  has spaces and non-ASCII letters, starts, shows its tray icon and the lens.
- installer: the silent installer puts the program, the read-me, the licence
  and the uninstaller where it says, adds the Start-menu entry, the entry of
  the installed programs and the "Silent" value; the installed program starts
  and shows the lens; the silent uninstaller, run while the program runs,
  ends it, removes the files, the entries and a start-on-boot shortcut, and
  keeps the settings.

Usage: run_package.py --exe build/win64/VexaMagnifier.exe --zip dist/...-x64.zip
                      --setup build/package/...-setup-amd64.exe [-k NAME]...
"""

import argparse
import shutil
import subprocess
import sys
import time
import zipfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import harness  # noqa: E402
from harness import BUILD, Display, Failure, HarnessError, Wine, wait_for  # noqa: E402
from run_e2e import Magnifier, run_scenario  # noqa: E402

ARTIFACTS = BUILD / "e2e-artifacts"
PRODUCT = "Vexa Magnifier"
PRODUCT_KEY = r"HKCU\Software\Vexa\Vexa Magnifier"
UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\VexaMagnifier"
# The libraries planted next to the program: the visual styles library that
# the common controls and the toolkit load, the process-status library of the
# single-instance test, the common controls themselves and the image-blending
# library. Not version.dll: Wine's own user32 imports it, so under Wine every
# program that imports user32 loads a planted version.dll while the process
# is made, before its first instruction; Windows' user32 does not import it.
MARKED_LIBRARIES = ["uxtheme", "psapi", "comctl32", "msimg32"]
# Spaces, and letters outside ASCII in both folder names.
UNUSUAL_FOLDER = "Tools für Größe/Lupe Ünïcode Ω"

SCENARIOS = []


def scenario(name):
    def register(function):
        SCENARIOS.append((name, function))
        return function
    return register


class Shipped(Magnifier):
    """A session whose program is started by its Windows path (the path the
    installer and the uninstaller know it by)."""

    windows_path = None
    options = None

    def start_program(self, *arguments):
        if self.windows_path is None:
            return super().start_program(*arguments)
        process = self.wine.start([self.windows_path] + list(arguments), "program")
        self.processes.append(process)
        return process

    def windows_folder(self, variable):
        """A Windows folder such as %LOCALAPPDATA%, as Windows and as Unix path."""
        result = self.wine.run(["cmd", "/c", "echo", "%" + variable + "%"], timeout=60)
        windows = result.stdout.decode(errors="replace").strip().splitlines()[-1].strip()
        return windows, self.unix_path(windows)

    def unix_path(self, windows):
        if len(windows) < 3 or windows[1] != ":" or windows[0].lower() != "c":
            raise HarnessError("not a path on drive C: %r" % windows)
        return self.wine.prefix / "drive_c" / windows[3:].replace("\\", "/")

    def lens_works(self, what):
        """Right Ctrl held shows the 2x lens around the cursor; released, the
        desktop comes back."""
        self.ready_for_keys(960, 540)
        self.key_down("Control_R")
        self.wait_lens(200, (960, 540), what)
        self.key_up("Control_R")
        self.wait_desktop(what + ", released")


@scenario("safe_loading")
def safe_loading(m):
    work = BUILD / "e2e-package" / "safe"
    shutil.rmtree(work, ignore_errors=True)
    control = work / "control"
    program = work / "program"
    for folder in (control, program):
        folder.mkdir(parents=True)
        for library in MARKED_LIBRARIES:
            shutil.copy(m.options.markers / (library + ".dll"), folder / (library + ".dll"))
    shutil.copy(m.options.probe, control / "LoadProbe.exe")
    shutil.copy(m.options.exe, program / "VexaMagnifier.exe")
    m.wine.extra_overrides = ",".join(MARKED_LIBRARIES) + "=n,b"
    try:
        m.wine.run([control / "LoadProbe.exe"] + [library + ".dll" for library in MARKED_LIBRARIES], timeout=60)
        unfired = [library for library in MARKED_LIBRARIES if not (control / (library + ".dll.loaded")).exists()]
        if unfired:
            raise HarnessError("the control program did not load the markers %s: this Wine cannot show "
                               "whether the program is safe" % unfired)
        m.exe = program / "VexaMagnifier.exe"
        m.settings(AutoLock=0)
        m.launch("/startup")
        m.lens_works("lens of the program with markers beside it")
    finally:
        m.wine.extra_overrides = ""
    loaded = [library for library in MARKED_LIBRARIES if (program / (library + ".dll.loaded")).exists()]
    if loaded:
        m.fail("the program loaded the planted %s from its own folder" % ", ".join(loaded))


@scenario("zip_in_unusual_folder")
def zip_in_unusual_folder(m):
    target = m.wine.prefix / "drive_c" / UNUSUAL_FOLDER
    shutil.rmtree(m.wine.prefix / "drive_c" / UNUSUAL_FOLDER.split("/")[0], ignore_errors=True)
    with zipfile.ZipFile(m.options.zip) as archive:
        names = archive.namelist()
        archive.extractall(target)
    programs = [name for name in names if name.endswith("/VexaMagnifier.exe")]
    for expected in ("ReadMe.txt", "License.txt"):
        if not any(name.endswith("/" + expected) for name in names):
            m.fail("the zip holds no %s: %s" % (expected, names))
    if len(programs) != 1:
        m.fail("the zip should hold one VexaMagnifier.exe in one folder: %s" % names)
    m.exe = target / programs[0]
    m.windows_path = "C:\\" + (UNUSUAL_FOLDER + "/" + programs[0]).replace("/", "\\")
    try:
        m.settings(AutoLock=0)
        m.launch("/startup")
        m.lens_works("lens of the program unpacked into %s" % UNUSUAL_FOLDER)
    finally:
        m.cleanup()
        shutil.rmtree(m.wine.prefix / "drive_c" / UNUSUAL_FOLDER.split("/")[0], ignore_errors=True)


def run_and_wait(m, arguments, what, timeout=60):
    try:
        result = m.wine.run(arguments, timeout=timeout)
    except HarnessError as error:
        m.fail("%s: %s" % (what, error))
    return result.returncode


@scenario("installer")
def installer(m):
    local_windows, local = m.windows_folder("LOCALAPPDATA")
    _, roaming = m.windows_folder("APPDATA")
    folder = local / "Programs" / PRODUCT
    folder_windows = local_windows + "\\Programs\\" + PRODUCT
    start_menu = roaming / "Microsoft" / "Windows" / "Start Menu" / "Programs"
    # Wine names the folder "StartUp"; Linux would take "Startup" for another one.
    startup = next((child for child in start_menu.iterdir() if child.name.lower() == "startup"),
                   start_menu / "StartUp")
    startup_link = startup / ("%s %s.lnk" % (PRODUCT, m.options.version))
    # A clean start: nothing of an earlier run.
    shutil.rmtree(folder, ignore_errors=True)
    m.wine.reg_delete_key(UNINSTALL_KEY)
    m.wine.reg_delete_key(PRODUCT_KEY)

    code = run_and_wait(m, [m.options.setup, "/S"], "silent installation", timeout=120)
    if code != 0:
        m.fail("the silent installer ended with code %d" % code)
    missing = [name for name in ("VexaMagnifier.exe", "ReadMe.txt", "License.txt", "Uninstall.exe")
               if not (folder / name).is_file()]
    if missing:
        m.fail("after the silent installation %s lacks %s" % (folder, missing))
    if (folder / "VexaMagnifier.exe").read_bytes() != Path(m.options.exe64).read_bytes():
        m.fail("the installed program is not the 64-bit program on 64-bit Windows")
    if not (start_menu / (PRODUCT + ".lnk")).is_file():
        m.fail("no Start-menu entry %s" % (start_menu / (PRODUCT + ".lnk")))
    expected = {
        "DisplayName": PRODUCT,
        "DisplayVersion": m.options.version,
        "UninstallString": '"%s\\Uninstall.exe"' % folder_windows,
        "QuietUninstallString": '"%s\\Uninstall.exe" /S' % folder_windows,
        "InstallLocation": folder_windows,
    }
    for name, value in expected.items():
        seen = m.wine.reg_query(UNINSTALL_KEY, name)
        if seen != value:
            m.fail("uninstall entry %s is %r, expected %r" % (name, seen, value))
    silent = m.wine.reg_query(PRODUCT_KEY, "Silent")
    if silent is None or int(silent.split()[-1], 16) != 1:
        m.fail("the installer set Silent to %r, expected 1" % silent)

    # The installed program runs; settings and a start-on-boot shortcut
    # exist when the uninstaller comes.
    m.exe = folder / "VexaMagnifier.exe"
    m.windows_path = folder_windows + "\\VexaMagnifier.exe"
    m.settings(AutoLock=0)
    process = m.launch("/startup")
    m.lens_works("lens of the installed program")
    startup_link.parent.mkdir(parents=True, exist_ok=True)
    startup_link.write_bytes(b"shortcut made for the test")

    started = time.monotonic()
    run_and_wait(m, [folder / "Uninstall.exe", "/S"], "silent uninstallation", timeout=60)

    # The uninstaller copies itself away and goes on from there: wait until
    # everything it should do is done, then name what is not.
    def left_over():
        left = []
        if process.poll() is None:
            left.append("the running program")
        if folder.exists():
            left.append("the program folder with %s" % sorted(path.name for path in folder.iterdir()))
        left += [str(link) for link in (start_menu / (PRODUCT + ".lnk"), startup_link) if link.exists()]
        if m.wine.reg_query(UNINSTALL_KEY, "DisplayName") is not None:
            left.append("the uninstall entry")
        return left

    if wait_for(lambda: not left_over(), 60, 0.5) is None:
        m.fail("60 s after the silent uninstallation began, it left %s" % "; ".join(left_over()))
    harness.log("uninstalled in %.1f s" % (time.monotonic() - started))
    # The question about the settings comes last: give a wrong answer time to act.
    time.sleep(2)
    kept = m.wine.reg_query(PRODUCT_KEY + r"\SaveData\View", "AutoLock")
    if kept is None:
        m.fail("the silent uninstallation removed the settings; it must keep them")
    m.wine.reg_delete_key(PRODUCT_KEY)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--exe", required=True, help="the 64-bit program (build/win64/VexaMagnifier.exe)")
    parser.add_argument("--exe64", help="the program the installer carries (default: --exe)")
    parser.add_argument("--zip", help="the x64 zip")
    parser.add_argument("--setup", help="the installer on NSIS's 64-bit stub")
    parser.add_argument("--version", help="the version in the file names")
    parser.add_argument("-k", dest="selection", action="append", default=[])
    options = parser.parse_args()
    build = Path(options.exe).resolve().parent
    options.exe = Path(options.exe).resolve()
    options.exe64 = Path(options.exe64 or options.exe).resolve()
    options.markers = build / "markers"
    options.probe = build / "LoadProbe.exe"
    selected = [(name, function) for name, function in SCENARIOS
                if not options.selection or any(word in name for word in options.selection)]
    needs = {"zip_in_unusual_folder": options.zip, "installer": options.setup and options.version}
    results = []
    wine = Wine()
    wine.lock()
    started = time.monotonic()
    for name, function in selected:
        if name in needs and not needs[name]:
            print("FAIL %s: not given what it tests (--zip, --setup, --version)" % name)
            results.append((name, "FAIL"))
            continue
        display = Display(1920, 1080)
        try:
            wine.kill()
            display.start()
            session = Shipped(options.exe, harness.find_pattern_exe(options.exe), display, wine, ARTIFACTS)
            session.options = options
            status, reason, seconds = run_scenario(session, name, function)
        except HarnessError as error:
            status, reason, seconds = "FAIL", "harness: %s" % error, 0.0
        finally:
            try:
                wine.kill()
            finally:
                display.stop()
        results.append((name, status))
        print("%s %s (%.1f s)%s" % (status, name, seconds, ": " + reason if reason else ""), flush=True)
    passed = sum(1 for _, status in results if status == "PASS")
    print("package: ran for %.0f s" % (time.monotonic() - started))
    print("package: %d passed, %d failed" % (passed, len(results) - passed))
    return 0 if passed == len(results) else 1


if __name__ == "__main__":
    sys.exit(main())
