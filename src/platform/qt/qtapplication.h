#pragma once
// What the Qt program needs before its window: the arguments the application object is given,
// and the font configuration read ahead.

#include <string>
#include <thread>

namespace zk {

// What QApplication is given: the program's name alone. The launcher takes no command line, and
// Qt's own options (-style, -reverse, -platform ...) must not change its window. Must outlive
// the application object, which keeps references to both members.
struct TApplicationArguments {
  explicit TApplicationArguments(char* programName) : argv{programName, nullptr} {}
  int argc = 1;
  char* argv[2];
};

// Reads the system's font configuration on a second thread. Qt reads it when the window's first
// text is measured, and it is the largest part of building the window; started before the
// application object, it runs while Qt connects to the display. Where there is no such
// configuration to read this does nothing.
class TFontConfigReader {
 public:
  TFontConfigReader();
  ~TFontConfigReader() { Wait(); }
  TFontConfigReader(const TFontConfigReader&) = delete;
  TFontConfigReader& operator=(const TFontConfigReader&) = delete;
  // Returns once the configuration is read; call it before the window is built.
  void Wait();

 private:
  std::thread reader_;
};

// The running program's file with every link resolved: a launcher reached through a link still
// finds the game beside its real file. Needs the application object.
std::string ExecutableFile();

}  // namespace zk
