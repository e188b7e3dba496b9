#pragma once

#include <string>
#include <string_view>
#include <vector>

// A window's system menu: items that carry a system command id and go to the dialog's
// OnSysCommand when chosen. The dialog shows it as a popup.
class CMenu {
public:
    struct Item {
        unsigned flags = 0; // MF_SEPARATOR, MF_GRAYED
        unsigned id = 0;
        std::string text; // UTF-8; '&' marks the access key
    };

    // Adds an item after the last one; a separator carries no command id.
    void AppendMenu(unsigned flags, unsigned id = 0, std::string_view text = {});
    // Grays or enables the item with the given command id; returns its previous state, or -1.
    int EnableMenuItem(unsigned id, unsigned flags);
    const std::vector<Item>& Items() const { return items_; }

private:
    std::vector<Item> items_;
};
