#include "words/DictionaryChoice.h"

#include "base/Cp932.h"
#include "base/TextFile.h"
#include "ui/Platform.h"
#include "ui/Text.h"
#include "words/Dictionary.h"
#include "words/DictionaryList.h"
#include "words/WordEntry.h"

#include <optional>

namespace qor {

namespace {

const QString kError = QStringLiteral("エラー");

// The first character of a file system path that has no CP932 form, or whose CP932 form
// names another file ("〜" comes back as "～"); empty when the path is usable.
QString unusableCharacter(const QString& path) {
    for (qsizetype i = 0; i < path.size();) {
        qsizetype n = path.at(i).isHighSurrogate() && i + 1 < path.size() ? 2 : 1;
        QString ch = path.mid(i, n);
        std::string utf8 = ch.toStdString();
        auto cp = toCp932(utf8);
        if (!cp || toUtf8(*cp) != utf8)
            return ch;
        i += n;
    }
    return {};
}

// The CP932 model path of a chosen file, or nullopt after telling the learner why the
// file cannot be used.
std::optional<std::string> modelPathOrWarn(QWidget* parent, const QString& path) {
    QString bad = unusableCharacter(path);
    if (bad.isEmpty()) {
        if (auto converted = ui::fromQ(path))
            return converted;
    }
    ui::platform().showNotice(
        parent,
        QStringLiteral("選択されたファイルのパスには、Shift-JIS で表せない文字「%1」が"
                       "含まれているため、辞書ファイルとして使用できません。\n"
                       "ファイル名やフォルダ名を変えてから、選択しなおしてください。")
            .arg(bad),
        kError, ui::kNoticeWarning);
    return std::nullopt;
}

} // namespace

QString dialogFolder(const TUserSettings& settings, const std::string& concernedPath) {
    for (const std::string& path : {concernedPath, settings.DicInUse}) {
        std::string folder = folderOf(path);
        if (!folder.empty() && folderExists(folder))
            return ui::toQ(folder);
    }
    return ui::toQ(settings.ProgramFolder + "dictionary/");
}

DictionaryChoice::DictionaryChoice(TUserSettings& settings) : settings_(settings) {}

QString DictionaryChoice::statusText(const std::string& dictionaryText) {
    return ui::toQ(dictionaryPanelText(dictionaryText, true));
}

std::string DictionaryChoice::dictionaryName() const {
    return qor::dictionaryName(settings_.DicInUse);
}

DictionaryChange DictionaryChoice::current(bool changed) const {
    DictionaryChange result;
    result.changed = changed;
    result.comboText = ui::toQ(fileNameOf(settings_.DicInUse));
    result.statusText = statusText(settings_.DicInUse);
    return result;
}

DictionaryChange DictionaryChoice::selectWithDialog(QWidget* parent) {
    // The dialog opens with no file name preset (the folder is the platform's choice).
    QString chosen = ui::platform().openFileName(parent, QStringLiteral("辞書の選択"),
                                                 QStringLiteral("辞書ファイル (*.txt)|*.txt"),
                                                 dialogFolder(settings_));
    if (chosen.isEmpty())
        return {};
    return choose(parent, chosen);
}

DictionaryChange DictionaryChoice::acceptDroppedFiles(QWidget* parent, const QList<QUrl>& urls) {
    // Only the first dropped file counts; a drop that starts with something else (a web
    // address) chooses nothing.
    if (urls.isEmpty() || !urls.constFirst().isLocalFile())
        return {};
    return choose(parent, urls.constFirst().toLocalFile());
}

std::optional<std::string> DictionaryChoice::rememberablePath(QWidget* parent,
                                                              const QString& path) {
    auto modelPath = modelPathOrWarn(parent, path);
    if (!modelPath)
        return std::nullopt;
    // The path is found again under the file name; a name that cannot be a key of
    // Setup.ini would be lost there.
    if (!isRememberableFileName(fileNameOf(*modelPath))) {
        ui::platform().showNotice(
            parent,
            QStringLiteral("このファイル名は、辞書ファイルの名前として使用できません。\n"
                           "（「=」や制御文字を含む名前、「[」で始まる名前は使えません）\n"
                           "ファイル名を変えてから、選択しなおしてください。"),
            kError, ui::kNoticeWarning);
        return std::nullopt;
    }
    return modelPath;
}

std::optional<std::string> DictionaryChoice::testChosenFile(QWidget* parent, const QString& path) {
    auto modelPath = rememberablePath(parent, path);
    if (!modelPath)
        return std::nullopt;

    DictionaryTest test = testDictionaryFile(*modelPath);
    switch (test.verdict) {
    case DictionaryVerdict::Unreadable:
        ui::showFileError(parent, test.status.path(), test.status.reason());
        return std::nullopt;
    case DictionaryVerdict::Empty:
        ui::platform().showNotice(
            parent,
            QStringLiteral("選択されたファイルには、何も書かれていません。\n"
                           "まず、単語を１０語記入してから選択してください。"),
            kError, ui::kNoticeWarning);
        return std::nullopt;
    case DictionaryVerdict::NotDictionary:
        ui::platform().showNotice(
            parent, QStringLiteral("選択されたファイルは、Qor Helper用辞書ファイルではありません"),
            kError, ui::kNoticeWarning);
        return std::nullopt;
    case DictionaryVerdict::Accepted:
        break;
    }
    return modelPath;
}

DictionaryChange DictionaryChoice::choose(QWidget* parent, const QString& path) {
    auto modelPath = testChosenFile(parent, path);
    if (!modelPath)
        return {};

    if (FileStatus written = rememberDictionaryPath(settings_.setupIniPath(), *modelPath);
        !written) {
        ui::showFileError(parent, written.path(), written.reason());
        return {};
    }
    settings_.DicInUse = *modelPath;
    return current(true);
}

DictionaryChange DictionaryChoice::comboTextChanged(QWidget* parent, const QString& text) {
    if (!text.contains(QStringLiteral(".txt"))) {
        DictionaryChange unchanged = current(false);
        unchanged.comboText.clear();
        return unchanged;
    }
    DictionaryChange result;
    result.comboText = text;
    auto fileName = ui::fromQOrWarn(parent, text);
    if (!fileName) {
        result.statusText = statusText(settings_.DicInUse);
        return result;
    }
    FileStatus read;
    std::string path = rememberedDictionaryPath(settings_.setupIniPath(), *fileName, &read);
    if (!read) {
        // Setup.ini cannot be read: the dictionary in use stays as it is.
        ui::showFileError(parent, read.path(), read.reason());
        result.statusText = statusText(settings_.DicInUse);
        return result;
    }
    settings_.DicInUse = path;
    if (settings_.DicInUse.empty()) {
        ui::platform().showNotice(
            parent,
            QStringLiteral("初めて使用する辞書ファイルのようです。\n\n"
                           "初めての辞書ファイルを使用する場合は、\n"
                           "１）\"辞書の選択\"ボタン\n"
                           "２）ドラッグ＆ドロップ\n"
                           "で指定しなおしてください。"),
            QStringLiteral("辞書の選択失敗"), ui::kNoticeInformation);
    }
    result.changed = true;
    result.statusText = statusText(settings_.DicInUse);
    return result;
}

} // namespace qor
