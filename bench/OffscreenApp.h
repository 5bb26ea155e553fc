#pragma once
// The Qt application of the window benchmarks: the offscreen platform unless another is
// asked for, without its note at every showing that it cannot size a window frame.

#include <QApplication>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace qor::bench {

inline void quietOffscreen(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (!message.contains(QStringLiteral("propagateSizeHints")))
        std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg)
        std::abort();
}

// Call before the QApplication is made.
inline void prepareOffscreen() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietOffscreen);
}

} // namespace qor::bench
