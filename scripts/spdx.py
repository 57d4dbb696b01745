#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Puts the licence's SPDX line at the top of every source file that lacks it, in the file's own
comment syntax (after a shebang, an encoding line, an XML declaration or a troff preprocessor
line, which must stay first). Running it twice changes nothing.

  scripts/spdx.py [ROOT]              adds the line where it is missing
  scripts/spdx.py --controlla [ROOT]  changes nothing; lists the files without it and fails

A file that already names a licence (SPDX-License-Identifier: anything) is left alone: the
AppStream metainfo, for one, is under CC0-1.0 like every distribution's metadata.

Text sources of the media are the folders below whose generators skip '#' comment lines; the
data files installed as they are (assets/MVe*.txt, the tests' and fuzzers' samples) have an exact
format and are not touched. A new folder of text sources goes into TESTI_MEDIA once its generator
skips comments.
"""
import os
import subprocess
import sys

LINEA = b"SPDX-License-Identifier: GPL-3.0-or-later"
TESTI_MEDIA = ("assets/voce/", "assets/rumori/")

# comment syntax: (opening, closing)
CPP = (b"// ", b"")
HASH = (b"# ", b"")
XML = (b"<!-- ", b" -->")
ABC = (b"% ", b"")
TROFF = (b'.\\" ', b"")
PER_ESTENSIONE = {
    ".cpp": CPP, ".h": CPP, ".hpp": CPP, ".cc": CPP, ".c": CPP,
    ".cmake": HASH, ".py": HASH, ".sh": HASH, ".desktop": HASH,
    ".svg": XML, ".xml": XML, ".in": XML,
    ".abc": ABC,
    ".1": TROFF, ".5": TROFF, ".6": TROFF, ".7": TROFF,
}


def sintassi(rel, testa):
    """The comment syntax of a source file, None for a file that is not one."""
    nome = os.path.basename(rel)
    if nome == "CMakeLists.txt":
        return HASH
    if rel.endswith(".txt"):
        return HASH if rel.startswith(TESTI_MEDIA) else None
    if rel.endswith(".in") and not rel.endswith(".xml.in"):
        return None
    ext = os.path.splitext(nome)[1]
    if ext in PER_ESTENSIONE:
        return PER_ESTENSIONE[ext]
    if not ext and testa.startswith(b"#!"):
        return HASH  # a script without extension, such as .ci/run
    return None


def file_del_progetto(root):
    """The files under version control plus the new ones not ignored; without git, a walk that
    leaves out hidden folders (but .ci) and build trees."""
    try:
        out = subprocess.run(["git", "-C", root, "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                             capture_output=True, check=True).stdout
        return sorted(p for p in out.decode().split("\0") if p and os.path.isfile(os.path.join(root, p)))
    except (OSError, subprocess.CalledProcessError):
        pass
    trovati = []
    for cartella, sotto, nomi in os.walk(root):
        sotto[:] = sorted(d for d in sotto if (not d.startswith(".") or d == ".ci")
                          and not os.path.exists(os.path.join(cartella, d, "CMakeCache.txt")))
        trovati += [os.path.relpath(os.path.join(cartella, n), root) for n in nomi]
    return sorted(trovati)


def ha_licenza(dati):
    return b"SPDX-License-Identifier:" in b"\n".join(dati.split(b"\n")[:6])


def con_licenza(dati, commento):
    """The file's bytes with the line added after whatever must stay first."""
    fine = b"\r\n" if b"\r\n" in dati.split(b"\n", 1)[0] + b"\n" else b"\n"
    righe = dati.splitlines(keepends=True)
    primo = 0
    if righe and (righe[0].startswith((b"#!", b"<?xml", b"'\\\""))):
        primo = 1
        if righe[0].startswith(b"#!") and len(righe) > 1 and b"coding" in righe[1] and righe[1].startswith(b"#"):
            primo = 2
    if primo and not righe[primo - 1].endswith(b"\n"):
        righe[primo - 1] += fine
    return b"".join(righe[:primo]) + commento[0] + LINEA + commento[1] + fine + b"".join(righe[primo:])


def main(argv):
    controlla = "--controlla" in argv
    resto = [a for a in argv if a != "--controlla"]
    root = os.path.abspath(resto[0] if resto else os.path.join(os.path.dirname(__file__), ".."))
    senza = []
    for rel in file_del_progetto(root):
        percorso = os.path.join(root, rel)
        with open(percorso, "rb") as f:
            dati = f.read()
        commento = sintassi(rel.replace(os.sep, "/"), dati[:2])
        if commento is None or ha_licenza(dati):
            continue
        senza.append(rel)
        if not controlla:
            with open(percorso, "wb") as f:
                f.write(con_licenza(dati, commento))
    if controlla and senza:
        print("Manca la riga SPDX-License-Identifier (scripts/spdx.py la aggiunge):")
        print("\n".join("  " + r for r in senza))
        return 1
    if not controlla and senza:
        print(f"spdx: riga aggiunta a {len(senza)} file")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
