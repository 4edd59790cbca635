#!/usr/bin/env python3
"""Writes the English texts of english.py into i18n/mapeditor_en.ts and lists
the source texts that have none yet (exit code 1 when there are any)."""
import html
import pathlib
import re
import sys

sys.path.insert(0, str(pathlib.Path(__file__).parent))
from english import ENGLISH  # noqa: E402

TS = pathlib.Path(__file__).resolve().parents[2] / "i18n" / "mapeditor_en.ts"
MESSAGE = re.compile(r"(<source>)(.*?)(</source>\s*)<translation[^>]*?(?:/>|>.*?</translation>)",
                     re.S)


def decode(text):
    return html.unescape(re.sub(r'<byte value="x([0-9a-f]+)"/>',
                                lambda m: chr(int(m.group(1), 16)), text))


def encode(text):
    escaped = text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
    escaped = escaped.replace('"', "&quot;").replace("'", "&apos;")
    return escaped.replace("\r", '<byte value="xd"/>')


missing = []


def fill(match):
    source = decode(match.group(2))
    english = ENGLISH.get(source)
    if english is None:
        missing.append(source)
        return match.group(0)
    return (match.group(1) + match.group(2) + match.group(3) +
            "<translation>" + encode(english) + "</translation>")


text = TS.read_text(encoding="utf-8")
TS.write_text(MESSAGE.sub(fill, text), encoding="utf-8")
for source in missing:
    print("no English text:", repr(source))
sys.exit(1 if missing else 0)
