#!/usr/bin/env python3
"""Random grammars in the extended notation, through bryzas and GNAT, against
a recogniser written here.

Each grammar (2 to 4 nonterminals, 4 to 8 terminals, right sides of nested
( | ), [ ] and { } with alternatives at the top and inside groups) gets a
token file in which terminal 'A' is the keyword "a" and so on, ended by
'Koniec'. A grammar bryzas rejects must end with status 1 and leave nothing
but P.lst (and P_tok.lst). One it accepts must build with gprbuild without a
message, and its program P must then, printing nothing on standard output:
 - accept every sentence of up to LEN tokens, LEN the largest bound up to 8
   that keeps them at most 300 (enumerated breadth first from the grammar),
   and every other sentence among the inputs below;
 - end with status 1 on each non-sentence tried (random token strings, and
   sentences with one token changed, removed or added), its first message
   "we:L:K: oczekiwano ...; jest X" placed at the first token at which the
   input stops being a prefix of any sentence (or at the end of the input,
   2:1 after the one line, when all of it is such a prefix), X that token;
   its list the tokens that prefix can go on with (the end of the input
   too when it is a sentence), in the order of the token file; the parser
   goes on after an error, so more messages may follow, each at
   least two tokens after the one before it;
 - with --drzewo print the same messages with the same status, and on
   standard output the tree: of a sentence a derivation of it, each
   production's children allowed by one of its alternatives; of any input
   every token in order, taken or skipped.
A grammar accepted with a warning (a conflict in which the analyser's search
of the sentences of up to 6 tokens found no harm: the parser takes the first
branch, goes round once more, enters the option) is held only to its
sentences of up to 5 tokens, which the warning vouches for; a non-sentence
must fail at that first token or before it (the parser reads only along a
derivation, so never past it). Sentences and prefixes are decided by an Earley
recogniser on the grammar rewritten into plain productions.

Usage: losowe_rozszerzone.py BIN_DIR COUNT SEED   (COUNT accepted grammars)
"""
import itertools, os, random, re, resource, shutil, subprocess, sys, tempfile, time
from collections import deque

TERMINALE = 'ABCDEFGH'
ZAMKNIECIE = {'(': ')', '[': ']', '{': '}'}


def losuj(r):
    """[(name, branches)]: a branch is a list of elements, an element ('t', T),
    ('n', N) or (bracket, branches). Most branches of a choice start with a
    terminal none of the earlier ones starts with, so that many grammars pass."""
    nt, tt = ['S', 'T', 'U', 'V'][:r.randint(2, 4)], TERMINALE[:r.randint(4, 8)]
    def galezie(gl, ile):
        wolne, wynik = list(tt), []
        for _ in range(ile):
            c = ciag(gl)
            if wolne and r.random() < 0.9:
                c.insert(0, ('t', wolne.pop(r.randrange(len(wolne)))))
            wynik.append(c or [element(gl)])
        return wynik
    def ciag(gl):
        return [element(gl) for _ in range(r.randint(0, 2))]
    def element(gl):
        k = r.random()
        if gl < 2 and k < 0.4:
            return (r.choice('([[{{'), galezie(gl + 1, r.choice([1, 1, 2, 3])))
        return ('n', r.choice(nt)) if k < 0.5 else ('t', r.choice(tt))
    g = [(n, galezie(0, r.choice([1, 2, 3]))) for n in nt]
    # A nonterminal the start symbol does not call is called at the end of
    # one of its branches.
    for n in nt[1:]:
        if '"%s"' % n not in tekst(g[:1]): r.choice(g[0][1]).append(('n', n))
    return g


def tekst(g):
    gal = lambda b: ' | '.join(' '.join(map(el, c)) for c in b)
    def el(x):
        if x[0] == 't': return "'%s'" % x[1]
        if x[0] == 'n': return '"%s"' % x[1]
        return '%s %s %s' % (x[0], gal(x[1]), ZAMKNIECIE[x[0]])
    return '++rozszerzona\n' + ''.join('"%s" = %s .\n' % (n, gal(b)) for n, b in g)


def terminale(g):
    return sorted(set(re.findall(r"'(\w)'", tekst(g))))


