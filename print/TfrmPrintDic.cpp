#include "print/TfrmPrintDic.h"

#include "base/Cp932.h"
#include "base/TextFile.h"
#include "print/LinesView.h"
#include "print/PrintWindowParts.h"
#include "settings/DictionaryInUse.h"
#include "ui/FileDrops.h"
#include "ui/Fonts.h"
#include "ui/GaugeProgress.h"
#include "ui/Panels.h"
#include "ui/Platform.h"
#include "ui/Printing.h"
#include "ui/Switch.h"
#include "ui/Text.h"
#include "words/WordEntry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

namespace qor {

TfrmPrintDic::TfrmPrintDic(UserFiles user, const PathSettings& files,
                           std::function<void()> editVocBook, QWidget* parent)
    : QDialog(parent), files_(files), user_(std::move(user)), editVocBook_(std::move(editVocBook)) {
    setWindowTitle(QStringLiteral("辞書の印刷"));
    ui::acceptFileDrops(this, [this](const QList<QUrl>& urls) { FormDropFiles(urls); });

    // --- the source ---
    auto* source = new QGroupBox(QStringLiteral("辞書ファイルの指定"), this);
    cboDicFile_ = new DictionaryPicker(dictionaries_, source);
    cboDicFile_->setMinimumContentsLength(24);
    cboDicFile_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    cboDicFile_->setAccessibleName(QStringLiteral("印刷する辞書ファイル"));
    cmdSelectDic_ = new QPushButton(QStringLiteral("辞書の選択 (&D)"), source);
    cmdSelectDic_->setObjectName(QStringLiteral("cmdSelectDic"));
    chkVocBook_ = new QCheckBox(QStringLiteral("単語帳を印刷する (&V)"), source);
    chkVocBook_->setObjectName(QStringLiteral("chkVocBook"));
    cmdEditVocBook_ = new QPushButton(QStringLiteral("単語帳の編集 (&E)"), source);
    cmdEditVocBook_->setObjectName(QStringLiteral("cmdEditVocBook"));
    auto* sourceGrid = new QGridLayout(source);
    sourceGrid->setHorizontalSpacing(8);
    sourceGrid->addWidget(cboDicFile_, 0, 0);
    sourceGrid->addWidget(cmdSelectDic_, 0, 1);
    sourceGrid->addWidget(chkVocBook_, 1, 0);
    sourceGrid->addWidget(cmdEditVocBook_, 1, 1);

    // --- the layout of the listing ---
    auto* options = new QGroupBox(QStringLiteral("読み込みボタンを押す前に、、、"), this);
    auto* tabLabel = new QLabel(QStringLiteral("タブ幅の設定 ： "), options);
    txtTab_ = new QSpinBox(options);
    txtTab_->setObjectName(QStringLiteral("txtTab"));
    txtTab_->setRange(0, 1000);
    txtTab_->setValue(100);
    txtTab_->setGroupSeparatorShown(false);
    txtTab_->setAlignment(Qt::AlignRight);
    txtTab_->setSuffix(QStringLiteral(" pt"));
    tabLabel->setBuddy(txtTab_);
    chkCommentOn_ = new QCheckBox(QStringLiteral("コメントがないときは表示しない"), options);
    chkCommentOn_->setObjectName(QStringLiteral("chkCommentOn"));
    chkNumberOn_ = new QCheckBox(QStringLiteral("行番号を付ける"), options);
    chkNumberOn_->setObjectName(QStringLiteral("chkNumberOn"));
    cmdFont_ = new QPushButton(QStringLiteral("フォント設定 (&F)"), options);
    cmdFont_->setObjectName(QStringLiteral("cmdFont"));
    auto* optionRow = new QHBoxLayout(options);
    optionRow->setSpacing(6);
    optionRow->addWidget(tabLabel);
    optionRow->addWidget(txtTab_);
    optionRow->addSpacing(12);
    optionRow->addWidget(chkCommentOn_);
    optionRow->addWidget(chkNumberOn_);
    optionRow->addStretch(1);
    optionRow->addWidget(cmdFont_);

    cmdLoad_ = new QPushButton(QStringLiteral("読み込み (&L)"), this);
    cmdLoad_->setObjectName(QStringLiteral("cmdLoad"));
    cmdLoad_->setDefault(true);
    cmdPrint_ = new QPushButton(QStringLiteral("印刷 (&P)"), this);
    cmdPrint_->setObjectName(QStringLiteral("cmdPrint"));
    cmdClose_ = new QPushButton(QStringLiteral("閉じる (&C)"), this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    for (QPushButton* b : {cmdSelectDic_, cmdEditVocBook_, cmdFont_, cmdPrint_, cmdClose_})
        b->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdLoad_);
    buttons->addWidget(cmdPrint_);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose_);

