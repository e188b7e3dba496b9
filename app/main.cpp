#include "WinApp.h"

#include <QGuiApplication>

// The one application object is a global of CompareApp.cpp; the command line is not read.
int main(int argc, char** argv) {
    // Lets the desktop match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VY_APP_ID));
    return AfxWinMain(argc, argv);
}
