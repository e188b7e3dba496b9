#pragma once

#include "compare/CompareSettings.h"
#include "platform/qt/Button.h"
#include "platform/qt/Dialog.h"

// The settings dialog: the compare mode and the two text options of the settings it is given,
// which must outlive it. It edits a working copy loaded afresh at every opening and writes all
// three settings back only on OK, whatever the mode; Cancel, Escape and the close box write
// nothing.
class CSettingsDlg : public CDialog {
public:
    explicit CSettingsDlg(CompareSettings& settings, CWnd* parent = nullptr);

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void EnableTextOptions(bool enable);
    void OnModeText();
    void OnModeBinary();
    void OnMatchCase();
    void OnCompressBlanks();

    CButton textOptionsBox;
    CButton binaryRadio;
    CButton textRadio;
    CButton compressBlanksCheck;
    CButton matchCaseCheck;
    CompareSettings& settings;
    CompareSettings working;
};
