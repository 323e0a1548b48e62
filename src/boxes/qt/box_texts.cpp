#include "boxes/qt/box_texts.h"

#include <QtGlobal>
#include <array>

namespace slyders {

namespace {

// The boxes' whole texts and titles as the plain game code writes them.
[[maybe_unused]] constexpr std::array kWholeTexts{
    QT_TRANSLATE_NOOP("GameMessages", "Draw. No winner yet!"),
    QT_TRANSLATE_NOOP("GameMessages", "This DEMO game ends with a draw."),
    QT_TRANSLATE_NOOP("GameMessages", "Start DEMO game? (current results will be lost)"),
    QT_TRANSLATE_NOOP("GameMessages", "Keep this replay?"),
    QT_TRANSLATE_NOOP("GameMessages", "Stop watching?"),
    QT_TRANSLATE_NOOP("GameMessages", "The recorded game was left here, before its end."),
    QT_TRANSLATE_NOOP("GameMessages", "Open replay"),
    QT_TRANSLATE_NOOP("GameMessages", "Keep this replay"),
    QT_TRANSLATE_NOOP("GameMessages", "Replay not saved"),
    QT_TRANSLATE_NOOP("GameMessages", "Play on a server"),
    QT_TRANSLATE_NOOP("GameMessages", "Seat a player first (Players > Set up human players...)."),
    QT_TRANSLATE_NOOP("GameMessages", "The machines disagree about the game; it was stopped."),
    QT_TRANSLATE_NOOP("GameMessages",
                      "The host dropped this machine because it stopped answering."),
    QT_TRANSLATE_NOOP("GameMessages",
                      "This machine's game was not the server's; it was taken out of the game."),
    QT_TRANSLATE_NOOP("GameMessages", "The server is shutting down."),
    QT_TRANSLATE_NOOP("GameMessages", "The host has closed the game."),
    QT_TRANSLATE_NOOP("GameMessages", "the computer player"),
    // Why a host or a server refused this machine, or why a game stopped.
    QT_TRANSLATE_NOOP("GameMessages", "This game was made by a different version of Slyders."),
    QT_TRANSLATE_NOOP("GameMessages", "The host stopped answering."),
    QT_TRANSLATE_NOOP("GameMessages", "The game is full: no seat is free."),
    QT_TRANSLATE_NOOP("GameMessages", "The game is full: only 1 seat is free."),
    QT_TRANSLATE_NOOP("GameMessages", "Wrong password."),
    QT_TRANSLATE_NOOP("GameMessages", "This game needs a password."),
    QT_TRANSLATE_NOOP("GameMessages", "The game has already started."),
    QT_TRANSLATE_NOOP("GameMessages", "Too many bad packets."),
    QT_TRANSLATE_NOOP("GameMessages", "No room has this code."),
    QT_TRANSLATE_NOOP("GameMessages", "Too many wrong codes: try again in a few minutes."),
    QT_TRANSLATE_NOOP("GameMessages", "The server holds all the rooms it may: try again later."),
    QT_TRANSLATE_NOOP("GameMessages", "A player's name belongs to another machine on this server."),
    QT_TRANSLATE_NOOP("GameMessages", "The room has as many spectators as it may."),
    QT_TRANSLATE_NOOP("GameMessages", "The room is full: no seat is free."),
    QT_TRANSLATE_NOOP("GameMessages", "Refused."),
    // How this machine differs from the host's, when it was refused for it.
    //: Between two reasons, each of which starts like a sentence of its own.
    QT_TRANSLATE_NOOP("GameMessages", "; "),
    QT_TRANSLATE_NOOP("GameMessages",
                      "This machine draws the arena's texts differently from the host's (its "
                      "fonts or font library differ)"),
    QT_TRANSLATE_NOOP("GameMessages",
                      "This machine's maths library computes the game's angles differently from "
                      "the host's"),
    QT_TRANSLATE_NOOP("GameMessages", "This machine reads the game's settings differently"),
    QT_TRANSLATE_NOOP("GameMessages", "This machine plays under other rules than the host's"),
    // Why a game could not be hosted or joined.
    QT_TRANSLATE_NOOP("GameMessages", "The network could not be started."),
    QT_TRANSLATE_NOOP("GameMessages", "The host address is empty."),
    QT_TRANSLATE_NOOP("GameMessages", "The port cannot change once a guest has joined."),
};

// Why a replay file cannot be watched, and the parts of it a damaged one broke in.
[[maybe_unused]] constexpr std::array kReplayTexts{
    QT_TRANSLATE_NOOP("GameMessages", "This file is not a Slyders replay."),
    QT_TRANSLATE_NOOP("GameMessages", "This replay was made by a newer Slyders."),
    QT_TRANSLATE_NOOP("GameMessages", "its format version is 0"),
    QT_TRANSLATE_NOOP("GameMessages", "it is cut short"),
    QT_TRANSLATE_NOOP("GameMessages", "it was cut short or changed since it was written"),
    QT_TRANSLATE_NOOP("GameMessages", "it does not hold the 23 settings"),
    QT_TRANSLATE_NOOP("GameMessages", "there are bytes after its end"),
    QT_TRANSLATE_NOOP("GameMessages", "the game has no players"),
    QT_TRANSLATE_NOOP("GameMessages", "an event of an unknown kind"),
    QT_TRANSLATE_NOOP("GameMessages", "its checks do not cover the game"),
    QT_TRANSLATE_NOOP("GameMessages", "more slyders died than played"),
    QT_TRANSLATE_NOOP("GameMessages", "the order of deaths names no slot"),
    QT_TRANSLATE_NOOP("GameMessages", "the DEMO flag"),
    QT_TRANSLATE_NOOP("GameMessages", "the number of computer players"),
    QT_TRANSLATE_NOOP("GameMessages", "the number of human players"),
    QT_TRANSLATE_NOOP("GameMessages", "the skill"),
    QT_TRANSLATE_NOOP("GameMessages", "the speed"),
    QT_TRANSLATE_NOOP("GameMessages", "the seed"),
    QT_TRANSLATE_NOOP("GameMessages", "a key pair"),
    QT_TRANSLATE_NOOP("GameMessages", "a seat's player"),
    QT_TRANSLATE_NOOP("GameMessages", "the round points"),
    QT_TRANSLATE_NOOP("GameMessages", "the rounds won"),
    QT_TRANSLATE_NOOP("GameMessages", "the arena side"),
    QT_TRANSLATE_NOOP("GameMessages", "an event's tick"),
    QT_TRANSLATE_NOOP("GameMessages", "an event"),
    QT_TRANSLATE_NOOP("GameMessages", "the held keys"),
    QT_TRANSLATE_NOOP("GameMessages", "a speed change"),
    QT_TRANSLATE_NOOP("GameMessages", "a setting's number"),
    QT_TRANSLATE_NOOP("GameMessages", "a setting's value"),
    QT_TRANSLATE_NOOP("GameMessages", "the seats that left"),
    QT_TRANSLATE_NOOP("GameMessages", "the checksum"),
    QT_TRANSLATE_NOOP("GameMessages", "the program version"),
    QT_TRANSLATE_NOOP("GameMessages", "the date"),
    QT_TRANSLATE_NOOP("GameMessages", "the network flag"),
    QT_TRANSLATE_NOOP("GameMessages", "the settings"),
    QT_TRANSLATE_NOOP("GameMessages", "the names"),
    QT_TRANSLATE_NOOP("GameMessages", "the ratings"),
    QT_TRANSLATE_NOOP("GameMessages", "the end"),
    QT_TRANSLATE_NOOP("GameMessages", "the last tick"),
    QT_TRANSLATE_NOOP("GameMessages", "the events"),
    QT_TRANSLATE_NOOP("GameMessages", "the checks"),
    QT_TRANSLATE_NOOP("GameMessages", "the final points"),
    QT_TRANSLATE_NOOP("GameMessages", "the order of deaths"),
    QT_TRANSLATE_NOOP("GameMessages", "the result"),
};

const std::array<Pattern, 27> kPatterns{{
    {QT_TRANSLATE_NOOP("GameMessages", "Round finished!\n%1\n\nClick for the next round:"),
     {Part::Text}},
    {QT_TRANSLATE_NOOP("GameMessages", "Round finished!\n%1"), {Part::Text}},
    {QT_TRANSLATE_NOOP("GameMessages",
                       "%1 points reached.\n\nThe winner is %2 !\n%3's rating is now %4."),
     {Part::Kept, Part::Player, Part::Kept, Part::Kept}},
    {QT_TRANSLATE_NOOP("GameMessages", "This DEMO game has been won by %1."), {Part::Kept}},
    {QT_TRANSLATE_NOOP("GameMessages",
                       "This replay did not play as it was recorded, from tick %1 on."),
     {Part::Kept}},
    {QT_TRANSLATE_NOOP("GameMessages", "%1\nThe game itself is not affected."), {Part::Text}},
    {QT_TRANSLATE_NOOP("GameMessages", "Gamepad %1 is not connected."), {Part::Kept}},
    {QT_TRANSLATE_NOOP("GameMessages", "the computer player #%1"), {Part::Kept}},
    {QT_TRANSLATE_NOOP("GameMessages", "The game is full: only %1 seats are free."), {Part::Kept}},
    {QT_TRANSLATE_NOOP("GameMessages", "Could not reach %1."), {Part::Kept}},
    {QT_TRANSLATE_NOOP("GameMessages", "The host at %1 did not answer."), {Part::Kept}},
    {QT_TRANSLATE_NOOP("GameMessages", "No room has the code %1."), {Part::Kept}},
    {QT_TRANSLATE_NOOP("GameMessages",
                       "%1. Install the same Slyders package, with its fonts, on both machines."),
     {Part::Reasons}},
    {QT_TRANSLATE_NOOP("GameMessages", "Unknown address %1."), {Part::Kept}},
    {QT_TRANSLATE_NOOP("GameMessages", "Port %1 is in use or cannot be opened."), {Part::Kept}},
    {QT_TRANSLATE_NOOP("GameMessages",
                       "Port %1 and the %2 after it are in use or cannot be opened."),
     {Part::Kept, Part::Kept}},
    {QT_TRANSLATE_NOOP("GameMessages", "\"%1\" is not an address."), {Part::Kept}},
    {QT_TRANSLATE_NOOP("GameMessages", "\"%1\" is not a port (1 to 65535)."), {Part::Kept}},
    // The system's own words after the colon stay as the system says them.
    {QT_TRANSLATE_NOOP("GameMessages", "no socket to look for games: %1"), {Part::Kept}},
    {QT_TRANSLATE_NOOP("GameMessages", "The replay could not be written to %1."), {Part::Kept}},
    {QT_TRANSLATE_NOOP("GameMessages", "The replay could not be kept: %1."), {Part::Kept}},
    {QT_TRANSLATE_NOOP("GameMessages", "The replay %1 could not be read."), {Part::Kept}},
    {QT_TRANSLATE_NOOP("GameMessages", "This replay is damaged: %1."), {Part::Text}},
    {QT_TRANSLATE_NOOP("GameMessages", "there is a value out of range in %1"), {Part::Text}},
    {QT_TRANSLATE_NOOP("GameMessages", "it ends inside %1"), {Part::Text}},
    {QT_TRANSLATE_NOOP("GameMessages",
                       "its arena side of %1 pixels is larger than any screen gives (at most %2)"),
     {Part::Kept, Part::Kept}},
    {QT_TRANSLATE_NOOP("GameMessages",
                       "its arena side of %1 pixels is smaller than any window gives (at least "
                       "%2)"),
     {Part::Kept, Part::Kept}},
}};

}  // namespace

std::span<const Pattern> boxPatterns() {
    return kPatterns;
}

}  // namespace slyders
