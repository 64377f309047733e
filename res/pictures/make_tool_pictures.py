#!/usr/bin/env python3
"""Writes src/gui/support/ToolPictures.cpp: the 16x16 tool pictures and the 32x32
program icon as XPM data. Pictures are drawn here as pixel rows so that they
can be changed and regenerated: python3 res/pictures/make_tool_pictures.py"""
import math
import os

PALETTE = {
    ' ': 'None',
    'k': '#000000', 'd': '#404040', 'g': '#808080', 'l': '#C8C8C8', 'w': '#FFFFFF',
    'y': '#FFD820', 'Y': '#B08000', 'o': '#FF8000', 'O': '#A04000', 'r': '#E01010',
    'b': '#1060D0', 'B': '#083070', 'c': '#90C8FF', 'G': '#108010', 'L': '#70D070',
    'n': '#8B5A2B', 'p': '#F0C090', 's': '#B0B0C0',
}

PICTURES = {}

PICTURES['new'] = [
    "y   y           ",
    " yyy kkkkkkk    ",
    "yyyyykwwwwwkk   ",
    " yyy kwwwwwklk  ",
    "y   ykwwwwwkllk ",
    "    kkwwwwwkkkkk",
    "    kwwwwwwwwwwk",
    "    kwggggggggwk",
    "    kwwwwwwwwwwk",
    "    kwggggggggwk",
    "    kwwwwwwwwwwk",
    "    kwggggggggwk",
    "    kwwwwwwwwwwk",
    "    kwggggggwwwk",
    "    kwwwwwwwwwwk",
    "    kkkkkkkkkkkk",
]
PICTURES['open'] = [
    "                ",
    "                ",
    " nnnnn          ",
    "nyyyyyn         ",
    "nyyyyyynnnnnnn  ",
    "nyyyyyyyyyyyyn  ",
    "nyyyyyyyyyyyyn  ",
    "nyyynnnnnnnnnnnn",
    "nyynYYYYYYYYYYYn",
    "nyynYYYYYYYYYYn ",
    "nynYYYYYYYYYYYn ",
    "nynYYYYYYYYYYn  ",
    "nnYYYYYYYYYYYn  ",
    "nnnnnnnnnnnnn   ",
    "                ",
    "                ",
]
PICTURES['save'] = [
    "kkkkkkkkkkkkkkk ",
    "kbbwwwwwwwwwbbbk",
    "kbbwwwwwwwwwbbbk",
    "kbbwggggggwwbbbk",
    "kbbwwwwwwwwwbbbk",
    "kbbwggggggwwbbbk",
    "kbbwwwwwwwwwbbbk",
    "kbbbbbbbbbbbbbbk",
    "kbbbbbbbbbbbbbbk",
    "kbbbsssssssssbbk",
    "kbbbsskksssssbbk",
    "kbbbsskksssssbbk",
    "kbbbsskksssssbbk",
    "kbbbsssssssssbbk",
    "kkkkkkkkkkkkkkkk",
    "                ",
]
CUP = [
    "                ",
    "   YYYYYYYYYY   ",
    " YYyyyyyyyyyyYY ",
    "Y  YyyyyyyywY  Y",
    "Y  YyyyyyyywY  Y",
    " Y YyyyyyyywY Y ",
    "  YYyyyyyyyyYY  ",
    "    YyyyyyyY    ",
    "     YyyyyY     ",
    "      YyyY      ",
    "       YY       ",
    "       YY       ",
    "     YYYYYY     ",
    "    YyyyyyyY    ",
    "    YYYYYYYY    ",
    "                ",
]
MEDAL = [
    "   rr      rr   ",
    "    rr    rr    ",
    "     rr  rr     ",
    "      rrrr      ",
    "     BBBBBB     ",
    "    BccccccB    ",
    "   BccBBBBccB   ",
    "   BcBccccccB   ",
    "   BcBccccccB   ",
    "   BcBccccccB   ",
    "   BccBBBBccB   ",
    "    BccccccB    ",
    "     BBBBBB     ",
    "                ",
    "                ",
    "                ",
]
PICTURES['champ_only'] = CUP
PICTURES['chall_only'] = MEDAL
PICTURES['champ_chall'] = [
    "            r  r",
    "YYYYYYY      rr ",
    "YyyyyyY     BBBB",
    "YyyyywY    BcccB",
    " YyyyY     BcBBB",
    "  YyY      BcccB",
    "   Y        BBBB",
    "   Y            ",
    "  YYY     r    r",
    " YYYYY     r  r ",
    "            rr  ",
    "           BBBB ",
    "          BccccB",
    "          BcBBBB",
    "          BccccB",
    "           BBBB ",
]
PICTURES['score'] = [
    "                ",
    "kkkkkkkkkkkkkkkk",
    "kbbbbbbbbbbbbbbk",
    "kbbbbbbbbbbbbbbk",
    "kkkkkkkkkkkkkkkk",
    "kwwwwkwwkwwkrrrk",
    "kwwwwkwwkwwkrrrk",
    "kkkkkkkkkkkkkkkk",
    "kwwwwkwwkwwkrrrk",
    "kwwwwkwwkwwkrrrk",
    "kkkkkkkkkkkkkkkk",
    "kwwwwkwwkwwkrrrk",
    "kwwwwkwwkwwkrrrk",
    "kkkkkkkkkkkkkkkk",
    "                ",
    "                ",
]
PICTURES['staff'] = [
    "                ",
    "    nnn         ",
    "   nppppn  nnn  ",
    "   ppppp  nppppn",
    "   ppppp  ppppp ",
    "    ppp   ppppp ",
    "  bbbbbbb  ppp  ",
    " bbbbbbbbbGGGGG ",
    " bbbbbbbbGGGGGGG",
    " bbbbbbbbGGGGGGG",
    " bbbbbbbbGGGGGGG",
    " bbbbbbbbGGGGGGG",
    " bbbbbbbbGGGGGGG",
    "                ",
    "                ",
    "                ",
]
PICTURES['equip'] = [
    "                ",
    "       OO       ",
    "      OooO      ",
    "      OooO      ",
    "     OwwwwO     ",
    "     OwwwwO     ",
    "    OooooooO    ",
    "    OooooooO    ",
    "   OwwwwwwwwO   ",
    "   OwwwwwwwwO   ",
    "  OooooooooooO  ",
    "  OooooooooooO  ",
    " kkkkkkkkkkkkkk ",
    " kkkkkkkkkkkkkk ",
    "                ",
    "                ",
]
PICTURES['placem'] = [
    "                ",
    "kkkkkkkkkkkkkkkk",
    "kLLLLLLLLLLLLLLk",
    "kLwLLLLLLLLLLLLk",
    "kLwLLrLLrLLrLLLk",
    "kLwLLrLLrLLrLLLk",
    "kLwLLLLLLLLLLLLk",
    "kLwLLLLLLLLLLLLk",
    "kLwLLLLLLLLLLLLk",
    "kLwLLbLLbLLbLLLk",
    "kLwLLbLLbLLbLLLk",
    "kLwLLLLLLLLLLLLk",
    "kLLLLLLLLLLLLLLk",
    "kkkkkkkkkkkkkkkk",
    "                ",
    "                ",
]
PICTURES['result'] = [
    " n              ",
    " nkkwwkkwwkkww  ",
    " nkkwwkkwwkkww  ",
    " nwwkkwwkkwwkk  ",
    " nwwkkwwkkwwkk  ",
    " nkkwwkkwwkkww  ",
    " nkkwwkkwwkkww  ",
    " nwwkkwwkkwwkk  ",
    " nwwkkwwkkwwkk  ",
    " n              ",
    " n         rr   ",
    " n        rrr   ",
    " n         rr   ",
    " n         rr   ",
    " n        rrrr  ",
    "nnn             ",
]
PICTURES['tiebreak'] = [
    "      rrrr      ",
    "       kk       ",
    "     kkkkkk     ",
    "   kkwwwwwwkk   ",
    "  kwwwwkwwwwwk  ",
    "  kwwwwkwwwwwk  ",
    " kwwwwwkwwwwwwk ",
    " kwwwwwkwwwwwwk ",
    " kwwwwwkkkkkwwk ",
    " kwwwwwwwwwwwwk ",
    " kwwwwwwwwwwwwk ",
    "  kwwwwwwwwwwk  ",
    "  kwwwwwwwwwwk  ",
    "   kkwwwwwwkk   ",
    "     kkkkkk     ",
    "                ",
]

