// A user's mouse and keyboard, through the window system: the events reach the
// controls as real ones do (modal blocking, focus, shortcuts and all).
#pragma once

#include <QString>

class QAction;
class QMenuBar;
class QWidget;

namespace user_input {

// Whether a user could click the control now: shown, and its centre inside the window
// and not covered by anything else.
bool CanClick(const QWidget& control);

// Presses and releases the left button at the control's centre.
void Click(QWidget& control);

// Types the characters of text into the focused control of window.
void Type(QWidget& window, const QString& text);

// Clicks into the edit field, selects all its text and types text in its place; an empty
// text deletes what was there.
void ReplaceText(QWidget& field, const QString& text);

// Clicks an entry of the window's menu bar.
void ClickMenuItem(QMenuBar& bar, QAction& item);

// Presses one key of the keyboard at the focus of window.
void PressKey(QWidget& window, int key, const QString& text,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier);

} // namespace user_input
