// The display: the typing limit against the program's own text, the selection rules
// and the decimal key under both separators.
#include "CalculatorFixture.h"

#include "Application.h"
#include "NumberFormat.h"
#include "Unit1.h"
#include "UserInput.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <string>

namespace {

enum class Edit { TypeAtEnd, PasteAtEnd, PasteAfterTen, Backspace, SelectAllAndType };

void Perform(Edit edit, const QString& text)
{
    QWidget& window = *Form1;
    switch (edit) {
    case Edit::TypeAtEnd:
        user_input::PressKey(window, Qt::Key_End, QString());
        user_input::Type(window, text);
        break;
    case Edit::PasteAtEnd:
    case Edit::PasteAfterTen:
        QApplication::clipboard()->setText(text);
        user_input::PressKey(window, Qt::Key_Home, QString());
        for (int step = 0; edit == Edit::PasteAfterTen && step < 10; ++step) {
            user_input::PressKey(window, Qt::Key_Right, QString());
        }
        if (edit == Edit::PasteAtEnd) {
            user_input::PressKey(window, Qt::Key_End, QString());
        }
        user_input::PressKey(window, Qt::Key_V, QStringLiteral("v"), Qt::ControlModifier);
        break;
    case Edit::Backspace:
        user_input::PressKey(window, Qt::Key_End, QString());
        user_input::PressKey(window, Qt::Key_Backspace, QString());
        break;
    case Edit::SelectAllAndType:
        user_input::PressKey(window, Qt::Key_A, QStringLiteral("a"), Qt::ControlModifier);
        user_input::Type(window, text);
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Edit)

class DisplayTest : public CalculatorFixture {
    Q_OBJECT
private slots:
    void typingLimit_data();
    void typingLimit();
    void keysAreNotHeldToTheLimit();
    void selectionOnFocus_data();
    void selectionOnFocus();
    void noSelectionOnReactivation();
    void writingTheSameTextDoesNothing();
    void decimalKeyAppendsTheLocaleSeparator_data();
    void decimalKeyAppendsTheLocaleSeparator();
};

void DisplayTest::typingLimit_data()
{
    QTest::addColumn<QString>("before"); // written by the program
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    const QString fifty(50, '5');
    const QString sixty(60, '6');
    QTest::newRow("typing stops at 50") << "" << Edit::TypeAtEnd << QString(55, '1') << QString(50, '1');
    QTest::newRow("paste cut to what fits")
        << QString(45, '4') << Edit::PasteAtEnd << "1234567890" << QString(45, '4') + "12345";
    QTest::newRow("paste inside cut to what fits")
        << QString(48, '4') << Edit::PasteAfterTen << "abc" << QString(10, '4') + "ab" + QString(38, '4');
    QTest::newRow("paste keeps a character beyond U+FFFF whole")
        << QString(49, '4') << Edit::PasteAtEnd << QString::fromUtf8("\U0001F600") << QString(49, '4');
    QTest::newRow("a full display takes no more") << fifty << Edit::TypeAtEnd << "7" << fifty;
    QTest::newRow("longer program text takes no more") << sixty << Edit::TypeAtEnd << "7" << sixty;
    QTest::newRow("longer program text can be shortened")
        << sixty << Edit::Backspace << "" << QString(59, '6');
    QTest::newRow("longer program text can be replaced") << sixty << Edit::SelectAllAndType << "78"
                                                         << "78";
}

void DisplayTest::typingLimit()
{
    QFETCH(QString, before);
    QFETCH(Edit, edit);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    Form1->Edit1->SetText(before.toStdString());
    QCOMPARE(Form1->Edit1->Text(), before.toStdString()); // the program's text is never cut
    Perform(edit, typed);
    QCOMPARE(QString::fromStdString(Form1->Edit1->Text()), after);
}

void DisplayTest::keysAreNotHeldToTheLimit()
{
    for (int key = 0; key < 60; ++key) {
        user_input::Click(*Form1->SpeedButton11);
    }
    QCOMPARE(Form1->Edit1->Text(), std::string(60, '1'));
}

void DisplayTest::selectionOnFocus_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("selectsAll");
    QTest::newRow("Tab") << "Tab" << true;
    QTest::newRow("Shift+Tab") << "Backtab" << true;
    QTest::newRow("a handler's SetFocus") << "SetFocus" << true;
    QTest::newRow("a mouse click") << "click" << false;
}

void DisplayTest::selectionOnFocus()
{
    QFETCH(QString, way);
    QFETCH(bool, selectsAll);
    user_input::Click(*Form1->Button1); // the focus leaves the display ("M->" writes it: text after)
    Form1->Edit1->SetText("123");
    if (way == "Tab") {
        user_input::Click(*Form1->BitBtn1);
        user_input::PressKey(*Form1, Qt::Key_Tab, QString()); // BitBtn1 -> Edit1, wrapping round
    } else if (way == "Backtab") {
        user_input::PressKey(*Form1, Qt::Key_Backtab, QString(), Qt::ShiftModifier); // Button1 -> Edit1
    } else if (way == "SetFocus") {
        Form1->Edit1->SetFocus();
    } else {
        user_input::Click(*Form1->Edit1);
    }
    QCOMPARE(QApplication::focusWidget(), Form1->Edit1);
    QCOMPARE(Form1->Edit1->selectedText(), selectsAll ? QStringLiteral("123") : QString());
    user_input::Type(*Form1, QStringLiteral("9"));
    // A click at the display's centre puts the caret after the short text.
    QCOMPARE(Form1->Edit1->Text(), std::string(selectsAll ? "9" : "1239"));
}

void DisplayTest::noSelectionOnReactivation()
{
    Form1->Edit1->SetText("123");
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    Form1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form1));
    QCOMPARE(QApplication::focusWidget(), Form1->Edit1);
    QVERIFY(!Form1->Edit1->hasSelectedText());
}

void DisplayTest::writingTheSameTextDoesNothing()
{
    Form1->Edit1->SetText("12");
    Form1->Edit1->setCursorPosition(1);
    QSignalSpy changes(Form1->Edit1, &QLineEdit::textChanged);
    Form1->Edit1->SetText("12");
    QCOMPARE(changes.count(), 0);
    QCOMPARE(Form1->Edit1->cursorPosition(), 1);
}

void DisplayTest::decimalKeyAppendsTheLocaleSeparator_data()
{
    QTest::addColumn<uint>("decimal");
    QTest::addColumn<QString>("display");
    QTest::newRow("comma, as in Russian") << uint(U',') << "1,5";
    QTest::newRow("point") << uint(U'.') << "1.5";
    QTest::newRow("a separator beyond ASCII") << uint(U'٫') << "1٫5";
}

void DisplayTest::decimalKeyAppendsTheLocaleSeparator()
{
    QFETCH(uint, decimal);
    QFETCH(QString, display);
    number_format::SetSource([decimal] { return Separators{static_cast<char32_t>(decimal), U' '}; });
    // The desktop's settings-change notification, as Qt delivers it.
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
    number_format::SetSource(nullptr);

    user_input::Click(*Form1->SpeedButton11);
    user_input::Click(*Form1->SpeedButton12);
    user_input::Click(*Form1->SpeedButton7);
    QCOMPARE(QString::fromStdString(Form1->Edit1->Text()), display);
    number_format::ReadSettings();
}

VEXORIN_TEST_MAIN(DisplayTest)
#include "DisplayTest.moc"
