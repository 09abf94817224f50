"""A whole game on a real X display, played as a person plays it: the test
sees the board only in screenshots, answers only with the mouse (real X
events through xdotool) and hears the game through a private PulseAudio
null sink.

It presses START and sees the "two" picture on all nine squares, reads each
round's flashes off the board and answers them with the wheel and a click
over each square, and sees the digit pictures at the scores 8, 20 and 36.
In the first round of five flashes it answers the last colour wrong, and
sees the game end: the buzz heard, the board white and disabled, the final
score shown, the score back at "0", and the failed round beside "Me:" and
"You:". While the computer flashes, no screenshot shows two coloured
squares.
"""

import contextlib
import os
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import pulse  # noqa: E402
from desktop import (WHEEL_DOWN, WHEEL_LEFT, WHEEL_RIGHT, WHEEL_UP,  # noqa: E402
                     Desktop, Image)

# What the test knows of the game's timing; the program is not told.
PERIOD = 1.0  # seconds from one flash to the next, below a score of 116
LOOK_EVERY = 0.12  # a flash stays a whole period: some eight looks see it
BELL = 0.8  # seconds the bell of "Your Turn" sounds
BUZZ = 0.4  # seconds the buzz of a wrong answer sounds
SLACK = 10.0  # seconds allowed beyond what the game's own timing needs

# Board squares by square number: left and top in the content area.
SQUARES = {0: (80, 156), 1: (146, 156), 2: (212, 156),
           5: (80, 222), 4: (146, 222), 3: (212, 222),
           7: (80, 288), 6: (146, 288), 8: (212, 288)}
SQUARE = 64
COLOURS = {(224, 0, 0): "r", (0, 176, 0): "g", (0, 64, 232): "b", (255, 224, 0): "y"}
WHEEL = {"b": WHEEL_DOWN, "r": WHEEL_UP, "g": WHEEL_RIGHT, "y": WHEEL_LEFT}
PICTURES = ("white", "two", "three", "four", "five", "six", "seven", "eight", "nine")
# The scores at which every later round has one flash more, and the digit
# shown on the board then.
LEVELS = {8: "three", 20: "four", 36: "five"}
GOAL = 36

BACKGROUND = (0xCC, 0xCC, 0xCC)
# Controls: left, top, width, height in the content area.
START = (69, 378, 91, 20)
SCORE = (123, 422, 57, 20)
FINAL_SCORE = (80, 67, 172, 20)
YOUR_TURN = (58, 99, 194, 45)
ME = (141, 474, 151, 20)
YOU = (152, 506, 151, 20)
REST = (30, 250)  # where the mouse waits: on the window, beside the board


def centre(box):
    left, top, width, height = box
    return left + width // 2, top + height // 2


def square_box(number):
    return (*SQUARES[number], SQUARE, SQUARE)


def load_pictures():
    """The pictures the program shows, read from its own Resources folder,
    as the pixel lists a square shows them in."""
    program = os.environ["QUORVELLE_PROGRAM"]
    resources = os.path.join(os.path.dirname(os.path.dirname(program)), "Resources")
    pictures = {}
    for name in PICTURES:
        image = Image.from_png(os.path.join(resources, name + ".png"))
        pictures[name] = list(image.pixels(0, 0, SQUARE, SQUARE))
    return pictures


def colour_on(view, number):
    """The colour letter a square shows, judged by its centre pixel; None
    for white, a digit or anything else."""
    return COLOURS.get(view.at(*centre(square_box(number))))


def lit(view):
    """{square number: colour letter} for every square that shows a colour."""
    found = {number: colour_on(view, number) for number in SQUARES}
    return {number: colour for number, colour in found.items() if colour}


def marks(view, box):
    """How many pixels of a rectangle are not the window's background."""
    return sum(1 for rgb in view.region(*box) if rgb != BACKGROUND)


def your_turn(view):
    """Whether the red "Your Turn" shows."""
    red = sum(1 for r, g, b in view.region(*YOUR_TURN) if r > 150 and g < 80 and b < 80)
    return red > 100


def columns(view, box):
    """A rectangle's pixels, column by column."""
    left, top, width, height = box
    return [tuple(view.at(left + x, top + y) for y in range(height)) for x in range(width)]


def other_colour(colour):
    return "rgby"["rgby".index(colour) - 1]


