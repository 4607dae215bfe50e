// Loads uxtheme.dll the way the programs do and prints the file it got.
//   dll_probe               after load_dlls_from_system_folder_only(), by name, as any later
//                           load (also one inside Windows' own DLLs) asks for it
//   dll_probe --system-dll  with load_system_dll() alone
//   dll_probe --unprotected by name, without either (what the search order gives anyway)
// Only kernel32 is imported: no other DLL of the system loads UxTheme on its own here.
#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "win32/system_dll.h"

int wmain(int argc, wchar_t** argv) {
    const wchar_t* mode = argc > 1 ? argv[1] : L"";
    HMODULE dll = nullptr;
    if (std::wcscmp(mode, L"--system-dll") == 0) {
        dll = quornel::win::load_system_dll(L"uxtheme.dll");
    } else if (std::wcscmp(mode, L"--unprotected") == 0) {
        dll = LoadLibraryW(L"uxtheme.dll");
    } else {
        quornel::win::load_dlls_from_system_folder_only();
        dll = LoadLibraryW(L"uxtheme.dll");
    }
    wchar_t path[MAX_PATH] = L"(none)";
    if (dll) GetModuleFileNameW(dll, path, MAX_PATH);
    char utf8[4 * MAX_PATH];
    WideCharToMultiByte(CP_UTF8, 0, path, -1, utf8, sizeof(utf8), nullptr, nullptr);
    std::printf("%s\n", utf8);
    return dll ? 0 : 1;
}
