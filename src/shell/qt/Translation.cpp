// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/Translation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QString Tr(const char* english) { return QCoreApplication::translate(TEXT_CONTEXT, english); }

QString Tr(const std::string& english) { return Tr(english.c_str()); }

const char* QtCatalogue::Translate(const char* english) const
{
    const auto found = translated.find(english);
    if (found != translated.end()) return found->second.c_str();
    const std::string text = Tr(english).toStdString();
    if (text.empty() || text == english) return english;
    return translated.emplace(english, text).first->second.c_str();
}

QString InstallTranslations(QCoreApplication& application, const QLocale& locale)
{
    // The "C" locale is English whatever LANGUAGE lists besides.
    if (locale.language() == QLocale::C) return {};
    auto* program = new QTranslator(&application);
    if (!program->load(locale, QStringLiteral("tablor"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        delete program;
        return {};
    }
    QCoreApplication::installTranslator(program);
    // Qt's own texts in the same language, where the system has them.
    auto* qt = new QTranslator(&application);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return QFileInfo(program->filePath()).completeBaseName();
}
