#pragma once

#include "compare/ResultPanel.h"

class CListBox;
class CStatic;

// The result area of the main dialog as a ResultPanel: rows go to the list, names, verdict and
// summary to the four labels. It holds the controls by reference and owns nothing.
class DialogResultPanel : public ResultPanel {
public:
    DialogResultPanel(CListBox& resultList, CStatic& name1Label, CStatic& name2Label,
                      CStatic& lengthLabel, CStatic& summaryLabel);

    void ClearRows() override;
    void AddRow(std::string_view text) override;
    void AddMarkedRow(std::string_view text, std::size_t begin, std::size_t end) override;
    void SetFileNames(std::string_view name1, std::string_view name2) override;
    void SetLengthVerdict(std::string_view text) override;
    void SetDifferenceSummary(std::string_view text) override;

private:
    CListBox& resultList_;
    CStatic& name1Label_;
    CStatic& name2Label_;
    CStatic& lengthLabel_;
    CStatic& summaryLabel_;
};
