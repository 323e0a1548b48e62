#include "present/scoreboard.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "game/gra.h"
#include "game/rounds.h"
#include "present/arena_text.h"
#include "present/event_label.h"
#include "present/panel_text.h"

namespace slyders {

namespace {

constexpr double kRowHeightFactor = 1.4;
constexpr double kArenaShare = 0.9;  // of the client height: the scoreboard ends there too
constexpr int kUnitsPerSide = 460;
constexpr int kPanelMargin = 5;     // the darkened panel reaches this far around the grid
constexpr int kPanelLeftGap = 6;    // between the arena's right margin and the grid
constexpr int kHeaderPadding = 12;  // the header's fitting box is this much smaller
constexpr int kHeaderShrink = 9;    // the header font is this much below the fitted height
constexpr int kNameSpacing = 14;    // kept free between a name and the first number
constexpr int kBandTextIndent = 5;
constexpr int kFrameWidening = 6;  // leader frames reach this many frame widths sideways
constexpr int kFrameRaise = 2;     // ... and this many up and down
constexpr double kBarShade = 0.6;  // bar colour: the trail colour mixed into the panel's
constexpr Rgb kFrameLight{115, 132, 215};
constexpr std::array<const char*, 3> kHeaders{"Game\npoints", "Round\npoints", "Rounds\nwon"};
constexpr std::array<ResultColumn, 3> kColumnsShown{GamePoints, RoundPoints, RoundsWon};

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t nl = text.find('\n', start);
        lines.push_back(text.substr(start, nl == std::string_view::npos ? nl : nl - start));
        if (nl == std::string_view::npos) return lines;
        start = nl + 1;
    }
}

// A name as characters (UTF-8 sequences), so that cutting never splits one.
std::vector<std::string> characters(std::string_view s) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < s.size();) {
        std::size_t n = 1;
        while (i + n < s.size() && (static_cast<unsigned char>(s[i + n]) & 0xC0) == 0x80) ++n;
        out.emplace_back(s.substr(i, n));
        i += n;
    }
    return out;
}

std::string joined(const std::vector<std::string>& chars) {
    std::string s;
    for (const std::string& c : chars) s += c;
    return s;
}

// Drawing into a part of the window picture held in a scratch picture whose top left
// stands at `origin` of the window.
void fillRect(PixelBuffer& canvas, Rect origin, Rect r, Rgb colour) {
    const Rect c = intersect({r.x - origin.x, r.y - origin.y, r.w, r.h},
                             {0, 0, canvas.width(), canvas.height()});
    const std::uint32_t p = toPixel(colour);
    for (int y = c.y; y < c.bottom(); ++y) std::fill_n(canvas.row(y) + c.x, c.w, p);
}

// A raised frame of width k inside r: top and left edges light, bottom and right dark.
void frame3D(PixelBuffer& canvas, Rect origin, Rect r, int k, Rgb light, Rgb dark) {
    for (int i = 0; i < k && r.w - 2 * i > 0 && r.h - 2 * i > 0; ++i) {
        const int l = r.x + i, t = r.y + i, w = r.w - 2 * i, h = r.h - 2 * i;
        fillRect(canvas, origin, {l, t, std::max(w - 1, 0), 1}, light);
        fillRect(canvas, origin, {l, t, 1, h}, light);
        fillRect(canvas, origin, {l + w - 1, t, 1, h}, dark);
        fillRect(canvas, origin, {l, t + h - 1, w, 1}, dark);
    }
}

int frameWidth(int arenaSide) {
    return std::max(1, arenaSide / kUnitsPerSide);
}

}  // namespace

