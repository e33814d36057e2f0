// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/dialogs/SettingSheetView.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <array>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "core/settings/Settings.h"
#include "program/app/StringTable.h"
#include "program/dialogs/SettingSheet.h"
#include "program/game/Commands.h"
#include "shell/qt/Translation.h"
#include "shell/qt/dialogs/HelpWindow.h"
#include "shell/qt/dialogs/Resources.h"
#include "shell/qt/dialogs/TablorDialog.h"

namespace {

constexpr const char* DIALOG_NAME = "SettingSheet";
constexpr int PLAY_PICTURE_SIZE = 16;
// The longest total score: the lowest value its type holds.
std::string WidestScore() { return std::to_string(std::numeric_limits<decltype(Settings::Score)::value_type>::min()); }

QString Text(const char* text) { return Tr(text); }

// Width of an edit box that shows about `sample` comfortably.
int EditWidth(const QWidget* widget, const char* sample)
{
    return widget->fontMetrics().horizontalAdvance(Text(sample)) + 16;
}

// The steps that show a page's copies in its controls. They run once, when
// the model has loaded the page, since its copies mean nothing before.
using Fillers = std::vector<std::function<void()>>;

class SettingSheetView : public TablorDialog {
public:
    SettingSheetView(SettingSheet& model, QWidget* parent);

    // OK: the model checks the visible page and applies the pages.
    void accept() override;

private:
    QWidget* VisualPage();
    QWidget* GamePage();
    QWidget* DicePage();
    QWidget* SoundsPage();

    // A check box bound to one of a page's copies.
    QCheckBox* AddCheck(QLayout* layout, const char* text, int id, int& value, Fillers& fill);
    // A group of three radio buttons bound to a copy holding 0, 1 or 2.
    QGroupBox* RadioGroup(const char* title, const std::array<int, 3>& ids, const std::array<const char*, 3>& texts,
                          int& value, Fillers& fill);

    // Ctrl+Tab and Ctrl+Page Down go to the next page, with Shift or Page Up
    // to the previous one, wherever the focus is in the sheet (a list box
    // would take them for itself otherwise).
    void AddPageKeys();
    void OnTabChanged(int index);
    void Fill(int page);
    // Shows the prompt of a refused page and gives the focus to its bad field.
    void Refuse(const PageCheck& check);

    SettingSheet& model;
    QTabWidget* tabs = nullptr;
    std::array<Fillers, SettingSheet::PAGES> fillers;
    std::array<bool, SettingSheet::PAGES> filled{};
};

SettingSheetView::SettingSheetView(SettingSheet& sheet, QWidget* parent)
    : TablorDialog(parent, SettingSheet::Caption().c_str(), DIALOG_NAME, HELP_SETTINGS), model(sheet)
{
    auto* column = new QVBoxLayout(this);
    tabs = new QTabWidget(this);
    tabs->addTab(VisualPage(), Text(SettingSheet::PageTitle(SettingSheet::PAGE_VISUAL)));
    tabs->addTab(GamePage(), Text(SettingSheet::PageTitle(SettingSheet::PAGE_GAME)));
    tabs->addTab(DicePage(), Text(SettingSheet::PageTitle(SettingSheet::PAGE_DICE)));
    tabs->addTab(SoundsPage(), Text(SettingSheet::PageTitle(SettingSheet::PAGE_SOUNDS)));
    column->addWidget(tabs);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* ok = AddButton(SettingSheet::OK, this);
    QPushButton* cancel = AddButton(SettingSheet::CANCEL, this);
    QPushButton* help = AddButton(SettingSheet::HELP, this);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    column->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &SettingSheetView::accept);
    connect(cancel, &QPushButton::clicked, this, &SettingSheetView::reject);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelp(HELP_SETTINGS, this); });
    column->setSizeConstraint(QLayout::SetFixedSize);

    tabs->setCurrentIndex(model.ActivePage());
    Fill(model.ActivePage());
    connect(tabs, &QTabWidget::currentChanged, this, [this](int index) { OnTabChanged(index); });
    AddPageKeys();
    // The sheet opens with the focus on the page's first control.
    for (QWidget* control : tabs->currentWidget()->findChildren<QWidget*>()) {
        if ((control->focusPolicy() & Qt::TabFocus) && control->isEnabled()) {
            control->setFocus();
            break;
        }
    }
}

void SettingSheetView::AddPageKeys()
{
    const auto step = [this](int by) {
        const int count = tabs->count();
        tabs->setCurrentIndex((tabs->currentIndex() + by + count) % count);
    };
    const QKeySequence next[] = {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)};
    const QKeySequence previous[] = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                                     QKeySequence(Qt::CTRL | Qt::Key_PageUp)};
    for (const QKeySequence& keys : next)
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [step] { step(1); });
    for (const QKeySequence& keys : previous)
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [step] { step(-1); });
}

