// SPDX-License-Identifier: GPL-3.0-or-later
// The settings sheet and the colours dialog on the real window: what they
// show, what OK applies (live and in the settings file), what Cancel keeps,
// the checks of the pages, and the board following the colours while the
// colours dialog is open.

#include <QAbstractButton>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>

#include <map>
#include <memory>
#include <utility>

#include "ShellFixture.h"
#include "core/neural/WeightsFile.h"
#include "program/dialogs/BackgClr.h"
#include "program/dialogs/DiceOpts.h"
#include "program/dialogs/PlayOpts.h"
#include "program/dialogs/SettingSheet.h"
#include "program/dialogs/SndOpts.h"
#include "program/dialogs/VisOpts.h"
#include "program/game/Commands.h"
#include "shell/qt/PanelControls.h"
#include "shell/qt/dialogs/HelpWindow.h"
#include "shell/qt/dialogs/TablorDialog.h"

namespace {

template <typename T = QWidget> T* Find(const QWidget& dialog, int id)
{
    T* control = qobject_cast<T*>(FindControl(&dialog, id));
    EXPECT_NE(control, nullptr) << "control " << id;
    return control;
}

// Clicks a button where it reacts: a check box or radio button on its box,
// since its widget can be wider than its box and text.
void ClickId(const QWidget& dialog, int id)
{
    auto* button = Find<QAbstractButton>(dialog, id);
    if (button == nullptr) return;
    QPoint where = button->rect().center();
    const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
    if (radio || qobject_cast<QCheckBox*>(button) != nullptr) {
        QStyleOptionButton option;
        option.initFrom(button);
        where = button->style()
                    ->subElementRect(radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option,
                                     button)
                    .center();
    }
    QTest::mouseClick(button, Qt::LeftButton, {}, where);
}

bool Checked(const QWidget& dialog, int id)
{
    auto* button = Find<QAbstractButton>(dialog, id);
    return button != nullptr && button->isChecked();
}

QString TextOf(const QWidget& dialog, int id)
{
    auto* edit = Find<QLineEdit>(dialog, id);
    return edit != nullptr ? edit->text() : QString();
}

// Replaces the text of an edit box as the user does: select all, type.
void Type(const QWidget& dialog, int id, const char* text)
{
    auto* edit = Find<QLineEdit>(dialog, id);
    if (edit == nullptr) return;
    edit->setFocus();
    edit->selectAll();
    if (*text == '\0')
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

QTabWidget& Tabs(const QDialog& sheet) { return *sheet.findChild<QTabWidget*>(); }

// Clicks the tab of `page`, as the user does.
void ClickTab(const QDialog& sheet, int page)
{
    QTabBar* bar = Tabs(sheet).tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
}

QColor Background(const QWidget& label) { return label.palette().color(QPalette::Window); }
QColor TextColour(const QWidget& label) { return label.palette().color(QPalette::WindowText); }

// Answers the next message box with OK and keeps its text.
void AnswerPrompt(const std::shared_ptr<QString>& text)
{
    WhenModal<QMessageBox>([text](QMessageBox& box) {
        *text = box.text();
        EXPECT_EQ(box.icon(), QMessageBox::Warning);
        box.accept();
    });
}

// The Expert's weights file the program finds at start-up, for one test.
class WeightsAt {
public:
    explicit WeightsAt(const std::string& path) { ::setenv("TABLOR_WEIGHTS", path.c_str(), 1); }
    ~WeightsAt() { ::unsetenv("TABLOR_WEIGHTS"); }
    WeightsAt(const WeightsAt&) = delete;
    WeightsAt& operator=(const WeightsAt&) = delete;
};

// Whether the choice `index` of a combo box can be chosen.
bool ItemEnabled(QComboBox& box, int index)
{
    auto* items = qobject_cast<QStandardItemModel*>(box.model());
    return items != nullptr && items->item(index) != nullptr && items->item(index)->isEnabled();
}

} // namespace

class SettingsViews : public ShellWindow {
protected:
    // Opens a dialog with a key on the board, runs `act` on it from inside
    // its loop, and waits until the program has finished the command.
    void OpenWith(Qt::Key key, Qt::KeyboardModifiers modifiers, const std::function<void(QDialog&)>& act)
    {
        auto seen = std::make_shared<bool>(false);
        WhenModal<QDialog>([seen, act](QDialog& dialog) {
            *seen = true;
            act(dialog);
        });
        QTest::keyClick(&Canvas(), key, modifiers);
        ASSERT_TRUE(QTest::qWaitFor([seen] { return *seen; }, TIMEOUT_MS));
        ASSERT_TRUE(WaitIdle());
    }
    void OpenSheet(const std::function<void(QDialog&)>& act) { OpenWith(Qt::Key_F9, {}, act); }
    void OpenColours(const std::function<void(QDialog&)>& act) { OpenWith(Qt::Key_C, Qt::ControlModifier, act); }

