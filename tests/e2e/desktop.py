"""A private X display for end-to-end tests of the built program.

Starts Xvfb on a free display, starts the program on it, and gives the
tests what a player has: the screen's pixels, the mouse and the keyboard
(through xdotool's XTEST input, so the program gets real X events).
Everything started here is ended again, also when a test fails:

    with Desktop() as desktop:
        game = desktop.start_program()
        desktop.click(*game.on_screen(100, 200))
        shot = desktop.screenshot()
        assert shot.pixel(*game.on_screen(100, 200)) == (255, 255, 255)

Python 3 standard library only; needs Xvfb, xdotool and ImageMagick.
"""

import os
import shutil
import struct
import subprocess
import tempfile
import time
import zlib

CONTENT_WIDTH = 762
CONTENT_HEIGHT = 602
WINDOW_TITLE = "Quorvelle"

# X mouse buttons.
LEFT = 1
WHEEL_UP, WHEEL_DOWN, WHEEL_LEFT, WHEEL_RIGHT = 4, 5, 6, 7


class Image:
    """A screenshot: rows of RGB pixels."""

    def __init__(self, width, height, rgb):
        self.width = width
        self.height = height
        self.rgb = rgb

    @classmethod
    def from_ppm(cls, data):
        """Reads a binary PPM (P6) with 8-bit samples."""
        fields = []
        at = 0
        while len(fields) < 4:
            while data[at:at + 1].isspace():
                at += 1
            if data[at:at + 1] == b"#":
                at = data.index(b"\n", at) + 1
                continue
            end = at
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[at:end])
            at = end
        magic, width, height, maxval = fields[0], int(fields[1]), int(fields[2]), int(fields[3])
        if magic != b"P6" or maxval != 255:
            raise ValueError(f"not an 8-bit binary PPM: {magic!r}, maxval {maxval}")
        at += 1  # the one blank after the header
        return cls(width, height, data[at:at + 3 * width * height])

    @classmethod
    def from_png(cls, path):
        """Reads a PNG file of 8-bit RGB, not interlaced, as the game's
        pictures are."""
        with open(path, "rb") as file:
            data = file.read()
        if data[:8] != b"\x89PNG\r\n\x1a\n":
            raise ValueError(f"{path}: not a PNG file")
        header, compressed, at = None, b"", 8
        while at < len(data):
            length, kind = struct.unpack(">I4s", data[at:at + 8])
            body = data[at + 8:at + 8 + length]
            at += 12 + length
            if kind == b"IHDR":
                header = struct.unpack(">IIBBBBB", body)
            elif kind == b"IDAT":
                compressed += body
            elif kind == b"IEND":
                break
        width, height, depth, colour_type, _, _, interlace = header
        if depth != 8 or colour_type != 2 or interlace:
            raise ValueError(f"{path}: not 8-bit RGB without interlacing")
        rows = _unfilter(zlib.decompress(compressed), width * 3, height, 3)
        return cls(width, height, b"".join(rows))

    def pixel(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            raise IndexError(f"pixel {x},{y} outside {self.width}x{self.height}")
        at = 3 * (y * self.width + x)
        return tuple(self.rgb[at:at + 3])

    def pixels(self, left, top, width, height):
        """Every pixel of a rectangle, row by row."""
        for y in range(top, top + height):
            for x in range(left, left + width):
                yield self.pixel(x, y)


def _unfilter(raw, stride, height, step):
    """A PNG's scanlines with their filters undone, as bytearrays."""
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, row = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            a = row[i - step] if i >= step else 0
            b = previous[i]
            c = previous[i - step] if i >= step else 0
            if kind == 1:
                row[i] = (row[i] + a) & 0xFF
            elif kind == 2:
                row[i] = (row[i] + b) & 0xFF
            elif kind == 3:
                row[i] = (row[i] + (a + b) // 2) & 0xFF
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                nearest = a if pa <= pb and pa <= pc else b if pb <= pc else c
                row[i] = (row[i] + nearest) & 0xFF
        rows.append(row)
        previous = row
    return rows


class Content:
    """A screenshot seen through a program's content area: points and
    rectangles are in window content coordinates."""

    def __init__(self, shot, origin):
        self.shot = shot
        self.left, self.top = origin

    def at(self, x, y):
        return self.shot.pixel(self.left + x, self.top + y)

    def region(self, left, top, width, height):
        """Every pixel of a rectangle, row by row, as a list."""
        return list(self.shot.pixels(self.left + left, self.top + top, width, height))


def dark(rgb, below=128):
    """Whether a pixel is dark enough to be a letter's ink."""
    return sum(rgb) / 3 < below


class Program:
    """The running program and its window. Its look, move and click work in
    content coordinates on the desktop that started it."""

    def __init__(self, process, log, window, geometry, desktop=None):
        self.process = process
        self.log = log
        self.window = window
        self.x, self.y, self.width, self.height = geometry
        self.desktop = desktop

    @property
    def content_origin(self):
        """The screen position of the content area's top left: the content
        fills the window's width and its bottom, below the menu bar."""
        return self.x, self.y + self.height - CONTENT_HEIGHT

    def on_screen(self, x, y):
        """A point of the content area in screen coordinates."""
        left, top = self.content_origin
        return left + x, top + y

    def look(self):
        """A screenshot, seen through the content area."""
        return Content(self.desktop.screenshot(), self.content_origin)

    def move(self, x, y):
        self.desktop.move(*self.on_screen(x, y))

    def click(self, x, y):
        self.desktop.click(*self.on_screen(x, y))

    def output(self):
        with open(self.log, encoding="utf-8", errors="replace") as log:
            return log.read()

    def wait(self, timeout):
        """The exit status, or None while the program still runs."""
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None


class Desktop:
    """A private Xvfb screen, with the programs started on it."""

    def __init__(self, width=1280, height=1024):
        self.size = (width, height)
        self.display = None
        self.temp = None
        self.xvfb = None
        self.programs = []

    def __enter__(self):
        try:
            self.start()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()

    def start(self):
        self.temp = tempfile.mkdtemp(prefix="quorvelle-e2e-")
        runtime = os.path.join(self.temp, "runtime")
        os.mkdir(runtime, 0o700)
        read_end, write_end = os.pipe()
        try:
            self.xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                 f"{self.size[0]}x{self.size[1]}x24", "-nolisten", "tcp", "-noreset"],
                pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                env=self._base_env(runtime))
            os.close(write_end)
            write_end = None
            number = b""
            deadline = time.monotonic() + 15
            while not number.endswith(b"\n"):
                if time.monotonic() > deadline or self.xvfb.poll() is not None:
                    raise RuntimeError("Xvfb did not start")
                chunk = os.read(read_end, 16)
                if not chunk:
                    raise RuntimeError("Xvfb did not name its display")
                number += chunk
        finally:
            os.close(read_end)
            if write_end is not None:
                os.close(write_end)
        self.display = ":" + number.decode().strip()
        self.env = self._base_env(runtime)
        self.env["DISPLAY"] = self.display

    @staticmethod
    def _base_env(runtime):
        env = dict(os.environ)
        for name in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "PULSE_SERVER"):
            env.pop(name, None)
        env["XDG_RUNTIME_DIR"] = runtime
        env["QT_QPA_PLATFORM"] = "xcb"
        return env

    def close(self):
        for program in self.programs:
            _end(program.process)
        self.programs = []
        if self.xvfb is not None:
            _end(self.xvfb)
            self.xvfb = None
        if self.temp is not None:
            shutil.rmtree(self.temp, ignore_errors=True)
            self.temp = None

    # --- Tools on the display -------------------------------------------

    def run(self, *command, timeout=20):
        """Runs a command on the display and returns its output."""
        done = subprocess.run(command, env=self.env, capture_output=True, timeout=timeout,
                              check=True)
        return done.stdout.decode()

    def xdotool(self, *args, timeout=20):
        return self.run("xdotool", *map(str, args), timeout=timeout)

    # --- The program ------------------------------------------------------

    def launch(self, program=None, env=None):
        """Starts the program without waiting for anything; env holds
        variables to set for it beside the display's. Its output, stdout and
        stderr together, goes to its log."""
        program = program or os.environ["QUORVELLE_PROGRAM"]
        log = os.path.join(self.temp, f"program-{len(self.programs)}.log")
        with open(log, "wb") as out:
            process = subprocess.Popen([program], env=dict(self.env, **(env or {})), stdout=out,
                                       stderr=subprocess.STDOUT)
        started = Program(process, log, None, (0, 0, 0, 0), self)
        self.programs.append(started)
        return started

    def start_program(self, program=None, timeout=20, env=None):
        """Starts the program and waits for its window to show."""
        started = self.launch(program, env)
        process = started.process
        try:
            found = self.xdotool("search", "--sync", "--all", "--onlyvisible",
                                 "--pid", process.pid, "--name", f"^{WINDOW_TITLE}$",
                                 timeout=timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError("no window showed; the program said:\n" + started.output())
        started.window = found.split()[0]
        started.x, started.y, started.width, started.height = self.geometry(started.window)
        return started

    def windows(self, program):
        """The program's visible windows titled as the game's (the game
        window and its message boxes), each as (id, x, y, width, height)."""
        try:
            found = self.xdotool("search", "--all", "--onlyvisible", "--pid",
                                 program.process.pid, "--name", f"^{WINDOW_TITLE}$")
        except subprocess.CalledProcessError:
            return []  # none
        shown = []
        for window in found.split():
            try:
                shown.append((window, *self.geometry(window)))
            except subprocess.CalledProcessError:
                pass  # gone meanwhile
        return shown

    def geometry(self, window):
        """x, y, width, height of a window on the screen."""
        fields = self._query("getwindowgeometry", "--shell", window)
        return tuple(int(fields[name]) for name in ("X", "Y", "WIDTH", "HEIGHT"))

    def _query(self, *args):
        """The NAME=value lines of an xdotool query made with --shell."""
        return dict(line.split("=", 1) for line in self.xdotool(*args).split())

    def title(self, window):
        return self.xdotool("getwindowname", window).rstrip("\n")

    def focus(self, window):
        """Gives a window the keyboard focus; there is no window manager
        to do it."""
        self.xdotool("windowfocus", "--sync", window)

    def focused(self):
        """The window with the keyboard focus; empty when none has it."""
        try:
            return self.xdotool("getwindowfocus").strip()
        except subprocess.CalledProcessError:
            return ""

    # --- Seeing and acting, as a player does ------------------------------

    def screenshot(self):
        data = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], env=self.env,
                              capture_output=True, timeout=20, check=True).stdout
        return Image.from_ppm(data)

    def move(self, x, y):
        """Moves the mouse and waits until it stands there. A move to where
        it already stands is left out: xdotool would wait 15 s for it."""
        if self.pointer() != (x, y):
            self.xdotool("mousemove", "--sync", x, y)

    def pointer(self):
        """Where the mouse stands on the screen."""
        fields = self._query("getmouselocation", "--shell")
        return int(fields["X"]), int(fields["Y"])

    def click(self, x, y, button=LEFT):
        self.move(x, y)
        self.xdotool("click", button)

    def wheel(self, button, times=1):
        """Turns the wheel where the mouse is: WHEEL_UP, WHEEL_DOWN,
        WHEEL_LEFT or WHEEL_RIGHT, one notch per time."""
        self.xdotool("click", "--repeat", times, button)

    def key(self, *keys):
        """Presses keys ("Return", "ctrl+q") on the focused window."""
        self.xdotool("key", *keys)

    def settle(self, seconds=0.3):
        """Gives the program time to draw what the last action changed."""
        time.sleep(seconds)


def _end(process):
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
