#pragma once

#include <QRect>
#include <QString>

#include <span>
#include <vector>

class QFont;

inline constexpr char kAppCaption[] = "Tasco's Wendle";

enum class ControlKind {
    Label,
    SingleLineEdit,  // one line, scrolls horizontally as typed
    MultiLineEdit,  // no wrapping, both scroll bars, Enter inserts a line break
    PushButton,
    CheckBox,
    EtchedVerticalLine,
};

// A caption as QT_TRANSLATE_NOOP3 gives it: the English source text and the note that tells it
// apart from the same words meaning something else, or no note.
struct Caption {
    const char* source;
    const char* disambiguation = nullptr;
};
// The caption in the user's language, from the "WendleDialog" context of the catalogue.
QString CaptionText(const Caption& caption);
// The program's name as the window and its message boxes show it.
QString AppCaption();

// One control of a dialog template. The rectangle is in dialog units.
struct ControlTemplate {
    int id;
    ControlKind kind;
    Caption text;
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

// The window's size and its controls' rectangles in pixels, in template order. `needed` holds
// the width each control's caption needs (0 without one). A label too narrow for its caption
// widens and moves the field beside it along; the buttons and check boxes of the column all take
// the widest caption's width, and the window widens with them. Right to left, each rectangle is
// mirrored in the window.
struct DialogLayout {
    QSize size;
    std::vector<QRect> rects;
};
DialogLayout LayOutDialog(const DialogTemplate& dialog, DialogBaseUnits base,
                          std::span<const int> needed, Qt::LayoutDirection direction);
