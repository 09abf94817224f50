"""The About and Instructions pages on a real X display: the three links
handed to the desktop, the practice square's colours, and the "ring" button
heard through a private PulseAudio null sink, then not heard in the silent
mode.

The desktop's URL handler is xdg-open, which Qt runs for web and mailto
addresses alike when no desktop environment is known. A stand-in first on
the program's PATH writes down each address it is given.
"""

import contextlib
import os
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import pulse  # noqa: E402
from desktop import WHEEL_DOWN, WHEEL_LEFT, WHEEL_RIGHT, WHEEL_UP, Desktop, dark  # noqa: E402

# Points in the content area, on the controls' texts.
LINKS = [((459, 152), "https://www.example.org/"),
         ((434, 312), "mailto:quorvelle@example.org"),
         ((459, 184), "https://www.example.org/quorvelle/")]
INSTRUCTIONS_TAB = (411, 27)  # the second tab, right of "About"
RULES = (310, 49, 394, 279)  # the rules' text on the Instructions page
PRACTICE = (319 + 33, 351 + 37)  # the practice square's centre
RING = (418 + 40, 495 + 10)
SILENT = (577 + 8, 556 + 10)  # the "silent" radio button's circle
AWAY = (30, 250)

WHITE = (255, 255, 255)
WHEEL = [(WHEEL_DOWN, (0, 64, 232)), (WHEEL_UP, (224, 0, 0)),
         (WHEEL_RIGHT, (0, 176, 0)), (WHEEL_LEFT, (255, 224, 0))]
BELL = 0.8  # seconds the ring sounds

STAND_IN = """#!/bin/sh
printf '%s\\n' "$@" >> "{log}"
"""


class Pages(unittest.TestCase):
    def setUp(self):
        stack = contextlib.ExitStack()
        self.addCleanup(stack.close)
        self.folder = stack.enter_context(tempfile.TemporaryDirectory())
        self.opened = os.path.join(self.folder, "opened")
        bin_folder = os.path.join(self.folder, "bin")
        os.mkdir(bin_folder)
        stand_in = os.path.join(bin_folder, "xdg-open")
        with open(stand_in, "w", encoding="utf-8") as script:
            script.write(STAND_IN.format(log=self.opened))
        os.chmod(stand_in, 0o755)

        self.pulse = stack.enter_context(pulse.PulseServer())
        self.desktop = stack.enter_context(Desktop())
        env = dict(self.pulse.client_settings(),
                   PATH=bin_folder + os.pathsep + os.environ.get("PATH", ""))
        self.game = self.desktop.start_program(env=env)

    def wait_for(self, seen, what, timeout=5):
        deadline = time.monotonic() + timeout
        while not seen():
            if time.monotonic() > deadline:
                self.fail(f"not seen within {timeout} s: {what}")
            time.sleep(0.05)

    def addresses(self):
        if not os.path.exists(self.opened):
            return []
        with open(self.opened, encoding="utf-8") as opened:
            return opened.read().splitlines()

    def test_about_links_then_instructions_practice_and_sound(self):
        for at, (point, _) in enumerate(LINKS):
            self.game.click(*point)
            self.wait_for(lambda: len(self.addresses()) > at, f"the link at {point} opened")
        time.sleep(0.5)  # no address comes twice
        self.assertEqual(self.addresses(), [address for _, address in LINKS])

        self.game.click(*INSTRUCTIONS_TAB)
        self.wait_for(lambda: sum(1 for rgb in self.game.look().region(*RULES) if dark(rgb)) > 500,
                      "the Instructions page")

        self.game.move(*PRACTICE)
        for button, colour in WHEEL:
            self.desktop.wheel(button)
            self.wait_for(lambda: self.game.look().at(*PRACTICE) == colour,
                          f"{colour} after wheel button {button}")
        self.game.move(*AWAY)
        self.wait_for(lambda: self.game.look().at(*PRACTICE) == WHITE, "white once the mouse left")

        self.ring_then_ring_silently()

    def ring_then_ring_silently(self):
        """One recording: "ring" heard whole in the normal mode, then
        nothing from "ring" once "silent" is chosen."""
        recording = self.pulse.record(os.path.join(self.folder, "ring.wav"))
        begun = time.monotonic()
        self.game.click(*RING)
        time.sleep(BELL + 1.0)
        self.game.click(*SILENT)
        silent_from = time.monotonic() - begun
        self.game.click(*RING)
        time.sleep(BELL + 1.0)
        samples = recording.stop()

        sounds = pulse.bursts(samples)
        _, loudest = pulse.loud_span(samples)
        print(f"\nheard: {pulse.describe(sounds)}; loudest 10 ms RMS {loudest:.0f}; "
              f"silent from {silent_from:.2f} s", file=sys.stderr)
        self.assertGreater(loudest, 3000, "the ring is heard")
        self.assertEqual(len(sounds), 1, f"one ring: {sounds}")
        start, length = sounds[0]
        self.assertTrue(BELL * 0.8 <= length <= BELL + 0.15, f"the ring whole: {sounds}")
        self.assertLess(start + length, silent_from, "nothing heard in the silent mode")


if __name__ == "__main__":
    unittest.main(verbosity=2)
