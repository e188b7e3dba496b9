#include "tests/platform/qt/TestDialog.h"

#include "platform/qt/DropFiles.h"
#include "platform/resource/DialogTemplate.h"
#include "platform/resource/WindowStyles.h"
#include "tests/platform/qt/support/ModalDriver.h"

#include <QWidget>

#include <array>
#include <cstdint>

namespace {

using namespace style;

constexpr std::uint32_t kChild = WS_CHILD | WS_VISIBLE;

const std::array kProbeControls = {
    DialogControl{kDropBox,
                  ControlClass::Button,
                  "Drop",
                  {5, 4, 190, 30},
                  kChild | BS_GROUPBOX,
                  WS_EX_ACCEPTFILES},
    DialogControl{kCombo,
                  ControlClass::ComboBox,
                  "",
                  {10, 15, 120, 80},
                  kChild | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
    DialogControl{kBrowse,
                  ControlClass::Button,
                  "参照",
                  {140, 14, 50, 14},
                  kChild | BS_PUSHBUTTON | WS_TABSTOP},
    DialogControl{kWrapCheck,
                  ControlClass::Button,
                  "連続した空白を１つのｽﾍﾟｰｽに圧縮して比較します。",
                  {10, 44, 80, 18},
                  kChild | BS_AUTOCHECKBOX | BS_MULTILINE | WS_TABSTOP},
    DialogControl{kRadioA,
                  ControlClass::Button,
                  "A",
                  {100, 44, 40, 10},
                  kChild | BS_AUTORADIOBUTTON | WS_GROUP},
    DialogControl{
        kRadioB, ControlClass::Button, "B", {100, 56, 40, 10}, kChild | BS_AUTORADIOBUTTON},
    DialogControl{kRadioC,
                  ControlClass::Button,
                  "C",
                  {145, 44, 40, 10},
                  kChild | BS_AUTORADIOBUTTON | WS_GROUP},
    DialogControl{kDisabledButton,
                  ControlClass::Button,
                  "Off",
                  {145, 56, 40, 12},
                  kChild | BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED},
    DialogControl{kList,
                  ControlClass::ListBox,
                  "",
                  {10, 74, 180, 40},
                  kChild | LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT | WS_BORDER |
                      WS_VSCROLL | WS_HSCROLL | WS_TABSTOP},
    DialogControl{kLabel,
                  ControlClass::Static,
                  "",
                  {10, 120, 80, 12},
                  kChild | SS_LEFTNOWORDWRAP | SS_CENTERIMAGE | WS_GROUP,
                  WS_EX_STATICEDGE},
    DialogControl{kRun,
                  ControlClass::Button,
                  "実行",
                  {100, 120, 40, 14},
                  kChild | BS_PUSHBUTTON | WS_TABSTOP},
    DialogControl{IDCANCEL,
                  ControlClass::Button,
                  "ｷｬﾝｾﾙ",
                  {150, 120, 40, 14},
                  kChild | BS_PUSHBUTTON | WS_TABSTOP},
    // Comes after the controls it frames, as in the program's own templates.
    DialogControl{
        kFrame, ControlClass::Button, "Frame", {5, 36, 190, 34}, kChild | BS_GROUPBOX | BS_CENTER},
    DialogControl{kUnboundDropBox,
                  ControlClass::Button,
                  "",
                  {5, 136, 190, 10},
                  kChild | BS_GROUPBOX,
                  WS_EX_ACCEPTFILES},
};

const DialogTemplate kProbeTemplate{
    .id = 1,
    .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME | DS_SETFONT,
    .rect = {0, 0, 200, 150},
    .caption = "Probe \x83\x65\x83\x58\x83\x67",
    .fontName = "ＭＳ ゴシック",
    .pointSize = 9,
    .controls = kProbeControls,
};

IconBitmap MakeTestIcon() {
    IconBitmap icon;
    for (int y = 0; y < IconBitmap::kSize; ++y) {
        for (int x = 0; x < IconBitmap::kSize; ++x) {
            const auto row = static_cast<std::size_t>(y);
            const auto column = static_cast<std::size_t>(x);
            icon.colours[row][column] = 12;
            icon.transparent[row][column] = x < 16 && y < 16;
        }
    }
    icon.colours[31][31] = 9;
    return icon;
}

} // namespace

const IconBitmap kTestIcon = MakeTestIcon();

namespace {

const std::array kDefaultButtonControls = {
    DialogControl{
        IDOK, ControlClass::Button, "OK", {10, 40, 40, 14}, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP},
    DialogControl{IDCANCEL,
                  ControlClass::Button,
                  "ｷｬﾝｾﾙ",
                  {60, 40, 40, 14},
                  kChild | BS_PUSHBUTTON | WS_TABSTOP},
    DialogControl{kWrapCheck,
                  ControlClass::Button,
                  "Check",
                  {10, 10, 60, 10},
                  kChild | BS_AUTOCHECKBOX | WS_TABSTOP},
    DialogControl{-1, ControlClass::Static, "", {75, 5, 18, 20}, kChild | SS_ICON, 0, &kTestIcon},
};

const DialogTemplate kDefaultButtonTemplate{
    .id = 2,
    .style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT,
    .rect = {0, 0, 110, 60},
    .caption = "Default",
    .fontName = "ＭＳ Ｐゴシック",
    .pointSize = 9,
    .controls = kDefaultButtonControls,
};

} // namespace

void DropProbe::OnDropFiles(HDROP drop) {
    drops.push_back(DroppedPaths(drop));
}

ProbeDialog::ProbeDialog() : CDialog(kProbeTemplate) {
    MapClicked(kBrowse, &ProbeDialog::OnBrowse);
    MapClicked(kRun, &ProbeDialog::OnRun);
    MapClicked(kWrapCheck, &ProbeDialog::OnWrapCheck);
    MapClicked(kRadioA, &ProbeDialog::OnRadioA);
}

bool ProbeDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    if (CMenu* menu = GetSystemMenu()) {
        menu->AppendMenu(MF_SEPARATOR);
        menu->AppendMenu(MF_STRING, 0x0010, "ﾊﾞｰｼﾞｮﾝ情報 (&A)...");
        menu->EnableMenuItem(SC_MAXIMIZE, MF_BYCOMMAND | MF_GRAYED);
    }
    events.push_back("init");
    return true;
}

