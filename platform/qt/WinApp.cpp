#include "platform/qt/WinApp.h"

#include "platform/qt/detail/TemplateFonts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Function-local so that the global application object may be constructed before any other
// static of this layer.
CWinApp*& TheApp() {
    static CWinApp* app = nullptr;
    return app;
}

} // namespace

CWinApp::CWinApp() {
    TheApp() = this;
}

CWinApp::~CWinApp() {
    if (TheApp() == this)
        TheApp() = nullptr;
}

CWinApp* AfxGetApp() {
    return TheApp();
}

int AfxWinMain(int argc, char** argv) {
    QApplication application(argc, argv);
    InstallTemplateFonts();
    // The program speaks Japanese; Qt's own dialogs follow when their translation is installed.
    QTranslator translator;
    if (translator.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&translator);
    if (CWinApp* app = AfxGetApp())
        app->InitInstance();
    return 0;
}
