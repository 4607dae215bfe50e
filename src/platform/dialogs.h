#pragma once
// Message boxes. The Windows build shows MessageBoxW; tests script the answers; a headless
// run prints to standard error.
#include <string>

namespace quornel {

enum class DialogButtons { Ok, YesNo };
enum class DialogAnswer { Ok, Yes, No };
// Icon::None where the program's own messages say so; Warning for refusals and failures.
enum class DialogIcon { None, Warning };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Modal. A Yes/No box has Yes as the default button.
    virtual DialogAnswer show(const std::string& text, const std::string& title,
                              DialogButtons buttons, DialogIcon icon) = 0;
};

}  // namespace quornel