    moData_ = new LinesView(QStringLiteral("辞書の一覧"),
                           ui::fontFor(TUserSettings::ordinaryFace(), 10), this);
    moData_->setMinimumSize(560, 260);
    cgInfo_ = ui::progressGauge(this, QStringLiteral("cgInfo"), QStringLiteral("読み込んだ行の数"));

    auto* body = new QVBoxLayout;
    body->setSpacing(8);
    body->addWidget(source);
    body->addWidget(options);
    body->addLayout(buttons);
    body->addWidget(moData_, 1);
    body->addWidget(cgInfo_);
    sbInfo_ = frameWindow(this, QStringLiteral("ここでは、辞書の印刷を行います"), body);
    resize(640, 560);

    connect(cmdSelectDic_, &QPushButton::clicked, this, &TfrmPrintDic::cmdSelectDicClick);
    connect(cmdEditVocBook_, &QPushButton::clicked, this, &TfrmPrintDic::cmdEditVocBookClick);
    ui::onToggled(chkCommentOn_, this, &TfrmPrintDic::chkCommentOnClick);
    ui::onToggled(chkNumberOn_, this, &TfrmPrintDic::chkNumberOnClick);
    connect(cmdFont_, &QPushButton::clicked, this, &TfrmPrintDic::cmdFontClick);
    connect(cmdLoad_, &QPushButton::clicked, this, &TfrmPrintDic::cmdLoadClick);
    connect(cmdPrint_, &QPushButton::clicked, this, &TfrmPrintDic::cmdPrintClick);
    connect(cmdClose_, &QPushButton::clicked, this, &TfrmPrintDic::cmdCloseClick);

    FormShow();
}

QString TfrmPrintDic::statusText() const {
    return sbInfo_->text();
}

void TfrmPrintDic::setStatus(const QString& text) {
    showStatus(sbInfo_, text);
}

void TfrmPrintDic::FormShow() {
    cboDicFile_->showListed(files_.DicInUse);
    print_ = PrintDicSettings::load(user_.setupIni());
    chkCommentOn_->setChecked(print_.CommentOn);
    chkNumberOn_->setChecked(print_.NumberOn);
    txtTab_->setValue(print_.Tab);
    applyVocBookState();
}

void TfrmPrintDic::applyVocBookState() {
    const bool on = files_.VocBookOn;
    chkVocBook_->setEnabled(on);
    cmdEditVocBook_->setEnabled(on);
    if (!on)
        chkVocBook_->setChecked(false);
}

void TfrmPrintDic::showChoice(const DictionaryChange& change) {
    if (change.changed)
        cboDicFile_->setEditText(change.comboText);
}

void TfrmPrintDic::cmdSelectDicClick() {
    std::optional<std::string> current = cboDicFile_->typedPath();
    // The file is tested and remembered as every dictionary choice is; the dictionary in
    // use stays the main window's.
    showChoice(cboDicFile_->selectWithDialog(current.value_or("")));
}

void TfrmPrintDic::FormDropFiles(const QList<QUrl>& urls) {
    showChoice(cboDicFile_->acceptDroppedFiles(urls));
}

