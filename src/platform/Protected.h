// The one place where the program catches: everything that escapes a handler or a
// window's creation step ends here and is shown in the error dialog, so no exception
// ever travels through Qt's event loop.
#pragma once

#include <functional>

void RunProtected(const std::function<void()>& body);
