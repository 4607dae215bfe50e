// The file calls on POSIX systems.
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>

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
    int release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

int fd_of(Handle file) {
    return static_cast<int>(file);
}

std::uintptr_t page_size() {
    static const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    return page;
}

// A file mapped read-only: its pages are read from the disk (or the system's cache) only
// when they are looked at.
//
// Touching a mapped page past the end of a file that someone cut short after it was mapped
// raises SIGBUS. Nothing does that to TEMP.TXT while quornel runs: the batch files move
// Jw_cad's file into its place before and delete it after, and a file replaced or deleted
// while mapped stays intact for the mapping. Besides, quornel itself looks only at the
// header lines at its start; the rest is echoed by write(), where the system reports such a
// page as a failed write instead.
class MappedFile final : public FileBytes {
  public:
    MappedFile(const char* data, std::size_t size) : data_(data), size_(size) {}
    ~MappedFile() override {
        if (size_ > 0) ::munmap(const_cast<char*>(data_), size_);
    }
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    std::string_view view() const override { return {data_, size_}; }

  private:
    const char* data_;
    std::size_t size_;
};

// madvise() over the pages that hold `bytes`, a piece of a mapping.
void advise_pages(std::string_view bytes, int advice) {
    const std::uintptr_t page = page_size();
    const auto at = reinterpret_cast<std::uintptr_t>(bytes.data());
    const std::uintptr_t begin = at & ~(page - 1);
    const std::uintptr_t end = (at + bytes.size() + page - 1) & ~(page - 1);
    ::madvise(reinterpret_cast<void*>(begin), end - begin, advice);
}

// Asks the kernel to back a large buffer with large pages (where it offers them only on
// request). A 64 MiB TEMP.TXT is then mapped in 32 steps rather than 16,384, which was
// most of the time its reading took.
void advise_large_pages(char* data, std::size_t size) {
#ifdef MADV_HUGEPAGE
    if (size < (std::size_t{4} << 20)) return;
    const std::uintptr_t page = page_size();
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

// A regular file open for reading, and its length.
struct OpenedFile {
    int fd;
    std::size_t size;
};

// The message names the file when it is missing, or is no file that can be read.
Result<OpenedFile> open_regular(const std::filesystem::path& path) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        return Result<OpenedFile>::failure(errno == ENOENT ? message_file_missing(path)
                                                           : message_file_unreadable(path));
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0 ||
        static_cast<std::uintmax_t>(st.st_size) > SIZE_MAX)
        return Result<OpenedFile>::failure(message_file_unreadable(path));
    return OpenedFile{fd.release(), static_cast<std::size_t>(st.st_size)};
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

bool write_from(Handle file, const FileBytes& source, std::string_view part) {
    const auto at = reinterpret_cast<std::uintptr_t>(part.data());
    const auto begin = reinterpret_cast<std::uintptr_t>(source.view().data());
    const std::size_t size = source.view().size();
    const bool mapped = dynamic_cast<const MappedFile*>(&source) != nullptr && !part.empty() &&
                        part.size() <= size && at >= begin && at - begin <= size - part.size();
    if (!mapped) return write_all(file, part);
    // Written from the mapping piece by piece: each piece's pages are mapped in one call
    // before it is written (a write that meets an unmapped page slows to a page at a time)
    // and let go once it is, so that the echo never holds more than a piece of the file.
    // Copying inside the kernel (copy_file_range) was slower here: the echo starts a few
    // bytes into the file, so no page of it lines up with a page of JWC_TEMP.TXT.
    constexpr std::size_t kPiece = std::size_t{1} << 20;
    while (!part.empty()) {
        const std::string_view piece = part.substr(0, kPiece);
#ifdef MADV_POPULATE_READ
        advise_pages(piece, MADV_POPULATE_READ);
#endif
        if (!write_all(file, piece)) return false;
        advise_pages(piece, MADV_DONTNEED);
        part.remove_prefix(piece.size());
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
    Result<OpenedFile> opened = open_regular(path);
    if (!opened) return opened.status();
    Fd fd(opened->fd);
    const std::size_t size = opened->size;
    // Read straight into the buffer: a TEMP.TXT with a selected region can be tens of
    // megabytes, and every extra copy shows in how long Jw_cad waits.
    std::string data;
    data.reserve(size);
    advise_large_pages(data.data(), data.capacity());
    data.resize(size);
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

Result<std::unique_ptr<FileBytes>> view_file(const std::filesystem::path& path) {
    using Out = Result<std::unique_ptr<FileBytes>>;
    Result<OpenedFile> opened = open_regular(path);
    if (!opened) return opened.status();
    const Fd fd(opened->fd);  // the mapping outlives it
    const std::size_t size = opened->size;
    const char* data = nullptr;  // an empty file has no mapping
    if (size > 0) {
        void* at = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd.get(), 0);
        if (at == MAP_FAILED) return Out::failure(message_file_unreadable(path));
        data = static_cast<const char*>(at);
    }
    return std::unique_ptr<FileBytes>(new MappedFile(data, size));
}

bool exists(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

}  // namespace quornel::file_calls
