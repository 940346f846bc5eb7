#pragma once

#include <filesystem>

namespace winapi {

// The stand-in for the Windows directory: $LEDGERINE_WINDIR when set, else
// $XDG_CONFIG_HOME/ledgerine95, else ~/.config/ledgerine95. Not created here.
std::filesystem::path windowsDirectory();

// The folder of the running program: $LEDGERINE_PROGDIR when set, else the folder of the executable.
std::filesystem::path programDirectory();

} // namespace winapi
