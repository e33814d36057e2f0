// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/dialogs/StatDlgView.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <array>
#include <cmath>

#include "core/files/ColourScheme.h"
#include "program/dialogs/StatDlg.h"
#include "shell/qt/Translation.h"
#include "shell/qt/dialogs/DialogViews.h"

namespace {

// The table: row labels at the left, six value columns, in dialog units.
constexpr Rect ROW_LABEL_DU{8, 0, 48, 0};
constexpr std::array<Rect, 6> COLUMN_DU{
    {{50, 0, 82, 0}, {85, 0, 117, 0}, {120, 0, 160, 0}, {165, 0, 197, 0}, {200, 0, 232, 0}, {235, 0, 310, 0}}};
constexpr int HEADING_TOP_DU = 16, ROW_TOP_DU[2] = {36, 56}, TEXT_HEIGHT_DU = 10;

// The labels of the graph, under the base line.
constexpr Rect GRAPH_LABEL_DU{120, 140, 200, 150};
constexpr Rect GRAPH_END_DU{247, 140, 277, 150};

// The buttons and the roll choice on the right.
constexpr Rect AGAIN_DU{320, 16, 392, 30};
constexpr int CHOICE_TOP_DU = 40, CHOICE_STEP_DU = 14;
constexpr Rect QUIT_DU{320, 136, 392, 150};
// How far a roll choice's text may reach where the column is too narrow for
// it (in some languages): up to the dialog's edge, then back to the table.
constexpr int CHOICE_RIGHTMOST_DU = StatDlg::WIDTH_DU - 2, CHOICE_LEFTMOST_DU = 313;

constexpr Rect Row(const Rect& column, int top) { return {column.left, top, column.right, top + TEXT_HEIGHT_DU}; }

// A control's rectangle in the dialog's client coordinates, the right and
// bottom edges just outside it.
Rect ClientRect(const QWidget* control)
{
    const QRect g = control->geometry();
    return {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}

// A figure wider than its cell (the counters and scores run to ten digits and
// a sign) is shown whole in a font just small enough, rather than cut at both
// ends; a figure that fits keeps the dialog's font.
void FitTextToCell(QLabel* label)
{
    const int room = label->contentsRect().width();
    QFont font = label->font();
    const bool points = font.pointSizeF() > 0;
    qreal size = points ? font.pointSizeF() : font.pixelSize();
    for (int width = QFontMetrics(font).horizontalAdvance(label->text()); width > room && size > 1;
         width = QFontMetrics(font).horizontalAdvance(label->text())) {
        // The size in proportion to the room, then a step at a time, as a
        // font's width does not scale exactly with its size.
        size = std::max<qreal>(1, std::min(size - 0.5, std::floor(size * room / width * 2) / 2));
        if (points)
            font.setPointSizeF(size);
        else
            font.setPixelSize(static_cast<int>(size));
    }
    label->setFont(font);
}

QFrame* EtchedLine(QWidget* parent, QFrame::Shape shape, const QRect& geometry, int id)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(geometry);
    SetControlId(line, id);
    return line;
}

} // namespace

// The average character width is measured over the alphabet in both cases,
// as the dialog templates' units are defined.
DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int alphabet =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    charWidth = (alphabet / 26 + 1) / 2;
    charHeight = metrics.height();
}

StatDlgView::StatDlgView(StatDlg& dialogModel, QWidget* parent, bool escDown)
    : TablorDialog(parent, StatDlg::CAPTION), model(dialogModel), units(font()), escHeld(escDown)
{
    const Colour background = model.background;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(RedOf(background), GreenOf(background), BlueOf(background)));
    setPalette(colours);
    setAutoFillBackground(true);
    setFixedSize(units.X(StatDlg::WIDTH_DU), units.Y(StatDlg::HEIGHT_DU));

    AddTable();
    axis = EtchedLine(this, QFrame::VLine, units.Map(StatDlg::AXIS_DU), StatDlg::ID_AXIS);
    baseLine = EtchedLine(this, QFrame::HLine, units.Map(StatDlg::BASE_LINE_DU), StatDlg::ID_BASE_LINE);
    AddLabel(Tr(StatDlg::GRAPH_LABEL), GRAPH_LABEL_DU, Qt::AlignHCenter | Qt::AlignTop);
    AddLabel(ToQString(model.CellText(StatDlg::ID_GRAPH_END)), GRAPH_END_DU, Qt::AlignRight | Qt::AlignTop,
             StatDlg::ID_GRAPH_END);
    AddChoices();
}

