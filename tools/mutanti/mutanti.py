#!/usr/bin/env python3
"""Mutation run: plants each fault of guasti.txt, one at a time, in a scratch
copy of the tree, rebuilds incrementally and runs the suite without the smoke
tests and the benchmarks. A fault is caught when the build still succeeds and
some test fails. Writes a Markdown table of caught and missed faults.

    python3 tools/mutanti/mutanti.py [--lavoro DIR] [--solo N,N,...] [--rapporto FILE]

The scratch copy and its build directory live under --lavoro (default
/tmp/mappix-mutanti) and are reused between runs, so a second run rebuilds only
what each fault touches. Set CCACHE_DIR to share compiles with other builds.
"""
import argparse
import os
import pathlib
import shutil
import subprocess
import sys
import time

RADICE = pathlib.Path(__file__).resolve().parents[2]
ESCLUSI_CTEST = "^(prestazioni_breve|schermate)$"


def leggi_guasti(percorso):
    guasti, descrizione, corrente = [], [], None
    for riga in percorso.read_text(encoding="utf-8").splitlines():
        if corrente is None:
            if riga.startswith("@ "):
                corrente = {"descrizione": " ".join(descrizione).strip(), "file": riga[2:].strip()}
                descrizione = []
            elif riga.startswith("# "):
                descrizione.append(riga[2:])
            elif not riga.strip():
                descrizione = []
            continue
        if riga.startswith("- ") and "vecchio" not in corrente:
            corrente["vecchio"] = riga[2:].replace("¶", "\n")
        elif (riga.startswith("+ ") or riga == "+") and "vecchio" in corrente:
            corrente["nuovo"] = riga[2:].replace("¶", "\n")
            corrente["numero"] = len(guasti) + 1
            guasti.append(corrente)
            corrente = None
        else:
            sys.exit(f"guasti.txt: unexpected line {riga!r}")
    return guasti


def controlla(guasti, albero):
    errori = []
    for g in guasti:
        testo = (albero / g["file"]).read_text(encoding="utf-8")
        volte = testo.count(g["vecchio"])
        if volte != 1:
            errori.append(f"{g['numero']} ({g['file']}): old text found {volte} times")
    return errori


def esegui(comando, cartella, limite):
    try:
        esito = subprocess.run(comando, cwd=cartella, stdout=subprocess.PIPE,
                               stderr=subprocess.STDOUT, text=True, timeout=limite)
        return esito.returncode, esito.stdout
    except subprocess.TimeoutExpired:
        return -1, "timeout"


def copia_albero(sorgente, copia):
    """Copies the files that differ, so unchanged files keep their time and
    the build stays incremental."""
    for file in sorgente.rglob("*"):
        relativo = file.relative_to(sorgente)
        if not file.is_file() or relativo.parts[0] in ("build", ".git"):
            continue
        destinazione = copia / relativo
        if destinazione.exists() and destinazione.read_bytes() == file.read_bytes():
            continue
        destinazione.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(file, destinazione)  # a fresh time, so the build sees the change


def prova(build, test_dir, lavori, esclusi=ESCLUSI_CTEST):
    codice, uscita = esegui(["cmake", "--build", str(build), "-j", str(lavori)], build, 1800)
    if codice != 0:
        return "non compila", uscita
    codice, uscita = esegui(["ctest", "--test-dir", str(test_dir), "-LE", "smoke", "-E",
                             esclusi, "--stop-on-failure", "--timeout", "300", "-j",
                             str(lavori)], build, 3600)
    return ("passa" if codice == 0 else "fallisce"), uscita


def primo_fallito(uscita):
    for riga in uscita.splitlines():
        if "***Failed" in riga or "***Timeout" in riga or "(Failed)" in riga:
            parti = riga.split()
            for i, p in enumerate(parti):
                if p == "Test" and i + 2 < len(parti):
                    return parti[i + 2]
    return ""


def main():
    argomenti = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    argomenti.add_argument("--albero", default=str(RADICE), help="tree to mutate (a clean copy is made)")
    argomenti.add_argument("--lavoro", default="/tmp/mappix-mutanti")
    argomenti.add_argument("--guasti", default=str(RADICE / "tools/mutanti/guasti.txt"))
    argomenti.add_argument("--solo", default="", help="comma-separated fault numbers")
    argomenti.add_argument("--rapporto", default="")
    argomenti.add_argument("--lavori", type=int, default=1, help="parallel build and test jobs")
    argomenti.add_argument("--escludi", default="", help="a regular expression of further tests to leave out")
    argomenti.add_argument("--controlla", action="store_true", help="only check that every old text is found once")
    a = argomenti.parse_args()

    albero = pathlib.Path(a.albero).resolve()
    guasti = leggi_guasti(pathlib.Path(a.guasti))
    errori = controlla(guasti, albero)
    if errori:
        sys.exit("\n".join(errori))
    if a.controlla:
        print(f"{len(guasti)} faults, every old text found once")
        return
    if a.solo:
        scelti = {int(n) for n in a.solo.split(",")}
        guasti = [g for g in guasti if g["numero"] in scelti]

    lavoro = pathlib.Path(a.lavoro)
    copia, build = lavoro / "albero", lavoro / "build"
    copia_albero(albero, copia)
    os.environ.setdefault("CMAKE_CXX_COMPILER_LAUNCHER", "ccache")
    if not (build / "build.ninja").exists():
        subprocess.run(["cmake", "-S", str(copia), "-B", str(build), "-G", "Ninja",
                        "-DCMAKE_BUILD_TYPE=RelWithDebInfo"], check=True, stdout=subprocess.DEVNULL)
    test_dir = build
    esclusi = ESCLUSI_CTEST if not a.escludi else f"{ESCLUSI_CTEST}|{a.escludi}"
    stato, uscita = prova(build, test_dir, a.lavori, esclusi)
    if stato != "passa":
        sys.exit(f"the unmutated tree does not pass ({stato}):\n{uscita[-3000:]}")

    righe, presi, validi = [], 0, 0
    for g in guasti:
        file = copia / g["file"]
        originale = file.read_text(encoding="utf-8")
        inizio = time.monotonic()
        file.write_text(originale.replace(g["vecchio"], g["nuovo"], 1), encoding="utf-8")
        try:
            esito, uscita = prova(build, test_dir, a.lavori, esclusi)
        finally:
            file.write_text(originale, encoding="utf-8")
        secondi = time.monotonic() - inizio
        if esito != "non compila":
            validi += 1
            presi += esito == "fallisce"
        verdetto = {"fallisce": "caught", "passa": "**missed**", "non compila": "does not build"}[esito]
        chi = primo_fallito(uscita) if esito == "fallisce" else ""
        righe.append(f"| {g['numero']} | {g['file']} | {g['descrizione']} | {verdetto} | {chi} | {secondi:.0f} |")
        print(righe[-1], flush=True)

    punteggio = 100.0 * presi / validi if validi else 0.0
    testo = ["| # | File | Fault | Result | First failing test | s |", "|---|---|---|---|---|---|"]
    testo += righe
    testo += ["", f"Caught {presi} of {validi} faults that build: {punteggio:.1f} %."]
    rapporto = "\n".join(testo) + "\n"
    print(rapporto)
    if a.rapporto:
        pathlib.Path(a.rapporto).write_text(rapporto, encoding="utf-8")


if __name__ == "__main__":
    main()
