#include "platform/file_system.h"

#include <utility>

#include "platform/file_calls.h"

namespace quornel {
namespace {

// One replacement on the real disk: a temporary file beside the target, written whole,
// flushed when the target is to be durable, closed, then renamed over the target. Until
// the rename the target keeps its old bytes; a replacement not committed takes its
// temporary file with it.
class ReplacingOutput : public OutputFile {
  public:
    ReplacingOutput(std::filesystem::path target, std::filesystem::path temp,
                    file_calls::Handle file, Durability durability)
        : target_(std::move(target)),
          temp_(std::move(temp)),
          file_(file),
          durability_(durability) {}
    ReplacingOutput(const ReplacingOutput&) = delete;
    ReplacingOutput& operator=(const ReplacingOutput&) = delete;
    ~ReplacingOutput() override {
        if (committed_) return;
        if (file_ != file_calls::kNoFile) file_calls::close(file_);
        file_calls::remove(temp_);
    }

    Status write(std::string_view bytes) override {
        if (failed_ || committed_ || !file_calls::write_all(file_, bytes)) return fail();
        return Status::success();
    }

    Status write_from(const FileBytes& source, std::string_view part) override {
        if (failed_ || committed_ || !file_calls::write_from(file_, source, part)) return fail();
        return Status::success();
    }

    Status commit() override {
        if (failed_ || committed_) return fail();
        const bool flushed = durability_ == Durability::Flushed;
        bool ok = !flushed || file_calls::flush_to_disk(file_);
        ok = file_calls::close(std::exchange(file_, file_calls::kNoFile)) && ok;
        ok = ok && file_calls::rename_over(temp_, target_, flushed);
        if (!ok) return fail();
        committed_ = true;
        return Status::success();
    }

  private:
    Status fail() {
        failed_ = true;
        return Status::failure(message_file_unwritable(target_));
    }

    std::filesystem::path target_;
    std::filesystem::path temp_;
    file_calls::Handle file_;
    Durability durability_;
    bool failed_ = false;
    bool committed_ = false;
};

class RealFileSystem : public FileSystem {
  public:
    Result<std::string> read_all(const std::filesystem::path& path) override {
        return file_calls::read_all(path);
    }

    Result<std::unique_ptr<FileBytes>> view_file(const std::filesystem::path& path) override {
        return file_calls::view_file(path);
    }

    Result<std::unique_ptr<OutputFile>> create_replacing(const std::filesystem::path& path,
                                                         Durability durability) override {
        std::filesystem::path temp;
        const file_calls::Handle file = file_calls::create_beside(path, temp);
        if (file == file_calls::kNoFile)
            return Result<std::unique_ptr<OutputFile>>::failure(message_file_unwritable(path));
        return std::unique_ptr<OutputFile>(new ReplacingOutput(path, temp, file, durability));
    }

    bool exists(const std::filesystem::path& path) override { return file_calls::exists(path); }
};

}  // namespace

FileSystem& real_file_system() {
    static RealFileSystem fs;
    return fs;
}

Status OutputFile::write_from(const FileBytes&, std::string_view part) {
    return write(part);
}

Result<std::unique_ptr<FileBytes>> FileSystem::view_file(const std::filesystem::path& path) {
    Result<std::string> bytes = read_all(path);
    if (!bytes) return bytes.status();
    return std::unique_ptr<FileBytes>(new HeldBytes(std::move(*bytes)));
}

Status FileSystem::replace(const std::filesystem::path& path, std::string_view bytes,
                           Durability durability) {
    auto out = create_replacing(path, durability);
    if (!out) return out.status();
    if (Status s = (*out)->write(bytes); !s) return s;
    return (*out)->commit();
}

std::string display_name(const std::filesystem::path& path) {
    auto name = path.filename().u8string();
    return std::string(name.begin(), name.end());
}

std::string display_path(const std::filesystem::path& path) {
    auto whole = path.u8string();
    return std::string(whole.begin(), whole.end());
}

std::string message_file_missing(const std::filesystem::path& path) {
    return "ファイル「" + display_name(path) + "」が見つかりません。";
}

std::string message_file_unreadable(const std::filesystem::path& path) {
    return "ファイル「" + display_name(path) + "」を読み込めません。";
}

std::string message_file_unwritable(const std::filesystem::path& path) {
    return "ファイル「" + display_name(path) +
           "」を書き込めません。フォルダーが書き込み禁止か、ディスクがいっぱいです。";
}

}  // namespace quornel