def bnf(g):
    """The same language as plain productions {name: [alternatives]}: each
    group a nonterminal of its own, '[ ]' with an empty alternative, '{ }'
    calling itself after each branch."""
    reguly, nr = {}, itertools.count()
    def gal(b): return [[sym(x) for x in c] for c in b]
    def sym(x):
        if x[0] in 'tn': return x
        m = ('n', '#%d' % next(nr))
        alt = gal(x[1])
        if x[0] == '{': alt = [a + [m] for a in alt]
        reguly[m[1]] = alt + [[]] * (x[0] != '(')
        return m
    for n, b in g: reguly[n] = gal(b)
    return reguly


def puste(reguly):
    p = set()
    for _ in range(len(reguly) + 1):
        p = {n for n, alt in reguly.items() if any(all(s[0] == 'n' and s[1] in p for s in a) for a in alt)}
    return p


def earley(reguly, slowa, pusty):
    """(whether S derives the words, how many of them are a prefix of some
    sentence, the terminals that can follow that prefix, with '' for the end
    when it is a sentence); every nonterminal of a grammar bryzas accepts
    derives a text."""
    kolumna = {('^', (('n', 'S'),), 0, 0)}
    kolumny = []
    for i in range(len(slowa) + 1):
        kolumny.append(kolumna)
        praca, dalej = list(kolumna), set()
        while praca:
            l, p, k, o = praca.pop()
            if k == len(p):
                nowe = [(l2, p2, k2 + 1, o2) for l2, p2, k2, o2 in kolumny[o] if k2 < len(p2) and p2[k2] == ('n', l)]
            elif p[k][0] == 't':
                if i < len(slowa) and p[k][1] == slowa[i]: dalej.add((l, p, k + 1, o))
                nowe = []
            else:
                nowe = [(p[k][1], tuple(a), 0, i) for a in reguly[p[k][1]]] + [(l, p, k + 1, o)] * (p[k][1] in pusty)
            for s in nowe:
                if s not in kolumna: kolumna.add(s); praca.append(s)
        if i < len(slowa) and not dalej: return False, i, nastepne(kolumny[-1])
        kolumna = dalej
    return ('^', (('n', 'S'),), 1, 0) in kolumny[-1], len(slowa), nastepne(kolumny[-1])


def nastepne(kolumna):
    koniec = {''} if ('^', (('n', 'S'),), 1, 0) in kolumna else set()
    return {p[k][1] for _, p, k, _ in kolumna if k < len(p) and p[k][0] == 't'} | koniec


def wzorzec(galezie):
    """A regular expression over a production's children ("N:S;" for a
    nonterminal, "T:A;" for a terminal) that its right side allows."""
    def el(x):
        if x[0] == 't': return 'T:%s;' % x[1]
        if x[0] == 'n': return 'N:%s;' % x[1]
        return wzorzec(x[1]) + {'(': '', '[': '?', '{': '*'}[x[0]]
    return '(?:' + '|'.join(''.join(map(el, c)) for c in galezie) + ')'


