#!/usr/bin/env python3
"""Makes the default element file and settings in data/.

The element sets are real public two-line element sets of well-known amateur (and
weather) satellites, taken from the satellite catalogue that Debian's gpredict package
ships (old epochs; fresh sets come with the element update). The package is downloaded
with apt-get and unpacked in a temporary folder; nothing is installed.

Run from the repository: python3 tools/make_default_data.py
"""
import pathlib
import re
import subprocess
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
DATA = ROOT / "data"

# Five groups of seven satellites: catalogue number -> the name operators use.
GROUPS = [
    ("A", [(24278, "FO-29"), (7530, "AO-7"), (39444, "AO-73"), (40903, "XW-2A"), (40906, "XW-2C"),
           (40910, "XW-2F"), (42017, "EO-88")]),
    ("B", [(25544, "ISS"), (27607, "SO-50"), (40967, "AO-85"), (43017, "AO-91"), (43137, "AO-92"),
           (22825, "AO-27"), (40931, "IO-86")]),
    ("C", [(27844, "CO-55"), (27848, "CO-57"), (28895, "CO-58"), (32785, "CO-65"), (32791, "CO-66"),
           (32789, "DO-64"), (33499, "KKS-1")]),
    ("D", [(14781, "UO-11"), (20442, "LO-19"), (22826, "IO-26"), (25397, "GO-32"), (26931, "NO-44"),
           (32953, "RS-30"), (27939, "RS-22")]),
    ("E", [(25338, "NOAA-15"), (28654, "NOAA-18"), (33591, "NOAA-19"), (33493, "PRISM"), (38340, "HORYU-2"),
           (39770, "SPROUT"), (40300, "CHUBUSAT-1")]),
]
SELECTED = " 0:FO-29"  # group A, FO-29
STAMP = "2018/01/21 00:00:00"  # the catalogue's sets have epochs of 18 to 21 January 2018
TAG = "18021"                  # year and day of the newest epoch

# What each default satellite carries, from the public frequency lists (the amateur
# satellite organisations' frequency pages and the transponder lists satellite trackers
# ship). Frequencies in MHz. Kinds:
#   linear: uplink passband (low, high) and its downlink image (of low, of high);
#           inverting when the image of the low edge is the high one
#   fm:     one uplink and one downlink channel, access tone or None
#   rx:     receive only (beacon, telemetry, weather pictures): no uplink
# Beacon modes: 1 USB, 3 CW, 4 FM (the beacon of a digital telemetry is received on USB).
TRANSPONDERS = {
    "FO-29": ("linear", (145.9, 146.0), (435.9, 435.8), 435.795, 3),
    "AO-7": ("linear", (432.125, 432.175), (145.975, 145.925), 145.9775, 3),
    "AO-73": ("linear", (435.13, 435.15), (145.97, 145.95), 145.935, 1),
    "XW-2A": ("linear", (435.03, 435.05), (145.685, 145.665), 145.66, 3),
    "XW-2C": ("linear", (435.15, 435.17), (145.815, 145.795), 145.79, 3),
    "XW-2F": ("linear", (435.33, 435.35), (146.0, 145.98), 145.975, 3),
    "EO-88": ("linear", (435.015, 435.045), (145.99, 145.96), 145.94, 1),
    "ISS": ("fm", 145.99, 437.8, "67.0"),
    "SO-50": ("fm", 145.85, 436.795, "67.0"),
    "AO-85": ("fm", 435.17, 145.98, "67.0"),
    "AO-91": ("fm", 435.25, 145.96, "67.0"),
    "AO-92": ("fm", 435.35, 145.88, "67.0"),
    "AO-27": ("fm", 145.85, 436.795, None),
    "IO-86": ("fm", 435.88, 145.88, "88.5"),
    "CO-55": ("rx", 436.8375, 3),
    "CO-57": ("rx", 436.8475, 3),
    "CO-58": ("rx", 437.465, 3),
    "CO-65": ("rx", 437.275, 3),
    "CO-66": ("rx", 437.485, 3),
    "DO-64": ("rx", 145.87, 3),
    "KKS-1": ("rx", 437.385, 3),
    "UO-11": ("rx", 145.825, 4),
    "LO-19": ("rx", 437.125, 3),
    "IO-26": ("rx", 435.79, 1),
    "GO-32": ("fm", 145.93, 435.225, None),
    "NO-44": ("fm", 145.827, 145.827, None),
    "RS-30": ("rx", 435.315, 3),
    "RS-22": ("rx", 435.352, 3),
    "NOAA-15": ("rx", 137.62, 4),
    "NOAA-18": ("rx", 137.9125, 4),
    "NOAA-19": ("rx", 137.1, 4),
    "PRISM": ("rx", 437.25, 3),
    "HORYU-2": ("rx", 437.372, 3),
    "SPROUT": ("rx", 437.525, 3),
    "CHUBUSAT-1": ("rx", 437.485, 3),
}
RECEIVE_ONLY = "受信のみ"  # the comment of a satellite without uplink
POWER = "50"


