#pragma once
// The game script zebkin.con, filled from the add-on's template with values from the window.

#include "platform/textfile.h"

namespace zk {

class TForm1;

// The 52 values, in the order of the placeholders (the lines of Memo6).
TLines BuildScriptValues(const TForm1& form);

// Writes GameDir + "zebkin.con" from ProgramDir + "zeb-kin.ctp"; false when the template is
// missing. File errors are raised (EFOpenError / EFCreateError).
bool WriteGameScript(TForm1& form);

}  // namespace zk
