#!/usr/bin/env python3
"""Writes the English texts of english.py into i18n/mapeditor_en.ts and lists
the source texts that have none yet (exit code 1 when there are any). A source
text told apart by a disambiguation (Words::tr("...", "which")) is found in
ENGLISH under the pair (source, disambiguation)."""
import html
import pathlib
import re
import sys

sys.path.insert(0, str(pathlib.Path(__file__).parent))
from english import ENGLISH  # noqa: E402

TS = pathlib.Path(__file__).resolve().parents[2] / "i18n" / "mapeditor_en.ts"
MESSAGE = re.compile(r"(<source>)(.*?)(</source>\s*(?:<comment>(.*?)</comment>\s*)?)"
                     r"<translation[^>]*?(?:/>|>.*?</translation>)", re.S)


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
    key = source if match.group(4) is None else (source, decode(match.group(4)))
    english = ENGLISH.get(key)
    if english is None:
        missing.append(key)
        return match.group(0)
    return (match.group(1) + match.group(2) + match.group(3) +
            "<translation>" + encode(english) + "</translation>")


text = TS.read_text(encoding="utf-8")
TS.write_text(MESSAGE.sub(fill, text), encoding="utf-8")
for source in missing:
    print("no English text:", repr(source))
# A text the translation tools could not place in "mapeditor" is never found
# by the program: its Ru::tr call needs a using-declaration they can resolve
# (one at file scope) or the qualified phrase::Ru::tr.
strays = [name for name in re.findall(r"<context>\s*<name>(.*?)</name>", text)
          if name != "mapeditor"]
for name in strays:
    print("texts in the context", repr(name), "instead of 'mapeditor'")
sys.exit(1 if missing or strays else 0)
