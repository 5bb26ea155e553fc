#include "ui/Platform.h"

#include <QtGlobal>

namespace ui {

namespace {
Platform* installed = nullptr;
} // namespace

Platform& platform() {
    // The program installs its platform first thing and the tests their scripted one; a
    // box asked for before that is a fault of the program, not something to guess at.
    if (!installed) qFatal("ui::platform(): no platform is installed");
    return *installed;
}

Platform* setPlatform(Platform* p) {
    Platform* previous = installed;
    installed = p;
    return previous;
}

QString qtFilter(const QString& filterWithBars) {
    const QStringList parts = filterWithBars.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString text = parts[i];
        QString pattern = parts[i + 1];
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (!text.contains(QLatin1Char('(')))
            text += QStringLiteral(" (") + pattern + QLatin1Char(')');
        else if (!text.contains(pattern))
            text = text.left(text.indexOf(QLatin1Char('('))).trimmed() + QStringLiteral(" (") +
                   pattern + QLatin1Char(')');
        filters << text;
    }
    if (filters.isEmpty())
        return filterWithBars;
    return filters.join(QStringLiteral(";;"));
}

} // namespace ui
