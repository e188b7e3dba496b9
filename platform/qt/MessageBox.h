#pragma once

#include <functional>
#include <string_view>

class CWnd;

// What stands in for the modal message box that CWnd::MessageBox shows, for tests: it is given
// the window the box would stand over and returns the box's result. An empty one is the real box.
using MessageBoxPresenter =
    std::function<int(CWnd* owner, std::string_view text, std::string_view caption, unsigned type)>;
