"""Drives the real RadioConfig window under Wine on an X display, as an operator would.

Input goes through the X server (xdotool), results are read back from the screen
(ImageMagick's import) and from the simulated radio's log and firmware files.
Control positions come from layoutdump.exe, which builds the main window's
controls as the program does and prints their client rectangles.

Expects the environment of tools/bench.sh: WINEPREFIX with a running wineserver,
DISPLAY, BENCH_BUILD and BENCH_DIR. Only the Python standard library is used.
"""

import concurrent.futures
import os
import subprocess
import tempfile
import time
import traceback

ROOT = os.environ.get("BENCH_ROOT") or os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.environ.get("BENCH_BUILD") or os.path.join(ROOT, "build")
RUN = os.environ.get("BENCH_DIR") or os.path.join(BUILD, "run")

SUCCESS_COLOR = 0x99FF99
FAILURE_COLOR = 0xFF9999
PROGRESS_COLOR = 0x3333FF
# Locales by the ANSI code page Wine gives the processes started in them. The program's
# texts are GBK whatever the code page; the helpers run in the Chinese one.
CODE_PAGE_LOCALES = {936: "zh_CN.UTF-8", 1252: "C.UTF-8"}
CHINESE_LOCALE = CODE_PAGE_LOCALES[936]
# The main window's size at 96 DPI: its skin's, which layoutdump's rectangles assume.
WINDOW_SIZE = (588, 489)
DESKTOP_KEY = r"HKCU\Control Panel\Desktop"
# The DPI Wine gives the programs started from now on (set_dpi).
DPI = 96
WINDOW_TITLES = {"zh": "维曼外置电台配置工具-V001.01.03", "en": "Velmar Configuration Tool-V001.01.03"}
STATUS_WORDS = {"zh": ("成功", "失败"), "en": (" Success", " Failure")}
USER_KEY = r"HKCU\Software\DurazeR"
PORTS_KEY = r"HKLM\Hardware\DeviceMap\SerialComm"


class DriverError(Exception):
    """A step did not reach the state it waited for."""


def run_status(args, timeout=30, env=None, cwd=None):
    """Runs a command to its end: (exit code, standard output, standard error) as bytes."""
    # Output goes through files, not pipes: Wine's helper processes (wineserver, the desktop,
    # services) inherit the handles and would hold a pipe open long after the command ends.
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        process = subprocess.Popen(args, stdin=subprocess.DEVNULL, stdout=out, stderr=err, env=env, cwd=cwd)
        try:
            code = process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
            raise DriverError("%s did not end within %d s" % (" ".join(args), timeout))
        out.seek(0)
        err.seek(0)
        return code, out.read(), err.read()


def run(args, timeout=30, env=None, check=True, binary=False):
    code, stdout, stderr = run_status(args, timeout, env)
    if check and code != 0:
        raise DriverError("%s exited %d: %s" % (" ".join(args), code, stderr.decode(errors="replace").strip()))
    return stdout if binary else stdout.decode("utf-8", errors="replace")


def keep_wineserver():
    """A wineserver that stays between Wine processes: the simulated radio's port lives in a
    volatile key. Without pipes, which a server started by a Wine process would hold open."""
    subprocess.run(["wineserver", "-p"], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=30)


