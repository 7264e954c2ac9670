// A test's folder turned into one that ignores letter case, as FAT and exFAT sticks, SMB
// shares and casefolded ext4 folders do: its files move to a backing folder, which the
// case-blind passthrough then shows in its place until this object goes.
#pragma once

#include <ostream>
#include <string>

#include "support/test_data.h"

// The kinds of disk a data folder may be on.
enum class Disk { CaseSensitive, CaseBlind };

inline const char* DiskName(Disk disk) {
  return disk == Disk::CaseBlind ? "CaseBlind" : "CaseSensitive";
}
inline void PrintTo(Disk disk, std::ostream* out) { *out << DiskName(disk); }

class CaseBlindFolder {
 public:
  // Where this machine cannot mount one (no FUSE, no tool built), the test running is skipped;
  // failed instead when ONDULIX_REQUIRE_CASE_BLIND_FOLDER=1.
  explicit CaseBlindFolder(const std::string& folder);
  ~CaseBlindFolder();
  CaseBlindFolder(const CaseBlindFolder&) = delete;
  CaseBlindFolder& operator=(const CaseBlindFolder&) = delete;

  bool Mounted() const { return mounted_; }

 private:
  // Why the folder could not be mounted; empty once it is.
  std::string Mount();

  TempFolder backing_;
  std::string folder_;
  bool mounted_ = false;
};
