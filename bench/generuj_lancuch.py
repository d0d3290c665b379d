"""generuj_lancuch: writes a chain grammar of N productions in the extended
notation, its token file, and sentences of its language.

    python3 generuj_lancuch.py N DIR/P [--bledy] [--zdania K]

writes DIR/P.gpa and DIR/P.tok (and with --zdania, DIR/zdanie_1 .. _K).
Production k names the next one, four terminals of its own and the end
token comes from P.tok, so N productions have 4 N + 1 terminals:

    "N7" = 'T7' ( "N8" | 'U7' [ 'W7' ] ) { 'V7' 'T7' } .

Every terminal is a keyword of P.tok ('T7' = "t7" .). With --bledy each
production holds one error, in turn of three kinds: parameters given to the
next production, which declares none, in a choice whose branches both begin
with its first token (a conflict, searched for a proof); a nonterminal
without a production; and a terminal that P.tok does not define. A sentence goes down
the chain to a depth of its own and back, each level taking the other branch
or a few loop rounds; the same N and K always give the same sentences.
"""
import random
import sys


def produkcja(k, n, bledy):
    if k == n:
        return f'"N{k}" = \'T{k}\' \'U{k}\' [ \'W{k}\' ] {{ \'V{k}\' \'T{k}\' }} .'
    dalej = f'"N{k + 1}"'
    opcja = f"'W{k}'"
    rodzaj = k % 3 if bledy else -1
    if rodzaj == 0:
        # FIRST of the next production too, which takes no parameters.
        dalej = f'"N{k + 1}" <$ {k} $>'
        pierwszy = f"'T{k + 1}'"
    else:
        pierwszy = f"'U{k}'"
    if rodzaj == 1:
        opcja = f'"Brak{k}"'
    if rodzaj == 2:
        opcja = f"'X{k}'"
    return f'"N{k}" = \'T{k}\' ( {dalej} | {pierwszy} [ {opcja} ] ) {{ \'V{k}\' \'T{k}\' }} .'


def zdanie(n, rng):
    """Tokens of one sentence of the valid grammar, as P.tok spells them."""
    glebokosc = rng.randint(1, n)
    tokeny = []
    for k in range(1, glebokosc + 1):
        tokeny.append(f't{k}')
    k = glebokosc
    tokeny.append(f'u{k}')
    if rng.random() < 0.5:
        tokeny.append(f'w{k}')
    for k in range(glebokosc, 0, -1):
        for _ in range(rng.randint(0, 2)):
            tokeny += [f'v{k}', f't{k}']
    return tokeny


def main():
    args = sys.argv[1:]
    bledy = '--bledy' in args
    zdan = 0
    if '--zdania' in args:
        zdan = int(args[args.index('--zdania') + 1])
        del args[args.index('--zdania'):args.index('--zdania') + 2]
    args = [a for a in args if a != '--bledy']
    n, cel = int(args[0]), args[1]
    with open(cel + '.gpa', 'w') as f:
        f.write(f'-- lancuch {n} produkcji\n++rozszerzona\n')
        for k in range(1, n + 1):
            f.write(produkcja(k, n, bledy) + '\n')
    with open(cel + '.tok', 'w') as f:
        f.write("++koniec 'Koniec'\n")
        for k in range(1, n + 1):
            for litera in 'TUVW':
                f.write(f"'{litera}{k}' = \"{litera.lower()}{k}\" .\n")
    rng = random.Random(n)
    for i in range(1, zdan + 1):
        with open(f'{cel}_zdanie_{i}', 'w') as f:
            # Ten tokens a line, so that places are lines and columns.
            tokeny = zdanie(n, rng)
            for j in range(0, len(tokeny), 10):
                f.write(' '.join(tokeny[j:j + 10]) + '\n')


if __name__ == '__main__':
    main()
