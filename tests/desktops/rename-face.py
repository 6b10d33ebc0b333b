# rename-face.py SOURCE TARGET FAMILY: a copy of a TrueType face under another family name.
import sys

from fontTools.ttLib import TTFont

source, target, family = sys.argv[1:]
font = TTFont(source)
for record in font["name"].names:
    # Family, full name, PostScript name and typographic family; the style stays.
    if record.nameID in (1, 4, 6, 16):
        record.string = family if record.nameID != 6 else family.replace(" ", "")
font.save(target)