    // The settings file as key=value per "Section/Key".
    std::map<std::string, std::string> Ini() const
    {
        std::map<std::string, std::string> values;
        QFile file(folder.filePath(QStringLiteral("tablorw.ini")));
        if (!file.open(QIODevice::ReadOnly)) return values;
        std::string section;
        for (const QByteArray& raw : file.readAll().split('\n')) {
            const std::string line = raw.trimmed().toStdString();
            if (line.size() > 1 && line.front() == '[') {
                section = line.substr(1, line.size() - 2);
            } else if (const std::size_t eq = line.find('='); eq != std::string::npos) {
                values[section + "/" + line.substr(0, eq)] = line.substr(eq + 1);
            }
        }
        return values;
    }
};

TEST_F(SettingsViews, SheetShowsTheLiveSettingsAndOkAppliesThePagesShown)
{
    const WeightsAt none((folder.path() + "/none.tnw").toStdString());
    Start("31", "ShowProgress=0\nHighLight=1\nAutoFinish=1\nLevelOfPlay=2\nUseCube=0\n[Game]\nHuman=5\nComputer=3");
    ASSERT_FALSE(platform->CubeWidget().isEnabled());
    ActiveWindow active = ActiveWindow::Main;
    QString help;
    OpenSheet([&](QDialog& sheet) {
        active = platform->Active();
        EXPECT_EQ(sheet.windowTitle(), "Settings");
        EXPECT_EQ(sheet.property(DIALOG_NAME_PROPERTY).toString(), "SettingSheet");
        QTabWidget& tabs = Tabs(sheet);
        QStringList titles;
        for (int i = 0; i < tabs.count(); ++i) titles << tabs.tabText(i);
        EXPECT_EQ(titles, (QStringList{"Visual", "Game", "Dice", "Sounds"}));
        EXPECT_EQ(tabs.currentIndex(), SettingSheet::PAGE_VISUAL);
        EXPECT_TRUE(Find<QPushButton>(sheet, 1)->isDefault());
        for (const QPushButton* button : sheet.findChildren<QPushButton*>())
            EXPECT_FALSE(button->text().contains("Apply"));
        ClickId(sheet, SettingSheet::HELP.id);
        if (HelpBrowser() != nullptr) help = HelpBrowser()->source().toString();

        // The Visual page: the speed as stored, the boxes and the groups.
        EXPECT_EQ(TextOf(sheet, VisOpts::ID_SPEED), "50");
        auto* speed = Find<QLineEdit>(sheet, VisOpts::ID_SPEED);
        QStringList speedLabels;
        for (const QLabel* label : sheet.findChildren<QLabel*>())
            if (label->buddy() == speed) speedLabels << label->text();
        EXPECT_EQ(speedLabels, QStringList{"S&peed of pieces"});
        EXPECT_FALSE(Checked(sheet, VisOpts::ID_SHOW_PROGRESS));
        EXPECT_TRUE(Checked(sheet, VisOpts::ID_DICE_AS_ICONS));
        EXPECT_TRUE(Checked(sheet, VisOpts::ID_HIT_SHAKE));
        EXPECT_FALSE(Checked(sheet, VisOpts::ID_CLOCK_WISE));
        EXPECT_TRUE(Checked(sheet, VisOpts::AUTO_FINISH_IDS[1]));
        EXPECT_TRUE(Checked(sheet, VisOpts::HIGH_LIGHT_IDS[1]));
        Type(sheet, VisOpts::ID_SPEED, "20");
        ClickId(sheet, VisOpts::ID_DICE_AS_ICONS);
        ClickId(sheet, VisOpts::ID_SHOW_PROGRESS);
        ClickId(sheet, VisOpts::HIGH_LIGHT_IDS[0]);

        // The Game page, loaded when it is first shown.
        ClickTab(sheet, SettingSheet::PAGE_GAME);
        EXPECT_EQ(tabs.currentIndex(), SettingSheet::PAGE_GAME);
        auto* skill = Find<QComboBox>(sheet, PlayOpts::ID_SKILL);
        EXPECT_EQ(skill->count(), 4);
        EXPECT_EQ(skill->itemText(3), "Expert");
        EXPECT_TRUE(ItemEnabled(*skill, 2));
        EXPECT_FALSE(ItemEnabled(*skill, 3)) << "the Expert has no weights";
        EXPECT_EQ(skill->currentText(), "Good");
        EXPECT_TRUE(Checked(sheet, PlayOpts::FIRST_MOVE_IDS[2]));
        EXPECT_EQ(TextOf(sheet, PlayOpts::ID_SCORE_HUMAN), "5");
        EXPECT_EQ(TextOf(sheet, PlayOpts::ID_SCORE_COMPUTER), "3");
        EXPECT_TRUE(Find<QLineEdit>(sheet, PlayOpts::ID_SCORE_HUMAN)->isReadOnly());
        skill->setCurrentIndex(1);
        ClickId(sheet, PlayOpts::ID_USE_CUBE);
        ClickId(sheet, PlayOpts::FIRST_MOVE_IDS[0]);
        ClickId(sheet, 1);
    });
    EXPECT_EQ(active, ActiveWindow::SettingSheet);
    EXPECT_EQ(help, QString::fromLatin1(HelpPage(HELP_SETTINGS)));

    EXPECT_EQ(wnd->Options().SpeedSetting(), 20);
    EXPECT_EQ(wnd->Options().Speed, 30);
    EXPECT_EQ(wnd->Options().DiceAsIcons, 0);
    EXPECT_EQ(wnd->Options().ShowProgress, 1);
    EXPECT_EQ(wnd->Options().HighLight, 0);
    EXPECT_EQ(wnd->Options().AutoFinish, 1);
    EXPECT_EQ(wnd->Options().LevelOfPlay, 1);
    EXPECT_EQ(wnd->Options().UseCube, 1);
    EXPECT_EQ(wnd->Options().FirstMoveBy, 0);
    EXPECT_EQ(wnd->Options().Score[HUMAN], 5) << "the scores are only shown";
    // The cube button follows "Use cube" at once.
    EXPECT_TRUE(platform->CubeWidget().isEnabled());

    auto ini = Ini();
    EXPECT_EQ(ini["Options/Speed"], "20");
    EXPECT_EQ(ini["Options/DiceAsIcons"], "0");
    EXPECT_EQ(ini["Options/HighLight"], "0");
    EXPECT_EQ(ini["Options/LevelOfPlay"], "1");
    EXPECT_EQ(ini["Options/UseCube"], "1");
    EXPECT_EQ(ini["Options/FirstMoveBy"], "0");
    EXPECT_EQ(ini["Game/Human"], "5");
    // The pages never shown wrote nothing.
    EXPECT_EQ(ini["Options/DiceMode"], "2");
    EXPECT_EQ(ini.count("Sounds/DiceSoundActive"), 0u);
    EXPECT_EQ(ini.count("Options/ClockWise"), 0u);
}

// The score boxes show every total the settings file can hold whole, the
// minus sign included: the text fits the box, so nothing of it scrolls away.
TEST_F(SettingsViews, TheScoreBoxesShowTheWholeTotalWithItsSign)
{
    Start("31", "[Game]\nHuman=-2147483648\nComputer=2147483647");
    OpenSheet([&](QDialog& sheet) {
        ClickTab(sheet, SettingSheet::PAGE_GAME);
        for (const auto& [id, text] : {std::pair{PlayOpts::ID_SCORE_HUMAN, "-2147483648"},
                                       std::pair{PlayOpts::ID_SCORE_COMPUTER, "2147483647"}}) {
            auto* edit = Find<QLineEdit>(sheet, id);
            ASSERT_NE(edit, nullptr);
            EXPECT_EQ(edit->text(), text);
            // The room a line edit draws its text in: its contents less the
            // text margins and the two pixels it keeps at either side.
            QStyleOptionFrame frame;
            frame.initFrom(edit);
            frame.rect = edit->rect();
            frame.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, edit);
            const QRect contents = edit->style()
                                       ->subElementRect(QStyle::SE_LineEditContents, &frame, edit)
                                       .marginsRemoved(edit->textMargins());
            EXPECT_LE(edit->fontMetrics().horizontalAdvance(edit->text()), contents.width() - 4) << text;
        }
        ClickId(sheet, 2);
    });
}

