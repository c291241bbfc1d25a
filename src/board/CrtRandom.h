// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace tilora {

// Where the deal gets its random numbers: values 0 to 32767, as the C library's rand()
// yields them. Tests substitute their own sequence.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Seed(std::uint32_t seed) = 0;
    virtual int Next() = 0;
};

// The linear congruential generator of the classic C runtime, kept in the object rather
// than in the process-wide state of std::rand, so that a deal never disturbs anything else
// and the same seed gives the same board on every machine.
class CrtRandom final : public RandomSource {
public:
    void Seed(std::uint32_t seed) override { m_state = seed; }
    int Next() override
    {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7fffu);
    }

private:
    std::uint32_t m_state = 1;
};

}  // namespace tilora
