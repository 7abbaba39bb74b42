#!/usr/bin/env python3
"""Writes upper_case_table.h: the upper-case forms by which Windows compares
names without regard to case. Windows (as Wine, whose tables follow it,
shows) upper-cases a letter of the Basic Multilingual Plane only when the
mapping goes both ways: final sigma, dotless i, long s, the micro sign and the
title-case digraphs keep their own forms. Run it again when Python's Unicode
version moves on: python3 upper_case_table.py > upper_case_table.h"""
import unicodedata


def upper_case_pairs():
    for code in range(0x10000):
        if 0xD800 <= code <= 0xDFFF:
            continue
        letter = chr(code)
        upper = letter.upper()
        if len(upper) == 1 and upper != letter and upper.lower() == letter:
            yield code, ord(upper)


def runs(pairs):
    """Groups the pairs into runs of one distance, step 1 or 2, longest first."""
    pairs = list(pairs)
    i = 0
    while i < len(pairs):
        first, upper = pairs[i]
        delta = upper - first
        best = (i, 1)
        for step in (1, 2):
            j = i
            while (j + 1 < len(pairs) and pairs[j + 1][0] == pairs[j][0] + step
                   and pairs[j + 1][1] - pairs[j + 1][0] == delta):
                j += 1
            if j > best[0]:
                best = (j, step)
        last, step = pairs[best[0]][0], best[1]
        yield first, last, step, delta
        i = best[0] + 1


print("#pragma once")
print("// Made by upper_case_table.py from Unicode %s; do not edit." % unicodedata.unidata_version)
print("#include <cstdint>")
print()
print("namespace text {")
print()
print("// Letters from first to last, every step-th, upper-case to themselves plus delta.")
print("struct UpperCaseRun {")
print("  char32_t first;")
print("  char32_t last;")
print("  char32_t step;")
print("  std::int32_t delta;")
print("};")
print()
print("inline constexpr UpperCaseRun kUpperCaseRuns[] = {")
for first, last, step, delta in runs(upper_case_pairs()):
    print("    {0x%04X, 0x%04X, %d, %d}," % (first, last, step, delta))
print("};")
print()
print("}  // namespace text")