def wait_for(what, probe, timeout, interval=0.1):
    """Calls probe until it returns something true; its last value, or DriverError naming what."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise DriverError("timed out after %.1f s waiting for %s" % (timeout, what))
        time.sleep(interval)


def windows_path(unix_path):
    return "Z:" + os.path.abspath(unix_path).replace("/", "\\")


def wine_env(locale=CHINESE_LOCALE):
    env = dict(os.environ)
    env["LC_ALL"] = locale
    return env


def scaled(length):
    """A skin length at the current DPI, rounded as the program rounds it."""
    return (length * DPI + 48) // 96


def set_dpi(dpi):
    """The DPI of the programs started from now on (Wine's LogPixels); 96 removes the setting."""
    global DPI
    if dpi == 96:
        run(["wine", "reg", "delete", DESKTOP_KEY, "/v", "LogPixels", "/f"], check=False)
    else:
        run(["wine", "reg", "add", DESKTOP_KEY, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f"])
    DPI = dpi


# --- registry -------------------------------------------------------------

def reg_set(key, name, value):
    run(["wine", "reg", "add", key, "/v", name, "/t", "REG_SZ", "/d", value, "/f"])


def reg_values(key):
    """The key's text values by name ({} when the key is absent)."""
    out = run(["wine", "reg", "query", key], check=False)
    values = {}
    for line in out.splitlines():
        parts = line.split(None, 2)
        if len(parts) >= 2 and parts[1].startswith("REG_"):
            values[parts[0]] = parts[2].strip() if len(parts) == 3 else ""
    return values


def reg_apply(key, values):
    """Sets every value of the dictionary in one go; None deletes it."""
    root, _, path = key.partition("\\")
    roots = {"HKCU": "HKEY_CURRENT_USER", "HKLM": "HKEY_LOCAL_MACHINE"}
    lines = ["REGEDIT4", "", "[%s\\%s]" % (roots.get(root, root), path)]
    for name, value in values.items():
        lines.append('"%s"=%s' % (name, "-" if value is None else '"%s"' % value.replace("\\", "\\\\")))
    reg_file = os.path.join(RUN, "e2e-settings.reg")
    os.makedirs(RUN, exist_ok=True)
    with open(reg_file, "w") as f:
        f.write("\r\n".join(lines) + "\r\n")
    run(["wine", "regedit", "/S", windows_path(reg_file)])


def reg_delete(key, name):
    run(["wine", "reg", "delete", key, "/v", name, "/f"], check=False)


# --- pictures --------------------------------------------------------------

class Image:
    """RGB pixels, row by row."""

    def __init__(self, width, height, data):
        self.width, self.height, self.data = width, height, data

    @staticmethod
    def from_ppm(blob):
        # Binary PPM: "P6", width, height, maximum, then the pixels; tokens split by blanks.
        fields, pos = [], 0
        while len(fields) < 4:
            while blob[pos:pos + 1].isspace():
                pos += 1
            if blob[pos:pos + 1] == b"#":
                pos = blob.index(b"\n", pos)
                continue
            start = pos
            while not blob[pos:pos + 1].isspace():
                pos += 1
            fields.append(blob[start:pos])
        if fields[0] != b"P6" or int(fields[3]) != 255:
            raise DriverError("not an 8-bit binary PPM picture")
        width, height = int(fields[1]), int(fields[2])
        data = blob[pos + 1:pos + 1 + width * height * 3]
        if len(data) != width * height * 3:
            raise DriverError("truncated PPM picture")
        return Image(width, height, data)

    @staticmethod
    def load(path):
        return Image.from_ppm(run(["convert", path, "-depth", "8", "ppm:-"], binary=True))

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return self.data[i] << 16 | self.data[i + 1] << 8 | self.data[i + 2]

    def crop(self, left, top, right, bottom):
        rows = [self.data[(y * self.width + left) * 3:(y * self.width + right) * 3] for y in range(top, bottom)]
        return Image(right - left, bottom - top, b"".join(rows))

    def columns_with(self, color, row):
        return sum(1 for x in range(self.width) if self.pixel(x, row) == color)

    def differing_pixels(self, other, tolerance=48):
        """Pixels whose channels differ by more than tolerance; every pixel when the sizes differ."""
        if (self.width, self.height) != (other.width, other.height):
            return self.width * self.height
        a, b = self.data, other.data
        return sum(1 for i in range(0, len(a), 3)
                   if max(abs(a[i] - b[i]), abs(a[i + 1] - b[i + 1]), abs(a[i + 2] - b[i + 2])) > tolerance)

    def save(self, path):
        header = b"P6\n%d %d\n255\n" % (self.width, self.height)
        subprocess.run(["convert", "ppm:-", path], input=header + self.data, check=True, timeout=30)


def grab_screen(left, top, width, height):
    geometry = "%dx%d+%d+%d" % (width, height, left, top)
    return Image.from_ppm(run(["import", "-window", "root", "-crop", geometry, "+repage", "-depth", "8", "ppm:-"],
                              binary=True))


def save_screen(path):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    run(["import", "-window", "root", path], check=False)


# --- X input ---------------------------------------------------------------

def xdo(*args, check=True):
    return run(["xdotool"] + [str(a) for a in args], check=check).strip()


def visible_windows(title=None):
    """The visible windows, or those whose whole name is title (compared here: xdotool's
    patterns do not take every text)."""
    ids = [int(w) for w in xdo("search", "--onlyvisible", "--name", ".", check=False).split()]
    return [w for w in ids if title is None or window_name(w) == title]


def window_name(window):
    return xdo("getwindowname", window, check=False)


def window_geometry(window):
    out = xdo("getwindowgeometry", "--shell", window)
    values = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def wait_window(title, timeout=10):
    """The visible top-level window whose whole name is title."""
    return wait_for("a window named %r" % title, lambda: next(iter(visible_windows(title)), None), timeout)


def wait_window_gone(window, timeout=10):
    wait_for("window %d to close" % window, lambda: window not in visible_windows(), timeout)


def move(x, y):
    # No --sync: xdotool then waits for a motion that never comes when the pointer is already there.
    xdo("mousemove", x, y)


def click(x, y):
    move(x, y)
    xdo("click", 1)


def press(*keys):
    xdo("key", "--delay", 30, *keys)


def type_text(text):
    # A character beyond the keyboard's own gets a key mapped for it; given time, none is lost.
    xdo("type", "--delay", 30 if text.isascii() else 150, text)


def focus(window):
    xdo("windowfocus", window, check=False)
    time.sleep(0.2)


# --- the simulated radio ---------------------------------------------------

class SimulatedRadio:
    """A socat cable mapped as a COM port with radiosim on its radio end."""

    def __init__(self, name, com, options=()):
        self.name, self.com, self.options = name, com, list(options)
        base = os.path.join(RUN, name)
        self.pc_end, self.radio_end = base + "-pc", base + "-radio"
        self.log, self.control = base + ".log", base + ".control"
        self.firmware_out = base + ".firmware"
        self.device_name = "\\Device\\Bench" + name
        self._processes = []
        self._log_offset = 0
        self._serial = 0

    def start(self):
        os.makedirs(RUN, exist_ok=True)
        for path in (self.pc_end, self.radio_end, self.log, self.firmware_out):
            if os.path.lexists(path):
                os.remove(path)
        self._serial = 0
        self._log_offset = 0
        self.set_scenario("")
        self._spawn(["socat", "pty,raw,echo=0,link=" + self.pc_end, "pty,raw,echo=0,link=" + self.radio_end])
        wait_for("the cable's two ends", lambda: os.path.exists(self.pc_end) and os.path.exists(self.radio_end), 5)
        link = os.path.join(os.environ["WINEPREFIX"], "dosdevices", "com%d" % self.com)
        if os.path.lexists(link):
            os.remove(link)
        os.symlink(self.pc_end, link)
        reg_set(PORTS_KEY, self.device_name, "COM%d" % self.com)
        radiosim = os.path.join(BUILD, "host", "radiosim", "radiosim")
        self._spawn([radiosim, "--device", self.radio_end, "--pc-device", self.pc_end, "--log", self.log,
                     "--control", self.control, "--firmware-out", self.firmware_out]
                    + self.options,
                    output=os.path.join(RUN, self.name + "-radiosim.out"))
        wait_for("radiosim to open its end", lambda: self._said_ready(), 5)
        return self

    def _said_ready(self):
        path = os.path.join(RUN, self.name + "-radiosim.out")
        return os.path.exists(path) and "radio on" in open(path, errors="replace").read()

    def _spawn(self, args, output=None):
        sink = open(output, "ab") if output else subprocess.DEVNULL
        self._processes.append(subprocess.Popen(args, stdin=subprocess.DEVNULL, stdout=sink, stderr=sink))

    def stop(self):
        for process in reversed(self._processes):
            process.terminate()
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
        self._processes = []
        reg_delete(PORTS_KEY, self.device_name)
        link = os.path.join(os.environ.get("WINEPREFIX", ""), "dosdevices", "com%d" % self.com)
        if os.path.islink(link) and os.readlink(link) == self.pc_end:
            os.remove(link)

    def set_scenario(self, words):
        """The faults the radio plays from its next command on, with its parameters reset."""
        self._serial += 1
        with open(self.control, "w") as control:
            # A changing comment makes the radio notice every write, even of the same words.
            control.write("# %d %d\nreset %s\n" % (self._serial, os.getpid(), words))

    def new_commands(self):
        """The commands logged since the last call, as the log escapes them."""
        if not os.path.exists(self.log):
            return []
        with open(self.log, "rb") as log:
            log.seek(self._log_offset)
            fresh = log.read()
        self._log_offset += len(fresh)
        return fresh.decode("latin-1").splitlines()

    def forget_firmware(self):
        """Removes what the last finished upgrade left, so that the next one shows."""
        if os.path.exists(self.firmware_out):
            os.remove(self.firmware_out)

    def firmware(self):
        if not os.path.exists(self.firmware_out):
            return None
        with open(self.firmware_out, "rb") as firmware:
            return firmware.read()


# --- layoutdump --------------------------------------------------------------

def layoutdump_path():
    return os.environ.get("LAYOUTDUMP") or os.path.join(BUILD, "win", "tools", "layoutdump", "layoutdump.exe")


def program_path():
    return os.environ.get("RADIOCONFIG") or os.path.join(BUILD, "win", "app", "RadioConfig.exe")


def _cached(name, make):
    """A file made by make(path) once per build of layoutdump.exe, kept in the run folder."""
    path = os.path.join(RUN, "e2e-cache", name)
    if not os.path.exists(path) or os.path.getmtime(path) < os.path.getmtime(layoutdump_path()):
        os.makedirs(os.path.dirname(path), exist_ok=True)
        make(path + ".new")
        os.replace(path + ".new", path)
    return path


def load_layout(language):
    """Control name -> (left, top, right, bottom) in client coordinates."""
    def make(path):
        out = run(["wine", layoutdump_path(), "--lang", language], env=wine_env(), timeout=60)
        with open(path, "w") as f:
            f.write(out)

    rects = {}
    with open(_cached("layout-%s-%d.txt" % (language, DPI), make)) as dump:
        for line in dump:
            parts = line.split()
            if len(parts) == 5:
                rects[parts[0]] = tuple(int(v) for v in parts[1:])
    if "statusLabel" not in rects:
        raise DriverError("layoutdump printed no status label")
    return rects


def message_boxes():
    """The visible message boxes, each as {"caption", "owner", "lines"}: its title, its owner
    window's title and its text line by line."""
    out = run(["wine", layoutdump_path(), "--message-boxes"], env=wine_env(), timeout=60, binary=True)
    boxes = []
    for line in out.decode("gbk", errors="replace").splitlines():
        kind, _, text = line.partition(" ")
        if kind == "box":
            boxes.append({"caption": text, "owner": None, "lines": []})
        elif kind == "owner" and boxes:
            boxes[-1]["owner"] = text
        elif kind == "line" and boxes:
            boxes[-1]["lines"].append(text)
    return boxes


def announce_device_change():
    """Tells every window that devices came or went, as plugging in a USB serial adapter does."""
    run(["wine", layoutdump_path(), "--device-change"], env=wine_env(), timeout=60)


def com_ports():
    """The COM port numbers in the order the program lists them."""
    out = run(["wine", layoutdump_path(), "--com-ports"], env=wine_env(), timeout=60)
    return [int(line[3:]) for line in out.split() if line.startswith("COM")]


def render_status(text, success, language, progress=None):
    """The status label as the window draws it after an operation's result, or with the text over
    a progress bar (progress 0 to 10000)."""
    encoded = text.encode("gbk")
    outcome = ["--progress", str(progress)] if progress is not None else ["--success" if success else "--failure"]

    def make(path):
        text_file = path + ".txt"
        with open(text_file, "wb") as out:
            out.write(encoded)
        run(["wine", layoutdump_path(), "--lang", language, "--render-status", "@" + windows_path(text_file)]
            + outcome + [windows_path(path + ".png")], env=wine_env(), timeout=60)
        os.remove(text_file)
        os.replace(path + ".png", path)

    kind = "progress%d" % progress if progress is not None else "ok" if success else "failed"
    name = "status-%s-%d-%s-%s.png" % (language, DPI, kind, encoded.hex())
    return Image.load(_cached(name, make))


def render_window(language):
    """The main window as the program draws it before a Read: its texts, no values."""
    def make(path):
        run(["wine", layoutdump_path(), "--lang", language, "--render-window", windows_path(path + ".png")],
            env=wine_env(), timeout=60)
        os.replace(path + ".png", path)

    return Image.load(_cached("window-%s-%d.png" % (language, DPI), make))


def prepare_pictures(languages, statuses):
    """Layouts and status pictures made side by side ahead of use: each costs a Wine start,
    which is mostly waiting. statuses: (text, success, language[, progress]) tuples."""
    jobs = [lambda lang=lang: load_layout(lang) for lang in languages]
    jobs += [lambda status=status: render_status(*status) for status in statuses]
    with concurrent.futures.ThreadPoolExecutor(max_workers=4) as pool:
        for future in [pool.submit(job) for job in jobs]:
            future.result()


# --- the program -------------------------------------------------------------

class RadioConfigWindow:
    """RadioConfig.exe started under Wine, its main window and the controls' places."""

    def __init__(self, language, artifacts, locale=CHINESE_LOCALE):
        self.language, self.artifacts, self.locale = language, artifacts, locale
        self.process = None
        self.window = None
        self.origin = (0, 0)
        self.size = (0, 0)
        self._layouts = {}
        self._renders = {}

    def start(self, timeout=30):
        self.process = subprocess.Popen(["wine", program_path()], stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                        env=wine_env(self.locale))
        self.window = wait_window(WINDOW_TITLES[self.language], timeout)
        self.locate()
        size = (scaled(WINDOW_SIZE[0]), scaled(WINDOW_SIZE[1]))
        if self.size != size:
            raise DriverError("the window is %dx%d, not %dx%d at %d DPI" % (self.size + size + (DPI,)))
        return self

    def locate(self):
        """Waits until the window has stopped moving (it is centred after it appears)."""
        last = [None]

        def settled():
            geometry = window_geometry(self.window)
            still = geometry == last[0]
            last[0] = geometry
            return still

        wait_for("the window to settle", settled, 10, interval=0.4)
        x, y, width, height = last[0]
        self.origin, self.size = (x, y), (width, height)

    def layout(self):
        if self.language not in self._layouts:
            self._layouts[self.language] = load_layout(self.language)
        return self._layouts[self.language]

    def rect(self, name):
        left, top, right, bottom = self.layout()[name]
        return left + self.origin[0], top + self.origin[1], right + self.origin[0], bottom + self.origin[1]

    def center(self, name):
        left, top, right, bottom = self.rect(name)
        return (left + right) // 2, (top + bottom) // 2

    def click(self, name):
        click(*self.center(name))

    def hover(self, name):
        x, y = self.center(name)
        move(x + 1, y)
        move(x, y)

    def grab(self, name):
        left, top, right, bottom = self.rect(name)
        return grab_screen(left, top, right - left, bottom - top)

    def grab_window(self):
        return grab_screen(self.origin[0], self.origin[1], self.size[0], self.size[1])

    def status_text(self, operation_text, success):
        words = STATUS_WORDS[self.language]
        return operation_text + (words[0] if success else words[1])

    def status_render(self, text, success, progress=None):
        key = (self.language, text, success, progress)
        if key not in self._renders:
            self._renders[key] = render_status(text, success, self.language, progress)
        return self._renders[key]

    def status_color(self, image=None):
        """The status label's background: the colour of most of its pixels."""
        image = image or self.grab("statusLabel")
        counts = {}
        for y in range(image.height):
            for x in range(image.width):
                color = image.pixel(x, y)
                counts[color] = counts.get(color, 0) + 1
        return max(counts, key=counts.get)

    def wait_status(self, operation_text, success, timeout=8):
        """Waits until the status label shows the operation's result as the window draws it."""
        text = self.status_text(operation_text, success)
        image = self.wait_status_among([(text, success, None)], timeout)[1]
        color = SUCCESS_COLOR if success else FAILURE_COLOR
        if self.status_color(image) != color:
            raise DriverError("status background %06X, expected %06X" % (self.status_color(image), color))
        return image

    def wait_status_among(self, candidates, timeout=8, interval=0.15):
        """Waits until the status label shows one of the candidates, (text, success, progress)
        triples drawn as the window draws them (progress None for a result); that candidate and
        the picture seen."""
        expected = [(candidate, self.status_render(*candidate)) for candidate in candidates]
        seen = {}

        def shows_one():
            seen["image"] = image = self.grab("statusLabel")
            for candidate, picture in expected:
                if image.differing_pixels(picture) <= picture.width * picture.height // 100:
                    return candidate, image
            return None

        try:
            return wait_for("the status %r" % [c[0] for c in candidates], shows_one, timeout, interval)
        except DriverError:
            for i, (_, picture) in enumerate(expected):
                self.keep_picture("status-expected-%d" % i, picture)
            if "image" in seen:
                self.keep_picture("status-seen", seen["image"])
            raise

    def keep_picture(self, name, image):
        os.makedirs(self.artifacts, exist_ok=True)
        image.save(os.path.join(self.artifacts, name + ".png"))

    def is_running(self):
        return self.process is not None and self.process.poll() is None

    def wait_exit(self, timeout=15):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise DriverError("the program did not end within %d s" % timeout)

    def kill(self):
        if self.is_running():
            self.process.kill()
            self.process.wait(timeout=10)


def open_menu_item(app, menu, item):
    """Presses a menu title, lets its panel follow the mouse and presses the item."""
    app.click(menu)
    app.hover(menu)
    app.click(item)


def choose_file(title, path, timeout=10):
    """Types path into the file dialog of that title and confirms it, and a create prompt when one comes."""
    dialog = wait_window(title, timeout)
    focus(dialog)
    type_text(windows_path(path))
    press("Return")
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        others = [w for w in visible_windows(title)]
        if not others:
            return
        prompts = [w for w in others if w != dialog]
        if prompts:
            focus(prompts[0])
            press("Return")
        time.sleep(0.3)
    raise DriverError("the %r dialog did not close" % title)


# --- runs of checks ----------------------------------------------------------

def run_checks(prefix, checks, subject, artifacts, ready=None):
    """Runs each check on subject, after ready(subject) where given, and prints PASS or
    FAIL with its time; a failure leaves a screenshot in artifacts (None: none). The
    number that failed."""
    failed = 0
    for check in checks:
        name = "%s-%s" % (prefix, check.__name__)
        started = time.monotonic()
        try:
            if ready:
                ready(subject)
            check(subject)
            print("PASS %s (%.1f s)" % (name, time.monotonic() - started), flush=True)
        except Exception:
            if artifacts:
                save_screen(os.path.join(artifacts, name + ".png"))
            print("FAIL %s (%.1f s)\n%s" % (name, time.monotonic() - started, traceback.format_exc()), flush=True)
            failed += 1
    return failed
