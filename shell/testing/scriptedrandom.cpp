#include "scriptedrandom.h"

#include <QTest>

namespace shell {

void ScriptedRandom::pushWhole(int wanted, int range)
{
    push((float(wanted) + 0.5f) / float(range));
}

float ScriptedRandom::next()
{
    if (m_values.isEmpty()) {
        QTest::qFail("the game drew more random values than the test scripted", __FILE__, __LINE__);
        return 0;
    }
    return m_values.takeFirst();
}

} // namespace shell
