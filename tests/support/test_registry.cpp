#include "support/test_registry.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <atomic>

#include "support/temp_dir.h"

namespace quornel::test {
namespace {

class FileTestRegistry : public TestRegistry {
  public:
    FileTestRegistry()
        : file_(dir_.file("registry.reg")), registry_(open_reg_file_registry(file_)) {}
    Registry& registry() override { return *registry_; }
    std::filesystem::path file() const override { return file_; }

  private:
    TempDir dir_;
    std::filesystem::path file_;
    std::unique_ptr<Registry> registry_;
};

#ifdef _WIN32
// Every path is moved below a key of its own, so the tests never meet a real user's (or
// Jw_cad's) settings, and the whole tree goes when the test ends.
class Win32TestRegistry : public TestRegistry, public Registry {
  public:
    Win32TestRegistry() : inner_(open_user_registry()) {
        static std::atomic<unsigned> counter{0};
        prefix_ = std::string(kBase) + "\\" + std::to_string(GetCurrentProcessId()) + "-" +
                  std::to_string(counter++);
    }
    ~Win32TestRegistry() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, prefix_.c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, kBase);  // only when no other run still uses it
    }
    Registry& registry() override { return *this; }

    std::optional<RegData> query(std::string_view key, std::string_view name) override {
        return inner_->query(at(key), name);
    }
    bool set(std::string_view key, std::string_view name, const RegData& data) override {
        return inner_->set(at(key), name, data);
    }
    bool delete_key(std::string_view parent, std::string_view subkey) override {
        return inner_->delete_key(at(parent), subkey);
    }
    bool key_exists(std::string_view key) override { return inner_->key_exists(at(key)); }

  private:
    static constexpr const char* kBase = "Software\\quornel-tests";
    std::string at(std::string_view key) const {
        return key.empty() ? prefix_ : prefix_ + "\\" + std::string(key);
    }
    std::unique_ptr<Registry> inner_;
    std::string prefix_;
};
#endif

}  // namespace

std::vector<std::string> registry_backends() {
#ifdef _WIN32
    return {"RegFile", "Win32"};
#else
    return {"RegFile"};
#endif
}

std::unique_ptr<TestRegistry> make_test_registry(const std::string& backend) {
#ifdef _WIN32
    if (backend == "Win32") return std::make_unique<Win32TestRegistry>();
#endif
    return std::make_unique<FileTestRegistry>();
}

RegData dword_data(std::uint32_t v) {
    RegData d{kRegDword, {}};
    for (int k = 0; k < 4; ++k) d.bytes += static_cast<char>((v >> (8 * k)) & 0xFF);
    return d;
}

RegData sz_data(std::string ansi_bytes_with_nuls) {
    return RegData{kRegSz, std::move(ansi_bytes_with_nuls)};
}

}  // namespace quornel::test
