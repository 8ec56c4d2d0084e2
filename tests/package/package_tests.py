#!/usr/bin/env python3
"""The Windows download that tools/package.sh left in BUILD/dist, checked as a user meets it.

    package_tests.py GROUP...      groups: files zip installer

files: names, checksums and contents; stripped programs that import only system DLLs.
zip: its programs run from a folder whose path holds a space and Chinese characters.
installer: its language, a silent upgrade of an older installation, the installed
program, the uninstaller. Each group runs its checks in order and prints PASS or FAIL
for each. Exit status 0 when all passed, 1 otherwise, 77 when the bench is missing.
"""

import os
import re
import shutil
import subprocess
import sys
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
import guidriver as gd  # noqa: E402

DIST = os.path.join(gd.BUILD, "dist")
WORK = os.path.join(gd.RUN, "package")
ARTIFACTS = os.path.join(gd.RUN, "artifacts", "package")
PROGRAM = os.path.join(gd.BUILD, "win", "app", "RadioConfig.exe")
COM = 9
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\RadioConfig"
INSTALL_DIR = r"C:\Program Files\RadioConfig"
OTHER_DIR = r"C:\Tools\RadioConfig"  # no blank: /D= must stand unquoted
SHORTCUT = r"C:\ProgramData\Microsoft\Windows\Start Menu\Programs\RadioConfig.lnk"
CONTENTS = ["README.txt", "RadioConfig.exe", "licenses/gcc-runtime.txt", "licenses/mingw-w64-runtime.txt",
            "licenses/stb_image.txt", "radiocfg.exe", "sample.cfg"]
NOTICES = {"gcc-runtime.txt": "GCC Runtime Library Exception", "mingw-w64-runtime.txt": "winpthreads",
           "stb_image.txt": "Sean Barrett"}
# DLLs that every Windows installation has.
SYSTEM_DLLS = {"advapi32.dll", "comctl32.dll", "comdlg32.dll", "gdi32.dll", "gdiplus.dll", "imm32.dll",
               "kernel32.dll", "msimg32.dll", "msvcrt.dll", "ole32.dll", "oleaut32.dll", "setupapi.dll",
               "shell32.dll", "shlwapi.dll", "user32.dll", "uxtheme.dll", "version.dll", "winmm.dll"}
RADIOCONFIG_LIMIT = 2000000
TITLES = {"zh": "维曼外置电台配置工具-", "en": "Velmar Configuration Tool-"}


def expect(condition, message):
    if not condition:
        raise gd.DriverError(message)


def version_resource():
    """(a.b.c.d, its text, the company) from the built program's version resource."""
    rc = gd.run(["x86_64-w64-mingw32-windres", "-i", PROGRAM, "-O", "rc"])
    numbers = re.search(r"FILEVERSION\s+(\d+),\s*(\d+),\s*(\d+),\s*(\d+)", rc).groups()
    value = lambda name: re.search(r'VALUE "%s", "([^"]*)"' % name, rc).group(1)  # noqa: E731
    return ".".join(numbers), value("FileVersion"), value("CompanyName")


VERSION, VERSION_TEXT, PUBLISHER = version_resource()
ZIP = os.path.join(DIST, "RadioConfig-%s-win64.zip" % VERSION)
SETUP = os.path.join(DIST, "RadioConfig-%s-setup.exe" % VERSION)
TOP = "RadioConfig-%s-win64/" % VERSION


def unix_path(windows_path):
    return os.path.join(os.environ["WINEPREFIX"], "drive_c", *windows_path[3:].split("\\"))


def wine(args, cwd=None, env=None, timeout=60):
    """(exit code, output text) of a Windows program."""
    code, out, _ = gd.run_status(["wine"] + args, timeout, env or gd.wine_env(), cwd)
    return code, out.decode("utf-8", errors="replace")


def chinese_windows_env():
    """Wine as on a Chinese Windows, whose file names may hold any character: Wine reads Unix
    file names in the C library's locale, so that locale must exist (made once into the run folder)."""
    folder = os.path.join(gd.RUN, "locale")
    made = os.path.join(folder, gd.CHINESE_LOCALE)
    if not os.path.isdir(made):
        os.makedirs(folder, exist_ok=True)
        # Warnings about the locale's sources give exit status 1; the files are made all the same.
        gd.run(["localedef", "-i", "zh_CN", "-f", "UTF-8", made], timeout=120, check=False)
    expect(os.path.isdir(made), "localedef made no %s" % made)
    return dict(gd.wine_env(), LOCPATH=folder)


