#!/usr/bin/env python3
"""Draws the setup's icon and bitmaps into resources/.

Everything is drawn from shapes and gradients, so the files can be rebuilt at
any time and come out byte for byte the same:

    python3 tools/make-art.py [--plain] [output-folder]

The output folder defaults to resources/ beside this tool's folder. The
four page pictures are run-length encoded (BI_RLE8), which Windows decodes
wherever it loads a bitmap; --plain writes them uncompressed.
"""

import math
import os
import struct
import sys

# The 16 colours of the standard VGA palette, in the order Windows uses for
# 4-bit bitmaps, so the small images look the same on a 16-colour display.
VGA = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GRAY, RED, LIME, YELLOW, BLUE, FUCHSIA, CYAN, WHITE = range(8, 16)

BANNER_W, BANNER_H = 168, 224


# --- Signed distance functions (negative inside, in pixels) -----------------

def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def ring(cx, cy, r, width):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - r) - width / 2


def ellipse(cx, cy, rx, ry):
    # First-order distance: the scaled-circle value divided by its gradient, so
    # soft edges fade at the same pace along both axes.
    def d(x, y):
        k0 = math.hypot((x - cx) / rx, (y - cy) / ry)
        k1 = math.hypot((x - cx) / (rx * rx), (y - cy) / (ry * ry))
        return k0 * (k0 - 1) / k1 if k1 > 0 else -min(rx, ry)
    return d


def ring_ellipse(cx, cy, rx, ry, width):
    return lambda x, y: abs(math.hypot((x - cx) / rx, (y - cy) / ry) - 1) * rx - width / 2


