#include "dialogs/file_filter.h"

#include "support/cp1251.h"

#include <QString>

namespace dialogs {
namespace {

QString patternsOf(const QString& patterns) {
    QStringList out;
    for (const QString& pattern : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        if (trimmed.isEmpty())
            continue;
        out << (trimmed == QStringLiteral("*.*") ? QStringLiteral("*") : trimmed);
    }
    return out.isEmpty() ? QStringLiteral("*") : out.join(QLatin1Char(' '));
}

} // namespace

QStringList nameFilters(std::string_view filter) {
    const QStringList parts =
        QString::fromStdString(cp1251::toUtf8(filter)).split(QLatin1Char('|'));
    QStringList filters;
    if (filter.empty())
        return filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + QStringLiteral(" (") + patternsOf(parts[i + 1]) + QLatin1Char(')');
    return filters;
}

} // namespace dialogs
