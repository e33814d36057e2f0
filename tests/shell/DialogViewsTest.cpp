// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <cstdio>
#include <fstream>
#include <functional>
#include <limits>
#include <map>

#include "core/files/ColourScheme.h"
#include "program/app/StringTable.h"
#include "program/dialogs/AboutDlg.h"
#include "program/dialogs/AnalysisDlg.h"
#include "program/dialogs/DiceDlg.h"
#include "program/dialogs/FinishDlg.h"
#include "program/dialogs/GvUpDlg.h"
#include "program/dialogs/HintDlg.h"
#include "program/dialogs/StatDlg.h"
#include "program/dialogs/TutorDlg.h"
#include "program/platform/Platform.h"
#include "shell/qt/dialogs/DialogViews.h"
#include "shell/qt/dialogs/HelpWindow.h"
#include "shell/qt/dialogs/Resources.h"
#include "shell/qt/dialogs/TablorDialog.h"

#include "ShellFixture.h"

// The help pages and pictures, wherever the shell's resources were linked.
static void InitResources() { Q_INIT_RESOURCE(tablor); }

namespace {

// Runs `open`, which shows a modal dialog, and `act` on that dialog from
// inside its event loop; returns what `open` returned. A dialog that is
// still open after a few seconds is closed with -1, so a failure cannot hang.
int Drive(const std::function<int()>& open, const std::function<void(QDialog&)>& act, const QWidget* outer = nullptr)
{
    bool acted = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (acted || !dialog || dialog == outer || !dialog->isVisible()) return;
        acted = true;
        poll.stop();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog)) << dialog->windowTitle().toStdString();
        act(*dialog);
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [outer] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog == outer) return;
        ADD_FAILURE() << "a dialog was left open: " << dialog->windowTitle().toStdString();
        dialog->done(-1);
    });
    poll.start();
    guard.start(5000);
    const int result = open();
    EXPECT_TRUE(acted) << "no modal dialog appeared";
    return result;
}

template <typename T = QWidget> T* Control(const QWidget& dialog, int id)
{
    T* control = qobject_cast<T*>(FindControl(&dialog, id));
    EXPECT_NE(control, nullptr) << "control " << id;
    return control;
}

void Click(const QWidget& dialog, int id)
{
    if (auto* button = Control<QAbstractButton>(dialog, id)) QTest::mouseClick(button, Qt::LeftButton);
}

QLabel* LabelWithText(const QWidget& dialog, const char* text)
{
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text() == QString::fromUtf8(text)) return label;
    return nullptr;
}

QImage Face(int value) { return DieFace(value, 32).toImage(); }

QImage Picture(const QWidget& dialog, int id)
{
    auto* label = Control<QLabel>(dialog, id);
    return label ? label->pixmap().toImage() : QImage();
}

class DialogViews : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        EnsureShellApplication();
        InitResources();
    }
};

TEST_F(DialogViews, DieFacesShowTheClassicPipLayouts)
{
    // Pip cells at a quarter, a half and three quarters of the face.
    auto pip = [](int value, int column, int row) {
        const QImage face = Face(value);
        return face.pixelColor(8 + 8 * column, 8 + 8 * row).value() < 64;
    };
    const bool layouts[7][9] = {{},
                                {0, 0, 0, 0, 1, 0, 0, 0, 0},
                                {1, 0, 0, 0, 0, 0, 0, 0, 1},
                                {1, 0, 0, 0, 1, 0, 0, 0, 1},
                                {1, 0, 1, 0, 0, 0, 1, 0, 1},
                                {1, 0, 1, 0, 1, 0, 1, 0, 1},
                                {1, 0, 1, 1, 0, 1, 1, 0, 1}};
    for (int value = 1; value <= 6; ++value)
        for (int cell = 0; cell < 9; ++cell)
            EXPECT_EQ(pip(value, cell % 3, cell / 3), layouts[value][cell]) << value << " cell " << cell;

    for (const int size : {32, 48, 64}) {
        const QImage face = DieFace(4, size).toImage();
        EXPECT_EQ(face.size(), QSize(size, size));
        EXPECT_EQ(face.pixelColor(0, 0).alpha(), 0) << "rounded corner";
        EXPECT_LT(face.pixelColor(size / 2, 0).value(), 128) << "dark border";
        EXPECT_EQ(face.pixelColor(size / 2, size / 8), QColor(Qt::white)) << "white face";
    }
    EXPECT_NE(Face(0), Face(1));
    EXPECT_EQ(Face(0), Face(7)) << "no die: a face without pips";
    // The faces, the play picture and the cursor are pictures of the resources.
    for (int value = 1; value <= 6; ++value)
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/dice/die%1.svg").arg(value))) << value;
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/play.svg")));
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/confirm.svg")));
}

