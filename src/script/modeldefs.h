#pragma once
// The model definition file zebkin.def, written when the high-resolution player model is there.

#include <string>

namespace zk {

class TForm1;

// Writes GameDir + "zebkin.def" when both model files exist and returns " /hzebkin.def";
// otherwise writes nothing and returns the empty text. Raises EFCreateError on a failed write.
std::string WriteModelDefinitions(const TForm1& form);

}  // namespace zk