Scoreboard::Scoreboard(int clientWidth, int clientHeight, int arenaSide, int arenaOffset,
                       TextRenderer& text, double scale)
    : m_text(text),
      m_scale(std::max(1.0, scale)),
      m_font(kDefaultFont),
      m_clientHeight(clientHeight),
      m_arenaSide(arenaSide),
      m_rowHeight(static_cast<int>(kRowHeightFactor * kDefaultLineHeight * m_scale)) {
    m_font.height = scaled(kDefaultFont.height);
    const int m = arenaOffset, S = arenaSide;
    const int x0 = static_cast<int>(1.5 * m + S + scaled(kPanelLeftGap));
    const int pw = static_cast<int>((clientWidth - x0) - 0.5 * m);
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            ScoreLabel& l = m_labels[std::size_t(r)][std::size_t(c)];
            l.left = x0 + (pw * c) / 4;
            l.top = m + m_rowHeight * r + (r >= 1 ? m_rowHeight : 0);
            l.font = m_font;
            l.lineHeight = scaled(kDefaultLineHeight);
        }
    }
    buildHeader(pw);
    const int zeroWidth = m_text.extent(m_font, "0").width;
    for (int r = 1; r < kRows; ++r) {
        for (int c = 1; c < kColumns; ++c) {
            ScoreLabel& l = m_labels[std::size_t(r)][std::size_t(c)];
            l.left += labelRect(0, c).w / 2;
            l.text = "0";
            l.rightJustified = true;
            l.anchorRight = l.left + zeroWidth;
        }
    }
    const Rect lastRow = labelRect(kRows - 1, 0);
    const int margin = scaled(kPanelMargin);
    m_panel = {x0 - margin, m - margin, pw + 2 * margin, lastRow.bottom() + margin - (m - margin)};
    m_eventRect = {m_panel.x, m_panel.bottom(), m_panel.w, 0};
    m_areaBottom = m_panel.bottom();
}

int Scoreboard::scaled(int pixels) const {
    return static_cast<int>(std::lround(pixels * m_scale));
}

void Scoreboard::buildHeader(int pw) {
    // Fitted as on an ordinary screen, then enlarged: fitting in steps at every size would
    // change the headings' proportions from one screen to another.
    FontSpec font = kDefaultFont;
    font.bold = true;
    const int rowHeight = static_cast<int>(kRowHeightFactor * kDefaultLineHeight);
    const int height =
        FitFontHeight(m_text, font, "123", static_cast<int>(pw / m_scale) / 4 - kHeaderPadding,
                      2 * rowHeight - kHeaderPadding);
    font.height = std::max(1, height - kHeaderShrink);
    const int lineHeight = scaled(m_text.extent(font, "Rounds").height);
    font.height = std::max(1, scaled(font.height));
    for (std::size_t c = 0; c < kHeaders.size(); ++c) {
        ScoreLabel& l = m_labels[0][c + 1];
        l.text = panelText(kHeaders[c]);
        l.font = font;
        l.centred = true;
        l.lineHeight = lineHeight;
    }
}

Rect Scoreboard::labelRect(int row, int column) const {
    const ScoreLabel& l = label(row, column);
    const std::vector<std::string_view> lines = splitLines(l.text);
    int width = 0;
    for (std::string_view line : lines) width = std::max(width, m_text.extent(l.font, line).width);
    const int height = static_cast<int>(lines.size()) * l.lineHeight;
    return {l.rightJustified ? l.anchorRight - width : l.left, l.top, width, height};
}

Rect Scoreboard::area() const {
    return {m_panel.x, m_panel.y, m_panel.w, m_areaBottom - m_panel.y};
}

Rect Scoreboard::band(const Gra& gra, int slot) const {
    return {m_panel.x, (slot - gra.firstSlot) * m_bandPitch + m_bandTop, m_panel.w, m_bandPitch};
}

void Scoreboard::LayoutScoreBands(const Gra& gra, EventLabel& label) {
    const int n = gra.activeCount();
    const int RH = m_rowHeight;
    const int A = static_cast<int>(kArenaShare * m_clientHeight - m_panel.bottom());
    const int gap = std::max(0, (A - n * RH - RH) / 4);
    m_bandTop = m_panel.bottom() + gap;
    m_bandPitch = n > 0 ? (A - 4 * gap - RH) / n : 0;
    const int top = static_cast<int>(kArenaShare * m_clientHeight - 2 * gap - RH);
    m_eventRect = {m_panel.x, top, m_panel.w, RH + gap};
    m_fullRepaint = true;
    // A label that moved up must still be wiped where it stood.
    m_areaBottom = std::max(m_areaBottom, m_eventRect.bottom());
    label.width = m_eventRect.w;
    label.height = m_eventRect.h;
}

std::string Scoreboard::ShortName(std::string_view name, TextRenderer& text, const FontSpec& font,
                                  int maxWidth) {
    std::vector<std::string> chars = characters(name);
    bool cut = false;
    while (!chars.empty() && text.extent(font, joined(chars)).width > maxWidth) {
        chars.erase(chars.begin() + std::ptrdiff_t(chars.size() / 2));
        cut = true;
    }
    if (cut) {
        if (!chars.empty()) chars.erase(chars.begin() + std::ptrdiff_t(chars.size() / 2));
        chars.insert(chars.begin() + std::ptrdiff_t((chars.size() + 1) / 2), "...");
    }
    return joined(chars);
}

