"""The mouse control's face: an 18 x 30 mouse with two buttons, a wheel and a cable, in the 16
standard colours, black outline on light grey."""
from imagefiles import from_art, write_bmp

# The 16 colours of the standard VGA palette, in their usual order.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
       (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
       (255, 0, 255), (0, 255, 255), (255, 255, 255)]

ART = [
    "..........K.......",
    ".........K........",
    ".........K........",
    "..........K.......",
    "..........K.......",
    ".........K........",
    ".........K........",
    ".....KKKKKKKKK....",
    "...KKWWWWKWWWWKK..",
    "..KWWWWWKKKWWWWGK.",
    "..KWWWWWKGKWWWWGK.",
    ".KWWWWWWKGKWWWWWGK",
    ".KWWWWWWKGKWWWWWGK",
    ".KWWWWWWKKKWWWWWGK",
    ".KWWWWWWWKWWWWWWGK",
    ".KKKKKKKKKKKKKKKKK",
    ".KWWWWWWWWWWWWWWGK",
    ".KWWWWWWWWWWWWWWGK",
    ".KWWWWWWWWWWWWWWGK",
    ".KWWWWWWWWWWWWWWGK",
    ".KWWWWWWWWWWWWWWGK",
    ".KWWWWWWWWWWWWWWGK",
    ".KWWWWWWWWWWWWWWGK",
    ".KWWWWWWWWWWWWWGGK",
    "..KWWWWWWWWWWWWGK.",
    "..KWWWWWWWWWWWGGK.",
    "...KWWWWWWWWWGGK..",
    "...KGGWWWWWGGGGK..",
    "....KKGGGGGGGKK...",
    "......KKKKKKK.....",
]

COLOURS = {'.': (192, 192, 192, 255), 'K': (0, 0, 0, 255), 'W': (255, 255, 255, 255), 'G': (128, 128, 128, 255)}


def picture():
    assert len(ART) == 30 and all(len(row) == 18 for row in ART)
    return from_art(ART, COLOURS)


def draw(out_dir):
    write_bmp(f'{out_dir}/mouse.bmp', picture(), VGA)
