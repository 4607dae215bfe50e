#include <windows.h>

#include "platform/file_system.h"

namespace quornel {
namespace {

class Handle {
public:
    explicit Handle(HANDLE h = INVALID_HANDLE_VALUE) : h_(h) {}
    ~Handle() { reset(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return h_; }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
    bool reset() {
        bool ok = true;
        if (valid()) ok = CloseHandle(h_) != 0;
        h_ = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE h_;
};

class WinOutputFile : public OutputFile {
public:
    WinOutputFile(std::filesystem::path target, std::wstring temp, HANDLE h)
        : target_(std::move(target)), temp_(std::move(temp)), h_(h) {}
    ~WinOutputFile() override {
        if (!committed_) {
            h_.reset();
            DeleteFileW(temp_.c_str());
        }
    }

    Status write(std::string_view bytes) override {
        if (failed_) return Status::failure(message_file_unwritable(target_));
        const char* p = bytes.data();
        std::size_t left = bytes.size();
        while (left > 0) {
            DWORD chunk = left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left);
            DWORD written = 0;
            if (!WriteFile(h_.get(), p, chunk, &written, nullptr) || written == 0) {
                failed_ = true;
                return Status::failure(message_file_unwritable(target_));
            }
            p += written;
            left -= written;
        }
        return Status::success();
    }

    Status commit() override {
        if (failed_ || committed_) return Status::failure(message_file_unwritable(target_));
        bool ok = FlushFileBuffers(h_.get()) != 0;
        ok = h_.reset() && ok;
        if (ok) {
            ok = MoveFileExW(temp_.c_str(), target_.wstring().c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
        }
        if (!ok) {
            failed_ = true;
            return Status::failure(message_file_unwritable(target_));
        }
        committed_ = true;
        return Status::success();
    }

private:
    std::filesystem::path target_;
    std::wstring temp_;
    Handle h_;
    bool failed_ = false;
    bool committed_ = false;
};

class WinFileSystem : public FileSystem {
public:
    Result<std::string> read_all(const std::filesystem::path& path) override {
        Handle h(CreateFileW(path.wstring().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!h.valid()) {
            DWORD err = GetLastError();
            bool missing = err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND;
            return Result<std::string>::failure(missing ? message_file_missing(path)
                                                        : message_file_unreadable(path));
        }
        LARGE_INTEGER size{};
        if (!GetFileSizeEx(h.get(), &size)) return Result<std::string>::failure(message_file_unreadable(path));
        std::string data;
        data.reserve(static_cast<std::size_t>(size.QuadPart));
        char buf[1 << 16];
        for (;;) {
            DWORD n = 0;
            if (!ReadFile(h.get(), buf, sizeof buf, &n, nullptr))
                return Result<std::string>::failure(message_file_unreadable(path));
            if (n == 0) break;
            data.append(buf, n);
        }
        return data;
    }

    Result<std::unique_ptr<OutputFile>> create_replacing(const std::filesystem::path& path) override {
        std::wstring temp = path.wstring() + L".tmp" + std::to_wstring(GetCurrentProcessId());
        HANDLE h = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return Result<std::unique_ptr<OutputFile>>::failure(message_file_unwritable(path));
        return std::unique_ptr<OutputFile>(new WinOutputFile(path, temp, h));
    }

    bool exists(const std::filesystem::path& path) override {
        return GetFileAttributesW(path.wstring().c_str()) != INVALID_FILE_ATTRIBUTES;
    }
};

}  // namespace

FileSystem& real_file_system() {
    static WinFileSystem fs;
    return fs;
}

}  // namespace quornel
