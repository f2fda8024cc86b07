// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/rules/random.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <stdexcept>

namespace core {

namespace {

// One step of splitmix64: advances the state and returns a well-mixed value.
std::uint64_t splitmix64(std::uint64_t& state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t clockSeed()
{
    static std::atomic<std::uint64_t> counter{0};
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    // The clock mixed with a counter: distinct seeds even within one clock tick.
    std::uint64_t state = ticks + 0x9E3779B97F4A7C15ULL * counter.fetch_add(1);
    return splitmix64(state);
}

constexpr double kPowersOfTen[] = {1.0, 10.0, 100.0, 1000.0, 10000.0, 100000.0, 1000000.0};

} // namespace

RandomSequence::RandomSequence()
{
    seed(clockSeed());
}

RandomSequence::RandomSequence(std::uint64_t value)
{
    seed(value);
}

void RandomSequence::seed(std::uint64_t value)
{
    // splitmix64 never yields four zero words in a row, so the state is never all zero.
    for (std::uint64_t& word : m_state)
        word = splitmix64(value);
}

void RandomSequence::reseed()
{
    if (m_reseedFromClock)
        seed(clockSeed());
}

double ScriptedRandom::next()
{
    if (m_pos >= m_values.size())
        throw std::out_of_range("scripted random source exhausted");
    return m_values[m_pos++];
}

double roundHalfEven(double x, int places)
{
    const double scale =
        (places >= 0 && places < 7) ? kPowersOfTen[places] : std::pow(10.0, places);
    // nearbyint uses the current rounding mode, round-to-nearest-even by default.
    return std::nearbyint(x * scale) / scale;
}

double roundedSine(RandomSource& rng, int places)
{
    return roundHalfEven(std::sin(rng.next()), places);
}

} // namespace core
