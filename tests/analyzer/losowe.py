#!/usr/bin/env python3
"""Random grammars against the analyser's two promises.

Each grammar (2 to 5 productions, names drawn partly from Ada's reserved and
predefined names, some using a name without a production) gets the FIRST
section that bryzas_analiza --first computes. Then: a grammar the analyser
calls clean must compile under GNAT as bryzas generates it; every
counterexample it prints must be a sentence of the grammar (an Earley
recogniser here) that the generated parser fails as the note says (a
simulation here of the code bryzas writes). Both must hold once the faulty
nonterminals (without a production, deriving nothing, left-recursive) are
mended, whatever they become: the sentence's derivation and the parser's run
keep off them. A sentence on which the note says the parser calls one must
be one too, and the run must call it.

Usage: losowe.py BIN_DIR COUNT SEED
"""
import os, random, re, resource, subprocess, sys, tempfile

TERMINALE = ['a', 'b', 'c', 'd', 'Plus', 'Liczba', 'begin', 'String', 'Tok', 'Pusty', 'True', 'Kod']
NIETERMINALE = ['A', 'B', 'C', 'D', 'Wyr', 'Record', 'Parsuj', 'Boolean']
SKANER = open(os.path.join(os.path.dirname(os.path.realpath(__file__)), '../ada/slowa/skan_dowolny.adb.in')).read()


def losuj(r):
    """[(left side, elements)]: an element is ('s', symbol), ('o'|'r', sequence)
    or ('a', [sequences]); a symbol is (True, terminal) or (False, nonterminal)."""
    # A grammar in four draws its names from Ada's too.
    zle = r.random() < 0.25
    terminale, nieterminale = (TERMINALE, NIETERMINALE) if zle else (TERMINALE[:6], NIETERMINALE[:5])
    lewe = ['S'] + r.sample(nieterminale, r.randint(1, 4))
    # A grammar in five uses a name it does not define.
    uzyte = lewe + [r.choice([n for n in nieterminale if n not in lewe])] * (r.random() < 0.2)
    ciag = lambda: [symbol() for _ in range(r.randint(1, 2))]
    symbol = lambda: (True, r.choice(terminale)) if r.random() < 0.6 else (False, r.choice(uzyte))
    def element():
        k = r.random()
        if k < 0.55: return ('s', symbol())
        if k < 0.7: return ('o', ciag())
        if k < 0.85: return ('r', ciag())
        return ('a', [ciag() for _ in range(r.randint(2, 3))])
    return [(n, [element() for _ in range(r.randint(1, 3))]) for n in lewe]


def tekst(g):
    s = lambda x: ("'%s'" if x[0] else '"%s"') % x[1]
    c = lambda q: ' '.join(map(s, q))
    e = {'s': lambda x: s(x), 'o': lambda x: '[ %s ]' % c(x), 'r': lambda x: '{ %s }' % c(x),
         'a': lambda x: '( %s )' % ' | '.join(map(c, x))}
    return ''.join('"%s" = %s .\n' % (n, ' '.join(e[k](x) for k, x in p)) for n, p in g)


def bnf(g):
    """The same language as plain productions {name: [alternatives]}."""
    reguly, nowe = {}, [0]
    def nazwa():
        nowe[0] += 1
        return '#%d' % nowe[0]
    def ciag(q): return [x if x[0] else (False, x[1]) for x in q]
    for n, p in g:
        prawa = []
        for k, x in p:
            if k == 's': prawa.append(x); continue
            m = nazwa()
            if k == 'o': reguly[m] = [ciag(x), []]
            elif k == 'r': reguly[m] = [ciag(x) + [(False, m)], []]
            else: reguly[m] = [ciag(q) for q in x]
            prawa.append((False, m))
        reguly.setdefault(n, []).append(prawa)
    return reguly


