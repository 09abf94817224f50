"""The game window on a real X display: its title, size and colour, the
menu bar, the board, the About page, and quitting with Ctrl+Q."""

import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from desktop import CONTENT_HEIGHT, CONTENT_WIDTH, Desktop, dark  # noqa: E402

BACKGROUND = (0xCC, 0xCC, 0xCC)
WHITE = (0xFF, 0xFF, 0xFF)

# Board squares, by square number: left and top in the content area.
SQUARES = {0: (80, 156), 1: (146, 156), 2: (212, 156),
           5: (80, 222), 4: (146, 222), 3: (212, 222),
           7: (80, 288), 6: (146, 288), 8: (212, 288)}
SQUARE = 64


class WindowAtStart(unittest.TestCase):
    """One program, looked at as it opens."""

    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop().__enter__()
        try:
            cls.game = cls.desktop.start_program()
            cls.desktop.settle(0.5)
            cls.shot = cls.desktop.screenshot()
        except BaseException:
            cls.desktop.close()
            raise

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close()

    def at(self, x, y):
        """The pixel at a point of the content area."""
        return self.shot.pixel(*self.game.on_screen(x, y))

    def ink(self, left, top, width, height):
        """How many dark pixels a rectangle of the content area holds."""
        x, y = self.game.on_screen(left, top)
        return sum(1 for rgb in self.shot.pixels(x, y, width, height) if dark(rgb))

    def test_titled_quorvelle_with_a_grey_content_area_of_762_by_602(self):
        self.assertEqual(self.desktop.title(self.game.window), "Quorvelle")
        self.assertEqual(self.game.width, CONTENT_WIDTH)
        menu_bar = self.game.height - CONTENT_HEIGHT
        self.assertGreater(menu_bar, 10, "a menu bar stands above the content area")
        # The corners are background; just outside them is not.
        right, bottom = CONTENT_WIDTH - 1, CONTENT_HEIGHT - 1
        for corner in [(0, 0), (right, 0), (0, bottom), (right, bottom)]:
            self.assertEqual(self.at(*corner), BACKGROUND, corner)
        self.assertNotEqual(self.at(0, -1), BACKGROUND, "the menu bar's last row")
        if self.game.x + CONTENT_WIDTH < self.shot.width:
            self.assertNotEqual(self.at(CONTENT_WIDTH, 0), BACKGROUND)
        if self.game.y + self.game.height < self.shot.height:
            self.assertNotEqual(self.at(0, CONTENT_HEIGHT), BACKGROUND)

    def test_board_squares_stand_at_their_places(self):
        for number, (left, top) in SQUARES.items():
            inside = [self.at(left + dx, top + dy) for dx in (2, 32, 61) for dy in (2, 32, 61)]
            self.assertEqual(set(inside), {WHITE}, f"square {number}")
            # The two-pixel gaps between squares are background.
            self.assertEqual(self.at(left + SQUARE, top + 32), BACKGROUND, f"right of {number}")
            self.assertEqual(self.at(left + 32, top + SQUARE), BACKGROUND, f"below {number}")

    def test_about_page_shows(self):
        self.assertGreater(self.ink(411, 81, 114, 31), 50, "the name on the About page")
        self.assertGreater(self.ink(365, 119, 201, 20), 50, "the version on the About page")
        self.assertEqual(self.ink(397, 334, 307, 149), 0, "the Instructions page's text")


class Menus(unittest.TestCase):
    def test_menu_bar_has_file_and_edit(self):
        with Desktop() as desktop:
            game = desktop.start_program()
            desktop.focus(game.window)
            menu_bar = game.height - CONTENT_HEIGHT
            bar = desktop.screenshot()
            left, top = game.x, game.y
            titles = sum(1 for rgb in bar.pixels(left, top, 100, menu_bar) if dark(rgb))
            self.assertGreater(titles, 20, "menu titles in the menu bar")

            # Each menu opens from its mnemonic, below its own title.
            opened = []
            for mnemonic in ("alt+f", "alt+e"):
                desktop.key(mnemonic)
                desktop.settle()
                shot = desktop.screenshot()
                desktop.key("Escape")
                desktop.settle()
                row = top + menu_bar + 5
                changed = [x for x in range(left, left + 200)
                           if shot.pixel(x, row) != bar.pixel(x, row)]
                self.assertTrue(changed, f"{mnemonic} opens a menu")
                opened.append(changed[0])
            self.assertLess(opened[0], opened[1], "File stands left of Edit")


class Quit(unittest.TestCase):
    def test_ctrl_q_ends_the_program_with_status_0(self):
        with Desktop() as desktop:
            game = desktop.start_program()
            desktop.focus(game.window)
            self.assertEqual(desktop.focused(), game.window, "the key goes to the game")
            desktop.key("ctrl+q")
            status = game.wait(timeout=10)
            self.assertIsNotNone(status, "Ctrl+Q did not end the program")
            self.assertEqual(status, 0, game.output())


class WithoutADisplay(unittest.TestCase):
    """No display to open the window on: one clear line and status 1."""

    def run_program(self, display):
        env = {name: value for name, value in os.environ.items()
               if name not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        if display is not None:
            env["DISPLAY"] = display
        return subprocess.run([os.environ["QUORVELLE_PROGRAM"]], env=env, capture_output=True,
                              text=True, timeout=30)

    def test_unset_or_unreachable_display(self):
        for display, reason in ((None, "DISPLAY is not set"), (":987", ":987")):
            done = self.run_program(display)
            self.assertEqual(done.returncode, 1, done.stderr)
            lines = done.stderr.strip().splitlines()
            self.assertEqual(len(lines), 1, done.stderr)
            self.assertTrue(lines[0].startswith("quorvelle: cannot open the window: "), lines[0])
            self.assertIn(reason, lines[0])


if __name__ == "__main__":
    unittest.main(verbosity=2)