TEST_F(DialogViews, IconsAndCursor)
{
    const QImage play = PlayIcon().pixmap(32).toImage();
    EXPECT_EQ(play.pixelColor(14, 16), QColor(Qt::black)) << "triangle";
    EXPECT_EQ(play.pixelColor(28, 6).alpha(), 0) << "right of the triangle's slope";
    EXPECT_EQ(play.pixelColor(4, 16).alpha(), 0) << "left of the triangle";

    const QIcon program = ProgramIcon();
    EXPECT_TRUE(program.availableSizes().contains(QSize(16, 16)));
    EXPECT_TRUE(program.availableSizes().contains(QSize(256, 256)));
    EXPECT_GT(program.pixmap(32).toImage().pixelColor(16, 16).alpha(), 0);

    const QCursor cursor = ConfirmCursor();
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(1, 1));
    const QImage image = cursor.pixmap().toImage();
    EXPECT_EQ(image.pixelColor(3, 8), QColor(Qt::black)) << "arrow";
    EXPECT_GT(image.pixelColor(23, 23).green(), image.pixelColor(23, 23).red()) << "check mark disc";
    EXPECT_TRUE(QFile::exists(":/tablor.svg"));
}

TEST_F(DialogViews, ResignOffersTheStakesThePositionAllows)
{
    GvUpDlg forced(true, true);
    int result = Drive([&] { return ExecResignDlg(forced, nullptr); },
                       [](QDialog& dialog) {
                           EXPECT_EQ(dialog.windowTitle(), "Resign");
                           EXPECT_EQ(dialog.property(DIALOG_NAME_PROPERTY).toString(), "Resign");
                           EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), "Choose");
                           auto* single = Control<QRadioButton>(dialog, GvUpDlg::ID_SINGLE);
                           auto* gammon = Control<QRadioButton>(dialog, GvUpDlg::ID_GAMMON);
                           auto* backgammon = Control<QRadioButton>(dialog, GvUpDlg::ID_BACKGAMMON);
                           EXPECT_EQ(single->text(), "Single stakes");
                           EXPECT_EQ(gammon->text(), "Gammon");
                           EXPECT_EQ(backgammon->text(), "Backgammon");
                           EXPECT_FALSE(single->isEnabled());
                           EXPECT_FALSE(gammon->isEnabled());
                           EXPECT_TRUE(backgammon->isChecked());
                           EXPECT_EQ(Control<QPushButton>(dialog, 1)->text(), "OK");
                           EXPECT_TRUE(Control<QPushButton>(dialog, 1)->isDefault());
                           EXPECT_EQ(Control<QPushButton>(dialog, 2)->text(), "Cancel");
                           EXPECT_EQ(Control<QPushButton>(dialog, 57670)->text(), "&Help");
                           Click(dialog, 1);
                       });
    EXPECT_EQ(result, GvUpDlg::ID_BACKGAMMON);

    GvUpDlg unforced(false, false);
    result = Drive([&] { return ExecResignDlg(unforced, nullptr); },
                   [](QDialog& dialog) {
                       EXPECT_TRUE(Control<QRadioButton>(dialog, GvUpDlg::ID_SINGLE)->isChecked());
                       Click(dialog, GvUpDlg::ID_GAMMON);
                       Click(dialog, 1);
                   });
    EXPECT_EQ(result, GvUpDlg::ID_GAMMON);
    EXPECT_EQ(unforced.Selected(), GvUpDlg::ID_GAMMON);

    result = Drive([&] { return ExecResignDlg(unforced, nullptr); }, [](QDialog& dialog) { Click(dialog, 2); });
    EXPECT_EQ(result, IDCANCEL);
    result = Drive([&] { return ExecResignDlg(unforced, nullptr); },
                   [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(DialogViews, HelpOpensAtTheDialogsTopic)
{
    GvUpDlg resign(false, false);
    Drive([&] { return ExecResignDlg(resign, nullptr); },
          [](QDialog& dialog) {
              Click(dialog, GvUpDlg::HELP.id);
              ASSERT_NE(HelpBrowser(), nullptr);
              EXPECT_TRUE(HelpBrowser()->isVisible());
              EXPECT_EQ(HelpBrowser()->source().toString(), "qrc:/help/resign.html");
              EXPECT_TRUE(HelpBrowser()->toPlainText().contains("Backgammon"));
              // The help belongs to the modal dialog, so that it is not blocked by it.
              EXPECT_EQ(HelpBrowser()->parentWidget(), &dialog);
              Click(dialog, 2);
          });

    FinishDlg finish;
    Drive([&] { return ExecFinishDlg(finish, nullptr); },
          [](QDialog& dialog) {
              QTest::keyClick(&dialog, Qt::Key_F1);
              ASSERT_NE(HelpBrowser(), nullptr);
              EXPECT_EQ(HelpBrowser()->source().toString(), "qrc:/help/autofinish.html");
              Click(dialog, 2);
          });

    ShowHelp(155, nullptr);
    QTextBrowser* help = HelpBrowser();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->source().toString(), "qrc:/help/settings.html");
    ShowHelp(105, nullptr);
    EXPECT_EQ(HelpBrowser(), help) << "one window, reused";
    EXPECT_EQ(help->source().toString(), "qrc:/help/colours.html");
    ShowHelp(0, nullptr);
    EXPECT_EQ(help->source().toString(), "qrc:/help/index.html");
    ShowHelp(4711, nullptr);
    EXPECT_EQ(help->source().toString(), "qrc:/help/index.html");
    EXPECT_TRUE(help->toPlainText().contains("highest occupied point"));
    delete help;
}

TEST_F(DialogViews, HelpPagesLinkToPagesAndAnchorsThatExist)
{
    const QRegularExpression link(QStringLiteral("href=\"([^\"#]*)(?:#([^\"]*))?\""));
    for (const char* page : {"index", "settings", "colours", "resign", "autofinish"}) {
        QFile file(QStringLiteral(":/help/%1.html").arg(page));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page;
        const QString html = QString::fromUtf8(file.readAll());
        int links = 0;
        for (auto match = link.globalMatch(html); match.hasNext(); ++links) {
            const QRegularExpressionMatch m = match.next();
            const QString target = m.captured(1).isEmpty() ? QStringLiteral("%1.html").arg(page) : m.captured(1);
            QFile linked(":/help/" + target);
            ASSERT_TRUE(linked.open(QIODevice::ReadOnly)) << page << " links to " << target.toStdString();
            if (!m.captured(2).isEmpty()) {
                EXPECT_TRUE(QString::fromUtf8(linked.readAll()).contains("name=\"" + m.captured(2) + "\""))
                    << page << " links to " << target.toStdString() << "#" << m.captured(2).toStdString();
            }
        }
        EXPECT_GE(links, 4) << page << " links to the other pages";
    }
    QFile index(":/help/index.html");
    ASSERT_TRUE(index.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(index.readAll());
    for (const char* shortcut : {"Ctrl+N, F2", "Ctrl+O", "Ctrl+S", "F9", "?", "Esc", "Ctrl+D", "Space", "Ctrl+Space",
                                 "Ctrl+M", "Ctrl+W", "Ctrl+F", "Ctrl+C", "Ctrl+R", "F1"})
        EXPECT_TRUE(text.contains(QStringLiteral("class=\"key\">%1<").arg(shortcut))) << shortcut;
}

TEST_F(DialogViews, AutoFinishAnswersWithTheButtonsId)
{
    FinishDlg model;
    for (const DialogButton& button : FinishDlg::BUTTONS) {
        const int result = Drive([&] { return ExecFinishDlg(model, nullptr); },
                                 [&](QDialog& dialog) {
                                     EXPECT_EQ(dialog.windowTitle(), "Auto finish");
                                     EXPECT_EQ(dialog.property(DIALOG_NAME_PROPERTY).toString(), "AutoFinish");
                                     EXPECT_TRUE(Control<QPushButton>(dialog, FinishDlg::ID_FAST)->isDefault());
                                     EXPECT_EQ(Control<QPushButton>(dialog, button.id)->text(), button.text);
                                     Click(dialog, button.id);
                                 });
        EXPECT_EQ(result, button.id);
    }
    const int escaped = Drive([&] { return ExecFinishDlg(model, nullptr); },
                              [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_EQ(escaped, FinishDlg::ID_CANCEL);
    // A button's underlined letter presses it without Alt as well.
    EXPECT_EQ(Drive([&] { return ExecFinishDlg(model, nullptr); },
                    [](QDialog& dialog) { QTest::keyClick(dialog.focusWidget(), Qt::Key_S); }),
              FinishDlg::ID_SLOW);
    EXPECT_EQ(Drive([&] { return ExecFinishDlg(model, nullptr); },
                    [](QDialog& dialog) { QTest::keyClick(dialog.focusWidget(), Qt::Key_F); }),
              FinishDlg::ID_FAST);
}

// The hints: a table of the plays with the roll above it; the arrows choose
// a play and Play plays it; a roll already played offers no Play, and a
// double click then closes nothing.
TEST_F(DialogViews, HintsListThePlaysAndPlayTheOneChosen)
{
    std::vector<HintRow> rows(3);
    const char* plays[] = {"13/8 24/21*", "24/18", "bar/22 6/off"};
    for (std::size_t k = 0; k < rows.size(); ++k) {
        rows[k].play = plays[k];
        rows[k].equity = 0.1 - 0.05 * static_cast<double>(k);
        rows[k].chances.win = 0.55f;
        rows[k].plies = 2;
    }
    HintDlg model(5, 3, rows, true, true);
    const int result = Drive([&] { return ExecHintDlg(model, nullptr); },
                             [&](QDialog& dialog) {
                                 EXPECT_EQ(dialog.windowTitle(), "Hints");
                                 EXPECT_NE(LabelWithText(dialog, "Your roll: 5-3"), nullptr);
                                 EXPECT_NE(LabelWithText(dialog, HintDlg::CUBEFUL_TEXT), nullptr);
                                 auto* table = Control<QTableWidget>(dialog, HintDlg::IDD);
                                 ASSERT_NE(table, nullptr);
                                 EXPECT_EQ(table->rowCount(), 3);
                                 EXPECT_EQ(table->columnCount(), HintDlg::COLUMNS);
                                 EXPECT_EQ(table->horizontalHeaderItem(1)->text(), "Equity");
                                 EXPECT_EQ(table->item(0, 0)->text(), "13/8 24/21*");
                                 EXPECT_EQ(table->item(2, 2)->text(), "-0.100");
                                 EXPECT_EQ(table->item(1, 3)->text(), "55.0%");
                                 EXPECT_EQ(table->currentRow(), 0);
                                 EXPECT_TRUE(table->hasFocus());
                                 QTest::keyClick(table, Qt::Key_Down);
                                 QTest::keyClick(table, Qt::Key_Down);
                                 EXPECT_EQ(model.Selected(), 2);
                                 EXPECT_TRUE(Control<QPushButton>(dialog, HintDlg::PLAY.id)->isEnabled());
                                 Click(dialog, HintDlg::PLAY.id);
                             });
    EXPECT_EQ(result, HintDlg::PLAY.id);
    EXPECT_EQ(model.Selected(), 2);

    HintDlg played(5, 3, rows, false, false);
    const int closed = Drive([&] { return ExecHintDlg(played, nullptr); },
                             [&](QDialog& dialog) {
                                 EXPECT_NE(LabelWithText(dialog, HintDlg::CUBELESS_TEXT), nullptr);
                                 EXPECT_FALSE(Control<QPushButton>(dialog, HintDlg::PLAY.id)->isEnabled());
                                 auto* table = Control<QTableWidget>(dialog, HintDlg::IDD);
                                 ASSERT_NE(table, nullptr);
                                 const QRect cell = table->visualItemRect(table->item(1, 0));
                                 QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
                                 EXPECT_TRUE(dialog.isVisible());
                                 QTest::keyClick(&dialog, Qt::Key_Escape);
                             });
    EXPECT_EQ(closed, HintDlg::CLOSE.id);
}

// The analysis: the summary per side, the decisions, and under them the
// best plays of the line chosen with the arrows; Esc closes.
TEST_F(DialogViews, AnalysisShowsTheSummaryTheDecisionsAndTheBestPlaysOfTheLineChosen)
{
    MatchGame game;
    MatchAction opening;
    opening.player = HUMAN;
    opening.first = 3;
    opening.second = 1;
    opening.moves = {{17, 20, false}, {19, 20, false}};
    MatchAction reply = opening;
    reply.player = COMPUTER;
    reply.first = 6;
    reply.second = 4;
    reply.moves = {{24, 18, false}, {18, 14, false}};
    game.actions = {opening, reply};
    GameAnalysis analysis;
    Decision first;
    first.player = HUMAN;
    first.first = 3;
    first.second = 1;
    first.best = {{opening.moves, 0.1, 2}, {{{12, 15, false}, {19, 20, false}}, 0.05, 2}};
    Decision second = first;
    second.player = COMPUTER;
    second.action = 1;
    second.first = 6;
    second.second = 4;
    second.loss = 0.0436;
    second.mark = Mark::Doubtful;
    second.best = {{{{24, 18, false}, {13, 9, false}}, 0.01, 2}};
    analysis.decisions = {first, second};
    analysis.sides[HUMAN].decisions = 1;
    analysis.sides[HUMAN].rating = "Supernatural";
    AnalysisDlg model(game, analysis);
    const int result = Drive([&] { return ExecAnalysisDlg(model, nullptr); },
                             [&](QDialog& dialog) {
                                 EXPECT_EQ(dialog.windowTitle(), "Game analysis");
                                 EXPECT_NE(LabelWithText(dialog, AnalysisDlg::UNITS_TEXT), nullptr);
                                 auto* summary = Control<QTableWidget>(dialog, AnalysisDlg::SUMMARY_TABLE);
                                 auto* list = Control<QTableWidget>(dialog, AnalysisDlg::DECISION_TABLE);
                                 auto* best = Control<QTableWidget>(dialog, AnalysisDlg::BEST_TABLE);
                                 ASSERT_TRUE(summary && list && best);
                                 EXPECT_EQ(summary->rowCount(), AnalysisDlg::SUMMARY_ROWS);
                                 EXPECT_EQ(summary->horizontalHeaderItem(1)->text(), "Computer");
                                 EXPECT_EQ(summary->verticalHeaderItem(5)->text(), "Rating");
                                 EXPECT_EQ(summary->item(5, 0)->text(), "Supernatural");
                                 EXPECT_EQ(list->rowCount(), 2);
                                 EXPECT_EQ(list->horizontalHeaderItem(3)->text(), "Played");
                                 EXPECT_EQ(list->item(0, 3)->text(), "8/5 6/5");
                                 EXPECT_EQ(list->item(1, 5)->text(), "43.6");
                                 EXPECT_EQ(list->item(1, 6)->text(), "Doubtful");
                                 EXPECT_EQ(best->rowCount(), 2);
                                 EXPECT_EQ(best->item(1, 0)->text(), "13/10 6/5");
                                 EXPECT_EQ(best->item(1, 2)->text(), "-0.050");
                                 EXPECT_TRUE(list->hasFocus());
                                 QTest::keyClick(list, Qt::Key_Down);
                                 EXPECT_EQ(model.Selected(), 1);
                                 ASSERT_EQ(best->rowCount(), 1);
                                 EXPECT_EQ(best->item(0, 0)->text(), "24/18 13/9");
                                 QTest::keyClick(&dialog, Qt::Key_Escape);
                             });
    EXPECT_EQ(result, AnalysisDlg::CLOSE.id);
}

// The progress window: shown at once without blocking the window under it,
// its bar follows the steps, Cancel is remembered, and it goes when
// destroyed.
TEST_F(DialogViews, TheProgressWindowShowsTheStepsAndTakesCancel)
{
    std::unique_ptr<ProgressWindow> window = OpenProgressWindow("Analyse game", "Judging...", nullptr);
    QPointer<QProgressDialog> dialog;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* progress = qobject_cast<QProgressDialog*>(top)) dialog = progress;
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowModality(), Qt::NonModal);
    EXPECT_EQ(dialog->windowTitle(), "Analyse game");
    EXPECT_EQ(dialog->labelText(), "Judging...");
    window->SetProgress(3, 12);
    EXPECT_EQ(dialog->maximum(), 12);
    EXPECT_EQ(dialog->value(), 3);
    window->SetProgress(12, 12);
    EXPECT_EQ(dialog->value(), 12);
    EXPECT_TRUE(dialog->isVisible()) << "it stays until the work is over";
    EXPECT_FALSE(window->Cancelled());
    auto* cancel = dialog->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), "Cancel");
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_TRUE(window->Cancelled());
    window.reset();
    EXPECT_TRUE(dialog.isNull());
}

