#!/usr/bin/python3
"""Cuts Liberation Sans Bold to the characters the page can show and writes it as WOFF2.

Usage: make_font.py SOURCE.ttf FAMILY OUTPUT.woff2

The font's licence reserves the name "Liberation" for the unmodified font, so the cut one is
renamed. Run by the build with Debian's fonttools; the same source always gives the same bytes.
"""
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

# Printable ASCII, the accented letters of Italian and the typographic marks its texts use; anything
# else a student types into a box is drawn in the device's own sans-serif.
CHARACTERS = [*range(0x20, 0x7F), *map(ord, "àèéìíîòóùúÀÈÉÌÍÎÒÓÙÚ«»°×"),
              0x00A0, 0x2013, 0x2014, 0x2018, 0x2019, 0x201C, 0x201D, 0x2026]
# Family, subfamily, unique, full and PostScript names, and the typographic family.
RENAMED = {1: "{family}", 2: "Bold", 3: "{family} Bold", 4: "{family} Bold", 6: "{postscript}-Bold",
           16: "{family}"}


def main(source, family, output):
    options = subset.Options()
    options.layout_features = ["kern"]
    options.hinting = False  # the page draws with the browser's own anti-aliasing
    options.name_IDs = list(RENAMED)
    options.flavor = "woff2"
    options.drop_tables += ["FFTM"]  # a font editor's time stamp, nothing a browser reads
    font = TTFont(source, recalcTimestamp=False)  # keeps the source's date: reproducible bytes
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=CHARACTERS)
    subsetter.subset(font)
    for record in font["name"].names:
        record.string = RENAMED[record.nameID].format(family=family, postscript=family.replace(" ", ""))
    font.flavor = "woff2"
    font.save(output, reorderTables=False)


if __name__ == "__main__":
    main(*sys.argv[1:])
