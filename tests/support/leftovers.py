#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The suite's last check: fails when a process the suite started still runs. The suite's
# processes are those whose environment holds TILORA_TEST_RUN with this run's value (ctest
# gives it to every test, and every process a test starts inherits it), so that a
# developer's own desktop, screen reader or game beside the suite is never counted, and
# nothing is signalled: what is left is named, for the check that left it to be mended.
#   leftovers.py MARK [SECONDS]
import os
import sys
import time


def marked(mark):
    """The processes other than this one whose environment holds `mark`, with their command lines."""
    found = {}
    for name in os.listdir("/proc"):
        if not name.isdigit() or int(name) == os.getpid():
            continue
        try:
            with open(f"/proc/{name}/environ", "rb") as environ:
                if mark not in environ.read().split(b"\0"):
                    continue
            with open(f"/proc/{name}/stat", "rb") as stat:
                if stat.read().rsplit(b")", 1)[1].split()[0] == b"Z":
                    continue
            with open(f"/proc/{name}/cmdline", "rb") as cmdline:
                found[int(name)] = cmdline.read().replace(b"\0", b" ").decode(errors="replace").strip()
        except OSError:
            continue  # gone meanwhile, or not ours to read
    return found


def main():
    mark = f"TILORA_TEST_RUN={sys.argv[1]}".encode()
    # A session's services end a moment after their bus: they are given a few seconds.
    deadline = time.monotonic() + (float(sys.argv[2]) if len(sys.argv) > 2 else 10)
    left = marked(mark)
    while left and time.monotonic() < deadline:
        time.sleep(0.2)
        left = marked(mark)
    if left:
        for pid, command in sorted(left.items()):
            print(f"FAIL: still running, started by the suite: {pid} {command}")
        return 1
    print("no process of the suite is left")
    return 0


if __name__ == "__main__":
    sys.exit(main())
