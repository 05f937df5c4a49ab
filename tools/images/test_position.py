"""The macro window's test-position picture: a four-headed arrow cursor, hot spot on its centre."""
from imagefiles import write_cur

BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)
CLEAR = (0, 0, 0, 0)
CENTRE = 10  # the arrow is 21 pixels across in the picture's top-left part


def arrow_shape():
    inside = set()
    for t in range(2, 19):  # the two shafts, three pixels wide
        for w in (-1, 0, 1):
            inside.add((t, CENTRE + w))
            inside.add((CENTRE + w, t))
    for k in range(5):  # the four heads
        for w in range(-k, k + 1):
            inside.update({(CENTRE + w, k + 1), (CENTRE + w, 19 - k), (k + 1, CENTRE + w), (19 - k, CENTRE + w)})
    return inside


def picture():
    inside = arrow_shape()
    px = [[CLEAR] * 32 for _ in range(32)]
    for x, y in inside:
        px[y][x] = BLACK
    for x, y in inside:  # a white rim keeps the arrow visible on dark ground
        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            nx, ny = x + dx, y + dy
            if 0 <= nx < 32 and 0 <= ny < 32 and (nx, ny) not in inside:
                px[ny][nx] = WHITE
    return px


def draw(out_dir):
    write_cur(f'{out_dir}/test_position.cur', picture(), (CENTRE, CENTRE))
