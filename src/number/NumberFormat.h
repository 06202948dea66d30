// The number format settings the conversions follow: the decimal and thousands
// separators of the user's locale, one character (code point) each.
#pragma once

#include <functional>

struct Separators {
    char32_t decimal = U'.';
    char32_t thousands = U',';
};

namespace number_format {

// Where the settings are read from. The default reads the C library's LC_NUMERIC of
// the environment; the scenario runner puts its own in place to simulate a change.
using Source = std::function<Separators()>;

// The separators of the environment's locale; where the locale gives none or more than
// one character for a separator, "." stands for the decimal and "," for the thousands one.
Separators ReadFromEnvironment();

// Replaces the source; an empty source means the environment again. Takes effect at the
// next ReadSettings().
void SetSource(Source source);

// Reads the settings from the source into the ones in force. Called at start-up and on
// every settings-change notification.
void ReadSettings();

// The settings in force.
const Separators& Current();

} // namespace number_format