// The tutor's dialog: the thresholds only with the tutor on; OK keeps the
// choice. Its warning answers with the button pressed, Esc taking back.
TEST_F(DialogViews, TutorChoosesItsThresholdAndWarnsWithThreeAnswers)
{
    TutorDlg model(false, 2);
    const int result = Drive([&] { return ExecTutorDlg(model, nullptr); },
                             [&](QDialog& dialog) {
                                 auto* on = Control<QCheckBox>(dialog, TutorDlg::ID_ON);
                                 auto* veryBad = Control<QRadioButton>(dialog, TutorDlg::THRESHOLD_IDS[2]);
                                 ASSERT_TRUE(on && veryBad);
                                 EXPECT_FALSE(on->isChecked());
                                 EXPECT_TRUE(Control<QRadioButton>(dialog, TutorDlg::THRESHOLD_IDS[1])->isChecked());
                                 EXPECT_FALSE(veryBad->isEnabled());
                                 on->click();
                                 EXPECT_TRUE(veryBad->isEnabled());
                                 veryBad->click();
                                 Click(dialog, TutorDlg::OK.id);
                             });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(model.On());
    EXPECT_EQ(model.Threshold(), 3);

    TutorWarning warning("Your play 13/7 is bad.");
    EXPECT_EQ(Drive([&] { return ExecTutorWarning(warning, nullptr); },
                    [](QDialog& dialog) {
                        EXPECT_NE(LabelWithText(dialog, "Your play 13/7 is bad."), nullptr);
                        EXPECT_TRUE(Control<QPushButton>(dialog, TutorWarning::TAKE_BACK.id)->isDefault());
                        Click(dialog, TutorWarning::PLAY_ANYWAY.id);
                    }),
              TutorWarning::PLAY_ANYWAY.id);
    EXPECT_EQ(Drive([&] { return ExecTutorWarning(warning, nullptr); },
                    [](QDialog& dialog) { QTest::keyClick(dialog.focusWidget(), Qt::Key_S); }),
              TutorWarning::SHOW_HINT.id);
    EXPECT_EQ(Drive([&] { return ExecTutorWarning(warning, nullptr); },
                    [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }),
              TutorWarning::TAKE_BACK.id);
    // An answer to a double has no hint to show.
    TutorWarning answer("Your take is bad.", false);
    EXPECT_EQ(Drive([&] { return ExecTutorWarning(answer, nullptr); },
                    [](QDialog& dialog) {
                        EXPECT_EQ(FindControl(&dialog, TutorWarning::SHOW_HINT.id), nullptr);
                        QTest::keyClick(dialog.focusWidget(), Qt::Key_S);
                        if (dialog.isVisible()) Click(dialog, TutorWarning::PLAY_ANYWAY.id);
                    }),
              TutorWarning::PLAY_ANYWAY.id);
}