PRINTER = [
    "  kkkkk  ",
    "  kwwwk  ",
    "kkkkkkkkk",
    "kllllllGk",
    "kgggggggk",
    "kkkkkkkkk",
    "  kwwwk  ",
]
GLOBE = [
    " BBBBB ",
    "BbGbbbB",
    "BGGGbGB",
    "BbGbbGB",
    "BbbbGGB",
    "BbbbGbB",
    " BBBBB ",
]


def overlay(base, badge):
    rows = [list(r) for r in base]
    top = 16 - len(badge)
    left = 16 - len(badge[0])
    for y, row in enumerate(badge):
        for x, ch in enumerate(row):
            if ch != ' ':
                rows[top + y][left + x] = ch
            elif 0 < x < len(row) - 1 or 0 < y < len(badge) - 1:
                rows[top + y][left + x] = ' '
    return [''.join(r) for r in rows]


for name in ('score', 'staff', 'equip', 'placem'):
    PICTURES[name + '_print'] = overlay(PICTURES[name], PRINTER)
for name in ('score', 'staff', 'equip'):
    PICTURES[name + '_html'] = overlay(PICTURES[name], GLOBE)

ORDER = ['new', 'open', 'save', 'champ_chall', 'champ_only', 'chall_only', 'score',
         'score_print', 'score_html', 'staff', 'staff_print', 'staff_html', 'equip',
         'equip_print', 'equip_html', 'placem', 'placem_print', 'result', 'tiebreak']