QCheckBox* SettingSheetView::AddCheck(QLayout* layout, const char* text, int id, int& value, Fillers& fill)
{
    auto* check = new QCheckBox(Text(text));
    SetControlId(check, id);
    layout->addWidget(check);
    connect(check, &QCheckBox::toggled, this, [&value](bool on) { value = on ? 1 : 0; });
    fill.push_back([check, &value] { check->setChecked(value != 0); });
    return check;
}

QGroupBox* SettingSheetView::RadioGroup(const char* title, const std::array<int, 3>& ids,
                                        const std::array<const char*, 3>& texts, int& value, Fillers& fill)
{
    auto* group = new QGroupBox(Text(title));
    auto* radios = new QVBoxLayout(group);
    auto* choice = new QButtonGroup(group);
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(Text(texts[i]), group);
        SetControlId(radio, ids[i]);
        choice->addButton(radio, i);
        radios->addWidget(radio);
    }
    radios->addStretch();
    connect(choice, &QButtonGroup::idToggled, this, [&value](int index, bool checked) {
        if (checked) value = index;
    });
    fill.push_back([choice, &value] {
        if (QAbstractButton* radio = choice->button(value)) radio->setChecked(true);
    });
    return group;
}

QWidget* SettingSheetView::VisualPage()
{
    VisOpts& page = model.visual;
    Fillers& fill = fillers[SettingSheet::PAGE_VISUAL];
    auto* widget = new QWidget;
    auto* column = new QVBoxLayout(widget);

    auto* speedRow = new QHBoxLayout;
    auto* speedLabel = new QLabel(Text(VisOpts::SPEED_LABEL), widget);
    auto* speed = new QLineEdit(widget);
    SetControlId(speed, VisOpts::ID_SPEED);
    speed->setFixedWidth(EditWidth(speed, "00000"));
    speedLabel->setBuddy(speed);
    speedRow->addWidget(speedLabel);
    speedRow->addWidget(speed);
    speedRow->addWidget(new QLabel(Text(VisOpts::SPEED_RANGE_LABEL), widget));
    speedRow->addStretch();
    column->addLayout(speedRow);
    connect(speed, &QLineEdit::textChanged, this,
            [&page](const QString& text) { page.speedText = text.toStdString(); });
    fill.push_back([speed, &page] { speed->setText(ToQString(page.speedText)); });

    AddCheck(column, VisOpts::SHOW_PROGRESS_TEXT, VisOpts::ID_SHOW_PROGRESS, page.showProgress, fill);
    AddCheck(column, VisOpts::DICE_AS_ICONS_TEXT, VisOpts::ID_DICE_AS_ICONS, page.diceAsIcons, fill);
    AddCheck(column, VisOpts::HIT_SHAKE_TEXT, VisOpts::ID_HIT_SHAKE, page.hitShake, fill);
    AddCheck(column, VisOpts::CLOCK_WISE_TEXT, VisOpts::ID_CLOCK_WISE, page.clockWise, fill);

    auto* groups = new QHBoxLayout;
    groups->addWidget(RadioGroup(VisOpts::AUTO_FINISH_GROUP, VisOpts::AUTO_FINISH_IDS, VisOpts::AUTO_FINISH_TEXTS,
                                 page.autoFinish, fill));
    groups->addWidget(RadioGroup(VisOpts::HIGH_LIGHT_GROUP, VisOpts::HIGH_LIGHT_IDS, VisOpts::HIGH_LIGHT_TEXTS,
                                 page.highLight, fill));
    column->addLayout(groups);
    column->addStretch();
    return widget;
}

