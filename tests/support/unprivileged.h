#pragma once
// Running part of a test as an ordinary user. The tests run as root here and in CI, and root
// ignores file permissions: a read-only folder or file proves nothing unless the check is made
// for another user.

#include <gtest/gtest.h>

#include <functional>
#include <string>

// Ends a test on Windows, where what it rests on is missing: permissions on folders and for
// other users, symbolic links an ordinary user may make, /proc. Its other checks run elsewhere.
#ifdef _WIN32
#define ZK_SKIP_ON_WINDOWS(why) GTEST_SKIP() << (why)
#else
#define ZK_SKIP_ON_WINDOWS(why) static_cast<void>(0)
#endif

namespace zk::test {

// The user and group the body runs as when the tests run as root ("nobody").
inline constexpr unsigned kUnprivilegedId = 65534;

// Runs body with file permissions checked as for an ordinary user: as root, the effective user
// and group become kUnprivilegedId, without supplementary groups, for the body's duration; as any
// other user the body runs as it is. It stays in this process, so the body may use the window.
void RunUnprivileged(const std::function<void()>& body);

#ifdef _WIN32
// A file opened as another program may hold it (a virus scanner, an editor): shared with nobody,
// so no one else can open it until this ends.
class THeldFile {
 public:
  explicit THeldFile(const std::string& path);
  ~THeldFile();
  THeldFile(const THeldFile&) = delete;
  THeldFile& operator=(const THeldFile&) = delete;

 private:
  void* handle_;
};
#endif

// Lets every user reach folder: gives others read and search permission on it and on each
// folder above it that denies them search (a temporary folder is private to its owner).
void LetOthersReach(const std::string& folder);

}  // namespace zk::test
