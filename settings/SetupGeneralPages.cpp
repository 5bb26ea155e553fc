#include "settings/SetupGeneralPages.h"

#include "base/TextFile.h"
#include "settings/DictionaryInUse.h"
#include "settings/SettingsStore.h"
#include "settings/SetupHost.h"
#include "settings/SetupWidgets.h"
#include "settings/TfrmDicSetup.h"
#include "ui/Platform.h"
#include "ui/RadioGroup.h"
#include "ui/Switch.h"
#include "ui/Text.h"
#include "ui/WindowOpen.h"
#include "words/DictionaryList.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace qor {

namespace {

constexpr int kIndent = 22;

// Controls that depend on the box above them sit indented below it.
QVBoxLayout* indented(QVBoxLayout* parent) {
    auto* layout = new QVBoxLayout;
    layout->setContentsMargins(kIndent, 0, 0, 0);
    layout->setSpacing(parent->spacing());
    parent->addLayout(layout);
    return layout;
}

QSpinBox* spinBox(const QString& name, int minimum, int maximum, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(minimum, maximum);
    spin->setAlignment(Qt::AlignRight);
    return spin;
}

// A file field with its chooser, in one row of a grid under its caption.
QLineEdit* pathField(const QString& name, const QString& accessibleName, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setAccessibleName(accessibleName);
    field->setMinimumWidth(360);
    return field;
}

} // namespace

// --- 全般 ---

