#!/usr/bin/python3
"""Every command the README gives can be run: each program it names is on
PATH or is an executable file in the tree (build/ meaning the build folder),
each folder it enters exists, and the package file it installs is the one
the build makes.

    readme_commands.py README.md BUILD_DIR
"""

import os
import re
import shlex
import shutil
import sys


def commands(readme):
    """The lines of the README's indented code blocks, without comments."""
    lines, previous_blank = [], True
    in_block = False
    for line in open(readme, encoding="utf-8"):
        if line.startswith("    ") and (in_block or previous_blank):
            in_block = True
            text = line.strip()
            if text:
                lines.append(text)
        elif line.strip():
            in_block = False
        previous_blank = not line.strip()
    return lines


def simple_commands(line):
    """The simple commands of one shell line, as word lists."""
    words = shlex.split(line, comments=True)
    command = []
    for word in words + [";"]:
        for piece in re.split(r"(&&|\|\||;|\(|\)|\|)", word):
            if piece in ("&&", "||", ";", "(", ")", "|"):
                if command:
                    yield command
                command = []
            elif piece:
                command.append(piece)


def main():
    root = os.path.dirname(os.path.abspath(sys.argv[1]))
    build = os.path.abspath(sys.argv[2])

    def resolve(path):
        path = path[2:] if path.startswith("./") else path
        if path == "build" or path.startswith("build/"):
            return build + path[len("build"):]
        return os.path.join(root, path)

    faults, checked = [], 0
    package = None
    cpack = os.path.join(build, "CPackConfig.cmake")
    if os.path.exists(cpack):
        match = re.search(r'set\(CPACK_PACKAGE_FILE_NAME "([^"]+)"\)', open(cpack).read())
        package = match.group(1) + ".deb" if match else None

    for line in commands(sys.argv[1]):
        for words in simple_commands(line):
            while words and re.match(r"^[A-Z_][A-Z0-9_]*=", words[0]):
                words = words[1:]
            if not words:
                continue
            words = [w for i, w in enumerate(words) if w != "<" and (i == 0 or words[i - 1] != "<")]
            program, args = words[0], words[1:]
            checked += 1
            if "/" in program:
                if not os.access(resolve(program), os.X_OK) or os.path.isdir(resolve(program)):
                    faults.append("%r: %s is not an executable file" % (line, program))
            elif program == "cd":
                if not os.path.isdir(resolve(args[0])):
                    faults.append("%r: no folder %s" % (line, args[0]))
            elif shutil.which(program) is None:
                faults.append("%r: %s is not installed" % (line, program))
            for arg in args:
                if arg.endswith(".deb") and os.path.basename(arg) != package:
                    faults.append("%r: the build makes %s, not %s" % (line, package, os.path.basename(arg)))

    for fault in faults:
        print(fault)
    print("%d commands checked, %d faults" % (checked, len(faults)))
    sys.exit(1 if faults or checked == 0 else 0)


if __name__ == "__main__":
    main()
