#!/usr/bin/python3
"""Plays the quiz by keys only while Orca reads it, and checks what Orca said.

Orca's words are read from speech-dispatcher's log. The region exercise is
played to its end (with one wrong answer), the city exercise for one wrong and
one right answer and then abandoned. Which item answers a question comes from
the region and city tables under tests/dati, never from the program.
"""
import datetime
import html
import os
import re
import subprocess
import sys
import time

ATTESA = 15  # seconds to wait for one utterance; the test reports the real delays


def fallito(messaggio):
    print("orca: FAILED: " + messaggio, file=sys.stderr)
    sys.exit(1)


def nota(messaggio):
    print("orca: " + messaggio, flush=True)


def leggi_dati(cartella):
    with open(os.path.join(cartella, "regioni.h"), encoding="utf-8") as f:
        regioni = re.findall(r'^\s*\{"([^"]+)", \d+\},', f.read(), re.M)
    with open(os.path.join(cartella, "citta.h"), encoding="utf-8") as f:
        citta = [None] + [
            {"sigla": m[0], "comuni": int(m[1]), "capoluogo": m[2] == "true",
             "regione": int(m[3]), "nome": m[4]}
            for m in re.findall(r'\{"[^"]+", "([^"]+)", (\d+), (true|false), (\d+), "([^"]+)"\}',
                                f.read())]
    if len(regioni) != 21 or len(citta) != 108:
        fallito("test data unreadable: %d regions, %d cities" % (len(regioni), len(citta) - 1))
    return regioni, citta


def uguale(a, b):
    """Speech has no double blanks: texts compare with their runs of blanks as one."""
    return " ".join(a.split()) == " ".join(b.split())


class Parlato:
    """What Orca asked speech-dispatcher to say, one utterance at a time."""

    def __init__(self, percorso):
        self.percorso = percorso
        self.letto = 0
        self.tutto = []
        self.coda = []
        self.ritardi = []

    def nuovi(self):
        try:
            with open(self.percorso, encoding="utf-8", errors="replace") as f:
                f.seek(self.letto)
                testo = f.read()
        except FileNotFoundError:
            return []
        fine = testo.rfind("\n") + 1
        self.letto += len(testo[:fine].encode("utf-8"))
        frasi = []
        for m in re.finditer(r"Queueing message \|(.*?)\| with priority", testo[:fine], re.S):
            frase = html.unescape(re.sub(r"<[^>]*>", "", m.group(1))).strip()
            frasi.append(frase)
        self.tutto += frasi
        return frasi

    def attendi(self, descrizione, prova, dal=None):
        """The first utterance not yet looked at for which prova is true; fails
        after ATTESA seconds."""
        inizio = dal if dal is not None else time.monotonic()
        visti = []
        while time.monotonic() - inizio < ATTESA:
            self.coda += self.nuovi()
            while self.coda:
                frase = self.coda.pop(0)
                visti.append(frase)
                if prova(frase):
                    self.ritardi.append(time.monotonic() - inizio)
                    return frase
            time.sleep(0.05)
        fallito("Orca did not say %s; it said: %s" % (descrizione, visti[-12:]))


def adesso():
    """The time of day as Orca's debug log writes it."""
    return datetime.datetime.now().strftime("%H:%M:%S.%f")


def tasti(*nomi):
    subprocess.run(["xdotool", "key", "--delay", "40", *nomi], check=True, timeout=60)
    return time.monotonic()


class Giocatore:
    def __init__(self, parlato, regioni, citta):
        self.p = parlato
        self.regioni = regioni
        self.citta = citta
        self.annunci = 0
        self.inizio_citta = ""
        self.fine_citta = ""

    def annuncio(self, descrizione, prova, dal):
        frase = self.p.attendi(descrizione, lambda f: f.startswith("notification ") and prova(
            f[len("notification "):].rstrip(".")), dal)
        self.annunci += 1
        # Orca ends with a full stop what has no punctuation of its own.
        frase = frase[len("notification "):]
        return frase[:-1] if frase.endswith(".") and not frase.endswith("..") else frase

    def vai(self, parola, da, a):
        """Moves the map's mark from item da to item a with Tab or Shift+Tab,
        ten items at a time, as a player listening to each stop would: a long
        run of keys at once would fill Orca's queue with focus events."""
        while da != a:
            passo = max(-10, min(10, a - da))
            t = tasti(*(["Tab"] if passo > 0 else ["shift+Tab"]) * abs(passo))
            da += passo
            self.p.attendi("%s %d with its place" % (parola, da),
                           lambda f, d=da: f.startswith("%s %d push button" % (parola, d)), t)


def radio(p, nome, t):
    """Orca says an option's name, then that it is a radio button."""
    p.attendi(nome, lambda f: f.rstrip(".") == nome, t)
    p.attendi(nome + " as a radio button", lambda f: f.endswith("radio button"), t)


def senza_nomi(frasi, regioni, citta):
    """No item of the map may speak a place's name."""
    nomi = regioni + [c["nome"] for c in citta[1:]]
    for frase in frasi:
        if re.match(r"^(Area|Città) \d+ push button", frase) or frase.startswith("Nel "):
            for nome in nomi:
                if re.search(r"\b%s\b" % re.escape(nome), frase):
                    fallito("an item of the map says '%s': %s" % (nome, frase))


