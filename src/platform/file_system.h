#pragma once
// The file seam. Every file quornel writes goes through create_replacing(): the bytes go
// to a temporary file beside the target, which is renamed over the target only when all
// of it has been written. A failure leaves the old file exactly as it was.
// Tests substitute their own FileSystem to inject failures.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "platform/result.h"

namespace quornel {

class OutputFile {
public:
    virtual ~OutputFile() = default;  // an output never committed is discarded
    virtual Status write(std::string_view bytes) = 0;
    // Flushes to disk and renames the temporary file over the target.
    virtual Status commit() = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // The whole file as raw bytes. The message names the file (its name only).
    virtual Result<std::string> read_all(const std::filesystem::path& path) = 0;
    virtual Result<std::unique_ptr<OutputFile>> create_replacing(
        const std::filesystem::path& path) = 0;
    virtual bool exists(const std::filesystem::path& path) = 0;

    // All of `bytes` in one replacement.
    Status replace(const std::filesystem::path& path, std::string_view bytes);
};

// The operating system's files.
FileSystem& real_file_system();

// The file's name for a message, in UTF-8.
std::string display_name(const std::filesystem::path& path);

// The messages shared by the implementations (and by fakes in tests).
std::string message_file_missing(const std::filesystem::path& path);
std::string message_file_unreadable(const std::filesystem::path& path);
std::string message_file_unwritable(const std::filesystem::path& path);

}  // namespace quornel
