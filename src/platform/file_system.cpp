#include "platform/file_system.h"

namespace quornel {

Status FileSystem::replace(const std::filesystem::path& path, std::string_view bytes) {
    auto out = create_replacing(path);
    if (!out) return out.status();
    if (Status s = (*out)->write(bytes); !s) return s;
    return (*out)->commit();
}

std::string display_name(const std::filesystem::path& path) {
    auto name = path.filename().u8string();
    return std::string(name.begin(), name.end());
}

std::string message_file_missing(const std::filesystem::path& path) {
    return "ファイル「" + display_name(path) + "」が見つかりません。";
}

std::string message_file_unreadable(const std::filesystem::path& path) {
    return "ファイル「" + display_name(path) + "」を読み込めません。";
}

std::string message_file_unwritable(const std::filesystem::path& path) {
    return "ファイル「" + display_name(path) +
           "」を書き込めません。フォルダーが書き込み禁止か、ディスクがいっぱいです。";
}

}  // namespace quornel
