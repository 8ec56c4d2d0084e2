#!/usr/bin/env python3
"""The demo's window: RadioConfig.exe on the simulated radio's COM port.

    demo_window.py COM [--stay]

With --stay the window is left to the operator and this waits until it is
closed. Without it (a virtual display) a scripted Connect and Read run, the
window's picture is written to $BENCH_DIR/demo.png and the program is closed.
"""

import os
import sys

import guidriver as gd


def select_port(com):
    ports = gd.com_ports()
    if com not in ports:
        raise gd.DriverError("COM%d is not among the ports %r" % (com, ports))
    gd.reg_apply(gd.USER_KEY, {"Port": str(ports.index(com))})


def language():
    return "en" if gd.reg_values(gd.USER_KEY).get("Chinese") == "0" else "zh"


def scripted_session(app, picture):
    app.click("connectButton")
    app.wait_status("Connect" if app.language == "en" else "连接", True)
    app.click("readButton")
    app.wait_status("Read" if app.language == "en" else "读取", True)
    app.grab_window().save(picture)
    app.click("closeButton")
    app.wait_exit(15)


def main(args):
    if not args or not args[0].isdigit():
        print(__doc__, file=sys.stderr)
        return 2
    gd.keep_wineserver()
    select_port(int(args[0]))
    app = gd.RadioConfigWindow(language(), os.path.join(gd.RUN, "artifacts", "demo"))
    if "--stay" in args:
        app.start()
        print("RadioConfig is open on COM%s with the simulated radio; close its window to end the demo."
              % args[0], flush=True)
        app.process.wait()
        return 0
    picture = os.path.join(gd.RUN, "demo.png")
    try:
        app.start()
        scripted_session(app, picture)
    except gd.DriverError as error:
        gd.save_screen(os.path.join(gd.RUN, "artifacts", "demo", "failed.png"))
        print("demo: %s" % error, file=sys.stderr)
        return 1
    finally:
        app.kill()
    print("RadioConfig connected to the simulated radio on COM%s and read it; its window: %s" % (args[0], picture))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
