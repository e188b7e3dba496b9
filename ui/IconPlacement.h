#pragma once

// Where a minimised window draws its icon.
struct IconOrigin {
    int x = 0;
    int y = 0;
    bool operator==(const IconOrigin&) const = default;
};

// The top-left corner that centres an icon in a client area. An odd leftover pixel goes
// before the icon, and the division truncates towards zero, so an area smaller than the icon
// still gives a corner as close to centred as whole pixels allow.
constexpr IconOrigin CenteredIconOrigin(int clientWidth, int clientHeight, int iconWidth,
                                        int iconHeight) {
    return {(clientWidth - iconWidth + 1) / 2, (clientHeight - iconHeight + 1) / 2};
}