TEST_F(DialogViews, AboutShowsTheTitleInBoldAndTheContactLines)
{
    AboutDlg model;
    const int result =
        Drive([&] { return ExecAboutDlg(model, nullptr); },
              [&](QDialog& dialog) {
                  EXPECT_EQ(dialog.windowTitle(), "About");
                  auto* title = Control<QLabel>(dialog, AboutDlg::ID_TITLE);
                  EXPECT_EQ(title->text().toStdString(), ApplicationTitle());
                  EXPECT_EQ(title->font().weight(), 700);
                  auto* version = Control<QLabel>(dialog, AboutDlg::ID_VERSION);
                  EXPECT_EQ(version->text().toStdString(), AboutVersion());
                  EXPECT_NE(version->font().weight(), 700);
                  EXPECT_EQ(Control<QLabel>(dialog, AboutDlg::ID_DATE)->text().toStdString(), AboutDlg::BuildDate());
                  for (const int id : {AboutDlg::ID_CONTACT_0, AboutDlg::ID_CONTACT_1}) {
                      auto* edit = Control<QLineEdit>(dialog, id);
                      EXPECT_EQ(edit->text().toStdString(), model.Text(id));
                      EXPECT_TRUE(edit->isReadOnly());
                  }
                  EXPECT_EQ(Control<QPushButton>(dialog, 2)->text(), "&OK");
                  Click(dialog, 2);
              });
    EXPECT_EQ(result, 2);
}

