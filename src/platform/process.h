#pragma once
// Starting the game and waiting for it.

#include <functional>
#include <string>

#include "platform/gamestart.h"

namespace zk {

struct TProcessOutcome {
  bool Started = false;  // false: the program could not be started
  std::string Error;     // why it could not be started
};

class IProcessRunner {
 public:
  virtual ~IProcessRunner() = default;
  // Starts the game in currentDirectory with the environment inherited, and waits for its end,
  // calling poll every 100 ms meanwhile.
  virtual TProcessOutcome RunAndWait(const TGameCommand& command,
                                     const std::string& currentDirectory,
                                     const std::function<void()>& poll) = 0;
};

// The system's runner: on Linux the program gets the switches as separate arguments, started
// directly or through wine as PlanGameStart decides; on Windows CreateProcess with the
// composed command line.
class TSystemProcessRunner : public IProcessRunner {
 public:
  TProcessOutcome RunAndWait(const TGameCommand& command, const std::string& currentDirectory,
                             const std::function<void()>& poll) override;
};

}  // namespace zk
