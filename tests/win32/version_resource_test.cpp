// What Explorer's file properties show for quornel.exe and uninstall.exe, read through the
// calls Explorer makes: the product, the version the source tree defines, and a Japanese
// description that reads as written.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "win32/system_dll.h"
#include "win32/wide_text.h"

namespace quornel {
namespace {

std::string defined_version() {
    std::ifstream in(std::string(QUORNEL_SOURCE_DIR) + "/VERSION");
    std::string line;
    std::getline(in, line);
    return line;
}

template <class F>
F version_function(const char* name) {
    static HMODULE dll = win::load_system_dll(L"version.dll");
    return dll ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(dll, name))) : nullptr;
}

class VersionResource {
  public:
    explicit VersionResource(const std::wstring& file) {
        using SizeFn = DWORD(WINAPI*)(LPCWSTR, LPDWORD);
        using InfoFn = BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID);
        const auto size = version_function<SizeFn>("GetFileVersionInfoSizeW");
        const auto info = version_function<InfoFn>("GetFileVersionInfoW");
        if (!size || !info) return;
        DWORD ignored = 0;
        data_.resize(size(file.c_str(), &ignored));
        if (data_.empty() ||
            !info(file.c_str(), 0, static_cast<DWORD>(data_.size()), data_.data())) {
            data_.clear();
        }
    }
    bool loaded() const { return !data_.empty(); }

    // \StringFileInfo\041104b0\NAME as UTF-8, "" when missing.
    std::string text(const std::string& name) const {
        void* value = nullptr;
        UINT length = 0;
        if (!query(L"\\StringFileInfo\\041104b0\\" + widen(name), &value, &length)) return "";
        std::wstring wide(static_cast<const wchar_t*>(value), length);
        while (!wide.empty() && wide.back() == L'\0') wide.pop_back();
        return narrow(wide);
    }
    DWORD first_translation() const {
        void* value = nullptr;
        UINT length = 0;
        if (!query(L"\\VarFileInfo\\Translation", &value, &length) || length < 4) return 0;
        return *static_cast<const DWORD*>(value);
    }
    // The numeric file version, "MAJOR.MINOR.PATCH.BUILD".
    std::string file_version() const {
        void* value = nullptr;
        UINT length = 0;
        if (!query(L"\\", &value, &length) || length < sizeof(VS_FIXEDFILEINFO)) return "";
        const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
        return std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
               std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
               std::to_string(HIWORD(fixed->dwFileVersionLS)) + "." +
               std::to_string(LOWORD(fixed->dwFileVersionLS));
    }

  private:
    bool query(const std::wstring& path, void** value, UINT* length) const {
        using QueryFn = BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT);
        const auto query_value = version_function<QueryFn>("VerQueryValueW");
        return query_value && query_value(data_.data(), path.c_str(), value, length) && *value;
    }
    std::vector<unsigned char> data_;
};

TEST(VersionResource, ExplorerShowsTheProductItsVersionAndAJapaneseDescription) {
    const std::string version = defined_version();
    ASSERT_FALSE(version.empty());
    struct Program {
        const char* file;
        const char* described_as;  // a word of the description a user would read
    };
    for (Program p : {Program{"quornel.exe", "作図"}, Program{"uninstall.exe", "削除"}}) {
        const VersionResource r(widen(std::string(QUORNEL_BINARY_DIR) + "/" + p.file));
        ASSERT_TRUE(r.loaded()) << p.file;
        EXPECT_EQ(r.first_translation(), static_cast<DWORD>(MAKELONG(0x0411, 1200))) << p.file;
        EXPECT_EQ(r.text("ProductName"), "quornel") << p.file;
        EXPECT_EQ(r.text("ProductVersion"), version) << p.file;
        EXPECT_EQ(r.text("FileVersion"), version) << p.file;
        EXPECT_EQ(r.file_version(), version + ".0") << p.file;
        EXPECT_EQ(r.text("OriginalFilename"), p.file);
        EXPECT_NE(r.text("FileDescription").find(p.described_as), std::string::npos)
            << p.file << ": " << r.text("FileDescription");
    }
}

}  // namespace
}  // namespace quornel
