#include "tools/TfrmImport.h"

#include "base/ErrorText.h"
#include "base/TextFile.h"
#include "settings/DictionaryInUse.h"
#include "tools/ImportPreviewTable.h"
#include "tools/ToolDialogs.h"
#include "ui/FileDrops.h"
#include "ui/Panels.h"
#include "ui/Platform.h"
#include "ui/Switch.h"
#include "ui/Text.h"
#include "words/ImportText.h"
#include "words/KvtmlReader.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <cerrno>
#include <fcntl.h>

namespace qor {

namespace {

const QString kCaption = QStringLiteral("インポート");

QString q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QComboBox* combo(QWidget* parent, const char* name) {
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return c;
}

QLabel* buddyLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

// "12、15、20 ほか 3 行": line numbers for the summary, at most ten of them.
QString lineList(const std::vector<std::size_t>& lines) {
    constexpr std::size_t kShown = 10;
    QStringList shown;
    for (std::size_t i = 0; i < lines.size() && i < kShown; ++i) shown << QString::number(lines[i]);
    QString text = shown.join(QStringLiteral("、"));
    if (lines.size() > kShown) text += QStringLiteral(" ほか %1 行").arg(lines.size() - kShown);
    return text;
}

// The encodings a learner can choose; what was detected is picked among them (plain
// ASCII and UTF-8 with its mark read as UTF-8).
TextEncoding shownEncoding(TextEncoding e) {
    return e == TextEncoding::Ascii || e == TextEncoding::Utf8Bom ? TextEncoding::Utf8 : e;
}

} // namespace

TfrmImport::TfrmImport(UserFiles user, PathSettings& files, QWidget* parent)
    : QDialog(parent), user_(std::move(user)), files_(files),
      preview_(new ImportPreviewTable(this)) {
    setWindowTitle(kCaption);
    setObjectName(QStringLiteral("TfrmImport"));
    setSizeGripEnabled(true);
    ui::acceptFileDrops(this, [this](const QList<QUrl>& urls) { FormDropFiles(urls); });

    txtSourceFile = new QLineEdit(this);
    txtSourceFile->setObjectName(QStringLiteral("txtSourceFile"));
    txtSourceFile->setPlaceholderText(
        QStringLiteral("CSV・TSV・KVTML などの単語リスト（パスを入力して Enter でも読み込めます）"));
    txtSourceFile->setToolTip(QStringLiteral("パスを入力して Enter を押すと、そのファイルを読み込みます"));
    cmdSelectFile = ui::commandButton(this, QStringLiteral("ファイルの選択 (&F)..."), "cmdSelectFile");

    cboEncoding = combo(this, "cboEncoding");
    cboEncoding->addItem(QStringLiteral("UTF-8"), static_cast<int>(TextEncoding::Utf8));
    cboEncoding->addItem(QStringLiteral("UTF-16 (LE)"), static_cast<int>(TextEncoding::Utf16Le));
    cboEncoding->addItem(QStringLiteral("UTF-16 (BE)"), static_cast<int>(TextEncoding::Utf16Be));
    cboEncoding->addItem(QStringLiteral("Shift-JIS (CP932)"), static_cast<int>(TextEncoding::Cp932));
    cboFormat = combo(this, "cboFormat");
    cboFormat->addItem(QStringLiteral("CSV（カンマ区切り）"), static_cast<int>(WordListFormat::Csv));
    cboFormat->addItem(QStringLiteral("TSV（タブ区切り）"), static_cast<int>(WordListFormat::Tsv));
    cboFormat->addItem(QStringLiteral("KVTML"), static_cast<int>(WordListFormat::Kvtml));
    cboFormat->addItem(QStringLiteral("辞書形式（英語=日本語*コメント）"),
                       static_cast<int>(WordListFormat::Dictionary));
    chkHeader = new QCheckBox(QStringLiteral("1行目は見出し（取り込まない） (&H)"), this);
    chkHeader->setObjectName(QStringLiteral("chkHeader"));
    cboEnglish = combo(this, "cboEnglish");
    cboJapanese = combo(this, "cboJapanese");
    cboComment = combo(this, "cboComment");

    auto* source = new QGridLayout;
    source->setHorizontalSpacing(6);
    source->addWidget(buddyLabel(QStringLiteral("読み込むファイル ： "), txtSourceFile, this), 0, 0,
                      Qt::AlignRight);
    source->addWidget(txtSourceFile, 0, 1, 1, 4);
    source->addWidget(cmdSelectFile, 0, 5);
    source->addWidget(buddyLabel(QStringLiteral("文字コード ： "), cboEncoding, this), 1, 0, Qt::AlignRight);
    source->addWidget(cboEncoding, 1, 1);
    source->addWidget(buddyLabel(QStringLiteral("形式 ： "), cboFormat, this), 1, 2, Qt::AlignRight);
    source->addWidget(cboFormat, 1, 3);
    source->addWidget(chkHeader, 1, 4, 1, 2);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(6);
    columns->addWidget(buddyLabel(QStringLiteral("英語の列 ： "), cboEnglish, this));
    columns->addWidget(cboEnglish, 1);
    columns->addSpacing(8);
    columns->addWidget(buddyLabel(QStringLiteral("日本語の列 ： "), cboJapanese, this));
    columns->addWidget(cboJapanese, 1);
    columns->addSpacing(8);
    columns->addWidget(buddyLabel(QStringLiteral("コメントの列 ： "), cboComment, this));
    columns->addWidget(cboComment, 1);
    source->addLayout(columns, 2, 0, 1, 6);
    source->setColumnStretch(4, 1);

    lstPreview = new QTreeView(this);
    lstPreview->setObjectName(QStringLiteral("lstPreview"));
    lstPreview->setModel(preview_);
    lstPreview->setRootIsDecorated(false);
    lstPreview->setUniformRowHeights(true);
    lstPreview->setAllColumnsShowFocus(true);
    lstPreview->setSelectionMode(QAbstractItemView::NoSelection);
    lstPreview->setAccessibleName(QStringLiteral("プレビュー"));
    lstPreview->setMinimumSize(640, 260);
    lstPreview->header()->setStretchLastSection(true);
    const int widths[] = {48, 150, 150, 170};
    for (int c = 0; c < 4; ++c) lstPreview->setColumnWidth(c, widths[c]);
    lblSummary = new QLabel(this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setWordWrap(true);
    lblSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* previewBox = new QGroupBox(QStringLiteral("プレビュー（最初の%1件）").arg(kPreviewEntries), this);
    auto* previewLayout = new QVBoxLayout(previewBox);
    previewLayout->addWidget(lstPreview, 1);
    previewLayout->addWidget(lblSummary);

    txtFolder = new QLineEdit(this);
    txtFolder->setObjectName(QStringLiteral("txtFolder"));
    txtFolder->setText(QDir::cleanPath(dialogFolder(user_, files_)));
    cmdSelectFolder = ui::commandButton(this, QStringLiteral("参照 (&B)..."), "cmdSelectFolder");
    txtFileName = new QLineEdit(this);
    txtFileName->setObjectName(QStringLiteral("txtFileName"));
    auto* target = new QGridLayout;
    target->setHorizontalSpacing(6);
    target->addWidget(buddyLabel(QStringLiteral("保存先のフォルダ ： "), txtFolder, this), 0, 0,
                      Qt::AlignRight);
    target->addWidget(txtFolder, 0, 1);
    target->addWidget(cmdSelectFolder, 0, 2);
    target->addWidget(buddyLabel(QStringLiteral("辞書ファイル名 ： "), txtFileName, this), 1, 0,
                      Qt::AlignRight);
    target->addWidget(txtFileName, 1, 1);
    target->setColumnStretch(1, 1);

    cmdImport = ui::commandButton(this, QStringLiteral("辞書ファイルを作成 (&S)"), "cmdImport");
    cmdClose = ui::commandButton(this, QStringLiteral("閉じる (&C)"), "cmdClose");
    auto* commands = ui::buttonRow({cmdImport, cmdClose});

    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 10);
    body->setSpacing(8);
    body->addLayout(source);
    body->addWidget(previewBox, 1);
    body->addLayout(target);
    body->addLayout(commands);
    ui::layOutUnderHeading(
        this,
        ui::banner(QStringLiteral("ここでは、他のプログラムの単語リストを辞書ファイルに変換します"),
                   this),
        body, nullptr, ui::WindowSize::Resizable);

    connect(cmdSelectFile, &QPushButton::clicked, this, &TfrmImport::cmdSelectFileClick);
    connect(txtSourceFile, &QLineEdit::returnPressed, this, &TfrmImport::txtSourceFileEnter);
    // A path typed and left without Enter was not read: the field names the file that was.
    connect(txtSourceFile, &QLineEdit::editingFinished, this,
            [this] { txtSourceFile->setText(sourcePath_); });
    connect(cboEncoding, &QComboBox::currentIndexChanged, this, &TfrmImport::cboEncodingChange);
    connect(cboFormat, &QComboBox::currentIndexChanged, this, &TfrmImport::cboFormatChange);
    ui::onToggled(chkHeader, this, &TfrmImport::chkHeaderClick);
    for (QComboBox* c : {cboEnglish, cboJapanese, cboComment})
        connect(c, &QComboBox::currentIndexChanged, this, &TfrmImport::cboColumnChange);
    connect(cmdSelectFolder, &QPushButton::clicked, this, &TfrmImport::cmdSelectFolderClick);
    connect(cmdImport, &QPushButton::clicked, this, &TfrmImport::cmdImportClick);
    connect(cmdClose, &QPushButton::clicked, this, &TfrmImport::cmdCloseClick);
    tmrTally = new QTimer(this);
    tmrTally->setObjectName(QStringLiteral("tmrTally"));
    tmrTally->setSingleShot(true);
    tmrTally->setInterval(0);
    connect(tmrTally, &QTimer::timeout, this, &TfrmImport::tmrTallyTimer);

    showChoices();
    resize(880, 640);
}

TfrmImport::~TfrmImport() {
    lstPreview->setModel(nullptr);
}

QString TfrmImport::summaryText() const {
    return lblSummary->text();
}

void TfrmImport::cmdSelectFileClick() {
    const std::string concerned = sourcePath_.isEmpty() ? std::string() : modelPath(sourcePath_.toStdString()).value_or("");
    QString chosen = ui::platform().openFileName(
        this, QStringLiteral("インポートする単語リストの選択"),
        QStringLiteral(
            "単語リスト (*.csv *.tsv *.txt *.kvtml *.xml)|*.csv *.tsv *.txt *.kvtml *.xml|"
            "すべてのファイル (*)|*"),
        dialogFolder(user_, files_, concerned));
    if (!chosen.isEmpty()) openFile(chosen);
}

void TfrmImport::txtSourceFileEnter() {
    QString typed = txtSourceFile->text().trimmed();
    if (typed.isEmpty() || typed == sourcePath_) return;
    if (typed == QStringLiteral("~") || typed.startsWith(QStringLiteral("~/")))
        typed = QDir::homePath() + typed.mid(1);
    // A name without a folder is looked for where the file choice would open.
    if (QFileInfo(typed).isRelative()) {
        const std::string concerned = sourcePath_.isEmpty() ? std::string() : modelPath(sourcePath_.toStdString()).value_or("");
        typed = QDir(dialogFolder(user_, files_, concerned)).filePath(typed);
    }
    openFile(QDir::cleanPath(typed));
}

void TfrmImport::FormDropFiles(const QList<QUrl>& urls) {
    if (!urls.isEmpty() && urls.constFirst().isLocalFile()) openFile(urls.constFirst().toLocalFile());
}

bool TfrmImport::openFile(const QString& path) {
    auto refuse = [&](const QString& reason) {
        ui::platform().showNotice(this, path + QStringLiteral("\n\nこのファイルは読み込めません。\n") + reason,
                                  QStringLiteral("エラー"), ui::kNoticeWarning);
        return false;
    };
    // Told before anything is read: a device or a pipe never ends, a huge file fills the memory.
    const QFileInfo info(path);
    if (info.exists() && !info.isDir() && !info.isFile())
        return refuse(QStringLiteral("通常のファイルではありません。"));
    if (info.isFile()) {
        if (std::string tooLarge = sizeRefusal(static_cast<std::uintmax_t>(info.size())); !tooLarge.empty())
            return refuse(q(tooLarge) + QStringLiteral("。"));
    }
    // A word list from elsewhere may carry a name CP932 cannot hold; it is only read.
    std::string bytes;
    if (auto cp932Path = modelPath(path.toStdString())) {
        Bytes raw = readAll(*cp932Path);
        if (!raw.status) {
            ui::showFileError(this, raw.status.path(), raw.status.reason());
            return false;
        }
        bytes = std::move(raw.bytes);
    } else {
        // Opened by the system itself, so that the box can give the reason in Japanese.
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            ui::platform().showNotice(
                this, path + QStringLiteral("\n") + QString::fromStdString(errorText(errno)),
                QStringLiteral("エラー"), ui::kNoticeWarning);
            return false;
        }
        QFile file;
        file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
        bytes = file.readAll().toStdString();
    }
    if (bytes.empty()) {
        ui::platform().showNotice(this, QStringLiteral("選択されたファイルには、何も書かれていません。"),
                                  QStringLiteral("エラー"), ui::kNoticeWarning);
        return false;
    }
    auto read = std::make_unique<WordListImport>(std::move(bytes), &readKvtml);
    if (!read->refusal().empty()) return refuse(q(read->refusal()) + QStringLiteral("。"));
    import_ = std::move(read);
    sourcePath_ = path;
    txtSourceFile->setText(path);
    // The new file's name follows the word list's, where it is free.
    auto stem = ui::fromQ(QFileInfo(path).completeBaseName());
    if (!stem || stem->empty()) stem = "import";
    auto folder = modelPath((QDir::cleanPath(txtFolder->text()) + QLatin1Char('/')).toStdString());
    std::string free = folder ? freeDictionaryPath(*folder, *stem) : std::string();
    txtFileName->setText(free.empty() ? ui::toQ(*stem + ".txt") : ui::toQ(fileNameOf(free)));
    showChoices();
    return true;
}