def box(x0, y0, x1, y1, r=0.0):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r

    def d(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - r
    return d


def segment(ax, ay, bx, by, width):
    dx, dy = bx - ax, by - ay
    ll = dx * dx + dy * dy

    def d(x, y):
        t = ((x - ax) * dx + (y - ay) * dy) / ll
        t = min(1.0, max(0.0, t))
        return math.hypot(x - ax - t * dx, y - ay - t * dy) - width / 2
    return d


def polygon(points):
    """Exact distance to a simple polygon, sign by the even-odd rule."""
    n = len(points)

    def d(x, y):
        best = float("inf")
        inside = False
        for i in range(n):
            ax, ay = points[i]
            bx, by = points[i - 1]
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            t = min(1.0, max(0.0, (wx * ex + wy * ey) / (ex * ex + ey * ey)))
            best = min(best, math.hypot(wx - ex * t, wy - ey * t))
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / ey:
                inside = not inside
        return -best if inside else best
    return d


def halfplane(ax, ay, bx, by):
    """Inside is on the right of the way from a to b, as seen on screen (y down)."""
    nx, ny = by - ay, -(bx - ax)
    ln = math.hypot(nx, ny)
    nx, ny = nx / ln, ny / ln
    return lambda x, y: (x - ax) * nx + (y - ay) * ny


def wedge(cx, cy, a0, a1):
    """Angles in degrees, counted clockwise on screen from the +x axis, a1 - a0 < 180."""
    p0 = (cx + math.cos(math.radians(a0)), cy + math.sin(math.radians(a0)))
    p1 = (cx + math.cos(math.radians(a1)), cy + math.sin(math.radians(a1)))
    h0 = halfplane(cx, cy, p0[0], p0[1])
    h1 = halfplane(p1[0], p1[1], cx, cy)
    return lambda x, y: max(h0(x, y), h1(x, y))


def arc(cx, cy, r, width, a0, a1):
    return intersect(ring(cx, cy, r, width), wedge(cx, cy, a0, a1))


def union(*fs):
    return lambda x, y: min(f(x, y) for f in fs)


def intersect(*fs):
    return lambda x, y: max(f(x, y) for f in fs)


def subtract(f, g):
    return lambda x, y: max(f(x, y), -g(x, y))


# --- Colour helpers ----------------------------------------------------------

def mix(a, b, t):
    t = min(1.0, max(0.0, t))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def hexrgb(s):
    return (int(s[0:2], 16), int(s[2:4], 16), int(s[4:6], 16))


def vgrad(y0, c0, y1, c1):
    c0, c1 = hexrgb(c0), hexrgb(c1)
    return lambda x, y: mix(c0, c1, (y - y0) / (y1 - y0))


def lgrad(x0, y0, c0, x1, y1, c1):
    c0, c1 = hexrgb(c0), hexrgb(c1)
    dx, dy = x1 - x0, y1 - y0
    ll = dx * dx + dy * dy
    return lambda x, y: mix(c0, c1, ((x - x0) * dx + (y - y0) * dy) / ll)


def rgrad(cx, cy, r, c0, c1):
    c0, c1 = hexrgb(c0), hexrgb(c1)
    return lambda x, y: mix(c0, c1, math.hypot(x - cx, y - cy) / r)


def solid(c):
    c = hexrgb(c)
    return lambda x, y: c


# --- True-colour canvas for the page pictures --------------------------------

class Canvas:
    def __init__(self, w, h, paint):
        self.w, self.h = w, h
        self.px = [paint(x + 0.5, y + 0.5) for y in range(h) for x in range(w)]

    def fill(self, sdf, paint, alpha=1.0, soft=0.0, bbox=None):
        """Blends paint where sdf < 0; soft > 0 widens the edge into a glow or shadow."""
        x0, y0, x1, y1 = bbox if bbox else (0, 0, self.w, self.h)
        x0, y0 = max(0, int(x0)), max(0, int(y0))
        x1, y1 = min(self.w, int(math.ceil(x1))), min(self.h, int(math.ceil(y1)))
        edge = 0.5 + soft
        for y in range(y0, y1):
            row = y * self.w
            for x in range(x0, x1):
                d = sdf(x + 0.5, y + 0.5)
                if d >= edge:
                    continue
                cover = 1.0 if d <= -edge else (edge - d) / (2 * edge)
                a = cover * alpha
                old = self.px[row + x]
                new = paint(x + 0.5, y + 0.5)
                self.px[row + x] = (old[0] + (new[0] - old[0]) * a,
                                    old[1] + (new[1] - old[1]) * a,
                                    old[2] + (new[2] - old[2]) * a)

    def rgb8(self):
        return [tuple(min(255, max(0, int(c + 0.5))) for c in p) for p in self.px]


# --- Palette reduction: median cut, then ordered dithering between neighbours

def median_cut(pixels, count):
    """Returns up to count colours that represent pixels; deterministic."""
    colours = {}
    for p in pixels:
        colours[p] = colours.get(p, 0) + 1
    boxes = [sorted(colours.items())]
    while len(boxes) < count:
        best, best_score, best_axis = -1, 0, 0
        for i, b in enumerate(boxes):
            if len(b) < 2:
                continue
            for axis in range(3):
                lo = min(c[0][axis] for c in b)
                hi = max(c[0][axis] for c in b)
                # Weight by pixel count so large smooth areas get more shades.
                weight = sum(c[1] for c in b)
                score = (hi - lo) * math.sqrt(weight)
                if score > best_score:
                    best, best_score, best_axis = i, score, axis
        if best < 0:
            break
        b = sorted(boxes[best], key=lambda c: (c[0][best_axis], c[0]))
        total = sum(c[1] for c in b)
        run, cut = 0, 1
        for j, c in enumerate(b):
            run += c[1]
            if run * 2 >= total:
                cut = min(max(j + 1, 1), len(b) - 1)
                break
        boxes[best:best + 1] = [b[:cut], b[cut:]]
    palette = []
    for b in boxes:
        n = sum(c[1] for c in b)
        palette.append(tuple(int(sum(c[0][k] * c[1] for c in b) / n + 0.5) for k in range(3)))
    return sorted(set(palette))


def quantise(pixels, w, count=256):
    palette = median_cut(pixels, count)
    cache = {}

    def nearest(p):
        hit = cache.get(p)
        if hit is None:
            hit = min(range(len(palette)),
                      key=lambda i: sum((palette[i][k] - p[k]) ** 2 for k in range(3)))
            cache[p] = hit
        return hit
    return palette, [nearest(p) for p in pixels]


# --- File writers ------------------------------------------------------------

def rgbquads(palette, count):
    data = b"".join(struct.pack("<4B", b, g, r, 0) for (r, g, b) in palette)
    return data + b"\0" * 4 * (count - len(palette))


def packed_rows(indices, w, h, bits):
    """Bottom-up rows, each padded to a multiple of 4 bytes."""
    out = bytearray()
    for y in range(h - 1, -1, -1):
        row = indices[y * w:(y + 1) * w]
        if bits == 8:
            line = bytes(row)
        elif bits == 4:
            line = bytes((row[i] << 4) | (row[i + 1] if i + 1 < w else 0) for i in range(0, w, 2))
        else:
            line = bytes(sum(row[i + k] << (7 - k) for k in range(8) if i + k < w)
                         for i in range(0, w, 8))
        out += line + b"\0" * (-len(line) % 4)
    return bytes(out)


BI_RGB, BI_RLE8 = 0, 1


def rle8_rows(indices, w, h):
    """Bottom-up rows run-length encoded as BI_RLE8: a run of three or more
    equal pixels as a count and an index, the pixels between runs as one
    literal block where there are three or more of them (fewer go as runs
    of one: the format's literal block has at least three); each row
    closed, then the bitmap."""
    out = bytearray()
    for y in range(h - 1, -1, -1):
        row = indices[y * w:(y + 1) * w]
        literal = []

        def flush():
            while literal:
                block = literal[:255]
                del literal[:255]
                if len(block) < 3:
                    for index in block:
                        out.extend((1, index))
                else:
                    out.extend((0, len(block)))
                    out.extend(block)
                    if len(block) % 2:
                        out.append(0)
        x = 0
        while x < w:
            end = x
            while end < w and row[end] == row[x] and end - x < 255:
                end += 1
            if end - x >= 3:
                flush()
                out.extend((end - x, row[x]))
            else:
                literal.extend(row[x:end])
            x = end
        flush()
        out.extend((0, 0))
    out.extend((0, 1))
    return bytes(out)


def info_header(w, h, bits, image_size, colours, compression=BI_RGB):
    return struct.pack("<IiiHHIIiiII", 40, w, h, 1, bits, compression, image_size, 2835, 2835,
                       colours, 0)


def write_bmp(path, w, h, bits, palette, indices, compression=BI_RGB):
    colours = 1 << bits
    if compression == BI_RLE8:
        pixels = rle8_rows(indices, w, h)
    else:
        pixels = packed_rows(indices, w, h, bits)
    header_size = 14 + 40 + 4 * colours
    data = (b"BM" + struct.pack("<IHHI", header_size + len(pixels), 0, 0, header_size)
            + info_header(w, h, bits, len(pixels), colours, compression)
            + rgbquads(palette, colours) + pixels)
    with open(path, "wb") as f:
        f.write(data)


def write_ico(path, images):
    """images: (size, indices with None for transparent) of 16-colour pictures."""
    blobs = []
    for size, pic in images:
        xor = packed_rows([0 if i is None else i for i in pic], size, size, 4)
        mask = packed_rows([1 if i is None else 0 for i in pic], size, size, 1)
        blobs.append((size, info_header(size, size * 2, 4, len(xor) + len(mask), 16)
                      + rgbquads(VGA, 16) + xor + mask))
    offset = 6 + 16 * len(blobs)
    out = struct.pack("<HHH", 0, 1, len(blobs))
    for size, blob in blobs:
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(blob), offset)
        offset += len(blob)
    out += b"".join(blob for _, blob in blobs)
    with open(path, "wb") as f:
        f.write(out)


