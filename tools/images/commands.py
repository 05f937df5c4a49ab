"""The main window's command pictures: the four-way arrow of the test images, the help and about
signs of the side bar, and the hand pointer over them."""
import math

from imagefiles import from_art, write_cur, write_ico

BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)
ARROW_BLUE = (40, 90, 200, 255)
HELP_BLUE = (0, 90, 200, 255)
ABOUT_TEAL = (0, 128, 112, 255)
CLEAR = (0, 0, 0, 0)


def outlined(size, inside):
    """Pixels of a shape given by inside(u, v) in a 32-unit box; its edge pixels drawn black."""
    s = size / 32.0
    mask = [[inside((x + 0.5) / s, (y + 0.5) / s) for x in range(size)] for y in range(size)]

    def edge(x, y):
        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            nx, ny = x + dx, y + dy
            if not (0 <= nx < size and 0 <= ny < size) or not mask[ny][nx]:
                return True
        return False

    return [[(BLACK if edge(x, y) else ARROW_BLUE) if mask[y][x] else CLEAR for x in range(size)] for y in range(size)]


def four_way_arrow(u, v):
    u, v = u - 16, v - 16
    if (abs(u) <= 2 and abs(v) <= 11) or (abs(v) <= 2 and abs(u) <= 11):
        return True
    for along, across in ((-v, u), (v, u), (-u, v), (u, v)):
        if 9.5 <= along <= 15.5 and abs(across) <= (15.5 - along) * 0.9:
            return True
    return False


QUESTION = [
    '.WWWW.',
    'WW..WW',
    '....WW',
    '...WW.',
    '..WW..',
    '..WW..',
    '......',
    '..WW..',
    '..WW..',
]
INFO = [
    '.W.',
    '.W.',
    '...',
    'WW.',
    '.W.',
    '.W.',
    '.W.',
    '.W.',
    'WWW',
]


def sign(size, colour, glyph):
    """A round sign with a white glyph, drawn for 17 pixels and whole multiples of it."""
    r = size / 2.0
    px = []
    for y in range(size):
        row = []
        for x in range(size):
            d = math.hypot(x + 0.5 - r, y + 0.5 - r)
            row.append(CLEAR if d > r - 0.2 else BLACK if d > r - 0.2 - size / 17.0 else colour)
        px.append(row)
    scale = size // 17
    gw, gh = len(glyph[0]) * scale, len(glyph) * scale
    x0, y0 = (size - gw) // 2 + (size % 2 and len(glyph[0]) % 2 == 0), (size - gh) // 2
    for gy, line in enumerate(glyph):
        for gx, ch in enumerate(line):
            if ch == 'W':
                for dy in range(scale):
                    for dx in range(scale):
                        px[y0 + gy * scale + dy][x0 + gx * scale + dx] = WHITE
    return px


HAND = [
    '.....KK...........',
    '....KWWK..........',
    '....KWWK..........',
    '....KWWK..........',
    '....KWWK..........',
    '....KWWKKK........',
    '....KWWKWWKKK.....',
    '....KWWKWWKWWKK...',
    '....KWWKWWKWWKWWK.',
    '.KK.KWWKWWKWWKWWK.',
    'KWWKKWWWWWWWWWWWK.',
    'KWWWKWWWWWWWWWWWK.',
    '.KWWWWWWWWWWWWWWK.',
    '..KWWWWWWWWWWWWWK.',
    '..KWWWWWWWWWWWWWK.',
    '...KWWWWWWWWWWWK..',
    '...KWWWWWWWWWWWK..',
    '....KWWWWWWWWWK...',
    '....KWWWWWWWWWK...',
    '....KKKKKKKKKKK...',
]


def hand_pointer():
    art = [line.ljust(32, '.') for line in HAND] + ['.' * 32] * (32 - len(HAND))
    return from_art(art, {'K': BLACK, 'W': WHITE})


def draw(out_dir):
    write_ico(f'{out_dir}/test_position.ico', [outlined(n, four_way_arrow) for n in (32, 48, 64)])
    write_ico(f'{out_dir}/help_sign.ico', [sign(n, HELP_BLUE, QUESTION) for n in (17, 34)])
    write_ico(f'{out_dir}/about_sign.ico', [sign(n, ABOUT_TEAL, INFO) for n in (17, 34)])
    write_cur(f'{out_dir}/hand_pointer.cur', hand_pointer(), (5, 0))
