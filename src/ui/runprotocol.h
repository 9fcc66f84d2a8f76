#pragma once
// The window's run protocol for LAUNCH and "generate map": one run at a time, the window busy
// while it lasts, and a close asked for meanwhile held until the run has cleaned up.

#include <functional>

namespace zk {

class TForm1;

// Runs run as the window's one run. While another run waits for the game this returns at once:
// a second run would work over the same files. However run ends (an exception included), the
// window is free again afterwards and a close held during the run is carried out through
// TForm::Close.
void RunExclusive(TForm1& form, const std::function<void()>& run);

}  // namespace zk
