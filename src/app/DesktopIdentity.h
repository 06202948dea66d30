// How the desktop knows the program: the desktop entry that describes it, and its icon in the title
// bar and the task bar.
#pragma once

namespace desktop_identity {

void Apply();

} // namespace desktop_identity
