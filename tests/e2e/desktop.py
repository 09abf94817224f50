"""The end-to-end harness: the program on a private X display (Xvfb) of a
known size and a private PulseAudio server whose null sink is the default
output. Tests act through xdotool's real X input, look at raw screenshots and
hear the sink's monitor. All started here ends with the Desktop, also on failure."""

import array
import os
import pathlib
import re
import shutil
import subprocess
import tempfile
import time

WIDTH, HEIGHT = 800, 700  # the screen
CONTENT_WIDTH, CONTENT_HEIGHT = 762, 602  # the content area, below the menu bar
RATE = 44100  # samples a second in a recording
REPORT = "quorvelle: unhandled NilObjectException"
SANITIZER = re.compile(r"Sanitizer|runtime error:")


def wait_for(condition, timeout, what):
    """Polls condition() until it gives something true, and returns that. On
    timeout fails with what was awaited: a text, or a function giving one."""
    deadline = time.monotonic() + timeout
    while not (got := condition()):
        if time.monotonic() > deadline:
            raise AssertionError(f"not within {timeout} s: {what() if callable(what) else what}")
        time.sleep(0.03)
    return got


def picture(path):
    """A PNG file's pixels, row by row, as raw RGB bytes."""
    return subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True,
                          check=True, timeout=30).stdout


def luminance(rgb):
    return 0.299 * rgb[0] + 0.587 * rgb[1] + 0.114 * rgb[2]


class Look:
    """A screenshot seen from a window's content area: points are (x, y),
    boxes (left, top, width, height), in content coordinates."""

    def __init__(self, rgb, left, top):
        self.rgb, self.left, self.top = rgb, left, top

    def at(self, x, y):
        at = 3 * ((self.top + y) * WIDTH + self.left + x)
        return tuple(self.rgb[at:at + 3])

    def region(self, left, top, width, height):
        """A box's raw RGB bytes, row by row."""
        return b"".join(self.rgb[3 * ((self.top + y) * WIDTH + self.left + left):][:3 * width]
                        for y in range(top, top + height))

    def pixels(self, box):
        data = self.region(*box)
        return [tuple(data[i:i + 3]) for i in range(0, len(data), 3)]


class Program:
    """A run of the program; shown() finds its window."""

    def __init__(self, desktop, process, log):
        self.desktop, self.process, self.log = desktop, process, log
        self.window, self.left, self.top, self.height = None, 0, 0, 0

    def output(self):
        return pathlib.Path(self.log).read_text(errors="replace")

    def windows(self):
        """(id, x, y, width, height) of the program's visible windows titled
        "Quorvelle": the game window and its message boxes."""
        shell = self.desktop.xdotool("search", "--onlyvisible", "--pid", self.process.pid,
                                     "--name", "^Quorvelle$", "getwindowgeometry", "--shell", "%@",
                                     check=False)
        return [(window, *map(int, place)) for window, *place in re.findall(
            r"WINDOW=(\d+)\nX=(-?\d+)\nY=(-?\d+)\nWIDTH=(\d+)\nHEIGHT=(\d+)", shell)]

    def boxes(self):
        return [window for window in self.windows() if window[3] != CONTENT_WIDTH]

    def shown(self):
        """Whether the game window shows; once it does, its place is known."""
        for window, x, y, width, height in self.windows():
            if width == CONTENT_WIDTH:
                self.window, self.height = window, height
                self.left, self.top = x, y + height - CONTENT_HEIGHT
        return self.window is not None

    def look(self):
        return Look(self.desktop.screenshot(), self.left, self.top)

    def see(self, seen, what, timeout=10):
        """Looks until seen(look) holds; returns that look."""
        return wait_for(lambda: seen(look := self.look()) and look, timeout, what)

    def act(self, *commands):
        """xdotool commands; a point (x, y) among them moves the mouse there."""
        self.desktop.xdotool(*[arg for command in commands for arg in (
            ["mousemove", self.left + command[0], self.top + command[1]]
            if isinstance(command, tuple) else [command])])

    def click(self, *points):
        self.act(*[arg for point in points for arg in (point, "click", 1)])

    def key(self, *keys, window=None):
        """Keys to a window, the game's by default, focused: no window manager does it."""
        self.desktop.xdotool("windowfocus", "--sync", window or self.window, "key", *keys)