TEST_F(SettingsViews, TheExpertCanBeChosenWithItsWeights)
{
    Networks nets;
    nets.contact = Network::Random(32, 3);
    nets.race = Network::Random(16, 4);
    const std::string weights = (folder.path() + "/expert.tnw").toStdString();
    ASSERT_TRUE(SaveNetworks(weights, nets));
    const WeightsAt given(weights);
    Start("31", "LevelOfPlay=0");
    OpenSheet([&](QDialog& sheet) {
        ClickTab(sheet, SettingSheet::PAGE_GAME);
        auto* skill = Find<QComboBox>(sheet, PlayOpts::ID_SKILL);
        EXPECT_TRUE(ItemEnabled(*skill, 3));
        EXPECT_EQ(skill->currentText(), "Poor");
        skill->setCurrentIndex(3);
        ClickId(sheet, 1);
    });
    EXPECT_EQ(wnd->Options().LevelOfPlay, 3);
    EXPECT_EQ(Ini()["Options/LevelOfPlay"], "3");
}

TEST_F(SettingsViews, CancelAppliesNothingAndTheSheetReopensOnItsLastPage)
{
    Start("31");
    const auto before = Ini();
    OpenSheet([](QDialog& sheet) {
        Type(sheet, VisOpts::ID_SPEED, "5");
        ClickId(sheet, VisOpts::ID_CLOCK_WISE);
        ClickTab(sheet, SettingSheet::PAGE_DICE);
        ClickId(sheet, DiceOpts::SOURCE_IDS[0]);
        ClickId(sheet, 2);
    });
    EXPECT_EQ(wnd->Options().SpeedSetting(), 50);
    EXPECT_EQ(wnd->Options().ClockWise, 0);
    EXPECT_EQ(wnd->Options().DiceMode, 2);
    EXPECT_EQ(wnd->Game().dice->mode, 2);
    EXPECT_EQ(Ini(), before);

    // Esc cancels as well; the sheet opens on the page it was closed on.
    int page = -1;
    QString speed;
    std::vector<int> pagesByKey;
    OpenSheet([&](QDialog& sheet) {
        page = Tabs(sheet).currentIndex();
        EXPECT_TRUE(Checked(sheet, DiceOpts::SOURCE_IDS[2]));
        // The page keys work wherever the focus is, in a list box too. They
        // are shortcuts of the sheet's window, which a busy machine may not
        // have made active yet.
        sheet.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet));
        QWidget* first = sheet.focusWidget() != nullptr ? sheet.focusWidget() : &sheet;
        QTest::keyClick(first, Qt::Key_Tab, Qt::ControlModifier);
        pagesByKey.push_back(Tabs(sheet).currentIndex());
        QWidget* list = Find<QWidget>(sheet, SndOpts::ID_EVENT);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Tab, Qt::ControlModifier);
        pagesByKey.push_back(Tabs(sheet).currentIndex());
        QTest::keyClick(list, Qt::Key_PageUp, Qt::ControlModifier);
        pagesByKey.push_back(Tabs(sheet).currentIndex());
        ClickTab(sheet, SettingSheet::PAGE_VISUAL);
        speed = TextOf(sheet, VisOpts::ID_SPEED);
        ClickId(sheet, VisOpts::ID_HIT_SHAKE);
        QTest::keyClick(&sheet, Qt::Key_Escape);
    });
    EXPECT_EQ(page, SettingSheet::PAGE_DICE);
    EXPECT_EQ(pagesByKey,
              (std::vector<int>{SettingSheet::PAGE_SOUNDS, SettingSheet::PAGE_VISUAL, SettingSheet::PAGE_SOUNDS}));
    EXPECT_EQ(speed, "50");
    EXPECT_EQ(wnd->Options().HitShake, 1);
    EXPECT_EQ(Ini(), before);
}

