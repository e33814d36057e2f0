// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's top-level window: caption, system menu and minimise box, no
// maximise box and no sizing border; the menu bar built from the program's
// menu; the board canvas below it.

#include <QMainWindow>

#include <map>

class QtPlatform;
class QMenu;
class QAction;

class MainFrame final : public QMainWindow {
public:
    explicit MainFrame(QtPlatform& platform);

    // The pop-up menu of that title ("&Action"), nullptr if there is none.
    QMenu* Menu(const QString& title) const;
    // The menu item of a command, nullptr if there is none.
    QAction* Action(int command) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Adds the menus and items of the program's menu bar. An item shows its
    // shortcut after a tab but registers none: every key goes to the board,
    // and the program turns keys into commands itself.
    void BuildMenus();
    // Greys the items of a menu whose command is not enabled now.
    void EnableItems(QMenu* menu);

    QtPlatform& platform;
    std::map<int, QAction*> actions;
};
