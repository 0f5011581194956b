#!/usr/bin/env python3
"""Packs the release zip: the given deliverables and README.txt (Windows-1252, CR LF).

usage: make-dist.py VERSION ZIP README FILE...

The zip is reproducible: entries in the order given, README.txt last, every entry with
the same fixed time (SOURCE_DATE_EPOCH if set, else the time of the source tree's last
commit, else 1980-01-01) and the same attributes, so two builds of one commit give the same
bytes. The deliverables come stripped and without time stamps from the link.
"""
import os
import subprocess
import sys
import time
import zipfile


def fixed_time(source_dir):
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    if epoch is None:
        try:
            epoch = subprocess.run(["git", "-C", source_dir, "log", "-1", "--format=%ct"],
                                   capture_output=True, text=True, check=True).stdout.strip()
        except (OSError, subprocess.CalledProcessError):
            epoch = ""
    if not epoch:
        return (1980, 1, 1, 0, 0, 0)
    # Zip times have two-second steps and no zone; UTC keeps them independent of the machine.
    return time.gmtime(int(epoch))[:6]


def add(archive, name, data, when):
    entry = zipfile.ZipInfo(name, date_time=when)
    entry.create_system = 0  # MS-DOS attributes, as Windows' own zips carry
    entry.external_attr = 0x20  # archive bit
    entry.compress_type = zipfile.ZIP_DEFLATED
    archive.writestr(entry, data, compresslevel=9)


def main():
    version, zip_path, readme, files = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
    when = fixed_time(os.path.dirname(os.path.abspath(readme)))
    text = open(readme, encoding="utf-8").read().replace("@VERSION@", version)
    text = text.replace("\r\n", "\n").replace("\n", "\r\n").encode("cp1252")
    os.makedirs(os.path.dirname(os.path.abspath(zip_path)), exist_ok=True)
    partial = zip_path + ".part"
    with zipfile.ZipFile(partial, "w") as archive:
        for path in files:
            with open(path, "rb") as deliverable:
                add(archive, os.path.basename(path), deliverable.read(), when)
        add(archive, "README.txt", text, when)
    os.replace(partial, zip_path)
    print(f"{zip_path}: {', '.join(os.path.basename(p) for p in files)}, README.txt")


if __name__ == "__main__":
    main()
