#include "platform/qt/WinApp.h"

#include <QGuiApplication>

// The one application object is a global of CompareApp.cpp; the command line is not read.
int main(int argc, char** argv) {
    // Lets the desktop match the window to the installed entry and its icon: by the entry's name
    // on Wayland, by the window class the entry names on X11 (the same under any file name).
    QGuiApplication::setDesktopFileName(QStringLiteral(VY_APP_ID));
    QGuiApplication::setApplicationName(QStringLiteral(VY_WINDOW_CLASS));
    return AfxWinMain(argc, argv);
}
