#pragma once
// `quornel --script FILE`: replays a user's actions on the window model and prints what a
// person would see, one JSON object per line. Scenario files of the tests are written in
// the same language, so a scenario and its expected output read like a page of the manual.
//
//   type NAME TEXT     the user replaces the box's text (rest of the line, may be empty)
//   leave NAME         the control loses the focus
//   enter NAME         Enter in the box or on the button
//   click NAME         a click on a button, shape image, option button, check box (it turns
//                      over) or tab page SSTab1(N)
//   choose NAME N      entry N (0-based) of a list or of an editable box's drop-down
//   answer yes|no      the answer to the next Yes/No question
//   dump               every control's state, then {"state": {...}}
// Blank lines and lines starting with # are skipped.
#include <filesystem>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/text_sink.h"

namespace quornel {

class FrmMain;

// One JSON object per control, in the order of FrmMain::controls(), then the state object.
std::vector<std::string> dump_lines(const FrmMain& form);

// Runs start-up in `program_dir`, then the script (its whole text, lines ending in LF or
// CR LF). Returns 0 when the script ran to its end
// or the window closed, 1 when start-up failed, 2 when a line could not be understood (the
// message on `err` names the line).
int run_script(FileSystem& fs, Registry& registry, const std::filesystem::path& program_dir,
               std::string_view script, TextSink& out, TextSink& err);

}  // namespace quornel
