#pragma once

#include "present/panel_text.h"

namespace slyders {

// The scoreboard panel's texts through the installed translation; the event names that carry
// a player's name are translated as patterns around it.
PanelLanguage qtPanelLanguage();

}  // namespace slyders
