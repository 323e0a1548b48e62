#include "present/high_scores.h"

#include <algorithm>
#include <array>
#include <string>

#include "game/gra.h"
#include "present/arena_text.h"

namespace slyders {

namespace {

constexpr const char* kTableFont = "Comic Sans MS";
constexpr double kTableTop = 0.15;  // of the arena side
constexpr double kTableHeight = 0.7;
constexpr double kTableMargin = 0.02;  // the first and last rows reach this much further
constexpr double kRowLeft = 0.05, kRowRight = 0.95;
constexpr double kLineLeft = 0.1, kLineRight = 0.9;
constexpr double kRowOpacity = 0.95;
constexpr double kTextFade = 0.3;  // lower rows' texts lean this far toward the band
constexpr std::array<double, 3> kStartColour{50, 50, 210};
constexpr double kDriftRange = 40;
constexpr std::uint64_t kSlowBlend = 5000;  // (ms / 2) x rows above this: stop blending

struct Column {
    double left, right;
    bool inset;  // the box is an eighth of a row lower at both ends
};
constexpr std::array<Column, 3> kColumns{Column{0.1, 0.6, false}, Column{0.65, 0.75, false},
                                         Column{0.8, 0.9, true}};

std::uint8_t channel(double v) {
    return static_cast<std::uint8_t>(static_cast<int>(v) & 0xFF);
}

class Table {
public:
    explicit Table(Gra& gra) : m_gra(gra), m_arena(gra.arena), m_side(gra.arena.side()) {
        m_rows = gra.scores().count() + 2;
        m_rowHeight = static_cast<int>(kTableHeight * m_side / m_rows);
    }

    int rows() const { return m_rows; }
    int top(int r) const { return static_cast<int>(kTableTop * m_side + r * m_rowHeight); }
    int bottom(int r) const { return static_cast<int>(kTableTop * m_side + (r + 1) * m_rowHeight); }

    void background(int r, Rgb colour, bool blend) {
        const int margin = static_cast<int>(kTableMargin * m_side);
        const int y0 = top(r) - (r == 0 ? margin : 0);
        const int y1 = bottom(r) + (r == m_rows - 1 ? margin : 0);
        const int x0 = static_cast<int>(kRowLeft * m_side);
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < kRowRight * m_side; ++x) {
                if (!m_arena.inside(x, y)) continue;
                m_arena.setPixel(
                    x, y,
                    blend ? BlendColor(colour, m_arena.windowPixel(x, y), kRowOpacity) : colour);
            }
        }
        m_arena.touch(x0, y0, static_cast<int>(kRowRight * m_side) - x0 + 1, y1 - y0);
    }

    void separator(int r) {
        const int y = (top(r) + bottom(r)) / 2;
        DrawArenaLine(m_arena, static_cast<int>(kLineLeft * m_side), y,
                      static_cast<int>(kLineRight * m_side), y, kCellSolid, kWhite);
    }

    void texts(int r, const std::array<std::string, 3>& cells, Rgb colour) {
        for (std::size_t c = 0; c < kColumns.size(); ++c) {
            const int inset = kColumns[c].inset ? m_rowHeight / 8 : 0;
            DrawArenaText(m_arena, m_gra.text(), kColumns[c].left * m_side, top(r) + inset,
                          kColumns[c].right * m_side, bottom(r) - inset, cells[c], kTableFont,
                          colour, false);
        }
    }

private:
    Gra& m_gra;
    Arena& m_arena;
    int m_side;
    int m_rows = 0;
    int m_rowHeight = 0;
};

// The cells of the entry in rank k: name, rating and rounds; a player who never played
// has no rating ("-") and no rounds.
std::array<std::string, 3> entryCells(Scores& scores, int k) {
    const int index = scores.RankedIndex(k);
    const PlrScore& e = scores.entry(index);
    constexpr int kPointsPerRound = 40;
    if (e.played == 0) return {e.name, "-", ""};
    return {e.name, std::to_string(scores.Rating(index)),
            std::to_string(e.played / kPointsPerRound)};
}

}  // namespace

void ShowHighScores(Gra& gra, const std::function<std::uint64_t()>& nowMs) {
    const std::uint64_t started = nowMs();
    Table table(gra);
    const int R = table.rows();
    std::array<double, 3> colour = kStartColour;
    std::array<double, 3> drift{};
    for (double& d : drift) d = (gra.rng().mod(3) - 1) * kDriftRange / std::max(R - 2, 1);
    bool blend = true;
    for (int r = 0; r < R; ++r) {
        if (r >= 3) {
            for (std::size_t c = 0; c < 3; ++c) colour[c] += drift[c];
        }
        const Rgb rowColour{channel(colour[0]), channel(colour[1]), channel(colour[2])};
        table.background(r, rowColour, blend);
        if (r == 1 && (nowMs() - started) / 2 * R > kSlowBlend) blend = false;
        const Rgb textColour = BlendColor(kWhite, rowColour, 1 - kTextFade * r / R);
        if (r == 0) table.texts(r, {"Slyder", "Rating", "Rounds"}, textColour);
        if (r == 1) table.separator(r);
        if (r >= 2) table.texts(r, entryCells(gra.scores(), r - 2), textColour);
    }
}

}  // namespace slyders
