#include "platform/files.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <string_view>

namespace fs = std::filesystem;

namespace files {

namespace {

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

// Wildcard match, letter case aside: "*" any run, "?" any one character.
bool Matches(const char* pattern, const char* name) {
  if (*pattern == '\0') return *name == '\0';
  if (*pattern == '*') return Matches(pattern + 1, name) || (*name && Matches(pattern, name + 1));
  if (*name == '\0') return false;
  return (*pattern == '?' || Upper(*pattern) == Upper(*name)) && Matches(pattern + 1, name + 1);
}

// The same name, letter case aside; "*" and "?" are characters like any other here.
bool SameLetters(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return Upper(x) == Upper(y);
         });
}

template <class Visit>
void EachFile(const std::string& folder, Visit visit) {
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (name.empty() || name.front() == '.' || !entry.is_regular_file(error)) continue;
    if (!visit(name)) return;
  }
}

// A save's temporary file: ".ondulix-<process>-<try>.tmp". Short whatever the name saved, so
// that any name the folder can hold can be saved; the process number tells whose it is.
constexpr std::string_view TemporaryPrefix = ".ondulix-";
constexpr std::string_view TemporarySuffix = ".tmp";
constexpr int TemporaryTries = 100;

std::string TemporaryName(pid_t pid, int attempt) {
  return std::string(TemporaryPrefix) + std::to_string(pid) + "-" + std::to_string(attempt) +
         std::string(TemporarySuffix);
}

// The process that wrote a temporary file of that name; nothing for any other name.
std::optional<pid_t> TemporaryOwner(std::string_view name) {
  if (!name.starts_with(TemporaryPrefix) || !name.ends_with(TemporarySuffix)) return std::nullopt;
  name.remove_prefix(TemporaryPrefix.size());
  name.remove_suffix(TemporarySuffix.size());
  pid_t pid = 0;
  int attempt = 0;
  const auto [dash, pidError] = std::from_chars(name.data(), name.data() + name.size(), pid);
  if (pidError != std::errc() || pid <= 0 || dash == name.data() + name.size() || *dash != '-') {
    return std::nullopt;
  }
  const auto [end, attemptError] = std::from_chars(dash + 1, name.data() + name.size(), attempt);
  if (attemptError != std::errc() || end != name.data() + name.size()) return std::nullopt;
  return pid;
}

// Creates a new file of this process's own in the folder. Whatever already stands at a name
// (a link leading out of the folder, a pipe that would never take the data) is left alone and
// the next name tried, and nothing waits.
int CreateTemporary(const std::string& folder, std::string& path) {
  for (int attempt = 0; attempt < TemporaryTries; ++attempt) {
    path = Join(folder, TemporaryName(getpid(), attempt));
    const int file =
        open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (file >= 0 || errno != EEXIST) return file;
  }
  return -1;
}

// The new file gets the permissions of the one it replaces, before any data is in it: a
// private database stays private. A link is replaced itself, so what it leads to lends nothing.
bool KeepMode(int file, const std::string& folder, const std::optional<std::string>& old) {
  struct stat status {};
  if (!old || lstat(Join(folder, *old).c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
    return true;
  }
  return fchmod(file, status.st_mode & 07777) == 0;
}

bool WriteAll(int file, std::string_view contents) {
  while (!contents.empty()) {
    const ssize_t wrote = write(file, contents.data(), contents.size());
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return false;
    contents.remove_prefix(static_cast<size_t>(wrote));
  }
  return true;
}

// True when the path leads to a file other than that one (device and inode tell them apart).
bool NamesOtherFile(const std::string& path, const struct stat& file) {
  struct stat status {};
  return lstat(path.c_str(), &status) == 0 &&
         (status.st_dev != file.st_dev || status.st_ino != file.st_ino);
}

// The rename itself reaches the disk, so the new file is there after a power cut too.
void SyncFolder(const std::string& folder) {
  const int handle = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (handle < 0) return;
  fsync(handle);
  close(handle);
}

// Writes the contents to a new temporary file beside the name and renames it over the name;
// `old` is the stored name of the file replaced, whose permissions the new one takes, and
// `written` tells which file the new one is. On failure nothing is left of the attempt and
// errno tells why.
bool WriteOver(const std::string& folder, const std::string& name,
               const std::optional<std::string>& old, const std::string& contents,
               struct stat& written) {
  std::string temporary;
  const int out = CreateTemporary(folder, temporary);
  if (out < 0) return false;
  bool whole = KeepMode(out, folder, old) && WriteAll(out, contents) && fsync(out) == 0 &&
               fstat(out, &written) == 0;
  whole = close(out) == 0 && whole;
  const std::string target = Join(folder, name);
  if (!whole || std::rename(temporary.c_str(), target.c_str()) != 0) {
    const int why = errno;
    unlink(temporary.c_str());
    errno = why;
    return false;
  }
  SyncFolder(folder);
  return true;
}

}  // namespace

