// The floor the games are measured against: the least a Qt Widgets program
// can put on the screen, one window with one button.
#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.resize(533, 241);
    QPushButton button(QStringLiteral("Бросок"), &window);
    button.setGeometry(64, 104, 105, 41);
    window.show();
    return QApplication::exec();
}