# --- 16-colour pictures ------------------------------------------------------

def paint_indices(size, layers, background):
    """layers: (sdf, index) painted in order where the pixel centre lies inside."""
    pic = [background] * (size * size)
    for y in range(size):
        for x in range(size):
            for sdf, index in layers:
                if sdf(x + 0.5, y + 0.5) < 0:
                    pic[y * size + x] = index
    return pic


def icon_image(size):
    """A round webcam lens sending waves to the right, on a small stand."""
    s = size / 32.0
    cx, cy = 12.5 * s, 14.5 * s
    layers = [
        (box(7 * s, 26 * s, 18 * s, 29 * s, 1 * s), NAVY),            # foot
        (box(11 * s, 21 * s, 14 * s, 27 * s), NAVY),                  # neck
        (circle(cx, cy, 10.5 * s), NAVY),                             # housing rim
        (circle(cx, cy, 9.4 * s), BLUE),                              # housing
        (circle(cx, cy, 5.6 * s), WHITE),                             # lens bezel
        (circle(cx, cy, 4.4 * s), NAVY),                              # glass
        (circle(cx - 1.4 * s, cy - 1.4 * s, 1.5 * s), CYAN),          # glint
        (arc(cx, cy, 14.2 * s, 2.2 * s, -40, 40), BLUE),              # near wave
        (arc(cx, cy, 18.6 * s, 2.2 * s, -36, 36), BLUE),              # far wave
    ]
    if size <= 16:
        # Too few pixels for a bezel ring and a glint: one white dot reads better.
        cx, cy = 6, 7
        layers = [
            (box(2, 13, 10, 15), NAVY),
            (box(5, 11, 7, 14), NAVY),
            (circle(cx, cy, 5.2), NAVY),
            (circle(cx, cy, 4.2), BLUE),
            (circle(cx, cy, 2.5), WHITE),
            (circle(cx, cy, 1.5), NAVY),
            (box(5, 6, 6, 7), CYAN),
            (arc(cx, cy, 6.9, 1.2, -42, 42), BLUE),
            (arc(cx, cy, 8.9, 1.2, -36, 36), BLUE),
        ]
    return paint_indices(size, layers, None)


