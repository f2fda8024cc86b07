// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace core {

// A source of uniform values in [0, 1). Every generator draws from one such source, so
// the order of draws is part of each rule and tests can script the values exactly.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
    // Called once at the start of every generator click; a no-op for scripted sources.
    virtual void reseed() {}
    // A copy that goes on with the same values, so that what a draw will make can be known
    // before it is made; nullptr for a source that cannot be copied.
    virtual std::unique_ptr<RandomSource> clone() const { return nullptr; }
    // Whether `other` gives the same values as this from now on; false when that cannot be
    // told, so that what was drawn ahead from a copy is drawn again.
    virtual bool sameState(const RandomSource& other) const
    {
        (void)other;
        return false;
    }
};

// The program's random sequence: xoshiro256** (fast, 256 bits of state, passes the usual
// statistical batteries), its state filled by splitmix64 from a 64-bit seed. Reseeded from a
// high-resolution clock mixed with a counter, so two clicks in the same millisecond differ.
// A value costs a few nanoseconds, which matters for the generators that reject most draws.
class RandomSequence final : public RandomSource {
public:
    RandomSequence();
    explicit RandomSequence(std::uint64_t seed);

    // The top 53 bits of the next 64-bit value, scaled to [0, 1).
    double next() override { return static_cast<double>(nextBits() >> 11) * 0x1.0p-53; }
    void reseed() override;
    std::unique_ptr<RandomSource> clone() const override
    {
        return std::make_unique<RandomSequence>(*this);
    }
    bool sameState(const RandomSource& other) const override
    {
        const auto* sequence = dynamic_cast<const RandomSequence*>(&other);
        return sequence && sequence->m_state == m_state;
    }
    void seed(std::uint64_t seed);
    // Tests freeze the sequence so that a click does not reseed it from the clock.
    void setReseedFromClock(bool on) { m_reseedFromClock = on; }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t nextBits()
    {
        const std::uint64_t result = rotl(m_state[1] * 5, 7) * 9;
        const std::uint64_t t = m_state[1] << 17;
        m_state[2] ^= m_state[0];
        m_state[3] ^= m_state[1];
        m_state[1] ^= m_state[2];
        m_state[0] ^= m_state[3];
        m_state[2] ^= t;
        m_state[3] = rotl(m_state[3], 45);
        return result;
    }

    std::array<std::uint64_t, 4> m_state{};
    bool m_reseedFromClock = true;
};

// Returns given values in order; used by tests to check the exact line that chosen
// draws make and how many values an attempt consumes. Running past the end throws.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<double> values) : m_values(std::move(values)) {}
    double next() override;
    std::unique_ptr<RandomSource> clone() const override
    {
        return std::make_unique<ScriptedRandom>(*this);
    }
    std::size_t consumed() const { return m_pos; }
    std::size_t remaining() const { return m_values.size() - m_pos; }

private:
    std::vector<double> m_values;
    std::size_t m_pos = 0;
};

// A random integer below n: the integer part of r * n, from 0 to n - 1.
inline int below(RandomSource& rng, int n)
{
    return static_cast<int>(rng.next() * n);
}

// A random integer from 1 to n: the integer part of r * n + 1.
inline int fromOne(RandomSource& rng, int n)
{
    return static_cast<int>(rng.next() * n + 1);
}

// x rounded to the given number of decimal places, a tie going to the even digit.
double roundHalfEven(double x, int places);

// sin(r) for the next r in [0, 1), rounded to `places` decimals with ties to even.
double roundedSine(RandomSource& rng, int places);

} // namespace core