void TfrmImport::showChoices() {
    filling_ = true;
    const bool loaded = import_ != nullptr;
    for (QWidget* w : std::initializer_list<QWidget*>{cboEncoding, cboFormat, chkHeader, cboEnglish,
                                                      cboJapanese, cboComment, cmdImport})
        w->setEnabled(loaded);
    if (loaded) {
        cboEncoding->setCurrentIndex(
            cboEncoding->findData(static_cast<int>(shownEncoding(import_->encoding()))));
        cboFormat->setCurrentIndex(cboFormat->findData(static_cast<int>(import_->format())));
        const bool kvtml = import_->format() == WordListFormat::Kvtml;
        // XML names its own encoding.
        cboEncoding->setEnabled(!kvtml);
        const bool delimited =
            import_->format() == WordListFormat::Csv || import_->format() == WordListFormat::Tsv;
        chkHeader->setEnabled(delimited);
        chkHeader->setChecked(import_->skipsHeader());
    }
    fillColumns();
    filling_ = false;
    showPreview();
}

void TfrmImport::fillColumns() {
    const bool wasFilling = filling_;
    filling_ = true;
    for (QComboBox* c : {cboEnglish, cboJapanese, cboComment}) c->clear();
    cboComment->addItem(QStringLiteral("（なし）"), -1);
    if (import_) {
        for (std::size_t i = 0; i < import_->columnCount(); ++i) {
            const QString label = q(import_->columnLabel(i));
            const QString tip = q(import_->columnText(i));
            for (QComboBox* c : {cboEnglish, cboJapanese, cboComment}) {
                c->addItem(label, static_cast<int>(i));
                c->setItemData(c->count() - 1, tip, Qt::ToolTipRole);
            }
        }
        const ColumnChoice chosen = import_->columns();
        cboEnglish->setCurrentIndex(cboEnglish->findData(chosen.english));
        cboJapanese->setCurrentIndex(cboJapanese->findData(chosen.japanese));
        cboComment->setCurrentIndex(cboComment->findData(chosen.comment));
    }
    filling_ = wasFilling;
}

