#pragma once

#include <QIcon>
#include <QPixmap>

// The application icon: a page with a title bar and lines of text, drawn at `size` pixels.
QPixmap DrawAppIcon(int size);

// The icon group: the drawing at 16, 32 and 48 pixels.
QIcon LoadAppIcon();
