#include "preview/preview_command.h"

#include <filesystem>
#include <optional>
#include <sstream>

#include "preview/command_stream_reader.h"
#include "preview/svg_writer.h"

namespace quornel {
namespace {

constexpr const char* kProgram = "quornel-preview: ";

constexpr const char* kUsage =
    "使い方: quornel-preview JWC_TEMP.TXT [-o 出力.svg]\n"
    "usage:  quornel-preview JWC_TEMP.TXT [-o out.svg]\n"
    "quornel の書いたコマンド列を SVG の図にします（-o がなければ入力の隣に .svg で）。\n"
    "Renders a command stream written by quornel as SVG (beside the input unless -o is given).\n";

// Every line of a message with the program's name in front, as a shell user expects.
void report(std::ostream& err, const std::string& message) {
    std::istringstream lines(message);
    std::string line;
    while (std::getline(lines, line)) err << kProgram << line << "\n";
}

int usage_error(std::ostream& err, const std::string& message) {
    report(err, message);
    err << kUsage;
    return 2;
}

std::filesystem::path from_utf8(const std::string& s) {
    return std::filesystem::path(std::u8string(s.begin(), s.end()));
}

bool same_file(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    if (std::filesystem::equivalent(a, b, ec)) return true;
    return std::filesystem::absolute(a, ec).lexically_normal() ==
           std::filesystem::absolute(b, ec).lexically_normal();
}

}  // namespace

int run_preview(const std::vector<std::string>& args, FileSystem& fs, std::ostream& out,
                std::ostream& err) {
    std::optional<std::string> input, output;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-h" || a == "--help") {
            out << kUsage;
            return 0;
        }
        if (a == "-o") {
            if (i + 1 >= args.size())
                return usage_error(err,
                                   "-o の後に出力ファイル名がありません。 (-o needs a file name)");
            if (output) return usage_error(err, "-o が二度あります。 (-o is given twice)");
            output = args[++i];
        } else if (!a.empty() && a[0] == '-') {
            return usage_error(err, "知らないオプションです: " + a + " (unknown option)");
        } else if (input) {
            return usage_error(err, "入力ファイルは一つだけです。 (only one input file)");
        } else {
            input = a;
        }
    }
    if (!input) return usage_error(err, "入力ファイルがありません。 (no input file)");

    std::filesystem::path in_path = from_utf8(*input);
    std::filesystem::path out_path =
        output ? from_utf8(*output) : std::filesystem::path(in_path).replace_extension(".svg");
    // The stream must survive its own preview, whatever the user typed after -o.
    if (same_file(in_path, out_path)) {
        report(err,
               "出力先が入力ファイルと同じです。入力を上書きしません。\n"
               "the output is the input file; it is not overwritten.");
        return 1;
    }

    auto bytes = fs.read_all(in_path);
    if (!bytes) {
        report(err, bytes.message() + "\ncannot read the input file.");
        return 1;
    }
    auto drawing = read_command_stream(*bytes);
    if (!drawing) {
        report(err, drawing.message());
        return 1;
    }
    if (Status s = fs.replace(out_path, render_svg(*drawing)); !s) {
        report(err, s.message() + "\ncannot write the SVG file.");
        return 1;
    }
    auto name = out_path.u8string();
    out << std::string(name.begin(), name.end()) << "\n";
    return 0;
}

}  // namespace quornel
