# SPDX-License-Identifier: GPL-3.0-or-later
"""The card faces, put together from the hand-drawn SVG parts under assets/carte/<deck>/: the suit
symbols (pips), the four aces and the three figures of each deck. A number card is its deck's pip
laid out by the tables below; a figure holds the suit's pip (`#seme`) and wears the suit's colours
(the classes .a .b .c). The result is one SVG document per face, 237 x 483 (three times the
table's slot), which carte.py renders with rsvg-convert.
"""
import os
import re

W, H = 237, 483
CARTE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "carte")
DECKS = {1: "napoletane", 2: "piacentine", 3: "grandi-indici"}
SUITS = {"d": "denari", "c": "coppe", "s": "spade", "b": "bastoni"}
NUMBERS = {"A": 1, "2": 2, "3": 3, "4": 4, "5": 5, "6": 6, "7": 7, "F": 8, "C": 9, "R": 10}
FIGURES = {"F": "fante", "C": "cavallo", "R": "re"}

# Pip layouts: per count, (x, y) in the pip box (0..1), the angle in degrees, and one height for
# all pips as a share of the box's height. Round pips (denari, coppe) and long ones (spade,
# bastoni) have their own tables; every pip keeps clear of its neighbours.
NAP_TONDI = {
    2: (.23, [(.5, .27), (.5, .73)]),
    3: (.21, [(.27, .19), (.5, .5), (.73, .81)]),
    4: (.2, [(.28, .25), (.72, .25), (.28, .75), (.72, .75)]),
    5: (.18, [(.27, .2), (.73, .2), (.5, .5), (.27, .8), (.73, .8)]),
    6: (.17, [(.28, .17), (.72, .17), (.28, .5), (.72, .5), (.28, .83), (.72, .83)]),
    7: (.155, [(.27, .12), (.73, .12), (.5, .33), (.27, .56), (.73, .56), (.27, .86), (.73, .86)]),
}
NAP_LUNGHI = {
    2: (.8, [(.33, .5), (.67, .5)]),
    3: (.8, [(.2, .5), (.5, .5), (.8, .5)]),
    4: (.46, [(.3, .25), (.7, .25), (.3, .75), (.7, .75)]),
    5: (.46, [(.18, .25), (.5, .25), (.82, .25), (.32, .75), (.68, .75)]),
    6: (.46, [(.18, .25), (.5, .25), (.82, .25), (.18, .75), (.5, .75), (.82, .75)]),
    7: (.3, [(.18, .16), (.5, .16), (.82, .16), (.32, .5), (.68, .5), (.32, .84), (.68, .84)]),
}
# The Piacentine set their pips wider and lean the long ones, alternately, as if crossed.
PIA_TONDI = {
    2: (.25, [(.5, .24), (.5, .76)]),
    3: (.22, [(.5, .16), (.5, .5), (.5, .84)]),
    4: (.19, [(.26, .25), (.74, .25), (.26, .75), (.74, .75)]),
    5: (.17, [(.25, .16), (.75, .16), (.5, .5), (.25, .84), (.75, .84)]),
    6: (.17, [(.26, .15), (.74, .15), (.26, .5), (.74, .5), (.26, .85), (.74, .85)]),
    7: (.15, [(.25, .11), (.75, .11), (.25, .37), (.75, .37), (.5, .63), (.25, .89), (.75, .89)]),
}
PIA_LUNGHI = {
    2: (.78, [(.27, .5, -8), (.73, .5, 8)]),
    3: (.74, [(.17, .5, -4), (.5, .5, 0), (.83, .5, 4)]),
    4: (.45, [(.28, .25, -18), (.72, .25, 18), (.28, .75, 18), (.72, .75, -18)]),
    5: (.45, [(.2, .25, -12), (.5, .25, 0), (.8, .25, 12), (.3, .75, 16), (.7, .75, -16)]),
    6: (.45, [(.2, .25, -12), (.5, .25, 0), (.8, .25, 12), (.2, .75, 12), (.5, .75, 0), (.8, .75, -12)]),
    7: (.3, [(.2, .16, -12), (.5, .16, 0), (.8, .16, 12), (.3, .5, -16), (.7, .5, 16), (.3, .84, 16),
             (.7, .84, -16)]),
}
# The high-legibility deck keeps its middle band for pips, between the large indices.
GI_TONDI = {
    2: (.3, [(.27, .5), (.73, .5)]),
    3: (.28, [(.2, .3), (.5, .7), (.8, .3)]),
    4: (.28, [(.28, .25), (.72, .25), (.28, .75), (.72, .75)]),
    5: (.25, [(.2, .2), (.8, .2), (.5, .5), (.2, .8), (.8, .8)]),
    6: (.24, [(.18, .22), (.5, .22), (.82, .22), (.18, .78), (.5, .78), (.82, .78)]),
    7: (.22, [(.18, .16), (.5, .16), (.82, .16), (.34, .5), (.66, .5), (.34, .84), (.66, .84)]),
}
GI_LUNGHI = {
    2: (.9, [(.33, .5), (.67, .5)]),
    3: (.9, [(.22, .5), (.5, .5), (.78, .5)]),
    4: (.9, [(.14, .5), (.38, .5), (.62, .5), (.86, .5)]),
    5: (.45, [(.2, .25), (.5, .25), (.8, .25), (.35, .75), (.65, .75)]),
    6: (.45, [(.2, .25), (.5, .25), (.8, .25), (.2, .75), (.5, .75), (.8, .75)]),
    7: (.45, [(.14, .25), (.38, .25), (.62, .25), (.86, .25), (.2, .75), (.5, .75), (.8, .75)]),
}


