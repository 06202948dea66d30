// The error dialog and the one protected region: the period rule, a handler's failure
// reaching the dialog, the program going on afterwards, the dialog itself with the
// focus coming back, and handler names that do not resolve.
#include "CalculatorFixture.h"

#include "Application.h"
#include "Buttons.h"
#include "Edit.h"
#include "Faults.h"
#include "Form.h"
#include "UserInput.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include <stdexcept>

namespace {

// A small window whose keys fail or work, laid out in code as a layout file would be.
class TrialForm : public TForm {
    Q_OBJECT
public:
    explicit TrialForm(const char* failingHandler = "Fail", const char* creationStep = "")
    {
        setObjectName("TrialForm");
        setProperty("ClientWidth", 200);
        setProperty("ClientHeight", 60);
        setProperty("OnCreate", creationStep);
        auto* client = new QWidget(this);
        setCentralWidget(client);
        Edit1 = Add<TEdit>(client, "Edit1", "", 0);
        Button1 = Add<TButton>(client, "Button1", "", 30);
        FailingKey = Add<TSpeedButton>(client, "SpeedButton1", failingHandler, 60);
        WorkingKey = Add<TSpeedButton>(client, "SpeedButton2", "Work", 90);
        SetUpLayout();
    }

    TEdit* Edit1;
    TButton* Button1;
    TSpeedButton* FailingKey;
    TSpeedButton* WorkingKey;

public slots:
    void Fail(TObject*) { throw EZeroDivide(); }
    void Work(TObject*) { Edit1->SetText(Edit1->Text() + "1"); }
    void FailToCreate(TObject*) { throw EConvertError("'x' is not a valid floating point value"); }

private:
    template <class Control> Control* Add(QWidget* parent, const char* name, const char* handler, int left)
    {
        auto* control = new Control(parent);
        control->setObjectName(name);
        control->setGeometry(left, 5, 28, 23);
        if (*handler != '\0') {
            control->setProperty("OnClick", handler);
        }
        return control;
    }
};

// A window whose creation step fails.
class FailingToCreate : public TrialForm {
public:
    FailingToCreate() : TrialForm("Fail", "FailToCreate") {}
};

} // namespace

class ErrorDialogTest : public CalculatorFixture {
    Q_OBJECT
private slots:
    void periodRule_data();
    void periodRule();
    void failingHandlerReachesTheDialogAndTheProgramGoesOn();
    void dialogAndTheFocusAfterIt();
    void unknownHandlerNameFailsLoudly();
    void failingCreationStepIsShownAndStartUpGoesOn();

private:
    TrialForm* ShowTrialForm()
    {
        TrialForm* form = nullptr;
        Application->CreateForm(form);
        form->Show();
        return QTest::qWaitForWindowActive(form) ? form : nullptr;
    }
};

void ErrorDialogTest::periodRule_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("a letter") << "Floating point division by zero"
                              << "Floating point division by zero.";
    QTest::newRow("a Cyrillic letter") << "Деление на ноль"
                                       << "Деление на ноль.";
    QTest::newRow("a digit") << "code 0"
                             << "code 0.";
    QTest::newRow("a slash, code 47") << "a/"
                                      << "a/.";
    QTest::newRow("a quote, as the conversions end") << "'x' is not valid '"
                                                     << "'x' is not valid '";
    QTest::newRow("a period") << "Done."
                              << "Done.";
    QTest::newRow("a parenthesis") << "Failed (3)"
                                   << "Failed (3)";
    QTest::newRow("an exclamation mark") << "Stop!"
                                         << "Stop!";
    QTest::newRow("a space") << "trailing "
                             << "trailing ";
    QTest::newRow("a comma") << "a,"
                             << "a,";
    QTest::newRow("a hyphen, code 45") << "a-"
                                       << "a-";
    QTest::newRow("beyond the BMP") << "😀"
                                    << "😀.";
    QTest::newRow("empty") << ""
                           << "";
}

void ErrorDialogTest::periodRule()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    Application->ShowException(Exception(message.toStdString()));
    QCOMPARE(Errors(), QStringList{shown});
}

void ErrorDialogTest::failingHandlerReachesTheDialogAndTheProgramGoesOn()
{
    TrialForm* form = ShowTrialForm();
    QVERIFY(form != nullptr);
    user_input::Click(*form->WorkingKey);
    user_input::Click(*form->FailingKey);
    QCOMPARE(Errors(), QStringList{"Floating point division by zero."});
    user_input::Click(*form->WorkingKey);
    user_input::Click(*form->FailingKey);
    QCOMPARE(form->Edit1->Text(), std::string("11"));
    QCOMPARE(Errors().size(), 2);
}

void ErrorDialogTest::dialogAndTheFocusAfterIt()
{
    TrialForm* form = ShowTrialForm();
    QVERIFY(form != nullptr);
    user_input::Click(*form->Button1);
    ShowRealErrorDialog();
    bool checked = false;
    ExpectModal([&checked](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        QVERIFY(box != nullptr);
        QCOMPARE(box->windowTitle(), QStringLiteral("QV Vexorin 3.0"));
        QCOMPARE(box->text(), QStringLiteral("Floating point division by zero."));
        QCOMPARE(box->icon(), QMessageBox::Critical);
        QCOMPARE(box->buttons().size(), 1);
        QCOMPARE(box->standardButton(box->buttons().first()), QMessageBox::Ok);
        QCOMPARE(box->windowModality(), Qt::ApplicationModal);
        QCOMPARE(box->textFormat(), Qt::PlainText);
        user_input::Click(*box->buttons().first());
        checked = true;
    });
    user_input::Click(*form->FailingKey);
    QVERIFY(checked);
    QVERIFY(QTest::qWaitForWindowActive(form));
    QCOMPARE(QApplication::focusWidget(), form->Button1);
}

void ErrorDialogTest::unknownHandlerNameFailsLoudly()
{
    try {
        TrialForm form("NoSuchHandler");
        QFAIL("a layout naming a missing handler was accepted");
    } catch (const std::logic_error& failure) {
        const QString message = failure.what();
        QVERIFY2(message.contains("SpeedButton1") && message.contains("NoSuchHandler"), failure.what());
    }
}

void ErrorDialogTest::failingCreationStepIsShownAndStartUpGoesOn()
{
    FailingToCreate* form = nullptr;
    Application->CreateForm(form);
    QVERIFY(form != nullptr);
    QCOMPARE(Errors(), QStringList{"'x' is not a valid floating point value."});
}

VEXORIN_TEST_MAIN(ErrorDialogTest)
#include "ErrorDialogTest.moc"
