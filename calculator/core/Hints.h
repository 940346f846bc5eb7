#pragma once

#include <string_view>

namespace abacon {

// Window heights in twips: the keys alone, with the statistics/trigonometry strip, with the hint
// line below it.
inline constexpr int kHeightPlain = 5375;
inline constexpr int kHeightPanels = 5800;
inline constexpr int kHeightHelp = 6275;
inline constexpr int kTwipsPerPixel = 15;

int windowHeightTwips(bool helpShown, bool panelShown);

// The hint line text for a control of the main window, by its name ("Number(3)", "Readout");
// the window itself is "Calculator". Empty for a control without a hint.
std::string_view hintFor(std::string_view controlName);

} // namespace abacon
