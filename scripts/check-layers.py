#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when a file includes a header of a part it may not use.

Every quoted include is resolved as the compiler does (beside the file first, then the include
folders) and must belong to the file's own part or to one the part links. The parts and what
each links are the table below; it follows the target_link_libraries of the CMakeLists.txt files.
  scripts/check-layers.py [source-root]
"""
import pathlib
import re
import sys

# Folders or files, the longest match wins: which part a file belongs to.
PARTS = {
    "Common/": "Common",
    "ZudeRezede2D/": "ZudeRezede2D",
    **{f"ZudeRezede2D/Video/{name}.": "ZudeRezede2DPictures" for name in (
        "BackgroundDecoder", "ExifOrientation", "ExifPreview", "ExifReader", "MaskData", "Picture",
        "PictureDecoder", "PictureJob", "PictureLoader", "PictureRequest", "ReducedJpegDecoder",
        "RgbaShrink", "SdlSurfacePtr", "UprightTurn")},
    "ZudeRezede2D/Audio/": "ZudeRezede2DAudio",
    "ZudeRezede2D/IAudioEngine.": "ZudeRezede2DAudio",
    "Pexaro/": "PexaroGame",
    "Pexaro/GameDatLayout.": "PexaroGameData",
    "Pexaro/PictureFile.": "PexaroGameData",
    "examples/": "Examples",
    "tools/": "Tools",
    "fuzz/": "Fuzzers",
    "fuzz/MeshFuzzer.cpp": "MeshFuzzer",
    "fuzz/FuzzInputFile.h": "FuzzInput",
    "bench/": "Benchmarks",
    "tests/Support/LogCapture.h": "CommonTestSupport",
    "tests/Support/TempDir.h": "CommonTestSupport",
    "tests/Support/HostCommand.": "CommonTestSupport",
    "tests/Support/TestEngine.": "EngineTestSupport",
    "tests/Support/WindowFixture.": "EngineTestSupport",
    "tests/Support/VideoFixture.": "EngineTestSupport",
    "tests/Support/GameEngineFixture.": "EngineTestSupport",
    "tests/Support/GameHarness.": "GameTestSupport",
    "tests/Common/": "CommonTests",
    "tests/ZudeRezede2D/": "ZudeRezede2DGlTests",
    "tests/ZudeRezede2D/Animation/": "ZudeRezede2DUnitTests",
    "tests/ZudeRezede2D/Input/": "ZudeRezede2DUnitTests",
    "tests/ZudeRezede2D/Video/Data/": "ZudeRezede2DUnitTests",
    "tests/ZudeRezede2D/Video/MeshParsingTest.cpp": "ZudeRezede2DUnitTests",
    "tests/ZudeRezede2D/Video/RgbaShrinkTest.cpp": "ZudeRezede2DUnitTests",
    "tests/ZudeRezede2D/Video/SurfacesTest.cpp": "ZudeRezede2DUnitTests",
    "tests/ZudeRezede2D/Video/AssimpComparisonTest.cpp": "MeshAssimpTests",
    "tests/ZudeRezede2D/Video/BackgroundDecoderTest.cpp": "ZudeRezede2DPictureTests",
    "tests/ZudeRezede2D/Audio/": "ZudeRezede2DAudioTests",
    "tests/Pexaro/": "PexaroGlTests",
    "tests/Pexaro/GameDatLayoutTest.cpp": "PexaroTests",
    "tests/Pexaro/GameRulesTest.cpp": "PexaroTests",
    "tests/Pexaro/PictureFileTest.cpp": "PexaroTests",
    "tests/Pexaro/WindowScaleTest.cpp": "PexaroTests",
    "tests/robust/": "RobustTests",
}

# What each part links directly; what those link comes with them.
LINKS = {
    "Common": [],
    "ZudeRezede2DPictures": ["Common"],
    "ZudeRezede2DAudio": ["Common"],
    "ZudeRezede2D": ["ZudeRezede2DPictures", "ZudeRezede2DAudio"],
    "PexaroGameData": ["Common"],
    "PexaroGame": ["ZudeRezede2D", "PexaroGameData"],
    "Examples": ["ZudeRezede2D"],
    "Tools": ["PexaroGameData"],
    "FuzzInput": ["Common"],
    "Fuzzers": ["ZudeRezede2DPictures", "PexaroGameData", "FuzzInput"],
    # Compiles the engine's OBJ reader into itself: its headers reach the engine's materials.
    "MeshFuzzer": ["ZudeRezede2D", "FuzzInput"],
    "CommonTestSupport": ["Common"],
    "EngineTestSupport": ["ZudeRezede2D", "CommonTestSupport"],
    "GameTestSupport": ["PexaroGame", "EngineTestSupport"],
    "Benchmarks": ["GameTestSupport"],
    "CommonTests": ["CommonTestSupport"],
    "ZudeRezede2DPictureTests": ["ZudeRezede2DPictures", "CommonTestSupport"],
    "ZudeRezede2DAudioTests": ["ZudeRezede2DAudio", "CommonTestSupport"],
    "ZudeRezede2DUnitTests": ["ZudeRezede2D", "CommonTestSupport"],
    "ZudeRezede2DGlTests": ["Examples", "EngineTestSupport"],
    "MeshAssimpTests": ["EngineTestSupport"],
    "PexaroTests": ["PexaroGame", "CommonTestSupport"],
    "PexaroGlTests": ["GameTestSupport"],
    "RobustTests": ["PexaroGameData"],
}

# The include folders the targets add, besides the file's own.
INCLUDE_DIRS = ["", "tests/", "examples/", "examples/MeshDemo/"]
SOURCE_FOLDERS = ["Common", "ZudeRezede2D", "Pexaro", "examples", "tools", "fuzz", "bench",
                  "tests"]
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)


def part_of(path):
    matches = [prefix for prefix in PARTS if path.startswith(prefix)]
    return PARTS[max(matches, key=len)] if matches else None


def reachable(part):
    seen, todo = set(), [part]
    while todo:
        current = todo.pop()
        if current not in seen:
            seen.add(current)
            todo.extend(LINKS[current])
    return seen


def resolve(root, source, name):
    for folder in [source.parent] + [root / d for d in INCLUDE_DIRS]:
        candidate = (folder / name).resolve()
        if candidate.is_file():
            return candidate.relative_to(root).as_posix()
    return None


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    missing = [part for part in set(PARTS.values()) if part not in LINKS]
    if missing:
        sys.exit(f"check-layers: no links listed for {', '.join(sorted(missing))}")
    faults = []
    for folder in SOURCE_FOLDERS:
        for source in sorted((root / folder).rglob("*")):
            if source.suffix not in (".h", ".cpp") or not source.is_file():
                continue
            path = source.relative_to(root).as_posix()
            part = part_of(path)
            if part is None:
                faults.append(f"{path}: belongs to no part")
                continue
            allowed = reachable(part)
            text = source.read_text(encoding="utf-8")
            for match in INCLUDE.finditer(text):
                header = resolve(root, source, match.group(1))
                if header is None:
                    continue
                used = part_of(header)
                if used not in allowed:
                    line = text.count("\n", 0, match.start()) + 1
                    faults.append(f"{path}:{line}: {part} includes {header} of {used}, "
                                  f"which it does not link")
    for fault in faults:
        print(fault)
    if faults:
        print(f"check-layers: {len(faults)} include(s) across layers")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
