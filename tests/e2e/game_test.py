"""The built program as a player meets it, seen, driven and heard. One run:
the window at start, the About page's links, the practice square, the sound
buttons, a game played to 8 and lost, quitting while a sound plays. Short
extra runs: no display, no sound output, a dark desktop, the installation."""

import collections
import filecmp
import os
import pathlib
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from desktop import CONTENT_HEIGHT, Desktop, Look, Recording, luminance, picture, wait_for  # noqa

RESOURCES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources")
PICTURES = {name: picture(os.path.join(RESOURCES, name + ".png"))
            for name in ("white", "two", "three", "blue", "red", "green", "yellow")}
WHEEL = {"blue": 5, "red": 4, "green": 7, "yellow": 6}  # the X button that chooses each colour
CENTRES = {tuple(PICTURES[name][6240:6243]): name for name in ("white", *WHEEL)}
LENGTHS = {"ring": 0.8, "beep": 0.2, "buzz": 0.4}  # seconds

# Content coordinates: boxes are (left, top, width, height), points (x, y).
# The squares are taken row by row, not in the game's numbering.
SQUARES = [(80 + 66 * column, 156 + 66 * row) for row in range(3) for column in range(3)]
START, START_AT, SCORE = (69, 378, 91, 20), (114, 388), (123, 422, 57, 20)
FINAL_SCORE, YOUR_TURN = (80, 67, 172, 20), (58, 99, 194, 45)
ABOUT_TEXTS = [(411, 81, 114, 31), (365, 119, 201, 20), (328, 142, 100, 20), (349, 174, 79, 20)]
INSTRUCTIONS_TEXTS = [(310, 49, 394, 279), (397, 334, 307, 149), (341, 495, 65, 20)]
MODE_TEXTS = [(420, 538, 60, 14), (450, 556, 60, 20), (594, 556, 60, 20)]  # MODE, normal, silent
ABOUT, INSTRUCTIONS, PRACTICE, REST = (333, 27), (411, 27), (319 + 33, 351 + 37), (30, 250)
BUTTONS = {"ring": (458, 505), "beep": (550, 505), "buzz": (657, 505)}
NORMAL, SILENT, ME, YOU = (441, 566), (585, 566), (141, 474, 151, 20), (152, 506, 151, 20)
LINKS = [((459, 152), "https://www.example.org/"), ((434, 312), "mailto:quorvelle@example.org"),
         ((459, 184), "https://www.example.org/quorvelle/")]


def colour(look, point):
    """The name of the colour a point shows ("white" too), else its RGB."""
    return CENTRES.get(look.at(*point), look.at(*point))


def board(look):
    """What each square shows: a picture's name, pixel for pixel, or else
    what its centre shows."""
    return [next((name for name, pixels in PICTURES.items() if look.region(x, y, 64, 64) == pixels),
                 None) or colour(look, (x + 32, y + 32)) for x, y in SQUARES]


def ink(look, box):
    return sum(1 for rgb in look.pixels(box) if luminance(rgb) < 100)


def marks(look, box):
    """How many pixels of a box are not the window's background."""
    return sum(1 for rgb in look.pixels(box) if rgb != (0xCC, 0xCC, 0xCC))


def your_turn(look):
    return sum(1 for r, g, b in look.pixels(YOUR_TURN) if r > 150 and g + b < 80) > 100


def contrast(look, box):
    """How far the darkest ink stands from the box's most common colour."""
    pixels = look.pixels(box)
    return luminance(collections.Counter(pixels).most_common(1)[0][0]) - min(map(luminance, pixels))


def heard_as(sounds, names):
    """Whether the sounds are the named ones, each whole (-20 %, +0.15 s)."""
    return len(sounds) == len(names) and all(0.8 * LENGTHS[name] <= length <= LENGTHS[name] + 0.15
                                              for (_, length), name in zip(sounds, names))


def instructions(game):
    game.click(INSTRUCTIONS)
    return game.see(lambda look: ink(look, INSTRUCTIONS_TEXTS[0]) > 500, "the Instructions page")


def read(game, flashes):
    """A round's flashes read off the board, as a player sees them, until
    "Your Turn" shows: (square, colour) in order."""
    seen = []

    def turn(look):
        lit = [(square, shown) for square, shown in enumerate(board(look)) if shown in WHEEL]
        assert len(lit) <= 1, f"squares lit at once: {lit}"
        assert not marks(look, FINAL_SCORE), f"the game ended during the flashes {seen}"
        seen.extend(lit if lit and seen[-1:] != lit else [])
        return your_turn(look)

    game.see(turn, lambda: f"'Your Turn' after the flashes {seen}", 3 * flashes + 5)
    assert len(seen) == flashes, f"{flashes} flashes, not {seen}"
    return seen