SetupGeneralPage::SetupGeneralPage(TUserSettings& settings, QWidget* parent)
    : SetupPage(settings, parent) {
    chkTimerOn =
        checkBox(QStringLiteral("時間制限をする (&T)"), QStringLiteral("chkTimerOn"), this);
    auto* timeLabel = new QLabel(QStringLiteral("時間設定 ： "), this);
    txtTimeLimit = spinBox(QStringLiteral("txtTimeLimit"), 1, 60, this);
    timeLabel->setBuddy(txtTimeLimit);
    auto* seconds = new QLabel(QStringLiteral("秒"), this);

    chkShowResult = checkBox(QStringLiteral("正解 / 不正解の結果を表示する (&S)"),
                             QStringLiteral("chkShowResult"), this);
    chkShowErrorOnly = checkBox(QStringLiteral("不正解のときだけ結果を表示する (&E)"),
                                QStringLiteral("chkShowErrorOnly"), this);
    chkShowEasyError = checkBox(QStringLiteral("不正解時の結果を簡易表示にする (&Z)"),
                                QStringLiteral("chkShowEasyError"), this);
    chkShowEasyAtari = checkBox(QStringLiteral("正解時の結果を簡易表示にする  (&A)"),
                                QStringLiteral("chkShowEasyAtari"), this);
    chkErrorDialogOn = checkBox(QStringLiteral("全問終了時に間違え表示ダイアログを表示する (&M)"),
                                QStringLiteral("chkErrorDialogOn"), this);
    chkRepeatError = checkBox(QStringLiteral("間違えた問題を正解するまで繰り返す (&R)"),
                              QStringLiteral("chkRepeatError"), this);
    chkShowPronunciation = checkBox(QStringLiteral("発音記号を表示する (&P)"),
                                    QStringLiteral("chkShowPronunciation"), this);
    chkShowPronResultOnly =
        checkBox(QStringLiteral("正解／不正解の結果ダイアログにのみ表示する (&D)"),
                 QStringLiteral("chkShowPronResultOnly"), this);
    chkShowHint = checkBox(QStringLiteral("常に単語の一文字目を表示する (&H)"),
                           QStringLiteral("chkShowHint"), this);
    chkIgnoreCase = checkBox(QStringLiteral("大文字 ／ 小文字を無視する (&U)"),
                             QStringLiteral("chkIgnoreCase"), this);
    chkShowComment = checkBox(QStringLiteral("出題と同時にコメントも表示する (&C)"),
                              QStringLiteral("chkShowComment"), this);
    chkImportantOn = checkBox(QStringLiteral("単語毎の重要度を設定する (&I)"),
                              QStringLiteral("chkImportantOn"), this);
    chkAutoImportantOn = checkBox(QStringLiteral("自動的に重要度を設定する (&G)"),
                                  QStringLiteral("chkAutoImportantOn"), this);
    chkMultiRandomOn = checkBox(QStringLiteral("問題が複数登録の場合、ランダムに出題する (&N)"),
                                QStringLiteral("chkMultiRandomOn"), this);
    chkMakeLogFile = checkBox(QStringLiteral("学習ログファイルを作成する (&L)"),
                              QStringLiteral("chkMakeLogFile"), this);
    chkAutoImeOn = checkBox(QStringLiteral("出題形式によって自動的に日本語入力を切り替える (&J)"),
                            QStringLiteral("chkAutoImeOn"), this);

    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(chkTimerOn);
    timeRow->addSpacing(16);
    timeRow->addWidget(timeLabel);
    timeRow->addWidget(txtTimeLimit);
    timeRow->addWidget(seconds);
    timeRow->addStretch(1);

    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(chkShowResult);
    QVBoxLayout* resultDependents = indented(left);
    resultDependents->addWidget(chkShowErrorOnly);
    resultDependents->addWidget(chkShowEasyError);
    resultDependents->addWidget(chkShowEasyAtari);
    left->addWidget(chkErrorDialogOn);
    left->addWidget(chkRepeatError);
    left->addWidget(chkShowHint);
    left->addWidget(chkIgnoreCase);
    left->addStretch(1);

    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(chkShowPronunciation);
    indented(right)->addWidget(chkShowPronResultOnly);
    right->addWidget(chkShowComment);
    right->addWidget(chkImportantOn);
    indented(right)->addWidget(chkAutoImportantOn);
    right->addWidget(chkMultiRandomOn);
    right->addWidget(chkMakeLogFile);
    right->addWidget(chkAutoImeOn);
    right->addStretch(1);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(18);
    columns->addLayout(left);
    columns->addLayout(right);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(timeRow);
    auto* rule = new QFrame(this);
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    layout->addWidget(rule);
    layout->addLayout(columns);
    layout->addStretch(1);

    for (auto [box, key] : {std::pair{chkShowErrorOnly, "ShowErrorOnly"},
                            {chkShowEasyError, "ShowEasyError"},
                            {chkShowEasyAtari, "ShowEasyAtari"},
                            {chkAutoImportantOn, "AutoImportantOn"},
                            {chkErrorDialogOn, "ErrorDialogOn"},
                            {chkRepeatError, "RepeatError"},
                            {chkShowHint, "ShowHint"},
                            {chkIgnoreCase, "IgnoreCase"},
                            {chkShowComment, "ShowComment"},
                            {chkMultiRandomOn, "MultiRandomOn"},
                            {chkMakeLogFile, "MakeLogFile"},
                            {chkAutoImeOn, "AutoImeOn"}})
        bind(box, key);
    bind(chkShowResult, "ShowResult", true);
    bind(chkShowPronunciation, "ShowPronunciation", true);
    bind(chkImportantOn, "ImportantOn", true);

    ui::onToggled(chkTimerOn, this, &SetupGeneralPage::chkTimerOnClick);
    ui::onToggled(chkShowResult, this, &SetupGeneralPage::chkShowResultClick);
    ui::onToggled(chkShowPronunciation, this, &SetupGeneralPage::chkShowPronunciationClick);
    ui::onToggled(chkImportantOn, this, &SetupGeneralPage::chkImportantOnClick);
}

void SetupGeneralPage::FormShow() {
    // Kept while the signs are off, so shown before the signs' switch acts on it.
    chkShowPronResultOnly->setChecked(settings_.drill.ShowPronResultOnly);
    showBound();
    ui::setSwitch(chkTimerOn, settings_.drill.TimeLimitOn);
}

bool SetupGeneralPage::store(TUserSettings& next) {
    storeBound(next);
    // The time limit is for this run only; its length is kept while it is off.
    next.drill.TimeLimitOn = chkTimerOn->isChecked();
    if (next.drill.TimeLimitOn) next.drill.TimeLimit = txtTimeLimit->value();
    // Only meaningful with the signs on; otherwise it keeps its value.
    if (next.drill.ShowPronunciation)
        next.drill.ShowPronResultOnly = chkShowPronResultOnly->isChecked();
    return true;
}

