#include "print/TfrmMakeTest.h"

#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/Random.h"
#include "base/TextFile.h"
#include "print/LinesView.h"
#include "print/PrintWindowParts.h"
#include "print/TfrmQuestion.h"
#include "records/RecordFiles.h"
#include "settings/DictionaryInUse.h"
#include "ui/DialogFrame.h"
#include "ui/Fonts.h"
#include "ui/GaugeProgress.h"
#include "ui/Panels.h"
#include "ui/Platform.h"
#include "ui/Printing.h"
#include "ui/Switch.h"
#include "ui/Text.h"
#include "ui/WindowOpen.h"
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

#include <utility>

namespace qor {

namespace {

const QString kError = QStringLiteral("エラー");
const QString kConfirm = QStringLiteral("確認");

QSpinBox* numberField(int minimum, int maximum, int value, const QString& name, QWidget* parent) {
    auto* field = new QSpinBox(parent);
    field->setRange(minimum, maximum);
    field->setValue(value);
    field->setGroupSeparatorShown(false);
    field->setAlignment(Qt::AlignRight);
    field->setAccessibleName(name);
    return field;
}

} // namespace

TfrmMakeTest::TfrmMakeTest(UserFiles user, PathSettings files, std::string userName,
                           DrillSummary lastDrill, const DrillHistory& history, QWidget* parent)
    : QDialog(parent), user_(std::move(user)), files_(std::move(files)),
      userName_(std::move(userName)), lastDrill_(std::move(lastDrill)), history_(history) {
    setWindowTitle(QStringLiteral("簡易テスト用紙の作成"));
    ui::setDialogFrame(this);

    // --- what the sheet is made of ---
    auto* source = new QGroupBox(this);
    auto* dicLabel = new QLabel(QStringLiteral("辞書ファイルの選択 ： "), source);
    cboDicFile_ = new DictionaryPicker(dictionaries_, source);
    cboDicFile_->setMinimumContentsLength(24);
    dicLabel->setBuddy(cboDicFile_);
    auto* typeLabel = new QLabel(QStringLiteral("印刷するデータの種類 ： "), source);
    cboPrintType_ = new QComboBox(source);
    cboPrintType_->setObjectName(QStringLiteral("cboPrintType"));
    for (const char* name : kPrintTypeNames)
        cboPrintType_->addItem(QString::fromUtf8(name));
    typeLabel->setBuddy(cboPrintType_);
    txtPastNum_ = numberField(1, 10, 1, QStringLiteral("何回前の記録か"), source);
    txtPastNum_->setObjectName(QStringLiteral("txtPastNum"));
    txtPastNum_->setSuffix(QStringLiteral(" 回前"));
    // Shown and hidden with the type: the row keeps its place.
    QSizePolicy keep = txtPastNum_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    txtPastNum_->setSizePolicy(keep);

    auto check = [source](const char* text, const char* name) {
        auto* box = new QCheckBox(QString::fromUtf8(text), source);
        box->setObjectName(QString::fromLatin1(name));
        return box;
    };
    chkToEnglish_ = check("日本語から英語形式で作成(&E)", "chkToEnglish");
    chkSelectOn_ = check("選択形式で作成する (&S)", "chkSelectOn");
    chkPrintDate_ = check("日付を印刷する (&D)", "chkPrintDate");
    chkPrintUser_ = check("ユーザー名を印刷する (&U)", "chkPrintUser");
    chkPrintAnswer_ = check("答えを最後に印刷する (&A)", "chkPrintAnswer");
    chkPrintOption_ = check("正解率などを印刷する (&O)", "chkPrintOption");

    auto* sourceGrid = new QGridLayout(source);
    sourceGrid->setHorizontalSpacing(8);
    sourceGrid->setVerticalSpacing(6);
    sourceGrid->addWidget(dicLabel, 0, 0);
    sourceGrid->addWidget(cboDicFile_, 0, 1, 1, 2);
    sourceGrid->addWidget(typeLabel, 1, 0);
    sourceGrid->addWidget(cboPrintType_, 1, 1);
    sourceGrid->addWidget(txtPastNum_, 1, 2, Qt::AlignLeft);
    sourceGrid->setRowMinimumHeight(2, 4);
    sourceGrid->addWidget(chkToEnglish_, 3, 0);
    sourceGrid->addWidget(chkSelectOn_, 3, 1, 1, 2);
    sourceGrid->addWidget(chkPrintDate_, 4, 0);
    sourceGrid->addWidget(chkPrintUser_, 4, 1, 1, 2);
    sourceGrid->addWidget(chkPrintAnswer_, 5, 0);
    sourceGrid->addWidget(chkPrintOption_, 5, 1, 1, 2);
    sourceGrid->setColumnStretch(2, 1);

    // --- how it is printed ---
    auto* look = new QGroupBox(this);
    auto* copiesLabel = new QLabel(QStringLiteral("印刷する枚数"), look);
    txtPrintNum_ = numberField(0, 100, 1, QStringLiteral("印刷する枚数"), look);
    txtPrintNum_->setObjectName(QStringLiteral("txtPrintNum"));
    copiesLabel->setBuddy(txtPrintNum_);
    auto* tabLabel = new QLabel(QStringLiteral("タブ幅の設定"), look);
    txtTab_ = numberField(0, 1000, 160, QStringLiteral("タブ幅の設定"), look);
    txtTab_->setObjectName(QStringLiteral("txtTab"));
    txtTab_->setSuffix(QStringLiteral(" pt"));
    tabLabel->setBuddy(txtTab_);
    cmdFont_ = new QPushButton(QStringLiteral("フォント"), look);
    cmdFont_->setObjectName(QStringLiteral("cmdFont"));
    cmdQuestion_ = new QPushButton(QStringLiteral("問題文"), look);
    cmdQuestion_->setObjectName(QStringLiteral("cmdQuestion"));
    auto* lookRow = new QHBoxLayout(look);
    lookRow->setSpacing(6);
    lookRow->addWidget(copiesLabel);
    lookRow->addWidget(txtPrintNum_);
    lookRow->addSpacing(16);
    lookRow->addWidget(tabLabel);
    lookRow->addWidget(txtTab_);
    lookRow->addStretch(1);
    lookRow->addWidget(cmdFont_);
    lookRow->addWidget(cmdQuestion_);

    // --- the sheet ---
    moData_ = new LinesView(QStringLiteral("テスト用紙"),
                           ui::fontFor(TUserSettings::questionFace(), 11), this);
    moData_->setFixedSize(600, 300);
    cgInfo_ = ui::progressGauge(this, QStringLiteral("cgInfo"), QStringLiteral("作成した問題の数"));

    cmdView_ = new QPushButton(QStringLiteral("表示 (&V)"), this);
    cmdView_->setObjectName(QStringLiteral("cmdView"));
    cmdView_->setDefault(true);
    cmdPrint_ = new QPushButton(QStringLiteral("印刷 (&P)"), this);
    cmdPrint_->setObjectName(QStringLiteral("cmdPrint"));
    cmdSave_ = new QPushButton(QStringLiteral("保存 (&L)"), this);
    cmdSave_->setObjectName(QStringLiteral("cmdSave"));
    cmdClose_ = new QPushButton(QStringLiteral("閉じる (&C)"), this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    for (QPushButton* b : {cmdFont_, cmdQuestion_, cmdPrint_, cmdSave_, cmdClose_})
        b->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdView_);
    buttons->addWidget(cmdPrint_);
    buttons->addWidget(cmdSave_);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose_);

