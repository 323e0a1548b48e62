#pragma once

#include <string>

#include "game/colour.h"
#include "game/text_renderer.h"

namespace slyders {

class Gra;

// The colour of the darkened scoreboard panel: event names fade in from it and out into it.
constexpr Rgb kPanelColour{44, 62, 124};

// The font of the event label (its height is fitted to each message).
inline constexpr const char* kEventLabelFont = "Comic Sans MS";

// What the event label under the scoreboard shows.
struct EventLabel {
    std::string text;
    Rgb colour = kWhite;
    int fontHeight = 12;
    int width = 0, height = 0;  // the label's box, set by the score band layout
    bool changed = false;       // the label needs repainting
};

// One game step of the event message's fade; see ShowEvent for how a message starts.
void AdvanceEventMessage(Gra& gra, EventLabel& label, TextRenderer& text);

// Shows a message at once at full colour (or, with an empty text, clears the label).
void ShowEventNow(Gra& gra, EventLabel& label, TextRenderer& text, const std::string& s,
                  Rgb colour);

}  // namespace slyders
