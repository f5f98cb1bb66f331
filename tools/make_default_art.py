#!/usr/bin/env python3
"""Makes the default pictures and sounds in data/.

Maps: the land and water of each map come from the GSHHG shorelines and the national
borders from its WDBII borders (compiled by P. Wessel and W. H. F. Smith from the public
domain World Vector Shoreline and CIA World Data Bank II; Debian distributes GSHHG under
the LGPL-3+), rasterised here by GMT. Everything else (sky views, icons, sounds) is drawn
or synthesised by this script.

Generation only: the program and its tests read the files made here, not these tools.
Needs the Debian packages gmt and gmt-gshhg-low and python3; nothing else.

    apt-get install --no-install-recommends gmt gmt-gshhg-low
    python3 tools/make_default_art.py

The output is the same on every run.
"""
import math
import pathlib
import random
import struct
import subprocess
import tempfile
import wave

ROOT = pathlib.Path(__file__).resolve().parent.parent
DATA = ROOT / "data"

# ---- Colours ---------------------------------------------------------------------------

OCEAN = (18, 42, 100)
LAND = (150, 132, 84)
COAST = (232, 222, 170)
BORDER = (96, 78, 48)
BLACK = (0, 0, 0)  # the transparent colour of every icon


# ---- BMP writing -----------------------------------------------------------------------

def rle8_rows(indices, width):
    """RLE8 stream, bottom row first, every run encoded (count, index)."""
    out = bytearray()
    for row in reversed(indices):
        x = 0
        while x < width:
            run = 1
            while x + run < width and run < 255 and row[x + run] == row[x]:
                run += 1
            out += bytes((run, row[x]))
            x += run
        out += b"\x00\x00"  # end of line
    out[-2:] = b"\x00\x01"  # end of bitmap replaces the last end of line
    return bytes(out)


def write_bmp(name, pixels):
    """An 8-bit BMP with its own palette, RLE8-compressed; pixels are rows of RGB tuples."""
    height, width = len(pixels), len(pixels[0])
    palette = {}
    indices = []
    for row in pixels:
        indices.append([palette.setdefault(c, len(palette)) for c in row])
    if len(palette) > 256:
        raise ValueError(f"{name}: {len(palette)} colours")
    colours = sorted(palette, key=palette.get)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in colours)
    table += b"\x00" * (4 * 256 - len(table))
    data = rle8_rows(indices, width)
    offset = 14 + 40 + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 1, len(data), 3780, 3780, len(colours), 0)
    (DATA / name).write_bytes(header + info + table + data)


def canvas(width, height, colour):
    return [[colour] * width for _ in range(height)]


# ---- Maps from the shoreline data --------------------------------------------------------

def gmt(*args):
    # GMT leaves its history file in its working folder: give it a folder of its own.
    with tempfile.TemporaryDirectory() as work:
        return subprocess.run(["gmt", *args], cwd=work, check=True, capture_output=True, text=True).stdout


def land_mask(region, width, height, resolution, min_lake):
    """Rows (top first) of 0 water, 1 land, one value per pixel centre of the region.
    Lakes smaller than min_lake km² count as land; they would only speckle the map."""
    west, east, south, north = region
    with tempfile.TemporaryDirectory() as work:
        grid = pathlib.Path(work) / "mask.nc"
        # Lakes and ponds count as water, islands in lakes as land.
        gmt("grdlandmask", f"-R{west}/{east}/{south}/{north}", f"-I{width}+n/{height}+n", "-r",
            f"-D{resolution}", "-N0/1/0/1/0", f"-A{min_lake}+l", f"-G{grid}")
        values = gmt("grd2xyz", str(grid), "-ZTLa").split()
    cells = [int(float(v)) for v in values]
    return [cells[r * width:(r + 1) * width] for r in range(height)]


def border_lines(region, resolution):
    """National borders as lists of (lon, lat) points."""
    west, east, south, north = region
    text = gmt("coast", f"-R{west}/{east}/{south}/{north}", f"-D{resolution}", "-N1", "-M")
    lines, current = [], []
    for line in text.splitlines():
        if line.startswith(">"):
            if current:
                lines.append(current)
            current = []
        elif line.strip():
            lon, lat = map(float, line.split()[:2])
            current.append((lon, lat))
    if current:
        lines.append(current)
    return lines


