// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/dialogs/HelpWindow.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QShortcut>
#include <QTextBrowser>

#include "program/app/StringTable.h"
#include "program/game/Commands.h"
#include "shell/qt/Translation.h"
#include "shell/qt/dialogs/Resources.h"
#include "shell/qt/dialogs/TablorDialog.h"

namespace {

QPointer<QTextBrowser> helpWindow;

QTextBrowser* CreateHelpWindow(QWidget* owner)
{
    auto* browser = new QTextBrowser(owner);
    browser->setWindowFlags(Qt::Window);
    browser->setObjectName("tablorHelp");
    browser->setWindowTitle(Tr(QT_TRANSLATE_NOOP("Tablor", "%1 Help")).arg(ToQString(ApplicationTitle())));
    browser->setWindowIcon(ProgramIcon());
    browser->setOpenExternalLinks(true);
    browser->resize(680, 560);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), browser);
    QObject::connect(close, &QShortcut::activated, browser, &QWidget::close);
    return browser;
}

} // namespace

const char* HelpPage(int context)
{
    switch (context) {
    case HELP_SETTINGS:
        return "qrc:/help/settings.html";
    case HELP_COLOURS:
        return "qrc:/help/colours.html";
    case HELP_RESIGN:
        return "qrc:/help/resign.html";
    case HELP_AUTO_FINISH:
        return "qrc:/help/autofinish.html";
    default:
        return "qrc:/help/index.html";
    }
}

QTextBrowser* HelpBrowser() { return helpWindow; }

namespace {

// While a modal dialog runs, every other window is blocked; the help window
// then belongs to that dialog, so that it can be read and scrolled while the
// dialog waits (it closes with the dialog).
void ShowPage(const QUrl& page, QWidget* parent)
{
    QWidget* owner = QApplication::activeModalWidget();
    const bool created = !helpWindow;
    if (created) {
        helpWindow = CreateHelpWindow(owner);
    } else if (helpWindow->parentWidget() != owner) {
        const QRect geometry = helpWindow->geometry();
        helpWindow->setParent(owner, Qt::Window);
        helpWindow->setGeometry(geometry);
    }
    helpWindow->setSource(page);
    if (created && parent) {
        const QRect area = parent->window()->frameGeometry();
        helpWindow->move(area.center() - helpWindow->rect().center());
    }
    helpWindow->show();
    helpWindow->raise();
    helpWindow->activateWindow();
}

} // namespace

void ShowHelp(int context, QWidget* parent) { ShowPage(QUrl(QString::fromLatin1(HelpPage(context))), parent); }

bool ShowHelpFile(const QString& path, QWidget* parent)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    ShowPage(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()), parent);
    return true;
}
