#!/usr/bin/env python3
"""The pages of bryzas_analiza --html in headless chromium: the examples,
conflicts, a dangling else and a production of three rows (html/Wiszace.gpa),
a grammar stopped by its syntax (html/Skladnia.gpa), and COUNT random grammars
of each notation as losowe.py and rozszerzone.py draw them. The console and
status must be as without --html, P.html the one file added. Every page, with
html/sprawdz.js appended to a copy, loads in a frame of one driver page, so
that one browser run checks them all (sprawdz.js says what).

Usage: html_przegladarka.py BIN_DIR SRC_DIR COUNT SEED (77: no browser)
"""
import html, json, os, random, re, resource, shutil, subprocess, sys, tempfile

TU = os.path.dirname(os.path.realpath(__file__))
sys.path.insert(0, TU)
import losowe, rozszerzone  # noqa: E402

FLAGI = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
         '--disable-background-networking', '--disable-component-update', '--disable-sync',
         '--allow-file-access-from-files', '--virtual-time-budget=30000']
SZEROKOSC = 960


def lewe_strony(tekst):
    """The left sides of a grammar in their order: inserts, parameters and
    comments left out, up to the FIRST section."""
    t = re.sub(r'#\$.*?\$#|<\$.*?\$>', ' ', tekst, flags=re.S)
    t = re.sub(r'--[^\n]*', ' ', t).split('%%')[0]
    return re.findall(r'"([^"\s]+)"\s*=', t)


def przypadki(zrodla, ile, ziarno):
    """(name, {file: text}, box labels required, labels forbidden, stopped by syntax)."""
    w = []
    for katalog, nazwa, napisy, zakazane in [
            ('examples/kalk', 'Kalk', ['"+"', '"("', "'Liczba'"], ["'Plus'"]),
            ('examples/kalk_rozszerzony', 'Kalk', ['"*"'], ["'Razy'"]),
            ('tests/examples/json', 'Json', ['"{"', '"true"', "'Napis'"], ["'LKlamra'"]),
            ('tests/examples/pl0', 'Pl0', [], []),
            ('examples/analiza', 'Instr', ["'Srednik'"], []),
            ('tests/analyzer/html', 'Wiszace', [], []),
            ('tests/analyzer/html', 'Skladnia', [], [])]:
        sciezki = [os.path.join(zrodla, katalog, nazwa + r) for r in ('.gpa', '.tok')]
        pliki = {os.path.basename(s): open(s, encoding='latin-1').read() for s in sciezki if os.path.exists(s)}
        w.append((nazwa, pliki, napisy, zakazane, nazwa == 'Skladnia'))
    r = random.Random(ziarno)
    for _ in range(ile):
        w.append(('G', {'G.gpa': losowe.tekst(losowe.losuj(r))}, [], [], False))
        w.append(('G', {'G.gpa': rozszerzone.tekst(rozszerzone.losuj(r)), 'G.tok': rozszerzone.TOKENY}, [],
                  ["'%s'" % t for t in rozszerzone.TERMINALE], False))
    return w


def uruchom(bin_dir, katalog, *argumenty):
    ogranicz = lambda: resource.setrlimit(resource.RLIMIT_FSIZE, (8 << 20, 8 << 20))
    p = subprocess.run([os.path.join(bin_dir, 'bryzas_analiza'), *argumenty], cwd=katalog, capture_output=True,
                       timeout=60, preexec_fn=ogranicz, env=dict(os.environ, SOURCE_DATE_EPOCH='0'))
    return p.stdout.decode('latin-1'), p.stderr.decode('latin-1'), p.returncode


