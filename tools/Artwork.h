// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <cstdint>

// Original artwork of the game, drawn in code so that every pixel's origin is known.
// Each painter is deterministic: the same program gives the same files.
namespace tilora::artwork {

// A small random sequence defined here in full, so the scattered details do not depend on
// the standard library's distributions.
class Sequence {
public:
    explicit Sequence(std::uint32_t seed) : m_state(seed) {}
    std::uint32_t Next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return m_state >> 8;
    }
    // A whole number in [low, high].
    int Between(int low, int high) { return low + static_cast<int>(Next() % static_cast<std::uint32_t>(high - low + 1)); }
    // A number in [0, 1).
    double Unit() { return static_cast<double>(Next() & 0xffffu) / 65536.0; }

private:
    std::uint32_t m_state;
};

// Each picture drawn `factor` times larger than the game's own size, from the same
// shapes: factor 1 gives the pictures drawn at 100 %, larger ones the masters that
// zoomed and high-density screens are drawn from.
QImage Title(int factor = 1);       // 160 x 160
QImage Bars(int factor = 1);        // 320 x 320
QImage Flintstones(int factor = 1); // 320 x 320
QImage HoneyPot(int factor = 1);    // 320 x 320
QImage Doughnuts(int factor = 1);   // 320 x 320
QImage Pause(int factor = 1);       // 320 x 320
QImage Icon(int size);

}  // namespace tilora::artwork
