// An empty dialog: what any Qt Widgets program pays to show a window.
#include <QApplication>
#include <QDialog>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Minimal Dialog"));
    dialog.resize(567, 393);
    return dialog.exec() == QDialog::Accepted ? 0 : 0;
}
