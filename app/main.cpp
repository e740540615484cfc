#include "app/Translations.h"
#include "app/WendleApp.h"

#include "version.h"

#include <QCoreApplication>

namespace {
CWendleApp theApp;
}

int main(int argc, char* argv[])
{
    const std::unique_ptr<QCoreApplication> app = CWendleApp::CreateApplication(argc, argv);
    if (!app)
        return 1;
    InstallTranslations();
    QCoreApplication::setApplicationName(QStringLiteral("wendle"));
    QCoreApplication::setApplicationVersion(QStringLiteral(WENDLE_VERSION));
    return theApp.Run();
}
