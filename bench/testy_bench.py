"""Checks of the bench's own tools: the timer, the input generators, the
INI peers and the JSON and PL/0 recognisers. A fault in any of them would make the
bench's numbers meaningless, so `make bench` runs these first.

    python3 bench/testy_bench.py [-v]

The C tools are compiled into a scratch directory, or taken from the
directory named by BENCH_NARZEDZIA (where uruchom.sh has compiled them).
The JSON and PL/0 recognisers are built there by bench/json/buduj.sh and
bench/pl0/buduj.sh (with the bryzas named by BRYZAS, else build/bryzas when
it exists), or taken from BENCH_NARZEDZIA/json and /pl0 when uruchom.sh has
built them; those missing are skipped.
"""
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

BENCH = os.path.dirname(os.path.abspath(__file__))
TOP = os.path.dirname(BENCH)
TOOLS = None  # directory with mierz, generuj_ini, generuj_json and ini_xml_inih
RECOGNISERS = ('bryzas', 'bryzas_o2', 'coco', 'bison', 'bison_cf', 're2c')


def setUpModule():
    global TOOLS
    TOOLS = os.environ.get('BENCH_NARZEDZIA')
    if TOOLS:
        return
    TOOLS = tempfile.mkdtemp(prefix='bench_testy.')
    for exe, source, libs in [('mierz', 'mierz.c', []),
                              ('generuj_ini', 'generuj_ini.c', []),
                              ('generuj_json', 'generuj_json.c', []),
                              ('generuj_pl0', 'generuj_pl0.c', []),
                              ('pisz_pliki', 'pisz_pliki.c', []),
                              ('ini_xml_inih', 'peers/ini_xml_inih.c', ['-linih'])]:
        # Without libinih-dev the inih peer is missing and its checks skipped.
        subprocess.run(['cc', '-O2', '-o', os.path.join(TOOLS, exe),
                        os.path.join(BENCH, source)] + libs, check=exe != 'ini_xml_inih')
    bryzas = os.environ.get('BRYZAS', os.path.join(TOP, 'build', 'bryzas'))
    for part in ('json', 'pl0'):
        subprocess.run(['bash', os.path.join(BENCH, part, 'buduj.sh'),
                        bryzas if os.access(bryzas, os.X_OK) else '', os.path.join(TOOLS, part)],
                       check=True)


def tearDownModule():
    if not os.environ.get('BENCH_NARZEDZIA'):
        shutil.rmtree(TOOLS, ignore_errors=True)


def tool(name):
    return os.path.join(TOOLS, name)


def run(args, cwd=None):
    return subprocess.run(args, cwd=cwd, capture_output=True, timeout=120)


