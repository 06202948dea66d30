// What a key leaves in the calculator's variables when it fails, where the display cannot
// show it: the receiving variable keeps its previous value, a store made before the failing
// step stays done, nothing after it is done.
#include "CalculatorFixture.h"

#include "Application.h"
#include "Unit1.h"
#include "UserInput.h"

#include <QTest>

#include <QAbstractButton>

namespace {

struct CalculatorState {
    char pendingOp;
    double firstOperand;
    double resultValue;
    double workValue;
    double memoryValue;
    double sqrtValue;
    double sqrtArgument;

    bool operator==(const CalculatorState&) const = default;

    static CalculatorState Current()
    {
        return {PendingOp, FirstOperand, ResultValue, WorkValue, MemoryValue, SqrtValue, SqrtArgument};
    }
    void Install() const
    {
        PendingOp = pendingOp;
        FirstOperand = firstOperand;
        ResultValue = resultValue;
        WorkValue = workValue;
        MemoryValue = memoryValue;
        SqrtValue = sqrtValue;
        SqrtArgument = sqrtArgument;
    }
};

// Values no key of the table computes, so that a changed variable shows.
constexpr CalculatorState kBefore{'+', 11, 22, 33, 44, 55, 66};

CalculatorState With(char pendingOp, double firstOperand)
{
    CalculatorState state = kBefore;
    state.pendingOp = pendingOp;
    state.firstOperand = firstOperand;
    return state;
}

} // namespace

Q_DECLARE_METATYPE(CalculatorState)

namespace QTest {
template <> char* toString(const CalculatorState& state)
{
    return qstrdup(QByteArray("PendingOp ") + (state.pendingOp != 0 ? QByteArray(1, state.pendingOp) : "0") +
                   ", FirstOperand " + QByteArray::number(state.firstOperand, 'g', 17) + ", ResultValue " +
                   QByteArray::number(state.resultValue, 'g', 17) + ", WorkValue " +
                   QByteArray::number(state.workValue, 'g', 17) + ", MemoryValue " +
                   QByteArray::number(state.memoryValue, 'g', 17) + ", SqrtValue " +
                   QByteArray::number(state.sqrtValue, 'g', 17) + ", SqrtArgument " +
                   QByteArray::number(state.sqrtArgument, 'g', 17));
}
} // namespace QTest

class KeyStateTest : public CalculatorFixture {
    Q_OBJECT
private slots:
    void failureLeavesTheVariables_data();
    void failureLeavesTheVariables();
};

void KeyStateTest::failureLeavesTheVariables_data()
{
    QTest::addColumn<CalculatorState>("before");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("error");
    QTest::addColumn<CalculatorState>("after");

    const QString conversion = "'%1' is not a valid floating point value.";
    const QString overflow = "Floating point overflow.";
    CalculatorState state = kBefore;

    QTest::newRow("operator: no number") << kBefore << "abc"
                                         << "SpeedButton15" << conversion.arg("abc") << kBefore;
    QTest::newRow("operator: beyond the double range") << kBefore << "1E400"
                                                       << "SpeedButton24" << overflow << kBefore;

    QTest::newRow("= +: no number") << kBefore << "x"
                                    << "SpeedButton18" << conversion.arg("x") << kBefore;
    QTest::newRow("= +: result beyond the double range") << With('+', 1e308) << "1E308"
                                                         << "SpeedButton18" << overflow << With('+', 1e308);
    QTest::newRow("= ^: no integer") << With('^', 2) << "2,5"
                                     << "SpeedButton18"
                                     << "'2,5' is not a valid integer value." << With('^', 2);
    QTest::newRow("= ^: power beyond the double range") << With('^', 2) << "1024"
                                                        << "SpeedButton18" << overflow << With('^', 2);

    // "%" stores the value entered before it computes: a failing computation leaves it there.
    QTest::newRow("%: beyond the double range") << kBefore << "1E400"
                                                << "SpeedButton20" << overflow << kBefore;
    state = With('/', 5);
    state.workValue = 0;
    QTest::newRow("% /: zero divides") << With('/', 5) << "0"
                                       << "SpeedButton20"
                                       << "Floating point division by zero." << state;
    state = With('*', 1e300);
    state.workValue = 1e300;
    QTest::newRow("% *: result beyond the double range") << With('*', 1e300) << "1E300"
                                                         << "SpeedButton20" << overflow << state;

    // A one-operand key stores its argument first: a failing function leaves the argument.
    QTest::newRow("x^2: no number") << kBefore << ""
                                    << "SpeedButton22" << conversion.arg("") << kBefore;
    QTest::newRow("sin: beyond the double range") << kBefore << "1E400"
                                                  << "SpeedButton25" << overflow << kBefore;
    state = kBefore;
    state.workValue = 0;
    QTest::newRow("ln: zero divides") << kBefore << "0"
                                      << "SpeedButton30"
                                      << "Floating point division by zero." << state;
    state.workValue = 1e155;
    QTest::newRow("x^2: result beyond the double range") << kBefore << "1E155"
                                                         << "SpeedButton22" << overflow << state;
    state.workValue = 5;
    QTest::newRow("arcos: beyond its domain") << kBefore << "5"
                                              << "SpeedButton33"
                                              << "Invalid floating point operation." << state;

    state = kBefore;
    state.sqrtArgument = -16;
    QTest::newRow("sqrt: negative") << kBefore << "-16"
                                    << "SpeedButton3"
                                    << "Invalid floating point operation." << state;
    QTest::newRow("sqrt: no number") << kBefore << "abc"
                                     << "SpeedButton3" << conversion.arg("abc") << kBefore;

    QTest::newRow("->M: beyond the double range") << kBefore << "1E400"
                                                  << "Button2" << overflow << kBefore;
}

void KeyStateTest::failureLeavesTheVariables()
{
    QFETCH(CalculatorState, before);
    QFETCH(QString, display);
    QFETCH(QString, key);
    QFETCH(QString, error);
    QFETCH(CalculatorState, after);

    Form1->SetHeight(440); // every key within reach
    before.Install();
    Form1->Edit1->SetText(display.toStdString());
    auto* button = Form1->findChild<QAbstractButton*>(key);
    QVERIFY(button != nullptr);
    user_input::Click(*button);

    QCOMPARE(Errors(), QStringList{error});
    QCOMPARE(CalculatorState::Current(), after);
    QCOMPARE(Form1->Edit1->Text(), display.toStdString());
}

VEXORIN_TEST_MAIN(KeyStateTest)
#include "KeyStateTest.moc"
