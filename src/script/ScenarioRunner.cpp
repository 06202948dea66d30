#include "ScenarioRunner.h"

#include "Json.h"
#include "UserInput.h"

#include "Application.h"
#include "Buttons.h"
#include "Edit.h"
#include "Menu.h"
#include "NumberFormat.h"
#include "Panels.h"
#include "Text.h"
#include "Unit1.h"
#include "Unit2.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColor>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <istream>
#include <ostream>

namespace {

QAbstractButton* KeyWithCaption(const std::string& caption)
{
    for (QAbstractButton* key : Form1->findChildren<QAbstractButton*>()) {
        if (FromQt(key->text()) == caption) {
            return key;
        }
    }
    return nullptr;
}

std::string Hex(TColor color)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", color & 0xFF, (color >> 8) & 0xFF,
                  (color >> 16) & 0xFF);
    return text;
}

std::string CaptionOfLabel(const TForm& form, const char* name)
{
    const auto* label = form.findChild<const TLabel*>(QString::fromLatin1(name));
    return label != nullptr ? label->Caption() : std::string();
}

} // namespace

int ScenarioRunner::Run(std::istream& input, std::ostream& output, std::ostream& errors)
{
    std::string line;
    for (int number = 1; std::getline(input, line); ++number) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const std::size_t space = line.find(' ');
        const std::string command = line.substr(0, space);
        const std::string argument = space == std::string::npos ? std::string() : line.substr(space + 1);
        failure_.clear();
        if (!Execute(command, argument, output)) {
            errors << "line " << number << ": "
                   << (failure_.empty() ? "unknown command \"" + command + "\"" : failure_) << '\n';
            return 2;
        }
        output.flush();
        if (Application->Terminated()) {
            return 0;
        }
    }
    return 0;
}

bool ScenarioRunner::Execute(const std::string& command, const std::string& argument, std::ostream& output)
{
    error_.reset();
    pressed_ = true;
    bool understood = true;
    if (command == "about") {
        output << AboutLine() << '\n';
        return true;
    }
    if (command == "press") {
        understood = Press(argument);
    } else if (command == "text") {
        EnterText(argument);
    } else if (command == "type") {
        user_input::Type(*Form1, ToQt(argument));
    } else if (command == "key") {
        understood = PressKey(argument);
    } else if (command == "separators") {
        understood = SetSeparators(argument);
    } else if (command == "menu") {
        understood = ChooseMenu(argument);
    } else {
        return false;
    }
    if (understood) {
        output << StateLine() << '\n';
    }
    return understood;
}

bool ScenarioRunner::Press(const std::string& caption)
{
    QAbstractButton* key = KeyWithCaption(caption);
    if (key == nullptr) {
        failure_ = "no control has the caption \"" + caption + "\"";
        return false;
    }
    pressed_ = user_input::CanClick(*key);
    if (pressed_) {
        user_input::Click(*key);
    }
    return true;
}

bool ScenarioRunner::ChooseMenu(const std::string& caption)
{
    for (QAction* item : Form1->MainMenu1->actions()) {
        if (FromQt(item->text()) == caption) {
            // The About window opens modally inside the click; close it as soon as its loop runs.
            QTimer closer;
            QObject::connect(&closer, &QTimer::timeout, [&closer] {
                if (auto* modal = qobject_cast<TForm*>(QApplication::activeModalWidget())) {
                    modal->Close();
                    closer.stop();
                }
            });
            closer.start(0);
            user_input::ClickMenuItem(*Form1->MainMenu1, *item);
            return true;
        }
    }
    failure_ = "no menu entry has the caption \"" + caption + "\"";
    return false;
}

void ScenarioRunner::EnterText(const std::string& text)
{
    user_input::ReplaceText(*Form1->Edit1, ToQt(text));
}

bool ScenarioRunner::PressKey(const std::string& key)
{
    struct Key {
        const char* name;
        int code;
        const char* text;
    };
    static const Key keys[] = {{"Tab", Qt::Key_Tab, "\t"},
                               {"Backtab", Qt::Key_Backtab, ""},
                               {"Space", Qt::Key_Space, " "},
                               {"Return", Qt::Key_Return, "\r"},
                               {"Escape", Qt::Key_Escape, "\x1b"}};
    for (const Key& candidate : keys) {
        if (key == candidate.name) {
            const Qt::KeyboardModifiers modifiers =
                candidate.code == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
            user_input::PressKey(*Form1, candidate.code, QString::fromLatin1(candidate.text), modifiers);
            return true;
        }
    }
    failure_ = "unknown key \"" + key + "\"";
    return false;
}

bool ScenarioRunner::SetSeparators(const std::string& separators)
{
    const QList<uint> codes = ToQt(separators).toUcs4();
    if (codes.size() != 2) {
        failure_ = "separators takes exactly two characters, the decimal and the thousands separator";
        return false;
    }
    const Separators chosen{static_cast<char32_t>(codes[0]), static_cast<char32_t>(codes[1])};
    number_format::SetSource([chosen] { return chosen; });
    // The desktop's announcement, as Qt delivers it to the application.
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
    return true;
}

std::string ScenarioRunner::StateLine() const
{
    const QWidget* focus = QApplication::focusWidget();
    return std::string("{\"pressed\": ") + (pressed_ ? "true" : "false") +
           ", \"error\": " + (error_ ? json::Quote(*error_) : std::string("null")) +
           ", \"display\": " + json::Quote(Form1->Edit1->Text()) +
           ", \"memory\": " + json::Quote(Form1->Panel1->Caption()) +
           ", \"hint\": " + json::Quote(Form1->Panel1->Hint()) +
           ", \"colour\": " + json::Quote(Hex(Form1->Panel1->Color())) +
           ", \"focus\": " + json::Quote(focus != nullptr ? FromQt(focus->objectName()) : std::string()) +
           ", \"toggle\": " + json::Quote(Form1->BitBtn1->Caption()) + "}";
}

std::string ScenarioRunner::AboutLine() const
{
    return "{\"total\": " + json::Quote(CaptionOfLabel(*Form2, "Label7")) +
           ", \"load\": " + json::Quote(CaptionOfLabel(*Form2, "Label9")) + "}";
}