class Mazzo:
    """What a deck's faces share: its folder of parts, paper, pip box, figure box and pip layouts."""
    def __init__(self, deck):
        self.deck = deck
        self.folder = os.path.join(CARTE, DECKS[deck])
        if deck == 1:
            self.carta = "#fbf5e3"
            self.pips = (12, 48, 225, 435)
            self.figura = (12, 46, 225, 437)
            self.tondi, self.lunghi = NAP_TONDI, NAP_LUNGHI
        elif deck == 2:
            self.carta = "#f7eed6"
            self.pips = (36, 86, 201, 400)
            self.figura = (34, 66, 203, 404)
            self.tondi, self.lunghi = PIA_TONDI, PIA_LUNGHI
        else:
            self.carta = "#ffffff"
            self.pips = (16, 142, 221, 341)
            self.figura = (40, 116, 197, 367)
            self.tondi, self.lunghi = GI_TONDI, GI_LUNGHI

    def file(self, name):
        path = os.path.join(self.folder, name + ".svg")
        if not os.path.exists(path) and self.deck == 3:
            # the high-legibility deck borrows the Neapolitan figures
            path = os.path.join(CARTE, DECKS[1], name + ".svg")
        return path


def leggi(path):
    """(viewBox, content) of an SVG part: its drawing without the outer <svg> element."""
    with open(path, encoding="utf-8") as f:
        text = f.read()
    m = re.search(r"<svg\b[^>]*\bviewBox=\"([^\"]+)\"[^>]*>(.*)</svg>", text, re.S)
    if not m:
        raise ValueError(f"{path}: no <svg viewBox=...> element")
    box = [float(v) for v in m.group(1).replace(",", " ").split()]
    return box, m.group(2)


def definizione(ident, path):
    """The part as a group of height 1 centred on the origin, to be placed with <use>."""
    (x, y, w, h), body = leggi(path)
    return (f'<g id="{ident}"><g transform="scale({1 / h:.6f}) translate({-(x + w / 2):g} {-(y + h / 2):g})">'
            f"{body}</g></g>")


def inserisci(path, box):
    """The part scaled to fit `box` (left, top, right, bottom), centred, keeping its proportions."""
    (x, y, w, h), body = leggi(path)
    x0, y0, x1, y1 = box
    s = min((x1 - x0) / w, (y1 - y0) / h)
    dx = x0 + ((x1 - x0) - w * s) / 2 - x * s
    dy = y0 + ((y1 - y0) - h * s) / 2 - y * s
    return f'<g transform="translate({dx:.3f} {dy:.3f}) scale({s:.5f})">{body}</g>'


# The dress of a figure by suit: main colour, second colour, trim.
VESTI = {
    "d": ("#d9a12b", "#b8322a", "#2f5fa8"),
    "c": ("#b8322a", "#2f5fa8", "#e0a62c"),
    "s": ("#2f5fa8", "#b8322a", "#e0a62c"),
    "b": ("#3f7f3a", "#d9a12b", "#b8322a"),
}
# The horse's coat by suit: body, mane and tail, far legs in shade.
MANTI = {
    "d": ("#efe9dc", "#8a8070", "#d6cfc0"),
    "c": ("#a0683a", "#3a2414", "#7e5030"),
    "s": ("#c2beb6", "#4a4440", "#a09c94"),
    "b": ("#b8742e", "#5a3414", "#94602a"),
}
COLORI_GI = {"d": "#d97a00", "c": "#c80000", "s": "#0040c0", "b": "#00823c"}


def stile(suit):
    a, b, c = VESTI[suit]
    h, hm, hs = MANTI[suit]
    return (f"<style>.a{{fill:{a}}} .b{{fill:{b}}} .c{{fill:{c}}} .as{{stroke:{a}}} .bs{{stroke:{b}}}"
            f" .cs{{stroke:{c}}} .h{{fill:{h}}} .hm{{fill:{hm}}} .hs{{fill:{hs}}}</style>")


def mano(suit):
    """`#mano`: the pip as a figure holds it, its foot on the hand (0, 0) and one unit high; a sword
    or a baton is held by the grip instead, and is twice as long as a coin or a cup is high.
    `#tondo` and `#lungo` are `#mano` for a round or a long pip and nothing otherwise, for a figure
    that holds the two kinds differently."""
    if suit in "sb":
        return ('<g id="mano"><use href="#seme" transform="scale(2.2) translate(0 -0.33)"/></g>'
                '<g id="lungo"><use href="#mano"/></g><g id="tondo"/>')
    return ('<g id="mano"><use href="#seme" transform="translate(0 -0.55)"/></g>'
            '<g id="tondo"><use href="#mano"/></g><g id="lungo"/>')


