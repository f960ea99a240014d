#!/usr/bin/env python3
"""Writes vokalzeichen.h: every precomposed Latin vowel (a e i o u y, capital or small) that
the Unicode data decomposes into the plain vowel and marks, with that decomposition and the
plain small vowel, from Python's own copy of the Unicode data. Run it again only to take a
newer Unicode version:
python3 vokalzeichen.py > vokalzeichen.h && clang-format -i vokalzeichen.h"""
import unicodedata


def cpp(s):
    return '"' + ''.join('\\U%08X' % ord(c) for c in s) + '"'


rows = []
for cp in range(0x80, 0x110000):
    c = chr(cp)
    zerlegt = unicodedata.normalize('NFD', c)
    if (len(zerlegt) > 1 and zerlegt[0] in 'aeiouyAEIOUY'
            and all(unicodedata.category(m).startswith('M') for m in zerlegt[1:])):
        rows.append((c, zerlegt, zerlegt[0].lower()))

print('// Written by vokalzeichen.py from the Unicode data %s; not by hand.' % unicodedata.unidata_version)
print('#pragma once\n')
print('struct Vokalzeichen {\n    const char* zeichen;  // precomposed\n'
      '    const char* zerlegt;  // the plain vowel and its combining marks\n'
      '    char vokal;           // the plain small vowel\n};\n')
print('inline constexpr Vokalzeichen vokalzeichen[] = {')
for c, zerlegt, vokal in rows:
    print('    {%s, %s, \'%s\'}, // %s' % (cpp(c), cpp(zerlegt), vokal, unicodedata.name(c)))
print('};')
