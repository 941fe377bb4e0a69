#pragma once

namespace Globals {
// Sets the population constants, forgets where the tool windows stood, draws the first
// scenario and shows the main window, the scenario chooser and the splash, in that order.
void StartUp();
}  // namespace Globals
