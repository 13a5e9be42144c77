#!/usr/bin/python3
"""Reads a release setup.exe or uninst.exe as Windows does and checks what
it carries:

    check-release-exe.py EXE VERSION

the manifest (resource 1 of type 24), the version resource against VERSION
("1.64") and the program's own names, no time stamp, no symbols and no debug
information. Prints the file's size; exits 1 naming every problem found.
"""

import os
import sys
import xml.etree.ElementTree as ElementTree

import pefile

ASM_V1 = "{urn:schemas-microsoft-com:asm.v1}"
ASM_V2 = "{urn:schemas-microsoft-com:asm.v2}"
ASM_V3 = "{urn:schemas-microsoft-com:asm.v3}"
COMPATIBILITY = "{urn:schemas-microsoft-com:compatibility.v1}"
WINDOWS_SETTINGS = "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}"
SUPPORTED_OS = {
    "{e2011457-1546-43c5-a5fe-008deee3d3f0}",  # Vista
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  # 7
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  # 8
    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  # 8.1
    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  # 10 and 11
}
RT_MANIFEST = 24
RT_VERSION = 16
# What each program says of itself: description and internal name.
PROGRAMS = {
    "setup.exe": ("Quelmar Ovistra Setup", "setup"),
    "uninst.exe": ("Quelmar Ovistra Uninstaller", "uninst"),
}


def resource(pe, type_id, name_id):
    for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if entry.id != type_id:
            continue
        for name in entry.directory.entries:
            if name.id == name_id:
                language = name.directory.entries[0]
                return pe.get_data(language.data.struct.OffsetToData, language.data.struct.Size)
    return None


def check_manifest(pe, problems):
    data = resource(pe, RT_MANIFEST, 1)
    if data is None:
        problems.append("no manifest as resource 1 of type 24")
        return
    root = ElementTree.fromstring(data)
    levels = [(e.get("level"), e.get("uiAccess")) for e in root.iter(ASM_V2 + "requestedExecutionLevel")]
    if levels != [("requireAdministrator", "false")]:
        problems.append("requestedExecutionLevel is %r" % levels)
    oses = {e.get("Id") for e in root.iter(COMPATIBILITY + "supportedOS")}
    if oses != SUPPORTED_OS:
        problems.append("supportedOS lists %r" % sorted(oses))
    dpi = [e.text for e in root.iter(WINDOWS_SETTINGS + "dpiAware")]
    if dpi != ["false"]:
        problems.append("dpiAware is %r" % dpi)
    for dependency in root.iter(ASM_V1 + "assemblyIdentity"):
        if dependency.get("name") == "Microsoft.Windows.Common-Controls":
            problems.append("the manifest asks for visual styles")


def check_version(pe, program, version, problems):
    if resource(pe, RT_VERSION, 1) is None:
        problems.append("no version resource")
        return
    major, minor = (int(part) for part in version.split("."))
    fixed = pe.VS_FIXEDFILEINFO[0]
    numbers = (fixed.FileVersionMS, fixed.FileVersionLS, fixed.ProductVersionMS, fixed.ProductVersionLS)
    if numbers != ((major << 16) | minor, 0, (major << 16) | minor, 0):
        problems.append("version numbers are %r" % (numbers,))
    description, internal_name = PROGRAMS[program]
    expected = {
        "CompanyName": "Quelmar Labs",
        "FileDescription": description,
        "FileVersion": version,
        "InternalName": internal_name,
        "LegalCopyright": "Copyright (C) Quelmar Labs. All rights reserved.",
        "OriginalFilename": program,
        "ProductName": "Quelmar Ovistra",
        "ProductVersion": version,
    }
    texts = {}
    for info in pe.FileInfo[0]:
        if info.Key == b"StringFileInfo":
            for table in info.StringTable:
                texts.update({k.decode(): v.decode() for k, v in table.entries.items()})
    if texts != expected:
        problems.append("version texts are %r" % texts)


def check_stripped(pe, problems):
    if pe.FILE_HEADER.TimeDateStamp != 0:
        problems.append("the header has the time stamp %d" % pe.FILE_HEADER.TimeDateStamp)
    if pe.FILE_HEADER.PointerToSymbolTable or pe.FILE_HEADER.NumberOfSymbols:
        problems.append("a symbol table is left")
    names = [s.Name.rstrip(b"\0").decode() for s in pe.sections]
    # Long section names ("/4") are where the debug sections of mingw live.
    extra = [n for n in names if n.startswith((".debug", "/"))]
    if extra:
        problems.append("debug sections %r" % extra)
    if hasattr(pe, "DIRECTORY_ENTRY_DEBUG"):
        problems.append("a debug directory is left")


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    path, version = sys.argv[1:]
    program = os.path.basename(path).lower()
    if program not in PROGRAMS:
        sys.exit("%s is none of %s" % (path, ", ".join(sorted(PROGRAMS))))
    pe = pefile.PE(path)
    problems = []
    check_manifest(pe, problems)
    check_version(pe, program, version, problems)
    check_stripped(pe, problems)
    print("%s: %d bytes" % (path, os.path.getsize(path)))
    for problem in problems:
        print("problem: " + problem)
    sys.exit(1 if problems else 0)


main()
