// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/dialogs/TablorDialog.h"

#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

#include "program/dialogs/DialogButton.h"
#include "program/platform/Platform.h"
#include "shell/qt/Translation.h"
#include "shell/qt/dialogs/HelpWindow.h"

TablorDialog::TablorDialog(QWidget* parent, const char* caption, const char* name, int context)
    : QDialog(parent), helpContext(context)
{
    setWindowTitle(Tr(caption));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    if (*name) setProperty(DIALOG_NAME_PROPERTY, QString::fromUtf8(name));
}

int TablorDialog::Run()
{
    FitCaption();
    return exec();
}

// The window manager writes the caption in a bold font, often larger than
// the dialog's (a quarter is allowed for), between the window's icon and up
// to three buttons, each about as wide as the title bar is high, with padding
// at both ends; a dialog narrower than that would show the caption cut.
int TablorDialog::CaptionWidth() const
{
    QFont caption = font();
    caption.setBold(true);
    const int bar = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    return QFontMetrics(caption).horizontalAdvance(windowTitle()) * 5 / 4 + 5 * bar;
}

void TablorDialog::FitCaption()
{
    ensurePolished();
    if (layout() != nullptr) layout()->activate();
    const int width = std::max(size().width(), sizeHint().width());
    const int needed = CaptionWidth();
    if (width >= needed) return;
    // A layout of fixed size would shrink the dialog back to its contents.
    if (layout() != nullptr && layout()->sizeConstraint() == QLayout::SetFixedSize) {
        layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        setFixedSize(needed, sizeHint().height());
    } else if (minimumWidth() == maximumWidth()) {
        setFixedWidth(needed);
    } else {
        setMinimumWidth(needed);
    }
}

void TablorDialog::accept() { done(IDOK); }

void TablorDialog::reject() { done(IDCANCEL); }

QPushButton* TablorDialog::AddButton(const DialogButton& button, QWidget* parent)
{
    auto* widget = new QPushButton(Tr(button.text), parent);
    SetControlId(widget, button.id);
    if (button.isDefault) {
        widget->setDefault(true);
        widget->setFocus();
    }
    return widget;
}

// F1 asks for help on this dialog, as the Help command does for the active
// window. A letter or digit that the control with the focus does not take
// (a button's) presses the push button it underlines, as Alt with it does;
// every other key keeps the dialog's own handling.
void TablorDialog::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        ShowHelp(helpContext, this);
        return;
    }
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))) {
        const QKeySequence withAlt(QKeyCombination(Qt::AltModifier, static_cast<Qt::Key>(key)));
        for (QPushButton* button : findChildren<QPushButton*>()) {
            if (button->window() != this || !button->isVisible() || !button->isEnabled()) continue;
            if (QKeySequence::mnemonic(button->text()) != withAlt) continue;
            button->click();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void SetControlId(QWidget* control, int id) { control->setProperty(CONTROL_ID_PROPERTY, id); }

QWidget* FindControl(const QWidget* dialog, int id)
{
    const QList<QWidget*> children = dialog->findChildren<QWidget*>();
    for (QWidget* child : children) {
        const QVariant value = child->property(CONTROL_ID_PROPERTY);
        if (value.isValid() && value.toInt() == id) return child;
    }
    return nullptr;
}

QString ToQString(const std::string& text) { return QString::fromStdString(text); }
