#include "ui/CompareDlg.h"

#include "res/resource.h"
#include "tests/support/ExpectedTexts.h"
#include "tests/support/TempDir.h"
#include "tests/ui/DialogTestSupport.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QScrollBar>
#include <QToolTip>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

QAbstractItemView* ResultView(CCompareDlg& dialog) {
    return static_cast<QAbstractItemView*>(dialog.GetDlgItem(IDC_RESULT_LIST)->Widget());
}

// The row at the top of the result list's visible part.
int TopRow(CCompareDlg& dialog) {
    QAbstractItemView* view = ResultView(dialog);
    view->doItemsLayout();
    return view->indexAt(QPoint(1, 1)).row();
}

void ScrollResultTo(CCompareDlg& dialog, int value) {
    QAbstractItemView* view = ResultView(dialog);
    view->doItemsLayout();
    view->verticalScrollBar()->setValue(std::min(value, view->verticalScrollBar()->maximum()));
}

QLabel* LabelWithText(QWidget* window, const QString& text) {
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->text() == text)
            return label;
    return nullptr;
}

// The tooltip that a pause of the mouse over the middle of a label brings up, or an empty
// text for none. Labels let the mouse through, so the dialog receives the pause.
QString TipOver(QWidget* label) {
    QWidget* window = label->window();
    const QPoint pos = label->geometry().center();
    QHelpEvent event(QEvent::ToolTip, pos, window->mapToGlobal(pos));
    QApplication::sendEvent(window, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

} // namespace

TEST(ResultArea, ANewRunStartsAtTheTopOfTheList) {
    TempDir folder;
    const std::string zeros = folder.Write("zeros.bin", std::string(12000, '\0'));
    const std::string ones = folder.Write("ones.bin", std::string(12000, '\1'));
    const std::string fewOnes = folder.Write("few.bin", std::string(16, '\1'));
    FileDialogStandIn fileDialog;
    for (const std::string& path : {zeros, ones, fewOnes})
        fileDialog.Queue(std::vector<std::string>{path});
    CompareSettings settings;
    CCompareDlg dialog(settings);
    dialog.SetFileDialogPresenter(fileDialog.Presenter());
    int rowsOfLongRun = 0;
    int topWhenScrolled = -1;
    int topAfterLongRun = -1;
    int topAfterShortRun = -1;
    RunModal(dialog, [&](QWidget*) {
        Click(dialog, IDC_BROWSE1);
        Click(dialog, IDC_BROWSE2);
        Click(dialog, IDC_EXECUTE);
        rowsOfLongRun = ControlOf<CListBox>(dialog, IDC_RESULT_LIST).GetCount();
        ScrollResultTo(dialog, rowsOfLongRun);
        topWhenScrolled = TopRow(dialog);
        Click(dialog, IDC_EXECUTE);
        topAfterLongRun = TopRow(dialog);
        ScrollResultTo(dialog, 0x77);
        Click(dialog, IDC_BROWSE2);
        Click(dialog, IDC_EXECUTE);
        topAfterShortRun = TopRow(dialog);
    });
    EXPECT_EQ(rowsOfLongRun, 10003);
    EXPECT_GT(topWhenScrolled, 9000);
    EXPECT_EQ(topAfterLongRun, 0);
    EXPECT_EQ(topAfterShortRun, 0);
    EXPECT_EQ(ControlOf<CListBox>(dialog, IDC_RESULT_LIST).GetText(0), expected::kAddressHeading);
}

TEST(ResultArea, ACutLabelShowsItsWholeTextAsTooltip) {
    CompareSettings settings;
    CCompareDlg dialog(settings);
    const std::string summary = "10000 ﾊﾞｲﾄを超える、違いがありました";
    QString tipOverShortName;
    QString tipOverSummary;
    QString tipOverCaption;
    QString tipOverLongName;
    RunModal(dialog, [&](QWidget* window) {
        dialog.GetDlgItem(IDC_NAME1)->SetWindowText("a.bin");
        dialog.GetDlgItem(IDC_NAME2)->SetWindowText("a-rather-long-name.bin");
        dialog.GetDlgItem(IDC_DIFF_SUMMARY)->SetWindowText(summary);
        tipOverShortName = TipOver(dialog.GetDlgItem(IDC_NAME1)->Widget());
        tipOverSummary = TipOver(dialog.GetDlgItem(IDC_DIFF_SUMMARY)->Widget());
        // The small caption over the first name, 16 dialog units wide.
        tipOverCaption = TipOver(LabelWithText(window, QStringLiteral("File1")));
        tipOverLongName = TipOver(dialog.GetDlgItem(IDC_NAME2)->Widget());
        QToolTip::hideText();
    });
    EXPECT_EQ(tipOverShortName, QString());
    EXPECT_EQ(tipOverSummary, QString::fromStdString(summary));
    EXPECT_EQ(tipOverCaption, QStringLiteral("File1"));
    EXPECT_EQ(tipOverLongName, QStringLiteral("a-rather-long-name.bin"));
}
