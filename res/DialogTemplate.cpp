#include "res/DialogTemplate.h"

#include "res/resource.h"

#include <QFont>
#include <QFontMetrics>

namespace {

constexpr ControlTemplate kWendleControls[] = {
    {IDC_STATIC, ControlKind::Label, "Title:", {7, 7, 17, 8}, true, false},
    {IDC_TITLE, ControlKind::SingleLineEdit, "", {25, 7, 127, 12}, false, true},
    {IDC_STATIC, ControlKind::Label, "Text:", {7, 25, 18, 8}, true, false},
    {IDC_TEXT, ControlKind::MultiLineEdit, "", {7, 35, 299, 200}, false, true},
    {IDC_SAVEAS, ControlKind::PushButton, "   Save As...", {321, 58, 50, 14}, false, true},
    {IDC_BUILD, ControlKind::PushButton, "Build", {321, 75, 50, 14}, false, true},
    {IDC_OPEN, ControlKind::PushButton, "   Open...", {321, 24, 50, 14}, false, true},
    {IDC_STATIC, ControlKind::EtchedVerticalLine, "", {314, 7, 1, 228}, false, false},
    {IDC_TEMPLATE, ControlKind::PushButton, "   Template...", {321, 109, 50, 14}, false, true},
    {IDC_NEW, ControlKind::PushButton, "New", {321, 7, 50, 14}, false, true},
    {IDC_SAVE, ControlKind::PushButton, "Save", {321, 41, 50, 14}, false, true},
    {IDC_BUILDAS, ControlKind::PushButton, "   Build As...", {321, 92, 50, 14}, false, true},
};

const DialogTemplate kWendleDialog{IDD_WENDLE_DIALOG, kAppCaption, {378, 242}, kWendleControls};

// Multiplies then divides, rounding halves away from zero, as dialog templates scale.
int MulDiv(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

}  // namespace

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
