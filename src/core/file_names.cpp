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

}  // namespace

std::string DatabaseFileName(const std::string& name) { return WithExtension(name, ".BDB"); }
std::string TeamFileName(const std::string& name) { return WithExtension(name, ".BTM"); }

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
  if (fileName.find('/') != std::string::npos || fileName.find('\\') != std::string::npos ||
      fileName.find("..") != std::string::npos) {
    return false;
  }
  return std::none_of(fileName.begin(), fileName.end(),
                      [](unsigned char c) { return c < 32 || c == 127; });
}

bool Confirm(GLOBAL& g, const std::string& question) {
  return g.platform.dialogs.MsgBox(question, Buttons::OKCancel, Icon::None, "Confirm") ==
         Answer::OK;
}
