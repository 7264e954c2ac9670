// case-blind-folder BACKING MOUNTPOINT: a test tool that shows the backing folder at the mount
// point as a folder that ignores letter case, the way FAT and exFAT sticks, SMB shares and
// casefolded ext4 folders do. A name finds the entry that matches it letter case aside (ASCII
// letters), so "LEAGUE2.BDB" opens "league2.bdb"; a rename onto a name stored in another case
// replaces that entry, which then takes the case given last; a listing shows the names as
// stored. Everything else passes through to the backing folder.
//
// The command returns once the folder is mounted and keeps serving it in the background until
// "fusermount3 -u MOUNTPOINT".
#define FUSE_USE_VERSION 35

#include <dirent.h>
#include <fcntl.h>
#include <fuse.h>
#include <strings.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string backing;

bool Exists(const std::string& path) {
  struct stat status {};
  return lstat(path.c_str(), &status) == 0;
}

// The stored name in the folder that matches the name letter case aside; the name itself when
// none does, which is the name a new entry gets.
std::string StoredName(const std::string& folder, const std::string& name) {
  if (Exists(folder + "/" + name)) return name;
  std::string stored = name;
  if (DIR* listing = opendir(folder.c_str())) {
    while (const dirent* entry = readdir(listing)) {
      if (strcasecmp(entry->d_name, name.c_str()) == 0) {
        stored = entry->d_name;
        break;
      }
    }
    closedir(listing);
  }
  return stored;
}

// The backing path of a path under the mount point, every name matched letter case aside; the
// last name taken as given when asked.
std::string Backing(const char* path, bool lastAsGiven = false) {
  std::string result = backing;
  for (std::string rest = path; !rest.empty();) {
    const size_t slash = rest.find('/');
    const std::string name = rest.substr(0, slash);
    rest = slash == std::string::npos ? "" : rest.substr(slash + 1);
    if (name.empty()) continue;
    result += "/" + (lastAsGiven && rest.empty() ? name : StoredName(result, name));
  }
  return result;
}

int Result(int status) { return status < 0 ? -errno : 0; }

int Handle(fuse_file_info* info, int file) {
  if (file < 0) return -errno;
  info->fh = static_cast<uint64_t>(file);
  return 0;
}

int File(const fuse_file_info* info) { return static_cast<int>(info->fh); }
DIR* Listing(const fuse_file_info* info) { return reinterpret_cast<DIR*>(info->fh); }

void* Init(fuse_conn_info*, fuse_config* config) {
  // Inode numbers are the backing files', so that two names of one file show as one file;
  // nothing is cached, so a name looked up in one case never hides the same entry in another.
  config->use_ino = 1;
  config->entry_timeout = config->attr_timeout = config->negative_timeout = 0;
  config->hard_remove = 1;
  config->direct_io = 1;
  return nullptr;
}

int GetAttr(const char* path, struct stat* status, fuse_file_info* info) {
  return Result(info ? fstat(File(info), status) : lstat(Backing(path).c_str(), status));
}

int ReadLink(const char* path, char* target, size_t size) {
  const ssize_t length = readlink(Backing(path).c_str(), target, size - 1);
  if (length < 0) return -errno;
  target[length] = '\0';
  return 0;
}

int MakeNode(const char* path, mode_t mode, dev_t device) {
  const std::string at = Backing(path);
  return Result(S_ISFIFO(mode) ? mkfifo(at.c_str(), mode) : mknod(at.c_str(), mode, device));
}

int MakeFolder(const char* path, mode_t mode) { return Result(mkdir(Backing(path).c_str(), mode)); }
int Unlink(const char* path) { return Result(unlink(Backing(path).c_str())); }
int RemoveFolder(const char* path) { return Result(rmdir(Backing(path).c_str())); }

int SymbolicLink(const char* target, const char* path) {
  return Result(symlink(target, Backing(path).c_str()));
}

int Rename(const char* from, const char* to, unsigned int flags) {
  if (flags & ~RENAME_NOREPLACE) return -EINVAL;
  const std::string source = Backing(from), stored = Backing(to), given = Backing(to, true);
  if ((flags & RENAME_NOREPLACE) && Exists(stored)) return -EEXIST;
  // An entry stored in another case is replaced first, then given the new case.
  if (stored != given && stored != source && Exists(stored)) {
    if (rename(source.c_str(), stored.c_str()) != 0) return -errno;
    return Result(rename(stored.c_str(), given.c_str()));
  }
  return Result(rename(source.c_str(), given.c_str()));
}

