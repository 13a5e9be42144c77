#!/usr/bin/python3
"""The release's size budget, a plain check of two files:

    check-release-size.py SETUP_EXE UNINST_EXE

Prints the size of each program and what its sections take in the file;
exits 1 when setup.exe is no 32-bit Windows program (PE32, i386), when
setup.exe is over 300 KB or the uninstaller over 200 KB (KB: 1,024 bytes).
"""

import os
import sys

import pefile

BUDGETS = {"setup.exe": 300 * 1024, "uninst.exe": 200 * 1024}
I386 = 0x14C
PE32 = 0x10B


def report(label, path, budget, problems):
    size = os.path.getsize(path)
    pe = pefile.PE(path, fast_load=True)
    print("%s: %d bytes (budget %d)" % (label, size, budget))
    for section in pe.sections:
        name = section.Name.rstrip(b"\0").decode()
        print("  %-8s %8d bytes in the file, %8d in memory"
              % (name, section.SizeOfRawData, section.Misc_VirtualSize))
    security = pe.OPTIONAL_HEADER.DATA_DIRECTORY[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_SECURITY"]]
    if security.Size:
        print("  %-8s %8d bytes" % ("signature", security.Size))
    if size > budget:
        problems.append("%s is %d bytes, over its budget of %d" % (label, size, budget))
    return pe


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    problems = []
    setup = report("setup.exe", sys.argv[1], BUDGETS["setup.exe"], problems)
    if setup.FILE_HEADER.Machine != I386 or setup.OPTIONAL_HEADER.Magic != PE32:
        problems.append("setup.exe is not a 32-bit (PE32, i386) program")
    report("uninst.exe", sys.argv[2], BUDGETS["uninst.exe"], problems)
    for problem in problems:
        print("problem: " + problem)
    sys.exit(1 if problems else 0)


main()
