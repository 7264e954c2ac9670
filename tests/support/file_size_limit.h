// While it lives, no file of this process can grow past a few bytes: a write that would fails,
// for root as for anyone, which lets a test see what a save does when the disk refuses it.
#pragma once

#include <sys/resource.h>

#include <csignal>

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    // The write is to fail with an error, not to end the test program.
    signal_ = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit small{bytes, saved_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, signal_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*signal_)(int) = SIG_DFL;
};
