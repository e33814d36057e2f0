// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/dialogs/DialogViews.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <vector>

#include "program/app/StringTable.h"
#include "program/dialogs/AboutDlg.h"
#include "program/dialogs/AnalysisDlg.h"
#include "program/dialogs/DiceDlg.h"
#include "program/dialogs/FinishDlg.h"
#include "program/dialogs/GvUpDlg.h"
#include "program/dialogs/HintDlg.h"
#include "program/dialogs/TutorDlg.h"
#include "program/game/Commands.h"
#include "program/platform/Platform.h"
#include "shell/qt/Translation.h"
#include "shell/qt/dialogs/HelpWindow.h"
#include "shell/qt/dialogs/Resources.h"
#include "shell/qt/dialogs/TablorDialog.h"

namespace {

constexpr const char* DICE_CAPTION = QT_TRANSLATE_NOOP("Tablor", "Manual dice");
constexpr const char* DICE_GROUP_TEXT = QT_TRANSLATE_NOOP("Tablor", "Enter roll:");
constexpr DialogButton DICE_OK{IDOK, "OK", true};
constexpr DialogButton DICE_CANCEL{IDCANCEL, "Cancel", false};
// Pictures have the size of the platform's icons.
constexpr int ICON_SIZE = 32;

// A column of buttons beside the dialog's content, pushed to the top.
QVBoxLayout* ButtonColumn(QHBoxLayout* row)
{
    auto* column = new QVBoxLayout;
    row->addLayout(column);
    return column;
}

void FixSize(TablorDialog& dialog) { dialog.layout()->setSizeConstraint(QLayout::SetFixedSize); }

// Carries out what the model answered to an edit of box `box`.
void ApplyBoxAction(const DiceBoxAction& action, int box, const std::array<QLineEdit*, 2>& edits,
                    const std::array<QLabel*, 2>& pictures)
{
    if (action.beep) QApplication::beep();
    if (action.restoreText) edits[box]->setText(ToQString(action.text));
    if (action.picture != 0)
        pictures[box]->setPixmap(
            DieFace(DiceDlg::DIE_FACE_BASE - action.picture, ICON_SIZE, pictures[box]->devicePixelRatioF()));
    QLineEdit* focus = action.focusOther ? edits[1 - box] : edits[box];
    if (action.focusOther || action.restoreText) focus->setFocus(Qt::OtherFocusReason);
    if (action.selectAll) focus->selectAll();
}

// OK of the manual dice: accepted, or refused with a beep, the prompt of the
// failed check and the focus in the box that does not hold an integer.
void OnDiceOk(TablorDialog& dialog, DiceDlg& model, const std::array<QLineEdit*, 2>& edits)
{
    const DiceOkResult result = model.OnOk();
    if (result.accepted) {
        dialog.done(IDOK);
        return;
    }
    if (result.beep) QApplication::beep();
    if (!result.prompt.empty()) QMessageBox::warning(&dialog, ToQString(ApplicationTitle()), Tr(result.prompt));
    for (int box = 0; box < 2; ++box) {
        if (!DiceDlg::ParseInteger(model.Text(box))) {
            edits[box]->setFocus(Qt::OtherFocusReason);
            edits[box]->selectAll();
            break;
        }
    }
}

} // namespace

int ExecResignDlg(GvUpDlg& model, QWidget* parent)
{
    TablorDialog dialog(parent, GvUpDlg::CAPTION, "Resign", HELP_RESIGN);
    auto* row = new QHBoxLayout(&dialog);
    auto* group = new QGroupBox(Tr(GvUpDlg::GROUP_TEXT));
    auto* radios = new QVBoxLayout(group);
    auto* choice = new QButtonGroup(&dialog);
    for (std::size_t i = 0; i < GvUpDlg::RADIO_IDS.size(); ++i) {
        const int id = GvUpDlg::RADIO_IDS[i];
        auto* radio = new QRadioButton(Tr(GvUpDlg::RADIO_TEXTS[i]), group);
        SetControlId(radio, id);
        radio->setEnabled(model.IsEnabled(id));
        radio->setChecked(model.Selected() == id);
        choice->addButton(radio, id);
        radios->addWidget(radio);
    }
    QObject::connect(choice, &QButtonGroup::idToggled, [&model](int id, bool checked) {
        if (checked) model.Select(id);
    });
    row->addWidget(group);

    QVBoxLayout* buttons = ButtonColumn(row);
    QPushButton* ok = dialog.AddButton(GvUpDlg::OK, &dialog);
    QPushButton* cancel = dialog.AddButton(GvUpDlg::CANCEL, &dialog);
    QPushButton* help = dialog.AddButton(GvUpDlg::HELP, &dialog);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    buttons->addStretch();
    QObject::connect(ok, &QPushButton::clicked, &dialog, [&] { dialog.done(model.OnOk()); });
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &TablorDialog::reject);
    QObject::connect(help, &QPushButton::clicked, &dialog, [&dialog] { ShowHelp(HELP_RESIGN, &dialog); });
    FixSize(dialog);
    return dialog.Run();
}