    auto* body = new QVBoxLayout;
    body->setSpacing(8);
    body->addWidget(source);
    body->addWidget(look);
    body->addWidget(moData_);
    body->addWidget(cgInfo_);
    body->addLayout(buttons);
    sbInfo_ = frameWindow(this, QStringLiteral("ここでは、簡易テスト用紙の作成を行います"), body);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(cboPrintType_, &QComboBox::currentIndexChanged, this, &TfrmMakeTest::cboPrintTypeChange);
    connect(txtPastNum_, &QSpinBox::valueChanged, this, &TfrmMakeTest::txtPastNumChange);
    ui::onToggled(chkToEnglish_, this, &TfrmMakeTest::chkToEnglishClick);
    ui::onToggled(chkSelectOn_, this, &TfrmMakeTest::chkSelectOnClick);
    ui::onToggled(chkPrintDate_, this, &TfrmMakeTest::chkPrintDateClick);
    ui::onToggled(chkPrintUser_, this, &TfrmMakeTest::chkPrintUserClick);
    ui::onToggled(chkPrintAnswer_, this, &TfrmMakeTest::chkPrintAnswerClick);
    ui::onToggled(chkPrintOption_, this, &TfrmMakeTest::chkPrintOptionClick);
    connect(cmdView_, &QPushButton::clicked, this, &TfrmMakeTest::cmdViewClick);
    connect(cmdPrint_, &QPushButton::clicked, this, &TfrmMakeTest::cmdPrintClick);
    connect(cmdSave_, &QPushButton::clicked, this, &TfrmMakeTest::cmdSaveClick);
    connect(cmdFont_, &QPushButton::clicked, this, &TfrmMakeTest::cmdFontClick);
    connect(cmdQuestion_, &QPushButton::clicked, this, &TfrmMakeTest::cmdQuestionClick);
    connect(cmdClose_, &QPushButton::clicked, this, &TfrmMakeTest::cmdCloseClick);

