"""generuj_gramatyke: writes a benchmark grammar of N productions for bryzas.

    python3 generuj_gramatyke.py N [SEED] > P.gpa

The grammar uses the whole notation: every kind of header insert, a bare
package insert, comment lines, code inserts after a left side, after "=",
after names and after groups, repetitions { }, options [ ], alternatives
( | ) with two to four branches, and a FIRST section with a line for every
nonterminal. Only the N left-side names are used as nonterminals and at most
20 + N/4 terminals, so N = 200 fills the nonterminal table exactly and stays
far below the terminal one. No line comes near 1000 characters and no name or
insert near 100. The same N and SEED always give the same text.
"""
import random
import sys

HEADER = [
    '-- gramatyka do pomiaru czasu generatora',
    '++with_use #$Ada.Text_IO$#',
    '++with_use #$Ada.Integer_Text_IO$#',
    '++pak_dekl #$Licznik: Integer := 0;$#',
    '++pak_dekl #$Glebokosc: Natural := 0;$#',
    '#$Ostatni: Token_Kod := Token_Kod\'First;$#',
    '++init_dekl #$Start: Integer := 0;$#',
    '++init_instr #$Licznik := 0;$#',
    '++init_instr_przed #$Glebokosc := 0;$#',
    '++init_instr_po #$Ada.Text_IO.Put_Line("koniec analizy");$#',
    '++except_skan #$Ada.Text_IO.Put_Line("blad skanera");$#',
    '++except_pars #$Ada.Text_IO.Put_Line("blad parsera");$#',
    '',
]

INSERTS = [
    '#$Licznik := Licznik + 1;$#',
    '#$Ostatni := Tok.Kod;$#',
    '#$Ada.Text_IO.Put_Line("krok");$#',
    '#$Glebokosc := Glebokosc + 1;$#',
    '#$null;$#',
]


class Grammar:
    def __init__(self, productions, seed):
        self.rng = random.Random(seed)
        self.nonterminals = [f'Symbol_{i}' for i in range(1, productions + 1)]
        self.terminals = [f'Tok_{i}' for i in range(1, 21 + productions // 4)]

    def name(self):
        if self.rng.random() < 0.6:
            return f"'{self.rng.choice(self.terminals)}'"
        return f'"{self.rng.choice(self.nonterminals)}"'

    def insert(self, chance):
        return ' ' + self.rng.choice(INSERTS) if self.rng.random() < chance else ''

    def names(self, low, high):
        return ' '.join(self.name() + self.insert(0.2)
                        for _ in range(self.rng.randint(low, high)))

    def element(self):
        kind = self.rng.random()
        if kind < 0.55:
            return self.name() + self.insert(0.3)
        if kind < 0.7:
            return '{ ' + self.names(1, 3) + ' }' + self.insert(0.3)
        if kind < 0.85:
            return '[ ' + self.names(1, 3) + ' ]' + self.insert(0.3)
        branches = [self.names(1, 3) for _ in range(self.rng.randint(2, 4))]
        return '( ' + ' | '.join(branches) + ' )' + self.insert(0.3)

    def production(self, left):
        lines = [f'-- produkcja {left}']
        head = f'"{left}"'
        if self.rng.random() < 0.3:
            head += ' #$Lokalny: Integer := 0;$#'
        head += ' ='
        if self.rng.random() < 0.3:
            head += ' #$Glebokosc := Glebokosc + 1;$#'
        lines.append(head)
        for _ in range(self.rng.randint(3, 7)):
            lines.append('    ' + self.element())
        lines.append('    .')
        return lines

    def first_section(self):
        lines = ['%%']
        for left in self.nonterminals:
            chosen = self.rng.sample(self.terminals, self.rng.randint(1, 4))
            lines.append(f'"{left}" : ' + ' '.join(f"'{t}'" for t in chosen) + ' .')
        return lines

    def text(self):
        lines = list(HEADER)
        for left in self.nonterminals:
            lines += self.production(left)
            lines.append('')
        lines += self.first_section()
        return '\n'.join(lines) + '\n'


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit('usage: generuj_gramatyke.py N [SEED]')
    productions = int(sys.argv[1])
    seed = int(sys.argv[2]) if len(sys.argv) == 3 else 20261205
    if not 1 <= productions <= 200:
        sys.exit('N must be 1 to 200: the generator holds at most 200 nonterminals')
    sys.stdout.write(Grammar(productions, seed).text())


if __name__ == '__main__':
    main()
