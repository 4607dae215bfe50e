#include "platform/registry_file.h"

#include <optional>
#include <system_error>

#include "platform/reg_file_format.h"
#include "platform/text_codec.h"
#include "platform/utf16.h"

namespace quornel {
namespace {

constexpr std::string_view kRoot = "HKEY_CURRENT_USER";

std::string full_path(std::string_view key_path) {
    std::string p(kRoot);
    if (!key_path.empty()) {
        p += '\\';
        p += key_path;
    }
    return p;
}

bool is_string_type(std::uint32_t type) {
    return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
}

// Characters the ANSI code page lacks become "?", as Windows' own ANSI registry calls give.
std::string to_ansi_lossy(std::string_view utf8) {
    if (auto all = utf8_to_ansi(utf8)) return *all;
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t len = 1;
        while (i + len < utf8.size() && (static_cast<unsigned char>(utf8[i + len]) & 0xC0) == 0x80)
            ++len;
        auto one = utf8_to_ansi(utf8.substr(i, len));
        out += one ? *one : "?";
        i += len;
    }
    return out;
}

class RegFileRegistry : public Registry {
  public:
    RegFileRegistry(FileSystem& fs, std::filesystem::path file, bool create_folder)
        : fs_(fs), file_(std::move(file)), create_folder_(create_folder) {}

    std::optional<RegData> query(std::string_view key_path, std::string_view name) override {
        auto loaded = load();
        if (!loaded) return std::nullopt;
        RegFileKey* key = loaded->document.find(full_path(key_path));
        if (!key) return std::nullopt;
        RegFileValue* value = RegFileDocument::find_value(*key, name);
        if (!value) return std::nullopt;
        RegData data{value->type, value->data};
        if (is_string_type(value->type)) data.bytes = to_ansi_lossy(utf16le_to_utf8(value->data));
        return data;
    }

    bool set(std::string_view key_path, std::string_view name, const RegData& data) override {
        auto loaded = load_for_change();
        if (!loaded) return false;
        RegFileKey& key = loaded->document.ensure(full_path(key_path));
        RegFileValue value{std::string(name), data.type, data.bytes};
        if (is_string_type(data.type)) value.data = utf8_to_utf16le(ansi_to_utf8(data.bytes));
        RegFileDocument::set_value(key, std::move(value));
        return save(loaded->document);
    }

    bool delete_key(std::string_view parent_path, std::string_view subkey) override {
        // An empty sub-key would name the parent itself; a plain delete never does that.
        if (subkey.find_first_not_of('\\') == std::string_view::npos) return false;
        auto loaded = load_for_change();
        if (!loaded) return false;
        RegFileDocument& doc = loaded->document;
        std::string parent = full_path(parent_path);
        std::string target = parent + "\\" + std::string(subkey);
        if ((!parent_path.empty() && !doc.find(parent)) || !doc.find(target) ||
            doc.has_subkeys(target))
            return false;
        doc.remove_tree(target);
        return save(doc);
    }

    bool key_exists(std::string_view key_path) override {
        auto loaded = load();
        return loaded && loaded->document.find(full_path(key_path)) != nullptr;
    }

  private:
    // nullopt when the file exists but cannot be read.
    std::optional<RegFileParse> load() {
        if (!fs_.exists(file_)) return RegFileParse{};
        auto bytes = fs_.read_all(file_);
        if (!bytes) return std::nullopt;
        return parse_reg_file(*bytes);
    }

    // As load(), but refuses a damaged file: writing it back would drop what could not be
    // understood, and the user may still mend it by hand.
    std::optional<RegFileParse> load_for_change() {
        auto loaded = load();
        if (!loaded || loaded->damaged()) return std::nullopt;
        return loaded;
    }

    bool save(const RegFileDocument& doc) {
        if (create_folder_) {
            std::error_code ec;
            std::filesystem::create_directories(file_.parent_path(), ec);
        }
        return fs_.replace(file_, format_reg_file(doc)).ok();
    }

    FileSystem& fs_;
    std::filesystem::path file_;
    bool create_folder_;
};

}  // namespace

std::unique_ptr<Registry> open_reg_file_registry(FileSystem& fs, const std::filesystem::path& file,
                                                 bool create_folder) {
    return std::make_unique<RegFileRegistry>(fs, file, create_folder);
}

std::unique_ptr<Registry> open_reg_file_registry(const std::filesystem::path& file) {
    return open_reg_file_registry(real_file_system(), file, false);
}

}  // namespace quornel
