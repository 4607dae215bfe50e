// A stand-in for a uxtheme.dll that someone left in a program's folder. Loaded into a
// process, it appends the program's name to planted-uxtheme-ran.txt beside itself. Every
// UxTheme function name is exported (to one stub, by the .def file the test writes), so a
// program that imports any of them starts with it as it would with the real one.
#include <windows.h>

namespace {

void leave_marker(HINSTANCE self) {
    wchar_t marker[MAX_PATH];
    DWORD length = GetModuleFileNameW(self, marker, MAX_PATH);
    while (length > 0 && marker[length - 1] != L'\\') --length;
    lstrcpynW(marker + length, L"planted-uxtheme-ran.txt", MAX_PATH - static_cast<int>(length));

    wchar_t program[MAX_PATH];
    const DWORD program_length = GetModuleFileNameW(nullptr, program, MAX_PATH);
    char line[4 * MAX_PATH];
    int size = WideCharToMultiByte(CP_UTF8, 0, program, static_cast<int>(program_length), line,
                                   sizeof(line) - 1, nullptr, nullptr);
    line[size++] = '\n';
    HANDLE file = CreateFileW(marker, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(size), &written, nullptr);
    CloseHandle(file);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) leave_marker(self);
    return TRUE;
}

extern "C" INT_PTR planted_stub() {
    return 0;
}
