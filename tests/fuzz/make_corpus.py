#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into corpus/<target>/.

Every seed is made here, by hand: a few lines in each input's layout with
numbers of our own, and the hostile cases the readers must survive (NaN,
infinities, counts past the capacities, negative counts, cut files). Run it
again after changing a seed; the files are committed."""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
NAN = float("nan")
INF = float("inf")


def write(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    if isinstance(data, str):
        data = data.encode("latin-1")
    with open(os.path.join(folder, name), "wb") as stream:
        stream.write(data)


# --- ".umb" documents: 193 little-endian bytes ------------------------------

def position(longitude, latitude):
    return struct.pack("<idd", 1, longitude, latitude)


def observation(day=29, month=3, year=2006, hour=8, minute=36, second=0.0, automatic=1, delta_t=0.0,
                longitude=-2.2, latitude=49.5, centre=(-2.2, 49.5)):
    return (struct.pack("<iiiiiifBfdd", 1, day, month, year, hour, minute, second, automatic, delta_t, longitude, latitude)
            + struct.pack("<III", 0, 0, 0) + position(*centre))


def viewport(scale=254.6, x=400.0, y=300.0, height=600, width=800):
    return struct.pack("<ifffIIiiIi", 1, scale, x, y, 0, 0, height, width, 0, 1)[:-4]


def document(obs=None, view=None):
    obs = obs if obs is not None else observation()
    view = view if view is not None else viewport()
    data = struct.pack("<i", 1) + obs + view + view + view
    assert len(data) == 193, len(data)
    return data


def documents():
    write("fuzz_document", "default.umb", document())
    write("fuzz_document", "nan.umb", document(observation(second=NAN, delta_t=NAN, automatic=0, centre=(NAN, NAN)),
                                               viewport(NAN, NAN, NAN)))
    write("fuzz_document", "huge.umb", document(observation(day=2**31 - 1, month=-2**31, year=24999, minute=75, delta_t=3e38,
                                                            automatic=0, centre=(1e308, -1e308)),
                                                viewport(3e38, -3e38, INF, -1, 2**31 - 1)))
    write("fuzz_document", "months.umb", document(observation(day=0, month=13, year=-24999, hour=25, minute=75, second=75.0)))
    write("fuzz_document", "short.umb", document()[:192])
    write("fuzz_document", "tiny.umb", document(view=viewport(1e-30, 0.0, 0.0, 1, 1)))


# --- lines, fields and numbers ------------------------------------------------

def text_fields():
    write("fuzz_text_fields", "columns", "\x05\x00\x00\x00\x0a\x00\x00\x00  0  1 -2  3 17.25 -1.5e-3\r\n  1  2\n\nlast")
    write("fuzz_text_fields", "numbers", "x" * 12 + "+12345678901234567890123 -.5e400 1e-400 9e999\n\t-0x10 +-1 ..5\n")
    write("fuzz_text_fields", "binary", bytes(range(256)))
    write("fuzz_text_fields", "crlf", "\r\n\r\r\n\n" + "a" * 300 + "\r")


# --- converter inputs ------------------------------------------------------------

NUTATION_HEADER = "  l l'  F  D Om  Period  Psi(\")   dPsi   Eps(\") dEps\n"


def nutation():
    lines = [" 0  0  0  0  1 1000.0 -10.0000-1000.0  5.0000 50.0",
             " 0  0  2 -2  2  100.0  -1.0000  -10.0  0.5000 -5.0",
             " 1  0  0  0  0   10.0   0.1000    1.0 -0.0500  0.0"]
    write("fuzz_convert_nutation", "three", NUTATION_HEADER + "\n".join(lines) + "\n")
    write("fuzz_convert_nutation", "full", NUTATION_HEADER + "\n".join(lines[i % 3] for i in range(106)) + "\n")
    write("fuzz_convert_nutation", "overfull", NUTATION_HEADER + "\n".join(lines[i % 3] for i in range(107)) + "\n")
    write("fuzz_convert_nutation", "hostile", NUTATION_HEADER + "99999999999999999999 nan inf -1e999 1e999\n\t\x00\xff\n")


def vsop_block(variable, power, count, terms=None):
    terms = count if terms is None else terms
    header = (" VSOP87 VERSION C3    EARTH     VARIABLE %d (XYZ)       *T**%d %6d TERMS    "
              "HELIOCENTRIC DYNAMICAL ECLIPTIC AND EQUINOX OF THE DATE\n" % (variable, power, count))
    term = (" 33%d%d %4d  0  0  0  0  0  0  0  0  1  0  0 -1  0.00000000100    -0.50000000000     0.50000000000"
            " 1.00000000000    6000.00000000000 \n")
    return header + "".join(term % (variable, power, i + 1) for i in range(terms))


def vsop():
    write("fuzz_convert_vsop", "one-block", vsop_block(1, 0, 3))
    write("fuzz_convert_vsop", "two-blocks", vsop_block(1, 0, 2) + vsop_block(2, 1, 2))
    write("fuzz_convert_vsop", "overfull", vsop_block(3, 5, 4))
    write("fuzz_convert_vsop", "hostile", vsop_block(9, 9, 2147483647, 1) + "\n 3310 x nan inf 1e999\n")


def elp():
    main = "MAIN PROBLEM\n  0  0  0  2     -400.00000      100.00   -10000.00     -100.00        0.40       -0.10        0.00\n"
    figure = "FIGURE\n  0  0  0  0  1 270.00000   0.00003     0.075\n"
    planetary = "PLANETARY\n  0  0  0  0  0  0  0  0  0  0  2 359.99000   0.00020     0.037\n"
    minor = "MINOR\n  0  1  1 -1 -1 190.00000   0.00004     0.075\n"
    pieces = [main] * 3 + [figure] * 6 + [planetary] * 12 + [minor] * 15
    write("fuzz_convert_elp", "every-series", "\f".join(pieces))
    write("fuzz_convert_elp", "main-only", main * 2)
    write("fuzz_convert_elp", "overfull-series", "\f" * 6 + "FIGURE\n" + "  1  1  1  1  1   0.0   1.0   1.0\n" * 15)
    write("fuzz_convert_elp", "hostile", "H\n999 -999 nan 1e999 -1e999 inf\n\f\f\x00\xff\n")


def gshhs_polygon(points, level=1, endian=">"):
    xs = [int(x * 1e6) for x, _ in points]
    ys = [int(y * 1e6) for _, y in points]
    header = struct.pack(endian + "iiiiiiiihh", 0, len(points), level, min(xs), max(xs), min(ys), max(ys), 100, 0, 0)
    return header + b"".join(struct.pack(endian + "ii", x, y) for x, y in zip(xs, ys))


SQUARE = [(350.0, -10.0), (10.0, -10.0), (10.0, 10.0), (350.0, 10.0), (350.0, -10.0)]


def shorelines():
    write("fuzz_convert_shorelines", "two-polygons", gshhs_polygon(SQUARE) + gshhs_polygon(SQUARE[:3], 2))
    write("fuzz_convert_shorelines", "negative-count", gshhs_polygon(SQUARE)[:4] + struct.pack(">i", -1) + b"\0" * 28)
    write("fuzz_convert_shorelines", "count-past-capacity", gshhs_polygon(SQUARE)[:4] + struct.pack(">i", 450565) + b"\0" * 28)
    write("fuzz_convert_shorelines", "cut", gshhs_polygon(SQUARE)[:-3])


def line_text(name):
    return (name + " header\n10.0\t-5.0\n11.0\t-4.0\n12.5\t-3.5\n\n-20.0\t170.0\n-21.0\t-179.0\n\n"
            "nan\tinf\n1e999\t-1e999\n\n\n")


def polylines():
    for target, name in (("fuzz_convert_borders", "frontier"), ("fuzz_convert_rivers", "fleuves")):
        write(target, "two-lines", line_text(name))
        write(target, "no-lines", "header only\n")
        write(target, "many-closings", "h\n" + "\n" * 400 + "1\t1\n")


def wdb_segment(points, level=1):
    header = struct.pack(">iiiiiiii", 0, len(points), level, 0, 0, 0, 0, 0)
    return header + b"".join(struct.pack(">ii", int(x * 1e6), int(y * 1e6)) for x, y in points)


def map_import():
    line_a = [(0.0, 0.0), (1.0, 1.0), (2.0, 1.5), (3.0, 1.0)]
    line_b = [(3.0, 1.0), (4.0, 0.0), (5.0, -1.0)]
    line_c = [(190.0, 10.0), (200.0, 12.0)]
    # The provider reads its choices from the end: the last byte chooses the
    # rim (odd) or WDB (even) import, the ones before it the level and capacities.
    write("fuzz_map_import", "rim", gshhs_polygon(SQUARE, endian="<") + gshhs_polygon(SQUARE[:4], 2, endian="<") + b"\x01")
    write("fuzz_map_import", "rim-negative-count", struct.pack("<ii", 0, -5) + b"\0" * 28 + b"\x01")
    write("fuzz_map_import", "wdb-joined", wdb_segment(line_a) + wdb_segment(line_b) + wdb_segment(line_c, 2) + b"\x03\x00\x02\x00")
    write("fuzz_map_import", "wdb-real-capacities", wdb_segment(line_a) + wdb_segment(line_b) + b"\x01\x02\x00")
    write("fuzz_map_import", "wdb-cut", wdb_segment(line_a)[:-2] + b"\x02\x00")


# --- images, trace and shadow: inputs read by the provider ------------------------

def provider_seeds(target, count, length):
    # A fixed pseudo-random stream, so that the seeds do not change between runs.
    state = 12345 + len(target)
    for index in range(count):
        data = bytearray()
        for _ in range(length + 37 * index):
            state = (state * 1103515245 + 12345) & 0x7FFFFFFF
            data.append(state >> 16 & 255)
        write(target, "seed-%d" % index, bytes(data))


def images():
    floats = struct.pack("<ffffffff", NAN, INF, -INF, 3e38, 0.5, 0.5, -1e-45, 1e-45)
    for target in ("fuzz_ephemeris_images", "fuzz_map_images"):
        provider_seeds(target, 4, 64)
        write(target, "hostile-floats", floats * 8)
        write(target, "hostile-counts", struct.pack("<iiiiii", -1, 2**31 - 1, 450565, 41520, -2**31, 0) * 4)
    write("fuzz_map_images", "empty", b"")


def trace_and_shadow():
    provider_seeds("fuzz_trace", 4, 48)
    write("fuzz_trace", "nan-viewport", struct.pack("<fffdd", NAN, NAN, NAN, NAN, NAN) + b"\xff" * 16)
    write("fuzz_trace", "huge-viewport", struct.pack("<fffdd", 3e38, -3e38, 1e-38, 1e308, -1e308) + b"\x01" * 16)
    provider_seeds("fuzz_shadow", 4, 48)
    write("fuzz_shadow", "hostile-epoch", struct.pack("<iiiiiff", 0, 13, 24999, 24, 75, NAN, 3e38) + b"\x00" * 8)
    write("fuzz_shadow", "far-past", struct.pack("<iiiiiff", 1, 1, -24999, 0, 0, 0.0, -3e38) + b"\xff" * 8)


# --- eclipse commands: a command byte, then arguments cut at new lines --------

def eclipse_options():
    def seed(name, command, *arguments):
        write("fuzz_eclipse_options", name, bytes([command]) + "\n".join(arguments).encode("latin-1"))
    seed("eclipses-2024", 0, "--from", "2024-01-01", "--to", "2024-12-31", "--delta-t", "69.1", "--format", "csv")
    seed("eclipses-first-year", 0, "--from", "-1999-01-01", "--to", "-1999-03-31")
    seed("eclipses-reversed", 0, "--from", "3000-12-31", "--to", "3000-01-01", "--format", "json")
    seed("eclipses-huge-delta-t", 0, "--from", "2024-01-01", "--to", "2024-12-31", "--delta-t", "-3.4e38")
    seed("besselian-2006", 1, "--date", "2006-03-29", "--delta-t", "64.9")
    seed("besselian-no-eclipse", 1, "--date", "2024-04-09", "--format", "json")
    seed("besselian-hostile", 1, "--date", "-999999-02-29", "--delta-t", "nan", "--data", "", "--date")
    seed("besselian-gap", 1, "--date", "1582-10-10", "--delta-t", "1e5")


def path_options():
    # The first byte picks the reader: 0 date, 1 step, 2 place, 3 Delta T.
    seeds = {
        "date": "\x00" + "2006-03-29", "date-bc": "\x00" + "-0500-02-29", "date-hostile": "\x00" + "2006-02-30x--",
        "step": "\x01" + "60", "step-hostile": "\x01" + "1e400",
        "place": "\x02" + "-0.187,5.556,12.5", "place-pole": "\x02" + "180,-90", "place-hostile": "\x02" + "nan,inf,,",
        "delta-t": "\x03" + "64.9", "delta-t-hostile": "\x03" + "-1e999",
    }
    for name, text in seeds.items():
        write("fuzz_path_options", name, text)


# --- the manifest of the conversions --------------------------------------------

def manifest():
    header = "# Umbrant data images: name, size in bytes, CRC-32 (zlib)\n"
    write("fuzz_manifest", "listed", header + "Nutation.dat 2544 0d1f3a6c\nVSOP87.dat 100656 7bf813ab\n")
    write("fuzz_manifest", "other-size", "Nutation.dat 2548 00000000\n")
    write("fuzz_manifest", "damaged-lines", "Nutation.dat 2544 1e\nNutation.dat -1 0000001e\n 1 00000000\n#Nutation.dat 2544 ffffffff\r\n")
    write("fuzz_manifest", "repeated", "Nutation.dat 2544 00000000\nNutation.dat 2544 ffffffff")


# --- the eclipses stored in advance: a header, the stamp, 464-byte records ---------

STORED_STAMP = ("program fuzz\nmodel modern\nseries Elp2000.dat 1569672 b8941446\n"
                "series VSOP87.dat 100656 7bf813ab\nseries Nutation.dat 2544 f3199b1e\n").encode()


def stored_record(year, month, day, kind=3, present=7, values=None):
    values = values if values is not None else [float(k) / 7.0 for k in range(56)]
    head = struct.pack("<iBBBBi", year, month, day, kind, present, 123)
    body = struct.pack("<56d", *values)
    checksum = zlib.crc32(head + struct.pack("<I", 0) + body)
    return head + struct.pack("<I", checksum) + body


def stored_file(records, stamp=STORED_STAMP, years=(2024, 2024)):
    header = b"UMBECL01" + struct.pack("<IIIii", len(stamp), 464, len(records), *years)
    checksum = zlib.crc32(header + struct.pack("<I", 0) + stamp)
    return header + struct.pack("<I", checksum) + stamp + b"".join(records)


def stored_eclipses():
    both = [stored_record(-584, 5, 28), stored_record(2024, 4, 8), stored_record(2024, 10, 2)]
    write("fuzz_stored_eclipses", "three", stored_file(both, years=(-584, 2024)))
    write("fuzz_stored_eclipses", "nan", stored_file([stored_record(2024, 4, 8, 0, 0, [NAN, INF, -INF] * 18 + [NAN, NAN])]))
    write("fuzz_stored_eclipses", "unordered", stored_file(list(reversed(both)), years=(-584, 2024)))
    write("fuzz_stored_eclipses", "bad-type", stored_file([stored_record(2024, 4, 8, kind=9)]))
    write("fuzz_stored_eclipses", "cut", stored_file(both)[:-1])
    write("fuzz_stored_eclipses", "other-stamp", stored_file(both, STORED_STAMP.replace(b"fuzz", b"fizz")))


# --- the series texts in their layouts, edited: FuzzedDataProvider choices ------

def layouts():
    for target in ("fuzz_nutation_layout", "fuzz_vsop_layout", "fuzz_elp_layout"):
        write(target, "unedited", b"")
    provider_seeds("fuzz_nutation_layout", 3, 96)
    provider_seeds("fuzz_vsop_layout", 3, 96)
    provider_seeds("fuzz_elp_layout", 4, 96)


def main():
    documents()
    text_fields()
    nutation()
    vsop()
    elp()
    shorelines()
    polylines()
    map_import()
    images()
    trace_and_shadow()
    eclipse_options()
    path_options()
    manifest()
    stored_eclipses()
    layouts()


if __name__ == "__main__":
    main()