TEST_F(SettingsViews, ABadSpeedKeepsTheSheetOnTheVisualPage)
{
    Start("31");
    auto prompt = std::make_shared<QString>();
    bool stayed = false, focused = false, selected = false, refusedOk = false;
    QString integerPrompt;
    OpenSheet([&](QDialog& sheet) {
        auto* speed = Find<QLineEdit>(sheet, VisOpts::ID_SPEED);
        Type(sheet, VisOpts::ID_SPEED, "0");
        // Another tab is refused: the prompt, and back to the page with the
        // field focused and selected.
        AnswerPrompt(prompt);
        ClickTab(sheet, SettingSheet::PAGE_SOUNDS);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !prompt->isEmpty(); }, 5000));
        stayed = Tabs(sheet).currentIndex() == SettingSheet::PAGE_VISUAL;
        focused = sheet.focusWidget() == speed;
        selected = speed->selectedText() == "0";

        // OK with a speed that is no integer is refused as well.
        auto second = std::make_shared<QString>();
        AnswerPrompt(second);
        Type(sheet, VisOpts::ID_SPEED, "fast");
        ClickId(sheet, 1);
        integerPrompt = *second;
        refusedOk = sheet.isVisible() && Tabs(sheet).currentIndex() == SettingSheet::PAGE_VISUAL;

        Type(sheet, VisOpts::ID_SPEED, "7");
        ClickTab(sheet, SettingSheet::PAGE_SOUNDS);
        EXPECT_EQ(Tabs(sheet).currentIndex(), SettingSheet::PAGE_SOUNDS);
        ClickId(sheet, 1);
    });
    EXPECT_EQ(*prompt, "Please enter an integer between 1 and 50.");
    EXPECT_TRUE(stayed);
    EXPECT_TRUE(focused);
    EXPECT_TRUE(selected);
    EXPECT_EQ(integerPrompt, "Please enter an integer.");
    EXPECT_TRUE(refusedOk);
    EXPECT_EQ(wnd->Options().SpeedSetting(), 7);
    EXPECT_EQ(Ini()["Options/Speed"], "7");
}

