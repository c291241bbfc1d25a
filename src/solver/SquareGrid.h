// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace tilora::solver {

// Positions of a Side x Side board numbered 0..Side*Side-1 in reading order; tile t
// belongs at position t - 1, and the blank is tile Side*Side.

// The position mirrored across the main diagonal.
template <int Side>
constexpr int MirrorPosition(int position)
{
    return (position % Side) * Side + position / Side;
}

// The tile that belongs where `tile` belongs in the mirror image; the blank stays itself.
template <int Side>
constexpr int MirroredTile(int tile)
{
    return tile == Side * Side ? tile : MirrorPosition<Side>(tile - 1) + 1;
}

// The positions next to each position (up, left, right, down), -1 where the board ends.
template <int Side>
constexpr std::array<std::array<int, 4>, Side * Side> Neighbours()
{
    std::array<std::array<int, 4>, Side * Side> result{};
    for (int p = 0; p < Side * Side; ++p) {
        const int r = p / Side;
        const int c = p % Side;
        result[p] = {r > 0 ? p - Side : -1, c > 0 ? p - 1 : -1, c < Side - 1 ? p + 1 : -1, r < Side - 1 ? p + Side : -1};
    }
    return result;
}

}  // namespace tilora::solver
