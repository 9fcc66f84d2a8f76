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

// Lets every user reach folder: gives others read and search permission on it and on each
// folder above it that denies them search (a temporary folder is private to its owner).
void LetOthersReach(const std::string& folder);

}  // namespace zk::test