int ExecFinishDlg(FinishDlg& /*model*/, QWidget* parent)
{
    TablorDialog dialog(parent, FinishDlg::CAPTION, "AutoFinish", HELP_AUTO_FINISH);
    auto* row = new QHBoxLayout(&dialog);
    for (const DialogButton& button : FinishDlg::BUTTONS) {
        QPushButton* widget = dialog.AddButton(button, &dialog);
        row->addWidget(widget);
        const int id = button.id;
        QObject::connect(widget, &QPushButton::clicked, &dialog, [&dialog, id] { dialog.done(id); });
    }
    FixSize(dialog);
    return dialog.Run();
}

int ExecHintDlg(HintDlg& model, QWidget* parent)
{
    TablorDialog dialog(parent, HintDlg::CAPTION, "Hints");
    auto* column = new QVBoxLayout(&dialog);
    column->addWidget(new QLabel(Tr(HintDlg::ROLL_TEXT).arg(model.Die(0)).arg(model.Die(1)), &dialog));

    auto* table = new QTableWidget(model.Rows(), HintDlg::COLUMNS, &dialog);
    SetControlId(table, HintDlg::IDD);
    QStringList headings;
    for (const char* heading : HintDlg::COLUMN_HEADINGS) headings << Tr(heading);
    table->setHorizontalHeaderLabels(headings);
    table->verticalHeader()->setVisible(false);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int row = 0; row < model.Rows(); ++row) {
        for (int col = 0; col < HintDlg::COLUMNS; ++col) {
            auto* item = new QTableWidgetItem(ToQString(model.Cell(row, col)));
            // The play reads from the left, the figures line up on the right.
            item->setTextAlignment(col == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, col, item);
        }
    }
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    // The whole list shows: no scrolling for ten rows.
    int width = 2 * table->frameWidth();
    for (int col = 0; col < HintDlg::COLUMNS; ++col) width += table->columnWidth(col);
    int height = 2 * table->frameWidth() + table->horizontalHeader()->height();
    for (int row = 0; row < model.Rows(); ++row) height += table->rowHeight(row);
    table->setFixedSize(width, height);
    column->addWidget(table);
    column->addWidget(new QLabel(Tr(model.Cubeful() ? HintDlg::CUBEFUL_TEXT : HintDlg::CUBELESS_TEXT), &dialog));

    auto* buttons = new QHBoxLayout;
    column->addLayout(buttons);
    buttons->addStretch();
    QPushButton* play = dialog.AddButton(HintDlg::PLAY, &dialog);
    QPushButton* close = dialog.AddButton(HintDlg::CLOSE, &dialog);
    buttons->addWidget(play);
    buttons->addWidget(close);
    if (model.Selected() >= 0) table->selectRow(model.Selected());
    play->setEnabled(model.CanPlay());
    QObject::connect(table, &QTableWidget::currentCellChanged, &dialog, [&model, play](int row, int, int, int) {
        model.Select(row);
        play->setEnabled(model.CanPlay());
    });
    QObject::connect(table, &QTableWidget::cellDoubleClicked, &dialog, [&dialog, &model](int row, int) {
        model.Select(row);
        if (model.CanPlay()) dialog.done(model.OnPlay());
    });
    QObject::connect(play, &QPushButton::clicked, &dialog, [&dialog, &model] { dialog.done(model.OnPlay()); });
    QObject::connect(close, &QPushButton::clicked, &dialog, &TablorDialog::reject);
    FixSize(dialog);
    // The list has the keys: arrows choose a play, Enter plays it.
    table->setFocus();
    return dialog.Run();
}

