#!/usr/bin/env python3
"""End-to-end tests: the real RadioConfig.exe under Wine, operated through the X
server against a simulated radio of its own on COM8.

    e2e_tests.py GROUP...      groups: radio menus upgrade ports find cp936 cp1252
                               dpi120 dpi144 dpi192

Each group starts the program once and runs its scenarios in order; a failed scenario
leaves a screenshot in $BENCH_DIR/artifacts/e2e/. Exit status 0 when all passed, 1
otherwise, 77 when the bench environment is missing.
"""

import os
import random
import sys
import time
import traceback

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
import guidriver as gd  # noqa: E402

COM = 8
SETTINGS = ("Port", "Baud", "Chinese")
ARTIFACTS = os.path.join(gd.RUN, "artifacts", "e2e")
PICTURES = os.path.join(gd.RUN, "artifacts", "pictures")  # of the code page and DPI groups
WORK = os.path.join(gd.RUN, "e2e")

# The radio's tables as the operator meets them.
PROTOCOLS = ["TRIMTALK", "TRANSMDS", "HUACE", "TRIMMK3", "SOUTH", "HI-TARGET", "BURN-IN", "TRANSEOT", "TT450S"]
SERIAL_BAUDS = [9600, 19200, 38400, 57600, 115200]
LINK_RATES = {"TRIMTALK": [9600], "TRANSMDS": [4800, 9600, 19200], "HUACE": [4800, 9600, 19200],
              "TRIMMK3": [19200], "SOUTH": [9600, 19200], "HI-TARGET": [4800, 9600, 19200], "BURN-IN": [],
              "TRANSEOT": [4800, 9600], "TT450S": [4800, 9600]}
LINK_CODES = {4800: 1, 9600: 2, 19200: 3}
READ_COMMANDS = ["cfg_ch_n\\r", "cfg_prtl\\r", "cfg_sbau\\r", "cfg_baud\\r", "cfg_firm\\r", "cfg_hard\\r",
                 "cfg_sern\\r", "SREV\\r"] + ["cfg_ch_%d\\r" % i for i in range(10)]
COMMANDS = {"en": {"read": "Read", "write": "Write", "verify": "Verify", "connect": "Connect"},
            "zh": {"read": "读取", "write": "写入", "verify": "校验", "connect": "连接"}}

# The results the scenarios wait for, drawn ahead.
STATUSES = [(text + word, success, "en")
            for text in ("Connect", "Read", "Write", "Disconnect", "Export Config", "Import Config", "Upgrade Firmware",
                         "Verify", "Find Radio")
            for word, success in ((" Success", True), (" Failure", False))
            if success or text not in ("Export Config", "Import Config")] + [
    (text, text.endswith("成功"), "zh") for text in ("连接成功", "读取成功", "写入成功", "校验成功", "校验失败",
                                                     "查找电台成功", "查找电台失败", "升级程序成功")]

# What the simulated radio holds when a group starts (none of it is radiosim's default).
RADIO = {"channels": ["%.5f" % (452.5 + i * 1.25) for i in range(10)], "current": 3, "protocol": "TRANSMDS",
         "port_baud": 19200, "link_baud": 4800, "firmware": "V3.2.1", "subfirmware": "V0.9.8",
         "hardware": "H9.9", "serial": "SN7654321"}
# What the round trip imports: HUACE at 19200, current channel 7, radio port at 57600.
IMPORTED = {"channels": ["%.5f" % (461.0 + i * 0.5) for i in range(10)], "current": 7, "port_baud": 57600,
            "link_baud": 19200, "protocol": "HUACE"}


def radio_options(radio):
    options = sum((["--channel", "%d=%s" % channel] for channel in enumerate(radio["channels"])), [])
    return options + sum((["--" + key.replace("_", "-"), str(radio[key])] for key in (
        "current", "protocol", "port_baud", "link_baud", "firmware", "subfirmware", "hardware", "serial")), [])


def config_lines(radio, high=-1, low=-1):
    """A configuration file's sixteen lines for these values (power as list positions, -1 for none)."""
    protocol = radio["protocol"]
    return ["Channel%d,%s" % channel for channel in enumerate(radio["channels"])] + [
        "ProtocolType,%d" % PROTOCOLS.index(protocol), "CurrentChannel,%d" % (radio["current"] - 1),
        "PortBaudRate,%d" % SERIAL_BAUDS.index(radio["port_baud"]),
        "LinkBaudRate,%d" % LINK_RATES[protocol].index(radio["link_baud"]), "HighPower,%d" % high,
        "LowPower,%d" % low]


