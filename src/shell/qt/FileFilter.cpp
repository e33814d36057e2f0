// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/FileFilter.h"

#include <QStringList>

QString QtFileFilter(const std::string& filter)
{
    const QStringList parts = QString::fromStdString(filter).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        if (description.isEmpty()) break;
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
        }
        // The description's own bracketed patterns give way to the real ones.
        const qsizetype bracket = description.lastIndexOf(u'(');
        if (bracket > 0 && description.endsWith(u')')) description = description.left(bracket).trimmed();
        filters << description + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return filters.join(QStringLiteral(";;"));
}