def logo32():
    """Program icon: a blue disc with a golden horseshoe and a white score grid."""
    size = 32
    px = [[' '] * size for _ in range(size)]
    c = (size - 1) / 2
    for y in range(size):
        for x in range(size):
            d = math.hypot(x - c, y - c)
            if d <= 15.5:
                px[y][x] = 'B' if d > 14.3 else 'b'
    # Horseshoe: an annulus open at the bottom.
    hc_y = 13.0
    for y in range(size):
        for x in range(size):
            d = math.hypot(x - c, y - hc_y)
            if 7.0 <= d <= 11.0 and not (y > hc_y + 4 and abs(x - c) < 7):
                px[y][x] = 'Y' if d > 10.0 or d < 8.0 else 'y'
    for (x, y) in ((8, 9), (23, 9), (6, 14), (25, 14), (7, 19), (24, 19)):
        px[y][x] = 'k'
    # Score grid in the middle of the shoe.
    for y in range(10, 17):
        for x in range(12, 20):
            px[y][x] = 'k' if y in (10, 13, 16) or x in (12, 15, 19) else 'w'
    return [''.join(r) for r in px]


def xpm(name, rows):
    used = sorted({ch for row in rows for ch in row})
    width, height = len(rows[0]), len(rows)
    for row in rows:
        assert len(row) == width, (name, row)
    lines = ['"%d %d %d 1",' % (width, height, len(used))]
    lines += ['"%s c %s",' % (ch, PALETTE[ch]) for ch in used]
    lines += ['"%s",' % row for row in rows]
    lines[-1] = lines[-1].rstrip(',')
    body = '\n'.join('    ' + line for line in lines)
    return 'const char* const %s[] = {\n%s\n};\n' % (name, body)


def main():
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    out = ['// Generated by res/pictures/make_tool_pictures.py: the toolbar pictures',
           '// (16 by 16) and the program icon (32 by 32) as XPM data.',
           '// clang-format off',
           '#include "support/ToolPictures.h"',
           '',
           'namespace zavgui {',
           'namespace {',
           '']
    for name in ORDER:
        assert len(PICTURES[name]) == 16, name
        out.append(xpm('tool_%s_xpm' % name, PICTURES[name]))
    out.append(xpm('zav_logo32tr_xpm', logo32()))
    out.append('}  // namespace')
    out.append('')
    out.append('const char* const* ToolPicture(ToolPictureId id) {')
    out.append('    static const char* const* const pictures[] = {')
    for name in ORDER:
        out.append('        tool_%s_xpm,' % name)
    out.append('    };')
    out.append('    return pictures[static_cast<int>(id)];')
    out.append('}')
    out.append('')
    out.append('const char* const* ProgramIconXpm() { return zav_logo32tr_xpm; }')
    out.append('')
    out.append('}  // namespace zavgui')
    out.append('// clang-format on')
    with open(os.path.join(root, 'src', 'gui', 'support', 'ToolPictures.cpp'), 'w') as f:
        f.write('\n'.join(out) + '\n')


if __name__ == '__main__':
    main()
