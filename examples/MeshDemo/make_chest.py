#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the mesh demo's model: a chest of three boxes (base, lid, latch) as OBJ + MTL, and
its texture, a 2 x 2 atlas, with ImageMagick. Run from anywhere; writes into examples/assets."""
import pathlib
import subprocess

ASSETS = pathlib.Path(__file__).resolve().parent.parent / "assets"

# Box name, corners, atlas cell (column, row from the bottom as OBJ counts v).
BOXES = [
    ("base", (-1.0, -0.5, -0.6), (1.0, 0.5, 0.6), (0, 1)),
    ("lid", (-1.0, 0.5, -0.6), (1.0, 0.8, 0.6), (1, 1)),
    ("latch", (-0.12, 0.45, 0.6), (0.12, 0.7, 0.7), (0, 0)),
]
# Corner numbers 1..8 of a box, each side counter-clockwise seen from outside, with its normal.
SIDES = [
    ((5, 6, 7, 8), (0, 0, 1)),
    ((2, 1, 4, 3), (0, 0, -1)),
    ((6, 2, 3, 7), (1, 0, 0)),
    ((1, 5, 8, 4), (-1, 0, 0)),
    ((8, 7, 3, 4), (0, 1, 0)),
    ((1, 2, 6, 5), (0, -1, 0)),
]


def corners(low, high):
    (x0, y0, z0), (x1, y1, z1) = low, high
    return [(x0, y0, z0), (x1, y0, z0), (x1, y1, z0), (x0, y1, z0),
            (x0, y0, z1), (x1, y0, z1), (x1, y1, z1), (x0, y1, z1)]


def write_obj():
    lines = ["# Chest for the mesh demo, written by make_chest.py", "mtllib chest.mtl"]
    for _, normal in SIDES:
        lines.append("vn %g %g %g" % normal)
    v_base = 0
    t_base = 0
    for name, low, high, (column, row) in BOXES:
        lines.append("o " + name)
        lines.append("usemtl wood")
        for corner in corners(low, high):
            lines.append("v %g %g %g" % corner)
        # Inset from the cell's edges so that linear filtering does not bleed between cells.
        u0, v0 = column * 0.5 + 0.03, row * 0.5 + 0.03
        u1, v1 = u0 + 0.44, v0 + 0.44
        for uv in ((u0, v0), (u1, v0), (u1, v1), (u0, v1)):
            lines.append("vt %g %g 0" % uv)
        for side, (numbers, _) in enumerate(SIDES):
            face = ["%d/%d/%d" % (v_base + n, t_base + k + 1, side + 1)
                    for k, n in enumerate(numbers)]
            lines.append("f " + " ".join(face))
        v_base += 8
        t_base += 4
    (ASSETS / "chest.obj").write_text("\n".join(lines) + "\n")


def write_mtl():
    (ASSETS / "chest.mtl").write_text("newmtl wood\nKd 1 1 1\nmap_Kd chest.png\n")


def write_texture():
    subprocess.run([
        "convert", "-size", "64x64", "xc:#e6c82d",
        "-fill", "#8b5a2b", "-draw", "rectangle 0,0 31,31",
        "-fill", "#d0782d", "-draw", "rectangle 32,0 63,31",
        "-fill", "#5a3214", "-draw", "rectangle 32,32 63,63",
        "-stroke", "#5a3214", "-draw", "line 0,10 31,10", "-draw", "line 0,21 31,21",
        "-stroke", "#a04a10", "-draw", "line 32,15 63,15",
        "PNG32:" + str(ASSETS / "chest.png")], check=True)


if __name__ == "__main__":
    ASSETS.mkdir(exist_ok=True)
    write_obj()
    write_mtl()
    write_texture()