def unpack(folder):
    """The zip unpacked into folder; the folder of its programs."""
    shutil.rmtree(folder, ignore_errors=True)
    with zipfile.ZipFile(ZIP) as archive:
        archive.extractall(folder)
    return os.path.join(folder, TOP)


def listed_files(folder):
    return sorted(os.path.relpath(os.path.join(d, f), folder).replace(os.sep, "/")
                  for d, _, files in os.walk(folder) for f in files)


# --- files -------------------------------------------------------------------

def names_and_checksums(_):
    names = [os.path.basename(path) for path in (ZIP, SETUP)]
    expect(sorted(os.listdir(DIST)) == sorted(names + ["SHA256SUMS"]),
           "dist holds %r, not the version %s's files" % (sorted(os.listdir(DIST)), VERSION))
    listed = [line.split()[-1] for line in open(os.path.join(DIST, "SHA256SUMS"))]
    code, out, _ = gd.run_status(["sha256sum", "--check", "--strict", "SHA256SUMS"], cwd=DIST)
    expect(code == 0 and listed == names, "SHA256SUMS lists %r: %s" % (listed, out.decode()))


def zip_contents(group):
    with zipfile.ZipFile(ZIP) as archive:
        names = sorted(n[len(TOP):] for n in archive.namelist() if n.startswith(TOP) and not n.endswith("/"))
        expect(names == CONTENTS and all(n.startswith(TOP) for n in archive.namelist()),
               "the zip holds %r" % archive.namelist())
    group.folder = unpack(os.path.join(WORK, "files"))


def programs_stripped_and_system_only(group):
    for name in ("RadioConfig.exe", "radiocfg.exe"):
        path = os.path.join(group.folder, name)
        symbols = subprocess.run(["x86_64-w64-mingw32-nm", path], capture_output=True, text=True)
        expect("no symbols" in symbols.stderr, "%s is not stripped" % name)
        headers = gd.run(["x86_64-w64-mingw32-objdump", "-p", path])
        dlls = {dll.lower() for dll in re.findall(r"DLL Name: (\S+)", headers)}
        expect("kernel32.dll" in dlls, "no imports found in %s" % name)
        expect(dlls <= SYSTEM_DLLS, "%s imports %s" % (name, sorted(dlls - SYSTEM_DLLS)))
    size = os.path.getsize(os.path.join(group.folder, "RadioConfig.exe"))
    expect(size < RADIOCONFIG_LIMIT, "RadioConfig.exe has %d bytes" % size)


def guide_and_notices(group):
    guide = open(os.path.join(group.folder, "README.txt"), "rb").read()
    expect(guide.startswith(b"\xef\xbb\xbf"), "README.txt has no byte order mark")
    expect(guide.count(b"\n") == guide.count(b"\r\n"), "README.txt has lines without CR LF")
    text = guide.decode("utf-8")
    expect("RadioConfig " + VERSION_TEXT in text and "@" not in text, "README.txt does not name the version")
    expect(text.index("A. ENGLISH") < text.index("B. 中文"), "README.txt lacks a language")
    for name, phrase in NOTICES.items():
        expect(phrase in open(os.path.join(group.folder, "licenses", name), errors="replace").read(),
               "licenses/%s lacks %r" % (name, phrase))


# --- the program's window ----------------------------------------------------

def title_bar_painted(image):
    # Right of the title label: 0xD1E8F5 fading to 0xC9E3F4.
    pixel = image.pixel(400, 18)
    r, g, b = pixel >> 16, pixel >> 8 & 0xFF, pixel & 0xFF
    return 0xC1 <= r <= 0xD9 and 0xDB <= g <= 0xF0 and b >= 0xEC


def expect_window(language, process=None):
    """The program's window in that language, once it shows its skin."""
    app = gd.RadioConfigWindow(language, ARTIFACTS)
    app.process = process
    app.window = gd.wait_window(TITLES[language] + VERSION_TEXT, 30)
    app.locate()
    expect(app.size == gd.WINDOW_SIZE, "the window is %dx%d" % app.size)
    gd.wait_for("the window's title bar", lambda: title_bar_painted(app.grab_window()), 10)
    return app


