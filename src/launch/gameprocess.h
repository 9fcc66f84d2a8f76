#pragma once
// Starting the game in GameDir and waiting for its end with the window kept responsive.

#include "platform/gamestart.h"

namespace zk {

class TForm1;

// Starts the game through the window's runner and waits for it to end, processing the
// window's events every 100 ms. A game that cannot be started is reported to the player.
void RunGame(TForm1& form, const TGameCommand& command);

}  // namespace zk