void ProbeDialog::DoDataExchange(CDataExchange* exchange) {
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, kCombo, combo);
    DDX_Control(exchange, kList, list);
    DDX_Control(exchange, kLabel, label);
    DDX_Control(exchange, kWrapCheck, wrapCheck);
    DDX_Control(exchange, kRadioA, radioA);
    DDX_Control(exchange, kDropBox, dropBox);
}

void ProbeDialog::OnOK() {
    events.push_back("ok");
    CDialog::OnOK();
}

void ProbeDialog::OnCancel() {
    events.push_back("cancel");
    CDialog::OnCancel();
}

void ProbeDialog::OnSysCommand(unsigned id) {
    sysCommands.push_back(id);
    CDialog::OnSysCommand(id);
}

void ProbeDialog::OnBrowse() {
    events.push_back("browse");
}

void ProbeDialog::OnRun() {
    events.push_back("run");
}

void ProbeDialog::OnWrapCheck() {
    events.push_back("wrap " + std::to_string(wrapCheck.GetCheck()));
}

void ProbeDialog::OnRadioA() {
    events.push_back("radio A " + std::to_string(radioA.GetCheck()));
}

DefaultButtonDialog::DefaultButtonDialog() : CDialog(kDefaultButtonTemplate) {}

void DefaultButtonDialog::OnOK() {
    events.push_back("ok");
    CDialog::OnOK();
}

void DefaultButtonDialog::OnCancel() {
    events.push_back("cancel");
    CDialog::OnCancel();
}
