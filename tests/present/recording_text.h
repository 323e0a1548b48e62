#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "test_support.h"

namespace slyders::test {

// Block text that also remembers what was written where.
class RecordingText final : public TextRenderer {
public:
    struct Drawn {
        int x, y;
        FontSpec font;
        Rgb colour;
        std::string text;
    };

    TextSize extent(const FontSpec& font, std::string_view text) override {
        return m_blocks.extent(font, text);
    }
    void draw(PixelBuffer& target, int x, int y, const FontSpec& font, Rgb colour,
              std::string_view text) override {
        drawn.push_back({x, y, font, colour, std::string(text)});
        m_blocks.draw(target, x, y, font, colour, text);
    }

    const Drawn* find(const std::string& text) const {
        for (const Drawn& d : drawn)
            if (d.text == text) return &d;
        return nullptr;
    }
    int count(const std::string& text) const {
        const auto same = [&text](const Drawn& d) { return d.text == text; };
        return int(std::count_if(drawn.begin(), drawn.end(), same));
    }

    std::vector<Drawn> drawn;

private:
    BlockText m_blocks;
};

}  // namespace slyders::test
