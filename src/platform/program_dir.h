#pragma once
#include <filesystem>

namespace quornel {

// The folder that holds the running executable: quornel's program folder, where Jw_cad's
// batch file puts TEMP.TXT and where the data files live.
std::filesystem::path executable_dir();

}  // namespace quornel
