#include "CheckedSession.h"

#include "CalculatorKeys.h"
#include "PressRules.h"
#include "UserInput.h"

#include "Application.h"
#include "Buttons.h"
#include "Edit.h"
#include "NumberFormat.h"
#include "Panels.h"
#include "Unit1.h"
#include "Unit2.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <utility>

namespace {

using calculator_keys::Rule;

void ZeroVariables()
{
    PendingOp = 0;
    FirstOperand = 0;
    ResultValue = 0;
    WorkValue = 0;
    MemoryValue = 0;
    SqrtValue = 0;
    SqrtArgument = 0;
}

// The offscreen platform says at every resize of the window (each ">>") that it ignores size
// hints; that notice is dropped, every other message passes on.
QtMessageHandler passOn = nullptr;

void DropSizeHintNotice(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message != QLatin1String("This plugin does not support propagateSizeHints()")) {
        passOn(type, context, message);
    }
}

// The desktop's announcement of new settings, as Qt delivers it to the application; an empty
// source means the environment's locale again.
void UseSeparators(number_format::Source source)
{
    number_format::SetSource(std::move(source));
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
}

[[noreturn]] void Fail(const std::string& what)
{
    std::fprintf(stderr, "Checked session: %s\n", what.c_str());
    std::abort();
}

} // namespace

CheckedSession::CheckedSession()
{
    ZeroVariables();
    if (passOn == nullptr) {
        passOn = qInstallMessageHandler(DropSizeHintNotice);
    }
    Application->SetExceptionPresenter([this](const std::string& text) { errors_.push_back(text); });
    Application->CreateForm(Form1);
    Application->CreateForm(Form2);
    Form1->Show();
    if (!QTest::qWaitForWindowActive(Form1)) {
        Fail("the main window never became active");
    }

    // Every key of the window is in the table, and every entry of the table is a key of the window.
    std::set<QAbstractButton*> unlisted;
    for (QAbstractButton* button : Form1->findChildren<TSpeedButton*>()) {
        unlisted.insert(button);
    }
    for (QAbstractButton* button : Form1->findChildren<TButton*>()) {
        unlisted.insert(button);
    }
    for (const calculator_keys::Key& key : calculator_keys::All()) {
        auto* button = Form1->findChild<QAbstractButton*>(QString::fromLatin1(key.name));
        if (button == nullptr) {
            Fail(std::string("the window has no key ") + key.name);
        }
        if (key.rule == Rule::Toggle) {
            toggle_ = buttons_.size();
        }
        buttons_.push_back(button);
        unlisted.erase(button);
    }
    if (!unlisted.empty()) {
        Fail("the key " + (*unlisted.begin())->objectName().toStdString() + " is in no rule's table");
    }
    start_ = CalculatorState::Current();
}

CheckedSession::~CheckedSession()
{
    UseSeparators(nullptr);
    Application->DestroyForms();
    Application->SetExceptionPresenter(nullptr);
}

void CheckedSession::Restart()
{
    UseSeparators(nullptr);
    if (Form1->BitBtn1->Caption() != start_.toggleCaption) {
        Click(toggle_);
    }
    ZeroVariables();
    Form1->Edit1->SetText(start_.display);
    Form1->Panel1->SetCaption(start_.memoryCaption);
    Form1->Panel1->SetHint(start_.memoryHint);
    Form1->Panel1->SetColor(start_.memoryColour);
    if (!(CalculatorState::Current() == start_)) {
        Fail("the calculator could not be put back as it started");
    }
}

std::size_t CheckedSession::KeyCount()
{
    return calculator_keys::All().size();
}

void CheckedSession::Press(std::size_t key)
{
    if (!user_input::CanClick(*buttons_.at(key))) {
        Click(toggle_);
        if (!user_input::CanClick(*buttons_[key])) {
            Fail("the key " + buttons_[key]->objectName().toStdString() + " cannot be reached");
        }
    }
    Click(key);
}

void CheckedSession::Click(std::size_t key)
{
    const CalculatorState before = CalculatorState::Current();
    errors_.clear();
    user_input::Click(*buttons_[key]);
    const CalculatorState after = CalculatorState::Current();
    ++tally_.presses;
    const std::string broken = press_rules::Broken(calculator_keys::All()[key], before, after, errors_);
    if (!broken.empty()) {
        Abort("press " + buttons_[key]->text().toStdString(), broken, before, after);
    }
    if (!errors_.empty()) {
        Count(errors_.front());
    }
}

void CheckedSession::Type(const QString& text)
{
    const CalculatorState before = CalculatorState::Current();
    errors_.clear();
    user_input::ReplaceText(*Form1->Edit1, text);
    const CalculatorState after = CalculatorState::Current();
    ++tally_.texts;
    const std::string broken = press_rules::BrokenByTyping(text, before, after, errors_);
    if (!broken.empty()) {
        Abort("type \"" + text.toStdString() + "\"", broken, before, after);
    }
}

void CheckedSession::SwitchSeparators()
{
    const Separators next =
        number_format::Current().decimal == U',' ? Separators{U'.', U','} : Separators{U',', U'\u00A0'};
    const CalculatorState before = CalculatorState::Current();
    errors_.clear();
    UseSeparators([next] { return next; });
    const CalculatorState after = CalculatorState::Current();
    ++tally_.separatorSwitches;
    const std::string step =
        next.decimal == U',' ? "switch to the decimal comma" : "switch to the decimal point";
    if (number_format::Current().decimal != next.decimal) {
        Abort(step, "the application reads the separators again when the desktop's settings change\n", before,
              after);
    }
    if (!errors_.empty() || !(after == before)) {
        Abort(step, "a change of the separators changes nothing the keys left\n", before, after);
    }
}

void CheckedSession::Count(const std::string& error)
{
    switch (*press_rules::ClassOf(error)) {
    case press_rules::ErrorClass::Convert:
        ++tally_.convert;
        break;
    case press_rules::ErrorClass::InvalidOp:
        ++tally_.invalidOp;
        break;
    case press_rules::ErrorClass::ZeroDivide:
        ++tally_.zeroDivide;
        break;
    case press_rules::ErrorClass::Overflow:
        ++tally_.overflow;
        break;
    }
}

void CheckedSession::Abort(const std::string& step, const std::string& broken, const CalculatorState& before,
                           const CalculatorState& after) const
{
    std::string errors;
    for (const std::string& error : errors_) {
        errors += "  \"" + error + "\"\n";
    }
    Fail("after " + step + " (step " + std::to_string(tally_.presses + tally_.texts) + "), broken:\n" +
         broken + "before:\n" + before.Described() + "after:\n" + after.Described() + "errors shown:\n" +
         (errors.empty() ? "  none\n" : errors));
}
