#include "UserInput.h"

#include <QMenuBar>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace user_input {

namespace {

QPoint CentreInWindow(const QWidget& control)
{
    return control.mapTo(control.window(), control.rect().center());
}

// The key that types character code: the ASCII keys have their own codes in Qt, every other
// character arrives as its text alone.
Qt::Key KeyOf(char32_t code)
{
    if (code >= 'a' && code <= 'z') {
        return static_cast<Qt::Key>(Qt::Key_A + (code - 'a'));
    }
    if (code == '\t') {
        return Qt::Key_Tab;
    }
    if (code == '\r') {
        return Qt::Key_Return;
    }
    if (code >= 0x20 && code < 0x7F) {
        return static_cast<Qt::Key>(code);
    }
    return Qt::Key_unknown;
}

} // namespace

bool CanClick(const QWidget& control)
{
    const QWidget* window = control.window();
    const QPoint centre = CentreInWindow(control);
    return control.isVisible() && window->rect().contains(centre) && window->childAt(centre) == &control;
}

void Click(QWidget& control)
{
    QTest::mouseClick(control.window()->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      CentreInWindow(control));
}

void Type(QWidget& window, const QString& text)
{
    for (const char32_t code : text.toUcs4()) {
        const QString character = QString::fromUcs4(&code, 1);
        QTest::sendKeyEvent(QTest::Click, window.windowHandle(), KeyOf(code), character, Qt::NoModifier);
    }
}

void ReplaceText(QWidget& field, const QString& text)
{
    Click(field);
    QWidget& window = *field.window();
    PressKey(window, Qt::Key_A, QStringLiteral("a"), Qt::ControlModifier);
    if (text.isEmpty()) {
        // Nothing typed in place of the selection still replaces it.
        PressKey(window, Qt::Key_Backspace, QString());
    }
    Type(window, text);
}

void ClickMenuItem(QMenuBar& bar, QAction& item)
{
    const QPoint centre = bar.mapTo(bar.window(), bar.actionGeometry(&item).center());
    QTest::mouseClick(bar.window()->windowHandle(), Qt::LeftButton, Qt::NoModifier, centre);
}

void PressKey(QWidget& window, int key, const QString& text, Qt::KeyboardModifiers modifiers)
{
    QTest::sendKeyEvent(QTest::Click, window.windowHandle(), static_cast<Qt::Key>(key), text, modifiers);
}

} // namespace user_input
