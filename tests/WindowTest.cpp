#include "res/DialogTemplate.h"
#include "res/resource.h"
#include "tests/TestSupport.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace {

const QString kTemplateFilter = QStringLiteral("HTML Template files(*.html)|*.html||");

TEST_F(WindowTest, buttonsReadTopToBottomWithTheirCaptions)
{
    SetStoredTemplate("t.html");
    Start();
    QList<QPushButton*> buttons = dlg->findChildren<QPushButton*>();
    std::sort(buttons.begin(), buttons.end(),
              [](auto* a, auto* b) { return a->geometry().top() < b->geometry().top(); });
    QStringList captions;
    for (const QPushButton* button : buttons) {
        captions << button->text();
        EXPECT_FALSE(button->isDefault() || button->autoDefault()) << button->text().toStdString();
        EXPECT_EQ(button->geometry().left(), buttons.front()->geometry().left());
    }
    EXPECT_EQ(captions,
              (QStringList{"New", "   Open...", "Save", "   Save As...", "Build", "   Build As...",
                           "   Template..."}));
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Tasco's Wendle"));
}

TEST_F(WindowTest, tabOrderIsTheCreationOrderAndFocusStartsInTheTitle)
{
    SetStoredTemplate("t.html");
    Start();
    QApplication::setActiveWindow(dlg.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    EXPECT_EQ(QApplication::focusWidget(), dlg->GetDlgItem(IDC_TITLE));

    QList<int> order;
    QWidget* widget = dlg->GetDlgItem(IDC_TITLE);
    for (int i = 0; i < 9; ++i) {
        for (int id = IDC_TITLE; id <= IDC_BUILDAS; ++id)
            if (dlg->GetDlgItem(id) == widget)
                order << id;
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus || !widget->isVisible())
            widget = widget->nextInFocusChain();
    }
    EXPECT_EQ(order,
              (QList<int>{IDC_TITLE, IDC_TEXT, IDC_SAVEAS, IDC_BUILD, IDC_OPEN, IDC_TEMPLATE,
                          IDC_NEW, IDC_SAVE, IDC_BUILDAS}));
}

TEST_F(WindowTest, layoutFollowsTheDialogTemplateInDialogUnits)
{
    SetStoredTemplate("t.html");
    Start();
    const DialogBaseUnits base = BaseUnitsOf(dlg->font());
    EXPECT_EQ(dlg->size(), MapDialogSize({378, 242}, base));
    EXPECT_EQ(dlg->minimumSize(), dlg->maximumSize());
    EXPECT_EQ(dlg->GetDlgItem(IDC_TEXT)->geometry(), MapDialogRect({7, 35, 299, 200}, base));
    EXPECT_EQ(dlg->GetDlgItem(IDC_BUILD)->geometry(), MapDialogRect({321, 75, 50, 14}, base));
    // Each label names its field.
    for (QLabel* label : dlg->findChildren<QLabel*>()) {
        const int field = label->text() == QStringLiteral("Title:") ? IDC_TITLE : IDC_TEXT;
        EXPECT_EQ(label->buddy(), dlg->GetDlgItem(field)) << label->text().toStdString();
    }
    auto* text = qobject_cast<QPlainTextEdit*>(dlg->GetDlgItem(IDC_TEXT));
    EXPECT_EQ(text->lineWrapMode(), QPlainTextEdit::NoWrap);
}

// ---- Start-up and the template name

struct StartCase {
    const char* name;
    std::optional<QByteArray> stored;  // nullopt: no profile file at all
    bool prompts;
    bool cancel;
    QByteArray expectedName;
};

void PrintTo(const StartCase& c, std::ostream* os)
{
    *os << c.name;
}

class StartUp : public WindowTest, public testing::WithParamInterface<StartCase> { };

