#!/usr/bin/env python3
"""Random grammars in the extended notation (groups nested in groups, '|' at
the top of right sides) against the analyser's verdicts.

Every sentence the analyser shows as a proof belongs to the language (an
Earley recogniser here), and the parser rejects it where the note says (a
simulation here, its sets computed on plain productions). A grammar it finds without error, whatever
warnings it gives (a harmless conflict "loses no sentence"), bryzas writes
and GNAT builds, and that parser accepts exactly the sentences of the
language: every text of up to 4 tokens is run through it, and through the
simulation. Grammars are
drawn until COUNT of them are without error (at most 100 times as many;
most random grammars have conflicts).

Usage: rozszerzone.py BIN_DIR COUNT SEED
"""
import itertools, os, random, re, resource, subprocess, sys, tempfile

sys.path.insert(0, os.path.dirname(os.path.realpath(__file__)))
from losowe import nalezy  # noqa: E402

TERMINALE = ['p', 'q', 'r', 't']
TOKENY = "++koniec 'Koniec'\n" + ''.join("'%s' = \"%s\" .\n" % (t, t) for t in TERMINALE)


def losuj(r):
    """{left side: expression}: an expression is a list of sequences, a
    sequence a list of ('s', (terminal?, name)) or (kind, expression) with
    kind 'o', 'r' or 'a', nested up to three deep."""
    lewe = ['S'] + r.sample(['A', 'B', 'C'], r.randint(1, 3))
    def wyrazenie(glebokosc, galezie):
        return [ciag(glebokosc) for _ in range(r.randint(1, galezie))]
    def ciag(glebokosc):
        w = []
        for _ in range(r.randint(1, 3)):
            k = r.random()
            if glebokosc >= 3 or k < 0.55:
                w.append(('s', (True, r.choice(TERMINALE)) if r.random() < 0.6 else (False, r.choice(lewe))))
            else:
                w.append(('o' if k < 0.7 else 'r' if k < 0.85 else 'a', wyrazenie(glebokosc + 1, 3)))
        return w
    return {n: wyrazenie(0, 3) for n in lewe}


def tekst(g):
    symbol = lambda x: ("'%s'" if x[0] else '"%s"') % x[1]
    nawiasy = {'o': '[ %s ]', 'r': '{ %s }', 'a': '( %s )'}
    wyr = lambda w: ' | '.join(' '.join(symbol(x) if k == 's' else nawiasy[k] % wyr(x) for k, x in c) for c in w)
    return '++rozszerzona\n' + ''.join('"%s" = %s .\n' % (n, wyr(w)) for n, w in g.items())


def bnf(g):
    """The same language as plain productions {name: [alternatives]}, each
    group a production of its own, and the kind of each: 'o', 'r', 'a', or
    'n' for the grammar's own."""
    reguly, rodzaj = {}, {}
    def ciag(c):
        w = []
        for k, x in c:
            if k == 's':
                w.append(x)
                continue
            m = '#%d' % len(reguly)
            reguly[m], rodzaj[m] = [], k
            alternatywy = [ciag(q) for q in x]
            reguly[m] = alternatywy + [[]] if k == 'o' else \
                [a + [(False, m)] for a in alternatywy] + [[]] if k == 'r' else alternatywy
            w.append((False, m))
        return w
    for n, w in g.items():
        reguly[n], rodzaj[n] = [ciag(c) for c in w], 'n'
    return reguly, rodzaj


def zbiory(reguly, start):
    """Nullable names, FIRST and FOLLOW ('$' the end of input)."""
    pusty, first, follow = set(), {n: set() for n in reguly}, {n: set() for n in reguly}
    def first_ciagu(c):
        w = set()
        for x in c:
            if x[0]: return w | {x[1]}, False
            w |= first[x[1]]
            if x[1] not in pusty: return w, False
        return w, True
    follow[start].add('$')
    for _ in range(4 * len(reguly) + 4):
        for n, alternatywy in reguly.items():
            for a in alternatywy:
                f, p = first_ciagu(a)
                first[n] |= f
                if p: pusty.add(n)
                for i, x in enumerate(a):
                    if not x[0]:
                        f, p = first_ciagu(a[i + 1:])
                        follow[x[1]] |= f | (follow[n] if p else set())
    return first_ciagu, follow


class Odrzucone(Exception): pass


