// Wendle in each language it ships, and in a pseudo-language made at build time from the
// catalogue: each source text accented, 40% longer and between brackets.
#include "app/Translations.h"
#include "app/WendleDlg.h"
#include "services/Errors.h"

#include <QtWidgets>

#include <gmock/gmock.h>

TEST(Translations, followTheUserAndFitEveryCaption)
{
    const QTemporaryDir dir;
    ProfileStore profile(dir.filePath("w.ini"));
    profile.Write(kTemplateSection, kTemplateEntry, "t.html");  // no prompt before the window
    QtFilePrompt prompt;
    QtMessages messages;
    QTranslator pseudo;
    ASSERT_TRUE(pseudo.load(WENDLE_PSEUDO));
    // "the user's languages=the catalogue they get": a region falls back to its language, a
    // language without one to the next, and English before another keeps English. "=" is the
    // pseudo-language.
    for (const QString row : {"=", "it:de_AT=de", "fr-CA=fr", "es=es", "pt-BR=pt_BR", "ja=ja",
                              "zh-Hans-CN=zh_CN", "ar=ar", "en_US:de="}) {
        ASSERT_EQ(InstallTranslations(row.section('=', 0, 0).split(':')), row.section('=', 1));
        // Qt's own catalogue of the same language, for the standard buttons.
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel") == "Abbrechen",
                  row.endsWith("=de"));
        QStringList shown;
        if (row == "=") {  // a question, and the messages of failures
            QCoreApplication::installTranslator(&pseudo);
            QTimer::singleShot(0, [&shown] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                shown << box->windowTitle() << box->defaultButton()->text();
                box->escapeButton()->click();
            });
            messages.AskToRestore(nullptr, "?");
            shown << FileError::NoFileChosen().message();
        }
        Services services{prompt, messages, profile};
        CWendleDlg window(services);
        // Each caption in the room its control draws it in, each control inside the window.
        shown << window.windowTitle();
        const auto widgets = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* widget : widgets) {
            EXPECT_TRUE(window.rect().contains(widget->geometry()));
            // Labels draw their text from edge to edge, buttons inside their frame.
            const int frames = widget->inherits("QPushButton")
                ? 2 * widget->style()->pixelMetric(QStyle::PM_DefaultFrameWidth)
                : 0;
            shown << widget->property("text").toString();
            EXPECT_LE(widget->fontMetrics().horizontalAdvance(shown.back()) + frames,
                      widget->width())
                << qPrintable(shown.back());
        }
        // Arabic: buttons | line | fields, each label right of its field.
        const auto at = [&](int i) { return widgets[i]->geometry(); };
        EXPECT_EQ(at(0).left() > at(1).right() && at(2).right() == at(3).right()
                      && at(9).right() < at(7).left() && at(7).right() < at(3).left(),
                  row == "ar=ar");
        shown.removeAll({});  // the fields and the line
        for (const QString& text : shown)
            EXPECT_EQ(text.startsWith('[') && text.endsWith(']'), row == "=") << qPrintable(text);
        QCoreApplication::removeTranslator(&pseudo);
    }
    InstallTranslations({});
}
