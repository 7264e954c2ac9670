// Names from anywhere brought down to the plain letters the people files hold.
#pragma once

#include <string>
#include <string_view>

// The UTF-8 text with every letter written in plain ASCII: accents dropped ("José Núñez" gives
// "Jose Nunez", "Łukasz" "Lukasz"), letters written as two where that is their plain spelling
// ("Straße" gives "Strasse"), other scripts spelled out in Latin letters. Signs that have no
// plain spelling stay as they are, for the name cleaning to drop.
std::string FoldToPlainLetters(std::string_view utf8);
