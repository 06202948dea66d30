// The fixture of the GUI tests: a fresh main window and About window for every test,
// shown and active offscreen, and a guard against modal windows. A modal window that a
// test does not expect fails the test and is closed at once, so that an error box left
// open can never hang the run.
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class QWidget;

class CalculatorFixture : public QObject {
    Q_OBJECT
protected:
    // The next modal window is expected: handle runs once with it and must close it.
    void ExpectModal(std::function<void(QWidget& modal)> handle);
    // The error dialog's texts since the test began (the dialog itself is not shown
    // unless a test asks for it with ShowRealErrorDialog).
    const QStringList& Errors() const { return errors_; }
    void ShowRealErrorDialog();

private slots:
    void init();
    void cleanup();

private:
    void WatchModal();

    QTimer watch_;
    std::function<void(QWidget&)> expected_;
    QStringList unexpected_;
    QStringList errors_;
};

// A main() for a test class: the application object as the program has it, then the tests.
#define VEXORIN_TEST_MAIN(TestClass)                                                                         \
    int main(int argc, char* argv[])                                                                         \
    {                                                                                                        \
        qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ? qgetenv("QT_QPA_PLATFORM") \
                                                                                : QByteArray("offscreen"));  \
        TApplication platform(argc, argv);                                                                   \
        Application->Initialize();                                                                           \
        Application->SetTitle("QV Vexorin 3.0");                                                             \
        TestClass test;                                                                                      \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