def warning_image():
    """A yellow warning triangle with an exclamation mark, on the dialog face grey."""
    tri_outer = polygon([(16, 1.5), (30.5, 28.5), (1.5, 28.5)])
    tri_inner = polygon([(16, 5.2), (27.4, 26.6), (4.6, 26.6)])
    shadow = polygon([(17, 3), (31.5, 30), (3, 30)])
    layers = [
        (shadow, GRAY),
        (tri_outer, BLACK),
        (tri_inner, YELLOW),
        (polygon([(14.6, 10), (17.4, 10), (16.8, 20), (15.2, 20)]), BLACK),
        (box(14.6, 22, 17.4, 25), BLACK),
    ]
    return paint_indices(32, layers, SILVER)


# --- Page pictures -----------------------------------------------------------

def backdrop(top, bottom, glow):
    """Night-blue banner with faint broadcast rings rising from the lower left."""
    c = Canvas(BANNER_W, BANNER_H, vgrad(0, top, BANNER_H, bottom))
    c.fill(circle(84, 150, 70), solid(glow), alpha=0.18, soft=60)
    for i, r in enumerate((46, 82, 118, 154, 190)):
        c.fill(ring(-10, 250, r, 7), solid("FFFFFF"), alpha=0.07 - i * 0.008, soft=1.5)
    return c


def floor_shadow(c, cx, cy, rx, ry):
    c.fill(ellipse(cx, cy, rx, ry), solid("000000"), alpha=0.35, soft=8,
           bbox=(cx - rx - 9, cy - ry - 9, cx + rx + 9, cy + ry + 9))


def padlock_picture():
    c = backdrop("0B1A4A", "3A6FC4", "8FB6FF")
    # A monitor with a live video of a person, the thing the password guards.
    floor_shadow(c, 84, 168, 66, 9)
    c.fill(box(70, 130, 98, 160, 2), lgrad(70, 0, "5A6478", 98, 0, "2A3140"))
    c.fill(box(48, 156, 120, 166, 5), vgrad(156, "6C7891", 166, "2C3344"))
    c.fill(box(14, 38, 154, 138, 9), lgrad(0, 38, "8C97AE", 0, 138, "2E3648"), soft=0.2)
    c.fill(box(16, 40, 152, 136, 8), vgrad(40, "A8B2C6", 136, "3A4356"))
    screen = box(23, 47, 145, 127, 3)
    c.fill(screen, lgrad(23, 47, "2B62C8", 145, 127, "0D2462"))
    c.fill(intersect(screen, circle(84, 140, 44)), vgrad(100, "8CA6D8", 140, "4B68A6"))
    c.fill(intersect(screen, circle(84, 76, 17)), rgrad(80, 70, 22, "C7D6F2", "7C95C8"))
    c.fill(intersect(screen, polygon([(23, 47), (100, 47), (23, 105)])),
           solid("FFFFFF"), alpha=0.10)
    c.fill(circle(146, 132, 1.8), solid("6CF07A"))
    # The padlock in front of the screen.
    floor_shadow(c, 88, 206, 38, 6)
    shackle = intersect(ring(84, 128, 21, 9), halfplane(200, 128, -200, 128))
    shackle = union(shackle, box(58.5, 127, 67.5, 146), box(100.5, 127, 109.5, 146))
    c.fill(shackle, solid("000000"), alpha=0.3, soft=3, bbox=(50, 95, 122, 150))
    c.fill(shackle, lgrad(60, 0, "F2F5FA", 108, 0, "6D7686"))
    body = box(48, 140, 120, 204, 8)
    c.fill(body, solid("000000"), alpha=0.35, soft=4, bbox=(40, 134, 130, 214))
    c.fill(body, lgrad(48, 140, "FFE27A", 120, 204, "B8780E"))
    c.fill(subtract(body, box(51, 143, 117, 201, 6)), solid("FFF3C0"), alpha=0.35)
    keyhole = union(circle(84, 164, 7), polygon([(80, 167), (88, 167), (90.5, 188), (77.5, 188)]))
    c.fill(keyhole, vgrad(156, "3A2606", 188, "1A1002"))
    c.fill(box(48, 140, 120, 150, 8), solid("FFFFFF"), alpha=0.18)
    # A small key resting on the desk beside the lock.
    key = union(ring(132, 196, 7, 4), box(137, 194.5, 160, 197.5),
                box(151, 197, 154, 203), box(156, 197, 159, 201))
    c.fill(key, solid("000000"), alpha=0.35, soft=2.5, bbox=(118, 184, 166, 210))
    c.fill(key, lgrad(124, 188, "FFE9A0", 160, 204, "A8700C"))
    return c


