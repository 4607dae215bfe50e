#include "win32/system_dll.h"

#include <string>

namespace quornel::win {
namespace {

// SetDefaultDllDirectories and the LOAD_LIBRARY_SEARCH_* flags came with Windows 8 (and an
// update to Windows 7); looked up at run time so that the program still starts without them.
using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);

SetDefaultDllDirectoriesFn set_default_dll_directories() {
    HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
    return kernel32 ? reinterpret_cast<SetDefaultDllDirectoriesFn>(reinterpret_cast<void*>(
                          GetProcAddress(kernel32, "SetDefaultDllDirectories")))
                    : nullptr;
}

}  // namespace

void load_dlls_from_system_folder_only() {
    if (auto set_default = set_default_dll_directories()) {
        if (set_default(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    }
    // Without it, at least the current directory leaves the search.
    SetDllDirectoryW(L"");
}

HMODULE load_system_dll(const wchar_t* name) {
    if (HMODULE dll = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return dll;
    if (GetLastError() != ERROR_INVALID_PARAMETER) return nullptr;
    // A system that does not know the flag: the full path names the system folder's file.
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const std::wstring path = std::wstring(folder, length) + L"\\" + name;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace quornel::win
