#pragma once

// Edition and version shown in the main window's caption and the About box.
inline constexpr const char* kEditionName = "Halvik";
inline constexpr const char* kVersionText = "1.11";