def globe_picture():
    c = backdrop("071B3C", "2B8FB0", "7FE3FF")
    gx, gy, gr = 84, 74, 50
    # Links to far nodes behind the globe.
    nodes = [(16, 26), (150, 20), (12, 124), (156, 118), (30, 170), (148, 160)]
    for nx, ny in nodes:
        c.fill(segment(gx, gy, nx, ny, 1.6), solid("BFF4FF"), alpha=0.45)
    for nx, ny in nodes:
        c.fill(circle(nx, ny, 7), solid("9FEFFF"), alpha=0.35, soft=4)
        c.fill(circle(nx, ny, 4), rgrad(nx - 1.5, ny - 1.5, 5, "FFFFFF", "58D4F2"))
    # The globe: ocean, land masses, grid and a soft highlight.
    c.fill(circle(gx, gy, gr + 4), solid("9FEFFF"), alpha=0.35, soft=8)
    sphere = circle(gx, gy, gr)
    c.fill(sphere, rgrad(gx - 18, gy - 20, 78, "5BC8F5", "0B3C8C"))
    land = union(
        polygon([(52, 44), (74, 34), (92, 40), (86, 56), (70, 60), (64, 76), (54, 70), (46, 56)]),
        polygon([(72, 80), (90, 74), (100, 86), (94, 110), (82, 118), (76, 100)]),
        polygon([(104, 42), (122, 50), (130, 66), (118, 72), (108, 62), (100, 52)]),
        polygon([(110, 88), (124, 84), (126, 98), (114, 102)]),
    )
    c.fill(intersect(sphere, land), rgrad(gx - 18, gy - 20, 78, "9BE87A", "2A7A3A"))
    lines = [box(0, gy + lat * gr - 0.55, 200, gy + lat * gr + 0.55)
             for lat in (-0.66, -0.33, 0.0, 0.33, 0.66)]
    lines += [ring_ellipse(gx, gy, rx, gr, 1.1) for rx in (gr * 0.38, gr * 0.78)]
    lines.append(box(gx - 0.55, 0, gx + 0.55, 200))
    c.fill(intersect(sphere, union(*lines)), solid("E6FBFF"), alpha=0.45)
    c.fill(intersect(sphere, circle(gx - 20, gy - 22, 26)), solid("FFFFFF"), alpha=0.16, soft=6)
    c.fill(subtract(sphere, circle(gx - 5, gy - 6, gr)), solid("021030"), alpha=0.25)
    # Cable from the globe down to the modem.
    cable_pts = [(84, 124), (86, 140), (104, 148), (112, 160), (100, 172), (84, 176)]
    for (ax, ay), (bx, by) in zip(cable_pts, cable_pts[1:]):
        c.fill(segment(ax, ay, bx, by, 5), solid("000000"), alpha=0.25, soft=2)
    for (ax, ay), (bx, by) in zip(cable_pts, cable_pts[1:]):
        c.fill(segment(ax, ay, bx, by, 3.6), solid("2A2F38"))
    for (ax, ay), (bx, by) in zip(cable_pts, cable_pts[1:]):
        c.fill(segment(ax - 0.6, ay - 0.6, bx - 0.6, by - 0.6, 1.0), solid("8C95A6"), alpha=0.7)
    # The modem: a flat box with a row of green lights.
    floor_shadow(c, 86, 206, 62, 8)
    c.fill(polygon([(36, 176), (132, 176), (148, 190), (22, 190)]),
           lgrad(0, 176, "E8ECF2", 0, 190, "A9B2C2"))
    c.fill(box(22, 189, 148, 204, 3), vgrad(189, "C7CEDA", 204, "6E788C"))
    c.fill(box(26, 192, 144, 194), solid("FFFFFF"), alpha=0.3)
    for i in range(6):
        lx = 40 + i * 14
        c.fill(circle(lx, 198, 4.5), solid("7CFF86"), alpha=0.35, soft=3)
        c.fill(circle(lx, 198, 2.2), solid("3DFF5A" if i != 4 else "FFB23D"))
    c.fill(box(120, 195.5, 140, 200.5, 2), solid("3A4256"))
    return c


