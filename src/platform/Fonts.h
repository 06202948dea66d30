// The Windows faces the layouts name, found on Debian: the free Tahoma and MS Sans Serif
// of fonts-wine (outside fontconfig's paths, so registered here) and fallbacks for the rest.
#pragma once

namespace fonts {

void RegisterLayoutFonts();

} // namespace fonts
