#include "platform/Files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <strings.h>

namespace {
std::map<std::string, std::vector<std::string>> listingCache;
long failAfter = -1;

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    ssize_t n = write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= size_t(n);
  }
  return true;
}

const std::vector<std::string>& CachedListing(const std::string& folder) {
  auto it = listingCache.find(folder);
  if (it != listingCache.end()) return it->second;
  std::vector<std::string> names;
  ListDirectory(folder.empty() ? "." : folder, names);
  return listingCache.emplace(folder, std::move(names)).first->second;
}
}  // namespace

std::string ResolveDataPath(const std::string& path) {
  if (path.empty() || path[0] == '/' || PathExists(path)) return path;
  std::string resolved;
  size_t start = 0;
  while (start <= path.size()) {
    size_t slash = path.find('/', start);
    std::string part = path.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
    if (!part.empty() && part != "." && part != "..") {
      std::string candidate = resolved + part;
      if (!PathExists(candidate)) {
        bool found = false;
        for (const auto& name : CachedListing(resolved)) {
          if (strcasecmp(name.c_str(), part.c_str()) == 0) {
            candidate = resolved + name;
            found = true;
            break;
          }
        }
        if (!found) return path;
      }
      resolved = candidate;
    } else {
      resolved += part;
    }
    if (slash == std::string::npos) break;
    resolved += '/';
    start = slash + 1;
  }
  return resolved;
}

void ClearDataPathCache() { listingCache.clear(); }

bool PathExists(const std::string& path) {
  struct stat st;
  return !path.empty() && stat(path.c_str(), &st) == 0;
}

bool IsDirectory(const std::string& path) {
  struct stat st;
  return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool ListDirectory(const std::string& path, std::vector<std::string>& names) {
  names.clear();
  DIR* dir = opendir(path.c_str());
  if (!dir) return false;
  while (dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  closedir(dir);
  return true;
}

bool MakeDirectory(const std::string& path) {
  std::string p = path;
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  if (p.empty()) return false;
  // 0755 before the umask: never writable by others, whatever the umask says.
  if (mkdir(p.c_str(), 0755) == 0) return true;
  return errno == EEXIST && IsDirectory(p);
}

bool MakeDirectories(const std::string& path) {
  if (IsDirectory(path)) return true;
  for (size_t pos = path.find('/', 1); pos != std::string::npos; pos = path.find('/', pos + 1)) {
    std::string prefix = path.substr(0, pos);
    if (!prefix.empty() && !IsDirectory(prefix) && !MakeDirectory(prefix)) return false;
  }
  return MakeDirectory(path);
}

bool EnsureOwnerAccess(const std::string& path) {
  std::string p = path;
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  struct stat st;
  if (lstat(p.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
  if ((st.st_mode & S_IRWXU) == S_IRWXU) return true;
  return chmod(p.c_str(), (st.st_mode & 07777) | S_IRWXU) == 0;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, size_t maxBytes, std::string* why) {
  bytes.clear();
  auto fail = [&](int err) {
    if (why) *why = std::strerror(err);
    bytes.clear();
    return false;
  };
  // Without blocking: opening a pipe for reading would otherwise wait for a writer.
  int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return fail(errno);
  struct stat st;
  int err = 0;
  if (fstat(fd, &st) != 0) err = errno;
  else if (S_ISDIR(st.st_mode)) err = EISDIR;
  else if (!S_ISREG(st.st_mode)) err = EINVAL;
  else if (uint64_t(st.st_size) > maxBytes) err = EFBIG;
  if (err != 0) {
    close(fd);
    return fail(err);
  }
  bytes.reserve(size_t(st.st_size));
  char buffer[65536];
  for (;;) {
    ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      err = errno;
      close(fd);
      return fail(err);
    }
    if (n == 0) break;
    // A file that grows while it is read is held to the same limit.
    if (size_t(n) > maxBytes - bytes.size()) {
      close(fd);
      return fail(EFBIG);
    }
    bytes.append(buffer, size_t(n));
  }
  close(fd);
  return true;
}

bool ReadDataFile(const std::string& path, std::string& bytes) { return ReadWholeFile(ResolveDataPath(path), bytes); }

bool WriteFileSafely(const std::string& path, const std::string& bytes, std::string* why) {
  auto fail = [why](int err) {
    if (why) *why = std::strerror(err);
    return false;
  };
  if (path.empty()) return fail(ENOENT);
  std::string temp = path + ".tmp";
  // A stale temporary file (or a link planted in its place) is removed first; O_EXCL then
  // guarantees the bytes go into a fresh file of our own.
  unlink(temp.c_str());
  int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) return fail(errno);
  int err = 0;
  if (failAfter >= 0 && size_t(failAfter) < bytes.size()) {
    WriteAll(fd, bytes.data(), size_t(failAfter));
    err = ENOSPC;
  } else if (!WriteAll(fd, bytes.data(), bytes.size())) {
    err = errno;
  }
  if (err == 0 && fsync(fd) != 0) err = errno;
  if (close(fd) != 0 && err == 0) err = errno;
  if (err == 0) {
    struct stat st;
    // Never replace a folder or follow a link at the target's name.
    if (lstat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
      err = S_ISDIR(st.st_mode) ? EISDIR : S_ISLNK(st.st_mode) ? ELOOP : EEXIST;
  }
  if (err == 0 && rename(temp.c_str(), path.c_str()) != 0) err = errno;
  if (err != 0) {
    unlink(temp.c_str());
    return fail(err);
  }
  // Make the rename itself durable.
  std::string folder = path.find('/') == std::string::npos ? "." : path.substr(0, path.rfind('/') + 1);
  int dfd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    fsync(dfd);
    close(dfd);
  }
  return true;
}

bool AppendToFile(const std::string& path, const std::string& bytes) {
  int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes.data(), bytes.size());
  ok = (close(fd) == 0) && ok;
  return ok;
}

bool RemoveFile(const std::string& path) { return unlink(path.c_str()) == 0; }

int RemoveTempFiles(const std::string& folder) {
  std::vector<std::string> names;
  if (!ListDirectory(folder, names)) return 0;
  const std::string base = folder.empty() || folder.back() == '/' ? folder : folder + "/";
  const std::string ending = ".tmp";
  int removed = 0;
  for (const std::string& name : names) {
    if (name.size() <= ending.size() || name.compare(name.size() - ending.size(), ending.size(), ending) != 0)
      continue;
    struct stat st;
    const std::string path = base + name;
    if (lstat(path.c_str(), &st) != 0 || !(S_ISREG(st.st_mode) || S_ISLNK(st.st_mode))) continue;
    if (unlink(path.c_str()) == 0) ++removed;
  }
  return removed;
}

void SetSafeWriteFailAfter(long bytes) { failAfter = bytes; }