def write_commands(radio):
    return ["cfg_ch_%d %s\\r" % channel for channel in enumerate(radio["channels"])] + [
        "cfg_ch_n %d\\r" % radio["current"], "cfg_sbau %d\\r" % (SERIAL_BAUDS.index(radio["port_baud"]) + 1),
        "cfg_baud %d\\r" % LINK_CODES[radio["link_baud"]], "cfg_prtl %d\\r" % (PROTOCOLS.index(radio["protocol"]) + 1)]


def read_lines(path):
    with open(path, "rb") as f:
        data = f.read()
    if not data.endswith(b"\r\n"):
        raise gd.DriverError("%s does not end in CR LF: %r" % (path, data[-20:]))
    return data.decode("ascii").split("\r\n")[:-1]


def expect_equal(what, seen, expected):
    if seen != expected:
        raise gd.DriverError("%s:\n  seen     %r\n  expected %r" % (what, seen, expected))


def fresh_path(name):
    os.makedirs(WORK, exist_ok=True)
    path = os.path.join(WORK, name)
    if os.path.exists(path):
        os.remove(path)
    return path


def new_commands(radio):
    # Without the lines a slow radio logs once its held-back reply has gone out.
    return [c for c in radio.new_commands() if not c.startswith("<reply sent after ")]


def wait_commands(radio, count, timeout=5):
    """The commands the radio logged, once there are count of them (or the timeout passed)."""
    commands = []
    try:
        gd.wait_for("%d commands" % count, lambda: commands.extend(new_commands(radio)) or len(commands) >= count,
                    timeout)
    except gd.DriverError:
        pass
    time.sleep(0.3)
    return commands + new_commands(radio)


def export_config(app, path):
    app.click("exportButton")
    gd.choose_file("Export Config", path)
    app.wait_status("Export Config", True)
    return read_lines(path)


def import_config(app, path):
    app.click("importButton")
    gd.choose_file("Import Config", path)
    app.wait_status("Import Config", True)


def clear_and_type(text):
    gd.press("End", *["BackSpace"] * 12)
    gd.type_text(text)


def press_and_wait(app, button, operation, success=True):
    app.click(button)
    app.wait_status(operation, success)


def close_box(box):
    gd.focus(box)
    gd.press("Return")
    gd.wait_window_gone(box)


class Group:
    """One start of the program with its radio, and the scenarios run against it. With own_ports
    the group's radios are the only serial ports (others: (name, COM, options) of radios beside
    the group's); unplugged, the program starts without any and the scenarios plug them in."""

    def __init__(self, name, language, own_ports=False, others=(), locale=gd.CHINESE_LOCALE, dpi=96, tag=None,
                 plugged=True):
        self.name, self.language, self.tag, self.dpi, self.plugged = name, language, tag, dpi, plugged
        self.own_ports = own_ports or not plugged
        self.radio = gd.SimulatedRadio("e2e", COM, radio_options(RADIO))
        self.others = [gd.SimulatedRadio(other, com, options) for other, com, options in others]
        self.app = gd.RadioConfigWindow(language, ARTIFACTS, locale)
        self.saved_settings, self.saved_ports = {}, {}
        self.port_index = None

    def set_up(self):
        gd.set_dpi(self.dpi)
        saved = gd.reg_values(gd.USER_KEY)
        self.saved_settings = {name: saved.get(name) for name in SETTINGS}
        if self.own_ports:
            self.saved_ports = gd.reg_values(gd.PORTS_KEY)
            for name in self.saved_ports:
                gd.reg_delete(gd.PORTS_KEY, name)
        if self.plugged:
            for radio in self.others + [self.radio]:
                radio.start()
            ports = gd.com_ports()
            if COM not in ports:
                raise gd.DriverError("COM%d is not among the ports %r" % (COM, ports))
            self.port_index = ports.index(COM)
        gd.reg_apply(gd.USER_KEY, {"Port": None if self.port_index is None else str(self.port_index), "Baud": None,
                                   "Chinese": "1" if self.language == "zh" else "0"})
        self.app.start()
        self.radio.new_commands()

    def tear_down(self):
        self.app.kill()
        for radio in [self.radio] + self.others:
            radio.stop()
        for name, value in self.saved_ports.items():
            gd.reg_set(gd.PORTS_KEY, name, value)
        if self.saved_settings:
            gd.reg_apply(gd.USER_KEY, self.saved_settings)
        gd.set_dpi(96)

    def picture(self, kind):
        """Where a picture of this tagged group goes: main-zh-cp1252.png and the like."""
        os.makedirs(PICTURES, exist_ok=True)
        return os.path.join(PICTURES, "%s-%s-%s.png" % (kind, self.language, self.tag))

    def text(self, command):
        return COMMANDS[self.language][command]


