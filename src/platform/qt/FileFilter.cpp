#include "platform/qt/FileFilter.h"

namespace {

// Windows matches names whatever their case; a desktop's own dialog (GTK's) may not, so
// each letter is offered in both cases.
QString IgnoringCase(const QString& pattern) {
    QString folded;
    for (QChar c : pattern) {
        folded += c.isLetter() ? QStringLiteral("[%1%2]").arg(c.toLower(), c.toUpper()) : QString(c);
    }
    return folded;
}

}  // namespace

QStringList NameFiltersFromWindowsFilter(std::string_view filter) {
    QStringList parts = QString::fromLocal8Bit(filter.data(), static_cast<qsizetype>(filter.size())).split(u'|');
    QStringList nameFilters;
    for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2) {
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = IgnoringCase(pattern.trimmed());
        }
        patterns.removeAll(QString());
        if (!patterns.isEmpty()) {
            nameFilters << parts[i].trimmed() + QStringLiteral(" (") + patterns.join(u' ') + u')';
        }
    }
    return nameFilters;
}
