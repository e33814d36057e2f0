// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/MainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>

#include "program/input/Menu.h"
#include "shell/qt/QtPlatform.h"
#include "shell/qt/QtStatusBar.h"
#include "shell/qt/Translation.h"

MainFrame::MainFrame(QtPlatform& owner) : QMainWindow(nullptr), platform(owner)
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    BuildMenus();
}

void MainFrame::BuildMenus()
{
    for (const MenuPopup& popup : MenuBar()) {
        QMenu* menu = menuBar()->addMenu(Tr(popup.title));
        // Found by its English title in every language.
        menu->setObjectName(QString::fromUtf8(popup.title));
        for (const MenuItem& item : popup.items) {
            QString text = Tr(item.text);
            if (*item.shortcut != 0) text += u'\t' + Tr(item.shortcut);
            auto* action = menu->addAction(text);
            action->setData(item.id);
            actions[item.id] = action;
            const int id = item.id;
            connect(action, &QAction::triggered, this,
                    [this, id] { platform.PostInput(Message::Cmd(id, CommandSource::Menu)); });
            if (item.separatorAfter) menu->addSeparator();
        }
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { EnableItems(menu); });
        // The item under the pointer explains itself in the status bar.
        connect(menu, &QMenu::hovered, this, [this](QAction* action) {
            const MenuItem* found = nullptr;
            for (const MenuPopup& p : MenuBar())
                for (const MenuItem& i : p.items)
                    if (i.id == action->data().toInt()) found = &i;
            platform.StatusWidget().ShowPrompt(found ? Tr(found->Prompt()) : QString());
        });
        connect(menu, &QMenu::aboutToHide, this, [this] { platform.StatusWidget().ClearPrompt(); });
    }
}

void MainFrame::EnableItems(QMenu* menu)
{
    for (QAction* action : menu->actions())
        if (!action->isSeparator()) action->setEnabled(platform.CommandEnabled(action->data().toInt()));
}

QMenu* MainFrame::Menu(const QString& title) const
{
    for (QAction* action : menuBar()->actions())
        if (action->menu() && action->menu()->objectName() == title) return action->menu();
    return nullptr;
}

QAction* MainFrame::Action(int command) const
{
    const auto it = actions.find(command);
    return it == actions.end() ? nullptr : it->second;
}

// Closing the window is the Exit command, carried out when the program is
// between messages.
void MainFrame::closeEvent(QCloseEvent* event)
{
    event->ignore();
    platform.RequestClose();
}

// The window system tells the frame's size only once the window is shown and
// framed (by the time it is first painted); the platform then fits the window
// again.
bool MainFrame::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::UpdateRequest:
    case QEvent::WindowActivate:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange:
        platform.CheckFrame();
        break;
    default:
        break;
    }
    return handled;
}
