#pragma once

#include <QString>
#include <string>

namespace slyders {

// A message box's text (or error title) in the installed language. The plain game code
// composes its texts in English; whole texts are looked up as they are, composed ones as
// patterns around the names and numbers they carry, which stay as they are. A text the game
// does not know passes through unchanged.
QString boxText(const std::string& english);

}  // namespace slyders
