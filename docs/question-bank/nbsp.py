#!/usr/bin/env python3
"""Puts a no-break space after the one-letter Czech words (k s v z o u a i) in the question text: nbsp.py FILE (in place)."""
import re, sys
path = sys.argv[1]
out = []
for line in open(path, encoding='utf-8').read().split('\n'):
    if line.startswith('#'):  # a comment or the set's '#name:' line
        out.append(line)
        continue
    f = line.split('\\')
    for i in range(min(1, len(f))):
        f[i] = re.sub(r'(?<![\w\u00a0])([ksvzouaiKSVZOUAI]) (?=\S)', '\\1\u00a0', f[i])
    out.append('\\'.join(f))
open(path, 'w', encoding='utf-8').write('\n'.join(out))
