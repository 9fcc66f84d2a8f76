#pragma once
// Starting the game in GameDir and waiting for its end with the window kept responsive.

#include <QString>

namespace zk {

class TForm1;

// Starts executable with commandLine through the window's runner and waits for the game to
// end, processing the window's events every 100 ms. A game that cannot be started is
// reported to the player.
void RunGame(TForm1& form, const QString& executable, const QString& commandLine);

}  // namespace zk
