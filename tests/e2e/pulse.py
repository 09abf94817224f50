"""A private PulseAudio server for tests: one null sink, the default output,
whose monitor can be recorded. Nothing of the machine's own sound setup is
used or touched: the server, its clients and their settings live in a
temporary folder, which goes with the server.

    with PulseServer() as pulse:
        subprocess.run(program, env=pulse.client_env())
"""

import array
import math
import os
import shutil
import signal
import subprocess
import tempfile
import time
import wave

SINK = "quorvelle_test"
RATE = 44100
_WAV_HEADER = 44


def _client_config(folder):
    """A client configuration that never starts a server of its own."""
    path = os.path.join(folder, "client.conf")
    with open(path, "w", encoding="ascii") as config:
        config.write("autospawn = no\n")
    return path


def no_server_env(folder):
    """The environment of a client that finds no sound server."""
    env = dict(os.environ)
    runtime = os.path.join(folder, "runtime")
    os.makedirs(runtime, mode=0o700, exist_ok=True)
    env.update(
        XDG_RUNTIME_DIR=runtime,
        PULSE_RUNTIME_PATH=os.path.join(runtime, "pulse"),
        PULSE_SERVER="unix:" + os.path.join(runtime, "no-server"),
        PULSE_CLIENTCONFIG=_client_config(folder),
    )
    return env


class PulseServer:
    def __init__(self):
        self.folder = tempfile.mkdtemp(prefix="quorvelle-pulse-")
        self.runtime = os.path.join(self.folder, "runtime")
        os.makedirs(self.runtime, mode=0o700)
        self.socket = os.path.join(self.runtime, "native")
        self.log_path = os.path.join(self.folder, "server.log")
        self.process = None

    def _server_env(self):
        env = dict(os.environ)
        env.update(
            HOME=self.folder,
            XDG_RUNTIME_DIR=self.runtime,
            XDG_CONFIG_HOME=os.path.join(self.folder, "config"),
            PULSE_RUNTIME_PATH=os.path.join(self.runtime, "pulse"),
            PULSE_STATE_PATH=os.path.join(self.folder, "state"),
        )
        env.pop("PULSE_SERVER", None)
        return env

    def client_env(self):
        env = dict(os.environ, XDG_RUNTIME_DIR=self.runtime)
        env.update(self.client_settings())
        return env

    def client_settings(self):
        """The variables that make a client use this server, to set over
        another environment (a test display's)."""
        return {
            "PULSE_RUNTIME_PATH": os.path.join(self.runtime, "pulse"),
            "PULSE_SERVER": "unix:" + self.socket,
            "PULSE_CLIENTCONFIG": _client_config(self.folder),
        }

    def __enter__(self):
        try:
            self._start()
        except BaseException:
            self.stop()
            raise
        return self

    def __exit__(self, *exc):
        self.stop()
        return False

    def _start(self):
        # As root the server wants to be told it is not the system one;
        # -n skips the machine's default.pa, so only these modules load.
        command = [
            "pulseaudio", "--daemonize=no", "--system=false", "-n",
            "--exit-idle-time=-1", "--disallow-exit", "--use-pid-file=no",
            "--realtime=no", "--high-priority=no", "--disable-shm=yes",
            "--log-target=stderr",
            "--load=module-null-sink sink_name=" + SINK,
            "--load=module-native-protocol-unix auth-anonymous=1 socket=" + self.socket,
        ]
        with open(self.log_path, "w", encoding="utf-8") as log:
            self.process = subprocess.Popen(
                command, env=self._server_env(), stdout=log, stderr=subprocess.STDOUT,
                stdin=subprocess.DEVNULL)
        deadline = time.monotonic() + 15
        while True:
            if self.process.poll() is not None:
                raise RuntimeError("pulseaudio ended at start:\n" + self.log())
            if self.pactl("info", check=False).returncode == 0:
                break
            if time.monotonic() > deadline:
                raise RuntimeError("pulseaudio did not answer:\n" + self.log())
            time.sleep(0.1)
        self.pactl("set-default-sink", SINK)

    def log(self):
        with open(self.log_path, encoding="utf-8", errors="replace") as log:
            return log.read()

    def pactl(self, *args, check=True):
        return subprocess.run(["pactl", *args], env=self.client_env(), check=check,
                              capture_output=True, text=True, timeout=10)

    def record(self, path):
        """Starts recording the sink's monitor into a mono WAV file; the
        returned Recording stops it. Start it before the sounds it is to
        hear: a recording started while a client still holds a stream open
        can begin with a stretch of a sound that had already been heard."""
        return Recording(path, self.client_env())

    def stop(self):
        if self.process is not None and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        shutil.rmtree(self.folder, ignore_errors=True)


class Recording:
    def __init__(self, path, env):
        self.path = path
        self.process = subprocess.Popen(
            ["parecord", "--device=" + SINK + ".monitor", "--file-format=wav",
             "--format=s16le", "--rate=%d" % RATE, "--channels=1", "--latency-msec=20", path],
            env=env, stdin=subprocess.DEVNULL, stderr=subprocess.PIPE)
        self._wait_for_samples()

    def _wait_for_samples(self, timeout=15):
        """Waits until samples reach the file: the first stream of a new
        server takes more than a second to start."""
        deadline = time.monotonic() + timeout
        while not (os.path.exists(self.path) and os.path.getsize(self.path) > _WAV_HEADER):
            if self.process.poll() is not None or time.monotonic() > deadline:
                raise RuntimeError("parecord records nothing: %r"
                                   % self.process.communicate(timeout=5)[1])
            time.sleep(0.02)

    def stop(self):
        """Stops recording; returns the recorded samples."""
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGINT)
        try:
            self.process.communicate(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.communicate()
        with wave.open(self.path, "rb") as recorded:
            assert recorded.getsampwidth() == 2 and recorded.getnchannels() == 1
            return array.array("h", recorded.readframes(recorded.getnframes()))


def rms(samples):
    return math.sqrt(sum(s * s for s in samples) / len(samples)) if samples else 0.0


def _levels(samples, window):
    return [rms(samples[i:i + window]) for i in range(0, len(samples), window)]


def loud_span(samples, window=441, threshold=300.0):
    """The length in seconds from the first to the last 10 ms window whose
    RMS passes the threshold, and the loudest window's RMS."""
    levels = _levels(samples, window)
    loud = [i for i, level in enumerate(levels) if level > threshold]
    span = (loud[-1] - loud[0] + 1) * window / RATE if loud else 0.0
    return span, max(levels, default=0.0)


def bursts(samples, window=441, threshold=300.0, gap=0.1):
    """The sounds in a recording, told apart by a quiet of at least gap
    seconds: (start, length) in seconds of each, in order."""
    found = []
    seconds = window / RATE
    for i, level in enumerate(_levels(samples, window)):
        if level <= threshold:
            continue
        at = i * seconds
        if found and at - sum(found[-1]) < gap:
            found[-1] = (found[-1][0], at + seconds - found[-1][0])
        else:
            found.append((at, seconds))
    return found


def describe(sounds):
    """bursts() as text, for a test's output."""
    return ", ".join(f"{length:.2f} s at {start:.2f} s" for start, length in sounds) or "nothing"
