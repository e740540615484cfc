// Wendle in each language it ships, and in a pseudo-language made at build time from the
// catalogue: each source text accented, 40% longer and between brackets.
#include "app/Translations.h"
#include "app/WendleDlg.h"
#include "project/ProjectFile.h"
#include "services/Errors.h"
#include "services/FileAccess.h"

#include <QtWidgets>

#include <gmock/gmock.h>

TEST(Translations, followTheUserAndFitEveryCaption)
{
    const QTemporaryDir dir;
    qputenv("XDG_STATE_HOME", QFile::encodeName(dir.path()));  // the copies a window leaves
    ProfileStore profile(dir.filePath("w.ini"));
    QStringList shown;
    // The template prompt of the first start, in the first row only: its title and filter.
    struct : FilePrompt {
        QStringList* shown;
        PromptResult Ask(Kind, const QString&, const QString& filter, const QString& title,
                         QWidget*) override
        {
            *shown << title << filter.section('(', 0, 0);
            return {};
        }
    } prompt;
    prompt.shown = &shown;
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
        if (row == "=")
            QCoreApplication::installTranslator(&pseudo);
        Services services{prompt, messages, profile};
        if (row == "=") {  // typing left behind by a window that is gone, offered again below
            const QString stem = dir.filePath("wendle/recovery/window-1-1");
            QDir().mkpath(dir.filePath("wendle/recovery"));
            OutputFile::WriteWhole(stem + ".wendle", EncodeProject({"T", "X", {}}));
            OutputFile::WriteWhole(stem + ".json", R"({"saved": "2026-01-01T10:00:00.000"})");
        }
        CWendleDlg window(services);
        // The questions: their texts, and each button's text clear of its frame (the two columns
        // just inside its frame, left and right, alike: the frame itself is shaded unevenly).
        const auto answer = [&shown] {
            QTimer::singleShot(0, [&shown] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                shown << box->windowTitle() << box->text();
                if (!box->standardButton(box->defaultButton()))  // Qt's own are Qt's
                    shown << box->defaultButton()->text();
                for (QAbstractButton* button : box->buttons()) {
                    const QImage image = button->grab().toImage();
                    int differing = 0;
                    for (int y = 0; y < image.height(); ++y)
                        for (int x : {2, 3})
                            differing += image.pixel(x, y) != image.pixel(image.width() - 1 - x, y);
                    EXPECT_EQ(differing, 0) << qPrintable(button->text());
                }
                box->reject();
            });
        };
        if (row == "=") {
            answer();
            window.OfferRecoveredWork();
        }
        window.findChild<QPlainTextEdit*>()->insertPlainText("x");
        answer();
        window.reject();
        if (row == "=")
            shown << FileError::NoFileChosen().message();
        // Each caption in the room its control draws it in (labels from edge to edge, buttons
        // inside their frame, check boxes after their box), each control inside the window.
        const auto fits = [](const QWidget* widget) {
            const QStyle* style = widget->style();
            const int frames = widget->inherits("QPushButton")
                ? 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth)
                : widget->inherits("QCheckBox") ? style->pixelMetric(QStyle::PM_IndicatorWidth)
                    + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing)
                                                : 0;
            const QString text = widget->property("text").toString().remove('&');
            EXPECT_LE(widget->fontMetrics().horizontalAdvance(text) + frames, widget->width())
                << qPrintable(text);
        };
        shown << window.windowTitle();
        const auto widgets = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* widget : widgets) {
            EXPECT_TRUE(window.rect().contains(widget->geometry()));
            fits(widget);
            shown << widget->property("text").toString();
        }
        // Arabic: buttons | line | fields, each label right of its field.
        const auto at = [&](int i) { return widgets[i]->geometry(); };
        EXPECT_EQ(at(0).left() > at(1).right() && at(2).right() == at(3).right()
                      && at(9).right() < at(7).left() && at(7).right() < at(3).left(),
                  row == "ar=ar");
        // The finder with all its captions (Ctrl+H), mirrored as the window is.
        for (QShortcut* key : window.findChildren<QShortcut*>())
            if (key->key() == QKeySequence(Qt::CTRL | Qt::Key_H))
                emit key->activated();
        const auto* finder = window.findChild<QDialog*>();
        ASSERT_TRUE(finder && finder->isVisible());
        for (const QWidget* widget : finder->findChildren<QWidget*>())
            fits(widget);
        const auto* what = finder->findChild<QLineEdit*>();
        const auto* label = finder->findChild<QLabel*>();
        EXPECT_EQ(label->buddy() == what && label->geometry().left() > what->geometry().right(),
                  row == "ar=ar");
        shown.removeAll({});  // the fields and the line
        for (const QString& text : shown)
            EXPECT_EQ(text.startsWith('[') && text.endsWith(']'), row == "=") << qPrintable(text);
        QCoreApplication::removeTranslator(&pseudo);
        shown.clear();
    }
    InstallTranslations({});
}

TEST(Translations, keepPathsWholeInRightToLeftSentences)
{
    // A path in an Arabic message, laid out by Qt as a message box lays it out: its characters
    // from left to right in their own order, and nothing of the sentence among them.
    ASSERT_EQ(InstallTranslations({"ar"}), "ar");
    const QString path = QStringLiteral("/home/user/site/bad.wendle");
    const QString message =
        FileError(FileError::Action::Read, path, "x").message().section('\n', 0, 0);
    InstallTranslations({});
    QTextLayout layout(message);
    QTextOption option;
    option.setTextDirection(Qt::RightToLeft);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    layout.endLayout();
    // Where each character's glyph is drawn; the isolates are drawn nowhere, or at an edge.
    const auto x = [&line](qsizetype i) {
        const QList<QGlyphRun> runs = line.glyphRuns(int(i), 1);
        return runs.isEmpty() || runs[0].positions().isEmpty() ? std::optional<qreal>()
                                                               : runs[0].positions()[0].x();
    };
    const qsizetype at = message.indexOf(path);
    ASSERT_GE(at, 0);
    std::vector<qreal> xs;
    for (qsizetype i = at; i < at + path.size(); ++i)
        xs.push_back(x(i).value_or(-1));
    EXPECT_TRUE(std::is_sorted(xs.begin(), xs.end(), std::less_equal<>()));
    for (qsizetype i = 0; i < message.size(); ++i)
        EXPECT_TRUE((i >= at && i < at + path.size()) || !x(i) || *x(i) <= xs.front()
                    || *x(i) >= xs.back())
            << "character " << i << " lies inside the path";
}
