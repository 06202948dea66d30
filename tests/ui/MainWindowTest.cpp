// The main window as laid out, bound and switched: the controls of the tables, every
// click reaching its handler by name, the function panel, focus, the About window and
// the ways out.
#include "CalculatorFixture.h"

#include "Application.h"
#include "Buttons.h"
#include "Unit1.h"
#include "Unit2.h"
#include "UserInput.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QRect>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cmath>
#include <vector>

namespace {

struct ControlRow {
    const char* name;
    const char* kind;
    const char* parent; // "Form1": the window's client area
    QRect geometry;
    const char* caption;
    char font;
    const char* handler;
};

const ControlRow kControls[] = {
    {"Edit1", "TEdit", "Form1", {8, 5, 137, 21}, "", 'F', ""},
    {"SpeedButton1", "TSpeedButton", "Form1", {155, 4, 38, 25}, "C", 'B', "SpeedButton1Click"},
    {"SpeedButton3", "TSpeedButton", "Form1", {199, 5, 40, 23}, "sqrt", 'E', "SpeedButton3Click"},
    {"GroupBox1", "TGroupBox", "Form1", {4, 30, 145, 147}, "", 'A', ""},
    {"SpeedButton17", "TSpeedButton", "Form1", {155, 34, 38, 25}, "+", 'C', "SpeedButton17Click"},
    {"SpeedButton21", "TSpeedButton", "Form1", {200, 34, 40, 23}, "1/x", 'E', "SpeedButton21Click"},
    {"SpeedButton16", "TSpeedButton", "Form1", {155, 63, 38, 25}, "-", 'C', "SpeedButton16Click"},
    {"SpeedButton20", "TSpeedButton", "Form1", {200, 63, 40, 23}, "%", 'E', "SpeedButton20Click"},
    {"SpeedButton15", "TSpeedButton", "Form1", {155, 92, 38, 25}, "*", 'C', "SpeedButton15Click"},
    {"SpeedButton28", "TSpeedButton", "Form1", {199, 93, 40, 23}, "pi", 'E', "SpeedButton28Click"},
    {"SpeedButton14", "TSpeedButton", "Form1", {154, 121, 39, 25}, "/", 'C', "SpeedButton14Click"},
    {"SpeedButton22", "TSpeedButton", "Form1", {199, 122, 40, 23}, "x^2", 'E', "SpeedButton22Click"},
    {"SpeedButton18", "TSpeedButton", "Form1", {154, 151, 39, 26}, "=", 'D', "SpeedButton18Click"},
    {"SpeedButton23", "TSpeedButton", "Form1", {199, 151, 40, 23}, "x^3", 'E', "SpeedButton23Click"},
    {"BitBtn1", "TBitBtn", "Form1", {9, 183, 25, 25}, ">>", 'A', "BitBtn1Click"},
    {"Panel1", "TPanel", "Form1", {40, 182, 113, 25}, "Пусто", 'H', ""},
    {"Button1", "TButton", "Form1", {154, 182, 40, 23}, "M->", 'G', "Button1Click"},
    {"Button2", "TButton", "Form1", {198, 182, 40, 23}, "->M", 'G', "Button2Click"},
    {"SpeedButton11", "TSpeedButton", "GroupBox1", {7, 16, 40, 23}, "1", 'K', "SpeedButton11Click"},
    {"SpeedButton10", "TSpeedButton", "GroupBox1", {51, 16, 40, 23}, "2", 'K', "SpeedButton10Click"},
    {"SpeedButton9", "TSpeedButton", "GroupBox1", {96, 16, 40, 23}, "3", 'K', "SpeedButton9Click"},
    {"SpeedButton8", "TSpeedButton", "GroupBox1", {7, 48, 40, 23}, "4", 'K', "SpeedButton8Click"},
    {"SpeedButton7", "TSpeedButton", "GroupBox1", {51, 48, 40, 23}, "5", 'K', "SpeedButton7Click"},
    {"SpeedButton6", "TSpeedButton", "GroupBox1", {96, 48, 40, 23}, "6", 'K', "SpeedButton6Click"},
    {"SpeedButton5", "TSpeedButton", "GroupBox1", {7, 80, 40, 23}, "7", 'K', "SpeedButton5Click"},
    {"SpeedButton4", "TSpeedButton", "GroupBox1", {51, 80, 40, 23}, "8", 'K', "SpeedButton4Click"},
    {"SpeedButton2", "TSpeedButton", "GroupBox1", {96, 80, 40, 23}, "9", 'K', "SpeedButton2Click"},
    {"SpeedButton19", "TSpeedButton", "GroupBox1", {6, 112, 40, 23}, "+/-", 'K', "SpeedButton19Click"},
    {"SpeedButton13", "TSpeedButton", "GroupBox1", {51, 112, 40, 23}, "0", 'K', "SpeedButton13Click"},
    {"SpeedButton12", "TSpeedButton", "GroupBox1", {96, 112, 40, 23}, ".", 'K', "SpeedButton12Click"},
    {"SpeedButton25", "TSpeedButton", "Form1", {6, 216, 40, 23}, "sin", 'E', "SpeedButton25Click"},
    {"SpeedButton26", "TSpeedButton", "Form1", {55, 216, 40, 23}, "cos", 'E', "SpeedButton26Click"},
    {"SpeedButton27", "TSpeedButton", "Form1", {104, 216, 40, 23}, "tg", 'E', "SpeedButton27Click"},
    {"SpeedButton31", "TSpeedButton", "Form1", {152, 216, 40, 23}, "ctg", 'E', "SpeedButton31Click"},
    {"SpeedButton44", "TSpeedButton", "Form1", {199, 216, 40, 23}, "Hypot", 'E', "SpeedButton44Click"},
    {"SpeedButton40", "TSpeedButton", "Form1", {5, 243, 40, 23}, "sinh", 'E', "SpeedButton40Click"},
    {"SpeedButton39", "TSpeedButton", "Form1", {55, 244, 40, 23}, "cosh", 'E', "SpeedButton39Click"},
    {"SpeedButton41", "TSpeedButton", "Form1", {103, 244, 40, 23}, "tanh", 'E', "SpeedButton41Click"},
    {"SpeedButton30", "TSpeedButton", "Form1", {152, 244, 40, 23}, "ln", 'E', "SpeedButto30Click"},
    {"SpeedButton24", "TSpeedButton", "Form1", {200, 244, 40, 23}, "x^y", 'E', "SpeedButton24Click"},
    {"SpeedButton35", "TSpeedButton", "Form1", {6, 272, 40, 23}, "arsin", 'E', "SpeedButton35Click"},
    {"SpeedButton33", "TSpeedButton", "Form1", {54, 272, 40, 23}, "arcos", 'E', "SpeedButton33Click"},
    {"SpeedButton37", "TSpeedButton", "Form1", {103, 272, 40, 23}, "artan", 'E', "SpeedButton37Click"},
    {"SpeedButton32", "TSpeedButton", "Form1", {152, 272, 40, 23}, "arctg", 'E', "SpeedButton32Click"},
    {"SpeedButton43", "TSpeedButton", "Form1", {200, 271, 40, 23}, "Log2", 'E', "SpeedButton43Click"},
    {"SpeedButton38", "TSpeedButton", "Form1", {5, 300, 40, 23}, "arsinh", 'E', "SpeedButton38Click"},
    {"SpeedButton34", "TSpeedButton", "Form1", {54, 300, 40, 23}, "arcosh", 'E', "SpeedButton34Click"},
    {"SpeedButton36", "TSpeedButton", "Form1", {102, 300, 40, 23}, "artanh", 'E', "SpeedButton36Click"},
    {"SpeedButton29", "TSpeedButton", "Form1", {153, 299, 40, 23}, "Exp", 'E', "SpeedButton29Click"},
    {"SpeedButton42", "TSpeedButton", "Form1", {200, 299, 40, 23}, "Floor", 'E', "SpeedButton42Click"},
    {"SpeedButton45", "TSpeedButton", "Form1", {5, 328, 74, 23}, "CycleToRad", 'E', "SpeedButton45Click"},
    {"SpeedButton46", "TSpeedButton", "Form1", {85, 328, 74, 23}, "DegToRad", 'E', "SpeedButton46Click"},
    {"SpeedButton54", "TSpeedButton", "Form1", {166, 328, 74, 23}, "GradToRad", 'E', "SpeedButton54Click"},
    {"SpeedButton49", "TSpeedButton", "Form1", {5, 356, 74, 23}, "RadToCycle", 'E', "SpeedButton49Click"},
    {"SpeedButton48", "TSpeedButton", "Form1", {85, 356, 74, 23}, "RadToDeg", 'E', "SpeedButton48Click"},
    {"SpeedButton47", "TSpeedButton", "Form1", {166, 356, 74, 23}, "RadToGrad", 'E', "SpeedButton47Click"},
};

struct FontRow {
    char letter;
    const char* face;
    int pixels;
    bool bold;
    const char* colour; // empty: the window text colour
};

const FontRow kFonts[] = {
    {'A', "MS Sans Serif", 11, false, ""}, {'B', "Tahoma", 13, true, "#000080"},
    {'C', "Tahoma", 13, false, "#000080"}, {'D', "Tahoma", 16, true, "#000080"},
    {'E', "Tahoma", 13, false, "#000080"}, {'F', "Lucida Sans Unicode", 11, false, ""},
    {'G', "Tahoma", 11, false, ""},        {'H', "Tahoma", 9, false, ""},
    {'K', "Arial", 15, true, "#000000"},
};

const FontRow& FontOf(char letter)
{
    for (const FontRow& font : kFonts) {
        if (font.letter == letter) {
            return font;
        }
    }
    qFatal("no font %c", letter);
}

// The function panel: the keys with a top of 216 or more.
std::vector<QAbstractButton*> FunctionPanelKeys()
{
    std::vector<QAbstractButton*> keys;
    for (const ControlRow& row : kControls) {
        if (row.geometry.top() >= 216) {
            keys.push_back(Form1->findChild<QAbstractButton*>(row.name));
        }
    }
    return keys;
}

// The caption's ink on the screen, in device pixels of the key: where the key's picture with its
// caption differs from its picture without it.
QRect CaptionInk(QAbstractButton& key)
{
    const QImage with = key.grab().toImage();
    const QString caption = key.text();
    key.setText(QString());
    const QImage without = key.grab().toImage();
    key.setText(caption);
    QRect ink;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            if (with.pixel(x, y) != without.pixel(x, y)) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

// Empty when the key shows its whole caption as drawn at the display's scale: the ink lies inside
// the key's one-pixel border, and is as large as in a key with room to spare, so that nothing of
// it is cut off. Otherwise what is wrong.
QString CaptionOverflow(QAbstractButton& key)
{
    const qreal ratio = key.devicePixelRatioF();
    const int border = int(std::ceil(ratio));
    const QRect inside = QRect(QPoint(0, 0), key.size() * ratio).adjusted(border, border, -border, -border);
    const QRect ink = CaptionInk(key);
    const QSize size = key.size();
    key.resize(size + QSize(20, 20));
    const QSize roomyInk = CaptionInk(key).size();
    key.resize(size);
    const auto text = [](QSize s) { return QStringLiteral("%1x%2").arg(s.width()).arg(s.height()); };
    if (ink.isEmpty() || !inside.contains(ink)) {
        return QStringLiteral("ink %1 at %2,%3 outside the border")
            .arg(text(ink.size()))
            .arg(ink.x())
            .arg(ink.y());
    }
    if (ink.size() != roomyInk) {
        return QStringLiteral("ink cut to %1 of %2").arg(text(ink.size()), text(roomyInk));
    }
    return {};
}

// A main window that notes the name of every handler the layer invokes on it.
class SpyForm1 : public TForm1 {
public:
    int qt_metacall(QMetaObject::Call call, int id, void** arguments) override
    {
        if (call == QMetaObject::InvokeMetaMethod) {
            invoked << QString::fromLatin1(metaObject()->method(id).name());
        }
        return TForm1::qt_metacall(call, id, arguments);
    }
    QStringList invoked;
};

} // namespace

class MainWindowTest : public CalculatorFixture {
    Q_OBJECT
private slots:
    void windowAtStart();
    void facesFollowTheScale();
    void controlsAsLaidOut_data();
    void controlsAsLaidOut();
    void everyClickReachesItsHandler_data();
    void everyClickReachesItsHandler();
    void menuEntriesReachTheirHandlers();
    void functionPanelOnlyWithinReachWhenTall();
    void speedKeysNeverTakeTheFocus();
    void panelAndGroupBoxTakeNoFocus();
    void aboutWindowIsModal();
    void exitPaths_data();
    void exitPaths();
};

void MainWindowTest::windowAtStart()
{
    QCOMPARE(Form1->windowTitle(), QStringLiteral("QV Vexorin 3.0"));
    QCOMPARE(Form1->ClientWidth(), 245);
    QCOMPARE(Form1->ClientHeight(), 211);
    QCOMPARE(Application->MainForm(), Form1);
    QVERIFY(Form1->minimumSize() == Form1->maximumSize()); // the user cannot resize it
    QVERIFY(!(Form1->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(Form1->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!Form2->isVisible());
    QCOMPARE(QApplication::focusWidget(), Form1->Edit1); // typing goes to the display at once
}

void MainWindowTest::facesFollowTheScale()
{
    if (Form1->devicePixelRatioF() == 1.0) {
        QSKIP("the display is not scaled");
    }
    // A face of fixed bitmaps would draw its glyphs unscaled on scaled spacing.
    for (TForm* window : {static_cast<TForm*>(Form1), static_cast<TForm*>(Form2)}) {
        for (const QWidget* control : window->findChildren<QWidget*>()) {
            const QFontInfo face(control->font());
            QVERIFY2(QFontDatabase::isSmoothlyScalable(face.family(), face.styleName()),
                     qPrintable(control->objectName() + " in " + face.family()));
        }
    }
}

void MainWindowTest::controlsAsLaidOut_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(kControls)); ++row) {
        QTest::newRow(kControls[row].name) << row;
    }
}

