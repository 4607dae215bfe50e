#include "platform/text_codec.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace quornel {
namespace {

// A Japanese Windows system's ANSI code page; Jw_cad's files are written in it.
constexpr const char* kAnsiCharset = "CP932";

class Iconv {
  public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Iconv() {
        if (valid()) iconv_close(cd_);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

  private:
    iconv_t cd_;
};

// Converts as much as possible; on an undecodable sequence calls on_bad(out) and skips
// `skip` bytes. Returns false when on_bad asks to stop.
template <class OnBad>
bool convert(const char* to, const char* from, std::string_view in, std::string& out,
             std::size_t skip, OnBad on_bad) {
    Iconv cd(to, from);
    if (!cd.valid()) return false;
    std::vector<char> in_buf(in.begin(), in.end());
    char* src = in_buf.data();
    std::size_t src_left = in_buf.size();
    char chunk[4096];
    while (src_left > 0) {
        char* dst = chunk;
        std::size_t dst_left = sizeof chunk;
        std::size_t r = iconv(cd.get(), &src, &src_left, &dst, &dst_left);
        out.append(chunk, dst - chunk);
        if (r == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG) continue;
            if (!on_bad(out)) return false;
            std::size_t n = std::min(skip, src_left);
            src += n;
            src_left -= n;
            iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
        }
    }
    return true;
}

}  // namespace

std::string ansi_to_utf8(std::string_view ansi) {
    std::string out;
    out.reserve(ansi.size() * 3 / 2);
    convert("UTF-8", kAnsiCharset, ansi, out, 1, [](std::string& o) {
        o += "\xEF\xBF\xBD";
        return true;
    });
    return out;
}

std::optional<std::string> utf8_to_ansi(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    if (!convert(kAnsiCharset, "UTF-8", utf8, out, 1, [](std::string&) { return false; }))
        return std::nullopt;
    // glibc's iconv leaves some characters out without a word (the tag characters U+E0000
    // to U+E007F), where Windows refuses them: a text that reads back shorter lost one.
    if (utf8_length(ansi_to_utf8(out)) != utf8_length(utf8)) return std::nullopt;
    return out;
}

}  // namespace quornel
