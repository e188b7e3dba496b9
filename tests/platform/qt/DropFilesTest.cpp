#include "platform/qt/DropFiles.h"

#include "tests/platform/qt/TestDialog.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

struct DropResult {
    bool entered = false;
    bool dropped = false;
};

// A drop as the window system delivers it: to the window, at a point of the dialog.
DropResult DropAt(QWidget* window, const QPoint& pos, const QList<QUrl>& urls) {
    QMimeData mimeData;
    mimeData.setUrls(urls);
    QWindow* handle = window->windowHandle();
    QDragEnterEvent enter(pos, Qt::CopyAction | Qt::MoveAction, &mimeData, Qt::LeftButton, {});
    QApplication::sendEvent(handle, &enter);
    QDragMoveEvent move(pos, Qt::CopyAction | Qt::MoveAction, &mimeData, Qt::LeftButton, {});
    QApplication::sendEvent(handle, &move);
    DropResult result{move.isAccepted(), false};
    QDropEvent drop(pos, Qt::CopyAction | Qt::MoveAction, &mimeData, Qt::LeftButton, {});
    QApplication::sendEvent(handle, &drop);
    result.dropped = drop.isAccepted();
    return result;
}

const QList<QUrl> kFiles = {QUrl::fromLocalFile(QStringLiteral("/tmp/b/second file.txt")),
                            QUrl(QStringLiteral("https://example.com/remote.txt")),
                            QUrl::fromLocalFile(QStringLiteral("/tmp/a/日本語.txt"))};

} // namespace

TEST(DropFiles, QueryWalksThePathsInOrder) {
    const DropList drop{{"first", "second"}};
    std::string path;
    EXPECT_TRUE(DragQueryFile(&drop, 1, path));
    EXPECT_EQ(path, "second");
    EXPECT_TRUE(DragQueryFile(&drop, 0, path));
    EXPECT_EQ(path, "first");
    EXPECT_FALSE(DragQueryFile(&drop, 2, path));
    EXPECT_FALSE(DragQueryFile(&drop, -1, path));
}

TEST(DropFiles, DropsReachTheAcceptingControlWhereverTheyLandInIt) {
    ProbeDialog dialog;
    DropResult onFrame;
    DropResult onComboAbove;
    DropResult onList;
    DropResult remoteOnly;
    RunModal(dialog, [&](QWidget* window) {
        const QRect box = dialog.dropBox.Widget()->geometry();
        onFrame = DropAt(window, box.topLeft() + QPoint(2, 8), kFiles);
        onComboAbove = DropAt(window, dialog.combo.Widget()->geometry().center(), kFiles);
        onList = DropAt(window, dialog.list.Widget()->geometry().center(), kFiles);
        remoteOnly =
            DropAt(window, box.center(), {QUrl(QStringLiteral("https://example.com/remote.txt"))});
    });
    EXPECT_TRUE(onFrame.entered && onFrame.dropped);
    EXPECT_TRUE(onComboAbove.entered && onComboAbove.dropped);
    EXPECT_FALSE(onList.entered || onList.dropped);
    EXPECT_FALSE(remoteOnly.dropped);
    const std::vector<std::string> expected = {"/tmp/b/second file.txt", "/tmp/a/日本語.txt"};
    EXPECT_EQ(dialog.dropBox.drops, (std::vector<std::vector<std::string>>{expected, expected}));
}

TEST(DropFiles, AnUnboundAcceptingControlTakesTheDropQuietly) {
    ProbeDialog dialog;
    DropResult result;
    RunModal(dialog, [&](QWidget* window) {
        result = DropAt(window, dialog.GetDlgItem(kUnboundDropBox)->Widget()->geometry().center(),
                        kFiles);
    });
    EXPECT_TRUE(result.dropped);
    EXPECT_TRUE(dialog.dropBox.drops.empty());
}