def folder_picture():
    c = backdrop("0B1E46", "2F7F8F", "9FFFD8")
    floor_shadow(c, 86, 182, 72, 10)
    # Back panel with its tab.
    back = union(box(14, 62, 154, 176, 7), box(14, 50, 70, 72, 7))
    c.fill(back, solid("000000"), alpha=0.3, soft=4, bbox=(4, 40, 164, 186))
    c.fill(back, lgrad(0, 50, "E9B33E", 0, 176, "9A6410"))
    c.fill(box(20, 54, 64, 58, 2), solid("FFFFFF"), alpha=0.25)
    # Sheets standing out of the folder, each with lines of text and one a picture.
    sheets = [(26, 40, 108, 150, -0.0, "F4F7FB"), (44, 32, 128, 150, 0, "FFFFFF"),
              (64, 46, 142, 150, 0, "E9EEF6")]
    for i, (x0, y0, x1, y1, _, tint) in enumerate(sheets):
        sheet = box(x0, y0, x1, y1, 2)
        c.fill(sheet, solid("000000"), alpha=0.25, soft=3, bbox=(x0 - 8, y0 - 8, x1 + 8, y1))
        c.fill(sheet, vgrad(y0, tint, y1, "C9D3E2"))
        if i == 1:
            c.fill(box(x0 + 8, y0 + 10, x1 - 8, y0 + 44, 2), vgrad(y0 + 10, "4DA3F0", y0 + 44, "1E4FA8"))
            c.fill(polygon([(x0 + 8, y0 + 44), (x0 + 30, y0 + 24), (x0 + 48, y0 + 44)]),
                   solid("2E8F4E"))
            c.fill(polygon([(x0 + 34, y0 + 44), (x0 + 56, y0 + 28), (x1 - 8, y0 + 44)]),
                   solid("3FAE5F"))
            c.fill(circle(x1 - 20, y0 + 20, 5), solid("FFE36B"))
            top = y0 + 54
        else:
            top = y0 + 12
        for k in range(7):
            ly = top + k * 9
            if ly > y1 - 30:
                break
            width = (x1 - x0 - 20) * (0.55 if (k + i) % 3 == 2 else 1.0)
            c.fill(box(x0 + 10, ly, x0 + 10 + width, ly + 3, 1.5), solid("7C8BA6"), alpha=0.8)
    # Front panel, tilted a little forward.
    front = polygon([(8, 96), (160, 96), (152, 176), (16, 176)])
    c.fill(front, solid("000000"), alpha=0.3, soft=5, bbox=(0, 86, 168, 186))
    c.fill(front, lgrad(0, 96, "FFD874", 0, 176, "D08A1A"))
    c.fill(intersect(front, box(0, 96, 168, 101)), solid("FFFFFF"), alpha=0.35)
    c.fill(box(64, 126, 104, 138, 6), solid("8A5A0A"), alpha=0.35)
    c.fill(box(66, 128, 102, 134, 3), solid("FFFFFF"), alpha=0.2)
    return c


