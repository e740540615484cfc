#pragma once

#include <QRect>

#include <span>

class QFont;

inline constexpr char kAppCaption[] = "Tasco's Wendle";

enum class ControlKind {
    Label,
    SingleLineEdit,  // one line, scrolls horizontally as typed
    MultiLineEdit,  // no wrapping, both scroll bars, Enter inserts a line break
    PushButton,
    EtchedVerticalLine,
};

// One control of a dialog template. The rectangle is in dialog units.
struct ControlTemplate {
    int id;
    ControlKind kind;
    const char* text;
    QRect rect;
    bool groupStart;
    bool tabStop;
};

// A dialog's layout in dialog units: a horizontal unit is a quarter of the dialog font's
// average character width, a vertical unit an eighth of its character height. Controls are
// listed in creation order, which is also the tab order.
struct DialogTemplate {
    int id;
    const char* caption;
    QSize size;
    std::span<const ControlTemplate> controls;
};

const DialogTemplate& WendleDialogTemplate();

// The font's dialog base units, in pixels: the average width of "A".."Z" "a".."z" rounded
// the way dialog templates round it, and the character height.
struct DialogBaseUnits {
    int x;
    int y;
};
DialogBaseUnits BaseUnitsOf(const QFont& font);

// A rectangle in dialog units converted to pixels, each coordinate rounded to nearest.
QRect MapDialogRect(const QRect& dialogUnits, DialogBaseUnits base);
QSize MapDialogSize(const QSize& dialogUnits, DialogBaseUnits base);