def nalezy(reguly, zdanie):
    """Earley's recogniser: does S derive the sentence?"""
    kolumny = [set() for _ in range(len(zdanie) + 1)]
    kolumny[0] = {('^', (( False, 'S'),), 0, 0)}
    for i in range(len(zdanie) + 1):
        praca = list(kolumny[i])
        while praca:
            lewa, prawa, kropka, od = praca.pop()
            nowe = []
            if kropka == len(prawa):
                nowe = [(l, p, k + 1, o) for l, p, k, o in kolumny[od] if k < len(p) and p[k] == (False, lewa)]
            elif prawa[kropka][0]:
                if i < len(zdanie) and prawa[kropka][1] == zdanie[i]:
                    kolumny[i + 1].add((lewa, prawa, kropka + 1, od))
            else:
                n = prawa[kropka][1]
                nowe = [(n, tuple(alt), 0, i) for alt in reguly.get(n, [])]
                if any(l == n and k == len(p) and o == i for l, p, k, o in kolumny[i]):
                    nowe.append((lewa, prawa, kropka + 1, od))
            for s in nowe:
                if s not in kolumny[i]:
                    kolumny[i].add(s)
                    praca.append(s)
    return ('^', ((False, 'S'),), 1, 0) in kolumny[len(zdanie)]


def wadliwe(g):
    """The nonterminals whose derivations the analyser's proofs keep off:
    without a production, deriving nothing (where a name without a
    production counts as deriving) or calling themselves before a token."""
    produkcje = dict(g)
    ciagi = lambda k, x: [[x]] if k == 's' else [x] if k in 'or' else x
    uzyte = {y[1] for _, p in g for k, x in p for c in ciagi(k, x) for y in c if not y[0]}
    def punkt_staly(w, symbol_ok):
        """w grown by each left side whose elements all hold."""
        for _ in range(len(g) + 1):
            w = w | {n for n, p in g
                     if all(k in 'or' or any(all(symbol_ok(w, y) for y in c) for c in ciagi(k, x)) for k, x in p)}
        return w
    pusty = punkt_staly(set(), lambda w, y: not y[0] and y[1] in w)
    produktywny = punkt_staly(uzyte - set(produkcje), lambda w, y: y[0] or y[1] in w)
    # The nonterminals each production can call before a token is consumed.
    lewe = {}
    for n, p in g:
        lewe[n] = set()
        for k, x in p:
            znika = k in 'or'
            for c in ciagi(k, x):
                for y in c:
                    if y[0]: break
                    lewe[n].add(y[1])
                    if y[1] not in pusty: break
                else:
                    znika = True
            if not znika: break
    def osiaga_siebie(n):
        widziane, praca = set(), [n]
        while praca:
            for m in lewe.get(praca.pop(), ()):
                if m not in widziane: widziane.add(m); praca.append(m)
        return n in widziane
    return {n for n in uzyte | set(produkcje) if n not in produkcje or n not in produktywny or osiaga_siebie(n)}


def naprawiona(g, zle):
    """The grammar with each faulty nonterminal given a token of its own."""
    return [(n, p) for n, p in g if n not in zle] + [(n, [('s', (True, 'Nowy_' + n))]) for n in sorted(zle)]


class Odrzucone(Exception): pass
class Wywolany(Exception): pass


def przebieg(g, first, zdanie, zle=()):
    """What the code bryzas writes does: 'caly', 'odrzuci' or 'skonczy', or
    'wywola N' when it calls N, one of zle or without a production."""
    produkcje, poz = dict(g), [0]
    tok = lambda: zdanie[poz[0]] if poz[0] < len(zdanie) else None
    test = lambda x: tok() == x[1] if x[0] else tok() in first.get(x[1], ())
    def symbol(x, d):
        if not x[0]: return wywolaj(x[1], d)
        if tok() != x[1]: raise Odrzucone()
        poz[0] += 1
    def wywolaj(n, d):
        if n in zle or n not in produkcje: raise Wywolany(n)
        if d > 100: raise RecursionError()
        for k, x in produkcje[n]:
            if k == 's': symbol(x, d + 1)
            elif k == 'o' and test(x[0]): [symbol(y, d + 1) for y in x]
            elif k == 'r':
                while test(x[0]):
                    przed = poz[0]
                    [symbol(y, d + 1) for y in x]
                    if poz[0] == przed: raise RecursionError()
            elif k == 'a':
                galaz = next((q for q in x if test(q[0])), None)
                if galaz is None: raise Odrzucone()
                [symbol(y, d + 1) for y in galaz]
    try:
        wywolaj('S', 0)
    except Odrzucone:
        return 'odrzuci'
    except Wywolany as w:
        return 'wywola ' + w.args[0]
    return 'caly' if poz[0] == len(zdanie) else 'skonczy'