TEST_P(StartUp, readsOrAsksForTheTemplate)
{
    const StartCase& c = GetParam();
    if (c.stored)
        SetStoredTemplate(*c.stored);
    const QString folder = ws.MakeDir(QStringLiteral("templates"));
    if (c.prompts) {
        if (c.cancel)
            prompt.Cancel();
        else
            prompt.Choose(folder + QStringLiteral("/site.html"));
    }
    Start();
    EXPECT_EQ(dlg->TemplateName(), c.expectedName);
    ASSERT_EQ(prompt.requests().size(), c.prompts ? 1u : 0u);
    if (c.prompts) {
        const auto& request = prompt.requests().front();
        EXPECT_EQ(request.kind, FilePrompt::Kind::Open);
        EXPECT_EQ(request.defaultExtension, QStringLiteral("html"));
        EXPECT_EQ(request.filter, kTemplateFilter);
        EXPECT_EQ(request.owner, nullptr);
        EXPECT_EQ(profile.Read("Template File", "FileName", "notfound"), c.expectedName);
        if (!c.cancel) {
            EXPECT_EQ(QDir::current(), QDir(folder));
        }
    }
    EXPECT_TRUE(messages.errors.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Profiles, StartUp,
    testing::Values(StartCase{"noProfile", std::nullopt, true, false, "site.html"},
                    StartCase{"storedNotfound", "notfound", true, false, "site.html"},
                    StartCase{"cancelledFirstRun", std::nullopt, true, true, ""},
                    StartCase{"storedEmpty", "", false, false, ""},
                    StartCase{"otherCaseIsAName", "NotFound", false, false, "NotFound"},
                    StartCase{"missingFileIsNotChecked", "gone.html", false, false, "gone.html"}),
    [](const testing::TestParamInfo<StartCase>& info) { return std::string(info.param.name); });

TEST_F(WindowTest, cancelledFirstRunIsStoredAndNotAskedAgain)
{
    prompt.Cancel();
    Start();
    EXPECT_EQ(ProfileFile(), "[Template File]\nFileName=\n");
    dlg.reset();
    Start();  // would fail on an unexpected prompt
    EXPECT_EQ(prompt.requests().size(), 1u);
    EXPECT_TRUE(dlg->TemplateName().isEmpty());
}

TEST_F(WindowTest, templateCommandStoresTheBareNameAndMovesTheCurrentDirectory)
{
    SetStoredTemplate("old.html");
    Start();
    const QString folder = ws.MakeDir(QStringLiteral("tpl"));
    prompt.Choose(folder + QStringLiteral("/new.html"));
    Click(IDC_TEMPLATE);
    ASSERT_EQ(prompt.requests().size(), 1u);
    EXPECT_EQ(prompt.requests()[0].owner, dlg.get());
    EXPECT_EQ(prompt.requests()[0].filter, kTemplateFilter);
    EXPECT_EQ(dlg->TemplateName(), "new.html");
    EXPECT_EQ(ProfileFile(), "[Template File]\nFileName=new.html\n");
    EXPECT_EQ(QDir::current(), QDir(folder));

    prompt.Cancel();
    Click(IDC_TEMPLATE);
    EXPECT_EQ(dlg->TemplateName(), "");
    EXPECT_EQ(ProfileFile(), "[Template File]\nFileName=\n");
    EXPECT_EQ(QDir::current(), QDir(folder));
}

// ---- Keys

TEST_F(WindowTest, enterInTheTitleClosesEnterInTheTextBreaksTheLine)
{
    SetStoredTemplate("t.html");
    Start();
    QTest::keyClicks(dlg->GetDlgItem(IDC_TEXT), "one");
    QTest::keyClick(dlg->GetDlgItem(IDC_TEXT), Qt::Key_Return);
    QTest::keyClicks(dlg->GetDlgItem(IDC_TEXT), "two");
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(qobject_cast<QPlainTextEdit*>(dlg->GetDlgItem(IDC_TEXT))->toPlainText(),
              QStringLiteral("one\ntwo"));

    QTest::keyClick(dlg->GetDlgItem(IDC_TITLE), Qt::Key_Return);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
}

TEST_F(WindowTest, escapeClosesTheWindow)
{
    SetStoredTemplate("t.html");
    Start();
    QTest::keyClick(dlg->GetDlgItem(IDC_TEXT), Qt::Key_Escape);
    EXPECT_FALSE(dlg->isVisible());
}

TEST_F(WindowTest, tabLeavesTheTextField)
{
    SetStoredTemplate("t.html");
    Start();
    QApplication::setActiveWindow(dlg.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    dlg->GetDlgItem(IDC_TEXT)->setFocus();
    QTest::keyClick(dlg->GetDlgItem(IDC_TEXT), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dlg->GetDlgItem(IDC_SAVEAS));
    EXPECT_TRUE(qobject_cast<QPlainTextEdit*>(dlg->GetDlgItem(IDC_TEXT))->toPlainText().isEmpty());
}

TEST_F(WindowTest, helpShowsTheNameAndVersion)
{
    SetStoredTemplate("t.html");
    Start();
    QApplication::setActiveWindow(dlg.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    QTest::keyClick(dlg->GetDlgItem(IDC_TITLE), Qt::Key_F1);
    EXPECT_EQ(messages.informs, QStringList{QStringLiteral("Tasco's Wendle v0.5")});
}

}  // namespace