void TfrmPrintDic::cmdEditVocBookClick() {
    if (editVocBook_)
        editVocBook_();
    // The editor may have deleted the book.
    applyVocBookState();
}

void TfrmPrintDic::chkCommentOnClick() {
    print_.CommentOn = chkCommentOn_->isChecked();
}

void TfrmPrintDic::chkNumberOnClick() {
    print_.NumberOn = chkNumberOn_->isChecked();
}

void TfrmPrintDic::cmdFontClick() {
    std::optional<QFont> font = ui::platform().chooseFont(this, moData_->font());
    if (!font)
        return;
    moData_->setFont(*font);
    // Wider digits need a wider number column.
    if (!lines_.empty())
        moData_->showLines(lines_, tabStops());
}

void TfrmPrintDic::cmdLoadClick() {
    setStatus(QStringLiteral(" >> データの削除中・・・"));
    lines_.clear();
    source_.clear();
    moData_->clear();
    setStatus(QStringLiteral(" >> データの読み込み中・・・"));
    print_.Tab = txtTab_->value();

    std::string path;
    std::string shownPath;  // what names a source without a path
    if (chkVocBook_->isChecked()) {
        path = files_.VocBook;
        shownPath = path.empty() ? sj("単語帳") : path;
    } else {
        std::optional<std::string> known = cboDicFile_->typedPath();
        if (!known) {
            setStatus({});
            return;
        }
        path = *known;
        shownPath = path.empty() ? ui::fromQ(cboDicFile_->currentText()).value_or("") : path;
    }

    ui::GaugeProgress gauge(cgInfo_);
    Listing listing = buildListing(
        path, print_.NumberOn, print_.CommentOn,
        [&gauge](std::size_t n) { gauge.start(static_cast<int>(n)); },
        [&gauge](std::size_t i) { gauge.step(static_cast<int>(i)); });
    gauge.end();
    if (!listing.status) {
        setStatus({});
        ui::showFileError(this, shownPath, listing.status.reason());
        return;
    }
    lines_ = std::move(listing.lines);
    source_ = path;
    shownTab_ = print_.Tab;
    shownNumbers_ = print_.NumberOn;
    moData_->showLines(lines_, tabStops());
    setStatus(QStringLiteral(" >> ") + ui::toQ(path));
}

std::vector<double> TfrmPrintDic::tabStops() const {
    if (!shownNumbers_)
        return listingTabStops(shownTab_, false);
    // The widest number of the listing with its "：", and a digit's width of room after it.
    double digit = 0;
    for (char c = '0'; c <= '9'; ++c)
        digit = std::max(digit, ui::widthInPoints(moData_->font(), QString(QLatin1Char(c))));
    const auto digits = static_cast<double>(std::to_string(std::max<std::size_t>(lines_.size(), 1)).size());
    const double column = (digits + 1) * digit + ui::widthInPoints(moData_->font(), QStringLiteral("："));
    return listingTabStops(shownTab_, true, column);
}

void TfrmPrintDic::cmdPrintClick() {
    // A job title holds no tabs.
    const QString title = moData_->lineCount() == 0
                              ? QString()
                              : moData_->lineText(0).replace(QLatin1Char('\t'), QLatin1Char(' '));
    const QString name = source_.empty() ? QStringLiteral("辞書") : ui::toQ(dictionaryName(source_));
    ui::PrintOutcome outcome = ui::platform().printDocument(
        this, moData_->document(), title, name + QStringLiteral("_一覧.pdf"), 1, {});
    ui::showPrintFailure(this, outcome);
}

void TfrmPrintDic::cmdCloseClick() {
    print_.CommentOn = chkCommentOn_->isChecked();
    print_.NumberOn = chkNumberOn_->isChecked();
    print_.Tab = txtTab_->value();
    if (FileStatus status = print_.save(user_.setupIni()); !status)
        ui::showFileError(this, status.path(), status.reason());
    accept();
}

} // namespace qor
