"""The game's pictures: the faces of the three decks and the suit symbols rendered from the
hand-drawn SVG parts under assets/carte/ (put together by facce.py), the back patterns and the two
flags, and two sheets to look at them together.

  carte.py faccia <1|2|3> <code> <out.jpg>     1 Neapolitan, 2 Piacentine, 3 high legibility
  carte.py motivo <name> <out.gif>             a back pattern over a transparent colour
  carte.py simbolo <BasNap..CopPia> <out.gif>
  carte.py bandiera <Italia|Inghil> <out.bmp>
  carte.py foglio <media folder> <out.png>     every picture
  carte.py briscole <media folder> <out.png>   every face as the stock leaves it on the table

Faces and patterns are three times the table's slot (79 x 161 pixels at 100 %). SVG goes through
rsvg-convert and ImageMagick's convert; neither writes a time or anything random into the file.
A file that does not come out whole is removed and the command fails.
"""
import math
import os
import shutil
import subprocess
import sys

from PIL import Image, ImageDraw

import comune
import facce

W, H = facce.W, facce.H
SS = 2                   # supersampling of the patterns and flags still drawn here
RANKS = "A234567FCR"


def strumento(nome):
    path = shutil.which(nome)
    if not path:
        comune.fail(f"{nome} is needed to draw the cards (librsvg2-bin, imagemagick)")
    return path


def rendi(svg, out, *opzioni):
    """Renders an SVG document into `out`; `opzioni` are convert's, between reading and writing."""
    png = subprocess.run([strumento("rsvg-convert"), "-f", "png"], input=svg.encode("utf-8"),
                         capture_output=True)
    if png.returncode != 0 or not png.stdout:
        comune.fail(f"rsvg-convert: {png.stderr.decode(errors='replace').strip()}")
    fatto = subprocess.run([strumento("convert"), "png:-", *opzioni, out], input=png.stdout, capture_output=True)
    if fatto.returncode != 0:
        comune.fail(f"convert: {fatto.stderr.decode(errors='replace').strip()}")


def faccia(deck, code, out):
    try:
        svg = facce.faccia(deck, code)
    except (ValueError, OSError) as e:
        comune.fail(str(e))
    rendi(svg, out, "-background", "white", "-alpha", "remove", "-strip", "-quality", "92")


SIMBOLI = {"Bas": "b", "Spa": "s", "Den": "d", "Cop": "c"}


def simbolo(nome, out):
    """A suit symbol of the start-up window: the deck's pip on a transparent ground."""
    if len(nome) != 6 or nome[:3] not in SIMBOLI or nome[3:] not in ("Nap", "Pia"):
        comune.fail(f"unknown symbol {nome!r}")
    svg = facce.simbolo(1 if nome[3:] == "Nap" else 2, SIMBOLI[nome[:3]], 180)
    rendi(svg, out, "-strip", "-channel", "A", "-threshold", "50%", "+channel")


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




# ---- Sheets ----------------------------------------------------------------------------------------------

DECKS = [("Napoleta", 1), ("Piacenti", 2), ("Opzional", 3)]


def foglio(media, out):
    cw, ch, gap = 79, 161, 6
    cols = 20
    rows = 6 + 1 + 1
    sheet = Image.new("RGB", (cols * (cw + gap) + gap, rows * (ch + gap) + gap + 200), (60, 60, 60))
    y = gap
    for cartella, n in DECKS:
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


def briscole(media, out):
    """Every face as the briscola lies on the table at 100 %: the card body (104 x 184) with its
    picture 12 pixels in, and the stock's body on top of it from 90 pixels down, as the slots of
    the briscola and the stock are placed. One row per suit, one block per deck."""
    tavolo, retro = (169, 88, 65), (114, 114, 114)
    cw, ch, scoperto, sotto = 104, 184, 90, 30
    gap = 8
    tile_h = scoperto + sotto
    sheet = Image.new("RGB", (10 * (cw + gap) + gap, 12 * (tile_h + gap) + 2 * gap + gap), tavolo)
    d = ImageDraw.Draw(sheet)
    y = gap
    for cartella, n in DECKS:
        for suit in "dscb":
            for i, rank in enumerate(RANKS):
                x = gap + i * (cw + gap)
                d.rectangle([x, y, x + cw - 1, y + tile_h - 1], fill=(255, 255, 255))
                im = Image.open(os.path.join(media, cartella, f"{rank}{suit}{n}.jpg")).convert("RGB")
                sheet.paste(im.resize((79, 161), Image.LANCZOS).crop((0, 0, 79, tile_h - 12)), (x + 12, y + 12))
                if n == 2:
                    # the table's single-line frame round the Piacentine faces
                    d.rectangle([x + 11, y + 11, x + 12 + 79, y + tile_h], outline=(0, 0, 0))
                d.rectangle([x, y + scoperto, x + cw - 1, y + tile_h - 1], fill=retro, outline=(60, 60, 60))
            y += tile_h + gap
        y += gap
    sheet.save(out)


def main():
    if len(sys.argv) != 4 and not (len(sys.argv) == 5 and sys.argv[1] == "faccia"):
        comune.fail(__doc__)
    cmd = sys.argv[1]
    out = sys.argv[-1]
    comune.output = out
    if cmd == "faccia":
        faccia(int(sys.argv[2]), sys.argv[3], out)
    elif cmd == "motivo":
        motivo(sys.argv[2]).save(out, "GIF", transparency=0)
    elif cmd == "simbolo":
        simbolo(sys.argv[2], out)
    elif cmd == "bandiera":
        bandiera(sys.argv[2]).save(out, "BMP")
    elif cmd == "foglio":
        foglio(sys.argv[2], out)
    elif cmd == "briscole":
        briscole(sys.argv[2], out)
    else:
        comune.fail(__doc__)
    if not os.path.exists(out) or os.path.getsize(out) == 0:
        comune.fail(f"{out} came out empty")


if __name__ == "__main__":
    main()
