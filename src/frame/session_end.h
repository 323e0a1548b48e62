#pragma once

namespace slyders {

class TMainWnd;

// At logout or shutdown the desktop asks the game to go with SIGTERM (a closed terminal
// sends SIGHUP). Either closes the game as the player's close would, without the question:
// the game in progress ends, and the settings are saved at exit as usual.
void closeOnSessionEnd(TMainWnd& window);

// Ends the game in progress and closes the window, without asking.
void closeWithoutQuestion(TMainWnd& window);

}  // namespace slyders