def mhz(f: float) -> str:
    return f"{f:.6f}".rstrip("0").rstrip(".")


def records(name: str) -> tuple:
    """The satellite's information record and passband record as torv.ini values.

    Information: beacon, uplink, uplink mode, downlink, downlink mode, comment, conversion
    (0 fixed/FM, 1 inverting, 2 non-inverting), window, corrections, converter offset.
    Passbands: uplink edges, their downlink images, power W, beacon mode, access tone.
    """
    t = TRANSPONDERS[name]
    if t[0] == "linear":
        _, (ul, uh), (dl, dh), beacon, beacon_mode = t
        inverting = dl > dh
        up, down = mhz((ul + uh) / 2), mhz((dl + dh) / 2)
        modes = ("2", "1") if inverting else ("1", "1")
        info = f"{mhz(beacon)}:{up}:{modes[0]}:{down}:{modes[1]}::{1 if inverting else 2}:,:,:0:"
        bands = f"{mhz(ul)},{mhz(uh)}:{mhz(dl)},{mhz(dh)}:{POWER}:{beacon_mode}:なし:"
    elif t[0] == "fm":
        _, up, down, tone = t
        info = f"0:{mhz(up)}:4:{mhz(down)}:4::0:,:,:0:"
        bands = f"{mhz(up)},:{mhz(down)},:{POWER}:4:{tone or 'なし'}:"
    else:
        _, down, mode = t
        info = f"{mhz(down)}:0:{mode}:{mhz(down)}:{mode}:{RECEIVE_ONLY}:0:,:,:0:"
        bands = f",:{mhz(down)},:{POWER}:{mode}:なし:"
    return info, bands


def catalogue() -> dict:
    with tempfile.TemporaryDirectory() as tmp:
        subprocess.run(["apt-get", "download", "gpredict"], cwd=tmp, check=True, capture_output=True)
        deb = next(pathlib.Path(tmp).glob("gpredict_*.deb"))
        subprocess.run(["dpkg-deb", "-x", str(deb), tmp + "/x"], check=True)
        text = (pathlib.Path(tmp) / "x/usr/share/gpredict/data/satdata/satellites.dat").read_text("latin-1")
    sets = {}
    for block in text.split("\n\n"):
        number = re.search(r"\[(\d+)\]", block)
        l1 = re.search(r"^TLE1=(.*)$", block, re.M)
        l2 = re.search(r"^TLE2=(.*)$", block, re.M)
        if number and l1 and l2:
            sets[int(number.group(1))] = (l1.group(1).rstrip(), l2.group(1).rstrip())
    return sets


def main() -> None:
    sets = catalogue()
    lines = []
    for _, sats in GROUPS:
        for number, name in sats:
            l1, l2 = sets[number]
            lines += [name, l1, l2]
    DATA.mkdir(exist_ok=True)
    (DATA / "TORV.ELM").write_bytes(("\r\n".join(lines) + "\r\n").encode("cp932"))

    ini = ["[SATELITE]"]
    ini += [f"GROUP-{g}=" + ",".join(name for _, name in sats) for g, sats in GROUPS]
    # The update stamp says when the default sets were taken, so the element date shows it.
    ini += [f"SELECT={SELECTED}", "", "[KIDOUKOUSIN]", "ELM_AUTO_SW=0", f"YYMMDD={STAMP}", f"ORBIT={TAG}", ""]
    names = [name for _, sats in GROUPS for _, name in sats]
    ini += ["[SAT-INFO]"] + [f"{n}={records(n)[0]}" for n in names] + [""]
    ini += ["[SAT_R_FREQ]"] + [f"{n}={records(n)[1]}" for n in names] + [""]
    (DATA / "torv.ini").write_bytes("\r\n".join(ini).encode("cp932"))


if __name__ == "__main__":
    main()