void MainWindowTest::controlsAsLaidOut()
{
    QFETCH(int, row);
    const ControlRow& expected = kControls[row];
    auto* control = Form1->findChild<QWidget*>(expected.name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->metaObject()->className(), expected.kind);
    const QWidget* parent = QString(expected.parent) == "Form1" ? Form1->centralWidget() : Form1->GroupBox1;
    QCOMPARE(control->parentWidget(), parent);
    QCOMPARE(control->geometry(), expected.geometry);
    QCOMPARE(control->property("OnClick").toString(), QString(expected.handler));

    const FontRow& font = FontOf(expected.font);
    QCOMPARE(control->font().family(), QString(font.face));
    QCOMPARE(control->font().pixelSize(), font.pixels);
    QCOMPARE(control->font().bold(), font.bold);
    if (*font.colour != '\0') {
        QCOMPARE(control->palette().color(QPalette::ButtonText).name(), QString(font.colour));
    }

    if (auto* key = qobject_cast<QAbstractButton*>(control)) {
        QCOMPARE(key->text(), QString::fromUtf8(expected.caption));
        // The caption fits inside the key's one-pixel border, in the font actually found.
        const QFontMetrics metrics(key->font());
        QVERIFY2(metrics.horizontalAdvance(key->text()) <= key->width() - 2,
                 qPrintable(key->text() + " in " + QFontInfo(key->font()).family()));
        QVERIFY(metrics.height() <= key->height());
        // And as drawn on the screen, at its scale.
        const QString overflow = CaptionOverflow(*key);
        QVERIFY2(overflow.isEmpty(), qPrintable(overflow));
    }
}

