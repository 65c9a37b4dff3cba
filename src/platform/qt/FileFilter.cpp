#include "platform/qt/FileFilter.h"

QStringList NameFiltersFromWindowsFilter(std::string_view filter) {
    QStringList parts = QString::fromLocal8Bit(filter.data(), static_cast<qsizetype>(filter.size())).split(u'|');
    QStringList nameFilters;
    for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2) {
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
        }
        patterns.removeAll(QString());
        if (!patterns.isEmpty()) {
            nameFilters << parts[i].trimmed() + QStringLiteral(" (") + patterns.join(u' ') + u')';
        }
    }
    return nameFilters;
}