class Timer(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix='bench_mierz.')

    def tearDown(self):
        shutil.rmtree(self.dir)

    def measure(self, *args):
        r = run([tool('mierz')] + list(args), cwd=self.dir)
        return r.returncode, r.stdout.decode().split(), r.stderr.decode()

    def test_median_of_an_even_count_is_the_mean_of_the_middle_two(self):
        # Run k sleeps the k-th of 0.02, 0.6, 0.1, 0.3 s: sorted, the middle
        # two are 0.1 and 0.3, so the median is 0.2 and the minimum 0.02.
        script = ('n=$(cat n 2>/dev/null || echo 0); echo $((n+1)) > n; '
                  'case $n in 0) t=0.02;; 1) t=0.6;; 2) t=0.1;; *) t=0.3;; esac; sleep $t')
        status, out, _ = self.measure('-n', '4', '--', 'sh', '-c', script)
        self.assertEqual(status, 0)
        median, minimum, _, runs = out
        self.assertEqual(runs, '4')
        self.assertTrue(0.19 <= float(median) < 0.27, median)
        self.assertTrue(0.015 <= float(minimum) < 0.09, minimum)

    def test_cpu_time_leaves_out_waiting_and_counts_work(self):
        status, out, _ = self.measure('-n', '2', '-c', '--', 'sleep', '0.3')
        self.assertEqual(status, 0)
        self.assertLess(float(out[0]), 0.1, out)  # a sleeping child uses no CPU
        status, wall, _ = self.measure('-n', '2', '--', 'sleep', '0.3')
        self.assertGreaterEqual(float(wall[0]), 0.3, wall)
        spin = 'import time\nt = time.process_time()\nwhile time.process_time() - t < 0.3: pass'
        status, out, _ = self.measure('-n', '2', '-c', '--', sys.executable, '-c', spin)
        self.assertEqual(status, 0)
        self.assertGreaterEqual(float(out[0]), 0.3, out)

    def test_peak_memory_is_the_childs_largest_resident_size(self):
        grab = 'b = bytearray(80 * 1024 * 1024); b[::4096] = b"x" * len(b[::4096])'
        status, out, _ = self.measure('-n', '2', '--', sys.executable, '-c', grab)
        self.assertEqual(status, 0)
        self.assertGreaterEqual(int(out[2]), 80 * 1024)
        status, out, _ = self.measure('-n', '2', '--', 'true')
        self.assertLess(int(out[2]), 10 * 1024)

    def test_a_failing_or_killed_run_stops_the_measurement(self):
        status, out, err = self.measure('-n', '3', '--', 'sh', '-c', 'exit 3')
        self.assertEqual((status, out), (1, []))
        self.assertIn('status 3', err)
        status, out, err = self.measure('--', 'sh', '-c', 'kill -9 $$')
        self.assertEqual((status, out), (1, []))
        self.assertIn('signal 9', err)
        status, _, err = self.measure('--', './no_such_program')
        self.assertEqual(status, 1)
        self.assertIn('status 127', err)

    def test_a_run_may_be_told_the_status_it_ends_with(self):
        status, out, _ = self.measure('-n', '2', '-s', '3', '--', 'sh', '-c', 'exit 3')
        self.assertEqual((status, len(out)), (0, 4))
        status, out, err = self.measure('-s', '3', '--', 'true')
        self.assertEqual((status, out), (1, []))
        self.assertIn('status 0', err)

    def test_listed_files_are_removed_before_every_run(self):
        once = 'test ! -e wynik && echo x > wynik'
        status, _, _ = self.measure('-n', '3', '-r', 'wynik', '--', 'sh', '-c', once)
        self.assertEqual(status, 0)
        self.assertTrue(os.path.exists(os.path.join(self.dir, 'wynik')))  # the last run's stays
        status, _, err = self.measure('-n', '2', '--', 'sh', '-c', once)
        self.assertEqual(status, 1, err)

    def test_jobs_take_turns_each_in_its_own_directory(self):
        os.mkdir(os.path.join(self.dir, 'b'))
        log = os.path.join(self.dir, 'log')
        status, out, _ = self.measure('-n', '3', '--', 'sh', '-c', f'echo a >> {log}', ';',
                                      '-C', 'b', '--', 'sh', '-c', f'echo $(basename $PWD) >> {log}')
        self.assertEqual(status, 0)
        self.assertEqual(len(out), 8)  # two lines of four fields
        with open(log) as f:
            runs = f.read().split()
        # every round runs each job once, in an order of its own
        self.assertEqual([sorted(runs[i:i + 2]) for i in range(0, 6, 2)], [['a', 'b']] * 3)
        status, _, err = self.measure('--', 'true', ';', '--', 'sh', '-c', 'exit 4')
        self.assertEqual(status, 1)
        self.assertIn('job 2', err)

    def test_standard_input_and_output_are_redirected(self):
        with open(os.path.join(self.dir, 'we'), 'wb') as f:
            f.write(b'abc\n')
        status, _, _ = self.measure('-n', '2', '-i', 'we', '-o', 'wy', '--', 'cat')
        self.assertEqual(status, 0)
        with open(os.path.join(self.dir, 'wy'), 'rb') as f:
            self.assertEqual(f.read(), b'abc\n')


