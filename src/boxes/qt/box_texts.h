#pragma once

#include <span>
#include <vector>

namespace slyders {

// The translators' context of every text a message box shows.
inline constexpr const char* kBoxContext = "GameMessages";

// What joins the reasons of a Part::Reasons; a language may make a sentence of each instead.
inline constexpr const char* kReasonsJoin = "; ";

// What a pattern's %1, %2... stand for.
enum class Part {
    Kept,     // a name, a number or a reason from the system: as it is
    Player,   // a player's name, which may be the computer player
    Text,     // a whole box text of its own, translated in turn
    Reasons,  // box texts of their own joined by "; ", each translated in turn
};

struct Pattern {
    const char* english;
    std::vector<Part> parts;
};

// The composed texts the boxes know, the longer before the shorter they may contain.
std::span<const Pattern> boxPatterns();

}  // namespace slyders