TEST_F(SettingsViews, DicePageEnablesThePathOnlyForTheRollsFile)
{
    Start("31");
    Write("other.txt", "6543");
    std::vector<bool> enabled;
    QStringList filters;
    OpenSheet([&](QDialog& sheet) {
        ClickTab(sheet, SettingSheet::PAGE_DICE);
        auto* path = Find<QLineEdit>(sheet, DiceOpts::ID_PATH);
        auto* browse = Find<QPushButton>(sheet, DiceOpts::ID_BROWSE);
        EXPECT_EQ(browse->text(), "...");
        EXPECT_EQ(Find<QAbstractButton>(sheet, DiceOpts::SOURCE_IDS[2])->text(), "&Read from file:");
        EXPECT_TRUE(Checked(sheet, DiceOpts::SOURCE_IDS[2]));
        EXPECT_EQ(path->text(), "rolls.txt");
        enabled.push_back(path->isEnabled() && browse->isEnabled());
        ClickId(sheet, DiceOpts::SOURCE_IDS[1]);
        enabled.push_back(path->isEnabled() || browse->isEnabled());
        ClickId(sheet, DiceOpts::SOURCE_IDS[2]);
        enabled.push_back(path->isEnabled() && browse->isEnabled());

        // "..." puts the chosen file's full path into the box.
        WhenModal<QFileDialog>([&](QFileDialog& dialog) {
            filters = dialog.nameFilters();
            EXPECT_EQ(dialog.parentWidget(), &sheet) << "owned by the page";
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(QStringLiteral("other.txt"));
            static_cast<QDialog&>(dialog).accept();
        });
        ClickId(sheet, DiceOpts::ID_BROWSE);
        EXPECT_EQ(QFileInfo(path->text()), QFileInfo(folder.filePath(QStringLiteral("other.txt"))));
        ClickId(sheet, DiceOpts::SOURCE_IDS[1]);
        ClickId(sheet, 1);
    });
    EXPECT_EQ(enabled, (std::vector<bool>{true, false, true}));
    EXPECT_EQ(filters, (QStringList{"Text files (*.txt)", "All files (*)"}));
    EXPECT_EQ(wnd->Options().DiceMode, 1);
    EXPECT_EQ(wnd->Game().dice->mode, 1);
    EXPECT_EQ(QFileInfo(QString::fromStdString(wnd->Options().RollsList)),
              QFileInfo(folder.filePath(QStringLiteral("other.txt"))));
    auto ini = Ini();
    EXPECT_EQ(ini["Options/DiceMode"], "1");
    EXPECT_EQ(ini["Options/RollsList"], wnd->Options().RollsList);
}

