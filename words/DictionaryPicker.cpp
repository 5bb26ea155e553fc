#include "words/DictionaryPicker.h"

#include "base/Cp932.h"
#include "base/TextFile.h"
#include "ui/Platform.h"
#include "ui/Text.h"
#include "words/Dictionary.h"
#include "words/DictionaryList.h"
#include "words/WordEntry.h"
#include "words/WordListImport.h"

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

DictionaryPicker::DictionaryPicker(DictionarySource& source, QWidget* parent)
    : QComboBox(parent), source_(source) {
    setObjectName(QStringLiteral("cboDicFile"));
    setEditable(true);
    // A typed name is looked up, never added to the list.
    setInsertPolicy(QComboBox::NoInsert);
}

void DictionaryPicker::showListed(const std::string& shownPath, Mark mark) {
    clear();
    for (const std::string& name : listedDictionaries(source_.setupIni())) {
        // A gap in the numbered keys names nothing that could be chosen.
        if (!name.empty())
            addItem(ui::toQ(name));
    }
    if (mark == Mark::None)
        setCurrentIndex(-1);
    setEditText(ui::toQ(fileNameOf(shownPath)));
}

std::optional<std::string> DictionaryPicker::typedName() {
    return ui::fromQOrWarn(window(), currentText());
}

std::optional<std::string> DictionaryPicker::typedPath() {
    auto fileName = typedName();
    if (!fileName)
        return std::nullopt;
    FileStatus read;
    std::string path = rememberedDictionaryPath(source_.setupIni(), *fileName, &read);
    if (!read) {
        ui::showFileError(window(), read.path(), read.reason());
        return std::nullopt;
    }
    return path;
}

QString DictionaryPicker::dialogFolder(const DictionarySource& source,
                                       const std::string& concernedPath) {
    for (const std::string& path : {concernedPath, source.current()}) {
        std::string folder = folderOf(path);
        if (!folder.empty() && folderExists(folder))
            return ui::toQ(folder);
    }
    return ui::toQ(source.fallbackFolder());
}

QString DictionaryPicker::statusText(const std::string& dictionaryText) {
    return ui::toQ(dictionaryPanelText(dictionaryText, true));
}

std::string DictionaryPicker::dictionaryName() const {
    return qor::dictionaryName(source_.current());
}

QString DictionaryPicker::askForFile(const std::string& concernedPath) {
    return ui::platform().openFileName(window(), QStringLiteral("辞書の選択"),
                                       QStringLiteral("辞書ファイル (*.txt)|*.txt"),
                                       dialogFolder(source_, concernedPath));
}

DictionaryChange DictionaryPicker::selectWithDialog(const std::string& concernedPath) {
    QString chosen = askForFile(concernedPath);
    if (chosen.isEmpty())
        return {};
    return choose(chosen);
}

DictionaryChange DictionaryPicker::acceptDroppedFiles(const QList<QUrl>& urls) {
    // Only the first dropped file counts; a drop that starts with something else (a web
    // address) chooses nothing.
    if (urls.isEmpty() || !urls.constFirst().isLocalFile())
        return {};
    return choose(urls.constFirst().toLocalFile());
}

