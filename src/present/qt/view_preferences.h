#pragma once

#include <QString>

#include "present/slot_palette.h"

namespace slyders {

// What this player likes to see, kept with the roster in the player's settings and never in
// the game's settings file: it changes nothing in a game.
SlotPalette savedSlotPalette();
void saveSlotPalette(SlotPalette palette);

// The language chosen in the Help menu ("de", "pt_BR", ...); empty follows the system.
QString savedLanguage();
void saveLanguage(const QString& language);

}  // namespace slyders
