"""The game's three sounds, played through the framework's real audio output,
come out of a PulseAudio sink whole; without a sound server the player goes
on silently with one warning.

    sound_test.py PLAY_SOUND RESOURCES_FOLDER
"""

import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pulse  # noqa: E402

# The sounds and how long each lasts, in seconds.
SOUNDS = {"Basso.aiff": 0.4, "Purr.aiff": 0.8, "Ping.aiff": 0.2}
WARNING = "quorvelle: sounds are not played"


def play(player, sound, env, *args):
    env = dict(env, QT_QPA_PLATFORM="offscreen")
    return subprocess.run([player, sound, *map(str, args)], env=env, capture_output=True,
                          text=True, timeout=60)


def check_heard(player, resources):
    failures = []
    with pulse.PulseServer() as server, tempfile.TemporaryDirectory() as folder:
        for name, seconds in SOUNDS.items():
            recording = server.record(os.path.join(folder, name + ".wav"))
            result = play(player, os.path.join(resources, name), server.client_env())
            samples = recording.stop()
            span, loudest = pulse.loud_span(samples)
            print("%s: exit %d, recorded %.2f s, RMS %.0f, loudest 10 ms RMS %.0f, "
                  "sound heard for %.2f s of %.2f s"
                  % (name, result.returncode, len(samples) / pulse.RATE, pulse.rms(samples),
                     loudest, span, seconds))
            if result.returncode != 0 or result.stderr:
                failures.append("%s: exit %d, stderr %r" % (name, result.returncode, result.stderr))
            # Heard whole: not silent, not cut short, not played twice over.
            if loudest < 3000:
                failures.append("%s: the recording is silent" % name)
            elif not seconds * 0.8 <= span <= seconds + 0.1:
                failures.append("%s: heard for %.2f s, not %.2f s" % (name, span, seconds))
        # Ended while it plays, the sound is dropped without a word.
        result = play(player, os.path.join(resources, "Purr.aiff"), server.client_env(), 1, 100)
        print("ended while playing: exit %d, stderr %r" % (result.returncode, result.stderr))
        if result.returncode != 0 or result.stderr:
            failures.append("ended while playing: exit %d, stderr %r"
                            % (result.returncode, result.stderr))
        if failures:
            print(server.log())
    return failures


def check_no_server(player, resources):
    with tempfile.TemporaryDirectory() as folder:
        # Played twice: still one warning for the whole run.
        result = play(player, os.path.join(resources, "Ping.aiff"), pulse.no_server_env(folder), 2)
    lines = result.stderr.splitlines()
    print("no server: exit %d, stderr %r" % (result.returncode, result.stderr))
    if result.returncode != 0 or len(lines) != 1 or not lines[0].startswith(WARNING):
        return ["no server: expected exit 0 and one warning, got exit %d and %r"
                % (result.returncode, result.stderr)]
    return []


def main():
    player, resources = sys.argv[1], sys.argv[2]
    failures = check_no_server(player, resources) + check_heard(player, resources)
    for failure in failures:
        print("FAILED: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
