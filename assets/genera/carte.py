# SPDX-License-Identifier: GPL-3.0-or-later
"""The game's pictures, rendered from the hand-drawn SVG under assets/carte/: the faces of the
three decks and the suit symbols (put together by facce.py), the back patterns (retro/) and the
two flags (bandiere/); and two sheets to look at them together.

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
import os
import shutil
import subprocess
import sys

from PIL import Image, ImageDraw  # the two sheets only

import comune
import facce

W, H = facce.W, facce.H
RANKS = "A234567FCR"


def strumento(nome):
    path = shutil.which(nome)
    if not path:
        comune.fail(f"{nome} is needed to draw the cards (librsvg2-bin, imagemagick)")
    return path


def rendi(svg, out, *opzioni, formato=""):
    """Renders an SVG document into `out`; `opzioni` are convert's, between reading and writing;
    `formato` names the output format where the file name's ending is not enough."""
    png = subprocess.run([strumento("rsvg-convert"), "-f", "png"], input=svg.encode("utf-8"),
                         capture_output=True)
    if png.returncode != 0 or not png.stdout:
        comune.fail(f"rsvg-convert: {png.stderr.decode(errors='replace').strip()}")
    fatto = subprocess.run([strumento("convert"), "png:-", *opzioni, formato + out], input=png.stdout, capture_output=True)
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


# ---- Back patterns and flags --------------------------------------------------------------------------

DISEGNI = facce.CARTE


def motivo(nome, out):
    """A back pattern: pale lines on a transparent ground, to lie over the back colour."""
    path = os.path.join(DISEGNI, "retro", nome + ".svg")
    if not os.path.exists(path):
        comune.fail(f"unknown pattern {nome!r}")
    with open(path, encoding="utf-8") as f:
        svg = f.read()
    rendi(svg, out, "-strip", "-channel", "A", "-threshold", "50%", "+channel")


def bandiera(nome, out):
    path = os.path.join(DISEGNI, "bandiere", nome + ".svg")
    if not os.path.exists(path):
        comune.fail(f"unknown flag {nome!r}")
    with open(path, encoding="utf-8") as f:
        svg = f.read()
    rendi(svg, out, "-background", "white", "-alpha", "remove", "-strip", "-type", "TrueColor",
          formato="BMP3:")  # the plain Windows bitmap, without the colour-space header


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
        motivo(sys.argv[2], out)
    elif cmd == "simbolo":
        simbolo(sys.argv[2], out)
    elif cmd == "bandiera":
        bandiera(sys.argv[2], out)
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
