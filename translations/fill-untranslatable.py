#!/usr/bin/env python3
"""Gives every source text without a letter ("1", "115200", "%", "-") itself
as its finished translation, so translators see only words. Run after
lupdate: translations/fill-untranslatable.py translations/*.ts"""
import re
import sys

MESSAGE = re.compile(
    r'(<source>(?P<source>[^<]*)</source>\s*)<translation type="unfinished">[^<]*</translation>')


def fill(match):
    source = match.group('source')
    if any(ch.isalpha() for ch in source):
        return match.group(0)
    return '%s<translation>%s</translation>' % (match.group(1), source)


for path in sys.argv[1:]:
    with open(path, encoding='utf-8') as f:
        text = f.read()
    with open(path, 'w', encoding='utf-8') as f:
        f.write(MESSAGE.sub(fill, text))