class FileWriter(unittest.TestCase):
    def test_copies_each_file_and_reports_a_failed_write(self):
        with tempfile.TemporaryDirectory() as d:
            os.mkdir(os.path.join(d, 'wzor'))
            for name, text in [('a.adb', b'a\n' * 5000), ('b.lst', b'')]:
                with open(os.path.join(d, 'wzor', name), 'wb') as f:
                    f.write(text)
            self.assertEqual(run([tool('pisz_pliki'), 'wzor', 'a.adb', 'b.lst'], cwd=d).returncode, 0)
            for name in ('a.adb', 'b.lst'):
                with open(os.path.join(d, name), 'rb') as f, open(os.path.join(d, 'wzor', name), 'rb') as g:
                    self.assertEqual(f.read(), g.read())
            os.symlink('/dev/full', os.path.join(d, 'pelny'))
            shutil.copy(os.path.join(d, 'wzor', 'a.adb'), os.path.join(d, 'wzor', 'pelny'))
            self.assertEqual(run([tool('pisz_pliki'), 'wzor', 'pelny'], cwd=d).returncode, 1)
            self.assertEqual(run([tool('pisz_pliki'), 'wzor', 'brak'], cwd=d).returncode, 1)


LETTER = '[A-Za-z\xc0-\xd6\xd8-\xf6\xf8-\xff]'
NAME = f'(?:{LETTER}|_)(?:{LETTER}|[0-9_])*'
VALUE = f'(?:"{NAME}"|[0-9]+|{NAME})'
COMMENT = '(?: ;.*)?'
SECTION_LINE = re.compile(f'\\[({NAME})\\]{COMMENT}')
KEY_LINE = re.compile(f'({NAME}) ?= ?({VALUE}(?:, ?{VALUE})*){COMMENT}')


