#pragma once
// The system's warning sound, played when a box will not take what was typed. The window
// plays Windows' own (platform/beep_win32.h); a run without a window has nobody to hear it,
// or prints it (--script); the tests count it.
namespace quornel {

class Beep {
  public:
    virtual ~Beep() = default;
    virtual void warning() = 0;
};

class NoBeep : public Beep {
  public:
    void warning() override {}
};

inline Beep& no_beep() {
    static NoBeep silent;
    return silent;
}

}  // namespace quornel
