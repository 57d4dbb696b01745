# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the faces of the three decks as a player sees them: the pips of a number card never
touch, nothing but the printed frame and the corner indices leaves the picture's inner area, and
the upper part of the briscola (all the stock leaves visible) tells every card of a suit apart.
Usage: controlla_carte.py MEDIA_ROOT"""
import itertools
import re
import sys

from PIL import Image, ImageChops, ImageFilter

RANKS = "A234567FCR"
W, H = 237, 483
# Per deck: the inner area (left, top, right, bottom) that pips and figures stay in, and the two
# corners that hold the index.
DECKS = {
    "Napoleta": (1, (9, 42, 228, 441), [(0, 0, 64, 42), (173, 441, 237, 483)]),
    "Piacenti": (2, (30, 30, 207, 453), [(16, 16, 70, 78), (167, 405, 221, 467)]),
    "Opzional": (3, (8, 8, 229, 475), [(0, 0, 85, 160), (152, 323, 237, 483)]),
}
INK = 48          # a pixel this far from the paper, on any channel, is drawn
GAP_DILATE = 3    # pips closer than 2 pixels count as touching

failures = []


def ink_mask(im):
    paper = max(im.quantize(8, method=Image.Quantize.MEDIANCUT).convert("RGB").getcolors(), key=lambda c: c[0])[1]
    bands = [ImageChops.difference(b, Image.new("L", im.size, p)) for b, p in zip(im.split(), paper)]
    diff = ImageChops.lighter(ImageChops.lighter(bands[0], bands[1]), bands[2])
    return diff.point(lambda v: 255 if v > INK else 0)


def components(mask):
    """Connected parts (8-neighbours) as dicts with bbox, area and the runs' rows, by runs per row."""
    w, h = mask.size
    data = mask.tobytes()
    parent = []

    def find(i):
        while parent[i] != i:
            parent[i] = parent[parent[i]]
            i = parent[i]
        return i

    runs, prev = [], []
    for y in range(h):
        row = data[y * w:(y + 1) * w]
        cur = []
        for m in re.finditer(rb"[^\x00]+", row):
            i = len(parent)
            parent.append(i)
            a, b = m.start(), m.end()
            for j, pa, pb in prev:
                if pa <= b and pb >= a:
                    ri, rj = find(i), find(j)
                    if ri != rj:
                        parent[ri] = rj
            cur.append((i, a, b))
            runs.append((i, y, a, b))
        prev = cur
    parts = {}
    for i, y, a, b in runs:
        p = parts.setdefault(find(i), {"box": [a, y, b, y + 1], "area": 0, "runs": []})
        bx = p["box"]
        bx[0], bx[1], bx[2], bx[3] = min(bx[0], a), min(bx[1], y), max(bx[2], b), max(bx[3], y + 1)
        p["area"] += b - a
        p["runs"].append((y, a, b))
    return list(parts.values())


def inside(box, area):
    return box[0] >= area[0] and box[1] >= area[1] and box[2] <= area[2] and box[3] <= area[3]


def check_face(name, im, rank, inner, corners):
    mask = ink_mask(im)
    for part in components(mask):
        box = part["box"]
        if part["area"] < 6 or any(inside(box, c) for c in corners):
            continue
        if box[2] - box[0] >= .75 * W and box[3] - box[1] >= .75 * H:
            # the printed frame: it must not reach into the picture
            if any(inner[1] <= y < inner[3] and a < inner[2] and b > inner[0] for y, a, b in part["runs"]):
                failures.append(f"{name}: something runs into the frame")
            continue
        if not inside(box, inner):
            failures.append(f"{name}: drawing at {box} outside the inner area {inner}")
    if rank in "234567":
        x0, y0, x1, y1 = inner
        grown = mask.crop(inner).filter(ImageFilter.MaxFilter(GAP_DILATE))
        pips = [p for p in components(grown) if p["area"] >= 60 and not any(
            inside([p["box"][0] + x0, p["box"][1] + y0, p["box"][2] + x0, p["box"][3] + y0], c) for c in corners)]
        if len(pips) != int(rank):
            failures.append(f"{name}: {len(pips)} separate pips instead of {rank}")


def main():
    root = sys.argv[1]
    for folder, (n, inner, corners) in DECKS.items():
        for suit in "dscb":
            tops = {}
            for rank in RANKS:
                name = f"{folder}/{rank}{suit}{n}.jpg"
                im = Image.open(f"{root}/{name}").convert("RGB")
                if im.size != (W, H):
                    failures.append(f"{name}: {im.size} instead of {(W, H)}")
                    continue
                check_face(name, im, rank, inner, corners)
                tops[rank] = im.convert("L").crop((0, 0, W, int(H * .45)))
            for a, b in itertools.combinations(tops, 2):
                diff = ImageChops.difference(tops[a], tops[b]).point(lambda v: 255 if v > INK else 0)
                if diff.histogram()[255] < W * H * .45 * .002:
                    failures.append(f"{folder}: {a}{suit} and {b}{suit} look the same under the stock")
    for f in failures:
        print(f)
    print(f"{len(failures)} problems")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
