// The data folder's files: plain text read whole, names matched without regard to case as on
// the file system the data was first kept on, and saves that never lose the old file. Files
// the user chose anywhere else are written the same safe way under exactly their names.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace files {

// "folder" + separator + "name".
std::string Join(const std::string& folder, const std::string& name);
// The folder holding the running program.
std::string ProgramFolder();

// Ordinary files of the folder whose names match the pattern ("*" and "?" wildcards), compared
// without regard to case, in the order the folder lists them.
std::vector<std::string> List(const std::string& folder, const std::string& pattern);
// The stored name of the file of that name, letter case aside; every character of the name,
// "*" and "?" too, stands for itself.
std::optional<std::string> Find(const std::string& folder, const std::string& name);
// Reads the file of that name (found without regard to case); nothing when it cannot be read.
std::optional<std::string> Read(const std::string& folder, const std::string& name);
// Writes the contents to a new temporary file in the folder (never one that was there before,
// never waiting), gives it the old file's permissions, flushes it to the disk and renames it
// over the file of that name; on failure the old file is left as it was. An old file stored
// under other letter case goes, unless the folder ignores case: its name is then the new file's.
bool Replace(const std::string& folder, const std::string& name, const std::string& contents);
// The same safe write at a path the user chose: the temporary file stands in the path's folder,
// the file written has exactly the path's name, and no file whose name differs, if only in
// letter case, is replaced or removed. Whatever stands at the path (a link too) is replaced
// itself, never written through. On failure errno tells why.
bool ReplaceExactly(const std::string& path, const std::string& contents);
// Removes the temporary files that saves of programs no longer running left in the folder.
void RemoveStaleTemporaries(const std::string& folder);
// Deletes the file of that name (found without regard to case).
bool Remove(const std::string& folder, const std::string& name);

}  // namespace files
