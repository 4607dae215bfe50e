#include "support/fake_file_system.h"

#include <algorithm>

namespace quornel::test {

// One replacement: its bytes go to memory, or to the disk's own temporary file, until the
// commit; a fault stops it for good.
class FakeOutputFile : public OutputFile {
  public:
    FakeOutputFile(FakeFileSystem& fs, std::filesystem::path path, Durability durability,
                   FakeFileSystem::Failures failures, std::unique_ptr<OutputFile> on_disk)
        : fs_(fs),
          path_(std::move(path)),
          durability_(durability),
          failures_(failures),
          on_disk_(std::move(on_disk)) {
        ++fs_.open_outputs_;
    }
    ~FakeOutputFile() override { --fs_.open_outputs_; }

    Status write(std::string_view bytes) override {
        if (failed_ || committed_ || ++writes_ == fs_.failing_write_) return fail();
        std::size_t fits = bytes.size();
        if (failures_.write_limit) fits = std::min(fits, *failures_.write_limit - written_);
        if (fs_.space_) fits = std::min(fits, *fs_.space_);
        // The part that fits reaches the file, then the disk is full.
        const Status stored = store(bytes.substr(0, fits));
        written_ += fits;
        if (fs_.space_) *fs_.space_ -= fits;
        if (!stored) {
            failed_ = true;
            return stored;
        }
        return fits < bytes.size() ? fail() : Status::success();
    }

    Status commit() override {
        if (failed_ || committed_ || failures_.commit) return fail();
        if (on_disk_) {
            if (Status s = on_disk_->commit(); !s) {
                failed_ = true;
                return s;
            }
        } else {
            fs_.files_[FakeFileSystem::key(path_)] = pending_;
        }
        committed_ = true;
        ++fs_.commits_[FakeFileSystem::key(path_)];
        fs_.durability_[FakeFileSystem::key(path_)] = durability_;
        return Status::success();
    }

  private:
    Status store(std::string_view bytes) {
        if (on_disk_) return on_disk_->write(bytes);
        pending_.append(bytes);
        return Status::success();
    }
    Status fail() {
        failed_ = true;
        return Status::failure(message_file_unwritable(path_));
    }

    FakeFileSystem& fs_;
    std::filesystem::path path_;
    Durability durability_;
    FakeFileSystem::Failures failures_;
    std::unique_ptr<OutputFile> on_disk_;  // discarded, with its temporary file, unless committed
    std::string pending_;
    std::size_t written_ = 0;
    int writes_ = 0;
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
void FakeFileSystem::make_read_only(const std::filesystem::path& folder) {
    read_only_ = folder.lexically_normal();
}
void FakeFileSystem::fill_disk_after(std::size_t bytes) {
    space_ = bytes;
}
void FakeFileSystem::fail_write_number(int n) {
    failing_write_ = n;
}
void FakeFileSystem::clear_failures() {
    failures_.clear();
    read_only_.reset();
    space_.reset();
    failing_write_ = 0;
}

FakeFileSystem::Failures FakeFileSystem::failures_of(const std::filesystem::path& path) const {
    auto it = failures_.find(key(path));
    return it == failures_.end() ? Failures{} : it->second;
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
    if (failures_of(path).reads) return Result<std::string>::failure(message_file_unreadable(path));
    if (disk_) return disk_->read_all(path);
    auto it = files_.find(key(path));
    if (it == files_.end()) return Result<std::string>::failure(message_file_missing(path));
    return it->second;
}

Result<std::unique_ptr<OutputFile>> FakeFileSystem::create_replacing(
    const std::filesystem::path& path, Durability durability) {
    const Failures f = failures_of(path);
    const bool read_only = read_only_ && path.lexically_normal().parent_path() == *read_only_;
    if (f.create || read_only)
        return Result<std::unique_ptr<OutputFile>>::failure(message_file_unwritable(path));
    std::unique_ptr<OutputFile> on_disk;
    if (disk_) {
        auto real = disk_->create_replacing(path, durability);
        if (!real) return real.status();
        on_disk = std::move(*real);
    }
    return std::unique_ptr<OutputFile>(
        new FakeOutputFile(*this, path, durability, f, std::move(on_disk)));
}

bool FakeFileSystem::exists(const std::filesystem::path& path) {
    return disk_ ? disk_->exists(path) : files_.count(key(path)) > 0;
}

}  // namespace quornel::test
