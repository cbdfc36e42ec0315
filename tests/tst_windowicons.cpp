#include "catalog.h"
#include "scripteddialogs.h"
#include "scriptedrandom.h"

#include <QApplication>
#include <QTest>
#include <algorithm>
#include <functional>

using namespace shell;

namespace {

using Maker = std::function<Form*(Runtime&)>;
using Sizes = QList<QSize>;

Sizes squares(const QList<int>& sides)
{
    Sizes sizes;
    for (int side : sides)
        sizes.append(QSize(side, side));
    return sizes;
}

} // namespace

Q_DECLARE_METATYPE(Maker)

// A window icon names a resource, and a wrong name shows the default icon
// without a word; so every window's icon is checked for its sizes.
class TestWindowIcons : public QObject {
    Q_OBJECT

private slots:
    void windowsCarryTheirIcons_data()
    {
        QTest::addColumn<Maker>("window");
        QTest::addColumn<Sizes>("sizes");
        for (const catalog::Game& game : catalog::games()) {
            for (const catalog::Window& window : game.windows)
                QTest::addRow("%s", qPrintable(game.title(window))) << window.make << squares(game.iconSizes);
        }
    }

    void windowsCarryTheirIcons()
    {
        QFETCH(Maker, window);
        QFETCH(Sizes, sizes);
        ScriptedRandom random;
        ScriptedDialogs boxes;
        Runtime runtime(QStringLiteral("Game"), random, boxes);
        std::unique_ptr<Form> form(window(runtime));
        Sizes available = form->windowIcon().availableSizes();
        std::sort(available.begin(), available.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
        QCOMPARE(available, sizes);
    }
};

QTEST_MAIN(TestWindowIcons)
#include "tst_windowicons.moc"
