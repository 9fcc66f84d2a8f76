// A stand-in for the game: prints the arguments and the working directory it was given.

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  std::printf("working directory: %s\n", qPrintable(QDir::currentPath()));
  const QStringList args = app.arguments();
  for (int i = 0; i < args.size(); ++i) std::printf("argument %d: %s\n", i, qPrintable(args[i]));
  return 0;
}
