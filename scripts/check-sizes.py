#!/usr/bin/python3
"""Lists the source files outside tests/ longer than --file lines and the functions longer than
--function lines; exits 1 when there is any. Lines inside raw string literals (documents and
scripts kept as data) do not count toward a function. Function bodies are found by matching braces
in the text without comments and strings, which is enough for this code base.

usage: check-sizes.py [SOURCE-DIR] [--file N] [--function N]   (defaults 450 and 80)
"""
import argparse
import os
import re
import subprocess
import sys


def strip(src):
    """The text without comments and strings; raw strings become "" followed by a marker line per line."""
    out, i, n = [], 0, len(src)
    while i < n:
        c = src[i]
        if src.startswith('//', i):
            j = src.find('\n', i)
            i = n if j < 0 else j
            continue
        if src.startswith('/*', i):
            j = src.find('*/', i + 2)
            j = n if j < 0 else j + 2
            out.append('\n' * src.count('\n', i, j))
            i = j
            continue
        m = re.match(r'R"([^(\s]*)\(', src[i:i + 20]) if c == 'R' and (i == 0 or not src[i - 1].isalnum()) else None
        if m:
            end = ')' + m.group(1) + '"'
            j = src.find(end, i)
            j = n if j < 0 else j + len(end)
            out.append('""' + '\n\x01' * src.count('\n', i, j))  # \x01: a line of data
            i = j
            continue
        if c in '"\'':
            j = i + 1
            while j < n and src[j] != c:
                j += 2 if src[j] == '\\' else 1
            out.append(c + c)
            i = j + 1
            continue
        out.append(c)
        i += 1
    return ''.join(out)


def long_functions(path, limit):
    s = strip(open(path, encoding='utf-8', errors='replace').read())
    found, stack, last, line, data = [], [], 0, 1, 0
    for i, c in enumerate(s):
        if c == '\n':
            line += 1
            if i + 1 < len(s) and s[i + 1] == '\x01':
                data += 1
        elif c == '{':
            head = ' '.join(s[last:i].split())
            if any(kind == 'f' for kind, _, _, _ in stack):
                kind = 'b'
            elif re.search(r'\b(namespace|class|struct|union|enum)\b[^()]*$', head) or head.endswith('extern ""'):
                kind = 'c'
            elif ')' in head and not re.search(r'=\s*$', head) and not head.endswith(','):
                kind = 'f'
            else:
                kind = 'b'
            stack.append((kind, line, data, head))
            last = i + 1
        elif c == '}':
            if stack:
                kind, start, data0, head = stack.pop()
                length = line - start + 1 - (data - data0)
                if kind == 'f' and length > limit:
                    names = re.findall(r'([~\w:]+)\s*\(', head)
                    found.append((length, f'{path}:{start}', names[0] if names else head[-60:]))
            last = i + 1
        elif c == ';':
            last = i + 1
    return found


def main():
    parser = argparse.ArgumentParser(description='Source files and functions over a length.')
    parser.add_argument('root', nargs='?', default='.')
    parser.add_argument('--file', type=int, default=450)
    parser.add_argument('--function', type=int, default=80)
    args = parser.parse_args()
    os.chdir(args.root)
    try:
        files = subprocess.run(['git', 'ls-files', '*.cpp', '*.h', '*.c'], capture_output=True, text=True,
                               check=True).stdout.split()
    except (OSError, subprocess.CalledProcessError):  # not a checkout (a source package): every file
        files = [os.path.relpath(os.path.join(folder, n)) for folder, _, names in os.walk('.') for n in names
                 if n.endswith(('.cpp', '.h', '.c')) and not folder.startswith('./build')]
    files = [f for f in files if not f.startswith('tests/')]
    bad = False
    for f in files:
        with open(f, encoding='utf-8', errors='replace') as text:
            n = sum(1 for _ in text)
        if n > args.file:
            print(f'{f}: {n} lines (at most {args.file})')
            bad = True
    functions = [x for f in files for x in long_functions(f, args.function)]
    for length, where, name in sorted(functions, reverse=True):
        print(f'{where}: {name} is {length} lines (at most {args.function})')
        bad = True
    return 1 if bad else 0


if __name__ == '__main__':
    sys.exit(main())
