#include "platform/qt/WaitCursor.h"

#include <QApplication>
#include <QCursor>

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

bool Busy() {
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor;
}

} // namespace

TEST(WaitCursor, NestsAndComesBackOnEveryWayOut) {
    BeginWaitCursor();
    BeginWaitCursor();
    const bool busyWhenNested = Busy();
    EndWaitCursor();
    const bool busyAfterInnerEnd = Busy();
    EndWaitCursor();
    EXPECT_TRUE(busyWhenNested);
    EXPECT_TRUE(busyAfterInnerEnd);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    bool busyInside = false;
    try {
        CWaitCursor wait;
        busyInside = Busy();
        throw std::runtime_error("comparison failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_TRUE(busyInside);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
