#pragma once
// When LUMORA_SCREENSHOT names a file, the screen is saved there once the program has
// been running for LUMORA_SCREENSHOT_DELAY milliseconds (default 1500), and the program
// ends. This lets scripts show what a user sees on a machine without a display.
namespace lumora::screenshot {
void armFromEnvironment();
}