int ChangeMode(const char* path, mode_t mode, fuse_file_info* info) {
  return Result(info ? fchmod(File(info), mode) : chmod(Backing(path).c_str(), mode));
}

int Truncate(const char* path, off_t size, fuse_file_info* info) {
  return Result(info ? ftruncate(File(info), size) : truncate(Backing(path).c_str(), size));
}

int SetTimes(const char* path, const timespec times[2], fuse_file_info* info) {
  return Result(info ? futimens(File(info), times)
                     : utimensat(AT_FDCWD, Backing(path).c_str(), times, AT_SYMLINK_NOFOLLOW));
}

int Open(const char* path, fuse_file_info* info) {
  return Handle(info, open(Backing(path).c_str(), info->flags));
}

int Create(const char* path, mode_t mode, fuse_file_info* info) {
  return Handle(info, open(Backing(path).c_str(), info->flags | O_CREAT, mode));
}

int Read(const char*, char* buffer, size_t size, off_t offset, fuse_file_info* info) {
  const ssize_t got = pread(File(info), buffer, size, offset);
  return got < 0 ? -errno : static_cast<int>(got);
}

int Write(const char*, const char* buffer, size_t size, off_t offset, fuse_file_info* info) {
  const ssize_t wrote = pwrite(File(info), buffer, size, offset);
  return wrote < 0 ? -errno : static_cast<int>(wrote);
}

int StatFs(const char*, struct statvfs* status) { return Result(statvfs(backing.c_str(), status)); }

// Closing a copy of the handle reports what the backing file system says at close.
int Flush(const char*, fuse_file_info* info) { return Result(close(dup(File(info)))); }
int Release(const char*, fuse_file_info* info) { return Result(close(File(info))); }

int Sync(const char*, int dataOnly, fuse_file_info* info) {
  return Result(dataOnly ? fdatasync(File(info)) : fsync(File(info)));
}

int OpenFolder(const char* path, fuse_file_info* info) {
  DIR* listing = opendir(Backing(path).c_str());
  if (!listing) return -errno;
  info->fh = reinterpret_cast<uint64_t>(listing);
  return 0;
}

int ReadFolder(const char*, void* buffer, fuse_fill_dir_t fill, off_t, fuse_file_info* info,
               fuse_readdir_flags) {
  DIR* listing = Listing(info);
  rewinddir(listing);
  while (const dirent* entry = readdir(listing)) {
    if (fill(buffer, entry->d_name, nullptr, 0, static_cast<fuse_fill_dir_flags>(0)) != 0) break;
  }
  return 0;
}

int SyncFolder(const char*, int, fuse_file_info* info) {
  return Result(fsync(dirfd(Listing(info))));
}

int ReleaseFolder(const char*, fuse_file_info* info) { return Result(closedir(Listing(info))); }

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s BACKING MOUNTPOINT [FUSE OPTIONS]\n", argv[0]);
    return 2;
  }
  char* root = realpath(argv[1], nullptr);
  if (!root) {
    std::perror(argv[1]);
    return 1;
  }
  backing = root;
  std::free(root);
  // The modes asked for are the ones the entries get.
  umask(0);

  fuse_operations operations{};
  operations.init = Init;
  operations.getattr = GetAttr;
  operations.readlink = ReadLink;
  operations.mknod = MakeNode;
  operations.mkdir = MakeFolder;
  operations.unlink = Unlink;
  operations.rmdir = RemoveFolder;
  operations.symlink = SymbolicLink;
  operations.rename = Rename;
  operations.chmod = ChangeMode;
  operations.truncate = Truncate;
  operations.utimens = SetTimes;
  operations.open = Open;
  operations.create = Create;
  operations.read = Read;
  operations.write = Write;
  operations.statfs = StatFs;
  operations.flush = Flush;
  operations.release = Release;
  operations.fsync = Sync;
  operations.opendir = OpenFolder;
  operations.readdir = ReadFolder;
  operations.fsyncdir = SyncFolder;
  operations.releasedir = ReleaseFolder;

  // One request at a time: a test tool has no need of more.
  std::vector<char*> arguments{argv[0], argv[2], const_cast<char*>("-s")};
  arguments.insert(arguments.end(), argv + 3, argv + argc);
  return fuse_main(static_cast<int>(arguments.size()), arguments.data(), &operations, nullptr);
}