class IniGenerator(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.text = run([tool('generuj_ini'), '300000']).stdout

    def test_same_seed_same_file_and_the_size_asked_for(self):
        self.assertEqual(run([tool('generuj_ini'), '300000']).stdout, self.text)
        self.assertNotEqual(run([tool('generuj_ini'), '300000', '7']).stdout, self.text)
        self.assertTrue(300000 <= len(self.text) < 302000, len(self.text))
        self.assertTrue(self.text.endswith(b'\n'))

    def test_every_line_is_read_alike_by_ostrew_inih_and_configparser(self):
        sections, keys, kinds = set(), set(), set()
        seen = {'comment': 0, 'empty': 0, 'inline': 0, 'latin1': 0}
        last_section_keys = 1
        for number, raw in enumerate(self.text.decode('latin-1').split('\n')[:-1], 1):
            where = f'line {number}: {raw!r}'
            self.assertLess(len(raw), 200, where)  # inih's line limit
            self.assertNotIn('\r', raw, where)
            if raw == '':
                seen['empty'] += 1
            elif raw.startswith(';'):
                seen['comment'] += 1
            elif m := SECTION_LINE.fullmatch(raw):
                self.assertGreater(last_section_keys, 0, 'a section without keys')
                self.assertLess(len(m[1]), 50, where)  # inih's section limit
                self.assertNotIn(m[1], sections, where)
                self.assertNotEqual(m[1], 'DEFAULT')
                sections.add(m[1])
                keys, last_section_keys = set(), 0
            else:
                m = KEY_LINE.fullmatch(raw)
                self.assertIsNotNone(m, where)
                seen['latin1'] += any(ord(c) > 127 for c in raw)
                self.assertNotIn(m[1], keys, where)
                keys.add(m[1])
                last_section_keys += 1
                seen['inline'] += ' ;' in raw
                for v in re.split(', ?', m[2]):
                    self.assertLessEqual(len(v.strip('"')), 100, where)
                    if v.startswith('"'):
                        kinds.add('string')
                    elif v[0].isdigit():
                        kinds.add('number')
                        self.assertLessEqual(int(v), 2147483647, where)
                    else:
                        kinds.add('name')
        self.assertGreater(len(sections), 100)
        self.assertEqual(kinds, {'string', 'number', 'name'})
        for what, count in seen.items():
            self.assertGreater(count, 10, what)


class GrammarGenerator(unittest.TestCase):
    def grammar(self, n, seed=None):
        args = [sys.executable, os.path.join(BENCH, 'generuj_gramatyke.py'), str(n)]
        r = run(args + ([str(seed)] if seed is not None else []))
        return r.returncode, r.stdout.decode()

    def test_productions_symbols_and_sections(self):
        for n in (1, 10, 200):
            status, text = self.grammar(n)
            self.assertEqual(status, 0)
            self.assertEqual(self.grammar(n), (status, text))
            self.assertNotEqual(self.grammar(n, 3)[1], text)
            inserts = re.findall(r'#\$(.*?)\$#', text)
            self.assertTrue(all(len(i) <= 100 for i in inserts))
            self.assertTrue(all(len(line) < 1000 for line in text.split('\n')))
            body, first = text.split('\n%%\n')
            plain = re.sub(r'#\$.*?\$#', '', body)
            lefts = re.findall(r'^"(\w+)"', plain, re.M)
            self.assertEqual(len(lefts), n)
            self.assertEqual(len(set(lefts)), n)
            self.assertEqual(set(re.findall(r'"(\w+)"', plain)), set(lefts))
            self.assertLessEqual(len(set(re.findall(r"'(\w+)'", plain))), 200)
            self.assertEqual(plain.count('='), n)
            self.assertEqual(re.findall(r'^"(\w+)" :', first, re.M), lefts)
            keywords = re.findall(r'^\+\+(\w+)', body, re.M)
            self.assertEqual(keywords, ['with_use', 'with_use', 'pak_dekl', 'pak_dekl',
                                        'init_dekl', 'init_instr', 'init_instr_przed',
                                        'init_instr_po', 'except_skan', 'except_pars'])
        for group in ('{', '[', '(', '|'):
            self.assertIn(group, plain)

    def test_more_than_the_table_holds_is_refused(self):
        self.assertNotEqual(self.grammar(201)[0], 0)
        self.assertNotEqual(self.grammar(0)[0], 0)


class ChainGenerator(unittest.TestCase):
    def chain(self, n, *options):
        d = tempfile.mkdtemp(prefix='bench_lancuch.')
        self.addCleanup(shutil.rmtree, d)
        r = run([sys.executable, os.path.join(BENCH, 'generuj_lancuch.py'), str(n),
                 os.path.join(d, 'L')] + list(options))
        self.assertEqual(r.returncode, 0)
        with open(os.path.join(d, 'L.gpa')) as g, open(os.path.join(d, 'L.tok')) as t:
            return g.read(), t.read()

    def test_productions_terminals_and_one_error_each(self):
        grammar, tokens = self.chain(30)
        self.assertEqual(len(re.findall(r'^"N\d+" =', grammar, re.M)), 30)
        used = set(re.findall(r"'(\w+)'", grammar))
        self.assertEqual(len(used), 4 * 30)
        self.assertEqual(set(re.findall(r"^'(\w+)' =", tokens, re.M)), used)
        self.assertEqual(self.chain(30), (grammar, tokens))
        faulty, _ = self.chain(30, '--bledy')
        lines = [l for l in faulty.split('\n') if l.startswith('"N')][:-1]
        self.assertTrue(all('<$' in l or 'Brak' in l or "'X" in l for l in lines))


class Peers(unittest.TestCase):
    """Both peers must turn the hand-written sample into the hand-written XML."""

    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix='bench_peers.')
        self.sample = os.path.join(BENCH, 'przyklad', 'a.ini')
        with open(os.path.join(BENCH, 'przyklad', 'a.xml'), 'rb') as f:
            self.expected = f.read()

    def tearDown(self):
        shutil.rmtree(self.dir)

    def peers(self):
        found = [[sys.executable, os.path.join(BENCH, 'peers', 'ini_xml_configparser.py')]]
        if os.path.exists(tool('ini_xml_inih')):
            found.append([tool('ini_xml_inih')])
        return found

    def test_inih_peer_is_built(self):
        if not os.path.exists(tool('ini_xml_inih')):
            self.skipTest('libinih-dev is missing')

    def test_sample_gives_the_expected_xml(self):
        for peer in self.peers():
            out = os.path.join(self.dir, 'a.xml')
            self.assertEqual(run(peer + [self.sample, out]).returncode, 0, peer)
            with open(out, 'rb') as f:
                self.assertEqual(f.read(), self.expected, peer)

    def test_missing_input_or_full_disk_is_a_failure(self):
        for peer in self.peers():
            r = run(peer + [os.path.join(self.dir, 'brak.ini'), os.path.join(self.dir, 'x.xml')])
            self.assertNotEqual(r.returncode, 0, peer)
            self.assertNotEqual(run(peer + [self.sample, '/dev/full']).returncode, 0, peer)


