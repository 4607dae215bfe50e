// The file calls on Windows: wide paths throughout.
#include <windows.h>

#include <memory>

#include "platform/file_calls.h"
#include "platform/file_system.h"

namespace quornel::file_calls {
namespace {

class ReadHandle {
  public:
    explicit ReadHandle(HANDLE h) : h_(h) {}
    ~ReadHandle() {
        if (valid()) CloseHandle(h_);
    }
    ReadHandle(const ReadHandle&) = delete;
    ReadHandle& operator=(const ReadHandle&) = delete;
    HANDLE get() const { return h_; }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }

  private:
    HANDLE h_;
};

HANDLE handle_of(Handle file) {
    return reinterpret_cast<HANDLE>(file);
}

}  // namespace

Handle create_beside(const std::filesystem::path& target, std::filesystem::path& temp) {
    std::wstring name = target.wstring() + L".tmp" + std::to_wstring(GetCurrentProcessId());
    HANDLE h = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return kNoFile;
    temp = std::move(name);
    return reinterpret_cast<Handle>(h);
}

bool write_all(Handle file, std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const DWORD chunk = left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left);
        DWORD written = 0;
        if (!WriteFile(handle_of(file), p, chunk, &written, nullptr) || written == 0) return false;
        p += written;
        left -= written;
    }
    return true;
}

bool write_from(Handle file, const FileBytes&, std::string_view part) {
    return write_all(file, part);
}

bool flush_to_disk(Handle file) {
    return FlushFileBuffers(handle_of(file)) != 0;
}

bool close(Handle file) {
    return CloseHandle(handle_of(file)) != 0;
}

bool rename_over(const std::filesystem::path& from, const std::filesystem::path& to,
                 bool write_through) {
    const DWORD flags = MOVEFILE_REPLACE_EXISTING | (write_through ? MOVEFILE_WRITE_THROUGH : 0);
    return MoveFileExW(from.wstring().c_str(), to.wstring().c_str(), flags) != 0;
}

void remove(const std::filesystem::path& path) {
    DeleteFileW(path.wstring().c_str());
}

Result<std::string> read_all(const std::filesystem::path& path) {
    ReadHandle h(CreateFileW(path.wstring().c_str(), GENERIC_READ,
                             FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!h.valid()) {
        const DWORD err = GetLastError();
        const bool missing = err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND;
        return Result<std::string>::failure(missing ? message_file_missing(path)
                                                    : message_file_unreadable(path));
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(h.get(), &size))
        return Result<std::string>::failure(message_file_unreadable(path));
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

// Read into memory rather than mapped: Windows refuses to delete or replace a file while a
// view of it is mapped, and the window holds TEMP.TXT for as long as it is open, while the
// batch file of another Jw_cad using the same folder may delete and replace it.
Result<std::unique_ptr<FileBytes>> view_file(const std::filesystem::path& path) {
    Result<std::string> bytes = read_all(path);
    if (!bytes) return bytes.status();
    return std::unique_ptr<FileBytes>(new HeldBytes(std::move(*bytes)));
}

bool exists(const std::filesystem::path& path) {
    return GetFileAttributesW(path.wstring().c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace quornel::file_calls
