#include "tools/TfrmFind.h"

#include "base/TextFile.h"
#include "settings/DefaultDictionaries.h"
#include "settings/DictionaryInUse.h"
#include "sound/CompanionChannel.h"
#include "sound/Pronounce.h"
#include "tools/TfrmAddVoc.h"
#include "tools/TfrmFindResult.h"
#include "ui/DialogFrame.h"
#include "ui/FileDrops.h"
#include "ui/Fonts.h"
#include "ui/GaugeProgress.h"
#include "ui/Panels.h"
#include "ui/Platform.h"
#include "ui/Switch.h"
#include "ui/Text.h"
#include "words/DictionaryList.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace qor {

namespace {

void setNone(QButtonGroup* group) {
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons())
        b->setChecked(false);
    group->setExclusive(true);
}

} // namespace

TfrmFind::TfrmFind(UserFiles user, SoundSettings sound, PathSettings files, LookSettings look,
                   DefaultDictionaryTypes dicTypes, QWidget* parent)
    : QDialog(parent), user_(std::move(user)), files_(std::move(files)), look_(std::move(look)),
      sound_(std::move(sound)), dicTypes_(std::move(dicTypes)), mainDictionary_(files_.DicInUse) {
    setWindowTitle(QStringLiteral("単語の検索"));
    ui::setDialogFrame(this);
    ui::acceptFileDrops(this, [this](const QList<QUrl>& urls) { FormDropFiles(urls); });
    setFont(ui::fontFor(TUserSettings::ordinaryFace(), font().pointSize()));

    lblBanner = ui::banner(QStringLiteral("ここでは、単語を辞書から検索します"), this);

    rgDicType = new QGroupBox(QStringLiteral("単語の種類"), this);
    rgDicType->setObjectName(QStringLiteral("rgDicType"));
    grpDicType = new QButtonGroup(this);
    auto* dicTypeLayout = new QGridLayout(rgDicType);
    dicTypeLayout->setContentsMargins(8, 4, 8, 6);
    for (int i = 0; i < kDefaultDictionaries; ++i) {
        auto* b = new QRadioButton(rgDicType);
        b->setObjectName(QStringLiteral("rgDicType_%1").arg(i));
        grpDicType->addButton(b, i);
        dicTypeLayout->addWidget(b, i / 2, i % 2);
    }

    cboDicFile = new DictionaryPicker(dictionaries_, this);
    cboDicFile->setMinimumWidth(240);
    cboDicFile->setAccessibleName(QStringLiteral("検索する辞書"));
    cmdSelectDicFile = new QPushButton(QStringLiteral("辞書の選択 (&S)"), this);
    cmdSelectDicFile->setObjectName(QStringLiteral("cmdSelectDicFile"));
    cmdSelectDicFile->setAutoDefault(false);

    chkAddDicOn =
        new QCheckBox(QStringLiteral("見つからなかった場合は、辞書に追加する (&A)"), this);
    chkAddDicOn->setObjectName(QStringLiteral("chkAddDicOn"));
    chkByHead = new QCheckBox(QStringLiteral("頭文字検索をする (&T)"), this);
    chkByHead->setObjectName(QStringLiteral("chkByHead"));

    auto* lblFindString = new QLabel(QStringLiteral("調べたい単語を記入してください"), this);
    txtFindString = new QLineEdit(this);
    txtFindString->setObjectName(QStringLiteral("txtFindString"));
    QFont larger = txtFindString->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.5);
    txtFindString->setFont(larger);
    lblFindString->setBuddy(txtFindString);

    cmdFind = ui::defaultButton(this, QStringLiteral("検索 (&F)"), "cmdFind");
    cmdClose = ui::commandButton(this, QStringLiteral("閉じる (&C)"), "cmdClose");

    sbInfo = new QStatusBar(this);
    sbInfo->setObjectName(QStringLiteral("sbInfo"));
    sbInfo->setSizeGripEnabled(false);
    lblStatus = new QLabel(sbInfo);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setMinimumWidth(lblStatus->fontMetrics().horizontalAdvance(
                                   QStringLiteral("検索中...")) + 16);
    cgFinding = ui::progressGauge(sbInfo, QStringLiteral("cgFinding"),
                                  QStringLiteral("検索の進み具合"));
    cgFinding->setFixedHeight(14);
    sbInfo->addWidget(lblStatus);
    sbInfo->addWidget(cgFinding, 1);

    auto* dicRow = new QHBoxLayout;
    dicRow->addWidget(cboDicFile, 1);
    dicRow->addWidget(cmdSelectDicFile);

    auto* commandRow = ui::buttonRow({cmdFind, cmdClose});

    auto* content = new QVBoxLayout;
    content->setContentsMargins(11, 8, 11, 6);
    content->setSpacing(6);
    content->addWidget(rgDicType);
    content->addLayout(dicRow);
    content->addSpacing(4);
    content->addWidget(chkAddDicOn);
    content->addWidget(chkByHead);
    content->addSpacing(8);
    content->addWidget(lblFindString);
    content->addWidget(txtFindString);
    content->addSpacing(6);
    content->addLayout(commandRow);

    ui::layOutUnderHeading(this, lblBanner, content, sbInfo, ui::WindowSize::Fixed);

    ui::onChosen(grpDicType, this, &TfrmFind::rgDicTypeClick);
    connect(cboDicFile, &QComboBox::currentTextChanged, this, &TfrmFind::cboDicFileChange);
    connect(cmdSelectDicFile, &QPushButton::clicked, this, &TfrmFind::cmdSelectDicFileClick);
    ui::onToggled(chkAddDicOn, this, &TfrmFind::chkAddDicOnClick);
    ui::onToggled(chkByHead, this, &TfrmFind::chkByHeadClick);
    connect(cmdFind, &QPushButton::clicked, this, &TfrmFind::cmdFindClick);
    connect(cmdClose, &QPushButton::clicked, this, &TfrmFind::cmdCloseClick);
}

