#pragma once
// Where the programs take Windows' DLLs from. quornel.exe and uninstall.exe live in folders
// the user writes to (Jw_cad's transforms folder, a downloads folder), so a DLL found there
// or in the current directory must never be loaded in place of Windows' own.
#include <windows.h>

namespace quornel::win {

// From here on every DLL the process loads by name (also those Windows' own DLLs load
// later) is searched for in the system folder only. Called first thing in each program.
void load_dlls_from_system_folder_only();

// A DLL of Windows taken from the system folder, or nullptr where the system has none
// (the caller goes on without it). Kept loaded for the life of the process.
HMODULE load_system_dll(const wchar_t* name);

}  // namespace quornel::win
