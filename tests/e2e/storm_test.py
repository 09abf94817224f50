"""A click storm and a wheel storm: for 20 s, hundreds of X input events a
second over the board, START and "END ?", against the program run by
storm_host (the program's own start-up and event loop, with a watch on the
game's invariants). Then Ctrl+Q must end it with status 0, with no
sanitizer report, no broken invariant, and the game seen in play: clicks
counted, squares flashed, games ended.

    storm_test.py STORM_HOST [SECONDS]

The events go straight to the X server through XTEST, at a steady rate, in
phases of a few seconds, each begun with a click on START: wheel turns and
moves only (the round's flashes come meanwhile), then clicks only (answers
and game overs), then everything at once, and again.
"""

import ctypes
import ctypes.util
import os
import random
import re
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import pulse  # noqa: E402
from desktop import WHEEL_DOWN, WHEEL_LEFT, WHEEL_RIGHT, WHEEL_UP, Desktop  # noqa: E402

SQUARES = [(80 + 66 * column + 32, 156 + 66 * row + 32) for row in range(3) for column in range(3)]
START = (69 + 45, 378 + 10)
END = (183 + 46, 380 + 10)
WHEELS = [WHEEL_UP, WHEEL_DOWN, WHEEL_LEFT, WHEEL_RIGHT]

ACTIONS_PER_SECOND = 150  # each a move and a button press and release
SANITIZER = re.compile(r"ERROR: (Address|Leak)Sanitizer|runtime error:|SUMMARY: \w+Sanitizer")


class XTest:
    """Input events through the XTEST extension, as xdotool sends them, but
    without a process per event."""

    def __init__(self, display):
        def library(name):
            return ctypes.CDLL(ctypes.util.find_library(name) or f"lib{name}.so.6")

        self.x11 = library("X11")
        self.xtst = library("Xtst")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                                   ctypes.c_int, ctypes.c_ulong]
        self.xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                                   ctypes.c_ulong]
        self.display = self.x11.XOpenDisplay(display.encode())
        if not self.display:
            raise RuntimeError(f"cannot open the display {display}")

    def press(self, x, y, button):
        self.xtst.XTestFakeMotionEvent(self.display, -1, x, y, 0)
        self.xtst.XTestFakeButtonEvent(self.display, button, 1, 0)
        self.xtst.XTestFakeButtonEvent(self.display, button, 0, 0)

    def move(self, x, y):
        self.xtst.XTestFakeMotionEvent(self.display, -1, x, y, 0)

    def sync(self):
        self.x11.XSync(self.display, 0)

    def close(self):
        self.x11.XCloseDisplay(self.display)


def storm(xtest, on_screen, seconds, seed):
    """Sends the storm; returns how many actions were sent."""
    chance = random.Random(seed)
    phases = ["wheel", "clicks", "mixed"]
    sent = 0
    began = time.monotonic()
    phase_ends = began
    while True:
        now = time.monotonic()
        if now - began >= seconds:
            return sent
        if now >= phase_ends:
            phase = phases[0]
            phases = phases[1:] + phases[:1]
            # Longer than a flash period: a wheel phase sees flashes.
            phase_ends = now + chance.uniform(1.5, 3.0)
            xtest.press(*on_screen(*START), 1)
        for _ in range(ACTIONS_PER_SECOND // 20):
            square = on_screen(*chance.choice(SQUARES))
            pick = chance.random()
            if phase == "wheel" or (phase == "mixed" and pick < 0.4):
                if chance.random() < 0.2:
                    xtest.move(*square)  # leaving a square paints it white
                else:
                    xtest.press(*square, chance.choice(WHEELS))
            elif pick < 0.8:
                xtest.press(*square, 1)
            elif pick < 0.94:
                xtest.press(*on_screen(*START), 1)
            else:
                xtest.press(*on_screen(*END), 1)
            sent += 1
        xtest.sync()
        time.sleep(max(0.0, began + sent / ACTIONS_PER_SECOND - time.monotonic()))


def main():
    host = sys.argv[1]
    seconds = float(sys.argv[2]) if len(sys.argv) > 2 else 20.0
    seed = int(os.environ.get("STORM_SEED", random.randrange(1 << 30)))
    print(f"storm: {seconds:.0f} s, {ACTIONS_PER_SECOND} actions a second, seed {seed} "
          "(STORM_SEED repeats it)")
    failures = []
    with pulse.PulseServer() as sound, Desktop() as desktop:
        audio = {name: value for name, value in sound.client_env().items()
                 if name.startswith("PULSE_")}
        desktop.env.update(audio)
        game = desktop.start_program(host, timeout=60)
        xtest = XTest(desktop.display)
        try:
            began = time.monotonic()
            sent = storm(xtest, game.on_screen, seconds, seed)
            print(f"sent {sent} actions in {time.monotonic() - began:.1f} s")
        finally:
            xtest.close()
        if game.process.poll() is not None:
            failures.append(f"the program ended during the storm, status "
                            f"{game.process.returncode}")
        else:
            desktop.focus(game.window)
            desktop.key("ctrl+q")
            status = game.wait(timeout=120)
            if status is None:
                failures.append("Ctrl+Q did not end the program within 120 s")
            elif status != 0:
                failures.append(f"exit status {status}, not 0")
        output = game.output()

    summary = re.search(r"storm_host: (\d+) checks, (\d+) broken; seen: (.*)", output)
    if "invariant broken" in output:
        failures.append("an invariant broke")
    if SANITIZER.search(output):
        failures.append("a sanitizer report")
    if summary is None:
        failures.append("no summary from the watch")
    else:
        print(summary.group(0))
        if int(summary.group(1)) < 100:
            failures.append("the watch checked fewer than 100 times")
        for seen in summary.group(3).split(", "):
            name, count = seen.rsplit(" ", 1)
            if int(count) == 0:
                failures.append(f"the storm never got the game to: {name}")
    for failure in failures:
        print("FAILED: " + failure)
    if failures:
        print("the program said:\n" + "\n".join(output.splitlines()[-60:]))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