def gioca_regioni(g):
    p, regioni = g.p, g.regioni
    t = tasti("space")
    # Entering the map Orca speaks the item the mark is on, then the question.
    p.attendi("the first area", lambda f: f.startswith("Area 0 push button"), t)
    domanda = g.annuncio("the question", lambda f: f.startswith("Dove si trova la Regione. "), t)
    soggetto = domanda[len("Dove si trova la Regione. "):]
    if soggetto not in regioni:
        fallito("the first question names no region: " + domanda)
    nota("question 1: " + domanda)
    qui = 0
    for numero in range(1, 22):
        giusta = regioni.index(soggetto)
        if numero == 1:  # one wrong answer first
            sbagliata = 1 if giusta != 1 else 2
            g.vai("Area", qui, sbagliata)
            qui = sbagliata
            t = tasti("space")
            frase = g.annuncio("the new attempt", lambda f: True, t)
            if not uguale(frase, "Tentativo Nr. 2"):
                fallito("after a wrong answer Orca said '%s', not 'Tentativo Nr. 2'" % frase)
            nota("wrong answer: " + frase)
        g.vai("Area", qui, giusta)
        qui = giusta
        t = tasti("space")
        frase = g.annuncio("what follows a right answer", lambda f: True, t)
        if numero < 21:
            m = re.fullmatch(r"(.+)\. Domanda Nr\. (\d+) di 21", frase)
            if not m or m.group(1) not in regioni or int(m.group(2)) != numero + 1:
                fallito("after right answer %d Orca said '%s'" % (numero, frase))
            soggetto = m.group(1)
        else:
            atteso = "Non ho più domande! Ti ho chiesto tutte le regioni. Punteggio: %.2f" % (210 / 22)
            if not uguale(frase, atteso):
                fallito("at the end Orca said '%s', not '%s'" % (frase, atteso))
            nota("end: " + frase)


def gioca_citta(g):
    p, regioni, citta = g.p, g.regioni, g.citta
    nomi = [c["nome"] if c else None for c in citta]
    # The exercise choice: "Dov'e' la Città" is the fifth option.
    t = tasti("Tab", "Tab", "Tab", "Tab")
    radio(p, "Dov'e' la Città", t)
    g.inizio_citta = adesso()
    t = tasti("space")
    p.attendi("the first marker", lambda f: f.startswith("Città 1 push button"), t)
    prompt = "In quale regione si trova la città di. "
    domanda = g.annuncio("the question", lambda f: f.startswith(prompt), t)
    soggetto = domanda[len(prompt):]
    if soggetto not in nomi:
        fallito("the city question names no city: " + domanda)
    g.fine_citta = adesso()
    nota("city question: " + domanda)
    giusta = nomi.index(soggetto)
    sbagliata = 1 if giusta != 1 else 2
    qui = 1
    g.vai("Città", qui, sbagliata)
    qui = sbagliata
    t = tasti("space")
    frase = g.annuncio("the note on the city clicked", lambda f: True, t)
    c = citta[sbagliata]
    atteso = "Errore questa è la città di %s (%s) in %s.  %s%d Comuni. Tentativo Nr. 2" % (
        c["nome"], c["sigla"], regioni[c["regione"]],
        "Capoluogo da " if c["capoluogo"] else "Provincia da ", c["comuni"])
    if not uguale(frase, atteso):
        fallito("after a wrong city Orca said '%s', not '%s'" % (frase, atteso))
    nota("wrong city: " + frase)
    g.vai("Città", qui, giusta)
    qui = giusta
    t = tasti("space")
    frase = g.annuncio("what follows a right answer", lambda f: True, t)
    m = re.fullmatch(r"INDOVINATO! (.+)\. Domanda Nr\. 2 di 107", frase)
    if not m or m.group(1) not in nomi:
        fallito("after a right city Orca said '%s'" % frase)
    nota("right city: " + frase)
    # Out of the map backwards, past "Esci", "Nuovo" and the log, to "Cambia esercizio".
    t = tasti(*["shift+Tab"] * (qui - 1 + 4))
    p.attendi("Cambia esercizio", lambda f: f.startswith("Cambia esercizio push button"), t)
    t = tasti("space")
    frase = g.annuncio("the score on leaving", lambda f: True, t)
    if not uguale(frase, "Punteggio prima di terminare: 0.00"):
        fallito("abandoning, Orca said '%s'" % frase)
    nota("abandoned: " + frase)


def main():
    regioni, citta = leggi_dati(sys.argv[1])
    p = Parlato(os.environ["ORCA_PARLATO"])
    p.attendi("the window's name", lambda f: f.startswith("Mappix"), time.monotonic())
    subprocess.run(["xdotool", "type", "--delay", "40", "mario"], check=True, timeout=30)
    t = tasti("Return")
    radio(p, "Dov'e' la Regione", t)
    g = Giocatore(p, regioni, citta)
    gioca_regioni(g)
    gioca_citta(g)
    time.sleep(1.5)
    p.nuovi()
    senza_nomi(p.tutto, regioni, citta)
    # The 107 markers that appear with the city map must not flood Orca's
    # queue between the key and the question: in a flood it drops events
    # unseen. (Its log is written through a buffer: it is read at the end.)
    with open(os.environ["ORCA_DEBUG"], encoding="utf-8", errors="replace") as f:
        piena = [r for r in f if "DELUGE" in r and g.inizio_citta <= r[:15] <= g.fine_citta]
    if piena:
        fallito("the city map flooded Orca's event queue: " + piena[0].strip())
    detti = sum(1 for f in p.tutto if f.startswith("notification "))
    if detti != g.annunci:
        fallito("Orca said %d announcements for %d events: some twice" % (detti, g.annunci))
    nota("%d announcements, each once; longest wait for an utterance %.2f s" % (
        detti, max(p.ritardi)))


if __name__ == "__main__":
    main()
