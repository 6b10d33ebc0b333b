"""Writes a copy of a TrueType face under another family name: rename-face.py SOURCE TARGET FAMILY.

For a test row that needs a face Wine lacks; the copy is made at build time and never shipped.
"""
import sys

from fontTools.ttLib import TTFont

source, target, family = sys.argv[1:]
font = TTFont(source)
for record in font["name"].names:
    # Family, full name, PostScript name and typographic family; the style stays.
    if record.nameID in (1, 4, 16):
        record.string = family
    elif record.nameID == 6:
        record.string = family.replace(" ", "")
font.save(target)