# --- scenarios: each takes the group; a raised exception is its failure ------------

def connect(group):
    press_and_wait(group.app, "connectButton", group.text("connect"))
    expect_equal("commands of Connect", wait_commands(group.radio, 1), ["control\\r"])


def read(group):
    press_and_wait(group.app, "readButton", group.text("read"))
    expect_equal("commands of Read", wait_commands(group.radio, 18), READ_COMMANDS)


def refuse_channel(group):
    """500 typed into channel 3 and Export pressed: one error box, owned by the window, so
    that pressing the window's buttons meanwhile does nothing and leaves the box in front."""
    app, radio = group.app, group.radio
    caption = "Error" if group.language == "en" else "错误"
    app.click("channelEdit3")
    clear_and_type("500")
    app.click("exportButton")
    box = gd.wait_window(caption, 8)
    message = "Channel3: Invalid!" if group.language == "en" else "频道3: 无效！"
    expect_equal("the error box", gd.message_boxes(),
                 [{"caption": caption, "owner": gd.WINDOW_TITLES[group.language], "lines": [message]}])
    x, y, width, height = gd.window_geometry(box)
    before = gd.grab_screen(x, y, width, height)
    if group.tag:
        before.save(group.picture("box"))
    radio.new_commands()
    app.click("connectButton")
    app.click("exportButton")
    time.sleep(1.5)
    expect_equal("error boxes shown", len(gd.visible_windows(caption)), 1)
    expect_equal("commands the radio got behind the box", radio.new_commands(), [])
    if gd.grab_screen(x, y, width, height).differing_pixels(before) > width * height // 100:
        raise gd.DriverError("the error box did not stay in front of the window")
    close_box(box)


def error_box_in_front(group):
    # The refused channel gets back the radio's value, so that no later change of focus refuses it again.
    refuse_channel(group)
    gd.focus(group.app.window)
    clear_and_type(RADIO["channels"][3])


def invalid_channel_refused(group):
    refuse_channel(group)
    if gd.visible_windows("Export Config"):
        raise gd.DriverError("the export dialog opened although the channel was refused")
    # The focus is back in the refused field, so what is typed now (no click) goes there.
    gd.focus(group.app.window)
    clear_and_type("433")
    lines = export_config(group.app, fresh_path("after-fix.cfg"))
    # Channel 5, typed before Write, was checked and put in normal form when channel 3 took the focus.
    expect_equal("channels 3 and 5 after the fix", (lines[3], lines[5]), ("Channel3,433.00000", "Channel5,447.12500"))


def write(group):
    # Write sends a typed frequency as typed: pressing Write does not run the field check.
    radio = dict(RADIO, channels=RADIO["channels"][:5] + ["447.125"] + RADIO["channels"][6:])
    group.app.click("channelEdit5")
    clear_and_type("447.125")
    press_and_wait(group.app, "writeButton", "Write")
    expected = write_commands(radio)
    expect_equal("commands of Write", wait_commands(group.radio, len(expected)), expected)


def import_export_round_trip(group):
    # High power 25 W and low power 5 W too, which only files reach; the next Write sends the rest.
    wanted = config_lines(IMPORTED, 1, 2)
    source = fresh_path("import.cfg")
    with open(source, "wb") as f:
        f.write("".join(line + "\r\n" for line in wanted).encode("ascii"))
    import_config(group.app, source)
    expect_equal("export of the imported file", export_config(group.app, fresh_path("reexport.cfg")), wanted)


