#!/usr/bin/env python3
"""Draws the lines and points of a GeoJSON file on a plain longitude-latitude
grid, or on an orthographic globe, and writes a PNG, with nothing but the
standard library, to look at an eclipse path:
    draw_geojson.py PATH.geojson OUT.png [WIDTH] [LON0 LON1 LAT0 LAT1]
    draw_geojson.py PATH.geojson OUT.png WIDTH --globe LON LAT"""
import json
import math
import struct
import sys
import zlib

COLOURS = {
    "central": (220, 30, 30), "umbra-north": (30, 30, 220), "umbra-south": (30, 30, 220),
    "penumbra-north": (0, 150, 0), "penumbra-south": (0, 150, 0), "sunrise-sunset": (230, 130, 0),
    "max-at-sunrise-sunset": (160, 0, 160), "greatest": (0, 0, 0),
}


class Canvas:
    def __init__(self, width, box):
        self.lon0, self.lon1, self.lat0, self.lat1 = box
        self.width = width
        self.height = max(1, int(width * (self.lat1 - self.lat0) / (self.lon1 - self.lon0)))
        self.pixels = bytearray([255] * (self.width * self.height * 3))

    def to_pixel(self, lon, lat):
        x = (lon - self.lon0) / (self.lon1 - self.lon0) * (self.width - 1)
        y = (self.lat1 - lat) / (self.lat1 - self.lat0) * (self.height - 1)
        return x, y

    def visible(self, lon, lat):
        return True

    def dot(self, x, y, colour, size=1):
        for dx in range(-size // 2 + 1, size // 2 + 1):
            for dy in range(-size // 2 + 1, size // 2 + 1):
                px, py = int(round(x)) + dx, int(round(y)) + dy
                if 0 <= px < self.width and 0 <= py < self.height:
                    i = (py * self.width + px) * 3
                    self.pixels[i:i + 3] = bytes(colour)

    def line(self, a, b, colour, size=1):
        if not (self.visible(*a) and self.visible(*b)):
            return
        (x0, y0), (x1, y1) = self.to_pixel(*a), self.to_pixel(*b)
        steps = int(max(abs(x1 - x0), abs(y1 - y0))) + 1
        for k in range(steps + 1):
            t = k / steps
            self.dot(x0 + t * (x1 - x0), y0 + t * (y1 - y0), colour, size)

    def png(self, path):
        rows = b"".join(b"\0" + bytes(self.pixels[y * self.width * 3:(y + 1) * self.width * 3]) for y in range(self.height))
        def chunk(kind, data):
            return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xffffffff)
        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n")
            out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)))
            out.write(chunk(b"IDAT", zlib.compress(rows, 9)))
            out.write(chunk(b"IEND", b""))


class Globe(Canvas):
    """An orthographic view centred on (lon, lat)."""
    def __init__(self, width, centre):
        super().__init__(width, (-1.0, 1.0, -1.0, 1.0))
        self.centre_lon, self.centre_lat = (math.radians(v) for v in centre)

    def project(self, lon, lat):
        lon, lat = math.radians(lon) - self.centre_lon, math.radians(lat)
        x = math.cos(lat) * math.sin(lon)
        y = math.cos(self.centre_lat) * math.sin(lat) - math.sin(self.centre_lat) * math.cos(lat) * math.cos(lon)
        z = math.sin(self.centre_lat) * math.sin(lat) + math.cos(self.centre_lat) * math.cos(lat) * math.cos(lon)
        return x, y, z

    def to_pixel(self, lon, lat):
        x, y, _ = self.project(lon, lat)
        return (x + 1.0) / 2.0 * (self.width - 1), (1.0 - y) / 2.0 * (self.height - 1)

    def visible(self, lon, lat):
        return self.project(lon, lat)[2] >= 0.0


def lines_of(geometry):
    if geometry["type"] == "LineString":
        return [geometry["coordinates"]]
    if geometry["type"] == "MultiLineString":
        return geometry["coordinates"]
    return []


def main():
    source, target = sys.argv[1], sys.argv[2]
    width = int(sys.argv[3]) if len(sys.argv) > 3 else 1800
    if len(sys.argv) > 6 and sys.argv[4] == "--globe":
        canvas = Globe(width, (float(sys.argv[5]), float(sys.argv[6])))
        box = (-180.0, 180.0, -90.0, 90.0)
    else:
        box = tuple(float(v) for v in sys.argv[4:8]) if len(sys.argv) > 7 else (-180.0, 180.0, -90.0, 90.0)
        canvas = Canvas(width, box)
    for lon in range(-180, 181, 10):
        grey = (215, 215, 215) if lon % 30 else (170, 170, 170)
        for lat in range(int(box[2]), int(box[3])):
            canvas.line((lon, lat), (lon, lat + 1), grey)
    for lat in range(-90, 91, 10):
        grey = (215, 215, 215) if lat % 30 else (170, 170, 170)
        for lon in range(int(box[0]), int(box[1])):
            canvas.line((lon, lat), (lon + 1, lat), grey)
    features = json.load(open(source))["features"]
    for feature in features:
        kind = feature["properties"].get("kind", "")
        colour = COLOURS.get(kind, (120, 120, 120) if kind.startswith("magnitude") else (0, 0, 0))
        geometry = feature["geometry"]
        if geometry and geometry["type"] == "Point":
            x, y = canvas.to_pixel(*geometry["coordinates"][:2])
            canvas.dot(x, y, colour, 7)
        for line in lines_of(geometry) if geometry else []:
            for a, b in zip(line, line[1:]):
                canvas.line(a[:2], b[:2], colour, 2)
            for vertex in line if kind == "central" and width > 2000 else []:
                x, y = canvas.to_pixel(*vertex[:2])
                canvas.dot(x, y, (0, 0, 0), 3)
    canvas.png(target)


if __name__ == "__main__":
    main()
