#!/usr/bin/env python3
"""Reads screenshots for the end-to-end test: binary PPM files (P6, as
ImageMagick's import writes them with a ppm: prefix, 8 or 16 bits) and, for comparison,
any picture ImageMagick's convert can read. Regions are x0 y0 x1 y1 in window
pixels, x1 and y1 excluded.

  pixels.py hash  SHOT x0 y0 x1 y1          md5 of the region's pixels
  pixels.py diff  SHOT_A SHOT_B x0 y0 x1 y1 share of pixels (0 to 1) that differ by more than 24 in a channel
  pixels.py red   SHOT x0 y0 x1 y1          count of pure-ish red pixels (R >= 150, G and B <= 80)
  pixels.py match SHOT x0 y0 x1 y1 PICTURE  mean absolute difference (0 to 255) between the region and the picture's top left
  pixels.py pixel SHOT x y                  the pixel's colour as #RRGGBB
  pixels.py marks SHOT x0 y0 x1 y1          count of separate marks in the region (a title bar's buttons): runs of
                                            columns holding a pixel far (> 30 in a channel) from the region's
                                            commonest colour, apart by at least 3 clear columns
  pixels.py sound RAW                       peak of raw signed 16-bit little-endian samples
  pixels.py series DIR PICTURE              one line per snapshot pair DIR/pN.ppm (the note panel and the
                                            counter below it) and DIR/kN.ppm (the keyboard):
                                            N, md5 of the panel, md5 of the counter, red pixels on the
                                            keys, mean difference of the panel from PICTURE
"""

import array
import hashlib
import os
import subprocess
import sys


def read_ppm(data):
    """(width, height, 8-bit RGB bytes) of a binary PPM."""
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos) + 1
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    maxval = int(fields[3])
    if fields[0] != b"P6" or maxval not in (255, 65535):
        raise ValueError("not a binary PPM of 8 or 16 bits")
    width, height = int(fields[1]), int(fields[2])
    size = width * height * 3 * (1 if maxval == 255 else 2)
    pixels = data[pos + 1:pos + 1 + size]
    if len(pixels) != size:
        raise ValueError("PPM shorter than its header says")
    if maxval == 65535:
        pixels = pixels[0::2]  # the high byte of each big-endian sample
    return width, height, pixels


def load(path):
    with open(path, "rb") as f:
        data = f.read()
    if not data.startswith(b"P6"):
        data = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True,
                              stdout=subprocess.PIPE).stdout
    return read_ppm(data)


def region(image, x0, y0, x1, y1):
    """The region's rows of RGB bytes, clipped to the image."""
    width, height, pixels = image
    x0, x1 = max(0, x0), min(width, x1)
    y0, y1 = max(0, y0), min(height, y1)
    return [pixels[(y * width + x0) * 3:(y * width + x1) * 3] for y in range(y0, y1)]


def mean_difference(rows_a, rows_b):
    """Mean absolute difference per channel (0 to 255) over the rows both have."""
    total = 0
    summed = 0
    for row_a, row_b in zip(rows_a, rows_b):
        n = min(len(row_a), len(row_b))
        total += n
        summed += sum(abs(row_a[i] - row_b[i]) for i in range(n))
    return summed / total if total else 255.0


def red_pixels(rows):
    """Pure-ish red pixels: R >= 150, G and B <= 80 (a flashed key's face and its shading)."""
    count = 0
    for row in rows:
        for i in range(0, len(row), 3):
            if row[i] >= 150 and row[i + 1] <= 80 and row[i + 2] <= 80:
                count += 1
    return count


def marks(rows):
    """Separate marks across a region: runs of columns that hold ink, the
    ink being any pixel far from the region's commonest colour (its
    background); a gap of 3 clear columns or more parts two marks."""
    counts = {}
    for row in rows:
        for i in range(0, len(row), 3):
            counts[row[i:i + 3]] = counts.get(row[i:i + 3], 0) + 1
    if not counts:
        return 0
    background = max(counts, key=counts.get)
    width = min(len(row) for row in rows) // 3
    inked = [any(max(abs(row[3 * x + c] - background[c]) for c in range(3)) > 30 for row in rows)
             for x in range(width)]
    found = 0
    gap = 3
    for ink in inked:
        if ink:
            if gap >= 3:
                found += 1
            gap = 0
        else:
            gap += 1
    return found


def coords(args):
    return [int(a) for a in args]


def main(argv):
    command = argv[1]
    if command == "hash":
        rows = region(load(argv[2]), *coords(argv[3:7]))
        print(hashlib.md5(b"".join(rows)).hexdigest())
    elif command == "diff":
        box = coords(argv[4:8])
        a = region(load(argv[2]), *box)
        b = region(load(argv[3]), *box)
        total = 0
        changed = 0
        for row_a, row_b in zip(a, b):
            for i in range(0, min(len(row_a), len(row_b)), 3):
                total += 1
                if max(abs(row_a[i + c] - row_b[i + c]) for c in range(3)) > 24:
                    changed += 1
        print(f"{changed / total:.4f}" if total else "0")
    elif command == "red":
        print(red_pixels(region(load(argv[2]), *coords(argv[3:7]))))
    elif command == "match":
        box = coords(argv[3:7])
        shot = region(load(argv[2]), *box)
        picture = region(load(argv[7]), 0, 0, box[2] - box[0], box[3] - box[1])
        print(f"{mean_difference(shot, picture):.2f}")
    elif command == "pixel":
        x, y = coords(argv[3:5])
        row = region(load(argv[2]), x, y, x + 1, y + 1)
        print("#%02X%02X%02X" % tuple(row[0][0:3]) if row and row[0] else "none")
    elif command == "marks":
        print(marks(region(load(argv[2]), *coords(argv[3:7]))))
    elif command == "sound":
        samples = array.array("h")
        with open(argv[2], "rb") as f:
            data = f.read()
        samples.frombytes(data[:len(data) // 2 * 2])
        if sys.byteorder != "little":
            samples.byteswap()
        print(max((abs(v) for v in samples), default=0))
    elif command == "series":
        folder = argv[2]
        picture = load(argv[3])
        numbers = sorted(int(name[1:-4]) for name in os.listdir(folder)
                         if name.startswith("p") and name.endswith(".ppm"))
        # A run shows few different pictures: each is measured once.
        differences = {}  # panel md5 → its difference from PICTURE
        reds = {}         # keyboard md5 → its red pixels
        for n in numbers:
            try:
                panel = load(os.path.join(folder, f"p{n}.ppm"))
                keys = load(os.path.join(folder, f"k{n}.ppm"))
            except (OSError, ValueError, IndexError):
                continue  # a snapshot cut short by a busy server: skip it
            note = region(panel, 0, 0, 250, 250)
            counter = region(panel, 1, 264, 90, 280)
            keys_md5 = hashlib.md5(keys[2]).hexdigest()
            if keys_md5 not in reds:
                reds[keys_md5] = red_pixels(region(keys, 0, 0, keys[0], keys[1]))
            red = reds[keys_md5]
            panel_md5 = hashlib.md5(b"".join(note)).hexdigest()
            if panel_md5 not in differences:
                differences[panel_md5] = mean_difference(note, region(picture, 0, 0, 250, 250))
            print(n, panel_md5, hashlib.md5(b"".join(counter)).hexdigest(), red, f"{differences[panel_md5]:.2f}")
    else:
        print(__doc__, file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