void SetupGeneralPage::chkTimerOnClick() {
    const bool on = chkTimerOn->isChecked();
    txtTimeLimit->setEnabled(on);
    if (on) txtTimeLimit->setValue(settings_.drill.TimeLimit);
}

void SetupGeneralPage::chkShowResultClick() {
    const bool on = chkShowResult->isChecked();
    for (QCheckBox* box : {chkShowErrorOnly, chkShowEasyError, chkShowEasyAtari}) {
        if (!on) box->setChecked(false);
        box->setEnabled(on);
    }
}

void SetupGeneralPage::chkShowPronunciationClick() {
    const bool on = chkShowPronunciation->isChecked();
    if (!on) chkShowPronResultOnly->setChecked(false);
    chkShowPronResultOnly->setEnabled(on);
}

void SetupGeneralPage::chkImportantOnClick() {
    const bool on = chkImportantOn->isChecked();
    if (!on) chkAutoImportantOn->setChecked(false);
    chkAutoImportantOn->setEnabled(on);
}

// --- ファイル ---

SetupFilePage::SetupFilePage(TUserSettings& settings, SetupHost& host, QWidget* parent)
    : SetupPage(settings, parent), host_(host) {
    auto* defDicLabel = new QLabel(QStringLiteral("デフォルト辞書ファイルの指定"), this);
    txtDefDicPath = pathField(QStringLiteral("txtDefDicPath"), QString(), this);
    defDicLabel->setBuddy(txtDefDicPath);
    cmdSelectDefDic =
        button(QStringLiteral("ファイルの選択 (&F)"), QStringLiteral("cmdSelectDefDic"), this);
    chkUseEndDicFile = checkBox(QStringLiteral("前回終了時の辞書に設定する"),
                                QStringLiteral("chkUseEndDicFile"), this);

    auto* signLabel = new QLabel(QStringLiteral("発音記号用ファイルの指定"), this);
    txtPhoneticSignFile = pathField(QStringLiteral("txtPhoneticSignFile"), QString(), this);
    signLabel->setBuddy(txtPhoneticSignFile);
    cmdSelectPhoneticSign = button(QStringLiteral("ファイルの選択 (&I)"),
                                   QStringLiteral("cmdSelectPhoneticSign"), this);

    chkSaveError = checkBox(QStringLiteral("間違えた単語を記録する (&S)"),
                            QStringLiteral("chkSaveError"), this);
    txtSaveErrorFile = pathField(QStringLiteral("txtSaveErrorFile"),
                                 QStringLiteral("間違えた単語の記録先ファイル"), this);
    cmdSelectSaveErrorFile = button(QStringLiteral("ファイルの選択 (&L)"),
                                    QStringLiteral("cmdSelectSaveErrorFile"), this);

    auto* vocGroup = new QGroupBox(QStringLiteral("単語帳の指定"), this);
    auto* vocNote = new QLabel(
        QStringLiteral("単語帳を使用するには、最初に単語帳用ファイルを指定する必要があります。"),
        vocGroup);
    txtVocBook =
        pathField(QStringLiteral("txtVocBook"), QStringLiteral("単語帳用ファイル"), vocGroup);
    cmdSelectVocBook =
        button(QStringLiteral("ファイルの選択 (&E)"), QStringLiteral("cmdSelectVocBook"), vocGroup);
    auto* vocLayout = new QGridLayout(vocGroup);
    vocLayout->addWidget(vocNote, 0, 0, 1, 2);
    vocLayout->addWidget(txtVocBook, 1, 0);
    vocLayout->addWidget(cmdSelectVocBook, 1, 1);
    vocLayout->setColumnStretch(0, 1);

    auto* newTextLabel = new QLabel(QStringLiteral("テキストファイルの新規作成 ： "), this);
    cmdNewText = button(QStringLiteral("NE&W"), QStringLiteral("cmdNewText"), this);
    cmdNewText->setAccessibleName(QStringLiteral("テキストファイルの新規作成"));
    auto* dicSetupLabel = new QLabel(QStringLiteral("\"単語の種類\"の表示設定 ： "), this);
    cmdDicSetup = button(QStringLiteral("設定 (&S)"), QStringLiteral("cmdDicSetup"), this);
    cmdDicSetup->setAccessibleName(QStringLiteral("\"単語の種類\"の表示設定"));

    auto* files = new QGridLayout;
    files->setVerticalSpacing(4);
    files->addWidget(defDicLabel, 0, 0, 1, 2);
    files->addWidget(txtDefDicPath, 1, 0);
    files->addWidget(cmdSelectDefDic, 1, 1);
    files->addWidget(chkUseEndDicFile, 2, 0, 1, 2);
    files->setRowMinimumHeight(3, 8);
    files->addWidget(signLabel, 4, 0, 1, 2);
    files->addWidget(txtPhoneticSignFile, 5, 0);
    files->addWidget(cmdSelectPhoneticSign, 5, 1);
    files->setRowMinimumHeight(6, 8);
    files->addWidget(chkSaveError, 7, 0, 1, 2);
    files->addWidget(txtSaveErrorFile, 8, 0);
    files->addWidget(cmdSelectSaveErrorFile, 8, 1);
    files->setColumnStretch(0, 1);

    auto* commands = new QHBoxLayout;
    commands->addWidget(newTextLabel);
    commands->addWidget(cmdNewText);
    commands->addStretch(1);
    commands->addWidget(dicSetupLabel);
    commands->addWidget(cmdDicSetup);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(files);
    layout->addSpacing(6);
    layout->addWidget(vocGroup);
    layout->addSpacing(6);
    layout->addLayout(commands);
    layout->addStretch(1);

    bind(chkUseEndDicFile, "UseEndDicFile");
    bind(chkSaveError, "SaveError", true);

    ui::onToggled(chkSaveError, this, &SetupFilePage::chkSaveErrorClick);
    connect(cmdSelectDefDic, &QPushButton::clicked, this, &SetupFilePage::cmdSelectDefDicClick);
    connect(cmdSelectPhoneticSign, &QPushButton::clicked, this,
            &SetupFilePage::cmdSelectPhoneticSignClick);
    connect(cmdSelectSaveErrorFile, &QPushButton::clicked, this,
            &SetupFilePage::cmdSelectSaveErrorFileClick);
    connect(cmdSelectVocBook, &QPushButton::clicked, this, &SetupFilePage::cmdSelectVocBookClick);
    connect(cmdNewText, &QPushButton::clicked, this, &SetupFilePage::cmdNewTextClick);
    connect(cmdDicSetup, &QPushButton::clicked, this, &SetupFilePage::cmdDicSetupClick);
}

