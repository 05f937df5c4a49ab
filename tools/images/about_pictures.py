"""The about window's pictures: the 49 x 76 logo and the pointing hand of its two links."""
import math

from imagefiles import from_art, write_bmp, write_cur

BACK = (192, 255, 255, 255)  # the about window's background, so the logo sits on it seamlessly
INK = (0, 0, 64, 255)
BODY_TOP = (250, 250, 255)
BODY_BOTTOM = (176, 184, 208)
BLUE = (0, 0, 255, 255)
YELLOW = (255, 255, 128, 255)
CABLE = (64, 64, 96, 255)

W, H = 49, 76


def _mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a[:3], b[:3])) + (255,)


def _coverage(inside, x, y, n=4):
    """Share of the pixel (x, y) that the shape covers, sampled n x n."""
    hits = sum(inside(x + (i + 0.5) / n, y + (j + 0.5) / n) for i in range(n) for j in range(n))
    return hits / (n * n)


def logo():
    px = [[BACK] * W for _ in range(H)]

    def put(x, y, colour, share=1.0):
        if 0 <= x < W and 0 <= y < H and share > 0:
            px[y][x] = _mix(px[y][x], colour, share)

    # The cable wanders up from the mouse between the two position discs.
    for step in range(400):
        t = step / 399
        y = 24 - t * 22
        x = 24.5 + 9 * math.sin(t * 2 * math.pi) * t
        for dx in (0, 1):
            put(int(x) + dx - 1, int(y), CABLE)

    def disc(cx, cy, r, colour):
        for y in range(H):
            for x in range(W):
                put(x, y, INK, _coverage(lambda u, v: math.hypot(u - cx, v - cy) <= r, x, y))
                put(x, y, colour, _coverage(lambda u, v: math.hypot(u - cx, v - cy) <= r - 1.2, x, y))

    disc(8, 8, 6, YELLOW)
    disc(41, 8, 6, BLUE)

    # The mouse: a rounded body, seen from above.
    cx, cy, a, b = 24.5, 49.5, 17.5, 25.5

    def body(u, v, shrink=0.0):
        return (abs(u - cx) / (a - shrink)) ** 3 + (abs(v - cy) / (b - shrink)) ** 3 <= 1

    for y in range(H):
        for x in range(W):
            share = _coverage(body, x, y)
            if share == 0:
                continue
            put(x, y, INK, share)
            inner = _coverage(lambda u, v: body(u, v, 1.3), x, y)
            shade = _mix(BODY_TOP, BODY_BOTTOM, (y - 24) / 51)
            put(x, y, shade, inner)
    # the buttons' seams and the wheel
    for y in range(25, 42):
        put(24, y, INK)
    for x in range(8, 41):
        if body(x + 0.5, 42.5, 1.3):
            put(x, 42, INK)
    for y in range(29, 37):
        for x in range(23, 26):
            put(x, y, BLUE)
    return px


HAND = [
    "",
    "           XXX",
    "          XWWWX",
    "          XWWWX",
    "          XWWWX",
    "          XWWWX",
    "          XWWWX",
    "          XWWWXXX",
    "          XWWWXWWXXX",
    "          XWWWXWWXWWXXX",
    "          XWWWXWWXWWXWWX",
    "          XWWWXWWXWWXWWX",
    "     XXX  XWWWWWWWWWWWWWX",
    "     XWWX XWWWWWWWWWWWWWX",
    "     XWWWXXWWWWWWWWWWWWWX",
    "      XWWWXWWWWWWWWWWWWX",
    "      XWWWWWWWWWWWWWWWWX",
    "       XWWWWWWWWWWWWWWWX",
    "       XWWWWWWWWWWWWWWX",
    "        XWWWWWWWWWWWWWX",
    "        XWWWWWWWWWWWWX",
    "         XWWWWWWWWWWWX",
    "         XWWWWWWWWWWWX",
    "          XWWWWWWWWWX",
    "          XXXXXXXXXXX",
]
HAND_HOTSPOT = (12, 1)  # the tip of the raised index finger


def hand():
    rows = [row.ljust(32, '.').replace(' ', '.') for row in HAND] + ['.' * 32] * (32 - len(HAND))
    return from_art(rows, {'X': (0, 0, 0, 255), 'W': (255, 255, 255, 255)})


def draw(out_dir):
    write_bmp(f'{out_dir}/about_logo.bmp', logo())
    write_cur(f'{out_dir}/pointing_hand.cur', hand(), HAND_HOTSPOT)