TEST_F(SettingsViews, SoundsPageEditsEachEventAndPlaysItsFile)
{
    Start("31");
    QString shownAgain, diceShown;
    bool activeAgain = true;
    OpenSheet([&](QDialog& sheet) {
        ClickTab(sheet, SettingSheet::PAGE_SOUNDS);
        auto* event = Find<QComboBox>(sheet, SndOpts::ID_EVENT);
        auto* active = Find<QCheckBox>(sheet, SndOpts::ID_ACTIVE);
        auto* play = Find<QPushButton>(sheet, SndOpts::ID_PLAY);
        EXPECT_EQ(event->count(), 5);
        EXPECT_EQ(event->currentText(), "Dice roll");
        EXPECT_EQ(TextOf(sheet, SndOpts::ID_PATH), "dice.wav");
        EXPECT_EQ(active->layoutDirection(), Qt::RightToLeft) << "the text stands left of the box";
        EXPECT_FALSE(active->isChecked());
        EXPECT_FALSE(play->icon().isNull());

        event->setCurrentIndex(SOUND_MOVE);
        EXPECT_EQ(TextOf(sheet, SndOpts::ID_PATH), "piece.wav");
        QTest::mouseClick(active, Qt::LeftButton);
        Type(sheet, SndOpts::ID_PATH, "bang.wav");
        ClickId(sheet, SndOpts::ID_PLAY);
        event->setCurrentIndex(SOUND_DICE);
        diceShown = TextOf(sheet, SndOpts::ID_PATH);
        activeAgain = active->isChecked();
        event->setCurrentIndex(SOUND_MOVE);
        shownAgain = TextOf(sheet, SndOpts::ID_PATH);
        EXPECT_TRUE(active->isChecked());
        ClickId(sheet, 1);
    });
    EXPECT_EQ(diceShown, "dice.wav");
    EXPECT_FALSE(activeAgain);
    EXPECT_EQ(shownAgain, "bang.wav");
    EXPECT_EQ(platform->Sound().LastPath(), "bang.wav") << "the play button plays the page's path";
    EXPECT_EQ(wnd->Options().SoundFile[SOUND_MOVE], "bang.wav");
    EXPECT_EQ(wnd->Options().SoundActive[SOUND_MOVE], 1);
    EXPECT_EQ(wnd->Options().SoundActive[SOUND_DICE], 0);
    auto ini = Ini();
    EXPECT_EQ(ini["Sounds/MoveSound"], "bang.wav");
    EXPECT_EQ(ini["Sounds/MoveSoundActive"], "1");
    EXPECT_EQ(ini["Sounds/LoseSound"], "youlose.wav") << "all ten keys are written";
}

