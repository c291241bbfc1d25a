#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes uniformly random solvable n x n boards, one per line, for solver_bench --boards.

Each line lists the block on each position in reading order, n * n standing for the blank.
A random order of the blocks is kept only when slides can solve it (the order's parity
matches the blank's distance from its home corner), which keeps the choice uniform over
the solvable boards. The seed is fixed, so the same file comes out every time:
    bench/random_boards.py 4 100 1 > bench/boards-4x4-random.txt
"""
import random
import sys


def solvable(tiles, n):
    seen = [False] * len(tiles)
    transpositions = 0
    for start in range(len(tiles)):
        length = 0
        at = start
        while not seen[at]:
            seen[at] = True
            at = tiles[at] - 1
            length += 1
        transpositions += max(length - 1, 0)
    blank = tiles.index(n * n)
    return (transpositions + (n - 1 - blank // n) + (n - 1 - blank % n)) % 2 == 0


def main():
    n, count, seed = (int(arg) for arg in sys.argv[1:4])
    rng = random.Random(seed)
    written = 0
    while written < count:
        tiles = list(range(1, n * n + 1))
        rng.shuffle(tiles)
        if tiles != sorted(tiles) and solvable(tiles, n):
            print(" ".join(str(t) for t in tiles))
            written += 1


if __name__ == "__main__":
    main()
