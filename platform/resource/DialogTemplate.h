#pragma once

#include "platform/resource/IconBitmap.h"

#include <cstdint>
#include <span>
#include <string_view>

// A dialog layout held as data: the window's properties and its controls in template order,
// which is also the tab order. Rectangles are in dialog units of the template's font.
// Texts are UTF-8. Styles use the bits of WindowStyles.h.

enum class ControlClass { Button, Static, ComboBox, ListBox };

struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct DialogControl {
    int id = -1; // -1: a control that code never addresses
    ControlClass controlClass = ControlClass::Static;
    std::string_view text;
    DialogRect rect;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    const IconBitmap* icon = nullptr; // for an SS_ICON static: the picture it shows
};

struct DialogTemplate {
    int id = 0;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    DialogRect rect;
    std::string_view caption;
    std::string_view fontName;
    int pointSize = 9;
    std::span<const DialogControl> controls;
};