namespace {

// A read-only table whose rows are chosen whole.
QTableWidget* ListTable(int rows, int columns, int id, QWidget* parent)
{
    auto* table = new QTableWidget(rows, columns, parent);
    SetControlId(table, id);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return table;
}

template <std::size_t N> QStringList Headings(const std::array<const char*, N>& english)
{
    QStringList headings;
    for (const char* heading : english) headings << Tr(heading);
    return headings;
}

// Text on the left, figures lined up on the right.
void SetCell(QTableWidget* table, int row, int column, const std::string& text, bool figure)
{
    auto* item = new QTableWidgetItem(ToQString(text));
    item->setTextAlignment((figure ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    table->setItem(row, column, item);
}

// The width of all the table's columns, and the height of `rows` rows under
// its heading.
int TableWidth(const QTableWidget* table)
{
    const QHeaderView* side = table->verticalHeader();
    int width = 2 * table->frameWidth() + (side->isHidden() ? 0 : side->sizeHint().width());
    for (int col = 0; col < table->columnCount(); ++col) width += table->columnWidth(col);
    return width;
}
int TableHeight(const QTableWidget* table, int rows)
{
    const int row = table->rowCount() > 0 ? table->rowHeight(0) : table->verticalHeader()->defaultSectionSize();
    return 2 * table->frameWidth() + table->horizontalHeader()->height() + rows * row;
}

void FillBest(QTableWidget* table, const AnalysisDlg& model)
{
    table->setRowCount(model.BestRows());
    for (int row = 0; row < model.BestRows(); ++row)
        for (int col = 0; col < AnalysisDlg::BEST_COLUMNS; ++col)
            SetCell(table, row, col, model.BestCell(row, col), col > 0);
}

// The progress window: a bar and Cancel over the main window, which it does
// not block (the program holds the main window's input back meanwhile), so
// that its Cancel is taken whenever the program looks at the window.
class QtProgressWindow final : public ProgressWindow {
public:
    QtProgressWindow(const std::string& caption, const std::string& text, QWidget* parent)
        : dialog(ToQString(text), Tr(AnalysisDlg::CANCEL), 0, 1, parent)
    {
        dialog.setWindowTitle(ToQString(caption));
        dialog.setWindowModality(Qt::NonModal);
        dialog.setAutoClose(false);
        dialog.setAutoReset(false);
        dialog.setMinimumDuration(0);
        dialog.setValue(0);
        dialog.show();
    }
    void SetProgress(int done, int total) override
    {
        dialog.setMaximum(std::max(total, 1));
        dialog.setValue(std::clamp(done, 0, std::max(total, 1)));
    }
    bool Cancelled() const override { return dialog.wasCanceled(); }

private:
    QProgressDialog dialog;
};

} // namespace

std::unique_ptr<ProgressWindow> OpenProgressWindow(const std::string& caption, const std::string& text, QWidget* parent)
{
    return std::make_unique<QtProgressWindow>(caption, text, parent);
}

int ExecAnalysisDlg(AnalysisDlg& model, QWidget* parent)
{
    TablorDialog dialog(parent, AnalysisDlg::CAPTION, "Game analysis");
    auto* column = new QVBoxLayout(&dialog);

    QTableWidget* summary = ListTable(AnalysisDlg::SUMMARY_ROWS, 2, AnalysisDlg::SUMMARY_TABLE, &dialog);
    summary->setSelectionMode(QAbstractItemView::NoSelection);
    summary->setFocusPolicy(Qt::NoFocus);
    summary->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    summary->setHorizontalHeaderLabels(Headings(AnalysisDlg::SIDE_NAMES));
    summary->setVerticalHeaderLabels(Headings(AnalysisDlg::SUMMARY_LABELS));
    for (int row = 0; row < AnalysisDlg::SUMMARY_ROWS; ++row)
        for (int side = 0; side < 2; ++side) SetCell(summary, row, side, model.SummaryCell(row, side), row != 5);
    summary->resizeColumnsToContents();
    summary->resizeRowsToContents();
    summary->setFixedSize(TableWidth(summary), TableHeight(summary, AnalysisDlg::SUMMARY_ROWS));
    column->addWidget(summary);
    auto* units = new QLabel(Tr(AnalysisDlg::UNITS_TEXT), &dialog);
    column->addWidget(units);

    QTableWidget* list = ListTable(model.Lines(), AnalysisDlg::COLUMNS, AnalysisDlg::DECISION_TABLE, &dialog);
    list->verticalHeader()->setVisible(false);
    list->setHorizontalHeaderLabels(Headings(AnalysisDlg::COLUMN_HEADINGS));
    for (int line = 0; line < model.Lines(); ++line)
        for (int col = 0; col < AnalysisDlg::COLUMNS; ++col)
            SetCell(list, line, col, model.Cell(line, col), col == 0 || col == 5);
    list->resizeColumnsToContents();
    list->resizeRowsToContents();
    // Twelve lines show; the others are a scroll away. The list and the
    // plays under it are as wide as the widest of the window's parts.
    const int scroll = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    const int width = std::max({TableWidth(list) + scroll, units->sizeHint().width(), summary->width()});
    list->horizontalHeader()->setStretchLastSection(true);
    list->setFixedSize(width, TableHeight(list, 12));
    column->addWidget(list);

    QTableWidget* best = ListTable(0, AnalysisDlg::BEST_COLUMNS, AnalysisDlg::BEST_TABLE, &dialog);
    best->verticalHeader()->setVisible(false);
    best->setSelectionMode(QAbstractItemView::NoSelection);
    best->setFocusPolicy(Qt::NoFocus);
    best->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    best->setHorizontalHeaderLabels(Headings(AnalysisDlg::BEST_HEADINGS));
    best->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    best->verticalHeader()->setDefaultSectionSize(list->rowCount() > 0 ? list->rowHeight(0)
                                                                       : list->verticalHeader()->defaultSectionSize());
    best->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int col = 1; col < AnalysisDlg::BEST_COLUMNS; ++col)
        best->horizontalHeader()->setSectionResizeMode(col, QHeaderView::ResizeToContents);
    FillBest(best, model);
    best->setFixedSize(width, TableHeight(best, 5));
    column->addWidget(best);

    auto* buttons = new QHBoxLayout;
    column->addLayout(buttons);
    buttons->addStretch();
    QPushButton* close = dialog.AddButton(AnalysisDlg::CLOSE, &dialog);
    buttons->addWidget(close);
    if (model.Selected() >= 0) list->selectRow(model.Selected());
    QObject::connect(list, &QTableWidget::currentCellChanged, &dialog, [&model, best](int row, int, int, int) {
        model.Select(row);
        FillBest(best, model);
    });
    QObject::connect(close, &QPushButton::clicked, &dialog, &TablorDialog::reject);
    FixSize(dialog);
    // The list has the keys: the arrows go through the decisions.
    list->setFocus();
    dialog.Run();
    return AnalysisDlg::CLOSE.id;
}

int ExecTutorDlg(TutorDlg& model, QWidget* parent)
{
    TablorDialog dialog(parent, TutorDlg::CAPTION, "Tutor");
    auto* row = new QHBoxLayout(&dialog);
    auto* choices = new QVBoxLayout;
    row->addLayout(choices);
    auto* on = new QCheckBox(Tr(TutorDlg::ON_TEXT), &dialog);
    SetControlId(on, TutorDlg::ID_ON);
    on->setChecked(model.On());
    choices->addWidget(on);
    auto* group = new QButtonGroup(&dialog);
    std::vector<QRadioButton*> radios;
    for (std::size_t i = 0; i < TutorDlg::THRESHOLD_IDS.size(); ++i) {
        const int id = TutorDlg::THRESHOLD_IDS[i];
        auto* radio = new QRadioButton(Tr(TutorDlg::THRESHOLD_TEXTS[i]), &dialog);
        SetControlId(radio, id);
        radio->setChecked(model.Selected() == id);
        group->addButton(radio, id);
        // Indented under the check box they belong to.
        auto* line = new QHBoxLayout;
        line->addSpacing(on->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 6);
        line->addWidget(radio);
        choices->addLayout(line);
        radios.push_back(radio);
    }
    const auto enable = [&model, radios] {
        for (QRadioButton* radio : radios) radio->setEnabled(model.ThresholdEnabled());
    };
    enable();
    QObject::connect(on, &QCheckBox::toggled, &dialog, [&model, enable](bool checked) {
        model.SetOn(checked);
        enable();
    });
    QObject::connect(group, &QButtonGroup::idToggled, [&model](int id, bool checked) {
        if (checked) model.Select(id);
    });

    QVBoxLayout* buttons = ButtonColumn(row);
    QPushButton* ok = dialog.AddButton(TutorDlg::OK, &dialog);
    QPushButton* cancel = dialog.AddButton(TutorDlg::CANCEL, &dialog);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    QObject::connect(ok, &QPushButton::clicked, &dialog, [&dialog] { dialog.done(IDOK); });
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &TablorDialog::reject);
    FixSize(dialog);
    return dialog.Run();
}

