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

// How far a replacement goes before it counts as done. Either way the target is never seen
// half-written: it is the old file or the whole new one.
enum class Durability {
    // The new bytes are on the disk before they replace the old file, so that a power cut
    // cannot take both: for the files the user keeps (settings, previous values, lists).
    Flushed,
    // Left to the system to write out when it likes: for the hand-over file JWC_TEMP.TXT,
    // which Jw_cad reads the moment quornel ends and which every run writes anew. Waiting
    // for the disk there would only make the user wait.
    Unflushed,
};

class OutputFile {
  public:
    virtual ~OutputFile() = default;  // an output never committed is discarded
    virtual Status write(std::string_view bytes) = 0;
    // Puts the bytes in place of the target, as durable as the output was created.
    virtual Status commit() = 0;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // The whole file as raw bytes. The message names the file (its name only).
    virtual Result<std::string> read_all(const std::filesystem::path& path) = 0;
    virtual Result<std::unique_ptr<OutputFile>> create_replacing(const std::filesystem::path& path,
                                                                 Durability durability) = 0;
    virtual bool exists(const std::filesystem::path& path) = 0;

    // All of `bytes` in one replacement.
    Status replace(const std::filesystem::path& path, std::string_view bytes,
                   Durability durability = Durability::Flushed);
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