void Scoreboard::paintLabel(PixelBuffer& canvas, Rect origin, const ScoreLabel& l) {
    if (!l.visible) return;
    const std::vector<std::string_view> lines = splitLines(l.text);
    int width = 0;
    for (std::string_view line : lines) width = std::max(width, m_text.extent(l.font, line).width);
    const int left = l.rightJustified ? l.anchorRight - width : l.left;
    int y = l.top;
    for (std::string_view line : lines) {
        const int lineWidth = m_text.extent(l.font, line).width;
        const int x = l.centred ? left + (width - lineWidth) / 2
                                : (l.rightJustified ? l.anchorRight - lineWidth : left);
        m_text.draw(canvas, x - origin.x, y - origin.y, l.font, l.colour, line);
        y += l.lineHeight;
    }
}

SlotColours Scoreboard::shownColours(const Gra& gra, int slot) const {
    if (m_slotColours) return (*m_slotColours)[std::size_t(slot)];
    return {gra.slot(slot).dark, gra.slot(slot).light};
}

// One slot's row of labels, its leader frames, and its band.
void Scoreboard::paintSlot(PixelBuffer& canvas, Rect origin, const Gra& gra, int s) {
    const Slyder& sl = gra.slot(s);
    const SlotColours shown = shownColours(gra, s);
    auto& row = m_labels[std::size_t(s + 1)];
    const int k = frameWidth(m_arenaSide);

    const Rect numberRect = labelRect(s + 1, 1);
    row[0].font = m_font;
    row[0].font.bold = sl.alive;
    row[0].colour = sl.alive ? shown.light : shown.dark;
    row[0].text = ShortName(gra.DisplayName(s), m_text, row[0].font,
                            numberRect.x - row[0].left - scaled(kNameSpacing));
    for (std::size_t c = 1; c < kColumns; ++c) {
        row[c].colour = row[0].colour;
        row[c].text = std::to_string(resultOf(gra, s, kColumnsShown[c - 1]));
    }
    for (const ScoreLabel& l : row) paintLabel(canvas, origin, l);

    for (int c = 1; c < kColumns; ++c) {
        if (UniqueLeader(gra, kColumnsShown[std::size_t(c - 1)]) != s) continue;
        const Rect r = labelRect(s + 1, c);
        frame3D(canvas, origin,
                {r.x - kFrameWidening * k, r.y - kFrameRaise * k, r.w + 2 * kFrameWidening * k,
                 r.h + 2 * kFrameRaise * k},
                k, kFrameLight, kBlack);
    }

    const Rect b = band(gra, s);
    if (gra.settings().int_showbars) {
        frame3D(canvas, origin, b, k, kFrameLight, kBlack);
        const int leaderPoints = gra.slot(FirstLeader(gra, RoundPoints)).roundPoints;
        const int d = std::max({leaderPoints, gra.settings().int_rndpts, 1});
        fillRect(canvas, origin, {b.x, b.y, (b.w * sl.roundPoints) / d, b.h},
                 BlendColor(shown.dark, kPanelColour, kBarShade));
    }
    FontSpec font = m_font;
    font.bold = sl.alive;
    const int y = b.y + m_rowHeight / 8;
    m_text.draw(canvas, b.x + scaled(kBandTextIndent) - origin.x, y - origin.y, font, shown.light,
                gra.DisplayName(s));
    const std::size_t died = gra.deathOrder.find(static_cast<char>('0' + s));
    if (died != std::string::npos) {
        m_text.draw(canvas, (b.x + b.right()) / 2 - origin.x, y - origin.y, font, shown.light,
                    "R.I.P.  " + std::to_string(died + 1));
    }
}