def reject_constant(name):
    raise ValueError(name)  # NaN and Infinity are not JSON


def json_values(text):
    """The number of values in a JSON document (bytes), or None when a strict
    reader rejects it. Members are kept as pairs, so a repeated key counts."""
    def count(v):
        if isinstance(v, list):
            return 1 + sum(map(count, v))
        if isinstance(v, tuple):
            return 1 + sum(count(x) for _, x in v[1])
        return 1
    try:
        return count(json.loads(text.decode('utf-8'), parse_constant=reject_constant,
                                object_pairs_hook=lambda pairs: ('obiekt', pairs)))
    except ValueError:
        return None


class JsonGenerator(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        r = run([tool('generuj_json'), '200000'])
        cls.text, cls.count = r.stdout, int(r.stderr)

    def test_same_seed_same_document_and_the_size_asked_for(self):
        self.assertEqual(run([tool('generuj_json'), '200000']).stdout, self.text)
        self.assertNotEqual(run([tool('generuj_json'), '200000', '7']).stdout, self.text)
        self.assertTrue(200000 <= len(self.text) < 202000, len(self.text))

    def test_strict_json_with_the_count_it_tells(self):
        self.assertEqual(json_values(self.text), self.count)
        self.assertEqual(json_values(self.text.replace(b'\n', b' ')), self.count)

    def test_one_object_a_line_holding_every_kind_of_value(self):
        lines = self.text.decode('utf-8').split('\n')
        self.assertEqual((lines[0], lines[-2:]), ('[', [']', '']))
        for line in lines[1:-2]:
            self.assertIsInstance(json.loads(line.rstrip(',')), dict, line)
        self.assertGreater(len(lines), 1000)
        for piece in ('\\"', '\\\\', '\\u', 'é', 'e+', 'e-', 'E', '.', '-', 'true', 'false',
                      'null', '[]', '{}', '[{', '{"', '": [', '": {'):
            self.assertTrue(piece in self.text.decode('utf-8'), piece)


# Documents a recogniser must judge as a strict JSON reader does, beside the
# lines of tests/examples/json/dokumenty.txt.
MORE_DOCUMENTS = [
    b'"a\x01b"', b'"\t"', b'"\\u12"', b'"\\x"', b'"\\u00E9\\/\\b\\f\\n\\r\\t"',
    b'-0', b'0e5', b'1E+2', b'1e', b'-', b'--1', b'1.5e-3', b'123456789012345678901234567890',
    b'[1,\t2,\r\n3]', b'\x0c[]', b'', b'  \n', b'[1 2]', b'{"a":1,"a":2}', b'{"a":{"b":[{}]}}',
    b'"\xc3\xa9\xc5\x82"', b'truefalse', b'[true,null,false]', b'{"a":}', b'{,}', b'[[]]]',
]


class JsonRecognisers(unittest.TestCase):
    """Each recogniser the bench times accepts what a strict JSON reader
    accepts, rejects the rest, and counts the values as it does."""

    @classmethod
    def setUpClass(cls):
        cls.dir = tempfile.mkdtemp(prefix='bench_json.')
        built = os.path.join(TOOLS, 'json')
        cls.programs, cls.missing = {}, {}
        for name in RECOGNISERS:
            program = os.path.join(built, name, 'rozpoznaj')
            if os.path.exists(program):
                cls.programs[name] = program
            else:
                reason = os.path.join(built, name + '.blad')
                cls.missing[name] = (open(reason).read().strip() if os.path.exists(reason)
                                     else 'not built')
        with open(os.path.join(TOP, 'tests', 'examples', 'json', 'dokumenty.txt'), 'rb') as f:
            cls.documents = [line + b'\n' for line in f.read().split(b'\n') if line]
        cls.documents += MORE_DOCUMENTS
        big = run([tool('generuj_json'), '30000', '3']).stdout
        cls.documents += [big, big.replace(b'\n', b' ')]

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.dir)

    def judge(self, program, document):
        path = os.path.join(self.dir, 'dok.json')
        with open(path, 'wb') as f:
            f.write(document)
        r = run([program, path])
        return r.returncode, r.stdout.decode(errors='replace').strip()

    def test_each_recogniser_agrees_with_a_strict_reader(self):
        if not self.programs:
            self.skipTest('no JSON recogniser built: ' + '; '.join(
                f'{n}: {m}' for n, m in self.missing.items()))
        accepted = rejected = 0
        for document in self.documents:
            expected = json_values(document)
            accepted += expected is not None
            rejected += expected is None
            for name, program in self.programs.items():
                status, out = self.judge(program, document)
                where = f'{name} on {document[:60]!r}: status {status}, printed {out[:60]!r}'
                if expected is None:
                    self.assertEqual(status, 1, where)
                else:
                    self.assertEqual((status, out), (0, str(expected)), where)
        self.assertGreater(accepted, 15)
        self.assertGreater(rejected, 20)

    def test_every_recogniser_is_built(self):
        for name in RECOGNISERS:
            with self.subTest(name):
                if name in self.missing:
                    self.skipTest(f'{name}: {self.missing[name]}')

    def test_bryzas_grammar_is_the_examples_with_a_count(self):
        def productions(path):
            with open(path) as f:
                text = f.read()
            text = re.sub(r'#\$.*?\$#', '', text, flags=re.S)
            text = '\n'.join(line for line in text.split('\n')
                             if not line.startswith(('--', '++')))
            return text.split()
        self.assertEqual(productions(os.path.join(BENCH, 'json', 'Json.gpa')),
                         productions(os.path.join(TOP, 'tests', 'examples', 'json', 'Json.gpa')))