    FormShow();
}

QString TfrmMakeTest::statusText() const {
    return sbInfo_->text();
}

void TfrmMakeTest::setStatus(const QString& text) {
    showStatus(sbInfo_, text);
}

PrintType TfrmMakeTest::printType() const {
    return static_cast<PrintType>(std::max(0, cboPrintType_->currentIndex()));
}

void TfrmMakeTest::FormShow() {
    setStatus({});
    lines_.clear();
    moData_->clear();
    cboDicFile_->showListed(files_.DicInUse);
    test_ = MakeTestSettings::load(user_.setupIni());
    chkToEnglish_->setChecked(test_.ToEnglish);
    chkSelectOn_->setChecked(test_.SelectOn);
    chkPrintDate_->setChecked(test_.PrintDate);
    chkPrintUser_->setChecked(test_.PrintUser);
    chkPrintAnswer_->setChecked(test_.PrintAnswer);
    chkPrintOption_->setChecked(test_.PrintOption);
    txtTab_->setValue(test_.Tab);
    {
        const QSignalBlocker quiet(cboPrintType_);
        cboPrintType_->setCurrentIndex(0);
    }
    cboPrintTypeChange();
    cmdPrint_->setEnabled(false);
}

void TfrmMakeTest::cboPrintTypeChange() {
    const PrintType type = printType();
    const bool history = usesHistoryEntry(type);
    txtPastNum_->setVisible(history);
    const bool offered = scoreLineOffered(type);
    chkPrintOption_->setEnabled(offered);
    if (!offered) {
        chkPrintOption_->setChecked(false);
        test_.PrintOption = false;
    }
    // The sheet of an earlier drill draws its distractors from that drill's dictionary.
    if (history)
        txtPastNumChange();
}

void TfrmMakeTest::txtPastNumChange() {
    const DrillRecord& totals = history_.slot(txtPastNum_->value());
    // An entry without a drill has no dictionary; the one shown stays.
    if (!totals.dictionaryPath.empty())
        cboDicFile_->setEditText(ui::toQ(fileNameOf(totals.dictionaryPath)));
}

void TfrmMakeTest::chkToEnglishClick() {
    test_.ToEnglish = chkToEnglish_->isChecked();
}
void TfrmMakeTest::chkSelectOnClick() {
    test_.SelectOn = chkSelectOn_->isChecked();
}
void TfrmMakeTest::chkPrintDateClick() {
    test_.PrintDate = chkPrintDate_->isChecked();
}
void TfrmMakeTest::chkPrintUserClick() {
    test_.PrintUser = chkPrintUser_->isChecked();
}
void TfrmMakeTest::chkPrintAnswerClick() {
    test_.PrintAnswer = chkPrintAnswer_->isChecked();
}
void TfrmMakeTest::chkPrintOptionClick() {
    test_.PrintOption = chkPrintOption_->isChecked();
}

SheetRequest TfrmMakeTest::request(const std::string& dictionaryPath) const {
    SheetRequest r;
    r.type = printType();
    r.historyEntry = txtPastNum_->value();
    r.dictionaryPath = dictionaryPath;
    r.userFolder = user_.folder();
    r.now = DateTexts::of(programClock().now());
    r.lastDrill = &lastDrill_;
    r.history = &history_;
    return r;
}

void TfrmMakeTest::showSheet(const TestSheet& sheet) {
    lines_ = sheet.lines();
    moData_->showLines(lines_, tabStops_, sheet.questionOfLine());
}

