#include "support/unprivileged.h"

#ifdef _WIN32

#include <windows.h>

#include <filesystem>
#include <stdexcept>

namespace zk::test {

THeldFile::THeldFile(const std::string& path)
    : handle_(CreateFileW(std::filesystem::u8path(path).wstring().c_str(), GENERIC_READ, 0, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {
  if (handle_ == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot hold " + path);
}

THeldFile::~THeldFile() {
  CloseHandle(handle_);
}

// Windows keeps no root that ignores permissions here: the body runs as it is.
void RunUnprivileged(const std::function<void()>& body) {
  body();
}

void LetOthersReach(const std::string&) {}

}  // namespace zk::test

#else

#include <grp.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace zk::test {

namespace {

[[noreturn]] void Die(const char* what) {
  // Carrying on with the ids half switched would run every later test as the wrong user.
  std::perror(what);
  std::abort();
}

// Switches the effective ids for its lifetime. The saved user id stays 0, so the switch back is
// allowed; glibc applies the change to every thread of the process.
class TEffectiveIds {
 public:
  TEffectiveIds() {
    const int count = getgroups(0, nullptr);
    if (count < 0) Die("getgroups");
    groups_.resize(static_cast<size_t>(count));
    if (getgroups(count, groups_.data()) < 0) Die("getgroups");
    if (setgroups(0, nullptr) != 0) Die("setgroups");
    if (setegid(kUnprivilegedId) != 0) Die("setegid");
    if (seteuid(kUnprivilegedId) != 0) Die("seteuid");
  }
  ~TEffectiveIds() {
    if (seteuid(0) != 0) Die("seteuid back");
    if (setegid(0) != 0) Die("setegid back");
    if (setgroups(groups_.size(), groups_.data()) != 0) Die("setgroups back");
  }
  TEffectiveIds(const TEffectiveIds&) = delete;
  TEffectiveIds& operator=(const TEffectiveIds&) = delete;

 private:
  std::vector<gid_t> groups_;
};

}  // namespace

void RunUnprivileged(const std::function<void()>& body) {
  if (geteuid() != 0) {
    body();
    return;
  }
  TEffectiveIds ids;
  body();
}

void LetOthersReach(const std::string& folder) {
  namespace fs = std::filesystem;
  constexpr fs::perms others = fs::perms::others_read | fs::perms::others_exec;
  std::error_code ignored;
  std::string name = folder;
  while (name.size() > 1 && name.back() == '/') name.pop_back();
  const fs::path start = fs::absolute(fs::u8path(name), ignored);
  fs::permissions(start, others, fs::perm_options::add, ignored);
  for (fs::path dir = start.parent_path(); dir != dir.root_path() && !dir.empty();
       dir = dir.parent_path()) {
    const fs::perms mode = fs::status(dir, ignored).permissions();
    if ((mode & fs::perms::others_exec) == fs::perms::none)
      fs::permissions(dir, others, fs::perm_options::add, ignored);
  }
}

}  // namespace zk::test

#endif  // _WIN32
