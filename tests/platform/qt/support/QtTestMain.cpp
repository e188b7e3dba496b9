#include "platform/qt/detail/TemplateFonts.h"

#include <QApplication>
#include <QByteArray>

#include <gtest/gtest.h>

// The main of window tests: one application object for the whole run, on the offscreen
// platform unless another is asked for, with the templates' fonts resolving.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication application(argc, argv);
    InstallTemplateFonts();
    return RUN_ALL_TESTS();
}
