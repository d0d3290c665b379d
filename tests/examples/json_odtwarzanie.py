#!/usr/bin/env python3
"""The JSON recogniser of json/ after syntax errors: errors planted into
valid documents, far apart, must each be reported once at its place, and
nothing else reported.

Documents are random JSON printed one value or key per line. An error is
planted in a line at least five lines after the last one: a separator
missing at the end of the line, one doubled there, a colon missing after a
key, or a value replaced by a character that begins no token. Each has the
place where the parser must see it. Then: inputs with 1..5 planted errors
(the measure the README keeps, printed), one with 150 (100 messages and
"za duzo bledow (100)"), one cut short (the error at the end), and token
soups, which must end without a cascade of reports.

Usage: json_odtwarzanie.py JSON_PROGRAM WORK_DIR [DOCUMENTS] [SEED]"""
import json
import os
import random
import re
import subprocess
import sys


def wartosc(r, glebokosc):
    los = r.random()
    if glebokosc > 0 and los < 0.3:
        return {"k%d" % i: wartosc(r, glebokosc - 1) for i in range(r.randint(1, 5))}
    if glebokosc > 0 and los < 0.55:
        return [wartosc(r, glebokosc - 1) for _ in range(r.randint(1, 5))]
    return r.choice([r.randint(-99, 999), "napis %d" % r.randint(0, 9), True, False, None, 1.5])


def zasadz(r, linie, ile):
    """Plants up to `ile` errors; returns the lines and the places (line,
    column) where the parser must report them."""
    linie = list(linie)
    miejsca = []
    ostatnia = -10
    kolejnosc = list(range(len(linie) - 1))
    for i in kolejnosc:
        if len(miejsca) == ile:
            break
        if i < ostatnia + 5 or r.random() < 0.6:
            continue
        l = linie[i]
        wciecie = len(l) - len(l.lstrip())
        klucz = re.match(r'( *"[^"]*"): (.*)$', l)
        rodzaje = []
        if l.endswith(','):
            rodzaje += ['brak_przecinka', 'podwojny_przecinek']
        if klucz:
            rodzaje.append('brak_dwukropka')
            if not klucz.group(2).startswith(('{', '[')):
                rodzaje.append('zly_znak')
        if not rodzaje:
            continue
        rodzaj = r.choice(rodzaje)
        if rodzaj == 'brak_przecinka':
            linie[i] = l[:-1]
            nast = linie[i + 1]
            miejsca.append((i + 2, len(nast) - len(nast.lstrip()) + 1))
        elif rodzaj == 'podwojny_przecinek':
            linie[i] = l + ','
            miejsca.append((i + 1, len(l) + 1))
        elif rodzaj == 'brak_dwukropka':
            linie[i] = klucz.group(1) + ' ' + klucz.group(2)
            miejsca.append((i + 1, len(klucz.group(1)) + 2))
        else:
            reszta = klucz.group(2)
            linie[i] = klucz.group(1) + ': @' + (',' if reszta.endswith(',') else '')
            miejsca.append((i + 1, len(klucz.group(1)) + 3))
        ostatnia = i
    return linie, miejsca


def uruchom(program, plik):
    p = subprocess.run([program, plik], capture_output=True, text=True, timeout=20)
    zgloszone = [(int(m.group(1)), int(m.group(2))) for m in
                 (re.match(re.escape(plik) + r':(\d+):(\d+): ', l) for l in p.stderr.splitlines()) if m]
    return p, zgloszone


def main():
    program, praca = sys.argv[1], sys.argv[2]
    dokumentow = int(sys.argv[3]) if len(sys.argv) > 3 else 40
    r = random.Random(int(sys.argv[4]) if len(sys.argv) > 4 else 1)
    plik = os.path.join(praca, 'zle.json')
    zle = 0
    print('planted  inputs  reported at their place  other reports')
    for k in range(1, 6):
        zasadzone = trafione = inne = wejsc = 0
        for _ in range(dokumentow):
            linie = json.dumps({"d": [wartosc(r, 4) for _ in range(8)]}, indent=1).split('\n')
            linie, miejsca = zasadz(r, linie, k)
            if len(miejsca) < k:
                continue
            with open(plik, 'w') as f:
                f.write('\n'.join(linie) + '\n')
            p, zgloszone = uruchom(program, plik)
            wejsc += 1
            zasadzone += len(miejsca)
            trafione += len(set(miejsca) & set(zgloszone))
            inne += len([z for z in zgloszone if z not in miejsca])
            if p.returncode != 1 or zgloszone != miejsca:
                zle += 1
                print('FAIL: planted at %s, reported at %s (status %d):\n%s' % (miejsca, zgloszone, p.returncode,
                                                                               p.stderr))
        print('%7d  %6d  %22.1f %%  %13d' % (k, wejsc, 100.0 * trafione / max(zasadzone, 1), inne))
        if wejsc < dokumentow // 2:
            zle += 1
            print('FAIL: only %d documents took %d errors' % (wejsc, k))
    # 150 errors: the first 100 are reported, then the limit, and the end.
    linie = json.dumps([[1, 2] for _ in range(150)], indent=None).replace('], [', ']\n[').split('\n')
    linie = [l.replace('1, 2', '1 2') for l in linie]
    with open(plik, 'w') as f:
        f.write('\n'.join(linie) + '\n')
    p, zgloszone = uruchom(program, plik)
    ostatnia = p.stderr.splitlines()[-1] if p.stderr else ''
    if p.returncode != 1 or len(zgloszone) != 101 or not ostatnia.endswith(': za duzo bledow (100)'):
        zle += 1
        print('FAIL: 150 errors gave status %d and %d messages, the last %r' % (p.returncode, len(zgloszone), ostatnia))
    # An input cut short: what is open is reported once, at the end.
    with open(plik, 'w') as f:
        f.write('{"a": [1, 2,\n')
    p, zgloszone = uruchom(program, plik)
    if p.returncode != 1 or zgloszone != [(2, 1)] or 'jest koniec wejscia' not in p.stderr:
        zle += 1
        print('FAIL: an input cut short gave status %d:\n%s' % (p.returncode, p.stderr))
    # Token soup: every input ends, and after each report two tokens are
    # taken before the next, so there are at most half as many reports as
    # tokens (and one at the end).
    kawalki = ['{', '}', '[', ']', ':', ',', '"s"', '1', 'true', 'null', '@', '"x']
    for _ in range(200):
        tokeny = [r.choice(kawalki) for _ in range(r.randint(1, 60))]
        with open(plik, 'w') as f:
            f.write(' '.join(tokeny) + '\n')
        p, zgloszone = uruchom(program, plik)
        if p.returncode not in (0, 1) or len(zgloszone) > len(tokeny) // 2 + 2:
            zle += 1
            print('FAIL: %r gave status %d and %d messages:\n%s' % (' '.join(tokeny), p.returncode,
                                                                   len(zgloszone), p.stderr))
    return 1 if zle else 0


if __name__ == '__main__':
    sys.exit(main())
