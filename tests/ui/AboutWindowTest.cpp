// The About window: its layout, the memory figures its creation step measures once at
// start-up, and the ways it opens and closes.
#include "CalculatorFixture.h"

#include "Application.h"
#include "Buttons.h"
#include "MemoryStatus.h"
#include "NumberFormat.h"
#include "Panels.h"
#include "Unit1.h"
#include "Unit2.h"
#include "UserInput.h"

#include <QAccessible>
#include <QApplication>
#include <QColor>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPointer>
#include <QRect>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <functional>

Q_DECLARE_METATYPE(MEMORYSTATUS)

namespace {

// The figures and the thousands separator the program finds at start-up; the system's
// and the locale's again when it goes out of scope.
class StartUpConditions {
public:
    StartUpConditions(MEMORYSTATUS status, char32_t thousands)
    {
        SetMemory(status);
        SetThousandsSeparator(thousands);
    }
    ~StartUpConditions()
    {
        memory_status::SetSource(nullptr);
        number_format::SetSource(nullptr);
        number_format::ReadSettings();
    }
    static void SetMemory(MEMORYSTATUS status)
    {
        memory_status::SetSource([status] { return status; });
    }
    static void SetThousandsSeparator(char32_t thousands)
    {
        number_format::SetSource([thousands] { return Separators{U'.', thousands}; });
        Application->NotifySettingsChanged();
    }
};

// Starts the program afresh, as the program body does: the About window's creation step
// runs under the conditions in force.
bool Restart()
{
    Application->DestroyForms();
    Application->CreateForm(Form1);
    Application->CreateForm(Form2);
    Form1->Show();
    return QTest::qWaitForWindowActive(Form1);
}

QString AccessibleName(QWidget& control)
{
    return QAccessible::queryAccessibleInterface(&control)->text(QAccessible::Name);
}

struct ControlRow {
    const char* name;
    const char* kind;
    QRect stored; // a label's size is that of its text
    const char* caption;
    char font; // 'A' the window's, 'S' the small one over the banner, '-' none
};

// In the order they are drawn.
const ControlRow kControls[] = {
    {"Image1", "TImage", {0, 0, 393, 121}, "", '-'},
    {"Label1", "TLabel", {4, 90, 52, 12}, "© 2003–2005", 'S'},
    {"Label2", "TLabel", {4, 101, 94, 12}, "Quorvane", 'S'},
    {"Label3", "TLabel", {56, 136, 104, 13}, "Quorvane® Vexorin", 'A'},
    {"Image2", "TImage", {8, 136, 41, 41}, "", '-'},
    {"Label4", "TLabel", {56, 153, 118, 13}, "Версия 3.0 (22.03.2005)", 'A'},
    {"Label5", "TLabel", {56, 186, 173, 13}, "© Quorvane, 2003–2005. Все права защищены.", 'A'},
    {"Shape1", "TShape", {9, 272, 369, 1}, "", '-'},
    {"Label6", "TLabel", {8, 278, 165, 13}, "Доступная физическая память: ", 'A'},
    {"Label7", "TLabel", {176, 278, 52, 13}, nullptr, 'A'}, // set at start-up
    {"Label8", "TLabel", {8, 294, 93, 13}, "Загрузка памяти: ", 'A'},
    {"Label9", "TLabel", {104, 294, 23, 13}, nullptr, 'A'}, // set at start-up
    {"Label10", "TLabel", {56, 169, 169, 13}, "Автор: команда Quorvane", 'A'},
    {"BitBtn1", "TBitBtn", {304, 280, 73, 25}, "ОК", 'A'},
};

// One way a user acts on the open window.
enum class Act { ClickOk, EnterOnOk, SpaceOnOk, CloseRequest, Escape };

void Perform(Act act)
{
    switch (act) {
    case Act::ClickOk:
        user_input::Click(*Form2->BitBtn1);
        break;
    case Act::EnterOnOk:
        user_input::PressKey(*Form2, Qt::Key_Return, QStringLiteral("\r"));
        break;
    case Act::SpaceOnOk:
        user_input::PressKey(*Form2, Qt::Key_Space, QStringLiteral(" "));
        break;
    case Act::CloseRequest:
        // What the window manager sends for the title bar's close button and for Alt+F4.
        Form2->windowHandle()->close();
        break;
    case Act::Escape:
        user_input::PressKey(*Form2, Qt::Key_Escape, QStringLiteral("\x1b"));
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Act)

class AboutWindowTest : public CalculatorFixture {
    Q_OBJECT
private slots:
    void window();
    void controlsAsLaidOut_data();
    void controlsAsLaidOut();
    void shapeShowsAsABlackLine();
    void figuresAtStartUp_data();
    void figuresAtStartUp();
    void largeFiguresLeaveEveryTextUncovered();
    void figuresStayThoseOfStartUp();
    void waysToClose_data();
    void waysToClose();
    void centredFirstThenWhereLeft();

private:
    // Opens the window from the menu; inside its modal loop, body runs and must close it.
    void OpenAbout(std::function<void()> body);
};

void AboutWindowTest::OpenAbout(std::function<void()> body)
{
    ExpectModal([body](QWidget& modal) {
        QCOMPARE(&modal, Form2);
        body();
    });
    user_input::ClickMenuItem(*Form1->MainMenu1, *Form1->N1);
}

void AboutWindowTest::window()
{
    QCOMPARE(Form2->windowTitle(), QStringLiteral("О программе..."));
    QVERIFY(!Form2->isVisible()); // hidden until chosen from the menu
    QSize client;
    OpenAbout([&client] {
        client = QSize(Form2->ClientWidth(), Form2->ClientHeight());
        user_input::Click(*Form2->BitBtn1);
    });
    QCOMPARE(client, QSize(389, 325));
    QVERIFY(Form2->minimumSize() == Form2->maximumSize()); // the user cannot resize it
    QVERIFY(Form2->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(Form2->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(Form2->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(Form2->menuWidget() == nullptr);
    // Both windows carry the application icon, at 32 x 32.
    QVERIFY(QApplication::windowIcon().availableSizes().contains(QSize(32, 32)));
    QCOMPARE(Form2->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    QCOMPARE(Form1->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    // "ОК" is the only control that takes the keyboard focus.
    for (QWidget* control : Form2->centralWidget()->findChildren<QWidget*>()) {
        QCOMPARE(control->focusPolicy() != Qt::NoFocus, control == Form2->BitBtn1);
    }
    QCOMPARE(Form2->BitBtn1->text(), QStringLiteral(u"\u041E\u041A")); // Cyrillic О and К
    QCOMPARE(AccessibleName(*Form2->BitBtn1), QStringLiteral("ОК"));
    QVERIFY(!QAccessible::queryAccessibleInterface(Form2->BitBtn1)->text(QAccessible::Description).isEmpty());
}

void AboutWindowTest::controlsAsLaidOut_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(kControls)); ++row) {
        QTest::newRow(kControls[row].name) << row;
    }
}

void AboutWindowTest::controlsAsLaidOut()
{
    QFETCH(int, row);
    const ControlRow& expected = kControls[row];
    auto* control = Form2->findChild<QWidget*>(expected.name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->metaObject()->className(), expected.kind);
    // A child's place among its siblings is its drawing order.
    QCOMPARE(Form2->centralWidget()->children().indexOf(control), row);

    auto* label = qobject_cast<TLabel*>(control);
    if (label != nullptr) {
        QCOMPARE(control->geometry(), QRect(expected.stored.topLeft(), label->sizeHint()));
        const QFontMetrics metrics(label->font());
        QVERIFY(label->width() >= metrics.horizontalAdvance(label->text()));
        QVERIFY(label->height() >= metrics.height());
        // Only the two labels over the banner let it show through.
        QCOMPARE(label->autoFillBackground(), expected.font != 'S');
    } else {
        QCOMPARE(control->geometry(), expected.stored);
    }
    if (expected.caption != nullptr && *expected.caption != '\0') {
        QCOMPARE(control->property("text").toString(), QString::fromUtf8(expected.caption));
    }
    if (expected.font != '-') {
        QCOMPARE(control->font().family(),
                 QString(expected.font == 'S' ? "Microsoft Sans Serif" : "MS Sans Serif"));
        QCOMPARE(control->font().pixelSize(), expected.font == 'S' ? 9 : 11);
        QVERIFY(!control->font().bold());
        if (expected.font == 'S') { // drawn at its own small size, not at the nearest bitmap's
            QCOMPARE(QFontInfo(control->font()).pixelSize(), 9);
        }
    }
    if (auto* image = qobject_cast<TImage*>(control)) {
        const QSize picture = QString(expected.name) == "Image1" ? QSize(388, 118) : QSize(32, 32);
        QCOMPARE(image->pixmap().deviceIndependentSize().toSize(), picture); // unscaled
        QCOMPARE(image->alignment(), Qt::AlignLeft | Qt::AlignTop);
    }
}

void AboutWindowTest::shapeShowsAsABlackLine()
{
    // One pixel high, it has no inside for the white fill, on any display scale.
    const QImage drawn = Form2->Shape1->grab().toImage();
    QVERIFY(!drawn.isNull());
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            QCOMPARE(drawn.pixelColor(x, y), QColor(Qt::black));
        }
    }
}

void AboutWindowTest::figuresAtStartUp_data()
{
    QTest::addColumn<MEMORYSTATUS>("status");
    QTest::addColumn<uint>("thousands");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("load");

    QTest::newRow("512 MiB, comma") << MEMORYSTATUS{57, 536870912} << uint(U',') << "524,288 КБ"
                                    << "57 %";
    QTest::newRow("512 MiB, full stop") << MEMORYSTATUS{57, 536870912} << uint(U'.') << "524.288 КБ"
                                        << "57 %";
    QTest::newRow("512 MiB, narrow no-break space")
        << MEMORYSTATUS{57, 536870912} << uint(U'\u202F') << "524\u202F288 КБ"
        << "57 %";
    QTest::newRow("1536 bytes: a half rounds up") << MEMORYSTATUS{100, 1536} << uint(U',') << "2 КБ"
                                                  << "100 %";
    QTest::newRow("1535 bytes") << MEMORYSTATUS{0, 1535} << uint(U',') << "1 КБ"
                                << "0 %";
    QTest::newRow("largest 32-bit total") << MEMORYSTATUS{98, 4294967295} << uint(U',') << "4,194,304 КБ"
                                          << "98 %";
    QTest::newRow("below 512 bytes: no digits") << MEMORYSTATUS{1, 511} << uint(U',') << " КБ"
                                                << "1 %";
    // Beyond what a 32-bit record holds: the true total, rounded by the same rule.
    QTest::newRow("16 GiB and 1.5 KiB")
        << MEMORYSTATUS{42, 17179870720} << uint(U'\u202F') << "16\u202F777\u202F218 КБ"
        << "42 %";
    QTest::newRow("64 GiB, no separator") << MEMORYSTATUS{42, 68719476736} << uint(0) << "67108864 КБ"
                                          << "42 %";
}

void AboutWindowTest::figuresAtStartUp()
{
    QFETCH(MEMORYSTATUS, status);
    QFETCH(uint, thousands);
    QFETCH(QString, total);
    QFETCH(QString, load);
    const StartUpConditions conditions(status, static_cast<char32_t>(thousands));
    QVERIFY(Restart());

    QCOMPARE(Form2->Label7->text(), total);
    QCOMPARE(Form2->Label9->text(), load);
    QCOMPARE(Form2->Label7->size(), Form2->Label7->sizeHint());
    QCOMPARE(Form2->Label9->size(), Form2->Label9->sizeHint());
    // A screen reader hears each figure with what it measures.
    QCOMPARE(AccessibleName(*Form2->Label7), "Доступная физическая память: " + total);
    QCOMPARE(AccessibleName(*Form2->Label9), "Загрузка памяти: " + load);
}

void AboutWindowTest::largeFiguresLeaveEveryTextUncovered()
{
    // 1 TiB: the longest figure a machine of our time shows, in the widest separator.
    const StartUpConditions conditions(MEMORYSTATUS{100, 1099511627776}, U'\u202F');
    QVERIFY(Restart());
    const QRect client(0, 0, 389, 325);
    for (TLabel* label : Form2->findChildren<TLabel*>()) {
        QVERIFY2(client.contains(label->geometry()), qPrintable(label->objectName()));
    }
    // The label drawn later paints its background over the earlier one's tail.
    QVERIFY(Form2->Label6->geometry().right() < Form2->Label7->x());
    QVERIFY(Form2->Label8->geometry().right() < Form2->Label9->x());
    QVERIFY(Form2->Label7->geometry().right() < Form2->BitBtn1->x());
    QVERIFY(Form2->Label9->geometry().right() < Form2->BitBtn1->x());
    QVERIFY(Form2->Label2->geometry().bottom() < 118); // on the banner's picture
}

void AboutWindowTest::figuresStayThoseOfStartUp()
{
    const StartUpConditions conditions(MEMORYSTATUS{30, 8589934592}, U',');
    QVERIFY(Restart());
    // Much more memory in use, and other settings, long after start-up.
    StartUpConditions::SetMemory(MEMORYSTATUS{95, 4294967296});
    StartUpConditions::SetThousandsSeparator(U' ');
    for (int opening = 1; opening <= 2; ++opening) {
        QString total, load;
        OpenAbout([&total, &load] {
            total = Form2->Label7->text();
            load = Form2->Label9->text();
            user_input::Click(*Form2->BitBtn1);
        });
        QCOMPARE(total, QStringLiteral("8,388,608 КБ"));
        QCOMPARE(load, QStringLiteral("30 %"));
    }
}

void AboutWindowTest::waysToClose_data()
{
    QTest::addColumn<Act>("act");
    QTest::addColumn<bool>("closes");
    QTest::newRow("click on ОК") << Act::ClickOk << true;
    QTest::newRow("Enter on ОК") << Act::EnterOnOk << true;
    QTest::newRow("Space on ОК") << Act::SpaceOnOk << true;
    QTest::newRow("close button or Alt+F4") << Act::CloseRequest << true;
    QTest::newRow("Esc") << Act::Escape << false;
}

void AboutWindowTest::waysToClose()
{
    QFETCH(Act, act);
    QFETCH(bool, closes);
    const QPointer<TForm2> window = Form2;
    for (int opening = 1; opening <= 2; ++opening) { // the same window every time
        bool stillOpen = false;
        OpenAbout([act, &stillOpen] {
            QVERIFY(QTest::qWaitForWindowActive(Form2));
            QCOMPARE(QApplication::focusWidget(), Form2->BitBtn1);
            Perform(act);
            QCoreApplication::processEvents();
            stillOpen = Form2->isVisible();
            if (stillOpen) {
                user_input::Click(*Form2->BitBtn1);
            }
        });
        QCOMPARE(stillOpen, !closes);
        QVERIFY(window); // hidden, not destroyed
        QVERIFY(!Form2->isVisible());
        QVERIFY(!Application->Terminated());
        QVERIFY(QTest::qWaitForWindowActive(Form1));
    }
}

void AboutWindowTest::centredFirstThenWhereLeft()
{
    QPoint first;
    QSize outer;
    OpenAbout([&first, &outer] {
        QVERIFY(QTest::qWaitForWindowActive(Form2));
        first = Form2->frameGeometry().topLeft();
        outer = Form2->frameGeometry().size();
        Form2->move(31, 17); // the user drags it away
        user_input::Click(*Form2->BitBtn1);
    });
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint centred(std::max(0, (screen.width() - outer.width()) / 2),
                         std::max(0, (screen.height() - outer.height()) / 2));
    QCOMPARE(first, screen.topLeft() + centred);

    QPoint second;
    OpenAbout([&second] {
        QVERIFY(QTest::qWaitForWindowActive(Form2));
        second = Form2->frameGeometry().topLeft();
        user_input::Click(*Form2->BitBtn1);
    });
    QCOMPARE(second, QPoint(31, 17));
}

VEXORIN_TEST_MAIN(AboutWindowTest)
#include "AboutWindowTest.moc"
