// SPDX-License-Identifier: GPL-3.0-or-later
// The translations: every shipped catalogue complete and faithful to the
// English texts' placeholders and access keys; each language's window and
// dialogs with every text whole and every access key once; and the English
// of a desktop without a translation, byte for byte.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "program/app/ProgramTexts.h"
#include "program/app/StringTable.h"
#include "program/dialogs/AboutDlg.h"
#include "program/dialogs/AnalysisDlg.h"
#include "program/dialogs/DiceDlg.h"
#include "program/dialogs/FinishDlg.h"
#include "program/dialogs/GvUpDlg.h"
#include "program/dialogs/HintDlg.h"
#include "program/dialogs/PlayOpts.h"
#include "program/dialogs/StatDlg.h"
#include "program/dialogs/TutorDlg.h"
#include "program/input/Menu.h"
#include "shell/qt/QtStatusBar.h"
#include "shell/qt/Translation.h"
#include "shell/qt/dialogs/DialogViews.h"
#include "shell/qt/dialogs/TablorDialog.h"

#include "ShellFixture.h"

namespace {

constexpr std::array<const char*, 4> LANGUAGES{"de", "es", "fr", "it"};

struct CatalogueEntry {
    QString source;
    QString translation;
    bool finished = false;
};

// The messages of a .ts file of the source tree.
std::vector<CatalogueEntry> ReadCatalogue(const char* language)
{
    std::vector<CatalogueEntry> entries;
    QFile file(QStringLiteral(TABLOR_SOURCE_DIR "/res/translations/tablor_%1.ts").arg(QLatin1String(language)));
    if (!file.open(QIODevice::ReadOnly)) return entries;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"message") {
            entries.emplace_back();
        } else if (xml.name() == u"source" && !entries.empty()) {
            entries.back().source = xml.readElementText();
        } else if (xml.name() == u"translation" && !entries.empty()) {
            entries.back().finished = xml.attributes().value(QStringLiteral("type")).isEmpty();
            entries.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << language << ": " << xml.errorString().toStdString();
    return entries;
}

// The printf and Qt placeholders of a text, in order of their kind.
QStringList Placeholders(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("%[-0-9.]*l?[dscu]|%[1-9]"));
    QStringList found;
    for (const QRegularExpressionMatch& m : pattern.globalMatch(text)) found << m.captured();
    found.sort();
    return found;
}

// The access keys of a text: each letter after a single '&'.
QString AccessKeys(const QString& text)
{
    QString keys;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&') continue;
        if (text[i + 1] != u'&') keys += text[i + 1].toLower();
        ++i;
    }
    return keys;
}

// The patterns of a file-dialog filter ("Name (*.pos)|*.pos|...||"): every second part.
QStringList FilterPatterns(const QString& filter)
{
    QStringList patterns;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 1; i < parts.size(); i += 2) patterns << parts[i];
    return patterns;
}

// The shown text of a control: its access keys' '&' taken out.
QString Shown(QString text) { return text.remove(QRegularExpression(QStringLiteral("&(?!&)"))); }

// Takes every translation out of the application again.
void RemoveTranslations()
{
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

// The texts of the catalogue whose translation differs from the English:
// shown untranslated, they would be English left in the window.
std::set<QString> TranslatedSources(const char* language)
{
    std::set<QString> sources;
    for (const CatalogueEntry& entry : ReadCatalogue(language))
        if (entry.translation != entry.source) sources.insert(entry.source);
    return sources;
}

} // namespace

TEST(Translations, EveryCatalogueTranslatesEveryTextWithItsPlaceholdersAndOneAccessKey)
{
    EnsureShellApplication();
    const std::vector<std::string> program = ProgramTexts();
    ASSERT_GT(program.size(), 150U);
    for (const char* language : LANGUAGES) {
        SCOPED_TRACE(language);
        const std::vector<CatalogueEntry> entries = ReadCatalogue(language);
        ASSERT_FALSE(entries.empty());
        std::map<QString, QString> translations;
        for (const CatalogueEntry& entry : entries) {
            SCOPED_TRACE(entry.source.toStdString());
            EXPECT_TRUE(entry.finished);
            EXPECT_FALSE(entry.translation.isEmpty());
            EXPECT_EQ(Placeholders(entry.translation), Placeholders(entry.source));
            if (AccessKeys(entry.source).size() == 1) {
                EXPECT_EQ(AccessKeys(entry.translation).size(), 1);
            }
            if (AccessKeys(entry.source).isEmpty()) {
                EXPECT_TRUE(AccessKeys(entry.translation).isEmpty());
            }
            EXPECT_EQ(FilterPatterns(entry.translation), FilterPatterns(entry.source));
            EXPECT_EQ(entry.translation.count(u'\n'), entry.source.count(u'\n'));
            translations[entry.source] = entry.translation;
        }
        // Every text of the program is in the catalogue, and the built
        // translation the program carries gives what the catalogue says.
        QTranslator built;
        ASSERT_TRUE(built.load(QStringLiteral(":/i18n/tablor_%1.qm").arg(QLatin1String(language))));
        for (const std::string& text : program) {
            SCOPED_TRACE(text);
            const QString english = QString::fromStdString(text);
            EXPECT_EQ(translations.count(english), 1U);
            EXPECT_EQ(built.translate(TEXT_CONTEXT, text.c_str()), translations[english]);
        }
    }
}

