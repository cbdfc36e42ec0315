#pragma once

#include <cstdint>

namespace shell {

// Where a game's random numbers come from: the runtime's generator when
// playing, scripted values in tests.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // At least 0 and below 1.
    virtual float next() = 0;
};

// The runtime's own 24-bit linear congruential generator. It is never
// reseeded, so every start of a game replays the same throws.
class RuntimeRandom final : public RandomSource {
public:
    float next() override;

private:
    std::uint32_t m_state = 327680;
};

} // namespace shell
