#include "platform/files.h"

#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <filesystem>

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

template <class Visit>
void EachFile(const std::string& folder, Visit visit) {
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (name.empty() || name.front() == '.' || !entry.is_regular_file(error)) continue;
    if (!visit(name)) return;
  }
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
  if (name.find_first_of("*?") != std::string::npos) return std::nullopt;
  std::optional<std::string> found;
  EachFile(folder, [&](const std::string& stored) {
    // An exact match wins over one that differs only in letter case.
    if (stored == name || (!found && Matches(name.c_str(), stored.c_str()))) found = stored;
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
  const std::string target = Join(folder, name);
  const std::string temporary = Join(folder, "." + name + "." + std::to_string(getpid()) + ".tmp");
  std::FILE* out = std::fopen(temporary.c_str(), "wb");
  if (!out) return false;
  bool written = std::fwrite(contents.data(), 1, contents.size(), out) == contents.size();
  written = std::fflush(out) == 0 && written;
  written = fsync(fileno(out)) == 0 && written;
  written = std::fclose(out) == 0 && written;
  const auto old = Find(folder, name);
  if (!written || std::rename(temporary.c_str(), target.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  // The same file stored under other letter case is now replaced by the upper-case one.
  if (old && *old != name) std::remove(Join(folder, *old).c_str());
  return true;
}

bool Remove(const std::string& folder, const std::string& name) {
  const auto stored = Find(folder, name);
  return stored && std::remove(Join(folder, *stored).c_str()) == 0;
}

}  // namespace files
