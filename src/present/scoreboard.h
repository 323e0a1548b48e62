#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "game/colour.h"
#include "game/pixel_buffer.h"
#include "game/text_renderer.h"
#include "present/slot_palette.h"

namespace slyders {

class Gra;
struct EventLabel;

// The window's default font, "MS Sans Serif" of height -10: the face the system picks for it
// has 13-pixel lines, and every label in that font is one such line high.
inline const FontSpec kDefaultFont{"MS Sans Serif", 10, false, false};
constexpr int kDefaultLineHeight = 13;

// One label of the scoreboard grid. There are no label widgets: each is text drawn into the
// window picture over the darkened panel, sized to its text.
struct ScoreLabel {
    int left = 0, top = 0;
    int anchorRight = 0;          // a right-justified label keeps its right edge here
    bool rightJustified = false;  // numbers grow to the left
    bool centred = false;         // each line centred within the label's width
    bool visible = true;
    int lineHeight = kDefaultLineHeight;
    std::string text;  // lines separated by '\n'
    FontSpec font = kDefaultFont;
    Rgb colour = kWhite;
};

// The scoreboard right of the arena: a 7 x 4 grid of labels (header row, then one row per
// slot: name, game points, round points, rounds won), a band per active slot with the full
// name, a progress bar and the death mark, frames around the leaders, and the event label.
class Scoreboard {
public:
    static constexpr int kRows = 7;
    static constexpr int kColumns = 4;

    // Builds and places the labels; the geometry is fixed for the window's life. On a large
    // screen `scale` enlarges the texts, rows and margins alike (see InterfaceScale).
    Scoreboard(int clientWidth, int clientHeight, int arenaSide, int arenaOffset,
               TextRenderer& text, double scale = 1.0);

    // Places the bands and the event label for the active slots (also sets the label's box).
    void LayoutScoreBands(const Gra& gra, EventLabel& label);

    // Restores the scoreboard's part of the window picture from the back buffer and draws
    // the labels, leader frames and bands over it (after a new layout, down to the event
    // label, which is then drawn too). Only rows that really changed are copied and marked
    // dirty, so a changed number costs a small screen copy.
    void PaintScoreboard(PixelBuffer& window, const PixelBuffer& back, const Gra& gra,
                         const EventLabel& label);

    // Repaints just the event label (its text centred both ways over the back buffer).
    void PaintEventLabel(PixelBuffer& window, const PixelBuffer& back, const EventLabel& label);

    // The colours the slots are shown in; none: the game's own.
    void setSlotColours(std::optional<std::array<SlotColours, kSlotCount>> colours) {
        m_slotColours = colours;
    }

    int rowHeight() const { return m_rowHeight; }
    double scale() const { return m_scale; }
    // The labels' font at this scale, plain.
    FontSpec font() const { return m_font; }
    // The darkened panel behind the grid (right and bottom exclusive).
    Rect panel() const { return m_panel; }
    // What InvalidateScoreboard covers: the panel down to the event label's bottom.
    Rect area() const;
    Rect eventLabelRect() const { return m_eventRect; }
    int bandTop() const { return m_bandTop; }
    int bandPitch() const { return m_bandPitch; }
    Rect band(const Gra& gra, int slot) const;

    const ScoreLabel& label(int row, int column) const {
        return m_labels[std::size_t(row)][std::size_t(column)];
    }
    // The label's box as its text and font make it.
    Rect labelRect(int row, int column) const;

    // Shortens a name until it fits maxWidth by cutting out its middle, which then shows "...".
    static std::string ShortName(std::string_view name, TextRenderer& text, const FontSpec& font,
                                 int maxWidth);

private:
    void buildHeader(int pw);
    int scaled(int pixels) const;
    void paintSlot(PixelBuffer& canvas, Rect origin, const Gra& gra, int slot);
    void paintLabel(PixelBuffer& canvas, Rect origin, const ScoreLabel& label);
    void paintEventText(PixelBuffer& canvas, Rect origin, const EventLabel& label);
    void paintInto(PixelBuffer& window, PixelBuffer& scratch, const PixelBuffer& back, Rect area,
                   const std::function<void(PixelBuffer&, Rect)>& draw);

    SlotColours shownColours(const Gra& gra, int slot) const;

    TextRenderer& m_text;
    std::optional<std::array<SlotColours, kSlotCount>> m_slotColours;
    double m_scale;
    FontSpec m_font;
    int m_clientHeight;
    int m_arenaSide;
    int m_rowHeight;
    Rect m_panel;
    int m_bandTop = 0;
    int m_bandPitch = 0;
    Rect m_eventRect;
    int m_areaBottom = 0;  // the lowest the event label has ever reached
    std::array<std::array<ScoreLabel, kColumns>, kRows> m_labels{};
    bool m_fullRepaint = true;   // the layout changed: repaint down to the event label
    PixelBuffer m_scratch;       // the scoreboard is composed here, then compared with the window
    PixelBuffer m_labelScratch;  // likewise the event label
    PixelBuffer m_mask;          // the event label's text, white on black
    std::string m_maskText;
    int m_maskHeight = 0;
    int m_maskPad = 0;
    TextSize m_maskSize;
};

}  // namespace slyders
