#include "platform/resource/WindowStyles.h"
#include "res/MainIcon.h"
#include "res/ResourceTables.h"
#include "res/resource.h"

#include <array>

using namespace style;

namespace {
constexpr std::uint32_t kChild = WS_CHILD | WS_VISIBLE;

constexpr std::array kControls = {
    DialogControl{.controlClass = ControlClass::Static,
                  .text = "",
                  .rect = {20, 15, 18, 20},
                  .style = kChild | SS_ICON,
                  .icon = &kMainIcon},
    DialogControl{.id = IDOK,
                  .controlClass = ControlClass::Button,
                  .text = "OK",
                  .rect = {15, 60, 30, 15},
                  .style = kChild | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP},
    DialogControl{.controlClass = ControlClass::Button,
                  .text = " Vy v" VY_SHORT_VERSION " ",
                  .rect = {5, 5, 50, 50},
                  .style = kChild | BS_GROUPBOX | BS_CENTER},
    DialogControl{.controlClass = ControlClass::Static,
                  .text = "Tolbrin",
                  .rect = {10, 40, 40, 8},
                  .style = kChild | SS_CENTER | WS_GROUP},
};
} // namespace

// No system menu: the box closes through OK, Enter or Escape only.
const DialogTemplate kAboutDialogTemplate = {
    .id = IDD_ABOUTBOX,
    .style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT,
    .rect = {0, 0, 59, 79},
    .caption = "ﾊﾞｰｼﾞｮﾝ情報",
    .fontName = "ＭＳ Ｐゴシック",
    .pointSize = 11,
    .controls = kControls,
};
