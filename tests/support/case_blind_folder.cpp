#include "support/case_blind_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// The tool's word: true when it ran and succeeded.
bool Run(const std::string& command) { return std::system((command + " 2>/dev/null").c_str()) == 0; }

// Skips the test running, or fails it when the run requires a case-blind folder.
void Unavailable(const std::string& why) {
  if (std::getenv("ONDULIX_REQUIRE_CASE_BLIND_FOLDER")) {
    FAIL() << why << ", and this run requires a case-blind folder";
  }
  GTEST_SKIP() << why;
}

}  // namespace

CaseBlindFolder::CaseBlindFolder(const std::string& folder) : folder_(folder) {
  if (const std::string why = Mount(); !why.empty()) Unavailable(why);
}

CaseBlindFolder::~CaseBlindFolder() {
  if (mounted_ && !Run("fusermount3 -u '" + folder_ + "'")) {
    ADD_FAILURE() << "the case-blind folder on " << folder_ << " is still in use";
    Run("fusermount3 -u -z '" + folder_ + "'");
  }
}

std::string CaseBlindFolder::Mount() {
#ifndef CASE_BLIND_FOLDER
  return "no case-blind folder tool was built (libfuse3-dev is missing)";
#else
  if (access("/dev/fuse", R_OK | W_OK) != 0) return "cannot open /dev/fuse";
  for (const auto& entry : fs::directory_iterator(folder_)) {
    fs::rename(entry.path(), fs::path(backing_.path()) / entry.path().filename());
  }
  mounted_ = Run("'" CASE_BLIND_FOLDER "' '" + backing_.path() + "' '" + folder_ + "'");
  return mounted_ ? "" : "the case-blind folder tool cannot mount on " + folder_;
#endif
}
