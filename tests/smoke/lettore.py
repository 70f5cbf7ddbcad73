#!/usr/bin/python3
"""Reads the running quiz through the accessibility bus, as a screen reader does.

Types a name and starts "Dov'e' la Regione" from the keyboard, reads the
question from the labels, answers it with a real click on the region's area,
and reads the next question, checking that the labels announced their change.
The labels are found by where the layout puts them; the area to click comes
from the table of region areas below, not from the program.
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

# The regions by index.
REGIONI = [
    "Repubblica di San Marino",
    "Valle d'Aosta",
    "Piemonte",
    "Lombardia",
    "Trentino Alto Adige",
    "Friuli Venezia Giulia",
    "Veneto",
    "Emilia Romagna",
    "Liguria",
    "Toscana",
    "Marche",
    "Umbria",
    "Lazio",
    "Abruzzo",
    "Molise",
    "Puglia",
    "Campania",
    "Calabria",
    "Basilicata",
    "Sicilia",
    "Sardegna",
]
PANNELLO = 90

# Where the layout puts the labels read here (twips in the window).
ETICHETTE = {
    "LblDom1": (9450, 1245, 5580, 1005),
    "LblDom0": (9435, 2265, 5580, 780),
    "LblNumDom": (9450, 4320, 5580, 420),
}


def px(twips):
    return int(round(twips / 15.0))


def fallito(messaggio):
    print("lettore: FAILED: " + messaggio, file=sys.stderr)
    sys.exit(1)


def nota(messaggio):
    print("lettore: " + messaggio, flush=True)


def xdo(*argomenti):
    return subprocess.run(["xdotool", *argomenti], check=True, timeout=10,
                          capture_output=True, text=True).stdout


def gira(secondi):
    """Lets the bus deliver events for a while."""
    fine = time.monotonic() + secondi
    contesto = GLib.MainContext.default()
    while time.monotonic() < fine:
        while contesto.iteration(False):
            pass
        time.sleep(0.02)


def trova_finestra(secondi):
    fine = time.monotonic() + secondi
    while time.monotonic() < fine:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is None or "appix" not in (app.name or "").lower():
                continue
            for finestra in app:
                if finestra is not None and finestra.getRole() == pyatspi.ROLE_FRAME:
                    return finestra
        time.sleep(0.3)
    return None


def discendenti(nodo):
    for figlio in nodo:
        if figlio is None:
            continue
        yield figlio
        yield from discendenti(figlio)


def etichette(finestra):
    """The labels named in ETICHETTE, found by their place in the window."""
    origine = finestra.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    trovate = {}
    for nodo in discendenti(finestra):
        if nodo.getRole() != pyatspi.ROLE_LABEL:
            continue
        e = nodo.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        cx, cy = e.x - origine.x + e.width // 2, e.y - origine.y + e.height // 2
        for nome, (l, t, w, h) in ETICHETTE.items():
            if px(l) <= cx < px(l + w) and px(t) <= cy < px(t + h):
                trovate[nome] = nodo
    mancanti = set(ETICHETTE) - set(trovate)
    if mancanti:
        fallito("no label exposed where the layout puts " + ", ".join(sorted(mancanti)))
    return trovate


def leggi(nodo):
    """The label's text through its text interface, and its name: they must agree."""
    testo = nodo.queryText()
    contenuto = testo.getText(0, testo.characterCount)
    if contenuto != nodo.name:
        fallito("a label's text %r differs from its name %r" % (contenuto, nodo.name))
    return contenuto


def main():
    finestra = trova_finestra(30)
    if finestra is None:
        fallito("the program's window never appeared on the accessibility bus")
    nota("window %r found on the accessibility bus" % finestra.name)

    id_x = xdo("search", "--onlyvisible", "--name", "^Mappix$").split()[0]
    geometria = dict(riga.split("=") for riga in xdo("getwindowgeometry", "--shell", id_x).split())
    wx, wy = int(geometria["X"]), int(geometria["Y"])
    subprocess.run(["xdotool", "windowfocus", "--sync", id_x], timeout=10)

    # The focus starts in the name box; after "Inizia" it is on the first exercise.
    xdo("type", "--delay", "40", "Mario")
    xdo("key", "Return")
    time.sleep(0.5)
    xdo("key", "space")
    time.sleep(0.5)

    lbl = etichette(finestra)
    annunci = []

    def ascolta(evento):
        annunci.append((evento.type, evento.source.name if evento.source else ""))

    pyatspi.Registry.registerEventListener(ascolta, "object:property-change:accessible-name",
                                           "object:text-changed")
    gira(0.5)

    domanda = leggi(lbl["LblDom1"])
    regione = leggi(lbl["LblDom0"])
    if domanda != "Dove si trova la Regione":
        fallito("the question reads %r, not \"Dove si trova la Regione\"" % domanda)
    if regione not in REGIONI:
        fallito("the question asks for %r, no region of the table" % regione)
    nota("question read: %s %s?" % (domanda, regione))

    # A land pixel of the region (the rectangle's centre may be sea).
    with open(sys.argv[1]) as f:
        punti = {int(a): (x, y) for a, x, y in (riga.split() for riga in f) if x != "-"}
    terra = punti[REGIONI.index(regione)]
    x, y = px(PANNELLO) + int(terra[0]), px(PANNELLO) + int(terra[1])
    annunci.clear()
    xdo("mousemove", "--sync", str(wx + x), str(wy + y), "click", "1")

    atteso = "Domanda Nr. 2 di 21"
    fine = time.monotonic() + 10
    while leggi(lbl["LblNumDom"]) != atteso and time.monotonic() < fine:
        gira(0.2)
    if leggi(lbl["LblNumDom"]) != atteso:
        fallito("after clicking %s the counter reads %r, not %r"
                % (regione, leggi(lbl["LblNumDom"]), atteso))
    gira(0.5)
    prossima = leggi(lbl["LblDom0"])
    if prossima not in REGIONI:
        fallito("the next question asks for %r, no region of the table" % prossima)
    nota("answered %s with a click at (%d, %d); next question read: %s" % (regione, x, y, prossima))

    nomi = [n for tipo, n in annunci if tipo.startswith("object:property-change:accessible-name")]
    testi = [n for tipo, n in annunci if tipo.startswith("object:text-changed")]
    if atteso not in nomi or atteso not in testi:
        fallito("the counter's change was not announced (names %r, texts %r)" % (nomi, testi))
    nota("announced: %d name changes and %d text changes, the counter's among them"
         % (len(nomi), len(testi)))
    nota("passed")


if __name__ == "__main__":
    main()
