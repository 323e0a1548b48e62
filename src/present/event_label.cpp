#include "present/event_label.h"

#include "game/gra.h"
#include "present/arena_text.h"
#include "present/panel_text.h"

namespace slyders {

namespace {
constexpr int kMessageSteps = 100;
constexpr double kFadeInEnd = 0.1;
constexpr double kFadeOutStart = 0.8;
constexpr double kFadeInRate = 10;
constexpr double kFadeOutRate = 5;
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
    // Held as a 32-bit real, so that at countdown 20 it lies just above 0.8 and the fade
    // out starts there; the comparisons and blends are at full precision.
    const double t = static_cast<float>((kMessageSteps - msg.countdown) * 0.01);
    Rgb colour = msg.colour;
    if (t < kFadeInEnd) colour = BlendColor(msg.colour, kPanelColour, kFadeInRate * t);
    if (t > kFadeOutStart) {
        colour = BlendColor(kPanelColour, msg.colour, kFadeOutRate * (t - kFadeOutStart));
    }
    if (colour != label.colour) {
        label.colour = colour;
        label.changed = true;
    }
    if (msg.countdown == kMessageSteps - 1) {
        label.text = panelText(msg.text);
        label.fontHeight = FitFontHeight(text, FontSpec{kEventLabelFont, 12}, label.text,
                                         label.width, label.height);
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
