#include "scripteddialogs.h"
#include "scriptedrandom.h"

#include <QApplication>
#include <QTest>
#include <algorithm>
#include <functional>

#include "../../games/brannock/mainwindow.h"
#include "../../games/corvane/mainwindow.h"
#include "../../games/marrowby/mainwindow.h"
#include "../../games/pendlow/mainwindow.h"
#include "../../games/quillsey/mainwindow.h"
#include "../../games/tessaly/mainwindow.h"

using namespace shell;

namespace {

using Maker = std::function<Form*(Runtime&)>;
using Sizes = QList<QSize>;

template <typename Window>
Maker make()
{
    return [](Runtime& runtime) -> Form* { return new Window(runtime); };
}

Sizes squares(std::initializer_list<int> sides)
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
        const Sizes gameIcon = squares({16, 32, 48, 64, 128});
        QTest::addRow("Marrowby keeps the default") << make<marrowby::MainWindow>() << Sizes();
        QTest::addRow("Marrowby rules keep the default") << make<marrowby::RulesWindow>() << Sizes();
        QTest::addRow("Marrowby warning keeps the default") << make<marrowby::WarningWindow>() << Sizes();
        QTest::addRow("Quillsey") << make<quillsey::MainWindow>() << gameIcon;
        QTest::addRow("Quillsey rules") << make<quillsey::RulesWindow>() << gameIcon;
        QTest::addRow("Tessaly's smile") << make<tessaly::MainWindow>() << squares({16, 32});
        QTest::addRow("Brannock") << make<brannock::MainWindow>() << gameIcon;
        QTest::addRow("Corvane") << make<corvane::MainWindow>() << gameIcon;
        QTest::addRow("Pendlow") << make<pendlow::MainWindow>() << gameIcon;
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
