#include "model/temp_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

#include "platform/path_map.h"

namespace orv {
namespace {

int OpenRetry(const char* path, int flags, mode_t mode = 0) {
  int fd;
  do {
    fd = ::open(path, flags | O_CLOEXEC, mode);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

std::string DirectoryOf(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return "";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Fsync of the file's data; the rename that follows must never publish a
// name whose contents are still only in the page cache.
int SyncFile(const std::string& path) {
  int fd = OpenRetry(path.c_str(), O_RDONLY);
  if (fd < 0) return errno;
  int rc = ::fsync(fd) == 0 ? 0 : errno;
  ::close(fd);
  return rc;
}

// Best effort: makes the rename itself durable. Some file systems refuse
// fsync on a directory; the replace has happened either way.
void SyncDirectory(const std::string& dir) {
  int fd = OpenRetry(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

int CopyFile(const std::string& from, const std::string& to) {
  int in = OpenRetry(from.c_str(), O_RDONLY);
  if (in < 0) return errno;
  int out = OpenRetry(to.c_str(), O_WRONLY | O_TRUNC);
  if (out < 0) {
    int rc = errno;
    ::close(in);
    return rc;
  }
  std::vector<char> buf(65536);
  int rc = 0;
  for (;;) {
    ssize_t n = ::read(in, buf.data(), buf.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n < 0) rc = errno;
      break;
    }
    for (ssize_t done = 0; done < n && rc == 0;) {
      ssize_t w = ::write(out, buf.data() + done, static_cast<size_t>(n - done));
      if (w >= 0) {
        done += w;
      } else if (errno != EINTR) {
        rc = errno;
      }
    }
    if (rc != 0) break;
  }
  if (rc == 0 && ::fsync(out) != 0) rc = errno;
  if (::close(out) != 0 && rc == 0) rc = errno;
  ::close(in);
  return rc;
}

}  // namespace

int MakeTempName(std::string& name, const std::string& directory) {
  for (int n = 0; n < kTempNameTries; ++n) {
    std::string candidate = JoinPath(directory, "ORV_" + std::to_string(n) + ".TMP");
    // O_EXCL: a name that exists is in use by someone, never reused.
    int fd = OpenRetry(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd >= 0) {
      ::close(fd);
      name = candidate;
      return 0;
    }
  }
  return -1;
}

int ReplaceFile(const std::string& target, const std::string& temporary) {
  if (int rc = SyncFile(temporary)) return rc;
  std::string dir = DirectoryOf(target);
  if (::rename(temporary.c_str(), target.c_str()) == 0) {
    SyncDirectory(dir);
    return 0;
  }
  if (errno != EXDEV) return errno;
  // rename cannot cross file systems: copy beside the target first, so the
  // final step is still an atomic rename.
  std::string local;
  if (MakeTempName(local, dir) != 0) return EEXIST;
  int rc = CopyFile(temporary, local);
  if (rc == 0 && ::rename(local.c_str(), target.c_str()) != 0) rc = errno;
  if (rc != 0) {
    ::unlink(local.c_str());
    return rc;
  }
  ::unlink(temporary.c_str());
  SyncDirectory(dir);
  return 0;
}

}  // namespace orv
