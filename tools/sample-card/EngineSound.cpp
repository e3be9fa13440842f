#include "sample-card/EngineSound.h"

#include "common/ByteOrder.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kIdleHz = 26;         // a four-cylinder engine at about 780 rpm
constexpr double kHzPerKmh = 0.9;      // it revs up with the speed, give or take gears
constexpr double kHumAmplitude = 1400; // of 32767: quiet, as in a closed car
constexpr double kBeepHz = 1000;
constexpr double kBeepAmplitude = 5000;
constexpr std::uint64_t kBeepSamples = EngineSound::kSampleRate / 10;

} // namespace

EngineSound::EngineSound(std::uint64_t seed) : m_noise(seed, 4) {}

std::vector<unsigned char> EngineSound::next(std::size_t count, double speedKmh) {
    std::vector<unsigned char> pcm(count * 2);
    const double step = (kIdleHz + kHzPerKmh * speedKmh) / kSampleRate;
    const double roadNoise = 150 + 6 * speedKmh;
    for (std::size_t i = 0; i < count; ++i, ++m_position) {
        const double angle = 2 * std::numbers::pi * m_phase;
        double value = kHumAmplitude * (0.6 * std::sin(angle) + 0.3 * std::sin(2 * angle) +
                                        0.1 * std::sin(3 * angle)) +
                       m_noise.uniform(-roadNoise, roadNoise);
        const std::uint64_t intoSecond = m_position % kSampleRate;
        if (intoSecond < kBeepSamples) {
            // Faded in and out, so the beep does not click.
            const double envelope = std::sin(std::numbers::pi * static_cast<double>(intoSecond) /
                                             static_cast<double>(kBeepSamples));
            value += kBeepAmplitude * envelope *
                     std::sin(2 * std::numbers::pi * kBeepHz * static_cast<double>(intoSecond) /
                              kSampleRate);
        }
        m_phase = std::fmod(m_phase + step, 1.0);
        ByteOrder::writeLE16(
            &pcm[2 * i], static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(value))));
    }
    return pcm;
}
