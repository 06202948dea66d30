#include "Protected.h"

#include "Application.h"

#include <stdexcept>

void RunProtected(const std::function<void()>& body)
{
    try {
        body();
    } catch (const std::exception& failure) {
        Application->ShowException(failure);
    } catch (...) {
        // Only the program's own std::exception classes are thrown; anything else still must
        // not unwind through Qt, and still must not pass silently.
        Application->ShowException(std::runtime_error("Unknown exception"));
    }
}