TEST_F(DialogViews, ManualDiceFollowTheKeystrokeRules)
{
    DiceDlg model(3, 4);
    const int result = Drive([&] { return ExecDiceDlg(model, nullptr); },
                             [&](QDialog& dialog) {
                                 EXPECT_EQ(dialog.windowTitle(), "Manual dice");
                                 EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), "Enter roll:");
                                 auto* first = Control<QLineEdit>(dialog, 1121);
                                 auto* second = Control<QLineEdit>(dialog, 1122);
                                 ASSERT_TRUE(first && second);
                                 EXPECT_EQ(first->text(), "3");
                                 EXPECT_EQ(second->text(), "4");
                                 EXPECT_EQ(Picture(dialog, 1126), Face(3));
                                 EXPECT_EQ(Picture(dialog, 1127), Face(4));
                                 EXPECT_TRUE(Control<QPushButton>(dialog, IDOK)->isDefault());
                                 ASSERT_EQ(QApplication::focusWidget(), first);
                                 EXPECT_EQ(first->selectedText(), "3");

                                 // One digit fills the box, shows the face and passes the focus on.
                                 QTest::keyClicks(first, "5");
                                 EXPECT_EQ(first->text(), "5");
                                 EXPECT_EQ(Picture(dialog, 1126), Face(5));
                                 EXPECT_EQ(second->selectedText(), "4");

                                 // A letter, or a number that is no die, puts the value back.
                                 ASSERT_EQ(QApplication::focusWidget(), second);
                                 QTest::keyClicks(second, "x");
                                 EXPECT_EQ(second->text(), "4");
                                 EXPECT_EQ(QApplication::focusWidget(), second);
                                 EXPECT_EQ(second->selectedText(), "4");
                                 QTest::keyClick(second, Qt::Key_End);
                                 QTest::keyClicks(second, "7");
                                 EXPECT_EQ(second->text(), "4") << "47 is no die";
                                 EXPECT_EQ(Picture(dialog, 1127), Face(4));
                                 QTest::keyClicks(second, "2");
                                 EXPECT_EQ(second->text(), "2");
                                 EXPECT_EQ(Picture(dialog, 1127), Face(2));
                                 EXPECT_EQ(QApplication::focusWidget(), first);

                                 // An emptied box stays empty; OK is then refused with a prompt and
                                 // the dialog stays open.
                                 QTest::keyClick(first, Qt::Key_Backspace);
                                 EXPECT_EQ(first->text(), "");
                                 Drive(
                                     [&] {
                                         QTest::mouseClick(Control<QPushButton>(dialog, IDOK), Qt::LeftButton);
                                         return 0;
                                     },
                                     [](QDialog& box) {
                                         EXPECT_NE(qobject_cast<QMessageBox*>(&box), nullptr);
                                         EXPECT_TRUE(static_cast<QMessageBox&>(box).text().contains("integer"));
                                         box.accept();
                                     },
                                     &dialog);
                                 EXPECT_TRUE(dialog.isVisible());
                                 EXPECT_EQ(dialog.focusWidget(), first);
                                 QTest::keyClicks(first, "6");
                                 Click(dialog, IDOK);
                             });
    EXPECT_EQ(result, IDOK);
    const DiceOkResult ok = model.OnOk();
    EXPECT_TRUE(ok.accepted);
    EXPECT_EQ(ok.first, 6);
    EXPECT_EQ(ok.second, 2);

    DiceDlg cancelled(1, 6);
    const int answer =
        Drive([&] { return ExecDiceDlg(cancelled, nullptr); }, [](QDialog& dialog) { Click(dialog, IDCANCEL); });
    EXPECT_EQ(answer, IDCANCEL);
    EXPECT_EQ(cancelled.Value(0), 1);
    EXPECT_EQ(cancelled.Value(1), 6);
}