// The label's text is drawn once as a white mask, then laid over the panel in whatever
// colour the fade has reached: large fonts are slow to draw every step.
void Scoreboard::paintEventText(PixelBuffer& canvas, Rect origin, const EventLabel& label) {
    if (label.text.empty()) return;
    const FontSpec font{kEventLabelFont, label.fontHeight, false, false};
    if (label.text != m_maskText || label.fontHeight != m_maskHeight) {
        const TextSize e = m_text.extent(font, label.text);
        m_maskPad = 2 + label.fontHeight / 4;  // room for glyphs that reach past their box
        m_mask = PixelBuffer(e.width + 2 * m_maskPad, e.height + 2 * m_maskPad, toPixel(kBlack));
        m_text.draw(m_mask, m_maskPad, m_maskPad, font, kWhite, label.text);
        m_mask.dirty.take();
        m_maskText = label.text;
        m_maskHeight = label.fontHeight;
        m_maskSize = e;
    }
    const int x = m_eventRect.x + (m_eventRect.w - m_maskSize.width) / 2 - m_maskPad - origin.x;
    const int y = m_eventRect.y + (m_eventRect.h - m_maskSize.height) / 2 - m_maskPad - origin.y;
    const Rect c =
        intersect({x, y, m_mask.width(), m_mask.height()}, {0, 0, canvas.width(), canvas.height()});
    auto over = [](std::uint32_t bg, std::uint32_t cover, Rgb colour) {
        auto channel = [](int b, int a, int t) { return std::uint8_t(b + (t - b) * a / 255); };
        const Rgb under = fromPixel(bg), m = fromPixel(cover);
        return toPixel({channel(under.r, m.r, colour.r), channel(under.g, m.g, colour.g),
                        channel(under.b, m.b, colour.b)});
    };
    for (int j = c.y; j < c.bottom(); ++j) {
        const std::uint32_t* mask = m_mask.row(j - y);
        std::uint32_t* row = canvas.row(j);
        for (int i = c.x; i < c.right(); ++i) {
            const std::uint32_t cover = mask[i - x];
            if ((cover & 0xFFFFFFu) != 0) row[i] = over(row[i], cover, label.colour);
        }
    }
}

// Composes a part of the window picture from the back buffer in a scratch picture, then
// copies to the window only the rows that changed, marking just those dirty.
void Scoreboard::paintInto(PixelBuffer& window, PixelBuffer& scratch, const PixelBuffer& back,
                           Rect area, const std::function<void(PixelBuffer&, Rect)>& draw) {
    area = intersect(area, {0, 0, window.width(), window.height()});
    if (area.empty()) return;
    if (scratch.width() != area.w || scratch.height() != area.h)
        scratch = PixelBuffer(area.w, area.h);
    scratch.blit(back, area.x, area.y, 0, 0, area.w, area.h);
    draw(scratch, area);
    scratch.dirty.take();

    Rect run;
    for (int y = 0; y < area.h; ++y) {
        const std::uint32_t* src = scratch.row(y);
        std::uint32_t* dst = window.row(area.y + y) + area.x;
        if (std::memcmp(src, dst, std::size_t(area.w) * 4) == 0) {
            if (!run.empty()) window.dirty.add(run);
            run = {};
            continue;
        }
        int first = 0, last = area.w - 1;
        while (src[first] == dst[first]) ++first;
        while (src[last] == dst[last]) --last;
        std::copy(src + first, src + last + 1, dst + first);
        run = unite(run, {area.x + first, area.y + y, last - first + 1, 1});
    }
    if (!run.empty()) window.dirty.add(run);
}

void Scoreboard::PaintScoreboard(PixelBuffer& window, const PixelBuffer& back, const Gra& gra,
                                 const EventLabel& label) {
    // After a new layout everything down to the event label is redone; otherwise the panel
    // (with room for the leader frames) and the bands.
    Rect part = area();
    if (!m_fullRepaint) {
        const int pad = 2 * frameWidth(m_arenaSide) + 1;
        const int bottom = m_bandTop + gra.activeCount() * m_bandPitch;
        part = {m_panel.x, m_panel.y - pad, m_panel.w,
                std::max(bottom, m_panel.bottom() + pad) - (m_panel.y - pad)};
    }
    const bool withLabel = m_fullRepaint;
    m_fullRepaint = false;
    paintInto(window, m_scratch, back, part, [&](PixelBuffer& canvas, Rect origin) {
        for (int r = 1; r < kRows; ++r) {
            for (ScoreLabel& l : m_labels[std::size_t(r)]) l.visible = gra.isActive(r - 1);
        }
        for (const ScoreLabel& l : m_labels[0]) paintLabel(canvas, origin, l);
        for (int s = gra.firstSlot; s <= gra.lastActive(); ++s) paintSlot(canvas, origin, gra, s);
        if (withLabel) paintEventText(canvas, origin, label);
    });
}

void Scoreboard::PaintEventLabel(PixelBuffer& window, const PixelBuffer& back,
                                 const EventLabel& label) {
    paintInto(window, m_labelScratch, back, m_eventRect,
              [&](PixelBuffer& canvas, Rect origin) { paintEventText(canvas, origin, label); });
}

}  // namespace slyders