TEST(Translations, TheDesktopsLanguageChoosesTheCatalogueAndEnglishHasNone)
{
    EnsureShellApplication();
    QCoreApplication& application = *QCoreApplication::instance();
    for (const QLocale& english : {QLocale::c(), QLocale(QStringLiteral("en_US")), QLocale(QStringLiteral("en_GB")),
                                   QLocale(QStringLiteral("pt_BR"))}) {
        SCOPED_TRACE(english.name().toStdString());
        EXPECT_EQ(InstallTranslations(application, english), QString());
        EXPECT_TRUE(application.findChildren<QTranslator*>().isEmpty());
    }
    // Without a translation every text is the English one, the very same
    // bytes the program handed in.
    const QtCatalogue catalogue;
    for (const std::string& text : ProgramTexts()) {
        EXPECT_EQ(catalogue.Translate(text.c_str()), text.c_str());
        EXPECT_EQ(Tr(text).toStdString(), text);
    }

    EXPECT_EQ(InstallTranslations(application, QLocale(QStringLiteral("de_DE"))), "tablor_de");
    EXPECT_EQ(std::string(catalogue.Translate("Settings")), "Einstellungen");
    EXPECT_EQ(Tr(PlayOpts::USE_CUBE_TEXT), "&Dopplerwürfel verwenden");
    RemoveTranslations();
    EXPECT_EQ(InstallTranslations(application, QLocale(QStringLiteral("fr_CA"))), "tablor_fr");
    EXPECT_EQ(Tr(PlayOpts::USE_CUBE_TEXT), "Utiliser le &videau");
    RemoveTranslations();
    EXPECT_EQ(Tr(PlayOpts::USE_CUBE_TEXT), "&Use cube");
}

// The language of the desktop this test program runs on, as the game takes
// it at start-up: run by CTest with LANG (and LANGUAGE, LC_ALL) set and the
// translation it must give in TABLOR_EXPECTED_TRANSLATION ("" for English).
TEST(Translations, FollowTheDesktopsLocale)
{
    if (!qEnvironmentVariableIsSet("TABLOR_EXPECTED_TRANSLATION")) GTEST_SKIP() << "run with a locale by CTest";
    EnsureShellApplication();
    EXPECT_EQ(InstallTranslations(*QCoreApplication::instance(), QLocale::system()),
              qEnvironmentVariable("TABLOR_EXPECTED_TRANSLATION"));
    EXPECT_EQ(Tr(PlayOpts::USE_CUBE_TEXT) == QLatin1String(PlayOpts::USE_CUBE_TEXT),
              qEnvironmentVariable("TABLOR_EXPECTED_TRANSLATION").isEmpty());
    RemoveTranslations();
}

// The window in English: the menus and the status bar say exactly the
// program's texts.
class EnglishWindow : public ShellWindow {
protected:
    void SetUp() override
    {
        ShellWindow::SetUp();
        InstallTranslations(*QCoreApplication::instance(), QLocale::c());
    }
};

TEST_F(EnglishWindow, ShowsTheProgramsEnglishTextsByteForByte)
{
    Start("31");
    QStringList titles, shown, stored;
    for (const MenuPopup& popup : MenuBar()) {
        titles << QString::fromUtf8(popup.title);
        for (const MenuItem& item : popup.items) stored << QString::fromStdString(item.StoredText());
    }
    QStringList barTitles;
    for (QAction* action : platform->Frame().menuBar()->actions()) {
        barTitles << action->text();
        for (QAction* item : action->menu()->actions())
            if (!item->isSeparator()) shown << item->text();
    }
    EXPECT_EQ(barTitles, titles);
    EXPECT_EQ(shown, stored);
    EXPECT_EQ(platform->Status().PaneText(0), LoadString(IDS_LEAVE_FROM));
    EXPECT_EQ(platform->List().LineText(1), BannerLine(0));
    EXPECT_EQ(platform->List().LineText(3), BannerLine(2));
}

