"""Each of the sixteen picture and sound files missing, empty, cut to its
first half or replaced by garbage: 64 runs of the real program, each on its
own copy of the resources with one fault. Each run opens the window, starts
a game, waits for the round's flashes and "Your Turn", turns the wheel to
each colour, answers with two clicks, plays the beep from the Instructions
page and quits with Ctrl+Q.

The program never crashes, never hangs and never trips a sanitizer. Where
the game's rules call for it, it stops at the step that first asks for the
broken asset: "quorvelle: unhandled NilObjectException" on stderr, a
message box (dismissed here with Return) and exit status 1. Otherwise it
plays on and Ctrl+Q ends it with status 0.

    asset_faults_test.py [--workers N] [FILE ...]

The runs share the work among N private X displays (8 by default); naming
files runs only their four faults.
"""

import argparse
import concurrent.futures
import os
import queue
import random
import re
import shutil
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import pulse  # noqa: E402
from desktop import CONTENT_WIDTH, WHEEL_DOWN, WHEEL_LEFT, WHEEL_RIGHT, WHEEL_UP, Desktop  # noqa: E402

PICTURES = ["white", "red", "blue", "green", "yellow", "two", "three", "four", "five", "six",
            "seven", "eight", "nine"]
SOUNDS = ["Basso", "Purr", "Ping"]
FILES = [name + ".png" for name in PICTURES] + [name + ".aiff" for name in SOUNDS]
FAULTS = ["missing", "empty", "truncated", "garbage"]

# The steps of a run, in order.
STEPS = ["open", "START", "Your Turn", "wheel", "answer", "beep", "quit"]

REPORT = "quorvelle: unhandled NilObjectException"
SANITIZER = re.compile(r"ERROR: (Address|Leak)Sanitizer|runtime error:|SUMMARY: \w+Sanitizer")

BACKGROUND = (0xCC, 0xCC, 0xCC)
START_BUTTON = (69, 378, 91, 20)
YOUR_TURN = (58, 99, 194, 45)
SQUARE_0 = (80 + 32, 156 + 32)
INSTRUCTIONS_TAB = (411, 27)  # the second tab of the panel at (304, 14)
BEEP_BUTTON = (550, 505)

# How long one step may take before the run counts as hung.
STEP_LIMIT = 30
# How long a process may take to end once quit or once its report is
# dismissed.
EXIT_LIMIT = 30


def expected(file, fault):
    """The step at which the rules stop the game, or None when it plays on.

    A picture accessor raises NilObjectException for a missing file; for a
    file it cannot read it gives nothing, and a square shows no picture.
    A sound accessor raises for a missing file; for one it cannot read it
    gives nothing, and the caller raises instead of playing. Each accessor
    is first asked when its asset is first needed. The framework reads what
    is there of a sound cut short (a shorter sound), but no picture that is
    cut short."""
    name, kind = file.split(".")
    readable = fault == "truncated" and kind == "aiff"
    if readable or (kind == "png" and fault != "missing"):
        return None
    return {
        "white": "open",  # the window's Open paints the board white
        "two": "START",  # START shows "two" on the board
        # A flash asks for its colour, and the four wheel turns ask for all
        # four: the report comes at a flash, or at the wheel at the latest.
        "red": ("Your Turn", "wheel"),
        "blue": ("Your Turn", "wheel"),
        "green": ("Your Turn", "wheel"),
        "yellow": ("Your Turn", "wheel"),
        "Purr": "Your Turn",  # the bell when the flashes are done
        "Basso": "answer",  # the buzz of a wrong answer's game over
        "Ping": "beep",
    }.get(name)  # the level digits 3 to 9 are not needed in a first round


