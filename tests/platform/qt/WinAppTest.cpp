#include "platform/qt/WinApp.h"

#include <QApplication>
#include <QFont>
#include <QFontInfo>

#include <gtest/gtest.h>

namespace {

// Records what start-up looks like from inside InitInstance.
class RecordingApp : public CWinApp {
public:
    bool InitInstance() override {
        ++calls;
        applicationExists = qApp != nullptr;
        QFont gothic(QStringLiteral("ＭＳ ゴシック"));
        gothic.setPointSize(9);
        resolvedFamily = QFontInfo(gothic).family();
        return false;
    }
    int calls = 0;
    bool applicationExists = false;
    QString resolvedFamily;
};

} // namespace

TEST(WinApp, EntryRunsInitInstanceOnceOnTheOneApplicationObject) {
    RecordingApp app;
    EXPECT_EQ(AfxGetApp(), &app);
    char program[] = "vy";
    char file[] = "/tmp/ignored.txt";
    char* argv[] = {program, file, nullptr};
    EXPECT_EQ(AfxWinMain(2, argv), 0);
    EXPECT_EQ(app.calls, 1);
    EXPECT_TRUE(app.applicationExists);
    EXPECT_EQ(app.resolvedFamily, QStringLiteral("IPAGothic"));
    EXPECT_EQ(qApp, nullptr);
}