class PlayThrough(unittest.TestCase):
    def setUp(self):
        stack = contextlib.ExitStack()
        self.addCleanup(stack.close)
        self.folder = stack.enter_context(tempfile.TemporaryDirectory())
        self.pulse = stack.enter_context(pulse.PulseServer())
        self.desktop = stack.enter_context(Desktop())
        self.game = self.desktop.start_program(env=self.pulse.client_settings())
        self.pictures = load_pictures()
        self.sightings = []  # how many looks saw each flash
        self.gaps = []  # seconds between looks while reading flashes

    # --- Seeing and acting --------------------------------------------------

    def picture_on(self, view, number):
        """The name of the picture a square shows, pixel for pixel; None
        for anything else."""
        shown = view.region(*square_box(number))
        return next((name for name, pixels in self.pictures.items() if pixels == shown), None)

    def board(self, view):
        """What each square shows: a picture's name, a colour letter or "?"."""
        return {n: self.picture_on(view, n) or colour_on(view, n) or "?" for n in sorted(SQUARES)}

    def wait_for(self, seen, timeout, what):
        """Looks until seen(view) holds, and returns that view."""
        deadline = time.monotonic() + timeout
        while True:
            view = self.game.look()
            if seen(view):
                return view
            if time.monotonic() > deadline:
                self.fail(f"not seen within {timeout} s: {what}; the board: {self.board(view)}")
            time.sleep(0.02)

    def game_over(self, view):
        return marks(view, FINAL_SCORE) > 0

    # --- A round --------------------------------------------------------------

    def read_flashes(self, flashes):
        """Reads a round's flashes off the board until "Your Turn" shows;
        returns them as (square, colour letter) in their order. Answers
        wait for "Your Turn": a click while the computer still flashes
        would count as one."""
        read = []  # [(square, colour), looks that saw it]
        deadline = time.monotonic() + 3 * flashes * PERIOD + SLACK
        previous = None
        while True:
            now = time.monotonic()
            if previous is not None:
                self.gaps.append(now - previous)
            previous = now
            view = self.game.look()
            shown = lit(view)
            self.assertLessEqual(len(shown), 1, f"squares lit at once: {shown}, after {read}")
            if your_turn(view):
                self.assertFalse(shown, "a square still lit with 'Your Turn'")
                break
            if shown:
                flash = next(iter(shown.items()))
                if read and read[-1][0] == flash:
                    read[-1][1] += 1
                else:
                    read.append([flash, 1])
            if now > deadline:
                self.fail(f"no 'Your Turn' after the flashes {read}"
                          + (" (the game has ended)" if self.game_over(view) else ""))
            time.sleep(max(0.0, previous + LOOK_EVERY - time.monotonic()))
        self.sightings += [count for _, count in read]
        steps = [flash for flash, _ in read]
        self.assertEqual(len(steps), flashes, f"flashes read: {steps}")
        return steps

    def answer(self, steps):
        """Answers a round: over each square the wheel chooses the colour,
        which the square then shows, and a click records it. Before the
        next step the click's one-shot clear has made the board white;
        after the last click the mouse leaves the board at once, before
        the next round flashes."""
        for at, (square, colour) in enumerate(steps):
            self.game.move(*centre(square_box(square)))
            self.desktop.wheel(WHEEL[colour])
            self.wait_for(lambda view: colour_on(view, square) == colour, 5,
                          f"{colour} chosen with the wheel on square {square}")
            self.game.click(*centre(square_box(square)))
            if at < len(steps) - 1:
                self.wait_for(lambda view: colour_on(view, square) is None, 5,
                              f"the board cleared after the click on square {square}")
        self.game.move(*REST)

    def see_right_answer(self, score_before, digit):
        """After a right answer: the score label has changed, the board
        shows no colour and, at a level's score, the level's digit stands
        on the eight squares the mouse did not just leave."""
        def right(view):
            return view.region(*SCORE) != score_before and not lit(view)
        view = self.wait_for(right, 5, "a new score and the board without a colour")
        if digit:
            def splash(view):
                return sum(1 for n in SQUARES if self.picture_on(view, n) == digit) == 8
            self.wait_for(splash, 2, f"the picture '{digit}' on the board")
        return view

    # --- The game -----------------------------------------------------------

    def test_a_game_to_36_points_then_a_wrong_colour(self):
        recording = self.pulse.record(os.path.join(self.folder, "game.wav"))
        begun = time.monotonic()
        at_start = self.wait_for(lambda view: all(self.picture_on(view, n) == "white"
                                                  for n in SQUARES), 5, "a white board at start")
        self.game.click(*centre(START))
        self.wait_for(lambda view: all(self.picture_on(view, n) == "two" for n in SQUARES),
                      2 * PERIOD, "the picture 'two' on all nine squares after START")

        score, flashes, rounds = 0, 2, 0
        view = at_start
        while True:
            steps = self.read_flashes(flashes)
            if score >= GOAL:
                break
            self.answer(steps)
            score += flashes
            rounds += 1
            view = self.see_right_answer(view.region(*SCORE), LEVELS.get(score))
            if score in LEVELS:
                flashes += 1
        played = time.monotonic() - begun
        self.assertEqual(flashes, 5)

        self.end_with_a_wrong_colour(steps, at_start)
        self.hear_the_game(recording.stop(), turns=rounds + 1)
        print(f"\n{rounds} rounds to {score} points in {played:.1f} s "
              f"({time.monotonic() - begun:.1f} s with the game over); "
              f"{len(self.sightings)} flashes read, each seen in {min(self.sightings)} "
              f"to {max(self.sightings)} looks, {sum(self.sightings) / len(self.sightings):.1f} "
              f"on average; looks {sum(self.gaps) / len(self.gaps):.3f} s apart on average, "
              f"{max(self.gaps):.3f} s at the most", file=sys.stderr)

    def end_with_a_wrong_colour(self, steps, at_start):
        time.sleep(BELL + 0.7)  # the bell has rung out
        before = self.game.look()
        wrong = steps[:-1] + [(steps[-1][0], other_colour(steps[-1][1]))]
        self.answer(wrong)
        self.wait_for(self.game_over, 5, "the final score after a wrong answer")
        time.sleep(BUZZ + 0.6)  # the buzz has been heard
        after = self.game.look()

        for number in SQUARES:
            self.assertEqual(self.picture_on(after, number), "white", f"square {number}")
        self.assertEqual(marks(before, FINAL_SCORE), 0, "no final score during the game")
        self.assertNotEqual(before.region(*SCORE), at_start.region(*SCORE), "the score of 36")
        self.assertEqual(after.region(*SCORE), at_start.region(*SCORE), "the score back at 0")
        self.assertNotEqual(after.region(*START), at_start.region(*START), "'New Game'")
        self.see_failed_round(before, after)

        # The board is disabled: the wheel chooses nothing on it.
        self.game.move(*centre(square_box(4)))
        self.desktop.wheel(WHEEL_DOWN)
        self.desktop.settle()
        self.assertEqual(self.picture_on(self.game.look(), 4), "white",
                         "the wheel on a disabled square")
        self.assertIsNone(self.game.process.poll(), self.game.output())

    def hear_the_game(self, samples, turns):
        """The game's sounds in the recording of the whole game: a bell at
        each turn (a right answer's beep may follow it closely and sound
        as one with it), then, after the last bell has rung out, the buzz."""
        sounds = pulse.bursts(samples)
        _, loudest = pulse.loud_span(samples)
        print(f"\nheard: {pulse.describe(sounds)}; loudest 10 ms RMS {loudest:.0f}",
              file=sys.stderr)
        self.assertGreater(loudest, 3000, "the sounds are loud")
        bells = [length for _, length in sounds if length >= BELL * 0.8]
        self.assertEqual(len(bells), turns, f"one bell a turn: {sounds}")
        self.assertTrue(BELL * 0.8 <= sounds[-2][1] <= BELL + 0.15, f"the last bell: {sounds}")
        self.assertTrue(BUZZ * 0.8 <= sounds[-1][1] <= BUZZ + 0.15, f"the buzz: {sounds}")

    def see_failed_round(self, before, after):
        """"Me:" and "You:" show the failed round: the same text but for
        the colour of its last step, which stands at the end of the line."""
        for box in (ME, YOU):
            self.assertEqual(marks(before, box), 0, "empty during the game")
            self.assertGreater(marks(after, box), 50, "a round shown after the game")
        me, you = columns(after, ME), columns(after, YOU)
        blank = tuple([BACKGROUND] * ME[3])
        inked = [x for x, column in enumerate(me) if column != blank]
        differ = [x for x, (mine, yours) in enumerate(zip(me, you)) if mine != yours]
        self.assertTrue(differ, "the two lines differ")
        self.assertGreater(differ[0], inked[0] + 0.75 * (inked[-1] - inked[0]),
                           "the lines differ only at the end")


if __name__ == "__main__":
    unittest.main(verbosity=2)
