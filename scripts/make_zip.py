#!/usr/bin/env python3
"""Writes a zip whose bytes depend only on its entries' contents.

    make_zip.py --dated-by <source folder> <zip> <name>=<file>...

The entries go in the order given, all dated by the last commit of the source
folder (or by SOURCE_DATE_EPOCH when that is set), with plain MS-DOS attributes
and no extra fields: two builds of one commit in different folders, at different
times, give the same zip.
"""
import argparse
import os
import subprocess
import sys
import time
import zipfile

# The earliest time a zip entry can hold.
ZIP_EPOCH = 315532800  # 1980-01-01 00:00:00 UTC


def release_time(source):
    if os.environ.get("SOURCE_DATE_EPOCH"):
        return int(os.environ["SOURCE_DATE_EPOCH"])
    try:
        stamp = subprocess.run(["git", "-C", source, "log", "-1", "--format=%ct"],
                               capture_output=True, text=True, check=True).stdout.strip()
        return int(stamp)
    except (OSError, subprocess.CalledProcessError, ValueError):
        print(f"make_zip.py: {source} has no commit to date the entries by; "
              "using 1980-01-01 (set SOURCE_DATE_EPOCH to choose)", file=sys.stderr)
        return ZIP_EPOCH


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--dated-by", required=True, metavar="SOURCE")
    parser.add_argument("zip")
    parser.add_argument("entries", nargs="+", metavar="NAME=FILE")
    args = parser.parse_args()

    # Zip times have no time zone and a resolution of two seconds; UTC keeps
    # them the same on every machine.
    when = time.gmtime(max(release_time(args.dated_by), ZIP_EPOCH))[:6]
    os.makedirs(os.path.dirname(os.path.abspath(args.zip)), exist_ok=True)
    partial = args.zip + ".partial"
    with zipfile.ZipFile(partial, "w") as archive:
        for entry in args.entries:
            name, _, path = entry.partition("=")
            if not name or not path:
                parser.error(f"not NAME=FILE: {entry}")
            info = zipfile.ZipInfo(name, date_time=when)
            # MS-DOS entries with only the archive flag, as Windows writes a plain
            # file: no Unix permission bits (zipfile adds them for a zero value).
            info.create_system = 0
            info.external_attr = 0x20
            info.compress_type = zipfile.ZIP_DEFLATED
            with open(path, "rb") as source:
                archive.writestr(info, source.read(), compresslevel=9)
    os.replace(partial, args.zip)


if __name__ == "__main__":
    main()