QWidget* SettingSheetView::GamePage()
{
    PlayOpts& page = model.game;
    Fillers& fill = fillers[SettingSheet::PAGE_GAME];
    auto* widget = new QWidget;
    auto* column = new QVBoxLayout(widget);

    auto* skillRow = new QHBoxLayout;
    auto* skillLabel = new QLabel(Text(PlayOpts::SKILL_LABEL), widget);
    auto* skill = new QComboBox(widget);
    SetControlId(skill, PlayOpts::ID_SKILL);
    skillLabel->setBuddy(skill);
    skillRow->addWidget(skillLabel);
    skillRow->addWidget(skill);
    skillRow->addStretch();
    column->addLayout(skillRow);
    connect(skill, &QComboBox::currentIndexChanged, this, [&page](int index) {
        if (index >= 0) page.levelOfPlay = index;
    });
    fill.push_back([skill, &page] {
        const int level = page.levelOfPlay;
        skill->clear();
        for (const std::string& name : page.skillList) skill->addItem(Tr(name));
        // The Expert without its weights is shown greyed out and cannot be chosen.
        if (auto* items = qobject_cast<QStandardItemModel*>(skill->model()); items != nullptr && !page.expertAvailable)
            if (QStandardItem* expert = items->item(LEVEL_EXPERT)) expert->setEnabled(false);
        skill->setCurrentIndex(level);
    });

    AddCheck(column, PlayOpts::AUTO_CHANGE_TURN_TEXT, PlayOpts::ID_AUTO_CHANGE_TURN, page.autoChangeTurn, fill);
    AddCheck(column, PlayOpts::AUTO_FORCED_MOVES_TEXT, PlayOpts::ID_AUTO_FORCED_MOVES, page.autoForcedMoves, fill);
    AddCheck(column, PlayOpts::USE_CUBE_TEXT, PlayOpts::ID_USE_CUBE, page.useCube, fill);
    AddCheck(column, PlayOpts::INTEL_MOVES_TEXT, PlayOpts::ID_INTEL_MOVES, page.intelMoves, fill);

    auto* groups = new QHBoxLayout;
    groups->addWidget(RadioGroup(PlayOpts::FIRST_MOVE_GROUP, PlayOpts::FIRST_MOVE_IDS, PlayOpts::FIRST_MOVE_TEXTS,
                                 page.firstMoveBy, fill));
    auto* scores = new QGroupBox(Text(PlayOpts::SCORE_GROUP), widget);
    auto* grid = new QGridLayout(scores);
    const std::array<std::pair<const char*, int>, 2> boxes{
        {{PlayOpts::SCORE_HUMAN_LABEL, PlayOpts::ID_SCORE_HUMAN},
         {PlayOpts::SCORE_COMPUTER_LABEL, PlayOpts::ID_SCORE_COMPUTER}}};
    for (int row = 0; row < 2; ++row) {
        auto* edit = new QLineEdit(scores);
        SetControlId(edit, boxes[row].second);
        edit->setReadOnly(true);
        QPalette colours = edit->palette();
        colours.setColor(QPalette::Base, colours.color(QPalette::Window));
        edit->setPalette(colours);
        // Wide enough for every total the settings file can hold, sign and all.
        edit->setFixedWidth(EditWidth(edit, WidestScore().c_str()));
        grid->addWidget(new QLabel(Text(boxes[row].first), scores), row, 0);
        grid->addWidget(edit, row, 1);
        const std::string& score = row == 0 ? page.humanScore : page.computerScore;
        fill.push_back([edit, &score] { edit->setText(ToQString(score)); });
    }
    grid->setRowStretch(2, 1);
    groups->addWidget(scores);
    column->addLayout(groups);
    column->addStretch();
    return widget;
}

QWidget* SettingSheetView::DicePage()
{
    DiceOpts& page = model.dice;
    Fillers& fill = fillers[SettingSheet::PAGE_DICE];
    auto* widget = new QWidget;
    auto* column = new QVBoxLayout(widget);
    auto* group = new QGroupBox(Text(DiceOpts::SOURCE_GROUP), widget);
    auto* grid = new QGridLayout(group);
    auto* choice = new QButtonGroup(group);
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(Text(DiceOpts::SOURCE_TEXTS[i]), group);
        SetControlId(radio, DiceOpts::SOURCE_IDS[i]);
        choice->addButton(radio, i);
        grid->addWidget(radio, i, 0);
    }
    auto* path = new QLineEdit(group);
    SetControlId(path, DiceOpts::ID_PATH);
    path->setMinimumWidth(EditWidth(path, "C:\\Documents\\Tablor\\rolls.txt"));
    auto* browse = new QPushButton(Text(DiceOpts::BROWSE_TEXT), group);
    SetControlId(browse, DiceOpts::ID_BROWSE);
    browse->setFixedWidth(EditWidth(browse, "...."));
    grid->addWidget(path, 2, 1);
    grid->addWidget(browse, 2, 2);
    grid->setColumnStretch(1, 1);
    column->addWidget(group);
    column->addStretch();

    // Every notification of the page's controls decides the enabling anew.
    auto enable = [&page, path, browse] {
        path->setEnabled(page.PathEnabled());
        browse->setEnabled(page.PathEnabled());
    };
    connect(choice, &QButtonGroup::idToggled, this, [&page, enable](int index, bool checked) {
        if (checked) page.mode = index;
        enable();
    });
    connect(path, &QLineEdit::textChanged, this, [&page, enable](const QString& text) {
        page.path = text.toStdString();
        enable();
    });
    connect(browse, &QPushButton::clicked, this, [this, &page, path] {
        if (page.Browse()) path->setText(ToQString(page.path));
        activateWindow();
    });
    fill.push_back([&page, choice, path, enable] {
        if (QAbstractButton* radio = choice->button(page.mode)) radio->setChecked(true);
        path->setText(ToQString(page.path));
        enable();
    });
    return widget;
}