def przebieg(reguly, rodzaj, zbiory_, zdanie):
    """Where the parser the extended notation describes rejects the text
    (its length: at the end), or None when it takes it whole. [ ] and { }
    take a branch on its FIRST and are passed by on anything else; ( | ) and
    a right side divided by '|' take the first branch whose FIRST, or what
    follows them when the branch can vanish, holds the token."""
    first_ciagu, follow = zbiory_
    poz = [0]
    tok = lambda: zdanie[poz[0]] if poz[0] < len(zdanie) else '$'
    def ciag(c, d):
        for x in c:
            if not x[0]: wywolaj(x[1], d + 1)
            elif tok() != x[1]: raise Odrzucone()
            else: poz[0] += 1
    def wywolaj(n, d):
        if d > 200: raise RecursionError()
        alternatywy, k = reguly[n], rodzaj[n]
        if k == 'n' and len(alternatywy) == 1: return ciag(alternatywy[0], d)
        for a in alternatywy[:-1] if k in 'or' else alternatywy:
            galaz = a[:-1] if k == 'r' else a
            f, p = first_ciagu(galaz)
            if tok() in f or (k not in 'or' and p and tok() in follow[n]):
                przed = poz[0]
                ciag(galaz, d)
                if k == 'r':
                    if poz[0] == przed: raise RecursionError()
                    wywolaj(n, d + 1)
                return
        if k not in 'or': raise Odrzucone()
    try:
        ciag([(False, 'S')], 0)
    except Odrzucone:
        return poz[0]
    return poz[0] if poz[0] < len(zdanie) else None


def main():
    bin_dir, ile, ziarno = os.path.realpath(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3])
    resource.setrlimit(resource.RLIMIT_FSIZE, (8 << 20, 8 << 20))
    r, bledy, czyste, ostrzezenia, dowody, teksty = random.Random(ziarno), 0, 0, 0, 0, 0
    wszystkie = [list(z) for n in range(5) for z in itertools.product(TERMINALE, repeat=n)]
    for nr in range(100 * ile):
        if czyste == ile:
            break
        g = losuj(r)
        reguly, rodzaj = bnf(g)
        zbiory_ = zbiory(reguly, 'S')
        with tempfile.TemporaryDirectory() as d:
            uruchom = lambda *a, **k: subprocess.run(a, cwd=d, capture_output=True, text=True, timeout=60, **k)
            with open(os.path.join(d, 'G.gpa'), 'w') as f: f.write(tekst(g))
            with open(os.path.join(d, 'G.tok'), 'w') as f: f.write(TOKENY)
            wynik = uruchom(bin_dir + '/bryzas_analiza', 'G').stdout
            opis = '\n' + tekst(g) + wynik
            for zdanie, na in re.findall(r'uwaga: zdanie (.*) nalezy do jezyka, parser odrzuci je na (.*)', wynik):
                dowody += 1
                z = re.findall(r"'(\w+)'", zdanie)
                gdzie = przebieg(reguly, rodzaj, zbiory_, z)
                if not nalezy(reguly, z):
                    print('FAIL: grammar %d: %s is no sentence' % (nr, zdanie), opis); bledy = 1
                elif gdzie is None or na != ("'%s'" % z[gdzie] if gdzie < len(z) else 'koncu wejscia'):
                    print('FAIL: grammar %d: the parser does not reject %s on %s' % (nr, zdanie, na), opis); bledy = 1
            if '*** bledy: 0,' not in wynik:
                continue
            czyste += 1
            ostrzezenia += 'ostrzezenie: konflikt' in wynik
            if uruchom(bin_dir + '/bryzas', 'G').returncode != 0:
                print('FAIL: grammar %d is clean but bryzas stops' % nr, opis); bledy = 1
                continue
            gnat = uruchom('gprbuild', '-q', '-P', 'G.gpr')
            if gnat.returncode != 0:
                print('FAIL: grammar %d is clean but GNAT rejects it:' % nr, opis, gnat.stdout, gnat.stderr); bledy = 1
                continue
            for z in wszystkie:
                teksty += 1
                status = uruchom('./G', input=' '.join(z) + '\n').returncode
                # The simulation above must do what the parser does.
                if status != (0 if nalezy(reguly, z) else 1) or (status == 0) != (przebieg(reguly, rodzaj, zbiory_, z) is None):
                    print('FAIL: grammar %d: the parser ends with %d on "%s"' % (nr, status, ' '.join(z)), opis)
                    bledy = 1
                    break
    print('%d random grammars: %d without error (%d with a harmless conflict; %d texts run through their parsers),'
          ' %d counterexamples checked' % (nr + 1, czyste, ostrzezenia, teksty, dowody))
    if czyste < ile or dowody < ile:
        print('FAIL: too few clean grammars or counterexamples to show anything'); bledy = 1
    sys.exit(bledy)


if __name__ == '__main__':
    main()
