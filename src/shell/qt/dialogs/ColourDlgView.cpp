// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/dialogs/ColourDlgView.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

#include "program/dialogs/BackgClr.h"
#include "program/game/Commands.h"
#include "shell/qt/Translation.h"
#include "shell/qt/dialogs/HelpWindow.h"
#include "shell/qt/dialogs/TablorDialog.h"

namespace {

constexpr const char* DIALOG_NAME = "Colours";
// The colour labels are wide enough for their longest text and a margin of
// colour around it.
constexpr const char* WIDEST_LABEL = "Computer piece";
constexpr int LABEL_MARGIN = 24;
constexpr int LABEL_INDENT = 4;

QColor ToColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

class ColourDlgView : public TablorDialog {
public:
    ColourDlgView(BackgClr& model, QWidget* parent, const std::function<void()>& boardChanged);

    // OK keeps the shown scheme; Cancel, Esc and the close box put the
    // colours in force at the opening back.
    void accept() override;
    void reject() override;

protected:
    // A click on a colour label chooses that colour: the label lets the
    // click through to the dialog, which finds the control under it.
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Choose(int index);
    // Shows the model's shown scheme: the labels, the list and "&Default".
    void ShowScheme();
    // After a change of colours: the dialog and the board show it.
    void Changed();

    BackgClr& model;
    std::function<void()> boardChanged;
    std::array<QLabel*, SCHEME_COLOURS> labels{};
    QComboBox* list = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* defaultButton = nullptr;
};

ColourDlgView::ColourDlgView(BackgClr& dialogModel, QWidget* parent, const std::function<void()>& changed)
    : TablorDialog(parent, BackgClr::CAPTION, DIALOG_NAME, HELP_COLOURS), model(dialogModel), boardChanged(changed)
{
    auto* row = new QHBoxLayout(this);
    auto* colours = new QGridLayout;
    row->addLayout(colours);
    // As wide as the widest label, in the player's language too.
    int widest = fontMetrics().horizontalAdvance(QString::fromUtf8(WIDEST_LABEL));
    for (const char* text : BackgClr::LABEL_TEXTS)
        widest = std::max(widest, fontMetrics().horizontalAdvance(Tr(text).remove(u'&')));
    const int labelWidth = widest + LABEL_MARGIN;
    for (int i = 0; i < SCHEME_COLOURS; ++i) {
        auto* label = new QLabel(Tr(BackgClr::LABEL_TEXTS[i]), this);
        SetControlId(label, BackgClr::LABEL_IDS[i]);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAutoFillBackground(true);
        label->setIndent(LABEL_INDENT);
        label->setMinimumWidth(labelWidth);
        auto* choose = new QPushButton(Tr(BackgClr::CHOOSE_TEXT), this);
        SetControlId(choose, BackgClr::CHOOSE_IDS[i]);
        choose->setFixedWidth(choose->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 12);
        // The label's access key presses its button.
        label->setBuddy(choose);
        label->setMinimumHeight(choose->sizeHint().height());
        colours->addWidget(label, i, 0);
        colours->addWidget(choose, i, 1);
        connect(choose, &QPushButton::clicked, this, [this, i] { Choose(i); });
        labels[i] = label;
    }

    auto* side = new QVBoxLayout;
    row->addLayout(side);
    auto* group = new QGroupBox(Tr(BackgClr::GROUP_TEXT), this);
    auto* groupLayout = new QVBoxLayout(group);
    list = new QComboBox(group);
    SetControlId(list, BackgClr::ID_SCHEME_LIST);
    for (const std::string& entry : model.ListEntries()) list->addItem(ToQString(entry));
    groupLayout->addWidget(list);
    side->addWidget(group);

    ok = AddButton(BackgClr::OK, this);
    QPushButton* cancel = AddButton(BackgClr::CANCEL, this);
    defaultButton = AddButton(BackgClr::DEFAULT, this);
    QPushButton* help = AddButton(BackgClr::HELP, this);
    for (QPushButton* button : {ok, cancel, defaultButton, help}) side->addWidget(button);
    side->addStretch();

    connect(list, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0) return;
        model.SelectScheme(index);
        Changed();
    });
    connect(ok, &QPushButton::clicked, this, &ColourDlgView::accept);
    connect(cancel, &QPushButton::clicked, this, &ColourDlgView::reject);
    connect(defaultButton, &QPushButton::clicked, this, [this] {
        model.Default();
        ok->setFocus(Qt::OtherFocusReason);
        Changed();
    });
    connect(help, &QPushButton::clicked, this, [this] { ShowHelp(HELP_COLOURS, this); });

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    ShowScheme();
    ok->setFocus();
}

void ColourDlgView::accept()
{
    model.Ok();
    if (boardChanged) boardChanged();
    TablorDialog::accept();
}

void ColourDlgView::reject()
{
    model.Cancel();
    if (boardChanged) boardChanged();
    TablorDialog::reject();
}

void ColourDlgView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        if (QWidget* child = childAt(event->position().toPoint())) {
            const int id = child->property(CONTROL_ID_PROPERTY).toInt();
            const int index = BackgClr::ColourIndexOf(id);
            if (index >= 0 && BackgClr::LABEL_IDS[index] == id) {
                Choose(index);
                return;
            }
        }
    }
    TablorDialog::mouseReleaseEvent(event);
}

void ColourDlgView::Choose(int index)
{
    if (model.ChooseColour(index)) Changed();
    // The dialog takes the keyboard back, also where no window manager hands
    // it back after the colour chooser.
    activateWindow();
}

void ColourDlgView::ShowScheme()
{
    const QColor normalText = palette().color(QPalette::WindowText);
    for (int i = 0; i < SCHEME_COLOURS; ++i) {
        const LabelPaint paint = model.LabelColours(i);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, ToColor(paint.background));
        colours.setColor(QPalette::WindowText, paint.whiteText ? ToColor(BackgClr::WHITE) : normalText);
        labels[i]->setPalette(colours);
    }
    const QSignalBlocker block(list);
    list->setCurrentIndex(model.shownScheme);
    defaultButton->setEnabled(model.DefaultEnabled());
}

void ColourDlgView::Changed()
{
    ShowScheme();
    if (boardChanged) boardChanged();
}

} // namespace

int ExecColourDlg(BackgClr& dialog, QWidget* parent, const std::function<void()>& boardChanged)
{
    ColourDlgView view(dialog, parent, boardChanged);
    return view.Run();
}
