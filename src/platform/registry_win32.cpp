#include <windows.h>

#include <string>

#include "platform/registry.h"

namespace quornel {
namespace {

class Key {
  public:
    Key() = default;
    ~Key() { close(); }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY* out() { return &h_; }
    HKEY get() const { return h_; }
    // True when there was nothing to close or it closed cleanly.
    bool close() {
        bool ok = true;
        if (h_) ok = RegCloseKey(h_) == ERROR_SUCCESS;
        h_ = nullptr;
        return ok;
    }

  private:
    HKEY h_ = nullptr;
};

// Key paths and value names are ASCII, so the ANSI calls see exactly what the program
// wrote; string data comes back in the ANSI code page, as the rest of the program expects.
class Win32Registry : public Registry {
  public:
    std::optional<RegData> query(std::string_view key_path, std::string_view name) override {
        Key key;
        // Read access only: a key the user may read but not change still yields its values.
        if (RegOpenKeyExA(HKEY_CURRENT_USER, std::string(key_path).c_str(), 0, KEY_READ,
                          key.out()) != ERROR_SUCCESS)
            return std::nullopt;
        std::string value_name(name);
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(key.get(), value_name.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS)
            return std::nullopt;
        // The value may grow between the calls; ask again with the size reported.
        for (int attempt = 0; attempt < 8; ++attempt) {
            std::string buf(size, '\0');
            DWORD got = size;
            LONG r = RegQueryValueExA(key.get(), value_name.c_str(), nullptr, &type,
                                      reinterpret_cast<BYTE*>(buf.data()), &got);
            if (r == ERROR_SUCCESS) {
                // For strings the first answer is an upper bound; the second is the length.
                buf.resize(got < size ? got : size);
                return RegData{type, std::move(buf)};
            }
            if (r != ERROR_MORE_DATA) return std::nullopt;
            size = got > size ? got : size * 2 + 16;
        }
        return std::nullopt;
    }

    bool set(std::string_view key_path, std::string_view name, const RegData& data) override {
        Key key;
        DWORD disposition = 0;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, std::string(key_path).c_str(), 0, nullptr,
                            REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, key.out(),
                            &disposition) != ERROR_SUCCESS)
            return false;
        bool ok = RegSetValueExA(key.get(), std::string(name).c_str(), 0, data.type,
                                 reinterpret_cast<const BYTE*>(data.bytes.data()),
                                 static_cast<DWORD>(data.bytes.size())) == ERROR_SUCCESS;
        return key.close() && ok;
    }

    bool delete_key(std::string_view parent_path, std::string_view subkey) override {
        // An empty sub-key would name the parent itself; a plain delete never does that.
        if (subkey.find_first_not_of('\\') == std::string_view::npos) return false;
        Key parent;
        // The rights of the parent's handle do not govern the delete; the sub-key's do.
        if (RegOpenKeyExA(HKEY_CURRENT_USER, std::string(parent_path).c_str(), 0, KEY_READ,
                          parent.out()) != ERROR_SUCCESS)
            return false;
        bool ok = RegDeleteKeyA(parent.get(), std::string(subkey).c_str()) == ERROR_SUCCESS;
        return parent.close() && ok;
    }

    bool key_exists(std::string_view key_path) override {
        Key key;
        LONG r =
            RegOpenKeyExA(HKEY_CURRENT_USER, std::string(key_path).c_str(), 0, KEY_READ, key.out());
        return r == ERROR_SUCCESS || r == ERROR_ACCESS_DENIED;
    }
};

}  // namespace

std::unique_ptr<Registry> open_user_registry() {
    return std::make_unique<Win32Registry>();
}

}  // namespace quornel
