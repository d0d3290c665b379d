"""ostrew --swobodny against Python's configparser: every INI file under the
given folder (grouped by what it exercises, real configuration files in
prawdziwe/) and random files made of the dialect's tricky pieces are
converted, and the XML must say section by section, key by key and value by
value what ConfigParser(interpolation=None, strict=True) with the keys'
letter case kept reads from the same file (as UTF-8, a byte order mark
skipped). Where configparser raises an error, ostrew must end with status 1,
one line FILE:LINE:COLUMN: TEXT at or before configparser's line, and no
output; where configparser reads a character XML 1.0 cannot hold into a
name or a value, ostrew must say so in the same way.

    python3 swobodny_krzyzowo.py OSTREW FOLDER [RANDOM_FILES [SEED]]
"""
import configparser
import os
import random
import re
import resource
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

LIMIT_BAJTOW = 4 << 20  # the largest file a run may write
XML_ZLE = re.compile('[\x00-\x08\x0b\x0c\x0e-\x1f\ufffe\uffff]')


def configparser_czyta(sciezka):
    """(sections, error): sections a list of (name, [(key, value)]) with
    DEFAULT where it first stands, or the exception and its line (or None)."""
    p = configparser.ConfigParser(interpolation=None, strict=True)
    p.optionxform = str
    try:
        with open(sciezka, encoding='utf-8-sig') as f:
            p.read_file(f)
    except (configparser.Error, UnicodeDecodeError) as e:
        linia = getattr(e, 'lineno', None)
        if isinstance(e, configparser.ParsingError) and not isinstance(e, configparser.MissingSectionHeaderError):
            linia = e.errors[0][0]
        return None, (e, linia)
    wynik = [(s, list(p._sections[s].items())) for s in p.sections()]
    if p._defaults:
        wynik.append(('DEFAULT', list(p._defaults.items())))
    return wynik, None


def xml_czyta(sciezka):
    """The same shape from ostrew's XML; repeated DEFAULT sections merged."""
    korzen = ET.parse(sciezka).getroot()
    assert korzen.tag == 'plik_ini', korzen.tag
    sekcje, default = [], []
    for s in korzen:
        assert s.tag == 'sekcja', s.tag
        klucze = []
        for e in s:
            assert e.tag == 'element' and len(e) == 1 and e[0].tag == 'wartosc', ET.tostring(e)
            klucze.append((e.get('nazwa'), e[0].text or ''))
        if s.get('nazwa') == 'DEFAULT':
            default.extend(klucze)
        else:
            sekcje.append((s.get('nazwa'), klucze))
    if default:
        sekcje.append(('DEFAULT', default))
    return sekcje


def ogranicz():
    resource.setrlimit(resource.RLIMIT_FSIZE, (LIMIT_BAJTOW, LIMIT_BAJTOW))


def sprawdz(ostrew, sciezka, praca):
    """The faults found for one input file, as texts."""
    for f in os.listdir(praca):
        os.remove(os.path.join(praca, f))
    shutil.copyfile(sciezka, os.path.join(praca, 'we.ini'))
    r = subprocess.run([ostrew, '--swobodny', 'we.ini', 'wy.xml'], cwd=praca, capture_output=True,
                       timeout=10, preexec_fn=ogranicz)
    konsola = r.stdout.decode('utf-8', 'replace')
    if r.stderr:
        return ['standard error: %r' % r.stderr[:200]]
    sekcje, blad = configparser_czyta(sciezka)
    if sekcje is not None:
        teksty = [s for s, _ in sekcje] + [t for _, kl in sekcje for kv in kl for t in kv]
        if any(XML_ZLE.search(t) for t in teksty):
            blad = ('a character XML cannot hold', None)
    pliki = sorted(os.listdir(praca))
    if blad is not None:
        m = re.fullmatch(r'we\.ini:(\d+):(\d+): (.+)\n', konsola)
        bledy = []
        if r.returncode != 1 or not m:
            bledy.append('configparser: %s; ostrew: status %d, %r' % (blad[0], r.returncode, konsola))
        elif blad[1] is not None and int(m.group(1)) > blad[1]:
            bledy.append('error at line %s, configparser\'s at %d: %s' % (m.group(1), blad[1], konsola))
        elif blad[0] == 'a character XML cannot hold' and 'niedozwolony w XML' not in konsola:
            bledy.append('expected the XML character error: %r' % konsola)
        if pliki != ['we.ini']:
            bledy.append('files left after the error: %s' % pliki)
        return bledy
    if r.returncode != 0 or konsola:
        return ['configparser reads it; ostrew: status %d, %r' % (r.returncode, konsola)]
    if pliki != ['we.ini', 'wy.xml']:
        return ['files after the run: %s' % pliki]
    try:
        z_xml = xml_czyta(os.path.join(praca, 'wy.xml'))
    except (ET.ParseError, AssertionError) as e:
        return ['the XML does not read: %s' % e]
    if z_xml != sekcje:
        for a, b in zip(z_xml + [None] * len(sekcje), sekcje + [None] * len(z_xml)):
            if a != b:
                return ['XML %r, configparser %r' % (a, b)]
    return []


