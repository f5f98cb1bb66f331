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

# Transponder records of a few satellites whose frequencies are well known, so the
# transceiver windows work out of the box. Fields: beacon, uplink, uplink mode, downlink,
# downlink mode, comment, conversion (0 FM, 1 inverting, 2 non-inverting), window,
# corrections, converter offset; modes 1 USB, 2 LSB, 3 CW, 4 FM.
SAT_INFO = {
    "FO-29": "435.795:145.95:2:435.85:1::1:,:,:0:",
    "AO-7": "145.9775:432.15:2:145.95:1::1:,:,:0:",
    "SO-50": "0:145.85:4:436.795:4::0:,:,:0:",
    "ISS": "0:145.99:4:437.8:4::0:,:,:0:",
}
# Passbands (uplink edges, their downlink images), power W, beacon mode, access tone.
SAT_R_FREQ = {
    "FO-29": "145.9,146:435.9,435.8:50:3:なし:",
    "AO-7": "432.125,432.175:145.975,145.925:50:3:なし:",
    "SO-50": "145.85,:436.795,:50:4:67.0:",
    "ISS": "145.99,:437.8,:50:4:67.0:",
}


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
    ini += ["[SAT-INFO]"] + [f"{k}={v}" for k, v in SAT_INFO.items()] + [""]
    ini += ["[SAT_R_FREQ]"] + [f"{k}={v}" for k, v in SAT_R_FREQ.items()] + [""]
    (DATA / "torv.ini").write_bytes("\r\n".join(ini).encode("cp932"))


if __name__ == "__main__":
    main()