void MainWindowTest::everyClickReachesItsHandler_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("handler");
    for (const ControlRow& row : kControls) {
        if (*row.handler != '\0') {
            QTest::newRow(row.name) << row.name << row.handler;
        }
    }
}

// Starts the program afresh with a spying main window.
static SpyForm1* StartWithSpy()
{
    Application->DestroyForms();
    SpyForm1* spy = nullptr;
    Application->CreateForm(spy);
    Form1 = spy;
    Application->CreateForm(Form2);
    spy->Show();
    return QTest::qWaitForWindowActive(spy) ? spy : nullptr;
}

void MainWindowTest::everyClickReachesItsHandler()
{
    QFETCH(QString, control);
    QFETCH(QString, handler);
    SpyForm1* spy = StartWithSpy();
    QVERIFY(spy != nullptr);
    spy->SetHeight(440); // every key within reach

    auto* key = spy->findChild<QAbstractButton*>(control);
    QVERIFY(user_input::CanClick(*key));
    user_input::Click(*key);
    QCOMPARE(spy->invoked, QStringList{handler});
}

void MainWindowTest::menuEntriesReachTheirHandlers()
{
    SpyForm1* spy = StartWithSpy();
    QVERIFY(spy != nullptr);
    QCOMPARE(spy->MainMenu1->actions(), (QList<QAction*>{spy->N2, spy->N1}));
    QCOMPARE(spy->N2->text(), QStringLiteral("Выход"));
    QCOMPARE(spy->N1->text(), QStringLiteral("О программе"));
    ExpectModal([](QWidget& modal) { static_cast<TForm&>(modal).Close(); });
    user_input::ClickMenuItem(*spy->MainMenu1, *spy->N1);
    QCOMPARE(spy->invoked, QStringList{"N1Click"});
    user_input::ClickMenuItem(*spy->MainMenu1, *spy->N2);
    QCOMPARE(spy->invoked, (QStringList{"N1Click", "N2Click"}));
}

