#pragma once

// A data table's columns declared in one line: columns<int, QString>("stake", "money").

#include <QTest>

namespace shell {

template <typename... Types, typename... Names>
void columns(const Names&... names)
{
    static_assert(sizeof...(Types) == sizeof...(Names), "one name for each column type");
    (QTest::addColumn<Types>(names), ...);
}

} // namespace shell