TEST_F(SettingsViews, ColourDialogPaintsTheSchemeAndTheBoardFollowsIt)
{
    Start("31");
    const QPoint humanPiece = PieceCentre(1, 1);
    const ColourSet schemeC = DefaultSchemes[2];
    OpenColours([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Choose or edit a color scheme");
        // Wide enough for the whole caption in a title bar's bold font, beside
        // the window's icon and buttons.
        EXPECT_GE(dialog.width(), static_cast<TablorDialog&>(dialog).CaptionWidth());
        QFont bold = dialog.font();
        bold.setBold(true);
        // Openbox's title bar takes an icon, three buttons and the caption in
        // a font a quarter larger.
        const int bar = dialog.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &dialog);
        EXPECT_GE(dialog.width(), QFontMetrics(bold).horizontalAdvance(dialog.windowTitle()) * 5 / 4 + 4 * bar);
        EXPECT_EQ(dialog.property(DIALOG_NAME_PROPERTY).toString(), "Colours");
        EXPECT_EQ(platform->Active(), ActiveWindow::Colours);
        const QColor normalText = dialog.palette().color(QPalette::WindowText);
        for (int i = 0; i < SCHEME_COLOURS; ++i)
            EXPECT_EQ(Background(*Find<QLabel>(dialog, BackgClr::LABEL_IDS[i])), ToQColor(DefaultSchemes[0][i])) << i;
        // 128 + 128 + 0 is dark enough for white text; 192 * 3 is not.
        EXPECT_EQ(TextColour(*Find<QLabel>(dialog, 1013)), QColor(Qt::white));
        EXPECT_EQ(TextColour(*Find<QLabel>(dialog, 1012)), normalText);
        auto* list = Find<QComboBox>(dialog, BackgClr::ID_SCHEME_LIST);
        EXPECT_EQ(list->count(), 4);
        EXPECT_EQ(list->currentText(), "Scheme A");
        auto* defaultButton = Find<QPushButton>(dialog, BackgClr::DEFAULT.id);
        EXPECT_FALSE(defaultButton->isEnabled());

        // Another scheme shows at once, in the dialog and on the board.
        list->setCurrentIndex(2);
        EXPECT_EQ(Colours(), schemeC);
        EXPECT_EQ(Background(*Find<QLabel>(dialog, 1012)), ToQColor(schemeC[1]));
        EXPECT_EQ(TextColour(*Find<QLabel>(dialog, 1012)), normalText) << "96 * 3 is above 256";
        EXPECT_TRUE(Same(Grab().pixel(2, 2), schemeC[COLOUR_BACKGROUND]));
        EXPECT_TRUE(Same(Grab().pixel(humanPiece), schemeC[COLOUR_HUMAN]));

        // ".." chooses a colour, preset to the shown one.
        QColor preset;
        WhenModal<QColorDialog>([&](QColorDialog& chooser) {
            preset = chooser.currentColor();
            EXPECT_EQ(chooser.parentWidget(), &dialog);
            chooser.setCurrentColor(QColor(10, 20, 30));
            chooser.accept();
        });
        ClickId(dialog, BackgClr::CHOOSE_IDS[COLOUR_HUMAN]);
        EXPECT_EQ(preset, ToQColor(schemeC[COLOUR_HUMAN]));
        auto* humanLabel = Find<QLabel>(dialog, BackgClr::LABEL_IDS[COLOUR_HUMAN]);
        EXPECT_EQ(Background(*humanLabel), QColor(10, 20, 30));
        EXPECT_EQ(TextColour(*humanLabel), QColor(Qt::white));
        EXPECT_TRUE(defaultButton->isEnabled());
        EXPECT_TRUE(Same(Grab().pixel(humanPiece), RGB(10, 20, 30)));

        // "&Default" puts the scheme back and hands the focus to OK.
        QTest::mouseClick(defaultButton, Qt::LeftButton);
        EXPECT_EQ(Colours(), schemeC);
        EXPECT_FALSE(defaultButton->isEnabled());
        EXPECT_EQ(dialog.focusWidget(), Find<QWidget>(dialog, 1));
        EXPECT_TRUE(Same(Grab().pixel(humanPiece), schemeC[COLOUR_HUMAN]));

        // A click on a label chooses its colour too.
        WhenModal<QColorDialog>([](QColorDialog& chooser) {
            chooser.setCurrentColor(QColor(0, 0, 0));
            chooser.accept();
        });
        QTest::mouseClick(Find<QLabel>(dialog, BackgClr::LABEL_IDS[COLOUR_BAR]), Qt::LeftButton);
        EXPECT_EQ(Colours()[COLOUR_BAR], RGB(0, 0, 0));
        EXPECT_TRUE(defaultButton->isEnabled());
        ClickId(dialog, 1);
    });
    EXPECT_EQ(wnd->Options().CurScheme, 2);
    EXPECT_EQ(Ini()["Options/CurScheme"], "2");
    QFile schemes(folder.filePath(QStringLiteral("tablorw32.clr")));
    ASSERT_TRUE(schemes.open(QIODevice::ReadOnly));
    const QByteArray bytes = schemes.readAll();
    ASSERT_EQ(bytes.size(), 96);
    EXPECT_EQ(bytes.mid(2 * 24 + 5 * 4, 4), QByteArray(4, '\0')) << "scheme C's bar is black";
    EXPECT_TRUE(Same(Grab().pixel(2, 2), schemeC[COLOUR_BACKGROUND]));
}

