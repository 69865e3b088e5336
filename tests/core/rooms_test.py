#!/usr/bin/python3
"""The core's rooms and which may include which, read from the includes:
the statistics use nothing else of core; reading, text and pictures never
include a calculation; outside the calculations, only the list of
calculations (core/calculation.cpp) includes one.

    rooms_test.py SOURCE_FOLDER
"""

import os
import re
import sys

ROOMS = ("calculations", "reading", "text", "pictures", "stats", "design")
INCLUDE = re.compile(r'^#include "core/([^"]+)"', re.M)


def main():
    core = os.path.join(sys.argv[1], "core")
    wrong = []
    for folder, _, files in os.walk(core):
        for name in files:
            if not name.endswith((".h", ".cpp", ".inc")):
                continue
            path = os.path.join(folder, name)
            here = os.path.relpath(path, core)
            room = here.split("/")[0] if "/" in here else ""
            with open(path) as f:
                for included in INCLUDE.findall(f.read()):
                    there = included.split("/")[0] if "/" in included else ""
                    if room == "stats" and there != "stats":
                        wrong.append("%s: the statistics use nothing else of core, but include %s" % (here, included))
                    elif room in ("reading", "text", "pictures") and there == "calculations":
                        wrong.append("%s: a lower room includes the calculation %s" % (here, included))
                    elif room != "calculations" and there == "calculations" and here != "calculation.cpp":
                        wrong.append("%s: only the list of calculations includes %s" % (here, included))
    rooms = sorted(d for d in os.listdir(core) if os.path.isdir(os.path.join(core, d)))
    if rooms != sorted(ROOMS):
        wrong.append("the rooms are %s" % rooms)
    for line in wrong:
        print(line)
    sys.exit(1 if wrong else 0)


if __name__ == "__main__":
    main()
