#include "shell/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "shell/errors.h"

long AtomicWriteFailAfterBytes = -1;

void WriteFileAtomically(const std::string& path, const std::string& bytes) {
  std::string temp = path + ".new";
  auto fail = [&](const char* what, int err) {
    unlink(temp.c_str());
    throw FileError("Could not save " + path + " (" + what + ": " + std::strerror(err) +
                    "). The old file was kept.");
  };
  int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) fail("create", errno);
  size_t limit = bytes.size();
  if (AtomicWriteFailAfterBytes >= 0 && (size_t)AtomicWriteFailAfterBytes < limit)
    limit = (size_t)AtomicWriteFailAfterBytes;
  size_t done = 0;
  while (done < limit) {
    ssize_t n = write(fd, bytes.data() + done, limit - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      int err = errno;
      close(fd);
      fail("write", err);
    }
    done += (size_t)n;
  }
  if (limit < bytes.size()) {
    close(fd);
    fail("write", ENOSPC);
  }
  if (fsync(fd) != 0) {
    int err = errno;
    close(fd);
    fail("flush", err);
  }
  if (close(fd) != 0) fail("close", errno);
  if (rename(temp.c_str(), path.c_str()) != 0) fail("rename", errno);
}