def answer(game, steps):
    """Over each step's square the wheel chooses its colour, shown there, and a
    click answers; its one-shot clear whitens the board before the next step.
    After the last click the mouse leaves the board before the next flashes."""
    for n, (square, chosen) in enumerate(steps):
        point = (SQUARES[square][0] + 32, SQUARES[square][1] + 32)
        game.act(point, "click", WHEEL[chosen])
        game.see(lambda look: board(look)[square] == chosen, f"{chosen} on square {square}", 5)
        if n == len(steps) - 1:
            return game.act("click", 1, REST)
        game.click(point)
        game.see(lambda look: board(look)[square] == "white", "the one-shot clear", 5)


class Game(unittest.TestCase):
    def test_a_game_and_the_pages(self):
        with Desktop() as desktop:
            self.opened = os.path.join(desktop.temp, "opened")
            with open(os.path.join(desktop.temp, "xdg-open"), "w", encoding="utf-8") as stand_in:
                stand_in.write(f"#!/bin/sh\nprintf '%s\\n' \"$@\" >> {self.opened}\n")
            os.chmod(stand_in.name, 0o755)
            self.heard = Recording(desktop)
            self.game = desktop.start(env={"PATH": desktop.temp + os.pathsep + os.environ["PATH"]})
            for step in (self.window_at_start, self.links, self.practice_square,
                         self.sound_buttons, self.start_then_space_and_return,
                         self.play_to_8_then_a_wrong_colour, self.quit_while_ringing):
                with self.subTest(step.__name__):
                    step()
            self.assertEqual(pathlib.Path(self.opened).read_text().split(),
                             [address for _, address in LINKS])
            self.assertEqual(self.game.output(), "", "the program printed nothing")

    def window_at_start(self):
        self.assertGreater(self.game.height - CONTENT_HEIGHT, 10, "a menu bar above the content")
        self.at_start = self.game.see(lambda look: board(look) == ["white"] * 9, "white squares")
        self.assertGreater(ink(self.at_start, (0, -15, 100, 15)), 20, "the menu bar's titles")
        for corner in [(0, 0), (761, 0), (0, 601), (761, 601)]:
            self.assertEqual(self.at_start.at(*corner), (0xCC, 0xCC, 0xCC), corner)
        for box in ABOUT_TEXTS[:2]:
            self.assertGreater(ink(self.at_start, box), 50, f"the name and version at {box}")

    def links(self):
        for count, (point, _) in enumerate(LINKS, 1):
            self.game.click(point)
            wait_for(lambda: os.path.exists(self.opened) and
                     len(pathlib.Path(self.opened).read_text().split()) >= count,
                     10, f"the link at {point} opened")

    def practice_square(self):
        instructions(self.game)
        for chosen in ("blue", "green", "yellow", "red"):
            self.game.act(PRACTICE, "click", WHEEL[chosen])
            self.game.see(lambda look: colour(look, PRACTICE) == chosen, f"{chosen} shown", 5)
        self.game.click(PRACTICE)
        box, x, y, width, height = wait_for(self.game.boxes, 10, "the 'You chose' box")[0]
        wait_for(lambda: ink(Look(self.game.desktop.screenshot(), x, y), (0, 0, width, height)),
                 10, "the box's text")
        with self.subTest("the square keeps its colour while the box is open"):
            self.assertEqual(colour(self.game.look(), PRACTICE), "red")
        self.game.key("Return", window=box)
        wait_for(lambda: not self.game.boxes(), 10, "the box closed with Return")
        with self.subTest("the square keeps its colour once the box has closed"):
            self.assertEqual(colour(self.game.look(), PRACTICE), "red")
        self.game.act(REST)
        self.game.see(lambda look: colour(look, PRACTICE) == "white", "white once left", 5)
        self.game.act(PRACTICE, "keydown", "alt", "click", WHEEL["blue"], "keyup", "alt")
        self.game.see(lambda look: colour(look, PRACTICE) == "blue", lambda:
                      f"blue for Alt + wheel down, not {colour(self.game.look(), PRACTICE)}", 5)

    def sound_buttons(self):
        for name, point in BUTTONS.items():
            mark = self.heard.mark()
            self.game.click(point)
            sounds = wait_for(lambda: self.heard.sounds(mark), 5, f"the {name}")
            self.assertTrue(heard_as(sounds, [name]), f"the {name} alone and whole: {sounds}")
        # Silent, the three; then normal again and a beep, to know when all
        # the clicks have been handled.
        mark = self.heard.mark()
        self.game.click(SILENT, *BUTTONS.values(), NORMAL, BUTTONS["beep"])
        sounds = wait_for(lambda: self.heard.sounds(mark), 5, "the beep after 'normal'")
        self.assertTrue(heard_as(sounds, ["beep"]), f"silent, then a beep: {sounds}")

    def start_then_space_and_return(self):
        mark = self.heard.mark()
        self.game.click(START_AT)
        self.game.see(lambda look: board(look) == ["two"] * 9, "'two' on all squares", 5)
        self.game.key("space", "Return")
        look = self.game.see(lambda look: marks(look, FINAL_SCORE) or set(board(look)) & set(WHEEL),
                             "a flash", 5)
        self.game_sounds = self.heard.mark()
        self.assertFalse(marks(look, FINAL_SCORE) or self.heard.sounds(mark, gap=0.02),
                         "Space or Return ended the game: Final Score or a buzz")

    def play_to_8_then_a_wrong_colour(self):
        score, flashes, turns = 0, 2, 0
        while True:
            steps = read(self.game, flashes)
            turns += 1
            wait_for(lambda: len(self.heard.sounds(self.game_sounds)) >= 2 * turns - 1, 5,
                     "the bell rung out")
            if score == 8:
                break
            before = self.game.look().region(*SCORE)
            answer(self.game, steps)
            score += flashes
            self.game.see(lambda look: look.region(*SCORE) != before and (
                score < 8 or board(look).count("three") >= 8), f"the score {score} ('three')", 5)
            flashes = 3 if score == 8 else flashes
        wrong = next(chosen for chosen in WHEEL if chosen != steps[-1][1])
        answer(self.game, steps[:-1] + [(steps[-1][0], wrong)])
        over = self.game.see(lambda look: marks(look, FINAL_SCORE) and board(look) == ["white"] * 9,
                             "Final Score and a white board", 5)
        sounds = wait_for(lambda: len(heard := self.heard.sounds(self.game_sounds)) >= 2 * turns
                          and heard, 5, "the buzz")
        self.assertTrue(heard_as(sounds, ["ring", "beep"] * (turns - 1) + ["ring", "buzz"]),
                        f"a bell each turn, a beep each right answer, the buzz: {sounds}")
        self.assertEqual(over.region(*SCORE), self.at_start.region(*SCORE), "the score back at 0")
        columns = [[over.region(box[0] + x, box[1], 1, box[3]) for x in range(box[2])]
                   for box in (ME, YOU)]
        inked = [x for x, column in enumerate(columns[0]) if column != bytes([0xCC] * 60)]
        differ = [x for x, (me, you) in enumerate(zip(*columns)) if me != you]
        self.assertTrue(inked and differ, "the final round's two lines, not alike")
        self.assertGreater(differ[0], inked[0] + 0.75 * (inked[-1] - inked[0]),
                           "'Me:' and 'You:' differ only at their end")

    def quit_while_ringing(self):
        self.game.click(BUTTONS["ring"])
        self.game.key("ctrl+q")
        self.assertEqual(self.game.process.wait(10), 0)

    def test_dark_desktop(self):
        with Desktop() as desktop:
            game = desktop.start(env={"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "Adwaita:dark"})
            about = game.see(lambda look: board(look) == ["white"] * 9, "the window drawn")
            pages = [(about, ABOUT_TEXTS + MODE_TEXTS), (instructions(game), INSTRUCTIONS_TEXTS)]
            faint = [(box, low) for look, boxes in pages for box in boxes
                     if (low := contrast(look, box)) < 100]
            self.assertEqual(faint, [], "texts (box, contrast) that do not stand out")

    def test_installed_through_the_link(self):
        with Desktop() as desktop:
            prefix = pathlib.Path(desktop.temp, "prefix")
            subprocess.run(["cmake", "--install", os.environ["QUORVELLE_BUILD"], "--prefix",
                            prefix], check=True, capture_output=True)
            resources = prefix / os.environ["QUORVELLE_LIBDIR"] / "quorvelle/Resources"
            link = prefix / "bin/quorvelle"
            self.assertFalse(os.path.isabs(os.readlink(link)), "a relative link")
            self.assertEqual(link.resolve(), (resources / "../bin/quorvelle").resolve())
            assets = sorted(n for n in os.listdir(RESOURCES) if n.endswith(("png", "aiff")))
            self.assertEqual(sorted(os.listdir(resources)), assets)
            self.assertEqual(filecmp.cmpfiles(RESOURCES, resources, assets, False)[0], assets)
            game = desktop.start(str(link))
            game.see(lambda look: board(look) == ["white"] * 9, "white squares, found via the link")

    def test_without_a_display(self):
        env = {k: v for k, v in os.environ.items()
               if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        for display, reason in (({}, "DISPLAY is not set"), ({"DISPLAY": ":987"}, ":987")):
            done = subprocess.run([os.environ["QUORVELLE_PROGRAM"]], env=dict(env, **display),
                                  capture_output=True, text=True, timeout=30)
            self.assertEqual(done.returncode, 1, done.stderr)
            self.assertRegex(done.stderr, f"^quorvelle: cannot open the window: [^\n]*{reason}\n$")

    def test_without_sound_output(self):
        with Desktop() as desktop:
            game = desktop.start(env={"PULSE_SERVER": f"unix:{desktop.temp}/no-server"})
            instructions(game)
            game.click(*BUTTONS.values(), *BUTTONS.values())
            game.key("ctrl+q")
            self.assertEqual(game.process.wait(10), 0)
            self.assertRegex(game.output(), r"^quorvelle: sounds are not played: [^\n]*\n$")


if __name__ == "__main__":
    unittest.main(verbosity=2)
