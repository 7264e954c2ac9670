#include "core/export_file.h"

#include <algorithm>
#include <cerrno>

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/utf8.h"

namespace {

// Why a write was refused, as the user can mend it; empty when the system gave no reason the
// user could act on.
std::string Reason(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
      return "\nThe folder cannot be written to.";
    case EISDIR:
    case EEXIST:
    case ENOTEMPTY:
      return "\nA folder has that name.";
    case ENOENT:
    case ENOTDIR:
      return "\nThe folder is not there.";
    case ENOSPC:
    case EDQUOT:
      return "\nThe disk is full.";
    default:
      return "";
  }
}

}  // namespace

bool ExportFile(GLOBAL& g, const std::string& title, std::string suggestedName,
                const std::string& filter, const std::string& contents) {
  std::replace(suggestedName.begin(), suggestedName.end(), '/', '-');
  const std::string path = g.platform.dialogs.SaveFileName(title, suggestedName, filter);
  if (path.empty()) return false;
  if (!files::ReplaceExactly(path, contents)) {
    const std::string why = Reason(errno);
    g.platform.dialogs.Error("Error exporting to : " + FromUtf8(path) + why, "Export Error");
    return false;
  }
  g.platform.dialogs.MsgBox("Exported to : " + FromUtf8(path), Buttons::OK, Icon::None, title);
  return true;
}

std::string WithoutExtension(const std::string& fileName) {
  return fileName.substr(0, fileName.rfind('.'));
}
