#include "res/AppIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace {

// A filled shape on a 48 x 48 canvas; a stroke width of 0 draws no outline.
struct Shape {
    QPolygonF outline;
    QColor fill;
    QColor stroke;
    qreal strokeWidth;
};

QPolygonF Box(qreal x, qreal y, qreal w, qreal h)
{
    return QPolygonF({{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}});
}

const std::vector<Shape>& Shapes()
{
    static const std::vector<Shape> shapes = [] {
        const QColor ink(0x30, 0x40, 0x58);
        const QColor text(0x8a, 0x94, 0xa3);
        std::vector<Shape> list{
            {QPolygonF({{8, 3}, {32, 3}, {41, 12}, {41, 45}, {8, 45}}), Qt::white, ink, 2},
            {QPolygonF({{32, 3}, {32, 12}, {41, 12}}), QColor(0xd8, 0xdf, 0xea), ink, 2},
            {Box(13, 15, 23, 6), QColor(0x1f, 0x6f, 0xc5), {}, 0},
        };
        for (int row = 0; row < 4; ++row)
            list.push_back({Box(13, 26 + row * 4.5, row == 3 ? 14 : 23, 2.5), text, {}, 0});
        return list;
    }();
    return shapes;
}

}  // namespace

QImage DrawAppIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 48.0, size / 48.0);
    for (const Shape& shape : Shapes()) {
        painter.setPen(shape.strokeWidth > 0 ? QPen(shape.stroke, shape.strokeWidth, Qt::SolidLine,
                                                    Qt::SquareCap, Qt::MiterJoin)
                                             : QPen(Qt::NoPen));
        painter.setBrush(shape.fill);
        painter.drawPolygon(shape.outline);
    }
    return image;
}

QByteArray AppIconSvg()
{
    QByteArray svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"48\" height=\"48\" "
                     "viewBox=\"0 0 48 48\">\n";
    for (const Shape& shape : Shapes()) {
        QByteArray points;
        for (const QPointF& p : shape.outline)
            points += QByteArray::number(p.x()) + ',' + QByteArray::number(p.y()) + ' ';
        svg += "  <polygon points=\"" + points.trimmed() + "\" fill=\""
            + shape.fill.name().toLatin1() + '"';
        if (shape.strokeWidth > 0)
            svg += " stroke=\"" + shape.stroke.name().toLatin1() + "\" stroke-width=\""
                + QByteArray::number(shape.strokeWidth) + "\" stroke-linejoin=\"miter\"";
        svg += "/>\n";
    }
    return svg + "</svg>\n";
}

QIcon LoadAppIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addPixmap(QPixmap::fromImage(DrawAppIcon(size)));
    return icon;
}
