#include "settings/SetupSoundPages.h"

#include "base/TextFile.h"
#include "settings/DictionaryInUse.h"
#include "settings/SetupHost.h"
#include "settings/SetupWidgets.h"
#include "settings/VoiceFiles.h"
#include "ui/Platform.h"
#include "ui/RadioGroup.h"
#include "ui/Switch.h"
#include "ui/Text.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStringListModel>
#include <QVBoxLayout>

namespace qor {

namespace {

const QString kError = QStringLiteral("エラー");

} // namespace

// --- サウンド ---

SetupSoundPage::SetupSoundPage(TUserSettings& settings, QWidget* parent)
    : SetupPage(settings, parent) {
    struct Caption {
        const char* box;
        const char* name;
        const char* what; // for the accessible names of the field and the buttons
    };
    const Caption captions[3] = {
        {"正解のときに音を鳴らす (&A)", "AtariOn", "正解のときの音"},
        {"不正解のときに音を鳴らす (&H)", "HazureOn", "不正解のときの音"},
        {"全問正解のときに音を鳴らす (&F)", "FinishOn", "全問正解のときの音"},
    };
    const char* fileNames[3] = {"AtariSoundFile", "HazureSoundFile", "FinishSoundFile"};

    auto* effects = new QGridLayout;
    effects->setVerticalSpacing(4);
    for (int i = 0; i < 3; ++i) {
        const Caption& c = captions[i];
        const QString what = QString::fromUtf8(c.what);
        const QString file = QString::fromLatin1(fileNames[i]);
        SoundRow& row = sounds[static_cast<std::size_t>(i)];
        row.chkOn =
            checkBox(QString::fromUtf8(c.box), QStringLiteral("chk") + QLatin1String(c.name), this);
        row.txtFile = new QLineEdit(this);
        row.txtFile->setObjectName(QStringLiteral("txt") + file);
        row.txtFile->setAccessibleName(what + QStringLiteral("のファイル"));
        row.txtFile->setMinimumWidth(330);
        row.cmdSelect = button(QStringLiteral("参照"), QStringLiteral("cmdSelect") + file, this);
        row.cmdSelect->setAccessibleName(what + QStringLiteral("の参照"));
        row.cmdTry = button(QStringLiteral("試聴"), QStringLiteral("cmdTry") + file, this);
        row.cmdTry->setAccessibleName(what + QStringLiteral("の試聴"));

        const int r = i * 2;
        effects->addWidget(row.chkOn, r, 0, 1, 4);
        effects->addItem(new QSpacerItem(18, 1, QSizePolicy::Fixed, QSizePolicy::Minimum), r + 1,
                         0);
        effects->addWidget(row.txtFile, r + 1, 1);
        effects->addWidget(row.cmdSelect, r + 1, 2);
        effects->addWidget(row.cmdTry, r + 1, 3);
        if (i < 2) effects->setRowMinimumHeight(r + 1, 30);

        connect(row.cmdSelect, &QPushButton::clicked, this,
                [this, i] { cmdSelectSoundFileClick(i); });
        // "試聴" can only play a named file.
        connect(
            row.txtFile, &QLineEdit::textChanged, row.cmdTry,
            [button = row.cmdTry](const QString& text) { button->setEnabled(!text.isEmpty()); });
    }
    effects->setColumnStretch(1, 1);
    // Each box's rule fills its file field from the record.
    bind(sounds[Atari].chkOn, "AtariOn", true);
    bind(sounds[Hazure].chkOn, "HazureOn", true);
    bind(sounds[Finish].chkOn, "FinishOn", true);
    ui::onToggled(sounds[Atari].chkOn, this, &SetupSoundPage::chkAtariOnClick);
    ui::onToggled(sounds[Hazure].chkOn, this, &SetupSoundPage::chkHazureOnClick);
    ui::onToggled(sounds[Finish].chkOn, this, &SetupSoundPage::chkFinishOnClick);
    connect(sounds[Atari].cmdTry, &QPushButton::clicked, this,
            &SetupSoundPage::cmdTryAtariSoundFileClick);
    connect(sounds[Hazure].cmdTry, &QPushButton::clicked, this,
            &SetupSoundPage::cmdTryHazureSoundFileClick);
    connect(sounds[Finish].cmdTry, &QPushButton::clicked, this,
            &SetupSoundPage::cmdTryFinishSoundFileClick);

    musicGroupSlot = new QWidget(this);
    musicGroupSlot->setObjectName(QStringLiteral("musicGroupSlot"));
    auto* slotLayout = new QVBoxLayout(musicGroupSlot);
    slotLayout->setContentsMargins(0, 0, 0, 0);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(effects);
    layout->addSpacing(8);
    layout->addWidget(musicGroupSlot);
    layout->addStretch(1);
}

std::string SetupSoundPage::recordFile(int sound) const {
    switch (sound) {
    case Atari:
        return settings_.sound.AtariSoundFile;
    case Hazure:
        return settings_.sound.HazureSoundFile;
    default:
        return settings_.sound.FinishSoundFile;
    }
}

void SetupSoundPage::FormShow() {
    showBound();
}

bool SetupSoundPage::store(TUserSettings& next) {
    std::array<std::string, 3> files;
    for (std::size_t i = 0; i < 3; ++i) {
        auto file = fieldText(this, sounds[i].txtFile);
        if (!file) return false;
        files[i] = *file;
    }
    storeBound(next);
    // A sound that is off is stored without its file.
    SoundSettings& s = next.sound;
    s.AtariSoundFile = s.AtariOn ? files[Atari] : std::string();
    s.HazureSoundFile = s.HazureOn ? files[Hazure] : std::string();
    s.FinishSoundFile = s.FinishOn ? files[Finish] : std::string();
    return true;
}

void SetupSoundPage::soundBoxClick(int sound) {
    SoundRow& row = sounds[static_cast<std::size_t>(sound)];
    const bool on = row.chkOn->isChecked();
    // Switched off, the sound forgets its file; switched on, it starts from the record's.
    setPathField(row.txtFile, on ? ui::toQ(recordFile(sound)) : QString());
    row.txtFile->setEnabled(on);
    row.cmdSelect->setEnabled(on);
    row.cmdTry->setEnabled(!row.txtFile->text().isEmpty());
}

void SetupSoundPage::cmdSelectSoundFileClick(int sound) {
    chooseFileInto(this, sounds[static_cast<std::size_t>(sound)].txtFile,
                   QStringLiteral("サウンドファイルの選択"),
                   QStringLiteral("サウンドファイル (*.wav)|*.wav"), settings_);
}

void SetupSoundPage::trySound(int sound) {
    const QString file = sounds[static_cast<std::size_t>(sound)].txtFile->text();
    if (file.isEmpty()) {
        ui::platform().showNotice(this, QStringLiteral("WAVファイルが選択されていません"), kError,
                                  ui::kNoticeWarning);
        return;
    }
    ui::platform().playWave(file);
}

// --- 音声 ---

SetupVoicePage::SetupVoicePage(TUserSettings& settings, SetupHost& host, QWidget* parent)
    : SetupPage(settings, parent), host_(host) {
    auto* about = new QLabel(
        // Broken into lines by hand: a wrapping label would make the dialog's height
        // depend on the tab shown.
        QStringLiteral("音声機能は、出題された単語などを再生する機能です。\n"
                       "この機能を使用するには、音声ファイル(WAVファイル)を使う方法と"
                       "ヴェクサを使う方法があります。\n詳しくは、ヘルプをお読みください。"),
        this);
    chkVoiceOn =
        checkBox(QStringLiteral("音声機能を使用する (&V)"), QStringLiteral("chkVoiceOn"), this);
    rgVoiceType = new ui::RadioGroup(QStringLiteral("再生方法"), this);
    rgVoiceType->setObjectName(QStringLiteral("rgVoiceType"));
    rgVoiceType->setItems({QStringLiteral("音声ファイル (&F)"), QStringLiteral("ヴェクサ (&H)")});
    chkAutoVoiceOn = checkBox(QStringLiteral("出題された単語を自動的に再生する (&A)"),
                              QStringLiteral("chkAutoVoiceOn"), this);

    // Sound files.
    gbVoiceFile = new QGroupBox(QStringLiteral("音声ファイルのあるフォルダの指定"));
    gbVoiceFile->setObjectName(QStringLiteral("gbVoiceFile"));
    txtHatsuonDir = new QLineEdit(gbVoiceFile);
    txtHatsuonDir->setObjectName(QStringLiteral("txtHatsuonDir"));
    txtHatsuonDir->setAccessibleName(QStringLiteral("音声ファイルのあるフォルダ"));
    cmdSelectDir = button(QStringLiteral("指定 (&S)"), QStringLiteral("cmdSelectDir"), gbVoiceFile);
    cmdSelectDir->setAccessibleName(QStringLiteral("音声ファイルのあるフォルダの指定"));
    files_ = new QStringListModel(this);
    lstVoiceFile = new QListView(gbVoiceFile);
    lstVoiceFile->setObjectName(QStringLiteral("lstVoiceFile"));
    lstVoiceFile->setModel(files_);
    lstVoiceFile->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstVoiceFile->setSelectionMode(QAbstractItemView::SingleSelection);
    lstVoiceFile->setUniformItemSizes(true);
    lstVoiceFile->setAccessibleName(QStringLiteral("音声ファイル"));
    lstVoiceFile->setMinimumHeight(120);
    cmdPlayVoice = button(QStringLiteral("再生 (&P)"), QStringLiteral("cmdPlayVoice"), gbVoiceFile);
    cmdNameChange =
        button(QStringLiteral("変更 (&C)"), QStringLiteral("cmdNameChange"), gbVoiceFile);
    cmdDeleteVoice =
        button(QStringLiteral("削除 (&D)"), QStringLiteral("cmdDeleteVoice"), gbVoiceFile);
    cmdUpdate = button(QStringLiteral("更新 (&U)"), QStringLiteral("cmdUpdate"), gbVoiceFile);
    auto* fileCommands = new QVBoxLayout;
    for (QPushButton* b : {cmdPlayVoice, cmdNameChange, cmdDeleteVoice, cmdUpdate})
        fileCommands->addWidget(b);
    fileCommands->addStretch(1);
    auto* fileLayout = new QGridLayout(gbVoiceFile);
    fileLayout->addWidget(txtHatsuonDir, 0, 0);
    fileLayout->addWidget(cmdSelectDir, 0, 1);
    fileLayout->addWidget(lstVoiceFile, 1, 0);
    fileLayout->addLayout(fileCommands, 1, 1);
    fileLayout->setColumnStretch(0, 1);

    // The companion program.
    gbCompanion = new QGroupBox(QStringLiteral("ヴェクサの選択"));
    gbCompanion->setObjectName(QStringLiteral("gbCompanion"));
    txtHearingPath = new QLineEdit(gbCompanion);
    txtHearingPath->setObjectName(QStringLiteral("txtHearingPath"));
    txtHearingPath->setAccessibleName(QStringLiteral("ヴェクサ"));
    // Only a chosen program that passed the test stands here.
    txtHearingPath->setReadOnly(true);
    cmdSelectHearing =
        button(QStringLiteral("指定 (&S)"), QStringLiteral("cmdSelectHearing"), gbCompanion);
    cmdSelectHearing->setAccessibleName(QStringLiteral("ヴェクサの指定"));
    lblNoCompanion = new QLabel(
        QStringLiteral(
            "ヴェクサが見つからないため、この機能は使うことが出来ません。\n再生方法に"
            "\"音声ファイル\"を指定するか、\"指定\"を押してヴェクサを指定してください。"),
        gbCompanion);
    lblNoCompanion->setObjectName(QStringLiteral("lblNoCompanion"));
    QPalette red = lblNoCompanion->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    lblNoCompanion->setPalette(red);
    auto* companionLayout = new QGridLayout(gbCompanion);
    companionLayout->addWidget(txtHearingPath, 0, 0);
    companionLayout->addWidget(cmdSelectHearing, 0, 1);
    companionLayout->addWidget(lblNoCompanion, 1, 0, 1, 2);
    companionLayout->setRowStretch(2, 1);
    companionLayout->setColumnStretch(0, 1);

    pnlVoice = new QStackedWidget(this);
    pnlVoice->setObjectName(QStringLiteral("pnlVoice"));
    pnlVoice->addWidget(gbVoiceFile);
    pnlVoice->addWidget(gbCompanion);
    QSizePolicy keep = pnlVoice->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    pnlVoice->setSizePolicy(keep);

    auto* sourceRow = new QHBoxLayout;
    sourceRow->setContentsMargins(18, 0, 0, 0);
    sourceRow->addWidget(rgVoiceType);
    sourceRow->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addWidget(chkVoiceOn);
    layout->addLayout(sourceRow);
    auto* autoRow = new QHBoxLayout;
    autoRow->setContentsMargins(18, 0, 0, 0);
    autoRow->addWidget(chkAutoVoiceOn);
    layout->addLayout(autoRow);
    layout->addWidget(pnlVoice, 1);

    bind(chkVoiceOn, "VoiceOn", true);
    ui::onToggled(chkVoiceOn, this, &SetupVoicePage::chkVoiceOnClick);
    connect(rgVoiceType, &ui::RadioGroup::itemChosen, this, &SetupVoicePage::rgVoiceTypeClick);
    connect(cmdSelectDir, &QPushButton::clicked, this, &SetupVoicePage::cmdSelectDirClick);
    connect(lstVoiceFile->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &SetupVoicePage::lstVoiceFileClick);
    connect(lstVoiceFile, &QListView::clicked, this, &SetupVoicePage::lstVoiceFileClick);
    connect(lstVoiceFile, &QListView::doubleClicked, this, &SetupVoicePage::cmdPlayVoiceClick);
    connect(cmdPlayVoice, &QPushButton::clicked, this, &SetupVoicePage::cmdPlayVoiceClick);
    connect(cmdNameChange, &QPushButton::clicked, this, &SetupVoicePage::cmdNameChangeClick);
    connect(cmdDeleteVoice, &QPushButton::clicked, this, &SetupVoicePage::cmdDeleteVoiceClick);
    connect(cmdUpdate, &QPushButton::clicked, this, &SetupVoicePage::cmdUpdateClick);
    connect(cmdSelectHearing, &QPushButton::clicked, this, &SetupVoicePage::cmdSelectHearingClick);
}

void SetupVoicePage::FormShow() {
    const TUserSettings& s = settings_;
    setPathField(txtHatsuonDir, ui::toQ(s.sound.HatsuonDir));
    refreshList();

    // A stored path that is not the companion is not kept; with none stored, the
    // companion installed with the program is offered.
    if (isCompanionProgram(s.sound.HearingPath)) {
        showCompanion(ui::toQ(s.sound.HearingPath), true);
    } else if (std::string bundled = host_.bundledCompanionPath();
               s.sound.HearingPath.empty() && isCompanionProgram(bundled)) {
        showCompanion(ui::toQ(bundled), true);
    } else {
        showCompanion(QString(), false);
    }

    chkAutoVoiceOn->setChecked(s.sound.AutoVoiceOn);
    {
        // The stored way shown, not chosen anew: the stored companion path stays.
        const QSignalBlocker stored(rgVoiceType);
        rgVoiceType->setItemIndex(s.sound.VoiceType);
    }
    // Last: its rule enables the controls above.
    showBound();
}

bool SetupVoicePage::store(TUserSettings& next) {
    auto dir = fieldText(this, txtHatsuonDir);
    auto companion = dir ? fieldText(this, txtHearingPath) : std::nullopt;
    if (!companion) return false;
    storeBound(next);
    SoundSettings& s = next.sound;
    s.VoiceType = s.VoiceOn ? rgVoiceType->itemIndex() : -1;
    s.AutoVoiceOn = s.VoiceOn && chkAutoVoiceOn->isChecked();
    // The chosen source's path; an empty field leaves the stored one.
    companionMissing_ = s.VoiceType == 1 && companion->empty();
    if (s.VoiceType == 0 && !dir->empty()) {
        // A folder of sound files is joined with the word and ".wav": it ends in "/".
        s.HatsuonDir = dir->back() == '/' ? *dir : *dir + "/";
    } else if (s.VoiceType == 1 && !companion->empty()) {
        s.HearingPath = *companion;
    }
    return true;
}

void SetupVoicePage::chkVoiceOnClick() {
    const bool on = chkVoiceOn->isChecked();
    rgVoiceType->setEnabled(on);
    if (!on) {
        rgVoiceType->setItemIndex(-1);
        chkAutoVoiceOn->setChecked(false);
        chkAutoVoiceOn->setEnabled(false);
        pnlVoice->hide();
        return;
    }
    followSource();
}

void SetupVoicePage::rgVoiceTypeClick() {
    // Choosing the companion while none is found forgets the stored path at once.
    if (rgVoiceType->itemIndex() == 1 && !settings_.sound.CompanionFound)
        settings_.sound.HearingPath.clear();
    followSource();
}

void SetupVoicePage::followSource() {
    const int source = rgVoiceType->itemIndex();
    pnlVoice->setVisible(chkVoiceOn->isChecked() && source >= 0);
    if (source >= 0) pnlVoice->setCurrentIndex(source);
    const bool playable = source != 1 || settings_.sound.CompanionFound;
    if (!playable) chkAutoVoiceOn->setChecked(false);
    chkAutoVoiceOn->setEnabled(chkVoiceOn->isChecked() && playable);
}

std::optional<std::string> SetupVoicePage::folder() {
    auto text = ui::fromQ(txtHatsuonDir->text());
    if (!text) return std::nullopt;
    if (!text->empty() && text->back() != '/') text->push_back('/');
    return text;
}

void SetupVoicePage::refreshList() {
    std::optional<std::vector<std::string>> names;
    if (auto dir = folder(); dir && !dir->empty()) {
        names = listWaveFiles(*dir);
        listedFolder_ = *dir;
    }
    if (!names) {
        names = listWaveFiles(settings_.ProgramFolder);
        listedFolder_ = settings_.ProgramFolder;
    }
    QStringList shown;
    for (const std::string& name : names.value_or(std::vector<std::string>{}))
        shown << ui::toQ(name);
    files_->setStringList(shown);
    enableFileCommands();
}

QStringList SetupVoicePage::voiceFiles() const {
    return files_->stringList();
}

std::string SetupVoicePage::selectedFile() const {
    const QModelIndex current = lstVoiceFile->selectionModel()->currentIndex();
    if (!current.isValid()) return {};
    return ui::fromQ(current.data().toString()).value_or(std::string());
}

void SetupVoicePage::enableFileCommands() {
    const bool chosen = !selectedFile().empty();
    cmdPlayVoice->setEnabled(chosen);
    cmdNameChange->setEnabled(chosen);
    cmdDeleteVoice->setEnabled(chosen);
}

void SetupVoicePage::cmdSelectDirClick() {
    QString chosen = ui::platform().folderName(
        this, QStringLiteral("音声ファイルのあるフォルダを指定してください"),
        dialogFolder(settings_, ui::fromQ(txtHatsuonDir->text()).value_or(std::string())));
    std::optional<std::string> dir;
    if (!chosen.isEmpty()) dir = ui::fromQOrWarn(this, chosen);
    // Cancelled (or refused): the field goes back to the stored folder.
    if (!dir) {
        setPathField(txtHatsuonDir, ui::toQ(settings_.sound.HatsuonDir));
    } else {
        if (dir->empty() || dir->back() != '/') dir->push_back('/');
        setPathField(txtHatsuonDir, ui::toQ(*dir));
    }
    refreshList();
}

void SetupVoicePage::lstVoiceFileClick() {
    enableFileCommands();
}

void SetupVoicePage::cmdPlayVoiceClick() {
    const std::string name = selectedFile();
    if (!name.empty()) ui::platform().playWave(ui::toQ(listedFolder_ + name));
}

void SetupVoicePage::cmdNameChangeClick() {
    const std::string name = selectedFile();
    if (name.empty()) return;
    std::optional<QString> typed =
        ui::platform().inputBox(this, QStringLiteral("ファイル名の変更"),
                                QStringLiteral("新しいファイル名の記入(要拡張子)"), ui::toQ(name));
    if (!typed) return;
    auto newName = ui::fromQOrWarn(this, *typed);
    if (!newName) return;
    if (FileStatus status = renameVoiceFile(listedFolder_, name, *newName); !status) {
        ui::platform().showNotice(
            this, QStringLiteral("ファイル名変更に失敗しました\n\n") + ui::toQ(status.message()),
            kError, ui::kNoticeWarning);
        return;
    }
    refreshList();
}

void SetupVoicePage::cmdDeleteVoiceClick() {
    const std::string name = selectedFile();
    if (name.empty()) return;
    // The trash asks the learner first; a refusal or a failure leaves the list as it is.
    ui::platform().moveToTrash(this, ui::toQ(listedFolder_ + name));
    refreshList();
}

void SetupVoicePage::cmdUpdateClick() {
    refreshList();
}

void SetupVoicePage::showCompanion(const QString& path, bool found) {
    settings_.sound.CompanionFound = found;
    setPathField(txtHearingPath, path);
    lblNoCompanion->setVisible(!found);
}

void SetupVoicePage::cmdSelectHearingClick() {
    QString start = txtHearingPath->text();
    if (start.isEmpty()) start = ui::toQ(host_.bundledCompanionPath());
    QString chosen = ui::platform().openFileName(
        this, QStringLiteral("ヴェクサの選択"),
        QStringLiteral("ヴェクサ (vexa vexa.exe)|vexa;vexa.exe"), dialogFolder(settings_, ui::fromQ(start).value_or(std::string())));
    if (chosen.isEmpty()) return;
    auto path = ui::fromQOrWarn(this, chosen);
    if (!path) return;
    if (!isCompanionProgram(*path)) {
        showCompanion(QString(), false);
        chkAutoVoiceOn->setChecked(false);
        chkAutoVoiceOn->setEnabled(false);
        ui::platform().showNotice(this,
                                  QStringLiteral("指定されたファイルは、ヴェクサではありません"),
                                  kError, ui::kNoticeWarning);
        return;
    }
    showCompanion(chosen, true);
    chkAutoVoiceOn->setEnabled(chkVoiceOn->isChecked());
}

} // namespace qor