void TfrmMakeTest::cmdViewClick() {
    if (cboDicFile_->currentText().isEmpty()) {
        ui::platform().showNotice(this, QStringLiteral("辞書ファイルが未設定です"), kError,
                                  ui::kNoticeWarning);
        return;
    }
    setStatus(QStringLiteral(" >> データを表示中・・・"));
    lines_.clear();
    moData_->clear();
    tabStops_ = sheetTabStops(txtTab_->value());

    const std::optional<std::string> known = cboDicFile_->typedPath();
    if (!known) {
        setStatus({});
        return;
    }
    const std::string& path = *known;
    const SheetRequest r = request(path);
    TestSheet sheet(test_);
    sheet.addHeading(userName_, r.now, sheetScore(r));
    showSheet(sheet);

    SheetSource source = readSheetSource(r);
    if (source.failed()) {
        // What is on the sheet so far stays; the print command keeps its state.
        setStatus({});
        if (!source.badNumber.empty()) {
            ui::platform().showNotice(
                this,
                QStringLiteral("記録ファイルの単語番号「%1」が数字ではありません。\n")
                        .arg(ui::toQ(source.badNumber)) +
                    ui::toQ(dailyRecordPath(user_.folder(), r.now.yearMonth, dictionaryName(path))),
                kError, ui::kNoticeWarning);
        } else {
            // A file name that no path is remembered for is named by itself.
            ui::showFileError(this, path.empty() ? ui::fromQ(cboDicFile_->currentText()).value_or("")
                                                 : source.status.path(),
                              source.status.reason());
        }
        return;
    }
    if (r.type == PrintType::WholeDictionary) {
        if (auto question = wholeDictionaryQuestion(source.count)) {
            if (ui::platform().showNotice(this, ui::toQ(*question), kConfirm, ui::kNoticeQuestion) !=
                ui::Button::Yes) {
                setStatus({});
                return;
            }
        }
    }
    if (source.cut)
        ui::platform().showNotice(this, ui::toQ(cutMessage(source.count)), kConfirm,
                                  ui::kNoticeInformation);

    ui::GaugeProgress gauge(cgInfo_);
    gauge.start(static_cast<int>(source.lines.size()));
    sheet.addQuestions(source.lines, source.dictionary, programRandom(),
                       [&gauge](int k) { gauge.step(k); });
    sheet.addEnd();
    showSheet(sheet);
    sheetDictionary_ = path;
    gauge.end();
    setStatus(QStringLiteral(" >> ") + ui::toQ(path));
    cmdPrint_->setEnabled(true);
}

void TfrmMakeTest::cmdPrintClick() {
    const QString remembered = statusText();
    setStatus(QStringLiteral(" >> 印刷準備中・・・"));
    const int copies = txtPrintNum_->value();
    if (copies > 0) {
        const QString title = moData_->lineCount() == 0 ? QString() : moData_->lineText(0);
        const QString pdfName = ui::toQ(dictionaryName(sheetDictionary_)) +
                                QStringLiteral("_テスト用紙.pdf");
        ui::PrintOutcome outcome = ui::platform().printDocument(
            this, moData_->document(), title, pdfName, copies, [this, copies](int copy) {
                setStatus(QStringLiteral(" >> 印刷中・・・ （%1／%2）").arg(copy).arg(copies));
            });
        ui::showPrintFailure(this, outcome);
    }
    setStatus(remembered);
}

void TfrmMakeTest::cmdSaveClick() {
    const QString chosen = ui::platform().saveFileName(
        this, QStringLiteral("テスト用紙の保存"), QStringLiteral("テキストファイル (*.txt)|*.txt"),
        QStringLiteral("txt"), dialogFolder(user_, files_, sheetDictionary_), ui::SaveMode::Append);
    if (chosen.isEmpty() || lines_.empty())
        return;
    auto path = ui::fromQOrWarn(this, chosen);
    if (!path)
        return;
    // All or nothing: a file that cannot take every line keeps what it had.
    if (FileStatus status = appendLines(*path, lines_); !status) {
        ui::platform().showNotice(this,
                                  QStringLiteral("保存に失敗しました\n\n") + ui::toQ(status.message()),
                                  kError, ui::kNoticeWarning);
        return;
    }
    setStatus(QStringLiteral(" >> 保存しました ： ") + chosen);
}

void TfrmMakeTest::cmdFontClick() {
    if (std::optional<QFont> font = ui::platform().chooseFont(this, moData_->font()))
        moData_->setFont(*font);
}

void TfrmMakeTest::cmdQuestionClick() {
    ui::openWindow(this, QStringLiteral("問題文の設定"), [this] {
        TfrmQuestion question(test_.Question_Type, this);
        ui::platform().showModal(question);
    });
}

void TfrmMakeTest::cmdCloseClick() {
    test_.Tab = txtTab_->value();
    if (FileStatus status = test_.save(user_.setupIni()); !status)
        ui::showFileError(this, status.path(), status.reason());
    accept();
}

} // namespace qor