class Recording:
    """The sink's monitor recorded from now on, read while the file grows."""

    def __init__(self, desktop):
        self.path = os.path.join(desktop.temp, "heard.raw")
        desktop.spawn(["parecord", "--raw", "--device=quorvelle.monitor", "--format=s16le",
                       f"--rate={RATE}", "--channels=1", "--latency-msec=20", self.path])
        wait_for(self.mark, 15, "parecord recording")

    def mark(self):
        """How many samples have been recorded so far."""
        return os.path.getsize(self.path) // 2 if os.path.exists(self.path) else 0

    def sounds(self, since=0, gap=0.1, window=441):
        """The sounds heard since a mark and ended, told apart by a quiet of
        gap seconds: (start, length) in seconds, in order."""
        with open(self.path, "rb") as file:
            file.seek(2 * since)
            samples = array.array("h", file.read())
        found, step, end = [], window / RATE, len(samples) // window * window / RATE
        for at in range(0, len(samples) - window + 1, window):
            if max(samples[at:at + window]) - min(samples[at:at + window]) > 2000:
                if found and at / RATE - sum(found[-1]) < gap:
                    found[-1] = (found[-1][0], at / RATE + step - found[-1][0])
                else:
                    found.append((at / RATE, step))
        return found[:-1] if found and end - sum(found[-1]) < gap else found


class Desktop:
    def __init__(self):
        self.processes, self.temp = [], tempfile.mkdtemp(prefix="quorvelle-e2e-")
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("DISPLAY", "WAYLAND_", "QT_QPA_", "PULSE_", "GTK_"))}
        self.env.update(XDG_RUNTIME_DIR=self.temp, HOME=self.temp,  # mkdtemp's mode is 0700
                        QT_QPA_PLATFORM="xcb", PULSE_SERVER=f"unix:{self.temp}/sound",
                        PULSE_CLIENTCONFIG=os.path.join(self.temp, "client.conf"))
        pathlib.Path(self.env["PULSE_CLIENTCONFIG"]).write_text("autospawn = no\n")

    def __enter__(self):
        try:
            read_end, write_end = os.pipe()
            self.spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                        f"{WIDTH}x{HEIGHT}x24", "-nolisten", "tcp", "-noreset"],
                       pass_fds=(write_end,))
            os.close(write_end)
            with os.fdopen(read_end) as named:
                self.env["DISPLAY"] = ":" + named.readline().strip()
            # -n: none of the machine's own sound setup, only these modules.
            self.spawn(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                        "--use-pid-file=no", "--disable-shm=yes", "--system=false",
                        "--load=module-null-sink sink_name=quorvelle",
                        "--load=module-native-protocol-unix auth-anonymous=1 socket="
                        + self.env["PULSE_SERVER"][5:]])
            wait_for(lambda: self.spawn(["pactl", "set-default-sink", "quorvelle"]).wait() == 0,
                     15, "the sound server")
            return self
        except BaseException:
            self.__exit__()
            raise

    def __exit__(self, *failure):
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
        shutil.rmtree(self.temp, ignore_errors=True)

    def spawn(self, command, env=None, out=subprocess.DEVNULL, **options):
        self.processes.append(subprocess.Popen(command, env=env or self.env, stdout=out,
                                               stderr=subprocess.STDOUT, **options))
        return self.processes[-1]

    def launch(self, program=None, env=None):
        """Starts the program (the built one by default) with variables set
        over the desktop's; its stdout and stderr go to its log."""
        log = os.path.join(self.temp, f"program-{len(self.processes)}.log")
        with open(log, "wb") as out:
            return Program(self, self.spawn([program or os.environ["QUORVELLE_PROGRAM"]],
                                            dict(self.env, **(env or {})), out), log)

    def start(self, program=None, env=None):
        """Starts the program and waits for its window."""
        game = self.launch(program, env)
        wait_for(lambda: game.shown() or game.process.poll() is not None, 30,
                 lambda: f"a window {CONTENT_WIDTH} wide, among {game.windows()}")
        assert game.window, f"no window; the program said:\n{game.output()}"
        return game

    def xdotool(self, *args, check=True):
        return subprocess.run(["xdotool", *map(str, args)], env=self.env, check=check,
                              timeout=30, capture_output=True, text=True).stdout

    def screenshot(self):
        return subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"],
                              env=self.env, capture_output=True, check=True, timeout=30).stdout
