#include "support/fake_file_system.h"

namespace quornel::test {

class FakeOutputFile : public OutputFile {
  public:
    FakeOutputFile(FakeFileSystem& fs, std::filesystem::path path, Durability durability,
                   std::optional<std::size_t> limit, bool fail_commit)
        : fs_(fs),
          path_(std::move(path)),
          durability_(durability),
          limit_(limit),
          fail_commit_(fail_commit) {
        ++fs_.open_outputs_;
    }
    ~FakeOutputFile() override { --fs_.open_outputs_; }

    Status write(std::string_view bytes) override {
        if (failed_ || committed_) return Status::failure(message_file_unwritable(path_));
        if (limit_ && pending_.size() + bytes.size() > *limit_) {
            pending_.append(bytes.substr(0, *limit_ - pending_.size()));
            failed_ = true;
            return Status::failure(message_file_unwritable(path_));
        }
        pending_.append(bytes);
        return Status::success();
    }

    Status commit() override {
        if (failed_ || committed_ || fail_commit_) {
            failed_ = true;
            return Status::failure(message_file_unwritable(path_));
        }
        committed_ = true;
        fs_.files_[FakeFileSystem::key(path_)] = pending_;
        ++fs_.commits_[FakeFileSystem::key(path_)];
        fs_.durability_[FakeFileSystem::key(path_)] = durability_;
        return Status::success();
    }

  private:
    FakeFileSystem& fs_;
    std::filesystem::path path_;
    Durability durability_;
    std::optional<std::size_t> limit_;
    bool fail_commit_;
    std::string pending_;
    bool failed_ = false;
    bool committed_ = false;
};

std::string FakeFileSystem::key(const std::filesystem::path& path) {
    auto s = path.lexically_normal().generic_u8string();
    return std::string(s.begin(), s.end());
}

void FakeFileSystem::put(const std::filesystem::path& path, std::string_view bytes) {
    files_[key(path)] = std::string(bytes);
}

std::optional<std::string> FakeFileSystem::get(const std::filesystem::path& path) const {
    auto it = files_.find(key(path));
    if (it == files_.end()) return std::nullopt;
    return it->second;
}

void FakeFileSystem::remove(const std::filesystem::path& path) {
    files_.erase(key(path));
}

void FakeFileSystem::fail_reads(const std::filesystem::path& path) {
    failures_[key(path)].reads = true;
}
void FakeFileSystem::fail_create(const std::filesystem::path& path) {
    failures_[key(path)].create = true;
}
void FakeFileSystem::fail_write_after(const std::filesystem::path& path, std::size_t bytes) {
    failures_[key(path)].write_limit = bytes;
}
void FakeFileSystem::fail_commit(const std::filesystem::path& path) {
    failures_[key(path)].commit = true;
}
void FakeFileSystem::clear_failures() {
    failures_.clear();
}

int FakeFileSystem::reads(const std::filesystem::path& path) const {
    auto it = reads_.find(key(path));
    return it == reads_.end() ? 0 : it->second;
}

int FakeFileSystem::commits(const std::filesystem::path& path) const {
    auto it = commits_.find(key(path));
    return it == commits_.end() ? 0 : it->second;
}

std::optional<Durability> FakeFileSystem::durability(const std::filesystem::path& path) const {
    auto it = durability_.find(key(path));
    if (it == durability_.end()) return std::nullopt;
    return it->second;
}

Result<std::string> FakeFileSystem::read_all(const std::filesystem::path& path) {
    ++reads_[key(path)];
    if (auto f = failures_.find(key(path)); f != failures_.end() && f->second.reads)
        return Result<std::string>::failure(message_file_unreadable(path));
    auto it = files_.find(key(path));
    if (it == files_.end()) return Result<std::string>::failure(message_file_missing(path));
    return it->second;
}

Result<std::unique_ptr<OutputFile>> FakeFileSystem::create_replacing(
    const std::filesystem::path& path, Durability durability) {
    Failures f;
    if (auto it = failures_.find(key(path)); it != failures_.end()) f = it->second;
    if (f.create)
        return Result<std::unique_ptr<OutputFile>>::failure(message_file_unwritable(path));
    return std::unique_ptr<OutputFile>(
        new FakeOutputFile(*this, path, durability, f.write_limit, f.commit));
}

bool FakeFileSystem::exists(const std::filesystem::path& path) {
    return files_.count(key(path)) > 0;
}

}  // namespace quornel::test
