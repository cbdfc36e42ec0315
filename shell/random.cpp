#include "random.h"

namespace shell {

float RuntimeRandom::next()
{
    constexpr std::uint32_t multiplier = 1140671485u;
    constexpr std::uint32_t increment = 12820163u;
    constexpr std::uint32_t mask = (1u << 24) - 1;
    m_state = (m_state * multiplier + increment) & mask;
    return static_cast<float>(m_state) / static_cast<float>(1u << 24);
}

} // namespace shell
