#pragma once

#include <functional>
#include <string_view>

class CWnd;

// Lets tests stand in for the modal message box that CWnd::MessageBox shows; the presenter
// returns the result. An empty presenter brings the real box back.
using MessageBoxPresenter =
    std::function<int(CWnd* owner, std::string_view text, std::string_view caption, unsigned type)>;
void SetMessageBoxPresenter(MessageBoxPresenter presenter);