// One language's window: every dialog opened, every text checked.
class TranslatedWindow : public ShellWindow, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override
    {
        ShellWindow::SetUp();
        RemoveTranslations();
        ASSERT_FALSE(InstallTranslations(*QCoreApplication::instance(), QLocale(QLatin1String(GetParam()))).isEmpty());
        translated = TranslatedSources(GetParam());
    }
    void TearDown() override
    {
        ShellWindow::TearDown();
        RemoveTranslations();
    }

    // Each control's text whole within its width, no English text left,
    // and each access key once among the controls shown together.
    void ExpectReadable(const QWidget& dialog, const std::string& what)
    {
        SCOPED_TRACE(what);
        QString keys;
        const auto check = [&](const QWidget& widget, const QString& text, int width, int needed, bool keyed) {
            SCOPED_TRACE(text.toStdString());
            EXPECT_LE(needed, width) << widget.metaObject()->className();
            EXPECT_EQ(translated.count(text), 0U) << "English left";
            if (keyed) keys += AccessKeys(text);
        };
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            if (!label->isVisibleTo(&dialog) || label->text().isEmpty() || label->wordWrap()) continue;
            const int width = label->contentsRect().width() - 2 * std::max(label->margin(), 0);
            check(*label, label->text(), width, label->fontMetrics().horizontalAdvance(Shown(label->text())),
                  label->buddy() != nullptr);
        }
        for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
            if (!button->isVisibleTo(&dialog) || button->text().isEmpty()) continue;
            // A push button's text within its frame; a check box's or radio
            // button's beside its indicator.
            const int needed = qobject_cast<const QPushButton*>(button) != nullptr
                                   ? button->fontMetrics().horizontalAdvance(Shown(button->text())) +
                                         2 * button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth)
                                   : button->sizeHint().width();
            check(*button, button->text(), button->width(), needed, true);
        }
        for (const QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
            if (!group->isVisibleTo(&dialog) || group->title().isEmpty()) continue;
            check(*group, group->title(), group->width(),
                  group->fontMetrics().horizontalAdvance(Shown(group->title())) + 2 * group->fontMetrics().height(),
                  true);
        }
        for (const QComboBox* combo : dialog.findChildren<QComboBox*>()) {
            if (!combo->isVisibleTo(&dialog)) continue;
            for (int i = 0; i < combo->count(); ++i)
                check(*combo, combo->itemText(i), combo->width(),
                      combo->fontMetrics().horizontalAdvance(combo->itemText(i)), false);
        }
        for (const QTabBar* bar : dialog.findChildren<QTabBar*>())
            for (int i = 0; i < bar->count(); ++i)
                check(*bar, bar->tabText(i), bar->tabRect(i).width(),
                      bar->fontMetrics().horizontalAdvance(Shown(bar->tabText(i))), true);
        if (const auto* own = dynamic_cast<const TablorDialog*>(&dialog)) {
            EXPECT_LE(own->CaptionWidth(), own->width()) << own->windowTitle().toStdString();
            EXPECT_EQ(translated.count(own->windowTitle()), 0U) << own->windowTitle().toStdString();
        }
        std::set<QChar> distinct(keys.begin(), keys.end());
        EXPECT_EQ(distinct.size(), static_cast<std::size_t>(keys.size())) << "access keys " << keys.toStdString();
    }

    // Runs `open`, which shows a modal dialog, checks it and closes it.
    void CheckModal(const std::function<void()>& open, const std::string& what)
    {
        bool seen = false;
        WhenModal<QDialog>([&](QDialog& dialog) {
            seen = true;
            ExpectReadable(dialog, what);
            dialog.reject();
        });
        open();
        EXPECT_TRUE(QTest::qWaitFor([&] { return seen; }, TIMEOUT_MS)) << what;
    }

    std::set<QString> translated;
};

