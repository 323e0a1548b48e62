#pragma once

#include <functional>
#include <string>

namespace slyders {

// Puts a text of the scoreboard panel (a column heading, an event name) into the player's
// language. The panel is drawn beside the arena, never into it, so no game depends on it.
using PanelLanguage = std::function<std::string(const std::string& english)>;

// Set by the window once its language is known; without it the panel speaks English.
void setPanelLanguage(PanelLanguage language);
std::string panelText(const std::string& english);

}  // namespace slyders
