#include "tests/ui/DialogTestSupport.h"

#include "platform/qt/ComboBox.h"
#include "platform/qt/ListBox.h"
#include "platform/qt/WinDefs.h"
#include "res/resource.h"
#include "tests/platform/qt/support/ModalDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QWidget>
#include <QWindow>

QAbstractButton* ButtonWithText(QWidget* window, std::string_view text) {
    const QString wanted = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->text() == wanted)
            return button;
    return nullptr;
}

void ClickWidget(QWidget* control) {
    QWidget* window = control->window();
    const QPoint middle = control->mapTo(window, control->rect().center());
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, middle);
}

void Click(CDialog& dialog, int id) {
    ClickWidget(dialog.GetDlgItem(id)->Widget());
}

void PressKeyOn(CDialog& dialog, int id, int key) {
    QWidget* control = dialog.GetDlgItem(id)->Widget();
    control->setFocus();
    QTest::keyClick(dialog.Widget()->focusWidget(), static_cast<Qt::Key>(key));
}

bool UseSettingsDialog(CDialog& mainDialog, std::vector<std::string_view> presses, int endKey) {
    bool openedInBinary = false;
    RunOnNextModal([&openedInBinary, presses, endKey](QWidget* settings) {
        if (QAbstractButton* binary = ButtonWithText(settings, "ﾊﾞｲﾅﾘ"))
            openedInBinary = binary->isChecked();
        for (std::string_view text : presses)
            if (QAbstractButton* button = ButtonWithText(settings, text))
                ClickWidget(button);
        if (settings->isVisible())
            QTest::keyClick(settings->focusWidget(), static_cast<Qt::Key>(endKey));
    });
    Click(mainDialog, IDC_SETTINGS);
    return openedInBinary;
}

std::vector<ComboEntry> EntriesOf(const CComboBox& combo) {
    std::vector<ComboEntry> entries;
    for (int index = 0; index < combo.GetCount(); ++index)
        entries.push_back({combo.GetLBText(index), combo.GetItemData(index)});
    return entries;
}

std::vector<std::string> NumberedPaths(std::string_view prefix, int count) {
    std::vector<std::string> paths;
    for (int index = 0; index < count; ++index)
        paths.push_back(std::string(prefix) + std::to_string(index) + ".bin");
    return paths;
}

std::vector<std::string> RowsOf(const CListBox& list) {
    std::vector<std::string> rows;
    for (int index = 0; index < list.GetCount(); ++index)
        rows.push_back(list.GetText(index));
    return rows;
}

void DropFilesOn(CDialog& dialog, int id, const std::vector<std::string>& paths) {
    QByteArray uriList;
    for (const std::string& path : paths) {
        const QByteArray bytes(path.data(), static_cast<qsizetype>(path.size()));
        uriList += "file://" + bytes.toPercentEncoding("/") + "\r\n";
    }
    QMimeData mimeData;
    mimeData.setData(QStringLiteral("text/uri-list"), uriList);
    QWidget* control = dialog.GetDlgItem(id)->Widget();
    const QPoint pos = control->mapTo(control->window(), QPoint(control->width() / 2, 8));
    QWindow* handle = control->window()->windowHandle();
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(pos, actions, &mimeData, Qt::LeftButton, {});
    QApplication::sendEvent(handle, &enter);
    QDragMoveEvent move(pos, actions, &mimeData, Qt::LeftButton, {});
    QApplication::sendEvent(handle, &move);
    QDropEvent drop(pos, actions, &mimeData, Qt::LeftButton, {});
    QApplication::sendEvent(handle, &drop);
}

MessageBoxPresenter MessageBoxRecorder::Presenter() {
    return [this](CWnd* owner, std::string_view text, std::string_view caption, unsigned type) {
        boxes.push_back({owner, std::string(text), std::string(caption), type});
        return IDOK;
    };
}

FileDialogPresenter FileDialogStandIn::Presenter() {
    return [this](const CFileDialog& dialog) {
        openings.push_back({std::string(dialog.Filter()), dialog.InitialFolder()});
        std::optional<std::vector<std::string>> answer;
        if (!answers.empty()) {
            answer = answers.front();
            answers.erase(answers.begin());
        }
        return answer;
    };
}

void FileDialogStandIn::Queue(std::optional<std::vector<std::string>> answer) {
    answers.push_back(std::move(answer));
}
