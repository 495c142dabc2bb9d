#!/usr/bin/env python3
"""Checks that Windows programs import nothing a supported system lacks.

Reads the import tables (normal and delay-loaded) of each program with a small
PE reader of its own and compares every imported function with the list in
packaging/imports.txt, which names each allowed library and each function with
the first Windows version that has it. A program's oldest system is the one
its header asks for (subsystem version 5.1 for the 32-bit program: Windows XP;
5.2 for the 64-bit one: XP x64). The check fails on an import that is not on
the list, one from a library that may not be imported statically (only the
system's known libraries may: any other is looked for next to the program
first), and one whose first version is later than the program's oldest system.

Usage: check-imports.py [--list FILE] [--print] PROGRAM.exe...
Prints one line per problem and a summary line per program; exits 1 when any
program failed, 2 when a program cannot be read.
"""

import argparse
import struct
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
DEFAULT_LIST = ROOT / "packaging" / "imports.txt"

IMPORT_DIRECTORY = 1
DELAY_IMPORT_DIRECTORY = 13


class PeError(Exception):
    pass


class PeFile:
    """The parts of a PE image the check needs: the oldest system the header
    asks for and the imported functions per library."""

    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise PeError("no MZ header")
        pe_offset = self.u32(0x3C)
        if data[pe_offset:pe_offset + 4] != b"PE\0\0":
            raise PeError("no PE signature")
        coff = pe_offset + 4
        self.machine, section_count = struct.unpack_from("<HH", data, coff)
        optional_size = struct.unpack_from("<H", data, coff + 16)[0]
        optional = coff + 20
        magic = struct.unpack_from("<H", data, optional)[0]
        if magic not in (0x10B, 0x20B):
            raise PeError("unknown optional header 0x%x" % magic)
        self.is64 = magic == 0x20B
        self.os_version = struct.unpack_from("<HH", data, optional + 40)
        self.subsystem_version = struct.unpack_from("<HH", data, optional + 48)
        directories = optional + (112 if self.is64 else 96)
        directory_count = self.u32(directories - 4)
        self.directories = [struct.unpack_from("<II", data, directories + 8 * index)
                            for index in range(directory_count)]
        sections = optional + optional_size
        self.sections = []
        for index in range(section_count):
            entry = sections + 40 * index
            virtual_size, virtual_address, raw_size, raw_offset = struct.unpack_from("<IIII", data, entry + 8)
            self.sections.append((virtual_address, max(virtual_size, raw_size), raw_offset))

    def u32(self, offset):
        return struct.unpack_from("<I", self.data, offset)[0]

    def offset(self, rva):
        for address, size, raw in self.sections:
            if address <= rva < address + size:
                return raw + rva - address
        raise PeError("address 0x%x lies in no section" % rva)

    def string(self, rva):
        start = self.offset(rva)
        end = self.data.index(b"\0", start)
        return self.data[start:end].decode("ascii", "replace")

    def thunks(self, rva):
        """Names (or "#ordinal") of one library's import lookup table."""
        size, ordinal_flag = (8, 1 << 63) if self.is64 else (4, 1 << 31)
        position = self.offset(rva)
        names = []
        while True:
            value = int.from_bytes(self.data[position:position + size], "little")
            if value == 0:
                return names
            if value & ordinal_flag:
                names.append("#%d" % (value & 0xFFFF))
            else:
                names.append(self.string((value & 0x7FFFFFFF) + 2))
            position += size

    def imports(self):
        """[(library, function, delay_loaded)] in table order."""
        found = []
        if len(self.directories) > IMPORT_DIRECTORY and self.directories[IMPORT_DIRECTORY][0]:
            position = self.offset(self.directories[IMPORT_DIRECTORY][0])
            while True:
                lookup, _, _, name, address = struct.unpack_from("<IIIII", self.data, position)
                if name == 0:
                    break
                library = self.string(name)
                for function in self.thunks(lookup or address):
                    found.append((library, function, False))
                position += 20
        if len(self.directories) > DELAY_IMPORT_DIRECTORY and self.directories[DELAY_IMPORT_DIRECTORY][0]:
            position = self.offset(self.directories[DELAY_IMPORT_DIRECTORY][0])
            while True:
                fields = struct.unpack_from("<IIIIIIII", self.data, position)
                if fields[1] == 0:
                    break
                library = self.string(fields[1])
                for function in self.thunks(fields[4]):
                    found.append((library, function, True))
                position += 32
        return found


def parse_version(text):
    major, _, minor = text.partition(".")
    return int(major), int(minor or 0)


def read_list(path):
    """({library}, {(library, function): (major, minor)}) from the list file;
    names compare without regard to case, as the loader's do."""
    libraries = set()
    functions = {}
    for number, line in enumerate(Path(path).read_text(encoding="utf-8").splitlines(), 1):
        fields = line.split("#", 1)[0].split()
        if not fields:
            continue
        try:
            if fields[0] == "library" and len(fields) == 2:
                libraries.add(fields[1].lower())
            elif len(fields) == 3:
                functions[(fields[0].lower(), fields[1])] = parse_version(fields[2])
            else:
                raise ValueError
        except ValueError:
            raise SystemExit("%s:%d: expected 'library NAME' or 'LIBRARY FUNCTION VERSION'" % (path, number))
    return libraries, functions


def check(program, libraries, functions):
    """The problems of one program, one text each."""
    image = PeFile(Path(program).read_bytes())
    oldest = image.subsystem_version
    problems = []
    expected = (5, 2) if image.is64 else (5, 1)
    if oldest != expected:
        problems.append("the header asks for Windows %d.%d, not %d.%d" % (oldest + expected))
    for library, function, delayed in image.imports():
        key = (library.lower(), function)
        kind = "delay-loaded " if delayed else ""
        if not delayed and library.lower() not in libraries:
            problems.append("%s!%s: %slibrary %s may not be imported (load it at run time from the system "
                            "folder)" % (library, function, kind, library))
        elif key not in functions:
            problems.append("%s!%s: %simport not on the list %s" % (library, function, kind,
                                                                     DEFAULT_LIST.relative_to(ROOT)))
        elif functions[key] > oldest:
            problems.append("%s!%s: needs Windows %d.%d, the program must start on %d.%d (look it up at "
                            "run time)" % ((library, function) + functions[key] + oldest))
    return image, problems


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--list", default=str(DEFAULT_LIST))
    parser.add_argument("--print", action="store_true", help="print every import of the programs")
    parser.add_argument("programs", nargs="+")
    arguments = parser.parse_args()
    libraries, functions = read_list(arguments.list)
    passed = failed = 0
    for program in arguments.programs:
        try:
            image, problems = check(program, libraries, functions)
        except (OSError, PeError, struct.error, ValueError) as error:
            print("check-imports: cannot read %s: %s" % (program, error))
            return 2
        if arguments.print:
            for library, function, delayed in image.imports():
                print("%s %s%s" % (library, function, " (delay-loaded)" if delayed else ""))
        for problem in problems:
            print("%s: %s" % (program, problem))
        count = len(image.imports())
        print("%s: %d-bit, Windows %d.%d and later, %d imports, %s" % (
            program, 64 if image.is64 else 32, image.subsystem_version[0], image.subsystem_version[1], count,
            "%d problems" % len(problems) if problems else "all on the list"))
        if problems:
            failed += 1
        else:
            passed += 1
    print("imports: %d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
