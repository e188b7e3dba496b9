#pragma once

// The commands of the standard buttons, as template rows and dialogs both name them.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
