// Writes the application icon for installation: PNG images at the sizes given and the SVG.
// Usage: make_icons OUTPUT_FOLDER SIZE...  (files OUTPUT_FOLDER/wendle-SIZE.png, wendle.svg)
#include "res/AppIcon.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_icons OUTPUT_FOLDER SIZE...\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        const QString path = out.filePath(QStringLiteral("wendle-%1.png").arg(size));
        if (size <= 0 || !DrawAppIcon(size).save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    QFile svg(out.filePath(QStringLiteral("wendle.svg")));
    if (!svg.open(QIODevice::WriteOnly) || svg.write(AppIconSvg()) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    return 0;
}
