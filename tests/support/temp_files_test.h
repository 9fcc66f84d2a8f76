#pragma once
// A test fixture with a temporary folder for files made of fixture bytes.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>

#include "support/gamedata_builders.h"

namespace zk::test {

class TTempFilesTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return dir_.path().toStdString() + "/" + name; }
  // Writes the bytes to a file of the folder and gives its path.
  std::string Write(const std::string& name, const std::string& bytes) const {
    const std::string path = Path(name);
    EXPECT_TRUE(WriteBytes(path, bytes));
    return path;
  }
  QTemporaryDir dir_;
};

}  // namespace zk::test