void SetupFilePage::FormShow() {
    const TUserSettings& s = settings_;
    setPathField(txtDefDicPath, ui::toQ(s.files.DefDicPath));
    setPathField(txtPhoneticSignFile, ui::toQ(s.files.PhoneticSignFile));
    setPathField(txtVocBook, ui::toQ(s.files.VocBook));
    showBound();
}

bool SetupFilePage::store(TUserSettings& next) {
    auto defDic = fieldText(this, txtDefDicPath);
    auto sign = defDic ? fieldText(this, txtPhoneticSignFile) : std::nullopt;
    auto saveError = sign ? fieldText(this, txtSaveErrorFile) : std::nullopt;
    auto vocBook = saveError ? fieldText(this, txtVocBook) : std::nullopt;
    if (!vocBook) return false;
    storeBound(next);
    next.files.DefDicPath = *defDic;
    next.files.PhoneticSignFile = *sign;
    // The file of missed words goes with its switch.
    next.files.SaveErrorFile = next.files.SaveError ? *saveError : std::string();
    // The book is in use exactly when one is named.
    next.files.VocBook = *vocBook;
    next.files.VocBookOn = !vocBook->empty();
    return true;
}

void SetupFilePage::chkSaveErrorClick() {
    const bool on = chkSaveError->isChecked();
    setPathField(txtSaveErrorFile, on ? ui::toQ(settings_.files.SaveErrorFile) : QString());
    txtSaveErrorFile->setEnabled(on);
    cmdSelectSaveErrorFile->setEnabled(on);
}