int ExecTutorWarning(TutorWarning& warning, QWidget* parent)
{
    TablorDialog dialog(parent, TutorWarning::CAPTION, "TutorWarning");
    auto* column = new QVBoxLayout(&dialog);
    auto* row = new QHBoxLayout;
    column->addLayout(row);
    auto* icon = new QLabel(&dialog);
    const int size = dialog.style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    icon->setPixmap(dialog.style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(size));
    icon->setAlignment(Qt::AlignTop);
    row->addWidget(icon);
    auto* text = new QLabel(ToQString(warning.Text()), &dialog);
    text->setWordWrap(true);
    text->setMinimumWidth(text->fontMetrics().averageCharWidth() * 48);
    row->addWidget(text, 1);
    auto* buttons = new QHBoxLayout;
    column->addLayout(buttons);
    buttons->addStretch();
    for (const DialogButton& button : TutorWarning::BUTTONS) {
        if (button.id == TutorWarning::SHOW_HINT.id && !warning.OffersHint()) continue;
        QPushButton* widget = dialog.AddButton(button, &dialog);
        buttons->addWidget(widget);
        const int id = button.id;
        QObject::connect(widget, &QPushButton::clicked, &dialog, [&dialog, id] { dialog.done(id); });
    }
    FixSize(dialog);
    return warning.Answer(dialog.Run());
}

