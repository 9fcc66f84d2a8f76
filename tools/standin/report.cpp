#include "standin/report.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "gamedata/mapfile.h"

namespace zk::standin {

namespace {

constexpr int kPlayerStartTile = 1405;
constexpr int kBotTile = 3586;
constexpr int kScriptLinesShown = 8;

QString Quoted(const QString& argument) {
  if (!argument.isEmpty() && !argument.contains(' ') && !argument.contains('\t')) return argument;
  return '"' + argument + '"';
}

// The file a switch names: the argument after "-map", or the rest of "/x...", "/h...", "/g..."
// (or "-x...", as a native engine takes them).
QString Named(const QStringList& arguments, const QString& sw) {
  for (int i = 1; i < arguments.size(); ++i) {
    if (sw.startsWith('-')) {
      if (arguments[i] == sw && i + 1 < arguments.size()) return arguments[i + 1];
    } else if (arguments[i].size() > 1 && (arguments[i][0] == '/' || arguments[i][0] == '-') &&
               arguments[i].mid(1).startsWith(sw.mid(1))) {
      return arguments[i].mid(sw.size());
    }
  }
  return {};
}

QString DescribeMap(const QString& name) {
  if (name.isEmpty()) return "Map: none given";
  if (!QFileInfo(name).isFile()) return "Map " + name + ": missing";
  TMap map;
  const int result = map.LoadFromFile(QFile::encodeName(name).toStdString(), 0);
  if (result != 0)
    return "Map " + name + ": cannot be read (result " + QString::number(result) + ")";
  int starts = 0, bots = 0;
  for (int i = 0; i < map.SpriteCount; ++i) {
    if (map.Sprites[i].picnum == kPlayerStartTile) ++starts;
    if (map.Sprites[i].picnum == kBotTile) ++bots;
  }
  return QString("Map %1: %2 sprites, %3 player starts (tile %4), %5 bot sprites (tile %6)")
      .arg(name)
      .arg(map.SpriteCount)
      .arg(starts)
      .arg(kPlayerStartTile)
      .arg(bots)
      .arg(kBotTile);
}

QStringList DescribeScript(const QString& name) {
  if (name.isEmpty()) return {"Game script: none given"};
  QFile f(name);
  if (!f.open(QIODevice::ReadOnly)) return {"Game script " + name + ": missing"};
  QStringList lines = {"Game script " + name + ", first lines:"};
  for (int i = 0; i < kScriptLinesShown && !f.atEnd(); ++i) {
    lines << "    " + QString::fromLatin1(f.readLine()).trimmed();
  }
  return lines;
}

QString DescribeFile(const QString& what, const QString& name) {
  if (name.isEmpty()) return what + ": none given";
  const QFileInfo info(name);
  if (!info.isFile()) return what + " " + name + ": missing";
  return what + " " + name + ": " + QString::number(info.size()) + " bytes";
}

}  // namespace

QStringList DescribeRun(const QStringList& arguments) {
  QStringList shown;
  for (const QString& a : arguments) shown << Quoted(a);
  QStringList lines = {"Command line: " + shown.join(' '),
                       "Working directory: " + QDir::currentPath(), "",
                       DescribeMap(Named(arguments, "-map"))};
  lines << DescribeScript(Named(arguments, "/x"));
  lines << DescribeFile("Model definitions", Named(arguments, "/h"))
        << DescribeFile("Add-on archive", Named(arguments, "/g"));
  return lines;
}

}  // namespace zk::standin
