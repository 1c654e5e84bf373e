#!/usr/bin/python3
"""Makes the Greek display font Ortholex from DejaVu Serif.

The program addresses Greek on screen through the font named "Ortholex"; DejaVu Serif has every
polytonic Greek letter it shows. Only the names change: the family, full, unique and PostScript
names become Ortholex's, while the copyright, licence and trademark records stay as they are.

Usage: make_ortholex.py SOURCE.ttf TARGET.ttf
"""

import sys

from fontTools.ttLib import TTFont

FAMILY = "Ortholex"

# Name IDs that carry the family: family, unique ID, full name, PostScript name, typographic
# family, WWS family, variations PostScript prefix.
FAMILY_NAME_IDS = {1, 3, 4, 6, 16, 18, 21, 25}


def rename(font, old_family, old_postscript):
    for record in font["name"].names:
        if record.nameID not in FAMILY_NAME_IDS:
            continue
        text = record.toUnicode()
        if record.nameID == 6 or record.nameID == 25:
            text = text.replace(old_postscript, FAMILY)
        text = text.replace(old_family, FAMILY)
        record.string = text


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    source, target = argv[1], argv[2]
    font = TTFont(source)
    name = font["name"]
    old_family = name.getDebugName(1)
    old_postscript = name.getDebugName(6).split("-")[0]
    rename(font, old_family, old_postscript)
    if name.getDebugName(1) != FAMILY:
        sys.stderr.write("the family name was not replaced\n")
        return 1
    font.save(target)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
