// The directory listing that fills the list of saved settings at start-up.

#include <QFileInfo>
#include <algorithm>
#include <exception>

#include "platform/files.h"
#include "platform/sysutils.h"
#include "settings/settingsfiles.h"

namespace zk {

namespace {

// The name without the text from its last "." on; a name without a "." stays whole.
QString StripExtension(const QString& name) {
  const int dot = name.lastIndexOf(QLatin1Char('.'));
  const int delim = name.lastIndexOf(QLatin1Char(PathDelim));
  return dot > delim ? name.left(dot) : name;
}

}  // namespace

QStringList ListDirectory(const QString& dir, const QString& mask, bool stripExtension, bool sort) {
  QStringList names;
  if (!dir.isEmpty() && !mask.isEmpty()) {
    try {
      const QString folder = dir.endsWith(QLatin1Char(PathDelim)) ? dir : dir + PathDelim;
      // Case-sensitive, so that a listed name is one whose file the load opens by name + mask's
      // extension; regular files only, so a pick can never block on a pipe or a device.
      for (const QString& entry : FindFiles(folder, mask, Qt::CaseSensitive)) {
        if (!QFileInfo(folder + entry).isFile()) continue;
        names << (stripExtension && !entry.isEmpty() ? StripExtension(entry) : entry);
      }
    } catch (const std::exception&) {
      // A failing search keeps what it found so far.
    }
  }
  names.removeOne(".");
  names.removeOne("..");
  if (sort)
    std::stable_sort(names.begin(), names.end(),
                     [](const QString& a, const QString& b) { return AnsiCompareText(a, b) < 0; });
  return names;
}

}  // namespace zk
