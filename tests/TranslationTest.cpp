// Wendle in each language it ships, and in a pseudo-language made at build time from the
// catalogue: each source text accented, 40% longer and between brackets.
#include "app/Translations.h"
#include "app/WendleDlg.h"
#include "res/resource.h"
#include "services/Errors.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <gmock/gmock.h>

namespace {

TEST(Translations, followTheUsersLanguages)
{
    // A region falls back to its language; English before another language keeps English.
    const std::pair<QStringList, QString> rows[] = {
        {{"de_AT"}, "de"}, {{"it", "fr-CA"}, "fr"},   {{"en_US", "de"}, ""},
        {{"it"}, ""},      {{"zh-Hans-CN"}, "zh_CN"}, {{"pt-BR"}, "pt_BR"}};
    for (const auto& [languages, catalogue] : rows) {
        EXPECT_EQ(InstallTranslations(languages), catalogue) << qPrintable(languages.join(':'));
        if (catalogue == "de") {  // Qt's own buttons speak it too
            EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
        }
    }
    InstallTranslations({});
    // The command line, without a window.
    QProcess wendle;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LANGUAGE", "de");
    wendle.setProcessEnvironment(environment);
    wendle.start(WENDLE_BINARY, {"--build", "/nonexistent/p.wendle"});
    ASSERT_TRUE(wendle.waitForFinished());
    EXPECT_EQ(wendle.exitCode(), 1);
    EXPECT_THAT(wendle.readAllStandardError().toStdString(),
                testing::HasSubstr("/nonexistent/p.wendle kann nicht gelesen werden"));
}

TEST(Translations, everyCaptionFitsAndRightToLeftIsMirrored)
{
    QTemporaryDir dir;
    QFile profileFile(dir.filePath("w.ini"));
    ASSERT_TRUE(profileFile.open(QIODevice::WriteOnly));
    profileFile.write("[Template File]\nFileName=t.html\n");
    profileFile.close();
    QtFilePrompt prompt;
    QtMessages messages;
    ProfileStore profile(profileFile.fileName());
    Services services{prompt, messages, profile};
    QTranslator pseudo;
    ASSERT_TRUE(pseudo.load(":/pseudo/wendle_pseudo.qm"));
    for (const QString language : {"pseudo", "de", "fr", "es", "pt_BR", "ja", "zh_CN", "ar"}) {
        SCOPED_TRACE(language.toStdString());
        const bool isPseudo = language == "pseudo";
        ASSERT_EQ(InstallTranslations({language}), isPseudo ? "" : language);
        if (isPseudo)
            QCoreApplication::installTranslator(&pseudo);
        CWendleDlg window(services);
        window.show();
        // Each caption in the room its control draws it in, each control inside the window.
        QStringList shown{window.windowTitle()};
        const auto widgets = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* widget : widgets) {
            EXPECT_TRUE(window.rect().contains(widget->geometry()));
            auto* button = qobject_cast<QPushButton*>(widget);
            if (!button && !qobject_cast<QLabel*>(widget))
                continue;
            const QString text = widget->property("text").toString();
            QStyleOptionButton option;
            option.initFrom(widget);
            const QRect room = !button
                ? widget->contentsRect()
                : button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            EXPECT_LE(widget->fontMetrics().horizontalAdvance(text), room.width())
                << qPrintable(text);
            shown << text;
        }
        if (language == "ar") {  // buttons | line | fields; each label right of its field
            const auto at = [&](int i) { return widgets[i]->geometry(); };
            EXPECT_GT(at(0).left(), at(1).right());
            EXPECT_EQ(at(2).right(), at(3).right());
            EXPECT_LT(window.GetDlgItem(IDC_NEW)->geometry().right(), at(7).left());
            EXPECT_LT(at(7).right(), at(3).left());
        }
        if (isPseudo) {  // the questions, and the messages the window shows
            QTimer::singleShot(0, [&shown] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                shown << box->windowTitle() << box->defaultButton()->text();
                box->escapeButton()->click();
            });
            messages.AskToRestore(&window, "?");
            shown << FileError(FileError::Action::Read, "f", "r").message()
                  << FileError::NoFileChosen().message();
        }
        for (const QString& text : shown)
            EXPECT_EQ(text.startsWith('[') && text.endsWith(']'), isPseudo) << qPrintable(text);
        QCoreApplication::removeTranslator(&pseudo);
    }
    InstallTranslations({});
}

}  // namespace
