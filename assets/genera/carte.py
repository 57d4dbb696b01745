"""The game's pictures, drawn from code: the faces of the three decks, the back patterns, the suit
symbols, the two flags and a contact sheet of all of them.

  carte.py faccia <1|2|3> <code> <out.jpg>     1 Neapolitan, 2 Piacentine, 3 high legibility
  carte.py motivo <name> <out.gif>             a back pattern over a transparent colour
  carte.py simbolo <BasNap..CopPia> <out.gif>
  carte.py bandiera <Italia|Inghil> <out.bmp>
  carte.py foglio <media folder> <out.png>

Faces and patterns are three times the table's slot (79 x 161 pixels at 100 %), drawn twice as
large again and reduced, so that their edges are smooth. A file that does not come out whole is
removed and the command fails.
"""
import math
import os
import sys

from PIL import Image, ImageDraw, ImageFont

import comune

W, H = 237, 483          # 3 x the slot's image area
SS = 2                   # supersampling
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
FONT_SERIF = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf"
RANKS = "A234567FCR"
NUMBERS = {"A": 1, "2": 2, "3": 3, "4": 4, "5": 5, "6": 6, "7": 7, "F": 8, "C": 9, "R": 10}

# Palettes per deck: cream paper, ink, gold, red, blue, green.
NAP = dict(carta=(250, 244, 226), inchiostro=(30, 20, 20), oro=(235, 180, 40), rosso=(200, 30, 35),
           blu=(40, 80, 170), verde=(40, 120, 50), legno=(150, 90, 40), pelle=(245, 205, 170))
PIA = dict(carta=(246, 238, 214), inchiostro=(50, 30, 20), oro=(205, 150, 40), rosso=(170, 40, 30),
           blu=(50, 90, 130), verde=(70, 110, 40), legno=(120, 70, 30), pelle=(235, 195, 160))
OPZ = dict(carta=(255, 255, 255), inchiostro=(0, 0, 0), oro=(230, 120, 0), rosso=(200, 0, 0),
           blu=(0, 60, 200), verde=(0, 130, 60), legno=(0, 130, 60), pelle=(240, 200, 170))


def font(size, serif=False):
    try:
        return ImageFont.truetype(FONT_SERIF if serif else FONT, size)
    except OSError:
        comune.fail("the DejaVu fonts are needed (fonts-dejavu-core)")


# ---- Suit marks, centred on (cx, cy), s = half height -------------------------------------------

