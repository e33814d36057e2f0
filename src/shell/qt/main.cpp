// SPDX-License-Identifier: GPL-3.0-or-later
// Tablor: one human against the computer at backgammon.

#include <QApplication>
#include <QLocale>

#include "program/app/BackgApp.h"
#include "shell/qt/QtPlatform.h"
#include "shell/qt/Translation.h"
#include "shell/qt/dialogs/Resources.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tablor"));
    // The desktop finds the entry and the icon of the window under the application's id.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tablor.Tablor"));
    QApplication::setWindowIcon(ProgramIcon());
    // The desktop's language (LANG, LC_ALL, LC_MESSAGES, LANGUAGE); English without a translation for it.
    InstallTranslations(application, QLocale::system());
    // The platform outlives the program: the board's pieces take themselves
    // off its surface when the program ends.
    QtPlatform platform;
    BackgApp program;
    QObject::connect(&platform, &QtPlatform::Finished, &application, &QApplication::quit, Qt::QueuedConnection);
    if (!platform.Start(program)) return 0;
    if (platform.Ended()) return 0;
    return QApplication::exec();
}
