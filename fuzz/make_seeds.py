#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into fuzz/corpus/ from the sample
world (data/) and the golden INI cases (tests/data/ini-cases.json), plus a few
hand-made inputs for what those do not show. Run it after the sample world or
the golden cases change; the seeds are kept in the repository.

    python3 fuzz/make_seeds.py
"""

import hashlib
import json
import os
import shutil
import struct
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CORPUS = os.path.join(ROOT, "fuzz", "corpus")
DATA = os.path.join(ROOT, "data")
SEPARATOR = b"\n--8<--\n"


def read(*path):
    with open(os.path.join(*path), "rb") as f:
        return f.read()


def joined(*parts):
    return SEPARATOR.join(parts)


class Corpus:
    def __init__(self, target):
        self.folder = os.path.join(CORPUS, target)
        shutil.rmtree(self.folder, ignore_errors=True)
        os.makedirs(self.folder)
        self.digests = set()

    def add(self, name, data):
        digest = hashlib.sha1(data).hexdigest()[:8]
        if digest in self.digests:
            return
        self.digests.add(digest)
        with open(os.path.join(self.folder, "%s-%s" % (name, digest)), "wb") as f:
            f.write(data)


def ini_seeds():
    corpus = Corpus("ini")
    cases = json.load(open(os.path.join(ROOT, "tests", "data", "ini-cases.json")))["cases"]
    for case in cases:
        files = {name: bytes.fromhex(text) for name, text in case.get("files", {}).items()}
        name = case["name"].replace("/", "-")
        for n, op in enumerate(case["ops"]):
            file = files.get(op["file"], b"")
            value = op.get("value", op.get("default", ""))
            corpus.add("%s-%d" % (name, n),
                       joined(file, bytes.fromhex(op["section"]), bytes.fromhex(op["key"]),
                              bytes.fromhex(value)))
    for path in [("Resources", "level0.ini"), ("Resources", "editor.ini"),
                 ("Maps", "Default", "main.config"), ("Maps", "Default", "Default.mpc"),
                 ("Maps", "Default", "main.actl"), ("Maps", "Default", "main_chest")]:
        corpus.add("world-" + path[-1], joined(read(DATA, *path), b"DATA", b"Count", b"7"))


def location_seeds():
    corpus = Corpus("location")
    cave = os.path.join(DATA, "Maps", "Default")
    corpus.add("cave", joined(read(cave, "cave.config"), read(cave, "cave.map")))
    config = b"[CONFIG]\r\nWidth=3\r\nHeight=1\r\n"
    corpus.add("three-by-two", joined(config, bytes(range(48))))
    corpus.add("short-grid", joined(config, bytes(range(30))))
    corpus.add("long-grid", joined(config, bytes(range(60))))
    corpus.add("defaults", joined(b"[CONFIG]\r\n", b"\x01" * 64))
    corpus.add("negative", joined(b"[CONFIG]\r\nWidth=-3\r\nHeight=2\r\n", b"\x00" * 16))
    corpus.add("not-a-number", joined(b"[CONFIG]\r\nWidth=12x\r\nHeight=2\r\n", b"\x00" * 16))
    corpus.add("huge", joined(b"[CONFIG]\r\nWidth=100000\r\nHeight=100000\r\n", b"\x00" * 16))
    corpus.add("zero-width", joined(b"[CONFIG]\r\nWidth=0\r\nHeight=5\r\n", b""))
    corpus.add("rows-beyond-32-bits", joined(b"[CONFIG]\r\nWidth=0\r\nHeight=2147483647\r\n", b""))
    corpus.add("most-rows", joined(b"[CONFIG]\r\nWidth=0\r\nHeight=2147483646\r\n", b"\x07"))


def picture_files():
    resources = os.path.join(DATA, "Resources")
    return [read(resources, "ground_grass.bmp"), read(resources, "obj_well.bmp"),
            read(resources, "obj_well_mask.bmp"), read(resources, "edge_sand_water_01.bmp")]


def catalogue(entries, with_masks):
    lines = [b"[DATA]", b"Count=%d" % (len(entries) - 1)]
    for i, (picture, mask) in enumerate(entries):
        lines.append(b"[OBJ-%d]" % i)
        lines.append(b"FileName=" + picture)
        if with_masks:
            lines.append(b"MaskFileName=" + mask)
        lines.append(b"Name=entry %d" % i)
    return b"\r\n".join(lines) + b"\r\n"


def catalogue_seeds():
    corpus = Corpus("catalogue")
    pictures = picture_files()
    ground = catalogue([(b"p0.bmp", b""), (b"p3.bmp", b""), (b"", b"")], False)
    objects = catalogue([(b"p1.bmp", b"p2.bmp"), (b"p1.bmp", b""), (b"P1.BMP", b"p2.bmp")], True)
    corpus.add("sample", joined(ground, objects, *pictures))
    corpus.add("world-catalogues",
               joined(read(DATA, "Resources", "level0.ini"), read(DATA, "Resources", "level1.ini")))
    corpus.add("mask-larger", joined(ground, objects, pictures[0], pictures[2], pictures[1]))
    corpus.add("no-entries", joined(b"[DATA]\r\nCount=-1\r\n", b"[DATA]\r\nCount=0\r\n"))
    corpus.add("fraction", joined(b"[DATA]\r\nCount=1.5\r\n", b"[DATA]\r\nCount=2.5\r\n"))


def bmp(width, height, bits, palette, pixels, compression=0):
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, len(pixels),
                         2835, 2835, len(palette) // 4, 0)
    offset = 14 + len(header) + len(palette)
    return (b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset) + header + palette
            + pixels)


def png(width, height, rows):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(
            ">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    raw = b"".join(b"\x00" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw))
            + chunk(b"IEND", b""))


def picture_seeds():
    corpus = Corpus("picture")
    for n, data in enumerate(picture_files()):
        corpus.add("world-%d" % n, data)
    grey = b"".join(struct.pack("<BBBB", i, i, i, 0) for i in range(256))
    corpus.add("bmp-8bit", bmp(4, 2, 8, grey, bytes([0, 64, 128, 255, 1, 2, 3, 4])))
    corpus.add("bmp-rle8", bmp(4, 2, 8, grey, bytes([4, 9, 0, 0, 2, 7, 2, 8, 0, 1]), 1))
    corpus.add("bmp-4bit", bmp(4, 2, 4, grey[:64], bytes([0x01, 0x23, 0, 0, 0x45, 0x67, 0, 0])))
    corpus.add("bmp-1bit", bmp(8, 2, 1, grey[:4] + grey[-4:], bytes([0xAA, 0, 0, 0, 0x55, 0, 0, 0])))
    corpus.add("bmp-32bit", bmp(2, 2, 32, b"", bytes(range(16))))
    corpus.add("bmp-top-down", bmp(2, -2, 24, b"", bytes(range(16))))
    corpus.add("png-rgb", png(2, 2, [bytes(range(6)), bytes(range(6, 12))]))
    corpus.add("gif-1x1", bytes.fromhex(
        "47494638396101000100800000000000ffffff21f90401000000002c00000000010001000002024401003b"))


def paths_seeds():
    corpus = Corpus("paths")
    names = [b"Maps\\Default\\main.config", b"maps\\DEFAULT\\MAIN.CONFIG", b"Resources\\level0.ini",
             b"..\\..\\etc\\passwd", b"Maps/../Resources/./level0.ini", b"Maps\\..\\..\\x",
             b"Maps\\\\Default//main.map", b"\\absolute\\name", b"C:\\Windows\\win.ini",
             b"Maps\\\xcb\xe5\xf1\\cave.config", b"Maps\\Default\\main\x00.config",
             b"a" * 300 + b".map", (b"deep\\" * 60) + b"x", b"Maps\\Default\\*.config", b"",
             b"..\\outside\\secret", b"Maps\\..\\..\\OUTSIDE\\Secret"]
    for n, name in enumerate(names):
        corpus.add("name-%d" % n, joined(name, b"*.config"))
    corpus.add("split", joined(b"a\\b\\c.txt", b"\\"))
    corpus.add("pad", joined(b"7", b"x\x05"))


# Where the planted file beside the scratch application folder lies, seen from
# the resource folder and from the map folder.
OUTSIDE_FROM_RESOURCES = b"..\\..\\outside\\secret"
OUTSIDE_FROM_MAP = b"..\\..\\..\\outside\\secret"


def palette_seeds():
    corpus = Corpus("palette")
    resources = os.path.join(DATA, "Resources")
    corpus.add("world", joined(read(resources, "editor.ini"), read(resources, "level0.ini"),
                               read(resources, "level1.ini")))
    editor = (b"[CATAGORIES]\r\nCount=1\r\nCategory0=ground\r\n"
              b"[CATEGORY-0]\r\nCount=2\r\nLevel=0\r\nDefaultSource=level0.ini\r\n"
              b"Data0=OBJ-0\r\nData1=OBJ-1\r\nSource2=extra.ini\r\nData2=OBJ-0\r\n"
              b"[CATEGORY-1]\r\nCount=1\r\nLevel=1\r\nDefaultSource=level1.ini\r\n"
              b"Data0=OBJ-0\r\nSource1=" + OUTSIDE_FROM_RESOURCES + b"\r\nData1=SECRET\r\n")
    objects = (b"[DATA]\r\nCount=0\r\n[OBJ-0]\r\nName=well\r\nFileName=p.bmp\r\n"
               b"Block= 010 ,111, 0 1 \r\n")
    corpus.add("two-categories", joined(editor, b"[OBJ-0]\r\nName=grass\r\n", objects,
                                        b"[OBJ-0]\r\nName=extra\r\nBlock=1,,1\r\n"))
    corpus.add("huge-count", joined(b"[CATAGORIES]\r\nCount=2000000000\r\n"
                                    b"[CATEGORY-0]\r\nCount=32767\r\nDefaultSource=level0.ini\r\n"))
    corpus.add("no-categories", joined(b"[CATAGORIES]\r\nCount=-1\r\n"))


def actions_seeds():
    corpus = Corpus("actions")
    folder = os.path.join(DATA, "Maps", "Default")
    corpus.add("world", joined(read(folder, "main.actl"), read(folder, "main_chest"),
                               read(folder, "main_welcome")))
    index = b"[ACTIONS]\r\nCount=4\r\nA0=act_a\r\nA1=act_b\r\nA2=" + OUTSIDE_FROM_MAP + (
        b"\r\nA3=..\r\nA4=act_b\r\n")
    steps = (b"[ACTION]\r\nActionCount=2\r\nActionType=tell\r\nText=one/ntwo\r\nType=3\r\n"
             b"ActionType1=question\r\nText1=why?\r\nOk1=act_a\r\nNone1=act_b\r\n"
             b"ActionType2=teleport\r\n")
    corpus.add("steps", joined(index, steps, b"[ACTION]\r\nActionCount=65534\r\n"))
    corpus.add("huge-count", joined(b"[ACTIONS]\r\nCount=2000000000\r\n"))
    corpus.add("odd-type", joined(b"[ACTIONS]\r\nCount=0\r\nA0=act_a\r\n",
                                  b"[ACTION]\r\nActionType=TELL\r\nType=x\r\nText=\"/n\"\r\n"))


def cell_patch_seeds():
    corpus = Corpus("cell_patch")

    def block(mask, width, height, payload):
        return (b"CELP\x01" + bytes([mask]) + b"\x00\x00" + width.to_bytes(4, "little") +
                height.to_bytes(4, "little") + payload)

    corpus.add("all-layers", block(0x3F, 3, 2, bytes(range(48))))
    corpus.add("ground", block(0x02, 4, 4, bytes(range(16))))
    corpus.add("objects", block(0x04, 2, 1, b"\x01\x2c\xff\xff"))
    corpus.add("empty", block(0x00, 0, 0, b""))
    corpus.add("huge-claim", block(0x3F, 0x7FFFFFFF, 0x7FFFFFFF, b"\x07" * 8))


def checker_seeds():
    corpus = Corpus("checker")
    folder = os.path.join(DATA, "Maps", "Default")
    resources = os.path.join(DATA, "Resources")
    description = b"[CONFIG]\r\nResources=Resources\r\n"
    # Location "main" of map "M": configuration, grid file, action index,
    # act_a, act_b; then editor.ini, level1.ini and M.mpc.
    corpus.add("world-cave", joined(read(folder, "cave.config"), read(folder, "cave.map"),
                                    read(folder, "cave.actl"), read(folder, "cave_chest"),
                                    read(folder, "cave_exit"), read(resources, "editor.ini"),
                                    read(resources, "level1.ini"), read(folder, "Default.mpc")))

    def grid(width, rows, cells):
        """Records of 8 * width bytes; cells maps (x, y) to (earth, object, door, block)."""
        data = bytearray(8 * width * rows)
        for (x, y), (earth, obj, door, block) in cells.items():
            base = 8 * width * y
            data[base + x] = earth
            data[base + width + 2 * x:base + width + 2 * x + 2] = obj.to_bytes(2, "big")
            data[base + 4 * width + 2 * x:base + 4 * width + 2 * x + 2] = door.to_bytes(2, "big")
            data[base + 6 * width + x] = block
        return bytes(data)

    index = (b"[ACTIONS]\r\nCount=3\r\nA0=act_a\r\nA1=act_b\r\nA2=" + OUTSIDE_FROM_MAP +
             b"\r\nA3=gone\r\n")
    good = b"[ACTION]\r\nActionCount=0\r\nActionType=tell\r\nText=hello\r\n"
    bad = (b"[ACTION]\r\nActionCount=3\r\nActionType=tell\r\nActionType1=dance\r\n"
           b"ActionType2=" + b"\r\n")
    editor = (b"[CATAGORIES]\r\nCount=1\r\nCategory0=things\r\n"
              b"[CATEGORY-0]\r\nCount=3\r\nLevel=1\r\nDefaultSource=level1.ini\r\n"
              b"Data0=OBJ-0\r\nData1=OBJ-1\r\nData2=OBJ-9\r\nData3=OBJ-2\r\n"
              b"Source3=" + OUTSIDE_FROM_RESOURCES + b"\r\n"
              b"[CATEGORY-1]\r\nCount=1\r\nLevel=0\r\nDefaultSource=level0.ini\r\n"
              b"Data0=OBJ-0\r\nData1=OBJ-300\r\n")
    objects = (b"[DATA]\r\nCount=2\r\n"
               b"[OBJ-0]\r\nName=well\r\nFileName=o.bmp\r\nMaskFileName=m.bmp\r\n"
               b"Block=11,11\r\n"
               b"[OBJ-1]\r\nName=tree\r\nFileName=o.bmp\r\nMaskFileName=b.bmp\r\n"
               b"Block=010,111\r\n"
               b"[OBJ-2]\r\nName=far\r\nFileName=" + OUTSIDE_FROM_RESOURCES +
               b"\r\nMaskFileName=m.bmp\r\n")
    cells = {(0, 0): (0, 1, 1, 1), (1, 0): (1, 0, 2, 1), (0, 1): (2, 0, 3, 0),
             (3, 3): (9, 2, 4, 0), (2, 2): (3, 3, 0, 0), (3, 0): (200, 65535, 65535, 1)}
    config = b"[CONFIG]\r\nWidth=4\r\nHeight=3\r\n"
    corpus.add("every-kind", joined(config, grid(4, 4, cells), index, good, bad, editor, objects,
                                    description))
    corpus.add("short-grid", joined(config, grid(4, 4, cells)[:70], index, good, bad, editor,
                                    objects, description))
    corpus.add("long-grid", joined(b"[CONFIG]\r\nWidth=3\r\nHeight=1\r\n",
                                   grid(4, 4, cells), index, good, bad, editor, objects,
                                   description))
    corpus.add("wide-claim", joined(b"[CONFIG]\r\nWidth=5000\r\nHeight=0\r\n",
                                    grid(4, 4, cells), index, good, bad, editor, objects,
                                    description))
    corpus.add("tall-claim", joined(b"[CONFIG]\r\nWidth=1\r\nHeight=60000\r\n",
                                    grid(1, 8, {(0, 7): (5, 1, 1, 0)}), index, good, bad, editor,
                                    objects, description))
    corpus.add("wrapping-footprint",
               joined(b"[CONFIG]\r\nWidth=2\r\nHeight=1\r\n",
                      grid(2, 2, {(1, 1): (0, 2, 0, 0), (0, 0): (0, 1, 0, 1)}), b"", b"", b"",
                      editor, objects, description))
    corpus.add("bad-config", joined(b"[CONFIG]\r\nWidth=-4\r\nHeight=x\r\n", grid(4, 4, cells),
                                    index, good, bad, editor, objects, description))
    corpus.add("huge-config", joined(b"[CONFIG]\r\nWidth=2147483647\r\nHeight=2147483647\r\n",
                                     b"", index, good, bad, editor, objects, description))
    corpus.add("outside-resources",
               joined(config, grid(4, 4, cells), index, good, bad, editor, objects,
                      b"[CONFIG]\r\nResources=..\\outside\r\n"))
    corpus.add("counts", joined(config, grid(4, 4, cells), b"[ACTIONS]\r\nCount=65534\r\n",
                                b"[ACTION]\r\nActionCount=65534\r\n", b"",
                                b"[CATAGORIES]\r\nCount=32767\r\n",
                                b"[DATA]\r\nCount=65534\r\n", description))


def interchange_seeds():
    corpus = Corpus("interchange")
    names = ["earth", "object", "item", "action", "block", "guard"]

    def document(width, height, values, notes="", round_=True, drop=None):
        layers = []
        for n, name in enumerate(names):
            if name == drop:
                continue
            rows = [[values(n, x, y) for x in range(width)] for y in range(height + 1)]
            layers.append('"%s": [%s]' % (name, ",".join(
                "[" + ",".join(str(v) for v in row) + "]" for row in rows)))
        text = ('{"width": %d, "height": %d, "round": %s, "notes": %s, "layers": {%s}}' %
                (width, height, "true" if round_ else "false", json.dumps(notes),
                 ", ".join(layers)))
        return text.encode("utf-8")

    def small(n, x, y):
        return (x * 7 + y * 3 + n) % (256 if n not in (1, 3) else 65536)

    corpus.add("three-by-two", document(3, 2, small, "Заметки\r\nвторая строка"))
    corpus.add("wide-values", document(2, 1, lambda n, x, y: 65535 if n in (1, 3) else 255))
    corpus.add("not-round", document(1, 0, small, round_=False))
    corpus.add("missing-layer", document(2, 2, small, drop="guard"))
    corpus.add("out-of-range", document(2, 1, lambda n, x, y: 256 if n == 0 else 0))


if __name__ == "__main__":
    ini_seeds()
    location_seeds()
    catalogue_seeds()
    picture_seeds()
    paths_seeds()
    palette_seeds()
    actions_seeds()
    cell_patch_seeds()
    checker_seeds()
    interchange_seeds()
