#!/usr/bin/env python3
"""Checks tagged question lines: python3 validate.py en|cs FILE... (prints problems and a summary)."""
import sys, re, collections
TOPICS = "geography history science nature body sport music art film language technology everyday".split()
lang = sys.argv[1]
problems = 0
topics = collections.Counter(); diffs = collections.Counter()
num_total = 0; num_extreme = 0; jokes = 0; n = 0
NUM = re.compile(r'^[\u2212-]?[\d\u00a0 ,.]+(\s*\S{0,12})?$')
def number(s):
    m = re.match(r'^([\u2212-]?)([\d\u00a0 ]+(?:[.,]\d+)?)', s.strip())
    if not m: return None
    t = m.group(2).replace('\u00a0','').replace(' ','')
    if lang == 'cs': t = t.replace(',', '.')
    else: t = t.replace(',', '')
    try: v = float(t)
    except ValueError: return None
    return -v if m.group(1) else v
for path in sys.argv[2:]:
    for i, line in enumerate(open(path, encoding='utf-8').read().split('\n'), 1):
        if not line or line.startswith('#'): continue  # comments and a set's '#name:' line
        n += 1
        f = line.split('\\')
        def bad(msg):
            global problems; problems += 1; print(f"{path}:{i}: {msg}: {line[:90]}")
        if len(f) != 7: bad(f"{len(f)} fields, want 7"); continue
        q, right, *wrong, topic, diff = f
        if topic not in TOPICS: bad(f"unknown topic {topic!r}")
        if diff not in ('1','2','3'): bad(f"difficulty {diff!r}")
        topics[topic] += 1; diffs[diff] += 1
        en = q.startswith('W') or q.startswith('How')
        if (lang == 'en') != en: bad("deals in the other language")
        if any(not a.strip() for a in f[:5]): bad("empty field")
        if len(set(a.strip().lower() for a in f[1:5])) < 4: bad("repeated answer")
        if re.search(r'(^|[\s(])-\d', ' '.join(f[:5])): bad("hyphen as minus sign (use U+2212)")
        if '%1%' in line or '%2%' in line: jokes += 1
        vals = [number(a) for a in f[1:5]]
        if all(v is not None for v in vals) and all(NUM.match(a.strip()) for a in f[1:5]):
            num_total += 1
            if vals[0] == min(vals) or vals[0] == max(vals): num_extreme += 1
print(f"{n} lines, {problems} problems")
print("topics:", dict(sorted(topics.items())))
print("difficulty:", dict(sorted(diffs.items())), {k: f"{100*v/max(n,1):.0f}%" for k, v in sorted(diffs.items())})
if num_total:
    print(f"numeric questions: {num_total}, right answer is the smallest or largest in {num_extreme} ({100*num_extreme/num_total:.0f}%; want 40-60%)")
print(f"%1%/%2% name jokes: {jokes}")
