#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>

// The application icon: a sheet with a folded corner, a title bar and lines of text. One
// drawing, described once, gives both the pixel images and the scalable SVG.
QImage DrawAppIcon(int size);
QByteArray AppIconSvg();

// The icon group: the drawing at 16, 32 and 48 pixels.
QIcon LoadAppIcon();