def denaro(d, cx, cy, s, c, semplice=False):
    d.ellipse([cx - s, cy - s, cx + s, cy + s], fill=c["oro"], outline=c["inchiostro"], width=int(max(2, s // 8)))
    if semplice:
        d.ellipse([cx - s * .45, cy - s * .45, cx + s * .45, cy + s * .45], outline=c["inchiostro"], width=int(max(2, s // 8)))
        return
    d.ellipse([cx - s * .72, cy - s * .72, cx + s * .72, cy + s * .72], outline=c["rosso"], width=int(max(2, s // 10)))
    for i in range(8):
        a = i * math.pi / 4
        px, py = cx + math.cos(a) * s * .42, cy + math.sin(a) * s * .42
        r = s * .13
        d.ellipse([px - r, py - r, px + r, py + r], fill=c["rosso"])
    r = s * .18
    d.ellipse([cx - r, cy - r, cx + r, cy + r], fill=c["verde"])


def coppa(d, cx, cy, s, c, semplice=False):
    w = s * .85
    lw = int(max(2, s // 9))
    # bowl, stem, foot
    d.chord([cx - w, cy - s * 1.1, cx + w, cy + s * .2], 0, 180, fill=c["rosso"] if semplice else c["oro"],
            outline=c["inchiostro"], width=lw)
    d.rectangle([cx - w, cy - s * .47, cx + w, cy - s * .4], fill=c["inchiostro"])
    d.rectangle([cx - s * .12, cy + s * .18, cx + s * .12, cy + s * .62], fill=c["oro"], outline=c["inchiostro"], width=lw)
    d.polygon([(cx - s * .55, cy + s), (cx + s * .55, cy + s), (cx + s * .15, cy + s * .6), (cx - s * .15, cy + s * .6)],
              fill=c["rosso"] if semplice else c["oro"], outline=c["inchiostro"])
    if not semplice:
        d.ellipse([cx - s * .2, cy - s * .3, cx + s * .2, cy + s * .05], fill=c["rosso"])


def spada(d, cx, cy, s, c, angolo=0.0, semplice=False):
    """A straight sword, point up, turned by `angolo` radians."""
    def p(x, y):
        ca, sa = math.cos(angolo), math.sin(angolo)
        return (cx + x * ca - y * sa, cy + x * sa + y * ca)
    lw = int(max(2, s // 10))
    bw = s * .11
    blade = [p(-bw, s * .45), p(-bw, -s * .8), p(0, -s), p(bw, -s * .8), p(bw, s * .45)]
    d.polygon(blade, fill=(60, 60, 70) if semplice else (200, 210, 225), outline=c["inchiostro"])
    d.line([p(0, -s * .85), p(0, s * .4)], fill=c["blu"], width=lw)
    guard = [p(-s * .42, s * .42), p(s * .42, s * .42), p(s * .42, s * .55), p(-s * .42, s * .55)]
    d.polygon(guard, fill=c["oro"], outline=c["inchiostro"])
    grip = [p(-bw * .8, s * .55), p(bw * .8, s * .55), p(bw * .8, s * .85), p(-bw * .8, s * .85)]
    d.polygon(grip, fill=c["rosso"] if not semplice else c["blu"], outline=c["inchiostro"])
    px, py = p(0, s * .92)
    r = s * .1
    d.ellipse([px - r, py - r, px + r, py + r], fill=c["oro"], outline=c["inchiostro"])


def bastone(d, cx, cy, s, c, angolo=0.0, semplice=False):
    """A knotty club, thick end up, turned by `angolo`."""
    def p(x, y):
        ca, sa = math.cos(angolo), math.sin(angolo)
        return (cx + x * ca - y * sa, cy + x * sa + y * ca)
    body = [p(-s * .1, s), p(s * .1, s), p(s * .22, -s * .7), p(0, -s), p(-s * .22, -s * .7)]
    d.polygon(body, fill=c["verde"] if semplice else c["legno"], outline=c["inchiostro"])
    for k in range(4):
        y = -s * .55 + k * s * .38
        for side in (-1, 1):
            x = side * (s * .17 - k * s * .025)
            px, py = p(x, y)
            r = s * .07
            d.ellipse([px - r, py - r, px + r, py + r], fill=c["verde"] if not semplice else c["inchiostro"])
    if not semplice:
        d.line([p(0, -s * .8), p(0, s * .9)], fill=(90, 50, 20), width=int(max(1, s // 14)))


def seme(d, suit, cx, cy, s, c, deck, angolo=None, semplice=False):
    if suit == "d":
        denaro(d, cx, cy, s, c, semplice)
    elif suit == "c":
        coppa(d, cx, cy, s, c, semplice)
    elif suit == "s":
        spada(d, cx, cy, s, c, angolo if angolo is not None else 0.0, semplice)
    else:
        bastone(d, cx, cy, s, c, angolo if angolo is not None else 0.0, semplice)


# ---- Pip layouts -----------------------------------------------------------------------------------

# (x, y) in the inner box, 0..1; the Neapolitan cards stack their pips in columns, the Piacentine
# spread them wider with the odd one in the middle.
LAYOUT_NAP = {
    1: [(.5, .5)],
    2: [(.5, .22), (.5, .78)],
    3: [(.5, .17), (.5, .5), (.5, .83)],
    4: [(.28, .22), (.72, .22), (.28, .78), (.72, .78)],
    5: [(.28, .2), (.72, .2), (.5, .5), (.28, .8), (.72, .8)],
    6: [(.28, .17), (.72, .17), (.28, .5), (.72, .5), (.28, .83), (.72, .83)],
    7: [(.28, .14), (.72, .14), (.5, .32), (.28, .5), (.72, .5), (.28, .86), (.72, .86)],
}
LAYOUT_PIA = {
    1: [(.5, .5)],
    2: [(.5, .25), (.5, .75)],
    3: [(.25, .2), (.5, .5), (.75, .8)],
    4: [(.3, .25), (.7, .25), (.3, .75), (.7, .75)],
    5: [(.3, .2), (.7, .2), (.5, .5), (.3, .8), (.7, .8)],
    6: [(.3, .2), (.7, .2), (.3, .5), (.7, .5), (.3, .8), (.7, .8)],
    7: [(.3, .15), (.7, .15), (.3, .42), (.7, .42), (.5, .62), (.3, .85), (.7, .85)],
}


def numeri(d, suit, n, box, c, deck):
    x0, y0, x1, y1 = box
    bw, bh = x1 - x0, y1 - y0
    layout = LAYOUT_NAP if deck == 1 else LAYOUT_PIA
    s = bh * (.3 if n == 1 else .085 if n >= 6 else .1 if n >= 4 else .12)
    if suit in "sb" and n >= 2:
        # swords and batons are long: the Neapolitan deck draws them upright, the Piacentine crossed
        if deck == 2:
            # in crossed pairs, one pair a row, the odd one upright in the last row
            rows = (n + 1) // 2
            size = bh * min(.2, .46 / rows)
            for i in range(n):
                row = i // 2
                y = y0 + bh * (row + .5) / rows
                single = n % 2 == 1 and i == n - 1
                ang = 0.0 if single else (math.pi / 5) * (1 if i % 2 == 0 else -1)
                seme(d, suit, x0 + bw * .5, y, size, c, deck, angolo=ang)
            return
        s = bh * (.2 if n <= 3 else .13)
    for (px, py) in layout[n]:
        seme(d, suit, x0 + bw * px, y0 + bh * py, s, c, deck)


# ---- Figures -----------------------------------------------------------------------------------------

VESTI = {"d": "oro", "c": "rosso", "s": "blu", "b": "verde"}


def persona(d, cx, top, h, c, suit, rank, lw):
    """A standing figure from `top`, h tall: head, robe, arms, the suit mark in the right hand."""
    veste = c[VESTI[suit]]
    seconda = c["rosso"] if VESTI[suit] != "rosso" else c["blu"]
    hr = h * .075
    hy = top + hr + (h * .08 if rank == "R" else 0)
    if rank == "R":  # crown
        d.polygon([(cx - hr, hy - hr * .6), (cx - hr, hy - hr * 1.9), (cx - hr * .5, hy - hr * 1.3), (cx, hy - hr * 2.1),
                   (cx + hr * .5, hy - hr * 1.3), (cx + hr, hy - hr * 1.9), (cx + hr, hy - hr * .6)],
                  fill=c["oro"], outline=c["inchiostro"])
    else:  # cap with a feather
        d.chord([cx - hr * 1.2, hy - hr * 1.6, cx + hr * 1.2, hy + hr * .2], 180, 360, fill=seconda, outline=c["inchiostro"])
        d.line([(cx + hr, hy - hr), (cx + hr * 2, hy - hr * 2.3)], fill=c["inchiostro"], width=lw)
    d.ellipse([cx - hr, hy - hr, cx + hr, hy + hr], fill=c["pelle"], outline=c["inchiostro"], width=lw)
    if rank == "R":  # beard
        d.chord([cx - hr * .9, hy - hr * .1, cx + hr * .9, hy + hr * 1.5], 0, 180, fill=(120, 80, 50), outline=c["inchiostro"])
    # robe
    sy = hy + hr * 1.1
    d.polygon([(cx - h * .17, sy), (cx + h * .17, sy), (cx + h * .28, top + h * .88), (cx - h * .28, top + h * .88)],
              fill=veste, outline=c["inchiostro"])
    d.polygon([(cx - h * .05, sy), (cx + h * .05, sy), (cx + h * .09, top + h * .88), (cx - h * .09, top + h * .88)],
              fill=seconda, outline=c["inchiostro"])
    d.line([(cx - h * .22, top + h * .5), (cx + h * .22, top + h * .5)], fill=c["oro"], width=int(lw * 2))
    # legs (the knave's show under a short tunic)
    for side in (-1, 1):
        d.rectangle([cx + side * h * .09 - h * .035, top + h * .88, cx + side * h * .09 + h * .035, top + h],
                    fill=seconda if rank == "F" else c["inchiostro"], outline=c["inchiostro"])
    # arms: the left on the hip, the right up holding the suit
    d.line([(cx - h * .16, sy + h * .05), (cx - h * .27, top + h * .42), (cx - h * .14, top + h * .5)], fill=veste, width=lw * 4)
    d.line([(cx + h * .16, sy + h * .05), (cx + h * .25, top + h * .3)], fill=veste, width=lw * 4)
    seme(d, suit, cx + h * .26, top + h * .2, h * .09, c, 1)


def cavallo(d, cx, top, h, c, suit, lw):
    """A horse seen from the side with its rider holding the suit mark."""
    by = top + h * .62
    bw, bh = h * .27, h * .11
    marrone = (140, 95, 55) if suit in "dc" else (225, 225, 220)
    # legs
    for x in (-bw * .75, -bw * .45, bw * .45, bw * .75):
        d.line([(cx + x, by), (cx + x + (h * .02 if x > 0 else -h * .02), top + h * .97)], fill=marrone, width=lw * 4)
        d.line([(cx + x, top + h * .95), (cx + x, top + h * .99)], fill=c["inchiostro"], width=lw * 4)
    d.ellipse([cx - bw, by - bh, cx + bw, by + bh], fill=marrone, outline=c["inchiostro"], width=lw)
    # neck and head
    d.polygon([(cx + bw * .6, by - bh * .6), (cx + bw * 1.05, by - h * .25), (cx + bw * 1.3, by - h * .22),
               (cx + bw * 1.0, by + bh * .2)], fill=marrone, outline=c["inchiostro"])
    d.ellipse([cx + bw * .95, by - h * .29, cx + bw * 1.55, by - h * .19], fill=marrone, outline=c["inchiostro"], width=lw)
    d.ellipse([cx + bw * 1.15, by - h * .27, cx + bw * 1.22, by - h * .25], fill=c["inchiostro"])
    # mane and tail
    d.line([(cx + bw * .95, by - h * .24), (cx + bw * .6, by - bh * .5)], fill=c["inchiostro"], width=lw * 3)
    d.line([(cx - bw, by - bh * .3), (cx - bw * 1.35, by + h * .12)], fill=c["inchiostro"], width=lw * 4)
    # saddle cloth in the suit colour
    d.rectangle([cx - bw * .45, by - bh * .9, cx + bw * .25, by + bh * .4], fill=c[VESTI[suit]], outline=c["inchiostro"])
    # the rider, waist up
    persona_top = top + h * .18
    rh = h * .48
    hr = rh * .09
    hx = cx - bw * .1
    d.polygon([(hx - rh * .14, persona_top + rh * .3), (hx + rh * .14, persona_top + rh * .3),
               (hx + rh * .2, by - bh * .6), (hx - rh * .2, by - bh * .6)], fill=c["rosso"] if suit != "c" else c["blu"],
              outline=c["inchiostro"])
    d.ellipse([hx - hr, persona_top + rh * .3 - hr * 2.1, hx + hr, persona_top + rh * .3 - hr * .1], fill=c["pelle"],
              outline=c["inchiostro"], width=lw)
    d.chord([hx - hr * 1.2, persona_top + rh * .3 - hr * 2.9, hx + hr * 1.2, persona_top + rh * .3 - hr * 1.2], 180, 360,
            fill=c[VESTI[suit]], outline=c["inchiostro"])
    d.line([(hx + rh * .1, persona_top + rh * .4), (hx + rh * .35, persona_top + rh * .15)], fill=c["rosso"], width=lw * 4)
    seme(d, suit, hx + rh * .38, persona_top + rh * .02, h * .085, c, 1)


# ---- Faces ---------------------------------------------------------------------------------------------

def faccia(deck, code):
    if len(code) != 2 or code[0] not in RANKS or code[1] not in "dscb":
        comune.fail(f"unknown card code {code!r}")
    rank, suit = code
    c = {1: NAP, 2: PIA, 3: OPZ}[deck]
    w, h = W * SS, H * SS
    img = Image.new("RGB", (w, h), c["carta"])
    d = ImageDraw.Draw(img)
    lw = 2 * SS
    if deck == 3:
        return leggibile(img, d, rank, suit, c, w, h)
    if deck == 2:
        # the Piacentine frame: a double line in the deck's red, the corners cut
        m = w * .07
        d.rectangle([m, m, w - m, h - m], outline=c["rosso"], width=int(lw * 2))
        d.rectangle([m * 1.6, m * 1.6, w - m * 1.6, h - m * 1.6], outline=c["inchiostro"], width=lw)
        box = (m * 2.2, m * 2.2 + h * .02, w - m * 2.2, h - m * 2.2 - h * .02)
    else:
        box = (w * .08, h * .09, w * .92, h * .91)
        # the Neapolitan index: the number in both corners
        f = font(int(w * .13), serif=True)
        n = str(NUMBERS[rank])
        d.text((w * .05, h * .012), n, fill=c["rosso"] if suit in "dc" else c["blu"], font=f)
        tw = d.textlength(n, font=f)
        d.text((w * .95 - tw, h * .93), n, fill=c["rosso"] if suit in "dc" else c["blu"], font=f)
    if rank in "FCR":
        x0, y0, x1, y1 = box
        if deck == 2:
            # the Piacentine figures stand in a coloured field
            d.rectangle(box, fill=(232, 222, 190))
        cx, top, fh = (x0 + x1) / 2, y0 + (y1 - y0) * .06, (y1 - y0) * .9
        if rank == "C":
            cavallo(d, cx, top, fh, c, suit, lw)
        else:
            persona(d, cx - w * .04, top, fh, c, suit, rank, lw)
        if deck == 2:
            # and their rank is written under them
            f = font(int(w * .075), serif=True)
            nome = {"F": "FANTE", "C": "CAVALLO", "R": "RE"}[rank]
            tw = d.textlength(nome, font=f)
            d.text(((w - tw) / 2, y1 - h * .035), nome, fill=c["inchiostro"], font=f)
    else:
        numeri(d, suit, NUMBERS[rank], box, c, deck)
    return img.resize((W, H), Image.LANCZOS)


def leggibile(img, d, rank, suit, c, w, h):
    """Large rank and suit in two corners, one big mark in the middle, thick black edges; each
    suit has its own shape and its own colour, so neither alone is needed to tell them apart."""
    colore = {"d": c["oro"], "c": c["rosso"], "s": c["blu"], "b": c["verde"]}[suit]
    d.rectangle([0, 0, w - 1, h - 1], outline=c["inchiostro"], width=6 * SS)
    f = font(int(w * .3))
    for flip in (False, True):
        layer = Image.new("RGBA", (w, h), (0, 0, 0, 0))
        ld = ImageDraw.Draw(layer)
        ld.text((w * .06, h * .015), rank, fill=colore + (255,), font=f, stroke_width=2 * SS, stroke_fill=(0, 0, 0, 255))
        seme(ld, suit, w * .2, h * .26, w * .12, c, 3, semplice=True)
        if flip:
            layer = layer.rotate(180)
        img.paste(layer, (0, 0), layer)
    d = ImageDraw.Draw(img)
    seme(d, suit, w * .5, h * .56, w * .34, c, 3, semplice=True)
    return img.resize((W, H), Image.LANCZOS)


# ---- Back patterns ------------------------------------------------------------------------------------

def motivo(nome):
    """Pale lines on a transparent ground (palette index 0), to lie over the back colour."""
    img = Image.new("P", (W, H), 0)
    img.putpalette([255, 0, 255, 240, 232, 210, 30, 25, 20] + [0] * (256 * 3 - 9))
    d = ImageDraw.Draw(img)
    L, S = 1, 2  # light, shadow
    lw = 3
    if nome == "Rombi":
        step = 40
        for x in range(-H, W + H, step):
            d.line([(x, 0), (x + H, H)], fill=L, width=lw)
            d.line([(x, H), (x + H, 0)], fill=L, width=lw)
    elif nome == "Diagonali":
        for x in range(-H, W + H, 22):
            d.line([(x, 0), (x + H, H)], fill=L, width=lw + 2)
    elif nome == "Scacchiera":
        q = 30
        for y in range(0, H, q):
            for x in range(0, W, q):
                if (x // q + y // q) % 2 == 0:
                    d.rectangle([x, y, x + q - 1, y + q - 1], fill=L)
    elif nome == "Stelle":
        for j, y in enumerate(range(20, H, 46)):
            for x in range(20 + (j % 2) * 23, W, 46):
                stella(d, x, y, 14, 5, L)
    elif nome == "Asterischi":
        for j, y in enumerate(range(18, H, 40)):
            for x in range(18 + (j % 2) * 20, W, 40):
                for k in range(3):
                    a = k * math.pi / 3
                    d.line([(x - 11 * math.cos(a), y - 11 * math.sin(a)), (x + 11 * math.cos(a), y + 11 * math.sin(a))],
                           fill=L, width=lw)
    elif nome == "Spirali":
        for y in range(30, H, 64):
            for x in range(30, W, 64):
                pts = [(x + t * 1.1 * math.cos(t / 3), y + t * 1.1 * math.sin(t / 3)) for t in range(0, 26)]
                d.line(pts, fill=L, width=lw)
    elif nome == "Greche":
        for y in range(10, H, 60):
            greca(d, y, L, lw)
    elif nome == "Intrecci":
        for x in range(-H, W + H, 36):
            d.line([(x, 0), (x + H, H)], fill=S, width=lw + 4)
            d.line([(x, 0), (x + H, H)], fill=L, width=lw)
        for x in range(-H, W + H, 36):
            d.line([(x, H), (x + H, 0)], fill=S, width=lw + 4)
            d.line([(x, H), (x + H, 0)], fill=L, width=lw)
    elif nome == "Decoro":
        d.rectangle([10, 10, W - 11, H - 11], outline=L, width=lw)
        d.rectangle([20, 20, W - 21, H - 21], outline=L, width=1)
        cx, cy = W / 2, H / 2
        for k in range(8):
            a = k * math.pi / 4
            d.ellipse([cx + 55 * math.cos(a) - 18, cy + 55 * math.sin(a) - 18, cx + 55 * math.cos(a) + 18,
                       cy + 55 * math.sin(a) + 18], outline=L, width=lw)
        d.ellipse([cx - 30, cy - 30, cx + 30, cy + 30], outline=L, width=lw)
        for y in (70, H - 70):
            d.ellipse([cx - 25, y - 25, cx + 25, y + 25], outline=L, width=lw)
    elif nome == "Ornamenti":
        for j, y in enumerate(range(30, H, 60)):
            for x in range(30 + (j % 2) * 30, W, 60):
                d.polygon([(x, y - 20), (x + 14, y), (x, y + 20), (x - 14, y)], outline=L)
                d.ellipse([x - 5, y - 5, x + 5, y + 5], fill=L)
                for dx, dy in ((-22, -22), (22, 22)):
                    d.arc([x + dx - 10, y + dy - 10, x + dx + 10, y + dy + 10], 0, 270, fill=L, width=2)
    elif nome == "Arabeschi":
        for j, y in enumerate(range(0, H + 40, 40)):
            for x in range(0, W + 40, 40):
                d.arc([x - 20, y - 20 + (x // 40 % 2) * 20, x + 20, y + 20 + (x // 40 % 2) * 20], 0, 180, fill=L, width=lw)
                d.arc([x, y, x + 40, y + 40], 180, 360, fill=L, width=2)
    elif nome == "Arzigogoli":
        for y in range(20, H, 34):
            pts = [(x, y + 10 * math.sin(x / 9.0) + 5 * math.sin(x / 3.0)) for x in range(0, W + 1, 3)]
            d.line(pts, fill=L, width=lw)
    else:
        comune.fail(f"unknown pattern {nome!r}")
    return img


def stella(d, cx, cy, r, punte, colore):
    pts = []
    for k in range(punte * 2):
        a = -math.pi / 2 + k * math.pi / punte
        rr = r if k % 2 == 0 else r * .45
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    d.polygon(pts, fill=colore)


def greca(d, y, colore, lw):
    u = 12
    x = 0
    pts = [(0, y + 3 * u)]
    while x < W:
        pts += [(x, y + 3 * u), (x, y), (x + 3 * u, y), (x + 3 * u, y + 2 * u), (x + u, y + 2 * u), (x + u, y + u),
                (x + 2 * u, y + u), (x + 2 * u, y + 3 * u), (x + 4 * u, y + 3 * u)]
        x += 4 * u
    d.line(pts, fill=colore, width=lw)


# ---- Symbols and flags ------------------------------------------------------------------------------

SIMBOLI = {"Bas": "b", "Spa": "s", "Den": "d", "Cop": "c"}


def simbolo(nome):
    if len(nome) != 6 or nome[:3] not in SIMBOLI or nome[3:] not in ("Nap", "Pia"):
        comune.fail(f"unknown symbol {nome!r}")
    c = NAP if nome[3:] == "Nap" else PIA
    lato = 180 * SS
    img = Image.new("RGB", (lato, lato), (255, 0, 255))
    d = ImageDraw.Draw(img)
    suit = SIMBOLI[nome[:3]]
    ang = None if nome[3:] == "Nap" else math.pi / 6
    seme(d, suit, lato / 2, lato / 2, lato * .42, c, 1 if nome[3:] == "Nap" else 2, angolo=ang)
    img = img.resize((180, 180), Image.NEAREST)
    # the magenta ground becomes the transparent colour
    p = img.convert("P", palette=Image.ADAPTIVE, colors=255)
    pal = p.getpalette()
    trasparente = None
    for i in range(0, len(pal) // 3):
        if tuple(pal[i * 3:i * 3 + 3]) == (255, 0, 255):
            trasparente = i
    if trasparente is None:
        comune.fail("no ground left in the symbol")
    p.info["transparency"] = trasparente
    return p


def bandiera(nome):
    w, h = 600, 400
    img = Image.new("RGB", (w * SS, h * SS), (255, 255, 255))
    d = ImageDraw.Draw(img)
    W2, H2 = w * SS, h * SS
    if nome == "Italia":
        d.rectangle([0, 0, W2 / 3, H2], fill=(0, 146, 70))
        d.rectangle([W2 * 2 / 3, 0, W2, H2], fill=(206, 43, 55))
    elif nome == "Inghil":
        blu, rosso = (1, 33, 105), (200, 16, 46)
        d.rectangle([0, 0, W2, H2], fill=blu)
        for a, b in (((0, 0), (W2, H2)), ((0, H2), (W2, 0))):
            d.line([a, b], fill=(255, 255, 255), width=int(H2 * .2))
            d.line([a, b], fill=rosso, width=int(H2 * .067))
        d.rectangle([W2 / 2 - H2 * .167, 0, W2 / 2 + H2 * .167, H2], fill=(255, 255, 255))
        d.rectangle([0, H2 / 2 - H2 * .167, W2, H2 / 2 + H2 * .167], fill=(255, 255, 255))
        d.rectangle([W2 / 2 - H2 * .1, 0, W2 / 2 + H2 * .1, H2], fill=rosso)
        d.rectangle([0, H2 / 2 - H2 * .1, W2, H2 / 2 + H2 * .1], fill=rosso)
    else:
        comune.fail(f"unknown flag {nome!r}")
    return img.resize((w, h), Image.LANCZOS)


# ---- Contact sheet -------------------------------------------------------------------------------------

def foglio(media, out):
    cw, ch, gap = 79, 161, 6
    cols = 20
    decks = [("Napoleta", 1), ("Piacenti", 2), ("Opzional", 3)]
    rows = 6 + 1 + 1
    sheet = Image.new("RGB", (cols * (cw + gap) + gap, rows * (ch + gap) + gap + 200), (60, 60, 60))
    y = gap
    for cartella, n in decks:
        codes = [r + s for s in "dscb" for r in RANKS]
        for i, code in enumerate(codes):
            im = Image.open(os.path.join(media, cartella, f"{code}{n}.jpg")).convert("RGB").resize((cw, ch), Image.LANCZOS)
            sheet.paste(im, (gap + (i % cols) * (cw + gap), y + (i // cols) * (ch + gap)))
        y += 2 * (ch + gap)
    fondo = (114, 114, 114)
    nomi = ["Decoro", "Rombi", "Spirali", "Intrecci", "Scacchie", "Ornament", "Arabesch", "Greche", "Diagonal", "Asterisc",
            "Arzigogo", "Stelle"]
    for i, nome in enumerate(nomi):
        im = Image.open(os.path.join(media, "Grafica", nome + ".gif")).convert("RGBA").resize((cw, ch), Image.NEAREST)
        back = Image.new("RGB", (cw, ch), fondo)
        back.paste(im, (0, 0), im)
        sheet.paste(back, (gap + i * (cw + gap), y))
    y += ch + gap
    x = gap
    for nome in ["BasNap", "BasPia", "SpaNap", "SpaPia", "DenNap", "DenPia", "CopNap", "CopPia"]:
        im = Image.open(os.path.join(media, "Grafica", nome + ".gif")).convert("RGBA").resize((90, 90), Image.LANCZOS)
        sheet.paste(im, (x, y), im)
        x += 96
    for nome in ["Italia", "Inghil"]:
        im = Image.open(os.path.join(media, "Grafica", nome + ".bmp")).convert("RGB").resize((135, 90), Image.LANCZOS)
        sheet.paste(im, (x, y))
        x += 141
    sheet.save(out)


def main():
    if len(sys.argv) != 4 and not (len(sys.argv) == 5 and sys.argv[1] == "faccia"):
        comune.fail(__doc__)
    cmd = sys.argv[1]
    out = sys.argv[-1]
    comune.output = out
    if cmd == "faccia":
        faccia(int(sys.argv[2]), sys.argv[3]).save(out, "JPEG", quality=92)
    elif cmd == "motivo":
        motivo(sys.argv[2]).save(out, "GIF", transparency=0)
    elif cmd == "simbolo":
        im = simbolo(sys.argv[2])
        im.save(out, "GIF", transparency=im.info["transparency"])
    elif cmd == "bandiera":
        bandiera(sys.argv[2]).save(out, "BMP")
    elif cmd == "foglio":
        foglio(sys.argv[2], out)
    else:
        comune.fail(__doc__)
    if not os.path.exists(out) or os.path.getsize(out) == 0:
        comune.fail(f"{out} came out empty")


if __name__ == "__main__":
    main()
