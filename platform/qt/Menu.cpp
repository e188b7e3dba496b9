#include "platform/qt/Menu.h"

#include "platform/qt/WinDefs.h"

#include <algorithm>

void CMenu::AppendMenu(unsigned flags, unsigned id, std::string_view text) {
    items_.push_back({flags, flags & MF_SEPARATOR ? 0u : id, std::string(text)});
}

int CMenu::EnableMenuItem(unsigned id, unsigned flags) {
    const auto item = std::find_if(items_.begin(), items_.end(), [id](const Item& candidate) {
        return !(candidate.flags & MF_SEPARATOR) && candidate.id == id;
    });
    if (item == items_.end())
        return -1;
    const int previous = static_cast<int>(item->flags & MF_GRAYED);
    item->flags = (item->flags & ~MF_GRAYED) | (flags & MF_GRAYED);
    return previous;
}
