#pragma once

#include "platform/qt/Button.h"
#include "platform/qt/ComboBox.h"
#include "platform/qt/Dialog.h"
#include "platform/qt/ListBox.h"
#include "platform/qt/Static.h"
#include "tests/platform/qt/support/ModalDriver.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class QWidget;
struct IconBitmap;

// Blue, with its top-left quarter transparent and its bottom-right pixel red.
extern const IconBitmap kTestIcon;

// Ids of the probe template's controls.
enum ProbeId : int {
    kDropBox = 100,
    kCombo = 101,
    kBrowse = 102,
    kWrapCheck = 103,
    kRadioA = 104,
    kRadioB = 105,
    kRadioC = 106,
    kDisabledButton = 107,
    kList = 108,
    kLabel = 109,
    kRun = 110,
    kFrame = 111,
    kUnboundDropBox = 112,
};

// The probe template's controls that can take the focus.
inline const std::initializer_list<int> kProbeFocusIds = {
    kDropBox,        kCombo, kBrowse, kWrapCheck, kRadioA, kRadioB, kRadioC,
    kDisabledButton, kList,  kLabel,  kRun,       IDOK,    IDCANCEL};

// A group box that keeps what is dropped on it.
class DropProbe : public CButton {
public:
    void OnDropFiles(HDROP drop) override;
    std::vector<std::vector<std::string>> drops;
};

// A dialog over a template that holds one of each kind of control, recording what reaches it.
class ProbeDialog : public CDialog {
public:
    ProbeDialog();

    CComboBox combo;
    CListBox list;
    CStatic label;
    CButton wrapCheck;
    CButton radioA;
    DropProbe dropBox;

    std::vector<std::string> events;
    std::vector<unsigned> sysCommands;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange* exchange) override;
    void OnOK() override;
    void OnCancel() override;
    void OnSysCommand(unsigned id) override;

private:
    void OnBrowse();
    void OnRun();
    void OnWrapCheck();
    void OnRadioA();
};

// A small dialog with a default OK button, a check box and no system menu, in the proportional
// face.
class DefaultButtonDialog : public CDialog {
public:
    DefaultButtonDialog();
    std::vector<std::string> events;

protected:
    void OnOK() override;
    void OnCancel() override;
};