void MainWindowTest::functionPanelOnlyWithinReachWhenTall()
{
    const QPoint corner = Form1->frameGeometry().topLeft();
    const int width = Form1->frameGeometry().width();
    for (QAbstractButton* key : FunctionPanelKeys()) {
        QVERIFY2(!user_input::CanClick(*key), qPrintable(key->text()));
    }

    user_input::Click(*Form1->BitBtn1);
    QCOMPARE(Form1->BitBtn1->Caption(), std::string("<<"));
    QCOMPARE(Form1->Height(), 440);
    for (QAbstractButton* key : FunctionPanelKeys()) {
        QVERIFY2(user_input::CanClick(*key), qPrintable(key->text()));
        QVERIFY(key->geometry().bottom() < Form1->ClientHeight());
    }

    user_input::Click(*Form1->BitBtn1);
    QCOMPARE(Form1->BitBtn1->Caption(), std::string(">>"));
    QCOMPARE(Form1->Height(), 265);
    // The window grows and shrinks at its lower edge only.
    QCOMPARE(Form1->frameGeometry().topLeft(), corner);
    QCOMPARE(Form1->frameGeometry().width(), width);
    QCOMPARE(Form1->BitBtn1->Caption(), std::string(">>"));
}

void MainWindowTest::speedKeysNeverTakeTheFocus()
{
    Form1->SetHeight(440);
    user_input::Click(*Form1->Button1);
    for (TSpeedButton* key : Form1->findChildren<TSpeedButton*>()) {
        QCOMPARE(key->focusPolicy(), Qt::NoFocus);
        // On the empty display an operator key fails before it hands the display the focus,
        // so any move of the focus would be the click's own.
        Form1->Edit1->SetText("");
        user_input::Click(*key);
        QVERIFY2(QApplication::focusWidget() == Form1->Button1, qPrintable(key->text()));
    }
}