# Pieces of lines that together meet most of the dialect's rules.
KAWALKI_POCZATKU = ['', ' ', '  ', '\t', '\u00a0', '\u3000', '\x0c']
KAWALKI_LINII = [
    '[s]', '[t] x', '[DEFAULT]', '[a]]', '[ ]', '[k]', 'k = v', 'k=v', 'K: v', 'k :', 'k =',
    'k = a ; b', 'k = # c', '# k', '; k', 'k = v = w', 'k:b=c', 'k\t=\tv\t', 'k = &<>"', 'ą = ż',
    'k = \u00a0v\u00a0', '', '', '   ', '[a\tb]', 'k2 = 1', 'k', 'k k', 'k v',
]
# Lines that make most files errors: rarer.
KAWALKI_BLEDOW = ['[]', '[', '= v', ': v', 'k = \x01', 'k = \ufffe']
KONCE = ['\n', '\n', '\n', '\r\n', '\r']


def losowy_plik(los):
    linie = ['[s]'] if los.random() < 0.8 else []
    for _ in range(los.randint(0, 12)):
        kawalek = los.choice(KAWALKI_BLEDOW if los.random() < 0.02 else KAWALKI_LINII)
        # Keys mostly differ; sometimes they repeat.
        kawalek = kawalek.replace('k', los.choice('kmnpqrstuw'))
        linie.append(los.choice(KAWALKI_POCZATKU) + kawalek + los.choice(['', '', ' ', '\t']))
    tekst = ''.join(l + los.choice(KONCE) for l in linie)
    if los.random() < 0.2:
        tekst = tekst.rstrip('\r\n')
    return tekst.encode('utf-8')


def main():
    ostrew = os.path.abspath(sys.argv[1])
    folder = sys.argv[2]
    losowych = int(sys.argv[3]) if len(sys.argv) > 3 else 300
    los = random.Random(int(sys.argv[4]) if len(sys.argv) > 4 else 1)
    praca = tempfile.mkdtemp(prefix='swobodny_praca.')
    losowe = tempfile.mkdtemp(prefix='swobodny_losowe.')
    pliki = []
    for kat, _, nazwy in sorted(os.walk(folder)):
        pliki += [os.path.join(kat, n) for n in sorted(nazwy)]
    # Every character above U+007F that Python takes for white space, around
    # a key and its value and as the indentation of a continued value.
    biale = [chr(c) for c in range(0x80, 0x10000) if chr(c).isspace()]
    sciezka = os.path.join(losowe, 'biale.ini')
    with open(sciezka, 'wb') as f:
        f.write(('[s]\n' + ''.join('k%d%s=%sv%s\n%sdalej%s\n' % (i, b, b, b, b, b)
                                   for i, b in enumerate(biale))).encode('utf-8'))
    pliki.append(sciezka)
    for i in range(losowych):
        sciezka = os.path.join(losowe, 'los_%03d.ini' % i)
        with open(sciezka, 'wb') as f:
            f.write(losowy_plik(los))
        pliki.append(sciezka)
    bledy = 0
    zgodne = {'czyta': 0, 'blad': 0}
    try:
        for sciezka in pliki:
            problemy = sprawdz(ostrew, sciezka, praca)
            if problemy:
                bledy += 1
                print('FAIL: %s' % os.path.relpath(sciezka, folder) if not sciezka.startswith(losowe)
                      else 'FAIL: %s %r' % (os.path.basename(sciezka), open(sciezka, 'rb').read()))
                for p in problemy:
                    print('  ' + p)
            else:
                zgodne['blad' if configparser_czyta(sciezka)[1] else 'czyta'] += 1
    finally:
        shutil.rmtree(praca)
        shutil.rmtree(losowe)
    print('%d files: %d read alike, %d rejected by both, %d differ' %
          (len(pliki), zgodne['czyta'], zgodne['blad'], bledy))
    # The check could not fail if nothing had been read, or nothing rejected.
    if zgodne['czyta'] == 0 or zgodne['blad'] == 0:
        print('FAIL: the files do not cover both outcomes')
        return 1
    return 1 if bledy else 0


if __name__ == '__main__':
    sys.exit(main())
