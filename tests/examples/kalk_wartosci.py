#!/usr/bin/env python3
"""Random nested expressions through a built calculator, each value checked
against an evaluator of the same grammar written here: recursion through
parentheses and precedence levels must leave every caller's value intact.
A division by zero or a result beyond Ada's Integer prints no value and is
reported at the column of its operator, the first one met as the
calculator meets them.

Usage: kalk_wartosci.py KALK [COUNT] [SEED]"""
import random
import subprocess
import sys


def wyrazenie(r, glebokosc):
    """Expression = [ "-" ] Term { ("+" | "-") Term }, as text."""
    s = "-" if r.random() < 0.3 else ""
    s += skladnik(r, glebokosc)
    for _ in range(r.randint(0, 2)):
        s += r.choice([" + ", " - "])
        s += skladnik(r, glebokosc)
    return s


def skladnik(r, glebokosc):
    s = czynnik(r, glebokosc)
    for _ in range(r.randint(0, 2)):
        s += r.choice([" * ", " / "]) + czynnik(r, glebokosc)
    return s


def czynnik(r, glebokosc):
    if glebokosc > 0 and r.random() < 0.5:
        return "(" + wyrazenie(r, glebokosc - 1) + ")"
    return str(r.randint(1, 9))


class Blad_Obliczen(Exception):
    """The calculator's message for an operation at the column (from 1) of
    its operator."""

    def __init__(self, kolumna, tekst):
        super().__init__(kolumna, tekst)
        self.komunikat = "-:1:%d: %s" % (kolumna, tekst)


def w_zakresie(w, kolumna):
    if not -2**31 <= w < 2**31:
        raise Blad_Obliczen(kolumna, "wynik poza zakresem")
    return w


class Ocena:
    """Evaluates by the grammar, with Ada's division (towards zero)."""

    def __init__(self, tekst):
        self.kolumny = [k + 1 for k, z in enumerate(tekst) if z != " "]
        self.t = tekst.replace(" ", "")
        self.i = 0

    def znak(self):
        return self.t[self.i] if self.i < len(self.t) else ""

    def wyrazenie(self):
        ujemne = self.znak() == "-"
        kolumna = self.kolumny[self.i]
        self.i += ujemne
        w = self.skladnik()
        w = w_zakresie(-w, kolumna) if ujemne else w
        while self.znak() in ("+", "-") and self.znak():
            op = self.znak()
            kolumna = self.kolumny[self.i]
            self.i += 1
            p = self.skladnik()
            w = w_zakresie(w + p if op == "+" else w - p, kolumna)
        return w

    def skladnik(self):
        w = self.czynnik()
        while self.znak() in ("*", "/") and self.znak():
            op = self.znak()
            kolumna = self.kolumny[self.i]
            self.i += 1
            p = self.czynnik()
            if op == "*":
                w = w_zakresie(w * p, kolumna)
            elif p == 0:
                raise Blad_Obliczen(kolumna, "dzielenie przez zero")
            else:
                w = w_zakresie(abs(w) // abs(p) * (1 if (w < 0) == (p < 0) else -1), kolumna)
        return w

    def czynnik(self):
        if self.znak() == "(":
            self.i += 1
            w = self.wyrazenie()
            self.i += 1
            return w
        j = self.i
        while self.znak().isdigit():
            self.i += 1
        return int(self.t[j:self.i])


def main():
    kalk = sys.argv[1]
    ile = int(sys.argv[2]) if len(sys.argv) > 2 else 200
    r = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 1)
    zle = 0
    for _ in range(ile):
        tekst = wyrazenie(r, 4)
        try:
            oczekiwane = ("Wynik: %d" % Ocena(tekst).wyrazenie(), "")
        except Blad_Obliczen as blad:
            oczekiwane = ("", blad.komunikat)
        wynik = subprocess.run([kalk], input=tekst + "\n", capture_output=True, text=True,
                               timeout=10)
        jest = (wynik.stdout.strip(), wynik.stderr.strip())
        if jest != oczekiwane:
            print("FAIL: %s gives %r, expected %r" % (tekst, jest, oczekiwane))
            zle += 1
    print("%d random expressions, %d wrong" % (ile, zle))
    return 1 if zle else 0


if __name__ == "__main__":
    sys.exit(main())
