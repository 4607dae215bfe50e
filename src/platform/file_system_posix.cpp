// The file calls on POSIX systems.
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "platform/file_calls.h"
#include "platform/file_system.h"

namespace quornel::file_calls {
namespace {

class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

int fd_of(Handle file) {
    return static_cast<int>(file);
}

// Asks the kernel to back a large buffer with large pages (where it offers them only on
// request). A 64 MiB TEMP.TXT is then mapped in 32 steps rather than 16,384, which was
// most of the time its reading took.
void advise_large_pages(char* data, std::size_t size) {
#ifdef MADV_HUGEPAGE
    if (size < (std::size_t{4} << 20)) return;
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    if (page == 0 || (page & (page - 1)) != 0) return;
    const auto at = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t begin = (at + page - 1) & ~(page - 1);
    const std::uintptr_t end = (at + size) & ~(page - 1);
    if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
    (void)data;
    (void)size;
#endif
}

}  // namespace

Handle create_beside(const std::filesystem::path& target, std::filesystem::path& temp) {
    std::string name =
        (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return kNoFile;
    // Keep the permissions a plain create would give (mkstemp makes 0600).
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    temp = name;
    return fd;
}

bool write_all(Handle file, std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd_of(file), p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

bool flush_to_disk(Handle file) {
    return ::fsync(fd_of(file)) == 0;
}

bool close(Handle file) {
    return ::close(fd_of(file)) == 0;
}

bool rename_over(const std::filesystem::path& from, const std::filesystem::path& to, bool) {
    return ::rename(from.c_str(), to.c_str()) == 0;
}

void remove(const std::filesystem::path& path) {
    ::unlink(path.c_str());
}

Result<std::string> read_all(const std::filesystem::path& path) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        return Result<std::string>::failure(errno == ENOENT ? message_file_missing(path)
                                                            : message_file_unreadable(path));
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return Result<std::string>::failure(message_file_unreadable(path));
    // Read straight into the buffer: a TEMP.TXT with a selected region can be tens of
    // megabytes, and every extra copy shows in how long Jw_cad waits.
    std::string data;
    data.reserve(static_cast<std::size_t>(st.st_size));
    advise_large_pages(data.data(), data.capacity());
    data.resize(static_cast<std::size_t>(st.st_size));
    std::size_t filled = 0;
    while (filled < data.size()) {
        const ssize_t n = ::read(fd.get(), data.data() + filled, data.size() - filled);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Result<std::string>::failure(message_file_unreadable(path));
        if (n == 0) break;  // the file shrank while being read
        filled += static_cast<std::size_t>(n);
    }
    // A file that grew while being read: take the rest too (rare, so a copy is fine).
    char more[1 << 16];
    for (;;) {
        if (filled < data.size()) break;
        const ssize_t n = ::read(fd.get(), more, sizeof more);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Result<std::string>::failure(message_file_unreadable(path));
        if (n == 0) break;
        data.append(more, static_cast<std::size_t>(n));
        filled = data.size();
    }
    data.resize(filled);
    return data;
}

bool exists(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

}  // namespace quornel::file_calls
