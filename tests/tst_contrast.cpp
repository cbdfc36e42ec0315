// Every caption of every window stands out from what is behind it, under a
// dark desktop palette and a light one, by the WCAG's measure: a contrast
// ratio of at least 4.5, or 3 for large text.

#include "catalog.h"
#include "colours.h"
#include "columns.h"
#include "scripteddialogs.h"
#include "scriptedrandom.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

using namespace shell;

namespace {

using Opener = std::function<std::unique_ptr<Form>(Runtime&)>;

Opener opener(const catalog::Window& window)
{
    return [make = window.make](Runtime& runtime) {
        std::unique_ptr<Form> form(make(runtime));
        form->load();  // a window may get its texts as it loads
        return form;
    };
}

// A control that does not fill its background shows its container's; a
// transparent label over a picture is measured against the window's colour.
QColor colourBehind(const QWidget* widget)
{
    while (!widget->autoFillBackground() && !widget->isWindow())
        widget = widget->parentWidget();
    return widget->palette().color(widget->backgroundRole());
}

// The colour a control's text is drawn in, and the colour behind it.
std::pair<QColor, QColor> textAndBackground(const QWidget* widget)
{
    const QPalette& palette = widget->palette();
    if (qobject_cast<const QLineEdit*>(widget))
        return {palette.color(QPalette::Text), palette.color(QPalette::Base)};
    if (qobject_cast<const QPushButton*>(widget))
        return {palette.color(QPalette::ButtonText), palette.color(QPalette::Button)};
    return {palette.color(QPalette::WindowText), colourBehind(widget)};
}

// Large text reads at a lower contrast: 18 points, or 14 points in bold.
double neededContrast(const QFont& font)
{
    const double points = font.pixelSize() > 0 ? font.pixelSize() * 72.0 / 96 : font.pointSizeF();
    return points >= 18 || (points >= 14 && font.bold()) ? 3 : 4.5;
}

} // namespace

Q_DECLARE_METATYPE(Opener)

class TestContrast : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void captionsStandOut_data()
    {
        columns<Opener, QPalette>("open", "desktop");
        // Near-white text on dark grey, as dark desktop themes give every program.
        const QPalette dark(QColor(0x35, 0x35, 0x35));
        const QPalette light(QColor(0xEF, 0xEF, 0xEF));
        for (const catalog::Game& game : catalog::games()) {
            for (const catalog::Window& window : game.windows) {
                const QByteArray name = game.title(window).toUtf8();
                QTest::addRow("%s, dark desktop", name.constData()) << opener(window) << dark;
                QTest::addRow("%s, light desktop", name.constData()) << opener(window) << light;
            }
        }
    }

    void captionsStandOut()
    {
        QFETCH(Opener, open);
        QFETCH(QPalette, desktop);
        QApplication::setPalette(desktop);
        ScriptedRandom random;
        ScriptedDialogs boxes;
        Runtime runtime(QStringLiteral("Контраст"), random, boxes);
        const std::unique_ptr<Form> window = open(runtime);
        for (const QWidget* control : window->findChildren<QWidget*>()) {
            const bool hasCaption = qobject_cast<const QLabel*>(control) || qobject_cast<const QLineEdit*>(control)
                || qobject_cast<const QAbstractButton*>(control) || qobject_cast<const QGroupBox*>(control);
            if (!hasCaption)
                continue;
            const auto [text, background] = textAndBackground(control);
            const double ratio = contrastRatio(text, background);
            QVERIFY2(ratio >= neededContrast(control->font()),
                     qPrintable(QStringLiteral("%1: %2 on %3 is %4 : 1")
                                    .arg(control->objectName(), text.name(), background.name())
                                    .arg(ratio, 0, 'f', 2)));
        }
    }
};

QTEST_MAIN(TestContrast)
#include "tst_contrast.moc"
