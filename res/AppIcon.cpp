#include "res/AppIcon.h"

#include <QPainter>
#include <QPainterPath>

QPixmap DrawAppIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 48.0, size / 48.0);

    // The sheet, with its top right corner folded.
    QPainterPath sheet;
    sheet.moveTo(8, 3);
    sheet.lineTo(32, 3);
    sheet.lineTo(41, 12);
    sheet.lineTo(41, 45);
    sheet.lineTo(8, 45);
    sheet.closeSubpath();
    painter.setPen(QPen(QColor(0x30, 0x40, 0x58), 2));
    painter.setBrush(Qt::white);
    painter.drawPath(sheet);
    painter.setBrush(QColor(0xd8, 0xdf, 0xea));
    painter.drawPolygon(QPolygonF({QPointF(32, 3), QPointF(32, 12), QPointF(41, 12)}));

    // The title, then the body text.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1f, 0x6f, 0xc5));
    painter.drawRect(QRectF(13, 15, 23, 6));
    painter.setBrush(QColor(0x8a, 0x94, 0xa3));
    for (int row = 0; row < 4; ++row)
        painter.drawRect(QRectF(13, 26 + row * 4.5, row == 3 ? 14 : 23, 2.5));
    return pixmap;
}

QIcon LoadAppIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addPixmap(DrawAppIcon(size));
    return icon;
}
