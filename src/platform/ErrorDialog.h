// The error dialog: the message of an exception that escaped a handler, in a message
// box captioned with the application's title.
#pragma once

#include <string>

namespace error_dialog {

// The message as the box shows it: one "." appended when the last character's code point
// is above 46 (the code of "."), so "zero" gets one and ".", ")", "!" or " " get none.
std::string TextOf(const std::string& message);

// A modal box for the whole program with the stop icon and one OK button. Afterwards
// the window that was active is active again, with the focus in the control that had it.
void Show(const std::string& title, const std::string& text);

} // namespace error_dialog