void TfrmImport::cboEncodingChange(int index) {
    if (filling_ || !import_ || index < 0) return;
    import_->setEncoding(static_cast<TextEncoding>(cboEncoding->itemData(index).toInt()));
    showChoices();
}

void TfrmImport::cboFormatChange(int index) {
    if (filling_ || !import_ || index < 0) return;
    import_->setFormat(static_cast<WordListFormat>(cboFormat->itemData(index).toInt()));
    showChoices();
}

void TfrmImport::chkHeaderClick() {
    if (filling_ || !import_) return;
    import_->setSkipHeader(chkHeader->isChecked());
    // The column names come from the header, or from the first entry's texts.
    fillColumns();
    showPreview();
}

void TfrmImport::cboColumnChange() {
    if (filling_ || !import_) return;
    import_->setColumns({cboEnglish->currentData().toInt(), cboJapanese->currentData().toInt(),
                         cboComment->currentData().toInt()});
    showPreview();
}

void TfrmImport::showPreview() {
    tmrTally->stop();
    std::vector<ImportedEntry> shown;
    if (!import_) {
        preview_->setEntries({});
        lblSummary->setText(QStringLiteral("単語リストのファイルを選択するか、ここへドロップしてください。"));
        return;
    }
    for (std::size_t i = 0; i < import_->entryCount() && i < kPreviewEntries; ++i)
        shown.push_back(import_->entry(i));
    preview_->setEntries(std::move(shown));

    const WordTable& table = import_->table();
    if (!table.error.empty()) {
        lblSummary->setText(QStringLiteral("このファイルは読み込めません。\n") + q(table.error));
        cmdImport->setEnabled(false);
        return;
    }
    tally_ = {};
    tallied_ = 0;
    tmrTallyTimer();
}

