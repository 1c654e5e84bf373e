#!/usr/bin/python3
"""Makes the Greek display font Ortholex from Gentium Book Plus.

The program shows Greek in the font named "Ortholex", at small sizes too (the verb and noun lists
are set at 9.75 points). Gentium Book Plus has every polytonic letter the program shows and
breathings shaped as a comma and a reversed comma, but at that size they are two pixels high and
cannot be told apart. So Ortholex is Gentium Book Plus with these changes:

- the marks above the letters (breathings, accents, circumflex, diaeresis, macron) are drawn
  larger, taller than wide, so that the direction of a breathing and the wave of a circumflex show;
- every glyph is drawn larger in its em, as large as DejaVu Serif's at the same point size;
- the spacing Greek marks (the breathings that stand before a capital, the lone accents) count as
  letters, not as combining marks: as marks the shaper would give them no width and set them on
  the character before, swallowing the blank before a capital's breathing;
- the line height is that of the tallest and deepest glyph the program can show, not Gentium's
  room for stacked Latin accents, so the lists stay compact and nothing is clipped;
- the names. The font is under the SIL Open Font License, whose Reserved Font Names "Gentium" and
  "SIL" a modified version may not carry: the family, style, unique and PostScript names become
  Ortholex's, the records that would present the font as SIL's own release (manufacturer,
  description, URLs) go, and the copyright, trademark, designer and licence records stay. The
  settings table of SIL's font tuner (Silt), which describes the original font, goes too.

Usage: make_ortholex.py SOURCE.ttf TARGET.ttf
"""

import sys

from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont

FAMILY = "Ortholex"
RESERVED_NAMES = ("Gentium", "SIL")

# The whole font is drawn this much larger in its em.
GLYPH_SCALE = 1.15
# The marks above the letters grow this much across and up, from the middle of their foot.
MARK_SCALE_X = 1.2
MARK_SCALE_Y = 1.45

# Characters the program can show: ASCII, Greek and Coptic, Greek Extended.
SHOWN_RANGES = (range(0x20, 0x7F), range(0x370, 0x400), range(0x1F00, 0x2000))
# The spacing Greek marks: tonos and dialytika tonos, and those of Greek Extended.
SPACING_MARKS = [0x384, 0x385, 0x1FBD] + list(range(0x1FBF, 0x1FC2)) + list(
    range(0x1FCD, 0x1FD0)) + list(range(0x1FDD, 0x1FE0)) + list(range(0x1FED, 0x1FF0)) + [
        0x1FFD, 0x1FFE
    ]

# Name IDs: copyright, family, style, unique ID, full name, version, PostScript name,
# trademark, manufacturer, designer, description, vendor URL, designer URL, licence, licence URL,
# typographic family and style, WWS family and style, variations PostScript prefix.
DROPPED_NAME_IDS = {8, 10, 11, 12}
NAMES = {
    1: FAMILY,
    2: "Regular",
    4: FAMILY,
    6: FAMILY + "-Regular",
    16: FAMILY,
    17: "Regular",
    21: FAMILY,
    22: "Regular",
}
# Records a modified font must not show with a reserved name.
CHECKED_NAME_IDS = {1, 2, 3, 4, 6, 16, 17, 18, 21, 22, 25}


def shown_glyphs(font):
    cmap = font.getBestCmap()
    return [cmap[c] for r in SHOWN_RANGES for c in r if c in cmap]


def top_marks(font):
    """The simple glyphs that sit above the letters: the spacing marks and every component but
    the first of the precomposed Greek letters that lies wholly above the x-height."""
    glyf = font["glyf"]
    cmap = font.getBestCmap()
    x_height = font["OS/2"].sxHeight
    candidates = {cmap[c] for c in SPACING_MARKS if c in cmap}
    for c in list(range(0x386, 0x3D0)) + list(range(0x1F00, 0x2000)):
        glyph = glyf[cmap[c]] if c in cmap else None
        if glyph is not None and glyph.isComposite():
            candidates.update(component.glyphName for component in glyph.components[1:])
    marks = set()
    for name in candidates:
        glyph = glyf[name]
        if glyph.isComposite() or glyph.numberOfContours <= 0:
            continue
        glyph.recalcBounds(glyf)
        if glyph.yMin > x_height * 0.6:
            marks.add(name)
    return marks


def enlarge_marks(font):
    glyf = font["glyf"]
    glyph_set = font.getGlyphSet()
    for name in sorted(top_marks(font)):
        old = glyf[name]
        x, y = (old.xMin + old.xMax) / 2, old.yMin
        pen = TTGlyphPen(glyph_set)
        transform = (MARK_SCALE_X, 0, 0, MARK_SCALE_Y, x - MARK_SCALE_X * x, y - MARK_SCALE_Y * y)
        glyph_set[name].draw(TransformPen(pen, transform))
        new = pen.glyph()
        new.recalcBounds(glyf)
        glyf[name] = new
        advance, _ = font["hmtx"][name]
        font["hmtx"][name] = (advance, new.xMin)


def spacing_marks_as_letters(font):
    cmap = font.getBestCmap()
    classes = font["GDEF"].table.GlyphClassDef.classDefs
    for c in SPACING_MARKS:
        if c in cmap:
            classes[cmap[c]] = 1


def fit_line_height(font):
    glyf = font["glyf"]
    top, bottom = 0, 0
    for name in shown_glyphs(font):
        glyph = glyf[name]
        glyph.recalcBounds(glyf)
        if glyph.numberOfContours != 0:
            top, bottom = max(top, glyph.yMax), min(bottom, glyph.yMin)
    hhea, os2 = font["hhea"], font["OS/2"]
    hhea.ascent, hhea.descent, hhea.lineGap = top, bottom, 0
    os2.sTypoAscender, os2.sTypoDescender, os2.sTypoLineGap = top, bottom, 0
    os2.usWinAscent, os2.usWinDescent = top, -bottom


def rename(font):
    name = font["name"]
    version = name.getDebugName(5) or ""
    names = dict(NAMES)
    names[3] = f"{FAMILY} Regular {version}".strip()
    name.names = [r for r in name.names if r.nameID not in DROPPED_NAME_IDS]
    for record in name.names:
        if record.nameID in names:
            record.string = names[record.nameID]
    # Some platforms look these up by their own records; write them for Windows and Mac alike.
    for name_id in (1, 2, 3, 4, 6):
        name.setName(names[name_id], name_id, 3, 1, 0x409)
    font["OS/2"].achVendID = "NONE"
    if "Silt" in font:
        del font["Silt"]


def reserved_names_left(font):
    return [(r.nameID, r.toUnicode()) for r in font["name"].names
            if r.nameID in CHECKED_NAME_IDS and any(n in r.toUnicode() for n in RESERVED_NAMES)]


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    source, target = argv[1], argv[2]
    font = TTFont(source)
    enlarge_marks(font)
    spacing_marks_as_letters(font)
    fit_line_height(font)
    font["head"].unitsPerEm = round(font["head"].unitsPerEm / GLYPH_SCALE)
    rename(font)
    left = reserved_names_left(font)
    if font["name"].getDebugName(1) != FAMILY or left:
        sys.stderr.write(f"the font still carries a reserved or old name: {left}\n")
        return 1
    font.save(target)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