TfrmFind::~TfrmFind() = default;

void TfrmFind::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmFind::FormShow() {
    txtFindString->clear();
    {
        const QSignalBlocker quiet(cboDicFile);
        // The list marks no name until one is chosen from it.
        cboDicFile->showListed(mainDictionary_, DictionaryPicker::Mark::None);
    }

    switches_ = loadFindSwitches(user_.setupIni());
    chkAddDicOn->setChecked(switches_.addDicOn);
    chkByHead->setChecked(switches_.byHead);

    const DefaultDictionarySet defaults = defaultDictionaries(dicTypes_);
    for (int i = 0; i < kDefaultDictionaries; ++i)
        ui::setUserCaption(grpDicType->button(i), ui::toQ(defaults[static_cast<std::size_t>(i)].caption));
    useDictionary(mainDictionary_);

    // The result window lives as long as this window; each search replaces its rows.
    if (!frmFindResult_)
        frmFindResult_ = new TfrmFindResult(sound_, files_, look_, this);
    txtFindString->setFocus();
}

void TfrmFind::selectDicTypeOf(const std::string& fileName) {
    int index = defaultDictionaryWithFileName(dicTypes_, fileName);
    if (index < 0)
        setNone(grpDicType);
    else
        ui::showSwitchState(grpDicType->button(index), true);
}

void TfrmFind::useDictionary(const std::string& path) {
    dicPath_ = path;
    const std::string fileName = fileNameOf(path);
    selectDicTypeOf(fileName);
    const QSignalBlocker quiet(cboDicFile);
    cboDicFile->setEditText(ui::toQ(fileName));
}

void TfrmFind::rgDicTypeClick(int index) {
    if (index < 0 || index >= kDefaultDictionaries)
        return;
    useDictionary(defaultDictionaries(dicTypes_)[static_cast<std::size_t>(index)].path);
    txtFindString->setFocus();
}

void TfrmFind::cboDicFileChange(const QString& text) {
    // Called for every key typed: a name that Shift-JIS cannot hold is not remembered
    // under "Dictionary Path" either, so it simply names no dictionary (the search says so).
    std::optional<std::string> fileName = ui::fromQ(text);
    dicPath_ = fileName ? rememberedDictionaryPath(user_.setupIni(), *fileName) : "";
    if (fileName && dicPath_.empty() && !fileName->empty()) {
        // The main window's dictionary and the four default ones are known by their paths
        // even before they were ever chosen by name.
        int type = defaultDictionaryWithFileName(dicTypes_, *fileName);
        if (fileNameOf(mainDictionary_) == *fileName)
            dicPath_ = mainDictionary_;
        else if (type >= 0)
            dicPath_ = defaultDictionaries(dicTypes_)[static_cast<std::size_t>(type)].path;
    }
    selectDicTypeOf(fileName ? *fileName : std::string());
}