void TfrmImport::tmrTallyTimer() {
    if (!import_) return;
    const std::size_t to = std::min(tallied_ + kTallyEntries, import_->entryCount());
    import_->tally(tallied_, to, tally_);
    tallied_ = to;
    showSummary();
    if (tallied_ < import_->entryCount()) tmrTally->start();
}

void TfrmImport::showSummary() {
    const WordTable& table = import_->table();
    const ColumnChoice c = import_->columns();
    const bool counting = tallied_ < import_->entryCount();
    QString text = counting ? QStringLiteral("全 %1 件 ： 数えています…（%2 件まで）")
                                  .arg(import_->entryCount())
                                  .arg(tallied_)
                            : QStringLiteral("全 %1 件 ： 書き込む単語 %2 件、取り込めない項目 %3 件")
                                  .arg(import_->entryCount())
                                  .arg(tally_.written)
                                  .arg(tally_.skipped);
    // Every entry is counted somewhere: blank ones are passed over, and said so.
    if (!counting && tally_.blank > 0)
        text += QStringLiteral("、空の項目 %1 件（取り込みません）").arg(tally_.blank);
    bool importable = !counting && tally_.written > 0;
    if (c.english == c.japanese) {
        text += QStringLiteral("\n英語と日本語に同じ列が選ばれています。");
        importable = false;
    }
    if (!table.unclosedQuoteLines.empty()) {
        text += QStringLiteral("\n「\"」が閉じられていない行があります（%1行目）。その行は、行の終わりまでを一つの欄として読みました。")
                    .arg(lineList(table.unclosedQuoteLines));
    }
    if (!table.extraFieldLines.empty()) {
        text += QStringLiteral("\n%1列より多くの欄がある行があります（%2行目）。%1列目より後ろの欄は読みませんでした。")
                    .arg(kMostColumns)
                    .arg(lineList(table.extraFieldLines));
    }
    lblSummary->setText(text);
    cmdImport->setEnabled(importable);
}