std::optional<std::string> DictionaryPicker::rememberablePath(QWidget* parent,
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

std::optional<std::string> DictionaryPicker::offerCp932Copy(QWidget* parent,
                                                            const std::string& modelPath) {
    Bytes raw = readAll(modelPath);
    if (!raw.status || !isUnicodeDictionary(raw.bytes))
        return modelPath;  // a file that cannot be read is told by whoever reads it next
    const QString encoding = detectEncoding(raw.bytes) == TextEncoding::Utf16Le ||
                                     detectEncoding(raw.bytes) == TextEncoding::Utf16Be
                                 ? QStringLiteral("UTF-16")
                                 : QStringLiteral("UTF-8");
    const QString caption = QStringLiteral("辞書の変換");
    if (ui::platform().showNotice(
            parent,
            QStringLiteral("選択されたファイルは、%1 で書かれた辞書ファイルのようです。\n"
                           "Qor Helper では、Shift-JIS の辞書ファイルしか使用できません。\n\n"
                           "Shift-JIS に変換したコピーを同じフォルダに作って、そちらを使用しますか？\n"
                           "（元のファイルは、そのまま残ります）")
                .arg(encoding),
            caption, ui::kNoticeQuestion) != ui::Button::Yes)
        return std::nullopt;

    Cp932Copy copy = writeCp932Copy(modelPath);
    if (!copy.status) {
        ui::showFileError(parent, copy.status.path(), copy.status.reason());
        return std::nullopt;
    }
    const QString skipped = QString::fromStdString(skippedReport(copy.skipped));
    if (copy.path.empty()) {
        ui::platform().showNotice(
            parent,
            QStringLiteral("Shift-JIS で表せる行が一つもないため、変換できませんでした。\n\n") + skipped,
            kError, ui::kNoticeWarning);
        return std::nullopt;
    }
    QString text = copy.reused
                       ? QStringLiteral("前に変換したコピーを使用します。\n%1").arg(ui::toQ(copy.path))
                       : QStringLiteral("Shift-JIS に変換したコピーを作成しました。\n%1").arg(ui::toQ(copy.path));
    if (!copy.skipped.empty()) {
        text += QStringLiteral("\n\nShift-JIS で表せない文字を含む %1 行は、コピーに入れていません。\n")
                    .arg(copy.skipped.size()) +
                skipped;
    }
    ui::platform().showNotice(parent, text, caption, ui::kNoticeInformation);
    return copy.path;
}

std::optional<std::string> DictionaryPicker::testChosenFile(QWidget* parent, const QString& path) {
    auto chosenPath = rememberablePath(parent, path);
    if (!chosenPath)
        return std::nullopt;
    auto modelPath = offerCp932Copy(parent, *chosenPath);
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
    case DictionaryVerdict::NotDictionary: {
        QString text = QStringLiteral("選択されたファイルは、Qor Helper用辞書ファイルではありません");
        // A word list of another program: say where it can be turned into a dictionary.
        if (Bytes raw = readAll(*modelPath); raw.status && looksImportable(raw.bytes))
            text += QStringLiteral("\n\n他のプログラムの単語リスト（CSV・TSV・KVTML）は、"
                                   "「辞書の作成」のメニューにある「インポート」で、"
                                   "辞書ファイルに変換できます。");
        ui::platform().showNotice(parent, text, kError, ui::kNoticeWarning);
        return std::nullopt;
    }
    case DictionaryVerdict::Accepted:
        break;
    }
    return modelPath;
}

DictionaryChange DictionaryPicker::choose(const QString& path) {
    return choose(window(), source_, path);
}

DictionaryChange DictionaryPicker::choose(QWidget* parent, DictionarySource& source,
                                          const QString& path) {
    auto modelPath = testChosenFile(parent, path);
    if (!modelPath)
        return {};

    if (FileStatus written = rememberDictionaryPath(source.setupIni(), *modelPath); !written) {
        ui::showFileError(parent, written.path(), written.reason());
        return {};
    }
    source.setCurrent(*modelPath);
    // What was chosen, also for a window whose source keeps the dictionary in use.
    DictionaryChange result;
    result.changed = true;
    result.comboText = ui::toQ(fileNameOf(*modelPath));
    result.statusText = statusText(*modelPath);
    return result;
}

DictionaryChange DictionaryPicker::comboTextChanged(const QString& text) {
    QWidget* parent = window();
    if (!text.contains(QStringLiteral(".txt"))) {
        DictionaryChange unchanged;
        unchanged.statusText = statusText(source_.current());
        return unchanged;
    }
    DictionaryChange result;
    result.comboText = text;
    auto fileName = ui::fromQOrWarn(parent, text);
    if (!fileName) {
        result.statusText = statusText(source_.current());
        return result;
    }
    FileStatus read;
    std::string path = rememberedDictionaryPath(source_.setupIni(), *fileName, &read);
    if (!read) {
        // Setup.ini cannot be read: the dictionary in use stays as it is.
        ui::showFileError(parent, read.path(), read.reason());
        result.statusText = statusText(source_.current());
        return result;
    }
    source_.setCurrent(path);
    if (path.empty()) {
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
    result.statusText = statusText(path);
    return result;
}

} // namespace qor