def close_window(app):
    gd.focus(app.window)
    gd.press("Escape")
    gd.wait_window_gone(app.window, 15)
    gd.wait_for("the program to end", lambda: "radioconfig.exe" not in wine(["tasklist"])[1].lower(), 15,
                interval=0.5)


# --- zip -----------------------------------------------------------------------

def zip_unpacked(group):
    group.folder = unpack(os.path.join(WORK, "Radio Tools 电台配置"))
    group.env = chinese_windows_env()


def sample_written_and_read_back(group):
    def radiocfg(*args):
        return wine(["radiocfg.exe", args[0], "--port", str(COM)] + list(args[1:]), cwd=group.folder, env=group.env)
    code, out = radiocfg("write", "sample.cfg")
    expect(code == 0 and out.splitlines()[-1:] == ["Write Success"], "write gave %d: %r" % (code, out))
    code, out = radiocfg("read", "--out", "读回.cfg")
    expect(code == 0, "read gave %d: %r" % (code, out))
    read_back, sample = (open(os.path.join(group.folder, name), "rb").read() for name in ("读回.cfg", "sample.cfg"))
    expect(read_back == sample, "the radio gave back %r" % read_back)


def window_from_the_zip(group):
    gd.reg_apply(gd.USER_KEY, {"Chinese": "1"})
    process = subprocess.Popen(["wine", os.path.join(group.folder, "RadioConfig.exe")], cwd=group.folder,
                               stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               env=group.env)
    app = expect_window("zh", process)
    try:
        close_window(app)
        app.wait_exit()
    finally:
        app.kill()


# --- installer -----------------------------------------------------------------

def follows_the_system_language(_):
    for locale, word in (("zh_CN.UTF-8", "安装"), ("en_US.UTF-8", "Setup")):
        env = dict(os.environ, LC_ALL=locale)
        process = subprocess.Popen(["wine", SETUP], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL, env=env)
        try:
            window = gd.wait_window("RadioConfig %s %s" % (VERSION_TEXT, word), 30)
        finally:
            process.kill()
            process.wait()
        gd.wait_window_gone(window)


def expect_installed(folder, version):
    entry = gd.reg_values(UNINSTALL_KEY)
    expected = {"DisplayName": "RadioConfig", "DisplayVersion": version, "Publisher": PUBLISHER,
                "InstallLocation": folder}
    expect({k: entry.get(k) for k in expected} == expected, "Add/Remove entry %r" % entry)
    files = listed_files(unix_path(folder))
    expect(files == sorted(CONTENTS + ["uninstall.exe"]), "installed: %r" % files)
    expect(os.path.exists(unix_path(SHORTCUT)), "no Start menu shortcut")


def install(expected_code=0):
    code, _ = wine([SETUP, "/S"])
    expect(code == expected_code, "the installer exited %d" % code)


def installs_into_program_files(group):
    gd.reg_apply(gd.USER_KEY, group.settings)
    install()
    expect_installed(INSTALL_DIR, VERSION)


def starts_from_the_start_menu(_):
    code, _ = wine(["start", SHORTCUT])
    expect(code == 0, "start gave %d" % code)
    app = expect_window("en")
    install(2)  # not over the running program
    close_window(app)


def radiocfg_from_the_install_folder(_):
    code, out = wine(["radiocfg.exe", "ports"], cwd=unix_path(INSTALL_DIR))
    expect(code == 0 and "COM%d" % COM in out.split(), "radiocfg ports gave %d: %r" % (code, out))


def uninstall_keeps_the_settings(group):
    settings = gd.reg_values(gd.USER_KEY)
    expect(settings.get("Baud") == group.settings["Baud"], "the program did not keep its settings")
    uninstaller = gd.reg_values(UNINSTALL_KEY)["UninstallString"].strip('"')
    wine([uninstaller, "/S"])
    # The uninstaller works on from a copy of itself while the first process ends.
    gd.wait_for("the uninstaller to finish", lambda: not os.path.exists(unix_path(INSTALL_DIR))
                and not gd.reg_values(UNINSTALL_KEY), 60, interval=0.5)
    expect(not os.path.exists(unix_path(SHORTCUT)), "the shortcut is still there")
    expect(gd.reg_values(gd.USER_KEY) == settings, "settings after uninstalling: %r" % gd.reg_values(gd.USER_KEY))


