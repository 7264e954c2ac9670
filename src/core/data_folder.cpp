#include "core/data_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>

#include "core/file_names.h"
#include "platform/files.h"

namespace fs = std::filesystem;

namespace {

// The samples a new user starts from; once copied, they are the user's.
constexpr const char* SampleFiles[] = {"*.BDB", "*.BTM"};

// The superuser may write anywhere; a folder whose mode lets no one write still counts as
// read-only to it.
bool Writable(const std::string& folder) {
  struct stat info {};
  return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
         (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && access(folder.c_str(), W_OK) == 0;
}

std::optional<fs::file_time_type> ModifiedAt(const std::string& folder, const std::string& name) {
  const auto stored = files::Find(folder, name);
  if (!stored) return std::nullopt;
  std::error_code error;
  const auto time = fs::last_write_time(files::Join(folder, *stored), error);
  if (error) return std::nullopt;
  return time;
}

// The copy keeps the original's time, so that a later release's newer file is seen as newer
// whenever the user's copy was made.
void Copy(const std::string& from, const std::string& to, const std::string& name) {
  const auto contents = files::Read(from, name);
  if (!contents || !files::Replace(to, name, *contents)) return;
  if (const auto time = ModifiedAt(from, name)) {
    std::error_code ignored;
    fs::last_write_time(files::Join(to, name), *time, ignored);
  }
}

void Seed(const std::string& program, const std::string& user) {
  // The program only reads its own files: a newer release's are copied over older ones.
  for (const char* file : ProgramFiles) {
    const auto name = files::Find(program, file);
    if (!name) continue;
    const auto ours = ModifiedAt(user, *name);
    const auto theirs = ModifiedAt(program, *name);
    if (!ours || (theirs && *ours < *theirs)) Copy(program, user, *name);
  }
  for (const char* pattern : SampleFiles) {
    for (const std::string& name : files::List(program, pattern)) {
      if (!files::Find(user, name)) Copy(program, user, name);
    }
  }
}

bool Created(const std::string& folder) {
  if (folder.empty()) return false;
  std::error_code error;
  if (fs::create_directories(folder, error)) {
    // Birth dates are nobody else's business.
    fs::permissions(folder, fs::perms::owner_all, error);
  }
  return fs::is_directory(folder, error);
}

}  // namespace

std::string UserDataFolder(const char* xdgDataHome, const char* home) {
  const auto absolute = [](const char* path) { return path && fs::path(path).is_absolute(); };
  if (absolute(xdgDataHome)) return (fs::path(xdgDataHome) / "Ondulix").string();
  if (absolute(home)) return (fs::path(home) / ".local/share/Ondulix").string();
  return "";
}

std::string ChooseDataFolder(const std::string& programFolder, const std::string& userFolder) {
  if (Writable(programFolder) || !Created(userFolder)) return programFolder;
  Seed(programFolder, userFolder);
  return userFolder;
}
