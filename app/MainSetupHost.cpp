#include "app/MainSetupHost.h"

#include "app/TfrmMain.h"
#include "base/TextFile.h"

#include <QCoreApplication>

namespace qor {

void MainSetupHost::dictionaryHistoryCleared() {
    main_.dictionaryHistoryCleared();
}

void MainSetupHost::openNewText() {
    // The same window as the toolbar's command, with its own failure message.
    main_.cmdNewTextClick();
}

std::string MainSetupHost::bundledCompanionPath() const {
    // The companion is installed beside this program.
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/vexa");
    return modelPath(path.toStdString()).value_or(std::string());
}

} // namespace qor