void TfrmImport::cmdSelectFolderClick() {
    QString chosen = ui::platform().folderName(this, QStringLiteral("保存先のフォルダの選択"),
                                               txtFolder->text());
    if (!chosen.isEmpty()) txtFolder->setText(chosen);
}

std::optional<std::string> TfrmImport::targetPath() {
    QString name = txtFileName->text().trimmed();
    if (name.isEmpty()) {
        ui::platform().showNotice(this, QStringLiteral("辞書ファイルの名前を入力してください。"),
                                  QStringLiteral("エラー"), ui::kNoticeWarning);
        return std::nullopt;
    }
    if (name.contains(QLatin1Char('/'))) {
        ui::platform().showNotice(this, QStringLiteral("ファイル名には「/」を使えません。"),
                                  QStringLiteral("エラー"), ui::kNoticeWarning);
        return std::nullopt;
    }
    // Dictionaries are ".txt" files: the open dialogs and the combo boxes look for them.
    if (!name.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive)) name += QStringLiteral(".txt");
    QString folder = txtFolder->text();
    if (!QFileInfo(folder).isDir()) {
        ui::platform().showNotice(this, QStringLiteral("保存先のフォルダがありません。\n") + folder,
                                  QStringLiteral("エラー"), ui::kNoticeWarning);
        return std::nullopt;
    }
    return DictionaryPicker::rememberablePath(this, QDir(folder).filePath(name));
}

