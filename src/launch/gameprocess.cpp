#include "launch/gameprocess.h"

#include "ui/mainform.h"

namespace zk {

void RunGame(TForm1& form, const TGameCommand& command) {
  const TProcessOutcome outcome =
      form.Runner().RunAndWait(command, form.GameDir, [&form] { form.ProcessMessages(); });
  if (outcome.Started) return;
  // Without a word the player would be left with a button that seems to do nothing.
  form.Dialogs().MessageBox(
      "Duke Nukem 3D could not be started:\n" + command.Executable + "\n" + outcome.Error,
      "game start error", TMsgIcon::Stop, TMsgButtons::Ok);
}

}  // namespace zk
