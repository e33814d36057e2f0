// SPDX-License-Identifier: GPL-3.0-or-later
// The platform's dialogs on the real window: position files saved and opened
// through the file dialogs, the colour chooser, a missing documentation file
// and the help window.

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTextBrowser>

#include "ShellFixture.h"
#include "program/game/Commands.h"
#include "shell/qt/dialogs/HelpWindow.h"

namespace {

// Types a name into the dialog's file name box, as the user does.
void TypeFileName(QFileDialog& dialog, const QString& name)
{
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->setText(name);
}

} // namespace

TEST_F(ShellWindow, PositionSavedAndOpenedThroughTheFileDialogs)
{
    Start("31");
    QTest::keyClick(&Canvas(), Qt::Key_Q);
    QTest::keyClick(&Canvas(), Qt::Key_T);
    ASSERT_TRUE(WaitIdle());
    // Save needs the turn's start: take the move back first (Esc).
    QTest::keyClick(&Canvas(), Qt::Key_Escape);
    ASSERT_TRUE(WaitIdle());
    ASSERT_EQ(wnd->Game().MovesMade, 0);

    bool seen = false;
    WhenModal<QFileDialog>([&](QFileDialog& dialog) {
        seen = true;
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog.nameFilters(), (QStringList{"Position files (*.pos)", "All files (*)"}));
        EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("pos"));
        EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(QFileInfo(dialog.directory().absolutePath()), QFileInfo(folder.path()));
        // The name box proposes the pattern of position files.
        const auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->text(), QStringLiteral("*.pos"));
        TypeFileName(dialog, QStringLiteral("game"));
        static_cast<QDialog&>(dialog).accept();
    });
    QTest::keyClick(&Canvas(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen && !platform->Busy(); }, TIMEOUT_MS));
    ASSERT_TRUE(WaitIdle());
    const QFileInfo saved(folder.filePath(QStringLiteral("game.pos")));
    ASSERT_TRUE(saved.exists());
    EXPECT_EQ(saved.size(), 286);

    // Play a move, then open the saved turn's start again.
    QTest::keyClick(&Canvas(), Qt::Key_Q);
    QTest::keyClick(&Canvas(), Qt::Key_T);
    ASSERT_TRUE(WaitIdle());
    ASSERT_EQ(wnd->Game().board[20].count, 1);
    seen = false;
    WhenModal<QFileDialog>([&](QFileDialog& dialog) {
        seen = true;
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
        TypeFileName(dialog, QStringLiteral("game.pos"));
        static_cast<QDialog&>(dialog).accept();
    });
    platform->Frame().Action(ID_FILE_OPEN)->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen && !platform->Busy(); }, TIMEOUT_MS));
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(wnd->Game().board[20].count, 0);
    EXPECT_EQ(wnd->Game().board[17].count, 3);
    EXPECT_EQ(platform->Frame().windowTitle(), QStringLiteral("Tablor - game.pos"));

    // A cancelled dialog changes nothing.
    WhenModal<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    platform->Frame().Action(ID_FILE_OPEN)->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !platform->Busy() && wnd->Queue().Empty(); }, TIMEOUT_MS));
    EXPECT_EQ(wnd->Game().board[17].count, 3);
}

TEST_F(ShellWindow, MissingDocumentationIsReported)
{
    Start("31");
    QString text;
    WhenModal<QMessageBox>([&](QMessageBox& box) {
        text = box.text();
        EXPECT_EQ(box.icon(), QMessageBox::Warning);
        box.button(QMessageBox::Ok)->click();
    });
    platform->Frame().Action(ID_DOCUMENTATION)->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !text.isEmpty(); }, TIMEOUT_MS));
    EXPECT_EQ(text, QDir(folder.path()).filePath(QStringLiteral("Documentation.htm")) + " not found");
    EXPECT_EQ(platform->OpenDocument(folder.filePath(QStringLiteral("none.htm")).toStdString()), OpenResult::NotFound);
}

// A desktop without a program for web pages (here: none on the PATH): the
// manual is shown in the program's own help window, without a message.
TEST_F(ShellWindow, DocumentationWithoutADesktopProgramShowsInTheHelpWindow)
{
    Start("31");
    Write("Documentation.htm", "<html><body><h1>Tablor manual</h1></body></html>");
    const QByteArray path = qgetenv("PATH");
    QTemporaryDir empty;
    qputenv("PATH", empty.path().toLocal8Bit());
    for (const char* name : {"BROWSER", "DEFAULT_BROWSER"}) qunsetenv(name);
    bool boxShown = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxShown = true;
            box->reject();
        }
    });
    watch.start(10);
    platform->Frame().Action(ID_DOCUMENTATION)->trigger();
    const bool shown = QTest::qWaitFor([] { return HelpBrowser() != nullptr && HelpBrowser()->isVisible(); }, 5000);
    qputenv("PATH", path);
    ASSERT_TRUE(shown);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(HelpBrowser()->source(), QUrl::fromLocalFile(QDir(folder.path()).filePath("Documentation.htm")));
    EXPECT_TRUE(HelpBrowser()->toPlainText().contains(QStringLiteral("Tablor manual")));
    EXPECT_FALSE(boxShown);
    HelpBrowser()->close();
    // A file the help window cannot read is not shown.
    EXPECT_FALSE(platform->ShowDocument(folder.filePath(QStringLiteral("none.htm")).toStdString()));
}

TEST_F(ShellWindow, F1OpensTheHelpWindow)
{
    Start("31");
    QTest::keyClick(&Canvas(), Qt::Key_F1);
    ASSERT_TRUE(WaitIdle());
    ASSERT_NE(HelpBrowser(), nullptr);
    EXPECT_TRUE(HelpBrowser()->isVisible());
    EXPECT_EQ(HelpBrowser()->source(), QUrl(QString::fromLatin1(HelpPage(0))));
    HelpBrowser()->close();
}

TEST_F(ShellWindow, ColourChooserAnswersTheChosenColour)
{
    Start("31");
    WhenModal<QColorDialog>([](QColorDialog& dialog) {
        EXPECT_EQ(dialog.currentColor(), QColor(200, 192, 200));
        dialog.setCurrentColor(QColor(1, 2, 3));
        dialog.accept();
    });
    EXPECT_EQ(platform->ChooseColour(RGB(200, 192, 200)), std::optional<Colour>(RGB(1, 2, 3)));
    WhenModal<QColorDialog>([](QColorDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(platform->ChooseColour(RGB(200, 192, 200)), std::nullopt);
}