void MainWindowTest::panelAndGroupBoxTakeNoFocus()
{
    for (QWidget* control : {static_cast<QWidget*>(Form1->Panel1), static_cast<QWidget*>(Form1->GroupBox1)}) {
        QTest::mouseClick(Form1->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          control->mapTo(Form1, QPoint(2, 2)));
        QCOMPARE(QApplication::focusWidget(), Form1->Edit1);
    }
}

void MainWindowTest::aboutWindowIsModal()
{
    bool checked = false;
    ExpectModal([&checked](QWidget& modal) {
        QCOMPARE(&modal, Form2);
        QCOMPARE(Form2->windowTitle(), QStringLiteral("О программе..."));
        // The main window's keys do not respond meanwhile.
        user_input::Click(*Form1->SpeedButton11);
        QCOMPARE(Form1->Edit1->Text(), std::string());
        user_input::Click(*Form2->BitBtn1); // "ОК"
        checked = true;
    });
    user_input::ClickMenuItem(*Form1->MainMenu1, *Form1->N1);
    QVERIFY(checked);
    QVERIFY(!Form2->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(Form1));
    user_input::Click(*Form1->SpeedButton11);
    QCOMPARE(Form1->Edit1->Text(), std::string("1"));
}

void MainWindowTest::exitPaths_data()
{
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("menu Выход") << true;
    QTest::newRow("title bar close") << false;
}

void MainWindowTest::exitPaths()
{
    QFETCH(bool, byMenu);
    QTimer::singleShot(0, [byMenu] {
        if (byMenu) {
            user_input::ClickMenuItem(*Form1->MainMenu1, *Form1->N2);
        } else {
            Form1->windowHandle()->close(); // what the window manager's close does
        }
    });
    // Watchdog: a loop that does not end fails instead of hanging.
    bool ended = true;
    QTimer::singleShot(5000, [&ended] {
        ended = false;
        QApplication::exit(1);
    });
    Application->Run();
    QVERIFY(ended);
    QVERIFY(Application->Terminated());
    QVERIFY(!Form1->isVisible());
}

VEXORIN_TEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
