#include "platform/resource/WindowStyles.h"
#include "res/ResourceTables.h"
#include "res/resource.h"

#include <array>

using namespace style;

namespace {
constexpr std::uint32_t kChild = WS_CHILD | WS_VISIBLE;

constexpr std::array kControls = {
    DialogControl{.id = IDOK,
                  .controlClass = ControlClass::Button,
                  .text = "OK",
                  .rect = {36, 74, 52, 14},
                  .style = kChild | BS_DEFPUSHBUTTON | WS_TABSTOP},
    DialogControl{.id = IDCANCEL,
                  .controlClass = ControlClass::Button,
                  .text = "ｷｬﾝｾﾙ",
                  .rect = {117, 74, 52, 14},
                  .style = kChild | BS_PUSHBUTTON | WS_TABSTOP},
    DialogControl{.controlClass = ControlClass::Button,
                  .text = "比較方法",
                  .rect = {10, 10, 50, 54},
                  .style = kChild | BS_GROUPBOX},
    DialogControl{.id = IDC_TEXT_OPTIONS,
                  .controlClass = ControlClass::Button,
                  .text = "ﾃｷｽﾄｵﾌﾟｼｮﾝ",
                  .rect = {70, 10, 123, 54},
                  .style = kChild | BS_GROUPBOX},
    DialogControl{.id = IDC_MATCH_CASE,
                  .controlClass = ControlClass::Button,
                  .text = "大文字／小文字を区別します",
                  .rect = {78, 24, 106, 10},
                  .style = kChild | BS_AUTOCHECKBOX | WS_TABSTOP},
    DialogControl{.id = IDC_COMPRESS_BLANKS,
                  .controlClass = ControlClass::Button,
                  .text = "連続した空白（ﾀﾌﾞとｽﾍﾟｰｽ）を１つのｽﾍﾟｰｽに圧縮して比較します。",
                  .rect = {78, 39, 108, 18},
                  .style = kChild | BS_AUTOCHECKBOX | BS_MULTILINE | WS_TABSTOP},
    // The group that starts here runs to the end of the template, so the two radios
    // exclude each other and neither is a tab stop.
    DialogControl{.id = IDC_MODE_TEXT,
                  .controlClass = ControlClass::Button,
                  .text = "ﾃｷｽﾄ",
                  .rect = {19, 25, 33, 10},
                  .style = kChild | BS_AUTORADIOBUTTON | WS_GROUP},
    DialogControl{.id = IDC_MODE_BINARY,
                  .controlClass = ControlClass::Button,
                  .text = "ﾊﾞｲﾅﾘ",
                  .rect = {19, 43, 34, 10},
                  .style = kChild | BS_AUTORADIOBUTTON},
};
} // namespace

const DialogTemplate kSettingsDialogTemplate = {
    .id = IDD_SETTINGS,
    .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
    .rect = {0, 0, 203, 97},
    .caption = "設定(Vy)",
    .fontName = "ＭＳ Ｐゴシック",
    .pointSize = 9,
    .controls = kControls,
};