def draw_line(pixels, x0, y0, x1, y1, colour):
    width, height = len(pixels[0]), len(pixels)
    steps = max(abs(x1 - x0), abs(y1 - y0), 1)
    for i in range(steps + 1):
        x = round(x0 + (x1 - x0) * i / steps)
        y = round(y0 + (y1 - y0) * i / steps)
        if 0 <= x < width and 0 <= y < height:
            pixels[y][x] = colour


def make_map(name, region, width, height, resolution, min_lake):
    """A plate carrée map of the region: x eastward from its west edge, y down from its north edge."""
    west, east, south, north = region
    mask = land_mask(region, width, height, resolution, min_lake)
    pixels = [[LAND if cell else OCEAN for cell in row] for row in mask]
    # The shore: land pixels that touch water.
    for y in range(height):
        for x in range(width):
            if mask[y][x] and any(0 <= y + dy < height and 0 <= x + dx < width and not mask[y + dy][x + dx]
                                  for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                pixels[y][x] = COAST
    px = lambda lon: (lon - west) / (east - west) * width - 0.5
    py = lambda lat: (north - lat) / (north - south) * height - 0.5
    for line in border_lines(region, resolution):
        for (lon0, lat0), (lon1, lat1) in zip(line, line[1:]):
            if abs(lon1 - lon0) > 180:  # a border that crosses the map's seam
                continue
            x0, y0, x1, y1 = round(px(lon0)), round(py(lat0)), round(px(lon1)), round(py(lat1))
            draw_line(pixels, x0, y0, x1, y1, BORDER)
    write_bmp(name, pixels)


# ---- Polar sky view ------------------------------------------------------------------------

# 5 x 7 capitals for the four directions.
GLYPHS = {
    "N": ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "S": ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    "W": ["10001", "10001", "10001", "10101", "10101", "11011", "10001"],
}


def draw_glyph(pixels, letter, left, top, colour):
    for dy, bits in enumerate(GLYPHS[letter]):
        for dx, bit in enumerate(bits):
            if bit == "1":
                pixels[top + dy][left + dx] = colour


def make_radar(name, width, height):
    """The sky above the station: zenith in the middle, the horizon a circle of half the width."""
    cx, cy, r = width / 2, height / 2, width / 2
    pixels = canvas(width, height, (40, 44, 48))
    for y in range(height):
        for x in range(width):
            d = math.hypot(x + 0.5 - cx, y + 0.5 - cy) / r
            if d <= 1:
                k = round(d * 12)  # darker at the zenith, lighter towards the horizon
                pixels[y][x] = (8 + 2 * k, 20 + 3 * k, 48 + 5 * k)
    letter = (200, 200, 160)
    draw_glyph(pixels, "N", round(cx) + 4, 3, letter)
    draw_glyph(pixels, "S", round(cx) + 4, height - 11, letter)
    draw_glyph(pixels, "E", width - 10, round(cy) + 4, letter)
    draw_glyph(pixels, "W", 5, round(cy) + 4, letter)
    write_bmp(name, pixels)


# ---- Sky pictures of the sky-track chart ----------------------------------------------------

def blend(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def make_sky(name, zenith, horizon, ground, stars):
    """Azimuth 0..360 across, elevation 90 at the top to -90 at the bottom, 2 pixels a degree."""
    width, height = 720, 360
    rnd = random.Random(name)
    pixels = []
    for y in range(height):
        elevation = 90 - (y + 0.5) / 2
        if elevation >= 0:
            t = round((1 - elevation / 90) ** 2 * 48) / 48  # 49 steps keep the palette small
            pixels.append([blend(zenith, horizon, t)] * width)
        else:
            pixels.append([ground] * width)
    # A low ridge along the horizon.
    for x in range(width):
        az = x / 2
        ridge = 1.2 + math.sin(math.radians(az * 3)) * 0.8 + math.sin(math.radians(az * 7 + 40)) * 0.5
        for y in range(180 - round(ridge * 2), 180):
            pixels[y][x] = ground
    for _ in range(stars):
        x, y = rnd.randrange(width), rnd.randrange(170)
        pixels[y][x] = rnd.choice(((255, 255, 255), (200, 200, 255), (255, 240, 200)))
    write_bmp(name, pixels)


# ---- Icons: 30 x 30, black is transparent, the body around pixel (10, 10) ------------------------

def disc(pixels, cx, cy, radius, colour):
    for y in range(len(pixels)):
        for x in range(len(pixels[0])):
            if math.hypot(x - cx, y - cy) <= radius:
                pixels[y][x] = colour


def make_sun(name):
    p = canvas(30, 30, BLACK)
    for k in range(8):
        a = math.radians(k * 45)
        draw_line(p, round(10 + 7 * math.cos(a)), round(10 + 7 * math.sin(a)),
                  round(10 + 9 * math.cos(a)), round(10 + 9 * math.sin(a)), (255, 150, 0))
    disc(p, 10, 10, 5.8, (255, 210, 0))
    write_bmp(name, p)


def make_moon(name):
    p = canvas(30, 30, BLACK)
    disc(p, 10, 10, 7, (220, 220, 205))
    for cx, cy, r in ((7, 8, 2.0), (12, 13, 1.6), (13, 7, 1.2)):
        disc(p, cx, cy, r, (165, 165, 150))
    write_bmp(name, p)


def make_mars(name):
    p = canvas(30, 30, BLACK)
    disc(p, 10, 10, 6.5, (215, 90, 40))
    disc(p, 8, 11, 2.2, (160, 60, 30))
    for x in range(8, 13):
        p[4][x] = (245, 245, 245)
    write_bmp(name, p)


def make_satellite(name):
    """A space station seen from above, centred on pixel (16, 10)."""
    p = canvas(30, 30, BLACK)
    panel, truss, module = (70, 110, 210), (180, 180, 180), (235, 235, 225)
    draw_line(p, 3, 10, 29, 10, truss)
    for left in (4, 9, 20, 25):
        for y in list(range(3, 9)) + list(range(12, 18)):
            for x in range(left, left + 4):
                p[y][x] = panel
    for y in range(7, 14):
        for x in range(14, 19):
            p[y][x] = module
    write_bmp(name, p)


# ---- Sounds -------------------------------------------------------------------------------------

RATE = 22050


def tone(freq, seconds, volume=0.45):
    n = int(RATE * seconds)
    attack, release = int(RATE * 0.005), int(RATE * 0.04)
    out = []
    for i in range(n):
        env = min(1.0, i / attack, (n - i) / release)
        out.append(volume * env * math.sin(2 * math.pi * freq * i / RATE))
    return out


def silence(seconds):
    return [0.0] * int(RATE * seconds)


def write_wav(name, samples):
    with wave.open(str(DATA / name), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", round(s * 32767)) for s in samples))


def main():
    DATA.mkdir(exist_ok=True)
    # World maps: the left edge is the 0° meridian, two map units a degree.
    make_map("MAP1.BMP", (0, 360, -90, 90), 630, 315, "l", 5000)
    make_map("WORD_MAP.BMP", (0, 360, -90, 90), 903, 453, "l", 3000)
    # Local maps: 30 x 30 degrees around 135° E, 35° N; the Asia map 90° E..180°, 0°..90° N.
    make_map("JAPAN.BMP", (120, 150, 20, 50), 396, 396, "i", 200)
    make_map("japan95.bmp", (120, 150, 20, 50), 396, 396, "i", 200)
    make_map("asia090-98.bmp", (90, 180, 0, 90), 623, 613, "l", 1000)

    make_radar("REDA.BMP", 205, 206)
    make_sky("skya7_18.BMP", (40, 110, 210), (185, 215, 240), (70, 110, 50), 0)
    make_sky("skya18_19.BMP", (40, 40, 110), (245, 150, 70), (45, 40, 35), 12)
    make_sky("skya19_6.BMP", (4, 6, 24), (22, 30, 70), (12, 14, 12), 260)

    make_sun("sun1.bmp")
    make_moon("moon1.bmp")
    make_mars("kaseix.bmp")
    make_satellite("iss91.bmp")

    write_wav("sound2.wav", tone(880, 0.16) + tone(1320, 0.28))               # rising
    write_wav("sound3.wav", tone(1320, 0.16) + tone(880, 0.28))               # setting
    write_wav("sound5.wav", sum((tone(1000, 0.1) + silence(0.08) for _ in range(3)), []))  # five minutes


if __name__ == "__main__":
    main()
