#pragma once

// The help call of the programs: one viewer window per process, opened on a help file and reused
// by every later call, closed by HELP_QUIT.

#include <cstdint>

class QWidget;

namespace help {

class HelpWindow;

// Commands, with the numbers the help call has always used.
inline constexpr unsigned HELP_CONTEXT = 0x0001;     // data: the context number
inline constexpr unsigned HELP_QUIT = 0x0002;        // closes the viewer
inline constexpr unsigned HELP_CONTENTS = 0x0003;    // data: 0
inline constexpr unsigned HELP_HELPONHELP = 0x0004;  // the viewer's own help
inline constexpr unsigned HELP_PARTIALKEY = 0x0105;  // data: address of the key text (empty: the whole index)

// window: the program window asking (the viewer stays usable over its modal dialogs); helpFile:
// the help file's full path. true when the viewer shows what was asked; false when the file cannot
// be used or holds no such topic (the viewer then says why in its topic pane) or the command is
// unknown.
bool WinHelpA(QWidget* window, const char* helpFile, unsigned command, std::uintptr_t data);

// The open viewer, or nullptr.
HelpWindow* helpWindow();

} // namespace help