def apply_fault(path, fault):
    with open(path, "rb") as whole:
        data = whole.read()
    if fault == "missing":
        os.remove(path)
        return
    if fault == "empty":
        data = b""
    elif fault == "truncated":
        data = data[:len(data) // 2]
    elif fault == "garbage":
        noise = random.Random(os.path.basename(path))
        data = bytes(noise.randrange(256) for _ in range(len(data)))
    with open(path, "wb") as out:
        out.write(data)


def install(folder, program, file, fault):
    """A copy of the program with its resources, one file broken."""
    os.makedirs(os.path.join(folder, "bin"))
    copy = os.path.join(folder, "bin", "quorvelle")
    try:
        os.link(program, copy)
    except OSError:
        shutil.copy2(program, copy)
    resources = os.path.join(os.path.dirname(os.path.dirname(program)), "Resources")
    shutil.copytree(resources, os.path.join(folder, "Resources"))
    apply_fault(os.path.join(folder, "Resources", file), fault)
    return copy


class Stopped(Exception):
    """The program reported an unhandled exception."""


class Run:
    """One run of the program, step by step, as a player would play it."""

    def __init__(self, desktop, program, env, white_shows, green_shows):
        self.desktop = desktop
        self.game = desktop.launch(program, env)
        self.white_shows = white_shows
        self.green_shows = green_shows
        self.step = None
        self.problems = []

    def reported(self):
        return REPORT in self.game.output()

    def wait_for(self, seen, limit=STEP_LIMIT, required=True):
        """Waits until seen(screenshot) holds, or the program reports.
        Whatever a handler shows is drawn only after it has returned, so
        when seen holds, a report from that handler is already written."""
        deadline = time.monotonic() + limit
        while True:
            if self.reported():
                raise Stopped()
            if self.game.process.poll() is not None:
                raise AssertionError(f"ended with status {self.game.process.returncode} "
                                     f"at step {self.step}")
            if seen is not None and seen(self.desktop.screenshot()):
                return
            if time.monotonic() > deadline:
                if required:
                    raise AssertionError(f"hung at step {self.step}")
                return
            time.sleep(0.15)

    def at(self, shot, x, y):
        return shot.pixel(*self.game.on_screen(x, y))

    def count(self, shot, rect, test):
        left, top, width, height = rect
        return sum(1 for y in range(top, top + height) for x in range(left, left + width)
                   if test(self.at(shot, x, y)))

    def start_shown(self, shot):
        return self.count(shot, START_BUTTON, lambda p: p != BACKGROUND) > 50

    def play(self):
        self.step = "open"
        deadline = time.monotonic() + STEP_LIMIT
        while self.game.window is None:
            if self.reported():
                raise Stopped()
            if self.game.process.poll() is not None:
                raise AssertionError(f"ended with status {self.game.process.returncode} at open")
            mains = [w for w in self.desktop.windows(self.game) if w[3] == CONTENT_WIDTH]
            if mains:
                self.game.window = mains[0][0]
                self.game.x, self.game.y, self.game.width, self.game.height = mains[0][1:]
            elif time.monotonic() > deadline:
                raise AssertionError("hung at open: no window")
            else:
                time.sleep(0.15)
        self.wait_for(self.start_shown)
        # A square without its white picture is the window's background.
        face = self.at(self.desktop.screenshot(), *SQUARE_0)
        if face != ((255, 255, 255) if self.white_shows else BACKGROUND):
            self.problems.append(f"the board's squares show {face} at open")

        self.step = "START"
        self.desktop.click(*self.game.on_screen(69 + 45, 378 + 10))
        self.wait_for(lambda shot: not self.start_shown(shot))

        self.step = "Your Turn"
        self.wait_for(lambda shot: self.count(
            shot, YOUR_TURN, lambda p: p[0] > 150 and p[1] < 80 and p[2] < 80) > 50)

        # Up, down, left, right: red, blue, yellow, then green.
        self.step = "wheel"
        self.desktop.move(*self.game.on_screen(*SQUARE_0))
        for button in (WHEEL_UP, WHEEL_DOWN, WHEEL_LEFT, WHEEL_RIGHT):
            self.desktop.wheel(button)
        # Green shows, unless green.png cannot be read.
        green = lambda p: p[1] > 120 and p[0] < 80 and p[2] < 80  # noqa: E731
        self.wait_for(lambda shot: green(self.at(shot, *SQUARE_0)),
                      limit=STEP_LIMIT if self.green_shows else 1.5, required=self.green_shows)

        # The same square twice: never the round's answer, so the game ends
        # and START comes back as "New Game".
        self.step = "answer"
        self.desktop.click(*self.game.on_screen(*SQUARE_0))
        self.desktop.click(*self.game.on_screen(*SQUARE_0))
        self.wait_for(self.start_shown)

        # The beep shows nothing: a report comes at once or not at all.
        self.step = "beep"
        self.desktop.click(*self.game.on_screen(*INSTRUCTIONS_TAB))
        self.desktop.click(*self.game.on_screen(*BEEP_BUTTON))
        self.wait_for(None, limit=0.5, required=False)

        self.step = "quit"
        self.desktop.focus(self.game.window)
        self.desktop.key("ctrl+q")
        return self.game.wait(timeout=EXIT_LIMIT)

    def dismiss(self):
        """Closes the report's message box with Return; returns the exit
        status."""
        deadline = time.monotonic() + STEP_LIMIT
        while True:
            boxes = [w for w in self.desktop.windows(self.game) if w[3] != CONTENT_WIDTH]
            if boxes:
                break
            if self.game.process.poll() is not None:
                raise AssertionError("no message box: the program ended with status "
                                     f"{self.game.process.returncode}")
            if time.monotonic() > deadline:
                raise AssertionError("no message box showed")
            time.sleep(0.15)
        self.desktop.focus(boxes[0][0])
        self.desktop.key("Return")
        return self.game.wait(timeout=EXIT_LIMIT)


def check(desktop, program, env, file, fault):
    """Runs one case; returns a list of what went wrong."""
    folder = tempfile.mkdtemp(prefix="faults-", dir=desktop.temp)
    try:
        run = Run(desktop, install(folder, program, file, fault), env,
                  white_shows=file != "white.png", green_shows=file != "green.png"
                  or fault == "missing")
        want = expected(file, fault)
        stopped_at = None
        try:
            status = run.play()
        except Stopped:
            stopped_at = run.step
            status = run.dismiss()
        except AssertionError as failure:
            return [str(failure)], run.game.output()
        output = run.game.output()
        problems = run.problems
        if status is None:
            problems.append(f"still running {EXIT_LIMIT} s after the step {run.step}")
        elif status < 0:
            problems.append(f"killed by signal {-status}")
        if SANITIZER.search(output):
            problems.append("a sanitizer report")
        if want is None:
            if stopped_at is not None:
                problems.append(f"stopped at {stopped_at}; it should play on")
            elif status not in (None, 0):
                problems.append(f"exit status {status} after Ctrl+Q, not 0")
        else:
            first, last = (want, want) if isinstance(want, str) else want
            if stopped_at is None:
                problems.append(f"played on; it should stop at {first}")
            else:
                if not STEPS.index(first) <= STEPS.index(stopped_at) <= STEPS.index(last):
                    problems.append(f"stopped at {stopped_at}, not at {first}"
                                    + (f" to {last}" if last != first else ""))
                if output.count(REPORT) != 1:
                    problems.append(f"{output.count(REPORT)} report lines, not 1")
                if status not in (None, 1):
                    problems.append(f"exit status {status} after the report, not 1")
        return problems, output
    finally:
        for program_run in desktop.programs:
            if program_run.process.poll() is None:
                program_run.process.kill()
                program_run.process.wait()
        desktop.programs = []
        shutil.rmtree(folder, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--workers", type=int, default=8)
    parser.add_argument("files", nargs="*", default=FILES)
    args = parser.parse_args()
    program = os.environ["QUORVELLE_PROGRAM"]
    cases = [(file, fault) for file in args.files for fault in FAULTS]

    started = time.monotonic()
    desktops = queue.Queue()
    failures = []
    with pulse.PulseServer() as sound:
        audio = {name: value for name, value in sound.client_env().items()
                 if name.startswith("PULSE_")}
        opened = []
        try:
            for _ in range(min(args.workers, len(cases))):
                desktop = Desktop(width=800, height=700).__enter__()
                opened.append(desktop)
                desktops.put(desktop)

            def one(case):
                desktop = desktops.get()
                try:
                    began = time.monotonic()
                    problems, output = check(desktop, program, dict(desktop.env, **audio), *case)
                    return case, problems, output, time.monotonic() - began
                finally:
                    desktops.put(desktop)

            with concurrent.futures.ThreadPoolExecutor(len(opened)) as pool:
                for (file, fault), problems, output, seconds in pool.map(one, cases):
                    want = expected(file, fault)
                    outcome = ("plays on" if want is None else "stops at "
                               + (want if isinstance(want, str) else " to ".join(want)))
                    verdict = "FAILED" if problems else "ok"
                    print(f"{verdict}: {file} {fault}: {outcome} ({seconds:.1f} s)"
                          + "".join(f"\n    {p}" for p in problems), flush=True)
                    if problems:
                        failures.append((file, fault))
                        print("    the program said:\n" + "".join(
                            "      " + line + "\n" for line in output.splitlines()[-40:]))
        finally:
            for desktop in opened:
                desktop.close()
    print(f"{len(cases) - len(failures)} passed, {len(failures)} failed "
          f"in {time.monotonic() - started:.0f} s")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
