#include "build/PageBuild.h"

#include "services/ByteString.h"
#include "services/Errors.h"
#include "services/FileAccess.h"

#include <QDir>

void BuildPage(const QString& templatePath, const QString& pagePath, QByteArrayView title,
               QByteArrayView text, const CodePage& codePage)
{
    if (pagePath.isEmpty())
        throw FileError::NoFileChosen();
    if (templatePath.isEmpty())
        throw CommandError(
            QStringLiteral("No template has been chosen. Choose one with the Template button."));
    if (IsSameFile(templatePath, pagePath))
        throw CommandError(
            QStringLiteral("The page %1 would replace its own template. Nothing was written; "
                           "choose another name for the page with Build As.")
                .arg(QDir::toNativeSeparators(pagePath)));

    const QByteArray content = InputFile(templatePath).ReadAll();
    const QByteArrayView page = UpToFirstNul(content);

    const Substitution substitution = PlanSubstitution(page, title, text, codePage);
    if (substitution.status != MarkerStatus::Ok) {
        const QString which = substitution.status == MarkerStatus::NoFirstMarker
            ? QStringLiteral("the title (the first \"%s\")")
            : QStringLiteral("the text (the second \"%s\")");
        throw CommandError(
            QStringLiteral("The template %1 has no marker for %2. Nothing was written.")
                .arg(QDir::toNativeSeparators(templatePath), which));
    }

    OutputFile output(pagePath);
    for (const QByteArrayView piece : substitution.pieces)
        output.Write(piece);
    output.Commit();
}
