#include "res/DialogTemplate.h"

#include "res/resource.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QStyle>

#include <algorithm>

namespace {

// The translators' notes (//:) are read by lupdate. One control to two lines, for the captions.
// clang-format off
constexpr ControlTemplate kWendleControls[] = {
    //: Label before the one-line field for the page's title.
    {IDC_STATIC, ControlKind::Label, {QT_TRANSLATE_NOOP("WendleDialog", "Title:")},
     {7, 7, 17, 8}, true, false},
    {IDC_TITLE, ControlKind::SingleLineEdit, {""}, {25, 7, 127, 12}, false, true},
    //: Label above the large field for the page's body text.
    {IDC_STATIC, ControlKind::Label, {QT_TRANSLATE_NOOP("WendleDialog", "Text:")},
     {7, 25, 18, 8}, true, false},
    {IDC_TEXT, ControlKind::MultiLineEdit, {""}, {7, 35, 299, 200}, false, true},
    //: Button: saves the project under a name chosen in a file prompt. Keep the three leading
    //: blanks, which set the caption off as on the other buttons that open a prompt.
    {IDC_SAVEAS, ControlKind::PushButton, {QT_TRANSLATE_NOOP("WendleDialog", "   Save As...")},
     {321, 58, 50, 14}, false, true},
    //: Button: makes the web page from the template, the title and the text, and writes it.
    {IDC_BUILD, ControlKind::PushButton,
     QT_TRANSLATE_NOOP3("WendleDialog", "Build", "verb, on a button: build the page"),
     {321, 75, 50, 14}, false, true},
    //: Button: opens a project file chosen in a file prompt. Keep the three leading blanks.
    {IDC_OPEN, ControlKind::PushButton, {QT_TRANSLATE_NOOP("WendleDialog", "   Open...")},
     {321, 24, 50, 14}, false, true},
    {IDC_STATIC, ControlKind::EtchedVerticalLine, {""}, {314, 7, 1, 228}, false, false},
    //: Button: chooses the HTML template in a file prompt. Keep the three leading blanks.
    {IDC_TEMPLATE, ControlKind::PushButton, {QT_TRANSLATE_NOOP("WendleDialog", "   Template...")},
     {321, 109, 50, 14}, false, true},
    //: Button: starts a new, empty project.
    {IDC_NEW, ControlKind::PushButton,
     QT_TRANSLATE_NOOP3("WendleDialog", "New", "on a button: start a new project"),
     {321, 7, 50, 14}, false, true},
    //: Button: saves the project into its file.
    {IDC_SAVE, ControlKind::PushButton, {QT_TRANSLATE_NOOP("WendleDialog", "Save")},
     {321, 41, 50, 14}, false, true},
    //: Button: builds the page under a name chosen in a file prompt. Keep the three leading
    //: blanks.
    {IDC_BUILDAS, ControlKind::PushButton, {QT_TRANSLATE_NOOP("WendleDialog", "   Build As...")},
     {321, 92, 50, 14}, false, true},
    //: Check box: the text is written in Markdown, which Build converts to HTML. A name, usually
    //: kept as it is.
    {IDC_MARKDOWN, ControlKind::CheckBox, {QT_TRANSLATE_NOOP("WendleDialog", "Markdown")},
     {321, 130, 50, 10}, false, true},
};
// clang-format on

const DialogTemplate kWendleDialog{IDD_WENDLE_DIALOG, kAppCaption, {378, 242}, kWendleControls};

// Multiplies then divides, rounding halves away from zero, as dialog templates scale.
int MulDiv(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

// The buttons and check boxes, which share the column on the window's side.
bool InColumn(ControlKind kind)
{
    return kind == ControlKind::PushButton || kind == ControlKind::CheckBox;
}

}  // namespace

QString CaptionText(const Caption& caption)
{
    return QCoreApplication::translate("WendleDialog", caption.source, caption.disambiguation);
}

QString AppCaption()
{
    //: The program's name, in the window's title bar and on its messages. A name: usually kept.
    return QCoreApplication::translate("WendleDialog", "Tasco's Wendle");
}

const DialogTemplate& WendleDialogTemplate()
{
    return kWendleDialog;
}

DialogBaseUnits BaseUnitsOf(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int alphabet = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(alphabet / 26 + 1) / 2, metrics.ascent() + metrics.descent()};
}

QRect MapDialogRect(const QRect& dialogUnits, DialogBaseUnits base)
{
    return {MulDiv(dialogUnits.x(), base.x, 4), MulDiv(dialogUnits.y(), base.y, 8),
            MulDiv(dialogUnits.width(), base.x, 4), MulDiv(dialogUnits.height(), base.y, 8)};
}

QSize MapDialogSize(const QSize& dialogUnits, DialogBaseUnits base)
{
    return MapDialogRect(QRect(QPoint(), dialogUnits), base).size();
}

DialogLayout LayOutDialog(const DialogTemplate& dialog, DialogBaseUnits base,
                          std::span<const int> needed, Qt::LayoutDirection direction)
{
    DialogLayout layout{MapDialogSize(dialog.size, base), {}};
    int column = 0;  // the widest button caption
    for (size_t i = 0; i < dialog.controls.size(); ++i) {
        layout.rects.push_back(MapDialogRect(dialog.controls[i].rect, base));
        if (InColumn(dialog.controls[i].kind))
            column = std::max(column, needed[i]);
    }
    int wider = 0;  // what the button column and the window gain
    for (size_t i = 0; i < layout.rects.size(); ++i) {
        QRect& rect = layout.rects[i];
        if (InColumn(dialog.controls[i].kind)) {
            wider = std::max(wider, column - rect.width());
            rect.setWidth(std::max(rect.width(), column));
        } else if (dialog.controls[i].kind == ControlKind::Label && needed[i] > rect.width()) {
            const int grow = needed[i] - rect.width();
            rect.setWidth(needed[i]);
            // The field beside the label, on its line, moves along.
            if (i + 1 < layout.rects.size() && layout.rects[i + 1].top() <= rect.bottom())
                layout.rects[i + 1].translate(grow, 0);
        }
    }
    layout.size.rwidth() += wider;
    for (QRect& rect : layout.rects)
        rect = QStyle::visualRect(direction, QRect(QPoint(), layout.size), rect);
    return layout;
}