int ExecAboutDlg(AboutDlg& model, QWidget* parent)
{
    TablorDialog dialog(parent, AboutDlg::CAPTION);
    auto* row = new QHBoxLayout(&dialog);
    auto* icon = new QLabel(&dialog);
    icon->setPixmap(ProgramIcon().pixmap(ICON_SIZE));
    icon->setAlignment(Qt::AlignTop);
    row->addWidget(icon);

    auto* texts = new QVBoxLayout;
    row->addLayout(texts, 1);
    for (const int id : {AboutDlg::ID_TITLE, AboutDlg::ID_VERSION, AboutDlg::ID_DATE}) {
        auto* label = new QLabel(Tr(model.Text(id)), &dialog);
        SetControlId(label, id);
        if (AboutDlg::IsBold(id)) {
            QFont font = label->font();
            font.setWeight(static_cast<QFont::Weight>(AboutDlg::TITLE_WEIGHT));
            label->setFont(font);
        }
        texts->addWidget(label);
    }
    for (const int id : {AboutDlg::ID_CONTACT_0, AboutDlg::ID_CONTACT_1}) {
        auto* edit = new QLineEdit(Tr(model.Text(id)), &dialog);
        SetControlId(edit, id);
        edit->setReadOnly(true);
        edit->setCursorPosition(0);
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(edit->text()) + 16);
        texts->addWidget(edit);
    }

    QVBoxLayout* buttons = ButtonColumn(row);
    QPushButton* ok = dialog.AddButton(AboutDlg::OK, &dialog);
    buttons->addWidget(ok);
    buttons->addStretch();
    QObject::connect(ok, &QPushButton::clicked, &dialog, [&dialog] { dialog.done(AboutDlg::OK.id); });
    FixSize(dialog);
    return dialog.Run();
}

int ExecDiceDlg(DiceDlg& model, QWidget* parent)
{
    TablorDialog dialog(parent, DICE_CAPTION);
    auto* row = new QHBoxLayout(&dialog);
    auto* group = new QGroupBox(Tr(DICE_GROUP_TEXT));
    auto* boxes = new QHBoxLayout(group);
    std::array<QLineEdit*, 2> edits{};
    std::array<QLabel*, 2> pictures{};
    for (int box = 0; box < 2; ++box) {
        edits[box] = new QLineEdit(ToQString(model.Text(box)), group);
        SetControlId(edits[box], DiceDlg::EditId[box]);
        edits[box]->setFixedWidth(edits[box]->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 20);
        pictures[box] = new QLabel(group);
        SetControlId(pictures[box], DiceDlg::PictureId[box]);
        pictures[box]->setPixmap(DieFace(model.Value(box), ICON_SIZE, pictures[box]->devicePixelRatioF()));
        boxes->addWidget(edits[box]);
        boxes->addWidget(pictures[box]);
    }
    // Only the user's edits reach the model: text put back by the view itself
    // does not emit textEdited.
    for (int box = 0; box < 2; ++box) {
        QObject::connect(edits[box], &QLineEdit::textEdited, &dialog, [&, box](const QString& text) {
            ApplyBoxAction(model.OnTextChanged(box, text.toStdString()), box, edits, pictures);
        });
    }
    row->addWidget(group);

    QVBoxLayout* buttons = ButtonColumn(row);
    QPushButton* ok = dialog.AddButton(DICE_OK, &dialog);
    QPushButton* cancel = dialog.AddButton(DICE_CANCEL, &dialog);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    QObject::connect(ok, &QPushButton::clicked, &dialog, [&] { OnDiceOk(dialog, model, edits); });
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &TablorDialog::reject);

    FixSize(dialog);
    edits[0]->setFocus();
    edits[0]->selectAll();
    return dialog.Run();
}
