#pragma once
// Windows' warning sound (MessageBeep), for the window.
#include "platform/beep.h"

namespace quornel {

class SystemBeep : public Beep {
  public:
    void warning() override;
};

}  // namespace quornel
