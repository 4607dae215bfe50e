#pragma once
// Files held in memory for the fuzz targets: no disk, so each input runs in microseconds.
// A replacement reaches the stored file only when it is committed, like on disk.
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace quornel::fuzz {

class MemoryFileSystem : public FileSystem {
  public:
    std::map<std::string, std::string> files;  // by generic path string
    bool fail_writes = false;                  // every output fails on its first write

    Result<std::string> read_all(const std::filesystem::path& path) override {
        auto it = files.find(path.generic_string());
        if (it == files.end()) return Result<std::string>::failure(message_file_missing(path));
        return it->second;
    }

    Result<std::unique_ptr<OutputFile>> create_replacing(const std::filesystem::path& path,
                                                         Durability) override {
        return std::unique_ptr<OutputFile>(new Output(*this, path));
    }

    bool exists(const std::filesystem::path& path) override {
        return files.count(path.generic_string()) != 0;
    }

  private:
    class Output : public OutputFile {
      public:
        Output(MemoryFileSystem& fs, std::filesystem::path path)
            : fs_(fs), path_(std::move(path)) {}
        Status write(std::string_view bytes) override {
            if (fs_.fail_writes || failed_) {
                failed_ = true;
                return Status::failure(message_file_unwritable(path_));
            }
            data_.append(bytes);
            return Status::success();
        }
        Status commit() override {
            if (failed_ || committed_) return Status::failure(message_file_unwritable(path_));
            committed_ = true;
            fs_.files[path_.generic_string()] = std::move(data_);
            return Status::success();
        }

      private:
        MemoryFileSystem& fs_;
        std::filesystem::path path_;
        std::string data_;
        bool failed_ = false;
        bool committed_ = false;
    };
};

}  // namespace quornel::fuzz
