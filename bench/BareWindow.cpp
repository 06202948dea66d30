// bare-window: the baseline of bench/startup, a plain Qt window with the widgets the
// calculator has (a menu bar, a line edit, a group box, a label, 3 push buttons and 50
// tool buttons) and nothing else.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addAction(QStringLiteral("Выход"));
    window.menuBar()->addAction(QStringLiteral("О программе"));
    auto* client = new QWidget(&window);
    window.setCentralWidget(client);
    (new QLineEdit(client))->setGeometry(8, 5, 137, 21);
    auto* group = new QGroupBox(client);
    group->setGeometry(4, 30, 145, 147);
    (new QLabel(QStringLiteral("Пусто"), client))->setGeometry(40, 182, 113, 25);
    for (int button = 0; button < 3; ++button) {
        (new QPushButton(QStringLiteral("M->"), client))->setGeometry(9 + 60 * button, 183, 40, 23);
    }
    for (int key = 0; key < 50; ++key) {
        QWidget* parent = key < 12 ? group : client;
        (new QToolButton(parent))->setGeometry(5 + 45 * (key % 5), 16 + 28 * (key / 5), 40, 23);
    }
    window.setFixedSize(245, 229);
    window.show();
    return QApplication::exec();
}