void SetupFilePage::cmdSelectDefDicClick() {
    QString chosen =
        ui::platform().openFileName(this, QStringLiteral("デフォルト辞書ファイルの指定"),
                                    QStringLiteral("辞書ファイル (*.txt)|*.txt"),
                                    dialogFolder(settings_, ui::fromQ(txtDefDicPath->text()).value_or(std::string())));
    if (chosen.isEmpty()) return;
    // It becomes the dictionary in use at the next start, known by its file name.
    if (DictionaryPicker::testChosenFile(this, chosen)) setPathField(txtDefDicPath, chosen);
}

void SetupFilePage::cmdSelectPhoneticSignClick() {
    chooseFileInto(this, txtPhoneticSignFile, QStringLiteral("発音記号用ファイルの指定"),
                   QStringLiteral("発音記号用ファイル (*.txt)|*.txt"), settings_);
}

void SetupFilePage::cmdSelectSaveErrorFileClick() {
    chooseFileInto(this, txtSaveErrorFile, QStringLiteral("間違えた単語の記録先"),
                   QStringLiteral("間違え記録先ファイル (*.txt)|*.txt"), settings_);
}

void SetupFilePage::cmdSelectVocBookClick() {
    // A book that is there is used as it is; a name that is not there yet makes a new,
    // empty book, so that the editor and the printing find it at once.
    const QString chosen = ui::platform().saveFileName(
        this, QStringLiteral("単語帳の指定"), QStringLiteral("単語帳用ファイル (*.txt)|*.txt"),
        QStringLiteral("txt"),
        dialogFolder(settings_, ui::fromQ(txtVocBook->text()).value_or(std::string())),
        ui::SaveMode::Append);
    if (chosen.isEmpty()) return;
    const std::optional<std::string> path = ui::fromQOrWarn(this, chosen);
    if (!path) return;
    if (!fileExists(*path)) {
        if (FileStatus made = createNewFile(*path); !made) {
            ui::showFileError(this, made.path(), made.reason());
            return;
        }
    }
    setPathField(txtVocBook, chosen);
}

void SetupFilePage::cmdNewTextClick() {
    host_.openNewText();
}

void SetupFilePage::cmdDicSetupClick() {
    ui::openWindow(this, QStringLiteral("デフォルト辞書タイプの設定"), [this] {
        TfrmDicSetup dialog(settings_, this);
        ui::platform().showModal(dialog);
    });
}

// --- その他 ---

