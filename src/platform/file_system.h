#pragma once
// The file seam. Every file quornel writes goes through create_replacing(): the bytes go
// to a temporary file beside the target, which is renamed over the target only when all
// of it has been written. A failure leaves the old file exactly as it was.
// Tests substitute their own FileSystem to inject failures.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

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

// A file's bytes, read-only, for as long as this lives.
class FileBytes {
  public:
    virtual ~FileBytes() = default;
    virtual std::string_view view() const = 0;
};

// Bytes read into memory: what a file system that cannot map files gives, and what a
// drawing made from bytes at hand is given.
class HeldBytes final : public FileBytes {
  public:
    explicit HeldBytes(std::string bytes) : bytes_(std::move(bytes)) {}
    std::string_view view() const override { return bytes_; }

  private:
    std::string bytes_;
};

class OutputFile {
  public:
    virtual ~OutputFile() = default;  // an output never committed is discarded
    virtual Status write(std::string_view bytes) = 0;
    // Writes `part`, a piece of `source.view()`. Where `source` is a file the operating
    // system mapped, its pages are let go once written, so that echoing a large file never
    // holds all of it in memory; any other output just writes the bytes.
    virtual Status write_from(const FileBytes& source, std::string_view part);
    // Puts the bytes in place of the target, as durable as the output was created.
    virtual Status commit() = 0;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // The whole file as raw bytes. The message names the file (its name only).
    virtual Result<std::string> read_all(const std::filesystem::path& path) = 0;
    // The whole file as a read-only view, with read_all()'s messages. The operating system's
    // files map it where that is safe, so that a file of tens of megabytes of which only the
    // first lines are read costs only those lines; any other file system reads it whole.
    virtual Result<std::unique_ptr<FileBytes>> view_file(const std::filesystem::path& path);
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
// The whole path for a message (a folder the user is to look in), in UTF-8.
std::string display_path(const std::filesystem::path& path);

// The messages shared by the implementations (and by fakes in tests).
std::string message_file_missing(const std::filesystem::path& path);
std::string message_file_unreadable(const std::filesystem::path& path);
std::string message_file_unwritable(const std::filesystem::path& path);

}  // namespace quornel
