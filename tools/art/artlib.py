"""Small shared helpers of the art generators: file writers (BMP, WAV, ICO), colour
arithmetic, tileable noise and the readers of the text sources in this folder.

Only the standard library is used, so every generator runs on a bare python3."""
import math
import random
import struct
import wave

# ---------------------------------------------------------------------------------------
# Reading the text sources


def read_sections(path):
    """Reads an INI-like text file: "[name]" starts a section, "key = value" lines fill it,
    "#" starts a comment, and a line that starts with spaces continues the previous value
    on a new line (used for text drawings). Returns a list of (name, dict) in file order."""
    sections = []
    current = None
    key = None
    with open(path, encoding="utf-8") as f:
        for raw in f:
            line = raw.rstrip("\n").rstrip("\r")
            stripped = line.strip()
            if not stripped or stripped.startswith("#"):
                continue
            if line[0] in " \t" and current is not None and key is not None:
                current[1][key] += "\n" + stripped
                continue
            if stripped.startswith("[") and stripped.endswith("]"):
                current = (stripped[1:-1].strip(), {})
                sections.append(current)
                key = None
                continue
            if "=" not in stripped or current is None:
                raise ValueError(f"{path}: cannot read line: {line!r}")
            k, v = stripped.split("=", 1)
            key = k.strip()
            current[1][key] = v.strip()
    return sections


def parse_colour(text):
    """"#RRGGBB" or "RRGGBB" to an (r, g, b) tuple."""
    text = text.strip().lstrip("#")
    if len(text) != 6:
        raise ValueError(f"not a colour: {text!r}")
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


def parse_colours(text):
    return [parse_colour(t) for t in text.replace(",", " ").split()]


def drawing_rows(text):
    """The rows of a text drawing: one row per line, the characters as they stand."""
    return [row for row in text.split("\n") if row]


# ---------------------------------------------------------------------------------------
# Colour arithmetic on float triples


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def mix(a, b, t):
    """Linear blend of two colours, t = 0 gives a, 1 gives b."""
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def scale(c, f):
    return tuple(x * f for x in c)


def lighten(c, t):
    return mix(c, (255.0, 255.0, 255.0), t)


def darken(c, t):
    return mix(c, (0.0, 0.0, 0.0), t)


def to_bytes(c):
    return tuple(int(clamp(round(x), 0, 255)) for x in c)


def smoothstep(e0, e1, x):
    t = clamp((x - e0) / (e1 - e0)) if e1 != e0 else (1.0 if x >= e1 else 0.0)
    return t * t * (3 - 2 * t)


def luminance(c):
    """Relative luminance 0..1 of an sRGB colour with 0..255 channels."""
    def lin(v):
        v /= 255.0
        return v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4
    r, g, b = (lin(x) for x in c)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


# ---------------------------------------------------------------------------------------
# Tileable value noise: lattices that wrap around, so every pattern built on them repeats
# exactly at the image size.


class TileNoise:
    """Smooth value noise on a periodic lattice of `cells` x `cells` over an image of
    `size` pixels; noise(x, y) has period `size` in both directions."""

    def __init__(self, size, cells_x, cells_y, seed):
        rng = random.Random(seed)
        self.size = size
        self.cx, self.cy = cells_x, cells_y
        self.grid = [[rng.random() for _ in range(cells_x)] for _ in range(cells_y)]

    def __call__(self, x, y):
        fx = (x % self.size) * self.cx / self.size
        fy = (y % self.size) * self.cy / self.size
        ix, iy = int(fx), int(fy)
        tx, ty = fx - ix, fy - iy
        tx = tx * tx * (3 - 2 * tx)
        ty = ty * ty * (3 - 2 * ty)
        x0, x1 = ix % self.cx, (ix + 1) % self.cx
        y0, y1 = iy % self.cy, (iy + 1) % self.cy
        g = self.grid
        a = g[y0][x0] + (g[y0][x1] - g[y0][x0]) * tx
        b = g[y1][x0] + (g[y1][x1] - g[y1][x0]) * tx
        return a + (b - a) * ty


class TileFbm:
    """Sum of octaves of TileNoise, each with twice the lattice of the one before; the
    result lies roughly in 0..1 and has period `size`."""

    def __init__(self, size, base_x, base_y, octaves, seed, gain=0.5):
        self.layers = []
        amp, total = 1.0, 0.0
        for i in range(octaves):
            self.layers.append((amp, TileNoise(size, base_x << i, base_y << i, seed * 31 + i)))
            total += amp
            amp *= gain
        self.total = total

    def __call__(self, x, y):
        return sum(a * n(x, y) for a, n in self.layers) / self.total


# ---------------------------------------------------------------------------------------
# File writers


def write_bmp24(path, width, height, pixel_rows):
    """A Windows bitmap, 24 bits per pixel, uncompressed, bottom-up rows.
    pixel_rows[y][x] is an (r, g, b) byte triple with y = 0 at the top."""
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for r, g, b in pixel_rows[y]:
            row += bytes((b, g, r))
        row += bytes(stride - len(row))
        data += row
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(header + info + data)


def write_wav16(path, rate, samples):
    """Mono 16-bit PCM; samples are floats in -1..1 (clipped)."""
    frames = bytearray()
    for s in samples:
        frames += struct.pack("<h", int(round(clamp(s, -1.0, 1.0) * 32767)))
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(bytes(frames))


def icon_image(size, pixels):
    """One image of an .ico file: a 32-bit BITMAPINFOHEADER image (height doubled) followed
    by its 1-bit AND mask. pixels[y][x] is (r, g, b, a) with y = 0 at the top; the mask is
    set where alpha is 0 so that programs that ignore alpha still see the shape."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    for y in range(size - 1, -1, -1):
        for r, g, b, a in pixels[y]:
            colour += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in range(size - 1, -1, -1):
        bits = bytearray(mask_stride)
        for x in range(size):
            if pixels[y][x][3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(colour) + bytes(mask)


def write_ico(path, images):
    """images: list of (size, pixels) as for icon_image."""
    blobs = [icon_image(size, pixels) for size, pixels in images]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (size, _), blob in zip(images, blobs):
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    with open(path, "wb") as f:
        f.write(out + b"".join(blobs))