def indice(m, rank, suit):
    """The rank in the corners: a small numeral in the traditional decks, a large letter with the
    suit's pip in the high-legibility one. The second copy is turned round for the other end."""
    if m.deck == 3:
        colore = COLORI_GI[suit]
        one = (f'<text x="36" y="66" font-family="DejaVu Sans" font-weight="bold" font-size="72" '
               f'text-anchor="middle" fill="{colore}" stroke="#000" stroke-width="2.5">{rank}</text>'
               + ('<use href="#seme" transform="translate(36 108) scale(56)"/>' if suit in "sb" else
                  '<use href="#seme" transform="translate(36 98) scale(34)"/>'))
    elif m.deck == 2:
        colore = "#7a2a1a"
        one = (f'<text x="43" y="68" font-family="DejaVu Serif" font-weight="bold" font-size="38" '
               f'text-anchor="middle" fill="{colore}">{NUMBERS[rank]}</text>')
    else:
        colore = "#b8322a" if suit in "dc" else "#2f5fa8"
        one = (f'<text x="30" y="38" font-family="DejaVu Serif" font-weight="bold" font-size="36" '
               f'text-anchor="middle" fill="{colore}">{NUMBERS[rank]}</text>')
    return one + f'<g transform="rotate(180 {W / 2} {H / 2})">{one}</g>'


def cornice(m):
    """The printed Piacentine frame, two lines; the table draws its own single line round it."""
    if m.deck == 2:
        return ('<rect x="10" y="10" width="217" height="463" fill="none" stroke="#a8321e" stroke-width="3"/>'
                '<rect x="17" y="17" width="203" height="449" fill="none" stroke="#3a2414" stroke-width="1.2"/>')
    if m.deck == 3:
        return f'<rect x="2" y="2" width="{W - 4}" height="{H - 4}" fill="none" stroke="#000" stroke-width="4"/>'
    return ""


def numeri(m, suit, n):
    lungo = suit in "sb"
    size, posti = (m.lunghi if lungo else m.tondi)[n]
    x0, y0, x1, y1 = m.pips
    h = size * (y1 - y0)
    out = []
    for p in posti:
        px, py = x0 + p[0] * (x1 - x0), y0 + p[1] * (y1 - y0)
        angolo = p[2] if len(p) > 2 else 0
        out.append(f'<use href="#seme" transform="translate({px:.2f} {py:.2f}) rotate({angolo}) scale({h:.3f})"/>')
    return "".join(out)


def faccia(deck, code):
    """The SVG document of one face, e.g. faccia(1, "Rb")."""
    if len(code) != 2 or code[0] not in NUMBERS or code[1] not in SUITS:
        raise ValueError(f"unknown card code {code!r}")
    rank, suit = code
    m = Mazzo(deck)
    parts = [f'<rect width="{W}" height="{H}" fill="{m.carta}"/>', cornice(m)]
    if rank == "A" and deck == 3:
        # one large plain pip: the high-legibility ace is read from across the table
        x0, y0, x1, y1 = m.pips
        alto = (y1 - y0) if suit in "sb" else (x1 - x0) * .7
        parts.append(f'<use href="#seme" transform="translate({(x0 + x1) / 2} {(y0 + y1) / 2}) scale({alto:.1f})"/>')
    elif rank == "A":
        parts.append(inserisci(m.file("asso-" + SUITS[suit]), m.figura))
    elif rank in FIGURES:
        parts.append(inserisci(m.file(FIGURES[rank]), m.figura))
    else:
        parts.append(numeri(m, suit, NUMBERS[rank]))
    parts.append(indice(m, rank, suit))
    return ('<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
            f'width="{W}" height="{H}" viewBox="0 0 {W} {H}">'
            f"{stile(suit)}<defs>{definizione('seme', m.file(SUITS[suit]))}{mano(suit)}</defs>"
            + "".join(parts) + "</svg>")


def simbolo(deck, suit, lato):
    """A suit's pip alone on a transparent square of side `lato`; a sword or a baton lies along the
    diagonal, so that it fills the square as a coin or a cup does."""
    m = Mazzo(deck)
    if suit in "sb":
        corpo = (f"<defs>{definizione('seme', m.file(SUITS[suit]))}</defs>"
                 f'<use href="#seme" transform="translate({lato / 2} {lato / 2}) rotate(40) scale({lato * 1.1:g})"/>')
    else:
        corpo = inserisci(m.file(SUITS[suit]), (lato * .05, lato * .05, lato * .95, lato * .95))
    return ('<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
            f'width="{lato}" height="{lato}" viewBox="0 0 {lato} {lato}">{corpo}</svg>')