QWidget* SettingSheetView::SoundsPage()
{
    SndOpts& page = model.sounds;
    Fillers& fill = fillers[SettingSheet::PAGE_SOUNDS];
    auto* widget = new QWidget;
    auto* column = new QVBoxLayout(widget);
    auto* grid = new QGridLayout;
    column->addLayout(grid);

    auto* eventLabel = new QLabel(Text(SndOpts::EVENT_LABEL), widget);
    auto* event = new QComboBox(widget);
    SetControlId(event, SndOpts::ID_EVENT);
    eventLabel->setBuddy(event);
    grid->addWidget(eventLabel, 0, 0);
    grid->addWidget(event, 0, 1, Qt::AlignLeft);

    // The box stands to the right of its text.
    auto* active = new QCheckBox(Text(SndOpts::ACTIVE_TEXT), widget);
    SetControlId(active, SndOpts::ID_ACTIVE);
    active->setLayoutDirection(Qt::RightToLeft);
    grid->addWidget(active, 1, 0, Qt::AlignLeft | Qt::AlignAbsolute);

    auto* pathLabel = new QLabel(Text(SndOpts::PATH_LABEL), widget);
    auto* path = new QLineEdit(widget);
    SetControlId(path, SndOpts::ID_PATH);
    path->setMinimumWidth(EditWidth(path, "C:\\Documents\\Tablor\\sounds.wav"));
    pathLabel->setBuddy(path);
    auto* browse = new QPushButton(Text(SndOpts::BROWSE_TEXT), widget);
    SetControlId(browse, SndOpts::ID_BROWSE);
    browse->setFixedWidth(EditWidth(browse, "...."));
    auto* play = new QPushButton(widget);
    SetControlId(play, SndOpts::ID_PLAY);
    play->setIcon(PlayIcon());
    play->setIconSize(QSize(PLAY_PICTURE_SIZE, PLAY_PICTURE_SIZE));
    play->setFixedWidth(EditWidth(browse, "...."));
    grid->addWidget(pathLabel, 2, 0);
    grid->addWidget(path, 2, 1);
    grid->addWidget(browse, 2, 2);
    grid->addWidget(play, 2, 3);
    grid->setColumnStretch(1, 1);
    column->addStretch();

    connect(event, &QComboBox::currentIndexChanged, this, [&page, active, path](int index) {
        if (index < 0) return;
        page.SelectEvent(index);
        active->setChecked(page.Active());
        path->setText(ToQString(page.Path()));
    });
    connect(active, &QCheckBox::toggled, this, [&page](bool on) { page.SetActive(on); });
    connect(path, &QLineEdit::textChanged, this, [&page](const QString& text) { page.SetPath(text.toStdString()); });
    connect(browse, &QPushButton::clicked, this, [this, &page, path] {
        if (page.Browse()) path->setText(ToQString(page.Path()));
        activateWindow();
    });
    connect(play, &QPushButton::clicked, this, [&page] { page.Play(); });
    fill.push_back([&page, event, active, path] {
        const int selected = page.selected;
        const QSignalBlocker block(event);
        event->clear();
        for (const std::string& name : page.eventList) event->addItem(Tr(name));
        event->setCurrentIndex(selected);
        page.SelectEvent(selected);
        active->setChecked(page.Active());
        path->setText(ToQString(page.Path()));
    });
    return widget;
}

// A tab is left only when the model accepts the page being left; otherwise
// the sheet goes back to that page and says why.
void SettingSheetView::OnTabChanged(int index)
{
    if (index == model.ActivePage()) return;
    const PageCheck check = model.SetActivePage(index);
    if (!check.ok) {
        {
            const QSignalBlocker block(tabs);
            tabs->setCurrentIndex(model.ActivePage());
        }
        // The prompt waits until the click or key that chose the tab is done.
        QTimer::singleShot(0, this, [this, check] { Refuse(check); });
        return;
    }
    Fill(index);
}

void SettingSheetView::Fill(int page)
{
    if (page < 0 || page >= SettingSheet::PAGES || filled[page] || !model.WasShown(page)) return;
    filled[page] = true;
    for (const std::function<void()>& step : fillers[page]) step();
}

void SettingSheetView::Refuse(const PageCheck& check)
{
    QMessageBox::warning(this, ToQString(ApplicationTitle()), Tr(check.prompt));
    // The sheet takes the keyboard back after the prompt, also where no
    // window manager hands it back (so after the file dialogs too).
    activateWindow();
    QWidget* control = FindControl(this, check.focusId);
    if (control == nullptr) return;
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
}

void SettingSheetView::accept()
{
    const PageCheck check = model.OnOk();
    if (!check.ok) {
        Refuse(check);
        return;
    }
    TablorDialog::accept();
}

} // namespace

int ExecSettingSheet(SettingSheet& sheet, QWidget* parent)
{
    SettingSheetView view(sheet, parent);
    return view.Run();
}