void TfrmImport::cmdImportClick() {
    if (!import_) return;
    // A long list takes a moment to convert and write.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    ImportResult result = import_->convert();
    QGuiApplication::restoreOverrideCursor();
    if (result.lines.empty()) return;
    auto path = targetPath();
    if (!path) return;
    const QString shownPath = ui::toQ(*path);
    if (folderExists(*path)) {
        ui::showFileError(this, *path, errorText(EISDIR));
        return;
    }
    if (fileExists(*path) &&
        ui::platform().showNotice(this,
                                  QStringLiteral("同じ名前のファイルがあります。上書きしますか？\n") + shownPath,
                                  kCaption, ui::kNoticeQuestion) != ui::Button::Yes)
        return;
    if (FileStatus status = writeLines(*path, result.lines); !status) {
        showSaveFailure(this, status);
        return;
    }
    createdPath_ = *path;

    QString text = QStringLiteral("辞書ファイルを作成しました。\n%1\n\n%2 語を書き込みました。")
                       .arg(shownPath)
                       .arg(result.lines.size());
    if (std::string lookAlikes = lookAlikeReport(result); !lookAlikes.empty())
        text += QStringLiteral("\n") + q(lookAlikes);
    if (!result.skipped.empty())
        text += QStringLiteral("\n\n取り込めなかった項目 %1 件:\n").arg(result.skipped.size()) +
                q(skippedReport(result.skipped));
    if (result.blankEntries > 0)
        text += QStringLiteral("\n\n空の項目 %1 件は取り込みませんでした。").arg(result.blankEntries);
    text += QStringLiteral("\n\nこの辞書ファイルを、使用する辞書にしますか？");
    if (ui::platform().showNotice(this, text, kCaption, ui::kNoticeQuestion) == ui::Button::Yes) {
        DictionaryInUse inUse(user_, files_);
        madeInUse_ =
            DictionaryPicker::choose(this, inUse, QString::fromStdString(nativePath(*path))).changed;
    }
    accept();
}

void TfrmImport::cmdCloseClick() {
    reject();
}

} // namespace qor
