#!/usr/bin/env python3
"""Measures how often `plumex-text detect` names the right form of Russian
prose it was not trained on: the Russian manual pages installed under
/usr/share/man/ru, cut into samples of a given size, each written in every
form (and again in capitals), so that each form counts alike.

    tools/detection_accuracy.py PLUMEX-TEXT [--statistical] [SIZE...]

A sample counts when at least a quarter of its bytes are Russian letters.
"Same text" also counts a guess that reads the bytes into the same letters
(a Mac text without capitals, "я" or "ё" is byte for byte Windows-1251).
"""
import glob
import gzip
import os
import re
import subprocess
import sys
import tempfile

FORMS = {"WIN": "cp1251", "DOS": "cp866", "KOI": "koi8_r", "MAC": "mac_cyrillic", "ISO": "iso8859_5",
         "UTF8": "utf-8"}
ROFF_ESCAPE = re.compile(r"\\(f\[?[A-Z0-9]*\]?|\(..|\*\(..|\*.|s[-+]?\d|[-&e|^ ])")


def prose():
    for path in sorted(glob.glob("/usr/share/man/ru/man*/*.gz")):
        for line in gzip.open(path, "rt", encoding="utf-8", errors="replace"):
            if line.startswith((".", "'")):
                continue
            yield ROFF_ESCAPE.sub(lambda m: "-" if m.group(0) == "\\-" else "", line).strip()


def samples(size):
    text = " ".join(prose()).encode("cp1251", "replace")
    for start in range(0, len(text) - size, size):
        window = text[start:start + size]
        if sum(b >= 0xC0 or b in (0xA8, 0xB8) for b in window) * 4 >= size:
            yield window.decode("cp1251")


def main(tool, statistical, sizes):
    for size in sizes:
        cases = []
        with tempfile.TemporaryDirectory() as folder:
            for n, text in enumerate(samples(size)):
                for capitals in (False, True):
                    for form, codec in FORMS.items():
                        path = os.path.join(folder, "%d%s%s" % (n, "C" if capitals else "", form))
                        with open(path, "wb") as out:
                            out.write((text.upper() if capitals else text).encode(codec, "replace"))
                        cases.append((path, form, capitals))
            command = [tool, "detect"] + (["--statistical"] if statistical else [])
            guesses = {}
            for i in range(0, len(cases), 2000):
                output = subprocess.run(command + [c[0] for c in cases[i:i + 2000]], capture_output=True).stdout.decode()
                guesses.update(line.split("\t")[:2] for line in output.splitlines())
            right, same, total = {}, {}, {}
            for path, form, capitals in cases:
                guess = guesses[path]
                data = open(path, "rb").read()
                key = (form, capitals)
                total[key] = total.get(key, 0) + 1
                right[key] = right.get(key, 0) + (guess == form)
                same[key] = same.get(key, 0) + (data.decode(FORMS[guess], "replace") == data.decode(FORMS[form]))
        print("%d-byte samples (%d texts), %s:" % (size, len(cases) // 12, "statistical" if statistical else
                                                     "marker count"))
        for capitals in (False, True, None):
            keys = [k for k in total if capitals is None or k[1] == capitals]
            label = {False: "as written", True: "capitals", None: "all"}[capitals]
            per_form = "  ".join("%s %.1f" % (f, 100 * sum(right[k] for k in keys if k[0] == f) /
                                             sum(total[k] for k in keys if k[0] == f)) for f in FORMS)
            print("  %-10s right %.2f %%  same text %.2f %%   %s" % (
                label, 100 * sum(right[k] for k in keys) / sum(total[k] for k in keys),
                100 * sum(same[k] for k in keys) / sum(total[k] for k in keys), per_form))


if __name__ == "__main__":
    args = [a for a in sys.argv[2:] if a != "--statistical"]
    main(sys.argv[1], "--statistical" in sys.argv, [int(a) for a in args] or [200, 60])