def drzewo(wyjscie, g, slowa, zdanie):
    """What is wrong with the tree --drzewo printed, or None: each line a
    production "N", a token 'T' text, a token skipped or a terminal missing,
    two blanks deeper than the production it stands in; the tokens taken and
    skipped are the input in order; of a sentence each production's children
    are what one of its alternatives allows, and none is skipped or missing."""
    reguly = dict(g)
    stos, wziete = [], []  # open productions: (name, children); tokens in order
    def zamknij(do_):
        while len(stos) > do_:
            n, dzieci = stos.pop()
            if zdanie and not re.fullmatch(wzorzec(reguly[n]), ''.join(dzieci)):
                return '"%s" has the children %s' % (n, dzieci)
    for l in wyjscie.splitlines():
        wciecie = len(l) - len(l.lstrip(' '))
        m = re.fullmatch(r'"(\w+)"|(pominiety )?\'(\w+)\' (\S+)|brak \'(\w+)\'', l[wciecie:])
        # At the top: the start symbol first, then only tokens skipped when
        # the input goes on after it.
        gora = wciecie == 0 and (m and (m[1] == 'S' and not wziete or m[2]))
        if not m or wciecie % 2 or wciecie // 2 > len(stos) or (wciecie == 0 and not gora):
            return 'a line out of place: ' + l
        blad = zamknij(wciecie // 2)
        if blad: return blad
        if m[1]:
            if stos: stos[-1][1].append('N:%s;' % m[1])
            stos.append((m[1], []))
        elif m[3]:
            if m[4] != m[3].lower(): return 'a token and its text differ: ' + l
            wziete.append(m[3])
            if not m[2]: stos[-1][1].append('T:%s;' % m[3])
            elif zdanie: return 'a token of a sentence skipped: ' + l
        elif zdanie:
            return 'a terminal of a sentence missing: ' + l
    return zamknij(0) or (None if wziete == list(slowa) else 'the tokens are %s' % wziete)


def zdania(reguly, dl, ile):
    """Every sentence of at most dl tokens, or None when there are more than
    ile of them: leftmost derivations, breadth first, a form dropped when what
    it must still derive is longer than dl."""
    mini = {n: 99 for n in reguly}
    dlugosc = lambda q: sum(1 if s[0] == 't' else mini[s[1]] for s in q)
    for _ in range(len(reguly) + 1):
        mini = {n: min(dlugosc(a) for a in alt) for n, alt in reguly.items()}
    wynik, fala, widziane = set(), deque([((), (('n', 'S'),))]), set()
    while fala and len(widziane) < 100 * ile:
        przed, reszta = fala.popleft()
        while reszta and reszta[0][0] == 't':
            przed, reszta = przed + (reszta[0][1],), reszta[1:]
        if len(przed) + dlugosc(reszta) > dl or (przed, reszta) in widziane: continue
        widziane.add((przed, reszta))
        if not reszta:
            wynik.add(przed)
            if len(wynik) > ile: return None
        else:
            fala.extend((przed, tuple(a) + reszta[1:]) for a in reguly[reszta[0][1]])
    return None if fala else sorted(wynik, key=lambda z: (len(z), z))


def main():
    bin_dir, ile, ziarno = os.path.realpath(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3])
    if not shutil.which('gprbuild'):
        print('SKIP: gprbuild not found'); sys.exit(77)
    resource.setrlimit(resource.RLIMIT_FSIZE, (4 << 20, 4 << 20))
    r, start = random.Random(ziarno), time.time()
    losowane = przyjete = ostrzezone = ile_zdan = ile_niezdan = ile_list = 0
    while przyjete < ile and losowane < 50 * ile:
        g = losuj(r)
        losowane += 1
        tt = terminale(g)
        with tempfile.TemporaryDirectory() as d:
            def zle(co, wejscie=None):
                print('FAIL: grammar %d (seed %d): %s\n%s' % (losowane, ziarno, co, tekst(g)), end='')
                if wejscie is not None: print('input: "%s"' % wejscie)
                sys.exit(1)
            def uruchom(czas, *a, wejscie=None):
                try:
                    return subprocess.run(a, cwd=d, capture_output=True, text=True, timeout=czas)
                except subprocess.TimeoutExpired:
                    zle('%s did not end within %d s' % (a[0], czas), wejscie)
            with open(os.path.join(d, 'P.gpa'), 'w') as f: f.write(tekst(g))
            with open(os.path.join(d, 'P.tok'), 'w') as f:
                f.write("++koniec 'Koniec'\n" + ''.join('\'%s\' = "%s" .\n' % (t, t.lower()) for t in tt))
            wynik = uruchom(60, bin_dir + '/bryzas', 'P')
            konsola = wynik.stdout + wynik.stderr
            if wynik.returncode == 1:
                zostalo = set(os.listdir(d)) - {'P.gpa', 'P.tok'}
                if 'P.lst' not in zostalo or zostalo - {'P.lst', 'P_tok.lst'} or ': blad: ' not in konsola:
                    zle('rejected without an error or with more than the listing: %s\n%s' % (sorted(zostalo), konsola))
                continue
            m = re.search(r'^\*\*\* bledy: 0, ostrzezenia: (\d+)$', konsola, re.M)
            if wynik.returncode != 0 or not m:
                zle('bryzas ended with status %d\n%s' % (wynik.returncode, konsola))
            przyjete += 1
            ostrzezenie = m.group(1) != '0'
            ostrzezone += ostrzezenie
            budowa = uruchom(300, 'gprbuild', '-q', '-P', 'P.gpr')
            if budowa.returncode != 0 or budowa.stdout or budowa.stderr:
                zle('gprbuild ended with status %d:\n%s%s' % (budowa.returncode, budowa.stdout, budowa.stderr))
            reguly = bnf(g)
            pusty = puste(reguly)
            dl, lista = 5 if ostrzezenie else 8, None
            while lista is None:
                lista, dl = zdania(reguly, dl, 300), dl - 1
            proby = set(lista)
            for _ in range(30):
                proby.add(tuple(r.choice(tt) for _ in range(r.randint(0, 7))))
            for z in r.sample(lista, min(len(lista), 30)) or [()]:
                i = r.randint(0, len(z))
                proby.add(z[:i] + (r.choice(tt),) + z[i:])
                if z:
                    i = r.randrange(len(z))
                    proby.add(z[:i] + z[i + 1:])
                    proby.add(z[:i] + (r.choice([t for t in tt if t != z[i]]),) + z[i + 1:])
            for z in sorted(proby, key=lambda z: (len(z), z)):
                zdanie, dobre, oczekiwane = earley(reguly, z, pusty)
                if zdanie and ostrzezenie and len(z) > 5: continue
                wejscie = ' '.join(t.lower() for t in z)
                with open(os.path.join(d, 'we'), 'w') as f: f.write(wejscie + '\n')
                p = uruchom(10, './P', 'we', wejscie=wejscie)
                if p.stdout: zle('the parser printed on its standard output: ' + p.stdout, wejscie)
                t = uruchom(10, './P', '--drzewo', 'we', wejscie=wejscie)
                if (t.returncode, t.stderr) != (p.returncode, p.stderr):
                    zle('with --drzewo, status %d and %s' % (t.returncode, t.stderr), wejscie)
                zle_drzewo = drzewo(t.stdout, g, z, zdanie)
                if zle_drzewo: zle('the tree: %s\n%s' % (zle_drzewo, t.stdout), wejscie)
                if zdanie:
                    ile_zdan += 1
                    if p.returncode != 0 or p.stderr:
                        zle('a sentence, but status %d: %s' % (p.returncode, p.stderr), wejscie)
                    continue
                ile_niezdan += 1
                jest = lambda i: '"%s"' % z[i].lower() if i < len(z) else 'koniec wejscia'
                miejsce = lambda i: '1:%d' % (2 * i + 1) if i < len(z) else '2:1'
                linie = p.stderr.splitlines(keepends=True)
                k = re.fullmatch(r'we:(\d+:\d+): oczekiwano ([^\n]+); jest ([^\n]+)\n', linie[0] if linie else '')
                if p.returncode != 1 or not k:
                    zle('no sentence, but status %d: %s' % (p.returncode, p.stderr), wejscie)
                miejsca = [tuple(map(int, m.groups())) for m in
                           (re.match(r'we:(\d+):(\d+): oczekiwano [^\n]+; jest [^\n]+\n$', l) for l in linie) if m]
                if len(miejsca) != len(linie) or any(b[0] == a[0] and b[1] < a[1] + 4 or b[0] < a[0]
                                                     for a, b in zip(miejsca, miejsca[1:])):
                    zle('after the first error, messages not two tokens apart:\n' + p.stderr, wejscie)
                # After a warning the parser may stop at any token up to that one.
                if not any((k[1], k[3]) == (miejsce(i), jest(i)) for i in (range(dobre + 1) if ostrzezenie else [dobre])):
                    zle('the message should be at %s on %s:\n%s' % (miejsce(dobre), jest(dobre), p.stderr), wejscie)
                # The tokens the prefix can go on with, in the order of the
                # token file, the end of the input last.
                lista = ['"%s"' % t.lower() for t in tt if t in oczekiwane] + ['konca wejscia'] * ('' in oczekiwane)
                if not ostrzezenie:
                    ile_list += 1
                    if k[2] != (lista[0] if len(lista) == 1 else ', '.join(lista[:-1]) + ' albo ' + lista[-1]):
                        zle('the message should expect %s:\n%s' % (lista, p.stderr), wejscie)
    print('%d random extended grammars: %d rejected, %d accepted and built (%d with a warning); %d sentences and '
          '%d non-sentences tried (%d expected lists checked), %.0f s' %
          (losowane, losowane - przyjete, przyjete, ostrzezone, ile_zdan, ile_niezdan, ile_list, time.time() - start))
    if przyjete < ile or ile_zdan < ile or ile_niezdan < ile:
        print('FAIL: too few accepted grammars, sentences or non-sentences to show anything'); sys.exit(1)


if __name__ == '__main__':
    main()