TEST_F(SettingsViews, ColourDialogCancelPutsTheOldColoursBack)
{
    Start("31");
    const ColourSet before = Colours();
    bool changedWhileOpen = false;
    QString help;
    OpenColours([&](QDialog& dialog) {
        QTest::keyClick(&dialog, Qt::Key_F1);
        if (HelpBrowser() != nullptr) help = HelpBrowser()->source().toString();
        Find<QComboBox>(dialog, BackgClr::ID_SCHEME_LIST)->setCurrentIndex(3);
        WhenModal<QColorDialog>([](QColorDialog& chooser) {
            chooser.setCurrentColor(QColor(1, 2, 3));
            chooser.accept();
        });
        ClickId(dialog, BackgClr::CHOOSE_IDS[COLOUR_BACKGROUND]);
        changedWhileOpen = Same(Grab().pixel(2, 2), RGB(1, 2, 3));
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_TRUE(changedWhileOpen);
    EXPECT_EQ(help, QString::fromLatin1(HelpPage(HELP_COLOURS)));
    EXPECT_EQ(Colours(), before);
    EXPECT_EQ(wnd->Options().CurScheme, 0);
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("tablorw32.clr"))));
    EXPECT_EQ(Ini().count("Options/CurScheme"), 0u);
    EXPECT_TRUE(Same(Grab().pixel(2, 2), before[COLOUR_BACKGROUND]));
    EXPECT_TRUE(Same(Grab().pixel(PieceCentre(1, 1)), before[COLOUR_HUMAN]));
}