std::string Join(const std::string& folder, const std::string& name) {
  return (fs::path(folder) / name).string();
}

std::string ProgramFolder() {
  std::error_code error;
  const fs::path exe = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::current_path().string() : exe.parent_path().string();
}

std::vector<std::string> List(const std::string& folder, const std::string& pattern) {
  std::vector<std::string> names;
  EachFile(folder, [&](const std::string& name) {
    if (Matches(pattern.c_str(), name.c_str())) names.push_back(name);
    return true;
  });
  return names;
}

std::optional<std::string> Find(const std::string& folder, const std::string& name) {
  std::optional<std::string> found;
  EachFile(folder, [&](const std::string& stored) {
    // An exact match wins over one that differs only in letter case.
    if (stored == name || (!found && SameLetters(name, stored))) found = stored;
    return stored != name;
  });
  return found;
}

std::optional<std::string> Read(const std::string& folder, const std::string& name) {
  const auto stored = Find(folder, name);
  if (!stored) return std::nullopt;
  const std::string path = Join(folder, *stored);
  std::FILE* in = std::fopen(path.c_str(), "rb");
  if (!in) return std::nullopt;
  // One read of the size the file has now, then on to its end should it have grown since.
  std::error_code unknown;
  const auto expected = fs::file_size(path, unknown);
  std::string contents(unknown ? 0 : expected, '\0');
  contents.resize(std::fread(contents.data(), 1, contents.size(), in));
  for (char more[4096]; const size_t got = std::fread(more, 1, sizeof more, in);) {
    contents.append(more, got);
  }
  const bool failed = std::ferror(in) != 0;
  std::fclose(in);
  if (failed) return std::nullopt;
  return contents;
}

bool Replace(const std::string& folder, const std::string& name, const std::string& contents) {
  const auto old = Find(folder, name);
  struct stat written {};
  if (!WriteOver(folder, name, old, contents, written)) return false;
  // The old file stored under other letter case is still there beside the new one, unless the
  // folder ignores letter case: there the old name now leads to the file just written.
  if (old && *old != name && NamesOtherFile(Join(folder, *old), written)) {
    std::remove(Join(folder, *old).c_str());
  }
  return true;
}

bool ReplaceExactly(const std::string& path, const std::string& contents) {
  const fs::path place(path);
  const std::string name = place.filename().string();
  if (name.empty()) {
    errno = EISDIR;
    return false;
  }
  const std::string folder = place.has_parent_path() ? place.parent_path().string() : ".";
  struct stat status {};
  const bool there = lstat(path.c_str(), &status) == 0;
  return WriteOver(folder, name, there ? std::optional(name) : std::nullopt, contents, status);
}

void RemoveStaleTemporaries(const std::string& folder) {
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    const auto pid = TemporaryOwner(entry.path().filename().string());
    // A save still running, here or in another copy of the program, keeps its file.
    if (!pid || *pid == getpid() || kill(*pid, 0) == 0 || errno != ESRCH) continue;
    if (entry.is_regular_file(error) && !entry.is_symlink(error)) unlink(entry.path().c_str());
  }
}

bool Remove(const std::string& folder, const std::string& name) {
  const auto stored = Find(folder, name);
  return stored && std::remove(Join(folder, *stored).c_str()) == 0;
}

}  // namespace files
