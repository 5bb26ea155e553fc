// Qor Helper: a vocabulary drill for Japanese-speaking learners of English.

#include "app/TfrmMain.h"
#include "base/DataRoot.h"
#include "base/TextFile.h"
#include "services/QtPlatform.h"
#include "settings/TUserSettings.h"
#include "ui/CloseOnSignal.h"
#include "ui/Fonts.h"
#include "ui/Platform.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

#include <clocale>
#include <exception>
#include <memory>

namespace {

// The installation data, found from the program's own place: <prefix>/share/qor-helper
// beside <prefix>/bin/qor-helper in an installed tree, and in the build tree a link
// beside app/ to the sources' data/. Wherever the tree is unpacked, it finds its own.
QString installationData() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/qor-helper"));
}

// The name of the desktop entry, which desktops match to the running program and its icon.
constexpr const char* kDesktopId = "io.github.qorhelper.QorHelper";

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Every box, dialog and sound of the program goes through this one object.
    ui::QtPlatform platform;
    ui::setPlatform(&platform);
    // The system's texts for errors the program has no Japanese sentence for
    // (base/ErrorText) stay in plain ASCII whatever the desktop language.
    std::setlocale(LC_MESSAGES, "C");
    QApplication::setApplicationName(QStringLiteral("Qor Helper"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
    QIcon icon = QIcon::fromTheme(QString::fromLatin1(kDesktopId));
    if (icon.isNull()) {
        icon.addFile(QStringLiteral(":/icons/qor-helper-48.png"));
        icon.addFile(QStringLiteral(":/icons/qor-helper-256.png"));
    }
    QApplication::setWindowIcon(icon);
    ui::installJapaneseTranslations(app);
    ui::installFontSubstitutions();
    // The program's own face for captions and menus, as on the desktop it was made for.
    QApplication::setFont(ui::fontFor(qor::TUserSettings::ordinaryFace(), 9));

    std::vector<std::string> args;
    for (const QString& a : QApplication::arguments().mid(1))
        args.push_back(a.toStdString());
    std::string root = qor::chooseDataRoot(args, qor::Environment::current());

    std::optional<std::string> programFolder = qor::modelPath(root + "/");
    if (!programFolder) {
        ui::platform().showNotice(
            nullptr,
            QStringLiteral("データフォルダの名前に、Shift-JIS で表せない文字が含まれています。\n"
                           "--home で別のフォルダを指定してください。\n\n") +
                QString::fromStdString(root),
            QStringLiteral("エラー"), ui::kNoticeWarning);
        return 1;
    }
    if (qor::FileStatus status = qor::installMissing(installationData().toStdString(), root);
        !status) {
        ui::platform().showNotice(nullptr,
                                  QStringLiteral("データフォルダを準備できませんでした。\n") +
                                      QString::fromStdString(status.path()) +
                                      QStringLiteral("\n") +
                                      QString::fromStdString(status.reason()),
                                  QStringLiteral("エラー"), ui::kNoticeWarning);
        return 1;
    }
    // Temporary files of safe writes that a killed program left behind.
    qor::removeSafeWriteLeftovers(root);

    // The main window shows the splash window while it is built; the two dialogs that
    // live for the whole run come next, then the splash goes. A start that fails on the
    // way says why before the program ends.
    std::unique_ptr<qor::TfrmMain> main;
    try {
        main = std::make_unique<qor::TfrmMain>(*programFolder);
        main->createLongLivedDialogs();
        main->releaseSplash();
    } catch (const std::exception& e) {
        main.reset();
        ui::platform().showNotice(nullptr,
                                  QStringLiteral("Qor Helperを起動できませんでした。\n") +
                                      QString::fromLocal8Bit(e.what()),
                                  QStringLiteral("エラー"), ui::kNoticeWarning);
        return 1;
    }
    QObject::connect(main.get(), &qor::TfrmMain::startAborted, &app, [&app] { app.exit(0); });
    qor::CloseOnSignal closeOnSignal(*main);
    main->show();
    return app.exec();
}
