#include "present/event_label.h"

#include "game/gra.h"
#include "present/arena_text.h"

namespace slyders {

namespace {
constexpr int kMessageSteps = 100;
constexpr float kFadeInEnd = 0.1f;
constexpr float kFadeOutStart = 0.8f;
}  // namespace

void AdvanceEventMessage(Gra& gra, EventLabel& label, TextRenderer& text) {
    EventMessage& msg = gra.message;
    if (msg.countdown == 0) return;
    msg.countdown -= 1;
    if (msg.countdown == 0) {
        label.text.clear();
        label.changed = true;
        return;
    }
    // Held as a 32-bit real, so that at countdown 20 it lies just above 0.8.
    const float t = static_cast<float>(kMessageSteps - msg.countdown) * 0.01f;
    Rgb colour = msg.colour;
    if (t < kFadeInEnd) colour = BlendColor(msg.colour, kPanelColour, 10 * t);
    if (t > kFadeOutStart) colour = BlendColor(kPanelColour, msg.colour, 5 * (t - kFadeOutStart));
    if (colour != label.colour) {
        label.colour = colour;
        label.changed = true;
    }
    if (msg.countdown == kMessageSteps - 1) {
        label.fontHeight =
            FitFontHeight(text, FontSpec{"Comic Sans MS", 12}, msg.text, label.width, label.height);
        label.text = msg.text;
        label.changed = true;
    } else if (msg.text.find("disaster") != std::string::npos) {
        msg.countdown += gra.rng().mod(2);  // disaster names stay about twice as long
    }
}

void ShowEventNow(Gra& gra, EventLabel& label, TextRenderer& text, const std::string& s,
                  Rgb colour) {
    gra.ShowEvent(s, colour);
    AdvanceEventMessage(gra, label, text);
    gra.message.countdown = static_cast<int>(0.9 * gra.message.countdown);
    AdvanceEventMessage(gra, label, text);
}

}  // namespace slyders
