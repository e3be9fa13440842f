#pragma once

#include <cstdint>

// Random numbers for the demo card. The standard distributions may differ
// between library versions, so the same seed would not give the same card
// everywhere; splitmix64 with explicit conversions does.
class SampleRandom {
public:
    // Streams with different names never share a sequence, so adding draws to
    // one part of the simulation does not change the others.
    SampleRandom(std::uint64_t seed, std::uint64_t stream)
        : m_state(seed * 0x9E3779B97F4A7C15ull ^ (stream + 1) * 0xD1B54A32D192ED03ull) {}

    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [low, high).
    double uniform(double low, double high) {
        return low + (high - low) * static_cast<double>(next() >> 11) * 0x1.0p-53;
    }

    // Uniform whole number in [low, high].
    int between(int low, int high) {
        return low + static_cast<int>(next() % static_cast<std::uint64_t>(high - low + 1));
    }

    bool chance(double probability) { return uniform(0.0, 1.0) < probability; }

private:
    std::uint64_t m_state;
};