def gauge_picture():
    c = backdrop("140C3A", "3B4FB8", "FFB56B")
    gx, gy = 84, 120
    # Dial face.
    c.fill(circle(gx, gy + 4, 70), solid("000000"), alpha=0.35, soft=6)
    c.fill(circle(gx, gy, 70), lgrad(0, 50, "E2E7F0", 0, 190, "6E7890"))
    c.fill(circle(gx, gy, 63), rgrad(gx, gy - 20, 80, "2A3558", "0A0F22"))
    # Scale arc from green through yellow to red, 135 degrees either side of up.
    steps = 54
    for i in range(steps):
        a0 = 135 + 270 * i / steps
        a1 = 135 + 270 * (i + 1.15) / steps
        t = i / (steps - 1)
        colour = mix(hexrgb("3BE36B"), hexrgb("FFE14A"), t * 2) if t < 0.5 else \
            mix(hexrgb("FFE14A"), hexrgb("FF3B2E"), t * 2 - 1)
        c.fill(arc(gx, gy, 52, 9, a0, a1), (lambda col: lambda x, y: col)(colour))
    for i in range(11):
        a = math.radians(135 + 27 * i)
        ca, sa = math.cos(a), math.sin(a)
        c.fill(segment(gx + ca * 38, gy + sa * 38, gx + ca * 44, gy + sa * 44, 2.2),
               solid("E8EEFA"))
    # Needle pointing high on the scale, with its hub.
    a = math.radians(135 + 270 * 0.86)
    tip = (gx + math.cos(a) * 50, gy + math.sin(a) * 50)
    side = (math.cos(a + math.pi / 2) * 4, math.sin(a + math.pi / 2) * 4)
    needle = polygon([tip, (gx + side[0], gy + side[1]), (gx - side[0], gy - side[1])])
    c.fill(needle, solid("FF8A3D"), alpha=0.5, soft=4)
    c.fill(needle, solid("FF5A2E"))
    c.fill(circle(gx, gy, 8), rgrad(gx - 3, gy - 3, 11, "FFFFFF", "8A93A8"))
    c.fill(intersect(circle(gx, gy, 63), circle(gx - 30, gy - 60, 62)), solid("FFFFFF"),
           alpha=0.08)
    # Lightning bolt across the top corner, for the speed-up.
    bolt = polygon([(112, 6), (82, 50), (100, 50), (80, 92), (126, 38), (106, 38), (124, 6)])
    c.fill(bolt, solid("FFE680"), alpha=0.55, soft=9, bbox=(60, 0, 150, 110))
    c.fill(bolt, lgrad(90, 10, "FFFBD0", 110, 90, "FFB800"))
    # A plate under the dial reading out the speed as bars.
    c.fill(box(34, 196, 134, 214, 6), solid("000000"), alpha=0.35, soft=3)
    c.fill(box(34, 194, 134, 212, 6), vgrad(194, "3A466E", 212, "1A2240"))
    for i in range(8):
        h = 3 + i * 1.3
        bx = 44 + i * 11
        col = mix(hexrgb("3BE36B"), hexrgb("FFE14A"), i / 7)
        c.fill(box(bx, 208 - h, bx + 7, 208, 1), (lambda col: lambda x, y: col)(col))
    return c


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    args = sys.argv[1:]
    # The tests compare what the pages show with the page pictures written
    # without compression.
    plain = "--plain" in args
    args = [a for a in args if a != "--plain"]
    out = args[0] if args else os.path.join(here, "..", "resources")
    os.makedirs(out, exist_ok=True)
    write_ico(os.path.join(out, "setup.ico"), [(32, icon_image(32)), (16, icon_image(16))])
    write_bmp(os.path.join(out, "bitmap148.bmp"), 32, 32, 4, VGA, warning_image())
    for name, draw in (("bitmap138.bmp", padlock_picture), ("bitmap139.bmp", globe_picture),
                       ("bitmap141.bmp", folder_picture), ("bitmap149.bmp", gauge_picture)):
        pixels = draw().rgb8()
        palette, indices = quantise(pixels, BANNER_W)
        write_bmp(os.path.join(out, name), BANNER_W, BANNER_H, 8, palette, indices,
                  BI_RGB if plain else BI_RLE8)


if __name__ == "__main__":
    main()