SetupOtherPage::SetupOtherPage(TUserSettings& settings, SetupHost& host, QWidget* parent)
    : SetupPage(settings, parent), host_(host) {
    auto* historyLabel = new QLabel(QStringLiteral("辞書ファイルの履歴を初期化する ： "), this);
    cmdResetHistory =
        button(QStringLiteral("初期化 (&R)"), QStringLiteral("cmdResetHistory"), this);
    cmdResetHistory->setAccessibleName(QStringLiteral("辞書ファイルの履歴を初期化する"));

    auto* atExit = new QGroupBox(QStringLiteral("終了時に、、、"), this);
    chkSavePosition = checkBox(QStringLiteral("ウインドウの表示位置を記録する (&P)"),
                               QStringLiteral("chkSavePosition"), atExit);
    chkSaveSize = checkBox(QStringLiteral("ウインドウサイズを記録する (&S)"),
                           QStringLiteral("chkSaveSize"), atExit);
    chkSaveToolBar = checkBox(QStringLiteral("ツールバーの表示 / 非表示の設定を記録する (&T)"),
                              QStringLiteral("chkSaveToolBar"), atExit);
    auto* atExitLayout = new QVBoxLayout(atExit);
    atExitLayout->setSpacing(4);
    atExitLayout->addWidget(chkSavePosition);
    atExitLayout->addWidget(chkSaveSize);
    atExitLayout->addWidget(chkSaveToolBar);

    chkNotFlat = checkBox(QStringLiteral("ツールバーのボタンをフラットにしない (&F)"),
                          QStringLiteral("chkNotFlat"), this);
    chkShowDate = checkBox(QStringLiteral("タイトルバーに日付を表示する (&W)"),
                           QStringLiteral("chkShowDate"), this);
    rgDateType = new ui::RadioGroup(QString(), this);
    rgDateType->setObjectName(QStringLiteral("rgDateType"));
    rgDateType->setFlat(true);
    rgDateType->setAccessibleName(QStringLiteral("タイトルバーの日付の表示"));
    rgDateType->setItems({QStringLiteral("日付と時間を表示する (&B)"),
                          QStringLiteral("日付を表示する (&D)"),
                          QStringLiteral("時間を表示する (&M)")});

    auto* heights = new QGroupBox(QStringLiteral("問題、コメント表示欄の高さを変更する"), this);
    auto* questionLabel = new QLabel(QStringLiteral("問題表示欄の高さ ： "), heights);
    txtQuestionSize = spinBox(QStringLiteral("txtQuestionSize"), kPanelHeightRange.lo,
                              kPanelHeightRange.hi, heights);
    questionLabel->setBuddy(txtQuestionSize);
    auto* commentLabel = new QLabel(QStringLiteral("コメント表示欄の高さ ： "), heights);
    txtCommentSize = spinBox(QStringLiteral("txtCommentSize"), kPanelHeightRange.lo,
                             kPanelHeightRange.hi, heights);
    commentLabel->setBuddy(txtCommentSize);
    auto* heightsLayout = new QGridLayout(heights);
    heightsLayout->addWidget(questionLabel, 0, 0);
    heightsLayout->addWidget(txtQuestionSize, 0, 1);
    heightsLayout->addWidget(commentLabel, 1, 0);
    heightsLayout->addWidget(txtCommentSize, 1, 1);
    heightsLayout->setColumnStretch(2, 1);

    auto* historyRow = new QHBoxLayout;
    historyRow->addWidget(historyLabel);
    historyRow->addWidget(cmdResetHistory);
    historyRow->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(historyRow);
    layout->addWidget(atExit);
    layout->addWidget(chkNotFlat);
    layout->addWidget(chkShowDate);
    auto* dateRow = new QHBoxLayout;
    dateRow->setContentsMargins(kIndent - 8, 0, 0, 0);
    dateRow->addWidget(rgDateType);
    dateRow->addStretch(1);
    layout->addLayout(dateRow);
    layout->addWidget(heights);
    layout->addStretch(1);

    for (auto [box, key] : {std::pair{chkSavePosition, "SavePosition"}, {chkSaveSize, "SaveSize"},
                            {chkSaveToolBar, "SaveToolBar"}, {chkNotFlat, "NotFlat"}})
        bind(box, key);
    bind(chkShowDate, "ShowDate", true);
    bind(txtQuestionSize, "moQuestionSize");
    bind(txtCommentSize, "moCommentSize");

    connect(cmdResetHistory, &QPushButton::clicked, this, &SetupOtherPage::cmdResetHistoryClick);
    ui::onToggled(chkShowDate, this, &SetupOtherPage::chkShowDateClick);
}

void SetupOtherPage::FormShow() {
    showBound();
}

bool SetupOtherPage::store(TUserSettings& next) {
    storeBound(next);
    const int dateType = rgDateType->itemIndex();
    next.window.DateType = next.window.ShowDate && dateType >= 0 ? dateType : 0;
    return true;
}

void SetupOtherPage::cmdResetHistoryClick() {
    // At once, not on OK: the list of the main window empties with it.
    if (FileStatus status = clearListedDictionaries(settings_.setupIniPath()); !status) {
        ui::showFileError(this, status.path(), status.reason());
        return;
    }
    host_.dictionaryHistoryCleared();
}

void SetupOtherPage::chkShowDateClick() {
    const bool on = chkShowDate->isChecked();
    // The title bar shows the time for every type but 0 and 1.
    const int type = settings_.window.DateType == 0 || settings_.window.DateType == 1 ? settings_.window.DateType : 2;
    rgDateType->setItemIndex(on ? type : -1);
    rgDateType->setEnabled(on);
}

} // namespace qor
