#!/usr/bin/env python3
"""Checks the release that `make dist` wrote: check_dist.py <dist folder>

Each zip holds exactly the files a user needs, its programs are built for the
zip's architecture with no link time and no build folder in them, and the
program's version resource says the version written in CMakeLists.txt.
"""
import hashlib
import re
import struct
import sys
import zipfile
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
ENTRIES = ["Ocularix.exe", "Steerpad.dll", "Ocularix.html", "ReadMe.txt", "LICENSE"]
MACHINES = {"x86": 0x14C, "x64": 0x8664}
failures = []


def expect(condition, what):
    if not condition:
        failures.append(what)


def pe_image(data):
    """Machine, link time, export table's time (or None) and version resource."""
    header = struct.unpack_from("<I", data, 0x3C)[0]
    machine, sections, link_time = struct.unpack_from("<HHI", data, header + 4)
    optional = header + 24
    optional_size = struct.unpack_from("<H", data, header + 20)[0]
    directories = optional + (96 if struct.unpack_from("<H", data, optional)[0] == 0x10B else 112)
    table = [struct.unpack_from("<IIII", data, optional + optional_size + 40 * i + 8) for i in range(sections)]

    def offset(rva):
        return next(raw + rva - va for size, va, _, raw in table if va <= rva < va + size)

    export_rva, resource_rva = (struct.unpack_from("<I", data, directories + 8 * i)[0] for i in (0, 2))
    export_time = struct.unpack_from("<I", data, offset(export_rva) + 4)[0] if export_rva else None
    base = offset(resource_rva)
    entry = 0
    for wanted in (16, 1, None):  # RT_VERSION, id 1, first language
        named, ids = struct.unpack_from("<HH", data, base + entry + 12)
        children = [struct.unpack_from("<II", data, base + entry + 16 + 8 * i) for i in range(named + ids)]
        entry = next(target for key, target in children if wanted in (None, key)) & 0x7FFFFFFF
    rva, size = struct.unpack_from("<II", data, base + entry)
    return machine, link_time, export_time, data[offset(rva):offset(rva) + size]


def version_info(block):
    """The fixed file and product versions and the strings of a version resource."""
    strings = {}

    def walk(pos):
        length, value_length, text = struct.unpack_from("<HHH", block, pos)
        key_end = pos + 6
        while block[key_end:key_end + 2] != b"\0\0":
            key_end += 2
        key = block[pos + 6:key_end].decode("utf-16-le")
        value = (key_end + 5) & ~3
        if text and value_length:  # a string, no children
            strings[key] = block[value:].decode("utf-16-le", "replace").split("\0")[0]
            return length
        child = (value + value_length + 3) & ~3
        while child < pos + length:
            child = (child + walk(child) + 3) & ~3
        return length

    walk(0)
    fixed = struct.unpack_from("<IIIIII", block, 40)
    assert fixed[0] == 0xFEEF04BD, "no VS_FIXEDFILEINFO"
    as_text = lambda high, low: f"{high >> 16}.{high & 0xFFFF}.{low >> 16}.{low & 0xFFFF}"
    return as_text(*fixed[2:4]), as_text(*fixed[4:6]), strings


def main():
    dist = Path(sys.argv[1])
    declared = re.search(r"project\(Ocularix VERSION ([0-9.]+)", (ROOT / "CMakeLists.txt").read_text()).group(1)
    version = ".".join((declared.split(".") + ["0"] * 4)[:4])
    # Releases are named without the version's trailing zero parts: 1.8.0.0 is 1.8.
    release = re.sub(r"(\.0)+$", "", version)
    release += "" if "." in release else ".0"
    zips = [f"Ocularix-{release}-{arch}.zip" for arch in MACHINES]
    sums = "".join(f"{hashlib.sha256((dist / name).read_bytes()).hexdigest()}  {name}\n"
                   for name in zips if (dist / name).exists())
    expect((dist / "SHA256SUMS").exists() and (dist / "SHA256SUMS").read_text() == sums,
           f"SHA256SUMS does not list {zips} in this order with their hashes")
    for arch, name in zip(MACHINES, zips):
        if not (dist / name).exists():
            expect(False, f"{name} is missing")
            continue
        with zipfile.ZipFile(dist / name) as archive:
            expect(archive.namelist() == ENTRIES, f"{name} holds {archive.namelist()}")
            files = {entry: archive.read(entry) for entry in archive.namelist()}
        expect(files.get("LICENSE") == (ROOT / "LICENSE").read_bytes(), f"{name}: LICENSE differs")
        expect(files.get("Ocularix.html") == (ROOT / "docs/manual/Ocularix.html").read_bytes(),
               f"{name}: Ocularix.html is not the manual")
        expect(f"Ocularix {release} for Windows, {arch}".encode() in files.get("ReadMe.txt", b""),
               f"{name}: ReadMe.txt does not name version {release} and {arch}")
        for program, own_version in (("Ocularix.exe", version), ("Steerpad.dll", "1.0.0.0")):
            data = files.get(program, b"")
            machine, link_time, export_time, resource = pe_image(data)
            fixed_file, fixed_product, strings = version_info(resource)
            where = f"{name}: {program}"
            expect(machine == MACHINES[arch], f"{where} is built for machine {machine:#x}")
            expect(link_time == 0 and export_time in (None, 0), f"{where} carries a link time")
            expect(str(ROOT).encode() not in data, f"{where} holds the source folder's path")
            found = (fixed_file, fixed_product, strings.get("FileVersion"), strings.get("ProductVersion"))
            expect(found == (own_version,) * 4, f"{where} says version {found}, not {own_version}")
    for failure in failures:
        print("check_dist:", failure, file=sys.stderr)
    print(f"check_dist: {'FAILED' if failures else 'passed'} for {', '.join(zips)}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