def unlock_and_write_serial(group):
    """The unlock button lets a typed serial number go with the Write (that it goes with one
    Write only is WriteTest's)."""
    app, radio = group.app, group.radio
    connect(group)
    app.click("serialUnlockButton")
    app.click("serialNumberEdit")
    clear_and_type("RS7")
    press_and_wait(app, "writeButton", "Write")
    expect_equal("commands of Write with the serial number", wait_commands(radio, 15),
                 write_commands(IMPORTED) + ["cfg_sern RS7\\r"])


# --- Verify: the radio read back and compared with the window ---------------------

def run_verify(group):
    gd.open_menu_item(group.app, "fileMenu", "verifyItem")
    return group.text("verify")


def verify_catches_an_ignored_set(group):
    """The radio acknowledges channel 3 without taking it: Write succeeds, Verify names the channel."""
    app, radio = group.app, group.radio
    radio.set_scenario("--ignore-set cfg_ch_3")
    radio.new_commands()
    app.click("channelEdit3")
    clear_and_type("450")
    press_and_wait(app, "writeButton", group.text("write"))
    verify = run_verify(group)
    caption = app.status_text(verify, False)
    box = gd.wait_window(caption, 8)
    line = ("频道3: 窗口 450.00000，电台 %s" if group.language == "zh" else "Channel3: window 450.00000, radio %s")
    expect_equal("the Verify box", gd.message_boxes(), [{"caption": caption, "owner": gd.WINDOW_TITLES[group.language],
                                                         "lines": [line % RADIO["channels"][3]]}])
    close_box(box)
    app.wait_status(verify, False)
    expect_equal("commands of Verify after Write", wait_commands(radio, 14 + 18)[14:], READ_COMMANDS)
    radio.set_scenario("")


# --- a fault of the radio: its red Failure reaches the screen ----------------------

def connect_to_a_silent_radio(group):
    # Which step each fault stops at is the unit and radiocfg tests' part; Disconnect works again.
    group.radio.set_scenario("--silent")
    press_and_wait(group.app, "connectButton", "Connect", success=False)
    expect_equal("commands of Connect", wait_commands(group.radio, 1), ["control\\r"])
    group.radio.set_scenario("")
    press_and_wait(group.app, "disconnectButton", "Disconnect")
    group.radio.new_commands()


RADIO_SCENARIOS = [connect, read, write, invalid_channel_refused, import_export_round_trip, unlock_and_write_serial,
                   verify_catches_an_ignored_set, connect_to_a_silent_radio]


# --- menus, languages, About and Exit (starts in Chinese) ---------------------

PANEL_BORDER = 0xFFC700
PANEL_BACKGROUND = 0xEEEEEE


def near(color, target, tolerance=0x18):
    return all(abs((color >> shift & 0xFF) - (target >> shift & 0xFF)) <= tolerance for shift in (0, 8, 16))


