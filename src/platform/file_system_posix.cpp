#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "platform/file_system.h"

namespace quornel {
namespace {

class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    void reset() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    int release() {
        int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

class PosixOutputFile : public OutputFile {
public:
    PosixOutputFile(std::filesystem::path target, std::string temp, int fd)
        : target_(std::move(target)), temp_(std::move(temp)), fd_(fd) {}
    ~PosixOutputFile() override {
        if (!committed_) {
            fd_.reset();
            ::unlink(temp_.c_str());
        }
    }

    Status write(std::string_view bytes) override {
        if (failed_) return Status::failure(message_file_unwritable(target_));
        const char* p = bytes.data();
        std::size_t left = bytes.size();
        while (left > 0) {
            ssize_t n = ::write(fd_.get(), p, left);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                failed_ = true;
                return Status::failure(message_file_unwritable(target_));
            }
            p += n;
            left -= static_cast<std::size_t>(n);
        }
        return Status::success();
    }

    Status commit() override {
        if (failed_ || committed_) return Status::failure(message_file_unwritable(target_));
        bool ok = ::fsync(fd_.get()) == 0;
        ok = (::close(fd_.release()) == 0) && ok;
        if (ok) ok = ::rename(temp_.c_str(), target_.c_str()) == 0;
        if (!ok) {
            failed_ = true;
            return Status::failure(message_file_unwritable(target_));
        }
        committed_ = true;
        return Status::success();
    }

private:
    std::filesystem::path target_;
    std::string temp_;
    Fd fd_;
    bool failed_ = false;
    bool committed_ = false;
};

class PosixFileSystem : public FileSystem {
public:
    Result<std::string> read_all(const std::filesystem::path& path) override {
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
        std::string data(static_cast<std::size_t>(st.st_size), '\0');
        std::size_t filled = 0;
        while (filled < data.size()) {
            ssize_t n = ::read(fd.get(), data.data() + filled, data.size() - filled);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) return Result<std::string>::failure(message_file_unreadable(path));
            if (n == 0) break;  // the file shrank while being read
            filled += static_cast<std::size_t>(n);
        }
        // A file that grew while being read: take the rest too (rare, so a copy is fine).
        char more[1 << 16];
        for (;;) {
            if (filled < data.size()) break;
            ssize_t n = ::read(fd.get(), more, sizeof more);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) return Result<std::string>::failure(message_file_unreadable(path));
            if (n == 0) break;
            data.append(more, static_cast<std::size_t>(n));
            filled = data.size();
        }
        data.resize(filled);
        return data;
    }

    Result<std::unique_ptr<OutputFile>> create_replacing(const std::filesystem::path& path) override {
        std::string temp = (path.parent_path() / ("." + path.filename().string() + ".XXXXXX")).string();
        int fd = ::mkstemp(temp.data());
        if (fd < 0) return Result<std::unique_ptr<OutputFile>>::failure(message_file_unwritable(path));
        // Keep the permissions a plain create would give (mkstemp makes 0600).
        mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
        return std::unique_ptr<OutputFile>(new PosixOutputFile(path, temp, fd));
    }

    bool exists(const std::filesystem::path& path) override {
        std::error_code ec;
        return std::filesystem::exists(path, ec);
    }
};

}  // namespace

FileSystem& real_file_system() {
    static PosixFileSystem fs;
    return fs;
}

}  // namespace quornel