void TfrmFind::showChoice(bool changed) {
    // The choice worked on this window's copy of the record: the main window's
    // dictionary stays as it is.
    if (changed)
        useDictionary(files_.DicInUse);
}

void TfrmFind::cmdSelectDicFileClick() {
    showChoice(cboDicFile->selectWithDialog(dicPath_.empty() ? mainDictionary_ : dicPath_).changed);
}

void TfrmFind::FormDropFiles(const QList<QUrl>& urls) {
    // Tested and remembered as a file chosen with the dialog; only the first file counts.
    showChoice(cboDicFile->acceptDroppedFiles(urls).changed);
}

void TfrmFind::chkAddDicOnClick() {
    switches_.addDicOn = chkAddDicOn->isChecked();
    txtFindString->setFocus();
}

void TfrmFind::chkByHeadClick() {
    switches_.byHead = chkByHead->isChecked();
    txtFindString->setFocus();
}

void TfrmFind::setStatus(const QString& text) {
    lblStatus->setText(text);
    // The search runs without returning to the event loop: paint the panel now.
    if (lblStatus->isVisible())
        lblStatus->repaint();
}

void TfrmFind::cmdFindClick() {
    if (txtFindString->text().isEmpty()) {
        ui::platform().showMessage(this, QStringLiteral("検索する単語が記入されていません"));
        txtFindString->setFocus();
        return;
    }
    // A character that no dictionary line can hold is refused rather than searched for.
    std::optional<std::string> text = ui::fromQOrWarn(this, txtFindString->text());
    if (!text) {
        txtFindString->setFocus();
        return;
    }
    if (sound_.VoiceOn) {
        ui::sendCompanionCommand(companion::kSearch);
    }

    findString_ = *text;
    setStatus(QStringLiteral("準備中..."));
    frmFindResult_->setResults(findString_, {});
    findNum_ = 0;

    WordSearchResult found;
    ui::GaugeProgress gauge(cgFinding);
    if (dicPath_.empty()) {
        // A combo box name whose place was never remembered names no file.
        std::optional<std::string> name = ui::fromQOrWarn(this, cboDicFile->currentText());
        if (!name) {
            setStatus(QString());
            txtFindString->setFocus();
            return;
        }
        found.status = FileStatus::failure(
            *name, "この辞書ファイルの場所は記憶されていません。"
                   "「辞書の選択」かドラッグ＆ドロップで指定してください。");
    } else {
        auto progress = [this, &gauge](std::size_t done, std::size_t total) {
            if (done == 0) {
                gauge.start(static_cast<int>(total));
                setStatus(QStringLiteral("検索中..."));
            }
            gauge.step(static_cast<int>(done));
        };
        found = searchDictionary(dicPath_, findString_, switches_.byHead, progress);
    }
    gauge.end();
    if (!found.status) {
        setStatus(QString());
        // The dictionary could not be read: nothing was searched, the text stays for
        // another dictionary.
        ui::showFileError(this, found.status.path(), found.status.reason());
        txtFindString->setFocus();
        return;
    }
    setStatus(QStringLiteral("終了..."));
    findNum_ = static_cast<int>(found.words.size());

    if (findNum_ > 0) {
        frmFindResult_->setResults(findString_, std::move(found.words));
        ui::platform().showModal(*frmFindResult_);
    } else if (switches_.addDicOn) {
        TfrmAddVoc frmAddVoc(files_, look_, dicPath_, findString_, this);
        ui::platform().showModal(frmAddVoc);
    }
    setStatus(QString());
    txtFindString->clear();
    txtFindString->setFocus();
}

void TfrmFind::cmdCloseClick() {
    if (FileStatus saved = saveFindSwitches(user_.setupIni(), switches_); !saved)
        ui::showFileError(this, saved.path(), saved.reason());
    accept();
}

} // namespace qor