def older_installer():
    """An installer of version 1.1.2.0 whose README.txt says "old"."""
    stage = unpack(os.path.join(WORK, "old")).rstrip("/")
    with open(os.path.join(stage, "README.txt"), "w") as readme:
        readme.write("old")
    setup = os.path.join(WORK, "old-setup.exe")
    gd.run(["makensis", "-V2", "-INPUTCHARSET", "UTF8", "-DVERSION=1.1.2.0", "-DVERSION_TEXT=V001.01.02",
            "-DPUBLISHER=" + PUBLISHER, "-DSTAGE=" + stage,
            "-DICON=" + os.path.join(gd.ROOT, "resources", "RadioConfig.ico"), "-DOUTFILE=" + setup,
            os.path.join(gd.ROOT, "tools", "package", "RadioConfig.nsi")], timeout=120)
    return setup


def upgrades_an_older_installation_in_place(_):
    expect(wine([older_installer(), "/S", "/D=" + OTHER_DIR])[0] == 0, "the older installer failed")
    expect(gd.reg_values(UNINSTALL_KEY).get("DisplayVersion") == "1.1.2.0", "the older version is not listed")
    install()
    expect_installed(OTHER_DIR, VERSION)
    expect(open(os.path.join(unix_path(OTHER_DIR), "README.txt"), "rb").read().startswith(b"\xef\xbb\xbf"),
           "README.txt is still the older one")
    expect(not os.path.exists(unix_path(INSTALL_DIR)), "the upgrade went to %s" % INSTALL_DIR)


def remove_installation():
    wine(["taskkill", "/f", "/im", "RadioConfig.exe"])
    for folder in (INSTALL_DIR, OTHER_DIR):
        shutil.rmtree(unix_path(folder), ignore_errors=True)
    if os.path.exists(unix_path(SHORTCUT)):
        os.remove(unix_path(SHORTCUT))
    gd.run(["wine", "reg", "delete", UNINSTALL_KEY, "/f"], check=False)


# --- groups --------------------------------------------------------------------

class Group:
    """A simulated radio on COM9 and the operator's settings, put back at the end."""

    def __init__(self, name, checks, wine_needed=True, before=None):
        self.name, self.checks, self.wine_needed, self.before = name, checks, wine_needed, before
        self.radio = gd.SimulatedRadio("package", COM) if wine_needed else None
        self.saved, self.folder, self.env = {}, None, None
        self.settings = {"Port": "0", "Baud": "4", "Chinese": "0"}

    def run(self):
        if self.wine_needed:
            gd.keep_wineserver()
            self.saved = {name: gd.reg_values(gd.USER_KEY).get(name) for name in self.settings}
            self.radio.start()
        if self.before:
            self.before()
        try:
            return gd.run_checks(self.name, self.checks, self, ARTIFACTS if self.wine_needed else None)
        finally:
            if self.before:
                self.before()
            if self.wine_needed:
                self.radio.stop()
                gd.reg_apply(gd.USER_KEY, self.saved)


GROUPS = {
    "files": lambda: Group("files", [names_and_checksums, zip_contents, programs_stripped_and_system_only,
                                     guide_and_notices], wine_needed=False),
    "zip": lambda: Group("zip", [zip_unpacked, sample_written_and_read_back, window_from_the_zip]),
    "installer": lambda: Group("installer", [follows_the_system_language, installs_into_program_files,
                                             starts_from_the_start_menu, radiocfg_from_the_install_folder,
                                             uninstall_keeps_the_settings, upgrades_an_older_installation_in_place],
                               before=remove_installation),
}


def main(names):
    if not names or any(name not in GROUPS for name in names):
        print(__doc__, file=sys.stderr)
        return 2
    missing = [v for v in ("WINEPREFIX", "DISPLAY") if not os.environ.get(v)] if set(names) != {"files"} else []
    if missing:
        print("SKIP: %s is not set (run through tools/test.sh)" % missing[0])
        return 77
    if not os.path.exists(ZIP) or not os.path.exists(SETUP):
        print("FAIL: %s holds no download of version %s (tools/package.sh makes it)" % (DIST, VERSION))
        return 1
    failures = sum(GROUPS[name]().run() for name in names)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