def przygotuj(bin_dir, katalog, przypadek):
    """Runs the analyser twice, writes the page to check; returns faults of the run."""
    nazwa, pliki, napisy, zakazane, bez_modelu = przypadek
    os.makedirs(katalog)
    for plik, tekst in pliki.items():
        with open(os.path.join(katalog, plik), 'w', encoding='latin-1') as f: f.write(tekst)
    bez = uruchom(bin_dir, katalog, nazwa)
    przed = set(os.listdir(katalog))
    z = uruchom(bin_dir, katalog, '--html', nazwa)
    if z != bez:
        return ['--html changes the console or the status: %r against %r' % (z, bez)]
    if set(os.listdir(katalog)) - przed != {nazwa + '.html'}:
        return ['--html writes %s' % sorted(set(os.listdir(katalog)) - przed)]
    konsola = bez[0]
    komunikaty = [{'poz': l + ':' + c, 'waga': w, 'tekst': t, 'linia': '%s.gpa:%s:%s: %s: %s' % (nazwa, l, c, w, t)}
                  for l, c, w, t in re.findall(r'^%s\.gpa:(\d+):(\d+): (blad|ostrzezenie): (.*)$' % nazwa, konsola, re.M)]
    oczekiwane = {
        'produkcje': [] if bez_modelu else lewe_strony(pliki[nazwa + '.gpa']),
        'podsumowanie': re.search(r'^\*\*\* (bledy: \d+, ostrzezenia: \d+)$', konsola, re.M).group(1),
        'liczba_komunikatow': len(re.findall(r'^\S+:\d+:\d+: (?:blad|ostrzezenie): ', konsola, re.M)),
        'komunikaty': komunikaty, 'napisy': napisy, 'zakazane': zakazane, 'bez_modelu': bez_modelu,
        'max_szerokosc': SZEROKOSC}
    with open(os.path.join(katalog, nazwa + '.html'), encoding='utf-8') as f: strona = f.read()
    with open(os.path.join(TU, 'html', 'sprawdz.js'), encoding='utf-8') as f: skrypt = f.read()
    with open(os.path.join(katalog, 'test.html'), 'w', encoding='utf-8') as f:
        f.write(strona + '<script>window.OCZEKIWANE = %s;</script>\n<script>\n%s</script>\n'
                % (json.dumps(oczekiwane).replace('<', '\\u003c'), skrypt))
    return []


def przegladarka(chromium, katalog, strony):
    """Loads every page in a frame of one driver page: {page: faults}."""
    with open(os.path.join(katalog, 'index.html'), 'w') as f:
        f.write('<!DOCTYPE html><html><body>\n')
        f.write(''.join('<iframe src="%s"></iframe>\n' % s for s in strony))
        f.write('''<script>addEventListener("load", () => {
  const w = {};
  for (const f of document.querySelectorAll("iframe")) {
    const v = f.contentDocument && f.contentDocument.getElementById("werdykt");
    w[f.getAttribute("src")] = v ? JSON.parse(v.textContent) : ["no verdict: the check did not run"];
  }
  document.body.insertAdjacentHTML("beforeend", "<pre id=wyniki></pre>");
  document.getElementById("wyniki").textContent = JSON.stringify(w);
});</script></body></html>
''')
    profil = os.path.join(katalog, 'profil')
    try:
        p = subprocess.run([chromium, *FLAGI, '--user-data-dir=' + profil, '--dump-dom',
                            'file://' + os.path.join(katalog, 'index.html')], capture_output=True, timeout=600)
    except subprocess.TimeoutExpired:
        return None, 'chromium ran for 600 s'
    m = re.search(r'<pre id="wyniki">(.*?)</pre>', p.stdout.decode('utf-8', 'replace'), re.S)
    if not m:
        return None, 'status %d, %s' % (p.returncode, p.stderr.decode('utf-8', 'replace')[-2000:])
    return json.loads(html.unescape(m.group(1))), ''


def main():
    bin_dir, zrodla, ile, ziarno = os.path.realpath(sys.argv[1]), sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
    chromium = shutil.which('chromium') or shutil.which('chromium-browser')
    if not chromium:
        print('SKIP: no chromium to check the pages in (Debian package chromium; .ci/install-deps installs it)')
        sys.exit(77)
    bledy = 0
    with tempfile.TemporaryDirectory() as d:
        strony, opisy = [], {}
        for i, p in enumerate(przypadki(zrodla, ile, ziarno)):
            katalog = os.path.join(d, str(i))
            for b in przygotuj(bin_dir, katalog, p):
                print('FAIL: %s (%d): %s' % (p[0], i, b[:2000])); bledy += 1
            if os.path.exists(os.path.join(katalog, 'test.html')):
                strony.append('%d/test.html' % i)
                opisy[strony[-1]] = p
        wyniki, powod = przegladarka(chromium, d, strony)
        if wyniki is None:  # a browser that cannot start here is no browser to be had
            print('SKIP: chromium gave no verdict: ' + powod)
            sys.exit(77)
        for s in strony:
            zle = wyniki.get(s, ['no verdict'])
            for b in zle: print('FAIL: %s (%s): %s' % (s, opisy[s][0], b))
            if zle and opisy[s][0] == 'G': print(opisy[s][1]['G.gpa'])
            bledy += len(zle)
    print('%d pages checked in chromium, %d faults' % (len(strony), bledy))
    sys.exit(1 if bledy else 0)


if __name__ == '__main__':
    main()