class StatisticsDialog : public DialogViews {
protected:
    void SetUp() override
    {
        figures.PipsRolled = {0, 81, 97};
        figures.DoublesRolled = {0, 2, 3};
        figures.HitsMade = {0, 1, 4};
        figures.ScoreSinceStart = {0, 5, 7};
        figures.Score = {0, -1, 123};
        figures.ThinkingTime = {0, 7000, 75400};
        path = QDir::temp().filePath(QStringLiteral("tablor_statdlg_%1.gph").arg(QCoreApplication::applicationPid()));
    }
    void TearDown() override { QFile::remove(path); }

    // A graph file whose first ten games stand at 80 %; the human's win
    // counted on opening adds an eleventh point.
    void WriteGraph() const
    {
        WinGraph graph;
        graph.games = 10;
        graph.wins = 8;
        for (int i = 0; i < 10; ++i) graph.percent[i] = 80;
        const auto bytes = EncodeWinGraph(graph);
        std::ofstream(path.toStdString(), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    GameFigures figures;
    QString path;
};

TEST_F(StatisticsDialog, ShowsTheFiguresAndTheRollChoice)
{
    StatDlg model(figures, HUMAN);
    const int result =
        Drive([&] { return ExecStatDlg(model, nullptr); },
              [&](QDialog& dialog) {
                  EXPECT_EQ(dialog.windowTitle(), "Statistics");
                  for (const char* heading : StatDlg::COLUMN_HEADINGS)
                      EXPECT_NE(LabelWithText(dialog, heading), nullptr) << heading;
                  for (const char* row : StatDlg::ROW_LABELS) EXPECT_NE(LabelWithText(dialog, row), nullptr) << row;
                  EXPECT_NE(LabelWithText(dialog, "games played"), nullptr);
                  EXPECT_EQ(Control<QLabel>(dialog, StatDlg::ID_GRAPH_END)->text(), "50");
                  for (const auto& row : StatDlg::CELL_IDS)
                      for (const int id : row)
                          EXPECT_EQ(Control<QLabel>(dialog, id)->text().toStdString(), model.CellText(id));
                  EXPECT_EQ(Control<QLabel>(dialog, StatDlg::ID_TIME_HUMAN)->text(), "1 min 15 sec");
                  EXPECT_EQ(Control<QLabel>(dialog, StatDlg::ID_TOTAL_COMPUTER)->text(), "-1");
                  EXPECT_EQ(Control<QPushButton>(dialog, 1)->text(), "&Again");
                  EXPECT_TRUE(Control<QPushButton>(dialog, 1)->isDefault());
                  EXPECT_EQ(Control<QPushButton>(dialog, 2)->text(), "&Quit");
                  EXPECT_TRUE(Control<QRadioButton>(dialog, 1231)->isChecked());
                  EXPECT_EQ(Control<QRadioButton>(dialog, 4)->text(), "&Same rolls");
                  Click(dialog, 4);
                  Click(dialog, 1);
              });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(model.rollChoice, 1);

    model.rollChoice = 0;
    EXPECT_EQ(Drive([&] { return ExecStatDlg(model, nullptr); },
                    [](QDialog& dialog) {
                        Click(dialog, 5);
                        QTest::keyClick(&dialog, Qt::Key_Return);
                    }),
              1);
    EXPECT_EQ(model.rollChoice, 2);

    model.rollChoice = 0;
    EXPECT_EQ(Drive([&] { return ExecStatDlg(model, nullptr); }, [](QDialog& dialog) { Click(dialog, 2); }), 2);
    EXPECT_EQ(Drive([&] { return ExecStatDlg(model, nullptr); },
                    [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }),
              2);
    EXPECT_EQ(model.rollChoice, 0);
}

// Every figure is shown whole with its sign, whatever the counters hold (a
// position file may bring any of them): the text fits its cell, which stays
// where the table puts it.
TEST_F(StatisticsDialog, ShowsEveryFigureWholeWithItsSign)
{
    constexpr int low = std::numeric_limits<int>::min(), high = std::numeric_limits<int>::max();
    figures.PipsRolled = {0, high, low};
    figures.DoublesRolled = {0, low, high};
    figures.HitsMade = {0, high, low};
    figures.ScoreSinceStart = {0, low, -123456789};
    figures.Score = {0, -1234567890, low};
    figures.ThinkingTime = {0, high, high};
    StatDlg wide(figures, HUMAN);
    StatDlg narrow(GameFigures{}, HUMAN);
    std::map<int, QRect> cells;
    Drive([&] { return ExecStatDlg(narrow, nullptr); },
          [&](QDialog& dialog) {
              for (const auto& row : StatDlg::CELL_IDS)
                  for (const int id : row) cells[id] = Control(dialog, id)->geometry();
              Click(dialog, 2);
          });
    Drive(
        [&] { return ExecStatDlg(wide, nullptr); },
        [&](QDialog& dialog) {
            EXPECT_EQ(Control<QLabel>(dialog, StatDlg::ID_TOTAL_HUMAN)->text(), "-2147483648");
            EXPECT_EQ(Control<QLabel>(dialog, StatDlg::ID_TOTAL_COMPUTER)->text(), "-1234567890");
            EXPECT_EQ(Control<QLabel>(dialog, StatDlg::ID_TIME_HUMAN)->text(), "35791 min 23 sec");
            for (const auto& row : StatDlg::CELL_IDS)
                for (const int id : row) {
                    auto* cell = Control<QLabel>(dialog, id);
                    ASSERT_NE(cell, nullptr);
                    EXPECT_EQ(cell->text().toStdString(), wide.CellText(id));
                    EXPECT_LE(QFontMetrics(cell->font()).horizontalAdvance(cell->text()), cell->contentsRect().width())
                        << cell->text().toStdString();
                    EXPECT_EQ(cell->geometry(), cells[id]) << id;
                }
            Click(dialog, 2);
        });
    // Figures that fit keep the dialog's font.
    Drive([&] { return ExecStatDlg(narrow, nullptr); },
          [&](QDialog& dialog) {
              for (const auto& row : StatDlg::CELL_IDS)
                  for (const int id : row) EXPECT_EQ(Control(dialog, id)->font(), dialog.font()) << id;
              Click(dialog, 2);
          });
}

// Esc held to stop Finish game may still be down when the game ends: that
// press and its repeats do not quit; once it is let go, a fresh press does.
TEST_F(StatisticsDialog, AnEscAlreadyDownIsNotQuit)
{
    StatDlg model(figures, HUMAN);
    auto press = [](QDialog& dialog, bool repeat) {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QString(), repeat);
        QApplication::sendEvent(&dialog, &event);
    };
    auto release = [](QDialog& dialog) {
        QKeyEvent event(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&dialog, &event);
    };
    bool openAfterHeld = false, openAfterRepeat = false;
    EXPECT_EQ(Drive([&] { return ExecStatDlg(model, nullptr, true); },
                    [&](QDialog& dialog) {
                        press(dialog, true);
                        press(dialog, false);
                        openAfterHeld = dialog.isVisible();
                        release(dialog);
                        press(dialog, false);
                    }),
              IDCANCEL);
    EXPECT_TRUE(openAfterHeld);

    // Not held at the opening: a repeat alone (a key held since before) is
    // still no press of its own.
    EXPECT_EQ(Drive([&] { return ExecStatDlg(model, nullptr, false); },
                    [&](QDialog& dialog) {
                        press(dialog, true);
                        openAfterRepeat = dialog.isVisible();
                        press(dialog, false);
                    }),
              IDCANCEL);
    EXPECT_TRUE(openAfterRepeat);
}

TEST_F(StatisticsDialog, DrawsTheGraphOnTheBoardsBackground)
{
    WriteGraph();
    StatDlg model(figures, HUMAN);
    WinGraph record{};
    model.OnOpen(path.toStdString(), record);
    ASSERT_EQ(model.GraphRecord().percent[10], 81);

    // The window gives the dialog the board's background colour.
    model.background = DefaultSchemes[2][COLOUR_BACKGROUND];
    const Colour background = model.background;
    const QColor expectedBackground(RedOf(background), GreenOf(background), BlueOf(background));
    Drive([&] { return ExecStatDlg(model, nullptr); },
          [&](QDialog& dialog) {
              const QRect a = Control(dialog, StatDlg::ID_AXIS)->geometry();
              const QRect b = Control(dialog, StatDlg::ID_BASE_LINE)->geometry();
              // The base line crosses the axis and runs on to the right.
              EXPECT_LT(b.left(), a.left());
              EXPECT_GT(b.right(), a.right() + 100);
              EXPECT_LT(a.top(), b.top());
              EXPECT_GT(a.bottom(), b.bottom());

              const GraphLines lines = model.Graph({a.left(), a.top(), a.left() + a.width(), a.top() + a.height()},
                                                   {b.left(), b.top(), b.left() + b.width(), b.top() + b.height()});
              ASSERT_EQ(lines.history.size(), 11u);
              const QImage image = dialog.grab().toImage();
              const GraphPoint p2 = lines.history[2], p3 = lines.history[3];
              ASSERT_EQ(p2.y, p3.y);
              EXPECT_EQ(image.pixelColor((p2.x + p3.x) / 2, p2.y), QColor(Qt::white)) << "the history";
              const int fiftyX = (lines.history.back().x + lines.fiftyTo.x) / 2;
              EXPECT_EQ(image.pixelColor(fiftyX, lines.fiftyFrom.y), QColor(Qt::black)) << "the 50 % line";
              EXPECT_EQ(image.pixelColor(fiftyX, (lines.fiftyFrom.y + p2.y) / 2), expectedBackground);
              EXPECT_EQ(dialog.palette().color(QPalette::Window), expectedBackground);
              Click(dialog, 2);
          });
}

} // namespace
