#include "platform/qt/WaitCursor.h"

#include <QApplication>
#include <QCursor>

#include <gtest/gtest.h>

namespace {

bool Busy() {
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor;
}

} // namespace

TEST(WaitCursor, NestsAndComesBackAfterTheLastEnd) {
    BeginWaitCursor();
    BeginWaitCursor();
    const bool busyWhenNested = Busy();
    EndWaitCursor();
    const bool busyAfterInnerEnd = Busy();
    EndWaitCursor();
    EXPECT_TRUE(busyWhenNested);
    EXPECT_TRUE(busyAfterInnerEnd);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
