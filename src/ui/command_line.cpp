#include "ui/command_line.h"

#ifndef QUORNEL_VERSION
#error "QUORNEL_VERSION comes from the file VERSION (see CMakeLists.txt)"
#endif

namespace quornel {

InfoRequest info_request(const std::vector<std::string>& args) {
    InfoRequest request = InfoRequest::None;
    for (const std::string& a : args) {
        if (a == "--help") return InfoRequest::Help;
        if (a == "--version") request = InfoRequest::Version;
    }
    return request;
}

std::string version_text() {
    return std::string("quornel ") + QUORNEL_VERSION;
}

namespace {

struct UsageLine {
    const char* command;
    const char* meaning;
};

constexpr UsageLine kUsage[] = {
    {"quornel", "画面を開きます（Windows 版。Jw_cad の外部変形が起動します）"},
    {"quornel --repeat [--dir DIR]", "前回「作図」した値で、画面を開かずに作図します"},
    {"quornel --repeat --symbol SYMBOL [--dir DIR]",
     "柱記号 SYMBOL で最後に「作図」した値で、画面を開かずに作図します（/SSYMBOL とも書けます）"},
    {"quornel --script FILE [--dir DIR]", "FILE に書いた操作を、画面の代わりに行います"},
    {"quornel --help", "この説明を表示します"},
    {"quornel --version", "バージョンを表示します"},
};

}  // namespace

std::string usage_text() {
    std::string text = "使い方:\n";
    // The meaning under the command rather than beside it: it reads the same in a
    // terminal and in a message box, whose font does not keep columns.
    for (const UsageLine& line : kUsage) {
        text += std::string("  ") + line.command + "\n      " + line.meaning + "\n";
    }
    text += "DIR: TEMP.TXT と設定ファイルのあるフォルダー（省略時は quornel のフォルダー）\n";
    return text;
}

std::string info_text(InfoRequest request) {
    switch (request) {
        case InfoRequest::Help:
            return version_text() + "  Jw_cad の外部変形で柱・壁・寸法・柱記号を作図します\n\n" +
                   usage_text();
        case InfoRequest::Version:
            return version_text() + "\n";
        case InfoRequest::None:
            break;
    }
    return {};
}

}  // namespace quornel