class Pl0(unittest.TestCase):
    """The PL/0 generator writes what it says, and the recognisers the bench
    times agree with each other on every verdict and count."""

    @classmethod
    def setUpClass(cls):
        r = run([tool('generuj_pl0'), '300000'])
        cls.text, cls.count = r.stdout, int(r.stderr)
        cls.dir = tempfile.mkdtemp(prefix='bench_pl0.')
        cls.programs = {}
        for name in ('bryzas', 're2c'):
            program = os.path.join(TOOLS, 'pl0', name, 'rozpoznaj')
            if os.path.exists(program):
                cls.programs[name] = program

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.dir)

    def test_same_seed_same_program_the_size_asked_for_and_every_kind_of_token(self):
        self.assertEqual(run([tool('generuj_pl0'), '300000']).stdout, self.text)
        self.assertNotEqual(run([tool('generuj_pl0'), '300000', '7']).stdout, self.text)
        self.assertTrue(300000 <= len(self.text) < 320000, len(self.text))
        text = self.text.decode('ascii')
        self.assertTrue(text.endswith('.\n'))
        for piece in ('(*', '{ zagniezdzony {', '//', 'PROCEDURE', 'Begin', 'while', 'odd', 'call',
                      ':=', '<=', '>=', '#', '?', '!', 'endx', 'iff'):
            self.assertIn(piece, text)
        self.assertTrue(all(len(line) < 200 for line in text.split('\n')))

    def test_recognisers_agree_on_verdict_and_count(self):
        if len(self.programs) < 2:
            self.skipTest('a PL/0 recogniser is not built')
        with open(os.path.join(TOP, 'tests', 'examples', 'pl0', 'programy', 'leksemy.pl0'), 'rb') as f:
            leksemy = f.read()
        documents = [self.text, self.text[:len(self.text) // 2], self.text.replace(b':=', b'=', 1),
                     self.text.replace(b'(*', b'(* (*', 1), self.text[:-2] + b'\n', leksemy,
                     b'begin end.', b'.', b'x := 1 . y', b'{ { }', b'?x.', b'x := a@b.']
        path = os.path.join(self.dir, 'p.pl0')
        for document in documents:
            with open(path, 'wb') as f:
                f.write(document)
            verdicts = {}
            for name, program in self.programs.items():
                r = run([program, path])
                verdicts[name] = (r.returncode, r.stdout.decode().strip())
            self.assertEqual(len(set(verdicts.values())), 1, (document[:60], verdicts))
        with open(path, 'wb') as f:
            f.write(self.text)
        self.assertEqual(run([self.programs['bryzas'], path]).stdout.decode().strip(), str(self.count))


if __name__ == '__main__':
    unittest.main()
