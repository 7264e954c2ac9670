#include "core/data_folder.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "core/file_names.h"
#include "platform/dialogs.h"
#include "platform/files.h"

namespace fs = std::filesystem;

namespace {

// The samples a new user starts from; once copied, they are the user's to keep or remove.
constexpr const char* SampleFiles[] = {"*.BDB", "*.BTM"};

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

// The program only reads its own files: a newer release's are copied over older ones.
void RefreshProgramFiles(const std::string& shipped, const std::string& user) {
  for (const char* file : ProgramFiles) {
    const auto name = files::Find(shipped, file);
    if (!name) continue;
    const auto ours = ModifiedAt(user, *name);
    const auto theirs = ModifiedAt(shipped, *name);
    if (!ours || (theirs && *ours < *theirs)) Copy(shipped, user, *name);
  }
}

void CopySamples(const std::string& shipped, const std::string& user) {
  for (const char* pattern : SampleFiles) {
    for (const std::string& name : files::List(shipped, pattern)) Copy(shipped, user, name);
  }
}

void Refuse(Dialogs& dialogs, const std::string& cannot, const std::string& folder,
            const std::error_code& reason, const std::string& advice) {
  dialogs.Error(std::string(ProgramName) + " cannot " + cannot +
                    " its data folder, where your databases and teams are kept:\n\n" + folder +
                    "\n\n" + reason.message() + ". " + advice + ", then start " + ProgramName +
                    " again.",
                "Error");
}

// Every save writes a new file in the folder and renames it over the old one, so the folder
// itself must be writable by the user who runs the program. When it is not, says why.
bool Writable(const std::string& folder, Dialogs& dialogs) {
  if (access(folder.c_str(), R_OK | W_OK | X_OK) == 0) return true;
  Refuse(dialogs, "write to", folder, std::error_code(errno, std::generic_category()),
         "Make sure that you own that folder and may write to it");
  return false;
}

// Made when missing, for the user's eyes only; true when this call made it.
std::optional<bool> Made(const std::string& folder, Dialogs& dialogs) {
  std::error_code error;
  const bool made = fs::create_directories(folder, error);
  if (error) {
    Refuse(dialogs, "make", folder, error,
           "Make sure that nothing else stands in its place and that you may write to the "
           "folder above it");
    return std::nullopt;
  }
  // Birth dates are nobody else's business.
  if (made) fs::permissions(folder, fs::perms::owner_all, error);
  return made;
}

}  // namespace

std::string UserDataFolder(const char* xdgDataHome, const char* home) {
  const auto absolute = [](const char* path) { return path && fs::path(path).is_absolute(); };
  if (absolute(xdgDataHome)) return (fs::path(xdgDataHome) / "Ondulix").string();
  if (absolute(home)) return (fs::path(home) / ".local/share/Ondulix").string();
  return "";
}

std::optional<std::string> ReadyDataFolder(const DataPlaces& places, Dialogs& dialogs) {
  if (places.shippedData.empty()) {
    if (!Writable(places.programFolder, dialogs)) return std::nullopt;
    return places.programFolder;
  }
  const std::string& user = places.userFolder;
  if (user.empty()) {
    dialogs.Error(std::string(ProgramName) +
                      " finds no folder of yours to keep your databases and teams in: HOME "
                      "names none. Set HOME to your home folder, then start " +
                      ProgramName + " again.",
                  "Error");
    return std::nullopt;
  }
  const std::optional<bool> made = Made(user, dialogs);
  if (!made || !Writable(user, dialogs)) return std::nullopt;
  const std::string shipped =
      (fs::path(places.programFolder) / places.shippedData).lexically_normal().string();
  RefreshProgramFiles(shipped, user);
  if (*made) CopySamples(shipped, user);
  return user;
}
