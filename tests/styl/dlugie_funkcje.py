#!/usr/bin/env python3
"""No function of the product code is longer than 80 lines.

    dlugie_funkcje.py TOP [LIMIT]

Reads every .cpp and .h under the product folders (wspolne, gramatyka,
generator, analyzer, converter) and measures each function body: from the
line of its opening brace at depth 0 (a namespace's brace does not count)
to its closing brace. Raw strings, string and character literals and
comments are skipped when braces are counted. Prints each function over
the limit and fails when there is one.
"""
import os
import re
import sys

FOLDERS = ('wspolne', 'gramatyka', 'generator', 'analyzer', 'converter')
TOKEN = re.compile(r'R"(?P<d>[^(]*)\(.*?\)(?P=d)"|"(?:\\.|[^"\\])*"|\'(?:\\.|[^\'\\])*\'|//[^\n]*|/\*.*?\*/|[{}]',
                   re.S)


def functions(text):
    """(first line, last line, head) of every brace block that opens at the
    outermost level outside namespaces, classes and initialisers."""
    stack = []  # (kind, line, head)
    last = 0
    for m in TOKEN.finditer(text):
        tok = m.group(0)
        if tok not in '{}':
            continue
        line = text.count('\n', 0, m.start()) + 1
        if tok == '{':
            head = text[last:m.start()].strip().split('\n')[-1]
            inside = [k for k, _, _ in stack if k == 'f']
            if inside:
                kind = 'b'
            elif re.search(r'\b(namespace|class|struct|enum|union)\b[^;()]*$', head) or not head.endswith(')') and \
                    not re.search(r'\)\s*(const|override|noexcept|final|->[^{]*)*\s*$', head):
                kind = 'n'
            else:
                kind = 'f'
            stack.append((kind, line, head))
        elif stack:
            kind, first, head = stack.pop()
            if kind == 'f' and not any(k == 'f' for k, _, _ in stack):
                yield first, line, head
        last = m.end()


def main():
    top = sys.argv[1]
    limit = int(sys.argv[2]) if len(sys.argv) > 2 else 80
    bad = []
    for folder in FOLDERS:
        for root, _, files in os.walk(os.path.join(top, folder)):
            for name in sorted(files):
                if not name.endswith(('.cpp', '.h')):
                    continue
                path = os.path.join(root, name)
                with open(path, encoding='latin-1') as f:
                    text = f.read()
                for first, last_line, head in functions(text):
                    if last_line - first + 1 > limit:
                        bad.append(f'{os.path.relpath(path, top)}:{first}: {last_line - first + 1} lines: {head}')
    for b in bad:
        print(b)
    print(f'{len(bad)} functions over {limit} lines')
    return 1 if bad else 0


if __name__ == '__main__':
    sys.exit(main())