TEST_P(TranslatedWindow, ShowsEveryMenuAndDialogWholeWithItsOwnAccessKeys)
{
    Start("31", "AutoFinish=2\nUseCube=1");
    // The menus: translated, each access key once in the bar and in each menu.
    QString barKeys;
    for (QAction* action : platform->Frame().menuBar()->actions()) {
        SCOPED_TRACE(action->text().toStdString());
        EXPECT_EQ(translated.count(action->text()), 0U);
        barKeys += AccessKeys(action->text());
        QString keys;
        for (QAction* item : action->menu()->actions()) {
            if (item->isSeparator()) continue;
            const QString label = item->text().section(u'\t', 0, 0);
            EXPECT_EQ(translated.count(label), 0U) << label.toStdString();
            EXPECT_EQ(AccessKeys(label).size(), 1) << label.toStdString();
            keys += AccessKeys(label);
        }
        EXPECT_EQ(std::set<QChar>(keys.begin(), keys.end()).size(), static_cast<std::size_t>(keys.size()))
            << keys.toStdString();
    }
    EXPECT_EQ(std::set<QChar>(barKeys.begin(), barKeys.end()).size(), 4U) << barKeys.toStdString();
    EXPECT_EQ(translated.count(QString::fromStdString(platform->Status().PaneText(0))), 0U);

    // The status bar's texts whole in their panes, wherever the English is.
    const QFontMetrics status = platform->StatusWidget().fontMetrics();
    const auto room = [&](int pane) {
        const Rect r = platform->Status().PaneRect(pane);
        return r.right - r.left - 9;
    };
    // A lead of 167 points stands for the widest number.
    const auto filled = [](QString text) { return text.replace(QStringLiteral("%d"), QStringLiteral("167")); };
    const auto expectFits = [&](int pane, const char* english) {
        if (status.horizontalAdvance(filled(QString::fromUtf8(english))) > room(pane)) return;
        const QString text = filled(Tr(english));
        EXPECT_LE(status.horizontalAdvance(text), room(pane)) << text.toStdString();
    };
    for (const int id :
         {IDS_LEAVE_FROM, IDS_MOVE_TO, IDS_CANNOT_MOVE, IDS_THINKING, IDS_MOVING, IDS_UNDO_HINT, IDS_KEEP_ESC})
        expectFits(0, LoadString(id));
    for (const MenuPopup& popup : MenuBar())
        for (const MenuItem& item : popup.items) expectFits(0, LoadString(item.id));
    for (const int id : {IDS_BAR_FIRST, IDS_EVEN, IDS_YOU_LEAD, IDS_COMPUTER_LEADS}) expectFits(2, LoadString(id));

    // The settings sheet, page by page, and the colours dialog.
    CheckModal([&] { QTest::keyClick(&Canvas(), Qt::Key_F9); }, "settings, first page");
    for (int page = 0; page < 4; ++page) {
        bool seen = false;
        WhenModal<QDialog>([&, page](QDialog& sheet) {
            seen = true;
            QTabWidget* tabs = sheet.findChild<QTabWidget*>();
            tabs->setCurrentIndex(page);
            QApplication::processEvents();
            ExpectReadable(sheet, "settings page " + std::to_string(page));
            sheet.reject();
        });
        QTest::keyClick(&Canvas(), Qt::Key_F9);
        ASSERT_TRUE(QTest::qWaitFor([&] { return seen; }, TIMEOUT_MS));
        ASSERT_TRUE(WaitIdle());
    }
    CheckModal([&] { QTest::keyClick(&Canvas(), Qt::Key_C, Qt::ControlModifier); }, "colours");
    ASSERT_TRUE(WaitIdle());

    // The other dialogs on their models.
    QWidget* owner = &platform->Frame();
    GvUpDlg resign(false, false);
    CheckModal([&] { ExecResignDlg(resign, owner); }, "resign");
    FinishDlg finish;
    CheckModal([&] { ExecFinishDlg(finish, owner); }, "auto finish");
    AboutDlg about;
    CheckModal([&] { ExecAboutDlg(about, owner); }, "about");
    DiceDlg dice(3, 4);
    CheckModal([&] { ExecDiceDlg(dice, owner); }, "manual dice");
    GameFigures figures;
    figures.ThinkingTime[HUMAN] = 59 * 60000 + 59000;
    figures.ThinkingTime[COMPUTER] = 61000;
    StatDlg statistics(figures, HUMAN, platform->Texts());
    EXPECT_EQ(statistics.CellText(StatDlg::CELL_IDS[0][5]), "59 min 59 s");
    CheckModal([&] { ExecStatDlg(statistics, owner); }, "statistics");
    AnalysisDlg analysis(MatchGame{}, GameAnalysis{}, platform->Texts());
    CheckModal([&] { ExecAnalysisDlg(analysis, owner); }, "analysis");
    HintDlg hints(6, 5, {{"24/13", 0.25, {}, 2}}, true, true);
    CheckModal([&] { ExecHintDlg(hints, owner); }, "hints");
    TutorDlg tutor(true, 2);
    CheckModal([&] { ExecTutorDlg(tutor, owner); }, "tutor");
    TutorWarning warning(platform->Texts().Translate(LoadString(IDS_TUTOR_DOUBLE)));
    CheckModal([&] { ExecTutorWarning(warning, owner); }, "tutor's warning");
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedWindow, ::testing::ValuesIn(LANGUAGES));
