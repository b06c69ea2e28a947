#!/usr/bin/env python3
"""Checks and prepares the comments of the toolkit's public header (toolkit/vu.h).

  header_comments.py check HEADER     lists every public function declared without a comment
                                      block directly above it; exit code 1 when there is one
  header_comments.py filter HEADER    writes HEADER to standard output as Doxygen reads it
                                      (Doxygen's INPUT_FILTER)

A public function is a line that starts, in the first column, with a return type followed by
a vu_ name (or MainWindowProc) and an opening parenthesis. Its comment is the /* ... */ block
or the run of // lines that ends on the line right above it; the section marker lines
(/* @@name */) and the ruled section banners are no comment.

The header is written in plain C comments, so that it reads well without Doxygen. The filter
turns them into documentation comments without moving a line: the comment above each
declaration becomes /** ... */, the first comment of the file the file's description, and each
ruled banner a named group of the members below it.
"""
import re
import sys

DECLARATION = re.compile(r'^(?!#|typedef\b|extern\s*"|return\b)[A-Za-z_][\w \t*]*?\b'
                         r'(vu_\w+|MainWindowProc)\s*\(')
MARKER = re.compile(r'@@[\w-]+')
RULE = re.compile(r'^\s*/?\*?\s*-{8,}\s*\*?/?\s*$')


def comment_above(lines, index):
    """(first, last) line indexes of the comment block ending right above lines[index],
    or None when the line above is no comment's end."""
    last = index - 1
    if last < 0:
        return None
    above = lines[last].strip()
    if above.startswith('//'):
        first = last
        while first > 0 and lines[first - 1].strip().startswith('//'):
            first -= 1
        return first, last
    if not above.endswith('*/'):
        return None
    first = last
    while '/*' not in lines[first]:
        first -= 1
        if first < 0:
            return None
    # A line such as "int x; /* note */" ends a comment but starts a declaration.
    if not lines[first].lstrip().startswith('/*'):
        return None
    return first, last


def comment_words(lines, first, last):
    """The words of a comment block, without its delimiters and markers; none for a ruled
    section banner."""
    if RULE.match(lines[last]):
        return []
    text = ' '.join(lines[first:last + 1])
    text = MARKER.sub(' ', text)
    text = re.sub(r'/\*+|\*+/|^\s*\*|//+|-{3,}', ' ', text)
    return re.findall(r'[A-Za-z\u00c0-\u00ff]{2,}', text)


def declarations(lines):
    """(line index, function name) of every public function declaration."""
    found = []
    for index, line in enumerate(lines):
        match = DECLARATION.match(line)
        if match:
            found.append((index, match.group(1)))
    return found


def check(path):
    with open(path, encoding='utf-8') as f:
        lines = f.read().split('\n')
    missing = []
    for index, name in declarations(lines):
        block = comment_above(lines, index)
        if block is None or not comment_words(lines, *block):
            missing.append((index + 1, name))
    for number, name in missing:
        print(f'{path}:{number}: {name} has no comment directly above its declaration')
    total = len(declarations(lines))
    if missing:
        print(f'header comments: {len(missing)} of {total} public functions lack a comment')
        return 1
    print(f'header comments: all {total} public functions have a comment')
    return 0


def is_banner(lines, index):
    """A ruled section banner: rule line, title line(s), rule line."""
    if not RULE.match(lines[index]) or not lines[index].lstrip().startswith('/*'):
        return None
    end = index + 1
    while end < len(lines) and not lines[end].rstrip().endswith('*/'):
        end += 1
    if end >= len(lines) or not RULE.match(lines[end]) or end - index < 2:
        return None
    title = ' '.join(l.strip().lstrip('*').strip() for l in lines[index + 1:end]).strip()
    return (end, title) if title else None


def escape_for_doxygen(text):
    # Angle brackets would read as HTML tags, a backslash or at sign as a command, and
    # a '#' before a word as a link. Doxygen shows quoted texts as they are.
    def escape(part):
        part = part.replace('&', '&amp;').replace('<', '&lt;').replace('>', '&gt;')
        return re.sub(r'([\\@#])', r'\\\1', part)
    pieces = re.split(r'("[^"]*")', text)
    return ''.join(p if p.startswith('"') else escape(p) for p in pieces)


def filtered(lines):
    out = list(lines)
    documented = set()
    for index, _ in declarations(lines):
        block = comment_above(lines, index)
        if block and comment_words(lines, *block):
            documented.add(block)
    # Comments above the records and constants (extern, typedef, #define) document them too.
    for index, line in enumerate(lines):
        if re.match(r'^(extern\s+(?!"C")|typedef\b|#define\s+\w+\s)', line):
            block = comment_above(lines, index)
            if block and comment_words(lines, *block):
                documented.add(block)
    for first, last in documented:
        for i in range(first, last + 1):
            out[i] = escape_for_doxygen(out[i])
        out[first] = out[first].replace('/*', '/**', 1)

    # The file's own description: its first comment.
    first_comment = next((i for i, l in enumerate(lines) if l.lstrip().startswith('/*')), None)
    if first_comment is not None and all(block[0] != first_comment for block in documented):
        end = first_comment
        while not lines[end].rstrip().endswith('*/'):
            end += 1
        for i in range(first_comment, end + 1):
            out[i] = escape_for_doxygen(out[i])
        out[first_comment] = out[first_comment].replace('/*', '/** @file', 1)

    # Section banners become member groups; the line count stays the same.
    open_group = False
    index = 0
    while index < len(lines):
        banner = is_banner(lines, index)
        if banner:
            end, title = banner
            out[index] = '/** @} */' if open_group else ''
            out[index + 1] = f'/** @name {escape_for_doxygen(title)} */'
            for i in range(index + 2, end):
                out[i] = ''
            out[end] = '/** @{ */'
            open_group = True
            index = end + 1
            continue
        index += 1
    if open_group:
        out.append('/** @} */')
    return out


def main(argv):
    if len(argv) != 3 or argv[1] not in ('check', 'filter'):
        print(__doc__.strip().split('\n\n')[0], file=sys.stderr)
        return 2
    if argv[1] == 'check':
        return check(argv[2])
    with open(argv[2], encoding='utf-8') as f:
        lines = f.read().split('\n')
    sys.stdout.write('\n'.join(filtered(lines)))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
