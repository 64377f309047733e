#!/usr/bin/env python3
"""Draws the welcome picture res/program/accueil.jpg with ImageMagick: an
arena seen from the start line, lanes of bending poles, cones and flags, under
the sky of the welcome page. python3 res/pictures/make_welcome.py
(The desktop icons are drawn from res/desktop/zavscore.svg: make_icons.sh.)"""
import os
import subprocess

WIDTH, HEIGHT = 640, 330
VANISH_X, VANISH_Y = 320, 70      # where the lanes meet
FAR_Y, NEAR_Y = 150, HEIGHT       # far end and near end of the arena
LANES = 5


def depth(y):
    """Scale of things standing at ground line y."""
    return (y - VANISH_Y) / (NEAR_Y - VANISH_Y)


def ground_x(x_near, y):
    return VANISH_X + (x_near - VANISH_X) * depth(y)


def lane_edge_near(i):
    return -260 + i * (WIDTH + 520) / LANES


def pole(mvg, x, y):
    s = depth(y)
    height, width = 70 * s, max(2.0, 7 * s)
    bands = 6
    for b in range(bands):
        top = y - height + b * height / bands
        colour = '#E02020' if b % 2 == 0 else '#FFFFFF'
        mvg.append('fill %s rectangle %.1f,%.1f %.1f,%.1f' %
                   (colour, x - width / 2, top, x + width / 2, top + height / bands))
    mvg.append('fill #505050 ellipse %.1f,%.1f %.1f,%.1f 0,360' % (x, y, width * 1.6, width * 0.5))


def cone(mvg, x, y):
    s = depth(y)
    h, w = 34 * s, 14 * s
    mvg.append('fill #FF7A00 polygon %.1f,%.1f %.1f,%.1f %.1f,%.1f' %
               (x - w, y, x + w, y, x, y - h))
    mvg.append('fill #FFFFFF polygon %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f' %
               (x - w * 0.62, y - h * 0.38, x + w * 0.62, y - h * 0.38,
                x + w * 0.45, y - h * 0.55, x - w * 0.45, y - h * 0.55))
    mvg.append('fill #C05000 rectangle %.1f,%.1f %.1f,%.1f' % (x - w * 1.2, y - 2 * s, x + w * 1.2, y))


def flag(mvg, x, y, colour):
    s = depth(y)
    h = 80 * s
    mvg.append('stroke #303030 stroke-width %.1f line %.1f,%.1f %.1f,%.1f stroke none' %
               (max(1.0, 3 * s), x, y, x, y - h))
    mvg.append('fill %s polygon %.1f,%.1f %.1f,%.1f %.1f,%.1f' %
               (colour, x, y - h, x + 30 * s, y - h + 10 * s, x, y - h + 20 * s))


def welcome():
    mvg = []
    # Hills and trees on the horizon.
    mvg.append('fill #3C8F3C ellipse 110,%d 220,45 180,360' % (FAR_Y + 8))
    mvg.append('fill #2F7A33 ellipse 520,%d 250,55 180,360' % (FAR_Y + 8))
    for i, tx in enumerate(range(20, WIDTH, 46)):
        r = 16 + (i * 7) % 9
        mvg.append('fill #236B2A circle %d,%d %d,%d' % (tx, FAR_Y - 10 - r // 2, tx + r, FAR_Y - 10 - r // 2))
    # The arena, mown in stripes.
    mvg.append('fill #5DBB4A rectangle 0,%d %d,%d' % (FAR_Y, WIDTH, NEAR_Y))
    for y in range(FAR_Y, NEAR_Y, 12):
        mvg.append('fill #54B042 rectangle 0,%d %d,%d' % (y, WIDTH, y + 5))
    # Lane lines, start line and changeover line.
    mvg.append('stroke #FFFFFF stroke-width 2')
    for i in range(LANES + 1):
        xn = lane_edge_near(i)
        mvg.append('line %.1f,%d %.1f,%d' % (ground_x(xn, FAR_Y), FAR_Y, xn, NEAR_Y))
    for y in (FAR_Y + 6, 300):
        mvg.append('line %.1f,%d %.1f,%d' % (ground_x(-260, y), y, ground_x(WIDTH + 260, y), y))
    mvg.append('stroke none')
    # Bending poles down the middle of each lane, a cone at the far end,
    # a flag on each lane line at the changeover line.
    for i in range(LANES):
        centre = (lane_edge_near(i) + lane_edge_near(i + 1)) / 2
        cone(mvg, ground_x(centre, FAR_Y + 14), FAR_Y + 14)
        for y in (178, 205, 240, 284):
            pole(mvg, ground_x(centre, y), y)
    colours = ['#E02020', '#FFD820', '#1060D0', '#FFFFFF', '#108010', '#E02020']
    for i in range(LANES + 1):
        flag(mvg, ground_x(lane_edge_near(i), 300), 300, colours[i])
    return mvg


def render(mvg, size, background, out, extra=()):
    subprocess.run(['convert', '-size', size, background, '-draw', ' '.join(mvg), *extra, out],
                   check=True)


def main():
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    program = os.path.join(root, 'res', 'program')
    render(welcome(), '%dx%d' % (WIDTH, HEIGHT),
           'gradient:#BFE6FF-#3FA9EC', os.path.join(program, 'accueil.jpg'),
           ('-bordercolor', '#FFFFFF', '-border', '3', '-quality', '88', '-strip'))


if __name__ == '__main__':
    main()