QLabel* StatDlgView::AddLabel(const QString& text, const Rect& du, Qt::Alignment alignment, int id)
{
    auto* label = new QLabel(text, this);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setGeometry(units.Map(du));
    if (id != 0) SetControlId(label, id);
    return label;
}

// Headings over the columns, "You" and "Computer" down the left, and the
// model's figures in the cells.
void StatDlgView::AddTable()
{
    for (std::size_t column = 0; column < COLUMN_DU.size(); ++column)
        AddLabel(Tr(StatDlg::COLUMN_HEADINGS[column]), Row(COLUMN_DU[column], HEADING_TOP_DU), Qt::AlignHCenter);
    for (int row = 0; row < 2; ++row) {
        AddLabel(Tr(StatDlg::ROW_LABELS[row]), Row(ROW_LABEL_DU, ROW_TOP_DU[row]), Qt::AlignLeft);
        for (std::size_t column = 0; column < COLUMN_DU.size(); ++column) {
            const int id = StatDlg::CELL_IDS[row][column];
            FitTextToCell(
                AddLabel(ToQString(model.CellText(id)), Row(COLUMN_DU[column], ROW_TOP_DU[row]), Qt::AlignHCenter, id));
        }
    }
}

// "&Again" (the default), the roll choice that the model keeps, "&Quit".
void StatDlgView::AddChoices()
{
    QPushButton* again = AddButton(StatDlg::AGAIN, this);
    again->setGeometry(units.Map(AGAIN_DU));
    connect(again, &QPushButton::clicked, this, [this] { done(StatDlg::AGAIN.id); });

    auto* choice = new QButtonGroup(this);
    for (std::size_t i = 0; i < StatDlg::ROLL_CHOICE_ID.size(); ++i) {
        const int id = StatDlg::ROLL_CHOICE_ID[i];
        auto* radio = new QRadioButton(Tr(StatDlg::ROLL_CHOICE_TEXT[i]), this);
        const int top = CHOICE_TOP_DU + static_cast<int>(i) * CHOICE_STEP_DU;
        QRect place = units.Map({AGAIN_DU.left, top, AGAIN_DU.right, top + TEXT_HEIGHT_DU});
        const int needed = radio->sizeHint().width();
        if (needed > place.width()) {
            const int right = std::min(place.left() + needed, units.X(CHOICE_RIGHTMOST_DU));
            place.setLeft(std::max(units.X(CHOICE_LEFTMOST_DU), right - needed));
            place.setRight(right - 1);
        }
        radio->setGeometry(place);
        SetControlId(radio, id);
        radio->setChecked(model.RollChoiceId() == id);
        choice->addButton(radio, id);
    }
    connect(choice, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) model.SelectRollChoice(id);
    });

    QPushButton* quit = AddButton(StatDlg::QUIT, this);
    quit->setGeometry(units.Map(QUIT_DU));
    connect(quit, &QPushButton::clicked, this, [this] { done(StatDlg::QUIT.id); });
}

// The 50 % line in black, then the history in white; its first point is a
// single pixel just right of the axis.
void StatDlgView::paintEvent(QPaintEvent* event)
{
    TablorDialog::paintEvent(event);
    const GraphLines lines = model.Graph(ClientRect(axis), ClientRect(baseLine));
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawLine(lines.fiftyFrom.x, lines.fiftyFrom.y, lines.fiftyTo.x, lines.fiftyTo.y);
    if (lines.history.empty()) return;
    painter.setPen(QPen(Qt::white, 0));
    painter.drawPoint(lines.history[0].x, lines.history[0].y);
    for (std::size_t i = 1; i < lines.history.size(); ++i)
        painter.drawLine(lines.history[i - 1].x, lines.history[i - 1].y, lines.history[i].x, lines.history[i].y);
}

void StatDlgView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && (escHeld || event->isAutoRepeat())) {
        event->accept();
        return;
    }
    TablorDialog::keyPressEvent(event);
}

void StatDlgView::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && !event->isAutoRepeat()) escHeld = false;
    TablorDialog::keyReleaseEvent(event);
}

int ExecStatDlg(StatDlg& model, QWidget* parent, bool escHeld)
{
    StatDlgView view(model, parent, escHeld);
    return view.Run();
}
