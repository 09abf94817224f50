"""One asset broken per row: a copy of the program (a hard link) beside a copy
of Resources/ with one file missing, empty, cut in half or garbage plays the
same steps until the rules stop it (the report on stderr once, a message box,
status 1) at the step that first asks for the file, or on to Ctrl+Q."""

import concurrent.futures
import os
import pathlib
import random
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from desktop import REPORT, SANITIZER, Desktop, wait_for  # noqa: E402
from game_test import (ABOUT, ABOUT_TEXTS, BUTTONS, FINAL_SCORE, INSTRUCTIONS,  # noqa: E402
                       INSTRUCTIONS_TEXTS, SILENT, START, START_AT, colour, ink, marks, your_turn)

STEPS = ["open", "START", "flashes", "wheel", "answer", "beep", "quit"]
ROWS = [  # the file, how it is broken, and the step the game stops at (None: it plays on)
    ("white.png", "missing", "open"),
    ("white.png", "garbage", None),  # the squares show no picture
    ("two.png", "missing", "START"),
    ("red.png", "missing", "flashes|wheel"),  # a red flash, or the wheel turned up
    ("yellow.png", "empty", None),
    ("three.png", "missing", None),  # not needed in a first round
    ("Purr.aiff", "missing", "flashes"),  # the bell when the flashes are done
    ("Purr.aiff", "empty", "flashes"),
    ("Purr.aiff", "missing, silent", None),  # no sound is read in the silent mode
    ("Ping.aiff", "missing", "beep"),
    ("Ping.aiff", "half", None),  # a shorter beep
    ("Basso.aiff", "garbage", "answer"),  # the buzz of a wrong answer's game over
]
WORKERS = 4
SQUARE = (80 + 32, 156 + 32)


def install(folder, file, fault):
    """A copy of the program beside a copy of its resources, one file broken."""
    program = os.environ["QUORVELLE_PROGRAM"]
    shutil.copytree(pathlib.Path(program).parent.parent / "Resources", folder / "Resources")
    (folder / "bin").mkdir()
    os.link(program, folder / "bin" / "quorvelle")
    path = folder / "Resources" / file
    data = path.read_bytes()
    path.unlink()
    if not fault.startswith("missing"):
        path.write_bytes({"empty": b"", "half": data[:len(data) // 2],
                          "garbage": random.Random(file).randbytes(len(data))}[fault])
    return folder / "bin" / "quorvelle"


def play(desktop, file, fault, stop):
    """Plays the steps; returns what went wrong."""
    game = desktop.launch(install(pathlib.Path(tempfile.mkdtemp(dir=desktop.temp)), file, fault))
    look, face = game.look, "white" if file != "white.png" else (0xCC, 0xCC, 0xCC)  # no picture
    steps = {  # each step's action, and what it shows when done
        "open": (lambda: None, lambda: game.shown() and marks(look(), START) > 50
                 and colour(look(), SQUARE) == face),
        "START": (lambda: game.click(INSTRUCTIONS, *[SILENT] * ("silent" in fault), START_AT),
                  lambda: not marks(look(), START) and ink(look(), INSTRUCTIONS_TEXTS[0]) > 500),
        "flashes": (lambda: None, lambda: your_turn(look())),
        "wheel": (lambda: game.act(SQUARE, "click", 4, "click", 5, "click", 6, "click", 7),
                  lambda: colour(look(), SQUARE) == "green"),
        # The same square twice: never a round's answer.
        "answer": (lambda: game.act("click", 1, "click", 1), lambda: marks(look(), FINAL_SCORE)),
        # About again once the beep has been handled.
        "beep": (lambda: game.click(BUTTONS["beep"], ABOUT),
                 lambda: ink(look(), ABOUT_TEXTS[0]) > 50),
        "quit": (lambda: game.key("ctrl+q"), lambda: game.process.poll() is not None),
    }
    stopped = None
    try:
        for step in STEPS:
            action, done = steps[step]
            action()
            wait_for(lambda: REPORT in game.output() or done() or game.process.poll() is not None,
                     30, lambda: f"the step {step}; the square shows {colour(look(), SQUARE)}")
            # A handler's report comes before anything it shows is drawn.
            if REPORT in game.output():
                stopped = step
                box = wait_for(game.boxes, 30, "the report's message box")[0][0]
                game.key("Return", window=box)
                break
            if game.process.poll() is not None:
                break
        status = game.process.wait(30)
    except (AssertionError, subprocess.TimeoutExpired) as failure:
        return [str(failure)]
    problems = []
    if (stopped or "") not in (stop or "").split("|"):
        problems.append(f"stopped at {stopped or 'no step'}, expected: {stop or 'plays on'}")
    output = game.output()
    if status != (1 if stopped else 0) or output.count(REPORT) > 1 or SANITIZER.search(output):
        problems.append(f"exit status {status}; the program said:\n{output}")
    return problems


class AssetFaults(unittest.TestCase):
    def test_rows(self):
        def worker(rows):
            with Desktop() as desktop:
                return [(row, play(desktop, *row)) for row in rows]

        with concurrent.futures.ThreadPoolExecutor(WORKERS) as pool:
            done = pool.map(worker, [ROWS[i::WORKERS] for i in range(WORKERS)])
        for (file, fault, stop), problems in [result for part in done for result in part]:
            with self.subTest(f"{file} {fault}: {stop or 'plays on'}"):
                self.assertEqual(problems, [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
