#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes vokalzeichen.txt: every precomposed Latin vowel (a e i o u y, capital or small)
that the Unicode data decomposes into the plain vowel and marks, as three fields: the code
point, the code points of its decomposition, the plain small vowel; all from Python's own
copy of the Unicode data, not from the program. Run it again only to take a newer Unicode
version: python3 vokalzeichen.py > vokalzeichen.txt"""
import unicodedata

print('# Unicode data %s: code point, its decomposition, the plain vowel' % unicodedata.unidata_version)
for cp in range(0x80, 0x110000):
    c = chr(cp)
    zerlegt = unicodedata.normalize('NFD', c)
    if (len(zerlegt) > 1 and zerlegt[0] in 'aeiouyAEIOUY'
            and all(unicodedata.category(m).startswith('M') for m in zerlegt[1:])):
        print('%04X %s %s' % (cp, ','.join('%04X' % ord(m) for m in zerlegt), zerlegt[0].lower()))