def panel_shown(app, panel):
    """The panel's yellow frame with its light grey inside is on the screen at its place."""
    image = app.grab(panel)
    w, h = image.width, image.height
    frame = [image.pixel(0, h // 2), image.pixel(w - 1, h // 2), image.pixel(w // 2, 0), image.pixel(w // 2, h - 1)]
    # The background is drawn translucent, so it is near its colour, not equal to it.
    return all(color == PANEL_BORDER for color in frame) and near(image.pixel(w - 3, h // 2), PANEL_BACKGROUND)


def open_panel(app, menu, panel):
    app.click(menu)
    app.hover(menu)
    gd.wait_for("the %s panel" % menu, lambda: panel_shown(app, panel), 3)


def escape_closes_panel(app, panel):
    gd.press("Escape")
    gd.wait_for("Escape to close %s" % panel, lambda: not panel_shown(app, panel), 3)


# Where a field draws its value: an edit inside its text padding of 4,3; a list left of the
# 21-pixel arrow of its image.
VALUE_AREAS = dict([("channelEdit%d" % i, (4, 3, 4, 3)) for i in range(1, 9)]
                   + [(name + "Edit", (4, 3, 4, 3)) for name in ("serialNumber", "hardware", "firmware", "subFirmware")]
                   + [(name + "List", (2, 2, 21, 2)) for name in ("protocol", "currentChannel", "portBaud", "linkBaud",
                                                                  "comPort", "connectionRate")])


def ink_columns(image, area, tolerance=32):
    """The columns inside area (left, top, right, bottom) holding a pixel far from the area's
    most common colour."""
    left, top, right, bottom = area
    counts = {}
    for y in range(top, bottom):
        for x in range(left, right):
            counts[image.pixel(x, y)] = counts.get(image.pixel(x, y), 0) + 1
    ground = max(counts, key=counts.get)
    return [x for x in range(left, right)
            if any(not near(image.pixel(x, y), ground, tolerance) for y in range(top, bottom))]


def values_readable(group):
    """Every field shows its value whole: ink inside it, and none at the edge where a cut glyph
    would end. The window's picture is kept as the README's screenshot."""
    app, cut = group.app, []
    for name, padding in VALUE_AREAS.items():
        pad_left, pad_top, pad_right, pad_bottom = (gd.scaled(length) for length in padding)
        image = app.grab(name)
        area = (pad_left, pad_top, image.width - pad_right, image.height - pad_bottom)
        columns = ink_columns(image, area)
        if not columns or columns[-1] >= area[2] - 1:
            cut.append(name)
            app.keep_picture("cut-" + name, image)
    if cut:
        raise gd.DriverError("values not shown whole: %s" % ", ".join(cut))
    gd.move(0, 0)  # no control drawn hot in the picture
    time.sleep(0.5)
    os.makedirs(os.path.dirname(ARTIFACTS), exist_ok=True)
    app.grab_window().save(group.picture("main") if group.tag else
                           os.path.join(os.path.dirname(ARTIFACTS), "main-%s.png" % group.language))


def chinese_title(group):
    expect_equal("window title", gd.window_name(group.app.window), gd.WINDOW_TITLES["zh"])


# The About dialog's OK button, from its skin: 275 x 184 with a 2-pixel frame;
# title bar 33 high; the body's outer padding 10,10,10,4 and inset 10; a text
# column of 150 and a child padding of 10 put the 70-wide button column at
# x = 2 + 10 + 10 + 150 + 10 = 182; the column spans y = 2 + 33 + 10 + 10 = 55 to
# 184 - 2 - 4 - 10 = 168 and centres the 22-high button between two spacers.
ABOUT_OK = (182 + 35, (55 + 168) // 2)
ABOUT_SIZE = (275, 184)


def about_opens_and_closes(group):
    """About opens at its size for the DPI (its picture kept in a tagged group) and OK closes it."""
    app = group.app
    gd.open_menu_item(app, "helpMenu", "aboutItem")
    about = gd.wait_window("关于..." if group.language == "zh" else "About...", 8)
    x, y, width, height = gd.window_geometry(about)
    expect_equal("the About dialog's size", (width, height), tuple(gd.scaled(n) for n in ABOUT_SIZE))
    if group.tag:
        gd.move(0, 0)
        time.sleep(0.5)
        gd.grab_screen(x, y, width, height).save(group.picture("about"))
    gd.click(x + gd.scaled(ABOUT_OK[0]), y + gd.scaled(ABOUT_OK[1]))
    gd.wait_window_gone(about, 5)
    if not app.is_running():
        raise gd.DriverError("closing About ended the program")


def switch_language(group):
    gd.open_menu_item(group.app, "languageMenu", "languageItem")
    group.language = group.app.language = "zh" if group.language == "en" else "en"


def switch_to_english(group):
    switch_language(group)
    gd.wait_for("the English title", lambda: gd.window_name(group.app.window) == gd.WINDOW_TITLES["en"], 5)


def exit_by_menu(group):
    gd.open_menu_item(group.app, "fileMenu", "exitItem")
    group.app.wait_exit(15)


# Its locale and DPI are those of cp936, which checks the error box; the window's pictures are the README's.
MENU_SCENARIOS = [chinese_title, connect, read, values_readable, about_opens_and_closes, switch_to_english,
                  values_readable, exit_by_menu]


# --- any code page, any DPI --------------------------------------------------------

# Texts that stay as the program draws them before any value: the same pixels as in
# layoutdump's picture of the window, which runs in the Chinese code page. (The labels of
# the display-only fields are drawn disabled in the program only.)
FIXED_TEXTS = (["titleLabel", "fileMenu", "languageMenu", "helpMenu"] + ["channelLabel%d" % i for i in range(1, 9)]
               + [name + "Label" for name in ("protocol", "currentChannel", "connectionRate", "portBaud", "linkBaud",
                                              "comPort")])


def texts_as_drawn(group):
    """Every fixed text looks as drawn in the Chinese code page: no text of the window reaches
    the system in the code page the program runs in."""
    app, differing = group.app, []
    gd.move(0, 0)
    time.sleep(0.5)
    reference = gd.render_window(group.language)
    for name in FIXED_TEXTS:
        seen, expected = app.grab(name), reference.crop(*app.layout()[name])
        if seen.differing_pixels(expected) > 0:
            differing.append(name)
            app.keep_picture("text-seen-" + name, seen)
            app.keep_picture("text-expected-" + name, expected)
    if differing:
        raise gd.DriverError("texts not drawn as in the Chinese code page: %s" % ", ".join(differing))


def files_of_any_name(group):
    """Export and Import through the dialogs under a name no single code page holds (in English,
    whose dialog titles these are). Only where Wine's own locale is installed: the Chinese
    locale it is started in here is not, so it can make no file of a name beyond ASCII."""
    path = fresh_path("配置 Jörg Łódź.cfg")
    expect_equal("exported file of any name", export_config(group.app, path), config_lines(RADIO))
    import_config(group.app, path)


CODE_PAGE_SCENARIOS = {
    page: [chinese_title, connect, read, texts_as_drawn, values_readable, error_box_in_front, switch_to_english,
           read, texts_as_drawn, values_readable] + ([files_of_any_name] if page == 1252 else []) + [exit_by_menu]
    for page in gd.CODE_PAGE_LOCALES}
DPI_SCENARIOS = [chinese_title, connect, read, values_readable, about_opens_and_closes, switch_to_english, read,
                 values_readable, about_opens_and_closes, exit_by_menu]


# --- firmware upgrade -------------------------------------------------------------

def firmware_file(name, pages, tail):
    """A firmware file of a first page, 3840 skipped bytes, pages more and a short tail; and what is sent of it."""
    generator = random.Random(pages * 1000 + tail)
    data = bytes(generator.randrange(256) for _ in range(4096 + 256 * pages + tail))
    path = fresh_path(name)
    with open(path, "wb") as f:
        f.write(data)
    return path, data[:256] + data[4096:4096 + 256 * pages]


def progress_columns(app):
    # The bar's width, measured above the text written over it.
    return app.grab("statusLabel").columns_with(gd.PROGRESS_COLOR, 1)


def upgrade(app, path):
    gd.open_menu_item(app, "fileMenu", "upgradeItem")
    gd.choose_file("Select File", path)


def expect_firmware(radio, sent):
    firmware = radio.firmware()
    if firmware != sent:
        raise gd.DriverError("the radio's firmware (%s bytes) differs from the %d bytes expected"
                             % (None if firmware is None else len(firmware), len(sent)))


def upgrade_with_progress(group):
    """The bar grows while the pages go; Connect is not taken meanwhile; the radio gets every whole page."""
    app, radio, pages = group.app, group.radio, 40
    path, sent = firmware_file("upgrade.dwn", pages, 100)
    upgrade(app, path)
    widths = []
    full = app.rect("statusLabel")[2] - app.rect("statusLabel")[0]

    def finished():
        width = progress_columns(app)
        if width:
            widths.append(width)
            if len(widths) == 1:
                # The upgrade owns the port: a Connect now must not reach the radio.
                app.click("connectButton")
        return app.status_color() == gd.SUCCESS_COLOR

    gd.wait_for("the upgrade to end", finished, 30, interval=0.05)
    app.wait_status("Upgrade Firmware", True)
    partial = sorted(set(w for w in widths if w < full))
    if len(partial) < 2 or widths != sorted(widths):
        raise gd.DriverError("the progress bar did not grow: widths seen %r of %d" % (widths, full))
    print("  progress bar widths seen: %s of %d" % (" ".join(map(str, partial)), full))
    # The exchange itself is the integration tests' part.
    if "control\\r" in wait_commands(radio, 3 + 2 * (pages + 1)):
        raise gd.DriverError("Connect reached the radio during the upgrade")
    expect_firmware(radio, sent)


def upgrade_refused_page(group):
    group.radio.set_scenario("--boot-fail 3")
    upgrade(group.app, firmware_file("refused.dwn", 6, 0)[0])
    group.app.wait_status("Upgrade Firmware", False, timeout=15)
    group.radio.set_scenario("")
    group.radio.new_commands()
    connect(group)  # the commands are enabled again after the upgrade


def title_ink_end(app):
    """How far right of the title label's left edge the title bar shows text."""
    left, top, right, bottom = app.rect("titleLabel")
    strip = gd.grab_screen(left, top, app.rect("minimizeButton")[0] - left, bottom - top)
    columns = ink_columns(strip, (0, 0, strip.width, strip.height))
    return columns[-1] if columns else 0


def expect_whole_closing_title(app):
    # The title with its closing words runs past the 300 pixels the title usually has.
    end = gd.wait_for("the closing title", lambda: title_ink_end(app) > 305 and title_ink_end(app), 5)
    print("  closing title (%s) ends %d pixels right of the label's left edge" % (app.language, end))


def close_during_upgrade(group):
    """Closing the window while an upgrade runs lets the upgrade finish, then the program ends;
    meanwhile the title says so, whole, in either language."""
    app, radio = group.app, group.radio
    path, sent = firmware_file("closing.dwn", 40, 0)
    radio.forget_firmware()
    radio.set_scenario("--slow 60")
    upgrade(app, path)
    gd.wait_for("the upgrade's progress", lambda: progress_columns(app) > 0, 15, interval=0.05)
    if title_ink_end(app) > 300:
        raise gd.DriverError("the usual title runs past 300 pixels")
    app.click("closeButton")
    expect_whole_closing_title(app)
    switch_language(group)
    expect_whole_closing_title(app)

    def upgrade_done():
        # The radio keeps the firmware at "ISP finish", before the program may end.
        if radio.firmware() is not None:
            return True
        if not app.is_running():
            raise gd.DriverError("the program ended during the upgrade")
        return False

    gd.wait_for("the upgrade to finish", upgrade_done, 30, interval=0.05)
    app.wait_exit(30)
    expect_equal("the upgrade's last command", wait_commands(radio, 1, timeout=1)[-1:], ["ISP finish"])
    expect_firmware(radio, sent)


UPGRADE_SCENARIOS = [upgrade_with_progress, upgrade_refused_page, close_during_upgrade]


# --- Find Radio (in Chinese; the group's two radios are the only ports) ------------

def find_radio_at_another_rate(group):
    """The radio at 19200, the window at 38400 and a silent COM9 beside it: the search finds the
    radio, leaves it out of configuration mode, and the window then connects there."""
    group.radio.set_scenario("--baud 19200")
    gd.open_menu_item(group.app, "fileMenu", "findRadioItem")
    group.app.wait_status("查找电台", True, timeout=20)
    group.radio.new_commands()
    connect(group)


def find_radio_without_a_radio(group):
    """Nothing answers: each port is tried at each rate while the status names the try and the
    window keeps answering; the search then fails."""
    app, radio, silent = group.app, group.radio, group.others[0]
    places = [(port, baud) for port in gd.com_ports() for baud in SERIAL_BAUDS]
    tries = [("查找电台 COM%d %d" % place, True, i * 10000 // len(places)) for i, place in enumerate(places)]
    gd.prepare_pictures([], [(text, success, "zh", progress) for text, success, progress in tries])
    radio.set_scenario("--silent")
    radio.new_commands()
    silent.new_commands()
    gd.open_menu_item(app, "fileMenu", "findRadioItem")
    app.wait_status_among(tries, timeout=6, interval=0.05)
    open_panel(app, "helpMenu", "helpPanel")
    if app.status_color() == gd.FAILURE_COLOR:
        raise gd.DriverError("the search was over before the window answered")
    escape_closes_panel(app, "helpPanel")
    app.wait_status("查找电台", False, timeout=15)
    expect_equal("tries of each port", (wait_commands(radio, 5), silent.new_commands()),
                 (["control\\r"] * 5, ["control\\r"] * 5))


FIND_SCENARIOS = [find_radio_at_another_rate, find_radio_without_a_radio]


# --- serial adapters coming and going (no port at the start), and Escape ----------

def plugged_in_port_frees_the_commands(group):
    group.radio.start()
    gd.announce_device_change()
    connect(group)


def list_reads_the_ports_as_it_opens(group):
    # A second adapter that nobody announced is in the list once it drops down.
    app, radio, second = group.app, group.radio, group.others[0]
    second.start()
    ports = gd.com_ports()
    app.click("comPortList")
    time.sleep(1)
    gd.focus(app.window)
    gd.press("Down" if ports.index(second.com) > ports.index(radio.com) else "Up")
    press_and_wait(app, "disconnectButton", "Disconnect")
    expect_equal("commands of the two radios", (radio.new_commands(), wait_commands(second, 1)),
                 ([], ["exitcnt\\r"]))


def escape_closes_what_is_open_first(group):
    """Escape on an open list or menu closes that, each time; with nothing open, the window."""
    app = group.app
    left, _, right, bottom = app.rect("protocolList")

    def below():
        return gd.grab_screen(left, bottom, right - left, 80)

    closed = below()
    for _ in range(2):
        app.click("protocolList")
        gd.wait_for("the protocol list to drop down", lambda: below().differing_pixels(closed) > 100, 3)
        gd.press("Escape")
        gd.wait_for("Escape to close the list", lambda: below().differing_pixels(closed) == 0, 3)
        open_panel(app, "fileMenu", "filePanel")
        escape_closes_panel(app, "filePanel")
        if not app.is_running():
            raise gd.DriverError("Escape on an open list or menu ended the program")
    gd.press("Escape")
    app.wait_exit(15)


PORTS_SCENARIOS = [plugged_in_port_frees_the_commands, list_reads_the_ports_as_it_opens,
                   escape_closes_what_is_open_first]


def expect_running(group):
    if not group.app.is_running():
        raise gd.DriverError("the program is not running")


def run_group(group, scenarios):
    """The number of scenarios that failed; all of them when the group could not start."""
    try:
        group.set_up()
    except Exception:
        gd.save_screen(os.path.join(ARTIFACTS, group.name + "-start.png"))
        print("FAIL %s: the group did not start\n%s" % (group.name, traceback.format_exc()), flush=True)
        group.tear_down()
        return len(scenarios)
    try:
        return gd.run_checks(group.name, scenarios, group, ARTIFACTS, ready=expect_running)
    finally:
        group.tear_down()


GROUPS = {
    "radio": lambda: (Group("radio", "en"), RADIO_SCENARIOS),
    "menus": lambda: (Group("menus", "zh"), MENU_SCENARIOS),
    "upgrade": lambda: (Group("upgrade", "en"), UPGRADE_SCENARIOS),
    "ports": lambda: (Group("ports", "en", others=[("e2e9", 9, [])], plugged=False), PORTS_SCENARIOS),
    "find": lambda: (Group("find", "zh", own_ports=True, others=[("e2e9", 9, ["--silent"])]), FIND_SCENARIOS),
}
for _page, _locale in gd.CODE_PAGE_LOCALES.items():
    GROUPS["cp%d" % _page] = (lambda page=_page, locale=_locale: (
        Group("cp%d" % page, "zh", locale=locale, tag="cp%d" % page), CODE_PAGE_SCENARIOS[page]))
for _dpi in (120, 144, 192):
    GROUPS["dpi%d" % _dpi] = (lambda dpi=_dpi: (Group("dpi%d" % dpi, "zh", dpi=dpi, tag="%ddpi" % dpi), DPI_SCENARIOS))


def missing_environment():
    for variable in ("WINEPREFIX", "DISPLAY"):
        if not os.environ.get(variable):
            return "%s is not set (run through tools/test.sh)" % variable
    for path in (gd.program_path(), gd.layoutdump_path(), os.path.join(gd.BUILD, "host", "radiosim", "radiosim")):
        if not os.path.exists(path):
            return "%s is missing" % path
    return None


def main(names):
    if not names or any(n not in GROUPS for n in names):
        print(__doc__, file=sys.stderr)
        return 2
    reason = missing_environment()
    if reason:
        print("SKIP: " + reason)
        return 77
    gd.keep_wineserver()
    failures = 0
    for name in names:
        group, scenarios = GROUPS[name]()
        gd.set_dpi(group.dpi)  # the pictures the group compares with are drawn at its DPI
        gd.prepare_pictures(("zh", "en"), STATUSES)
        failures += run_group(group, scenarios)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
