#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace winapi {

// The stand-in for the Windows directory: $LEDGERINE_WINDIR when set, else
// $XDG_CONFIG_HOME/ledgerine95, else ~/.config/ledgerine95. Not created here.
std::filesystem::path windowsDirectory();

// The folder of the running program: $LEDGERINE_PROGDIR when set, else the folder of the executable.
std::filesystem::path programDirectory();

// Looks for a file in programDirectory() first, then in each folder of $PATH. Names match
// case-insensitively, and "Name.exe" also finds the Linux program "name".
std::optional<std::filesystem::path> findFileInPath(std::string_view name);

} // namespace winapi
