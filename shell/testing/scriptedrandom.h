#pragma once

#include "random.h"

#include <QList>

namespace shell {

// Random values from a script, so a test decides every throw.
class ScriptedRandom final : public RandomSource {
public:
    void push(float value) { m_values.append(value); }
    // A value that a game scaling by `range` turns into `wanted`.
    void pushWhole(int wanted, int range);

    float next() override;
    int pending() const { return int(m_values.size()); }

private:
    QList<float> m_values;
};

} // namespace shell
