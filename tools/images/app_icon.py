"""The program's icon: two position discs and the pointer that wanders between them."""
import math

from imagefiles import write_ico

YELLOW = (255, 255, 128, 255)
BLUE = (0, 0, 255, 255)
BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)
GREY = (96, 96, 96, 255)
CLEAR = (0, 0, 0, 0)


def picture(size):
    s = size / 32.0
    px = [[CLEAR] * size for _ in range(size)]

    def disc(cx, cy, r, colour):
        for y in range(size):
            for x in range(size):
                d = math.hypot(x + 0.5 - cx * s, y + 0.5 - cy * s)
                if d <= r * s:
                    px[y][x] = BLACK if d > r * s - max(1.0, s) else colour

    disc(8, 8, 7, YELLOW)
    disc(24, 24, 7, BLUE)
    for i in range(6, 27, 3):  # the dotted road between them
        x, y = int(i * s), int(i * s)
        if px[y][x] == CLEAR:
            px[y][x] = GREY
    # an arrow pointer with its tip on the middle of the road
    arrow = ["X", "XX", "XWX", "XWWX", "XWWWX", "XWWWWX", "XWWWWWX", "XWWWWWWX", "XWWWXXXX", "XWXWX", "XX XWX",
             "X   XWX", "     XX"]
    tip_x, tip_y = int(14 * s), int(13 * s)
    step = 1 if size <= 16 else 1
    rows = arrow if size > 16 else arrow[::2]
    for dy, row in enumerate(rows):
        for dx, ch in enumerate(row[::step] if size > 16 else row[::2]):
            x, y = tip_x + dx, tip_y + dy
            if 0 <= x < size and 0 <= y < size and ch != ' ':
                px[y][x] = BLACK if ch == 'X' else WHITE
    return px


def draw(out_dir):
    write_ico(f'{out_dir}/wanderpoint.ico', [picture(32), picture(16)])
