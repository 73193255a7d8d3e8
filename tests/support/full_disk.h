#pragma once
// A disk that fills up after a few kilobytes, for as long as this object
// lives: the file-size limit makes every larger write fail half way.
#include <csignal>
#include <sys/resource.h>

namespace plumex::test {

class FullDisk {
 public:
  FullDisk() {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit small = old_;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FullDisk() { setrlimit(RLIMIT_FSIZE, &old_); }
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;

 private:
  rlimit old_{};
};

}  // namespace plumex::test
