#!/usr/bin/python3
"""Starts and stops simulated scales for a Windows test program running under Wine, which cannot start
a Linux process itself. It runs beside the program inside the test's namespace and watches a request
folder: each simulated scale is a folder W there that the program's ScaleSimulator makes.

  W/request        address, port and the simulator's options, one a line: start the simulator
                   (storing into W/store, ready file W/ready, commands in W/commands.log)
  W/q.N            a question, answered in W/a.N: "list" (the stored names, hex, one a line) or
                   "link HEX" (hard-links store/<name> to view/HEX, since a stored name such as
                   d:\\boot.bin cannot be spelled on the Windows side)
  W/ended          the simulator ended by itself (its output is in W/output.log)
  W/stop           stop the simulator and remove W (its stored names cannot be removed from the
                   Windows side)

  scale-sim-launcher.py REQUEST-FOLDER SIMULATOR
"""
import os
import shutil
import signal
import subprocess
import sys
import time

PYTHON = "/usr/bin/python3"  # Debian's interpreter, the one with pyftpdlib


def answer(work, name, text):
    """Writes the answer whole before it appears under its name."""
    with open(os.path.join(work, name + ".tmp"), "w") as out:
        out.write(text)
    os.rename(os.path.join(work, name + ".tmp"), os.path.join(work, name))


def question(work, text):
    store = os.path.join(work, "store")
    if text == "list":
        return "".join(n.encode().hex() + "\n" for n in sorted(os.listdir(store)))
    verb, _, hexname = text.partition(" ")
    if verb == "link":
        view = os.path.join(work, "view")
        os.makedirs(view, exist_ok=True)
        target = os.path.join(view, hexname)
        if not os.path.exists(target):
            try:
                os.link(os.path.join(store, bytes.fromhex(hexname).decode()), target)
            except OSError:
                pass  # not stored: the program then reads nothing, as on Linux
        return "ok\n"
    return "unknown\n"


def main():
    requests, simulator = sys.argv[1], sys.argv[2]
    running = {}  # work folder -> process
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    try:
        while True:
            for entry in os.listdir(requests):
                work = os.path.join(requests, entry)
                if not os.path.isdir(work):
                    continue
                files = set(os.listdir(work))
                if "request" in files and work not in running and "ended" not in files:
                    lines = open(os.path.join(work, "request")).read().splitlines()
                    store = os.path.join(work, "store")
                    os.makedirs(store, exist_ok=True)
                    args = [PYTHON, simulator, "--address", lines[0], "--port", lines[1], "--root", store,
                            "--ready-file", os.path.join(work, "ready"),
                            "--command-log", os.path.join(work, "commands.log")] + lines[2:]
                    with open(os.path.join(work, "output.log"), "wb") as log:
                        running[work] = subprocess.Popen(args, stdout=log, stderr=subprocess.STDOUT)
                process = running.get(work)
                if process is not None and process.poll() is not None and "ended" not in files:
                    answer(work, "ended", "")
                for name in files:
                    if name.startswith("q.") and not name.endswith(".tmp") and "a." + name[2:] not in files:
                        answer(work, "a." + name[2:], question(work, open(os.path.join(work, name)).read()))
                if "stop" in files:
                    process = running.pop(work, None)
                    if process is not None:
                        process.terminate()
                        try:
                            process.wait(5)
                        except subprocess.TimeoutExpired:
                            process.kill()
                            process.wait()
                    shutil.rmtree(work, ignore_errors=True)
                    continue
            time.sleep(0.02)
    finally:
        for process in running.values():
            process.kill()


if __name__ == "__main__":
    main()
