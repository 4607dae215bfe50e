#pragma once
// The operating system's file calls that reading a file and replacing one are made of, one
// implementation per platform (file_system_posix.cpp, file_system_win32.cpp). The sequence
// that makes a replacement safe is written once, above them (file_system.cpp).
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/result.h"

namespace quornel::file_calls {

// A file open for writing: a descriptor, or a HANDLE on Windows.
using Handle = std::intptr_t;
inline constexpr Handle kNoFile = -1;

// Creates a new, empty file in the folder of `target` under a name no other file has, and
// sets `temp` to its path; kNoFile when the folder takes no new file.
Handle create_beside(const std::filesystem::path& target, std::filesystem::path& temp);
// All of `bytes`, or false (the disk is full, the device failed).
bool write_all(Handle file, std::string_view bytes);
// All of `part`, a piece of `source.view()`; where `source` is a file mapped by
// view_file(), its pages are let go once written. False as write_all().
bool write_from(Handle file, const FileBytes& source, std::string_view part);
// Returns once the system has put the file's bytes on the disk.
bool flush_to_disk(Handle file);
bool close(Handle file);
// Puts `from` in the place of `to` in one step. With `write_through`, returns only once the
// rename itself is on the disk, where the system offers that.
bool rename_over(const std::filesystem::path& from, const std::filesystem::path& to,
                 bool write_through);
void remove(const std::filesystem::path& path);

// The whole file; a message naming it when it is missing or cannot be read.
Result<std::string> read_all(const std::filesystem::path& path);
// The whole file as a read-only view, with read_all()'s messages: mapped where the system
// lets a mapped file be renamed and deleted as usual, else read into memory.
Result<std::unique_ptr<FileBytes>> view_file(const std::filesystem::path& path);
bool exists(const std::filesystem::path& path);

}  // namespace quornel::file_calls
