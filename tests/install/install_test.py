"""`cmake --install` into a temporary prefix keeps the build's shape: the
program in <libdir>/quorvelle/bin with its Resources/ beside bin/, and
<prefix>/bin/quorvelle a link to it, through which the program still finds
its resources.

    install_test.py BUILD_DIR LIBDIR ASSET_PROBE SOURCE_RESOURCES
"""

import filecmp
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

ASSETS = ["white.png", "red.png", "blue.png", "green.png", "yellow.png", "two.png",
          "three.png", "four.png", "five.png", "six.png", "seven.png", "eight.png",
          "nine.png", "Basso.aiff", "Purr.aiff", "Ping.aiff"]


def check(condition, message, failures):
    print(("ok: " if condition else "FAILED: ") + message)
    if not condition:
        failures.append(message)


def main():
    build, libdir, probe, source_resources = sys.argv[1:5]
    failures = []
    with tempfile.TemporaryDirectory(prefix="quorvelle-install-") as prefix:
        subprocess.run(["cmake", "--install", build, "--prefix", prefix], check=True,
                       stdout=subprocess.DEVNULL)
        home = os.path.join(prefix, libdir, "quorvelle")
        program = os.path.join(home, "bin", "quorvelle")
        link = os.path.join(prefix, "bin", "quorvelle")
        resources = os.path.join(home, "Resources")

        check(os.path.isfile(program) and os.access(program, os.X_OK),
              "the program is at %s" % os.path.relpath(program, prefix), failures)
        check(os.path.islink(link) and not os.path.isabs(os.readlink(link)),
              "bin/quorvelle is a relative link", failures)
        check(os.path.realpath(link) == os.path.realpath(program),
              "bin/quorvelle leads to the program", failures)
        present = sorted(os.listdir(resources)) if os.path.isdir(resources) else []
        check(present == sorted(ASSETS), "Resources/ holds the sixteen files", failures)
        check(all(filecmp.cmp(os.path.join(resources, name), os.path.join(source_resources, name),
                              shallow=False) for name in present),
              "each is the committed file", failures)

        # The probe, installed beside the program and started through a link
        # as the program is, reads every asset.
        shutil.copy(probe, os.path.join(home, "bin", "asset_probe"))
        os.symlink(os.path.relpath(os.path.join(home, "bin", "asset_probe"),
                                   os.path.join(prefix, "bin")),
                   os.path.join(prefix, "bin", "asset_probe"))
        result = subprocess.run([os.path.join(prefix, "bin", "asset_probe")], capture_output=True,
                                text=True, timeout=60, env=dict(os.environ,
                                                                 QT_QPA_PLATFORM="offscreen"))
        print(result.stdout + result.stderr)
        check(result.returncode == 0, "through the link, all sixteen assets are read", failures)
        check(("executable: " + os.path.realpath(os.path.join(home, "bin", "asset_probe")))
              in result.stdout,
              "the framework sees the program's real path, not the link's", failures)

        # The installed program starts through the link and keeps running.
        started = subprocess.Popen([link], env=dict(os.environ, QT_QPA_PLATFORM="offscreen"),
                                   stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        time.sleep(1.5)
        running = started.poll() is None
        if running:
            started.send_signal(signal.SIGTERM)
        output = started.communicate(timeout=10)[0]
        check(running, "the installed program runs (output: %r)" % output, failures)

    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
