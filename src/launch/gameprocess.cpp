#include "launch/gameprocess.h"

#include "platform/application.h"
#include "ui/mainform.h"

namespace zk {

void RunGame(TForm1& form, const QString& executable, const QString& commandLine) {
  const TProcessOutcome outcome =
      form.Runner().RunAndWait(executable, commandLine, form.GameDir, [] { ProcessMessages(); });
  if (outcome.Started) return;
  // Without a word the player would be left with a button that seems to do nothing.
  form.Dialogs().MessageBox(
      "Duke Nukem 3D could not be started:\n" + executable + "\n" + outcome.Error,
      "game start error", TMsgIcon::Stop, TMsgButtons::Ok);
}

}  // namespace zk
