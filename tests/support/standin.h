#pragma once
// The stand-in game in tests: installing it under the game's names and reading back what it
// recorded of its run (the layout is described in tools/standin/record.h).

#include <string>
#include <vector>

namespace zk::test {

// Copies the stand-in to path (e.g. GameDir + "eDuke32.exe") with its run bits.
bool InstallStandin(const std::string& path);

// What the stand-in recorded of one run.
struct TStandinRecord {
  bool complete = false;
  std::string program;
  std::vector<std::string> arguments;
  std::string cwd;
  std::vector<std::string> files;  // which of the launcher's four files it saw, sorted
  std::string folder;
  // The copy of one of the launcher's files as the game saw it ("" when it saw none).
  std::string File(const std::string& name) const;
};

// Asks every stand-in started meanwhile (the environment is inherited) to record into a
// folder of its own; the request ends with this object.
class TStandinRecording {
 public:
  TStandinRecording();
  ~TStandinRecording();
  TStandinRecording(const TStandinRecording&) = delete;
  TStandinRecording& operator=(const TStandinRecording&) = delete;

  TStandinRecord Read() const;

 private:
  std::string dir_;
};

}  // namespace zk::test
