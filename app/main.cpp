#include "app/WendleApp.h"

#include "version.h"

#include <QApplication>

namespace {
CWendleApp theApp;
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("wendle"));
    QApplication::setApplicationVersion(QStringLiteral(WENDLE_VERSION));
    theApp.InitInstance();
    return 0;
}
