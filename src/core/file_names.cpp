#include "core/file_names.h"

#include <algorithm>
#include <cctype>

#include "platform/dialogs.h"
#include "platform/files.h"

namespace {

std::string WithExtension(const std::string& name, const char* extension) {
  std::string file = name.find('.') == std::string::npos ? name + extension : name;
  std::transform(file.begin(), file.end(), file.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return file;
}

bool IsControl(unsigned char c) { return c < 32 || c == 127; }

// The extension that marks the files of the other kind.
const char* OtherExtension(FileKind kind) { return kind == FileKind::Database ? ".BTM" : ".BDB"; }
const char* OtherNoun(FileKind kind) { return kind == FileKind::Database ? "team" : "database"; }

}  // namespace

const char* KindNoun(FileKind kind) { return kind == FileKind::Database ? "database" : "team"; }

std::string DatabaseFileName(const std::string& name) { return WithExtension(name, ".BDB"); }
std::string TeamFileName(const std::string& name) { return WithExtension(name, ".BTM"); }

std::string KindFileName(FileKind kind, const std::string& name) {
  return kind == FileKind::Database ? DatabaseFileName(name) : TeamFileName(name);
}

std::string DatabasePath(const GLOBAL& g, const std::string& name) {
  return files::Join(g.DataFolder, DatabaseFileName(name));
}

std::string TeamPath(const GLOBAL& g, const std::string& name) {
  return files::Join(g.DataFolder, TeamFileName(name));
}

bool FileExists(const GLOBAL& g, const std::string& fileName) {
  return SafeFileName(fileName) && files::Find(g.DataFolder, fileName).has_value();
}

bool SafeFileName(const std::string& fileName) {
  return fileName != "." && fileName != ".." && fileName.find_first_of("/\\") == std::string::npos &&
         std::none_of(fileName.begin(), fileName.end(), IsControl);
}

std::string NameFault(FileKind kind, const std::string& fileName) {
  const std::string name = std::string(" ! A ") + KindNoun(kind) + " name may not ";
  if (fileName.find_first_of("/\\") != std::string::npos) return name + "hold / or \\";
  if (std::any_of(fileName.begin(), fileName.end(), IsControl)) {
    return name + "hold a control character";
  }
  // The folder listing leaves such a file out, and the program's temporary files are hidden.
  if (fileName.starts_with(".")) return name + "begin with .";
  const std::string other = OtherExtension(kind);
  if (fileName.ends_with(other)) {
    return name + "end in " + other + ", which marks a " + OtherNoun(kind) + " file";
  }
  for (const char* file : ProgramFiles) {
    if (fileName == file) return name + "be " + file + ", one of the program's own files";
  }
  return {};
}

bool Confirm(GLOBAL& g, const std::string& question) {
  return g.platform.dialogs.MsgBox(question, Buttons::OKCancel, Icon::None, "Confirm") ==
         Answer::OK;
}
