#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Packs a folder into a zip whose one top folder is given: windows_zip.py ZIP FOLDER TOP.

Names are stored as UTF-8 with the zip's UTF-8 flag, which Windows' own unpacker honours, so
"Würfel" arrives as "Würfel". Entries are sorted and dated alike, so the same files make the
same zip."""
import os
import sys
import zipfile

STAMP = (2024, 1, 1, 0, 0, 0)


def main(zip_path, folder, top):
    entries = []
    for root, dirs, files in os.walk(folder):
        dirs.sort()
        for name in sorted(files):
            path = os.path.join(root, name)
            entries.append((os.path.join(top, os.path.relpath(path, folder)), path))
    partial = zip_path + ".partial"
    with zipfile.ZipFile(partial, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for name, path in entries:
            info = zipfile.ZipInfo(name.replace(os.sep, "/"), STAMP)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            with open(path, "rb") as source:
                archive.writestr(info, source.read())
    os.replace(partial, zip_path)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit("usage: windows_zip.py ZIP FOLDER TOP")
    main(*sys.argv[1:])
