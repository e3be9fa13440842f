#pragma once

#include "sample-card/SampleRandom.h"

#include <cstdint>
#include <vector>

// The front camera's microphone: a quiet engine hum whose pitch follows the
// speed, road noise, and a short beep at the start of every second so that a
// listener can tell sound and picture are in step. 16-bit mono PCM.
class EngineSound {
public:
    static constexpr std::uint32_t kSampleRate = 8000;

    explicit EngineSound(std::uint64_t seed);

    // The next `count` samples, little-endian.
    std::vector<unsigned char> next(std::size_t count, double speedKmh);

private:
    SampleRandom m_noise;
    std::uint64_t m_position = 0;
    double m_phase = 0; // of the engine's firing frequency, in turns
};
