#pragma once
// Where a run without a window prints: standard output or standard error through the C
// library, or a string (the tests). The C++ streams are left out on purpose: their locale
// machinery would be a third of the Windows program.
#include <cstdio>
#include <string>
#include <string_view>

namespace quornel {

class TextSink {
  public:
    virtual ~TextSink() = default;
    virtual void write(std::string_view text) = 0;

    TextSink& operator<<(std::string_view text) {
        write(text);
        return *this;
    }
};

// A C stream such as stdout, flushed after every write so that output and messages keep
// their order on a terminal.
class FileSink : public TextSink {
  public:
    explicit FileSink(std::FILE* file) : file_(file) {}
    void write(std::string_view text) override {
        std::fwrite(text.data(), 1, text.size(), file_);
        std::fflush(file_);
    }

  private:
    std::FILE* file_;
};

class StringSink : public TextSink {
  public:
    void write(std::string_view text) override { text_.append(text); }
    const std::string& str() const { return text_; }

  private:
    std::string text_;
};

}  // namespace quornel