def main():
    bin_dir, ile, ziarno = os.path.realpath(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3])
    resource.setrlimit(resource.RLIMIT_FSIZE, (8 << 20, 8 << 20))
    r, bledy, czyste, dowody = random.Random(ziarno), 0, 0, 0
    # Errors that blame a choice, conflicts and others: how many, how many
    # without a counterexample, and of those how many the note says can go
    # wrong only through faulty nonterminals.
    wybory = {'konflikt': [0, 0, 0], 'inny': [0, 0, 0]}
    for nr in range(ile):
        g = losuj(r)
        with tempfile.TemporaryDirectory() as d:
            uruchom = lambda *a: subprocess.run(a, cwd=d, capture_output=True, text=True, timeout=60)
            with open(os.path.join(d, 'G.gpa'), 'w') as f: f.write(tekst(g))
            sekcja = uruchom(bin_dir + '/bryzas_analiza', '--first', 'G').stdout
            with open(os.path.join(d, 'G.gpa'), 'a') as f: f.write(sekcja)
            first = {m[0]: set(re.findall(r"'(\w+)'", m[1])) for m in re.findall(r'^"(\w+)" : (.*)$', sekcja, re.M)}
            wynik = uruchom(bin_dir + '/bryzas_analiza', 'G').stdout
            opis = '\n' + tekst(g) + sekcja + wynik
            if wynik.endswith('*** bledy: 0, ostrzezenia: ' + wynik.rsplit(' ', 1)[1]) and '*** bledy: 0,' in wynik:
                czyste += 1
                uruchom(bin_dir + '/bryzas', 'G')
                with open(os.path.join(d, 'G_skan.adb'), 'w') as f: f.write(SKANER.replace('@P@', 'G'))
                gnat = uruchom('gprbuild', '-q', '-c', '-gnatc', '-P', 'G.gpr')
                if gnat.returncode != 0:
                    print('FAIL: grammar %d is clean but GNAT rejects it:' % nr, opis, gnat.stdout, gnat.stderr); bledy = 1
            for blad, uwaga in re.findall(r'^G\.gpa:\S+ blad: (.*)\n(?:G\.gpa:\S+ uwaga: (.*))?', wynik, re.M):
                if re.match(r'konflikt LL|.* nie zostanie wybrana|FIRST .* nie zawiera', blad):
                    w = wybory['konflikt' if blad.startswith('konflikt') else 'inny']
                    w[0] += 1
                    w[1] += not re.match(r'zdanie .* nalezy do jezyka, parser ', uwaga)
                    w[2] += uwaga.startswith('zdania nie pokazano')
            zle = wadliwe(g)
            for zdanie, ale, jak in re.findall(r'uwaga: zdanie (.*) nalezy do jezyka, (ale )?parser (\w+(?: na nim "\w+")?)',
                                               wynik):
                dowody += 1
                tokeny = re.findall(r"'(\w+)'", zdanie)
                jak = jak.replace(' na nim ', ' ').replace('"', '')
                if not nalezy(bnf(naprawiona(g, zle)), tokeny):
                    print('FAIL: grammar %d: %s is no sentence that keeps off %s' % (nr, zdanie, sorted(zle)), opis)
                    bledy = 1
                elif przebieg(g, first, tokeny, zle) != jak:
                    print('FAIL: grammar %d: the parser does not "%s" on %s' % (nr, jak, zdanie), opis); bledy = 1
    print('%d random grammars: %d clean, %d counterexamples checked' % (ile, czyste, dowody))
    print('errors that blame a choice: %d conflicts, %d without a counterexample (%d only through faulty nonterminals);'
          ' %d others, %d without (%d)' % (*wybory['konflikt'], *wybory['inny']))
    if czyste < ile // 20 or dowody < ile // 20:
        print('FAIL: too few clean grammars or counterexamples to show anything'); bledy = 1
    sys.exit(bledy)


if __name__ == '__main__':
    main()
