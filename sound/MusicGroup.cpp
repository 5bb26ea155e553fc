#include "sound/MusicGroup.h"

#include "base/IniFile.h"
#include "sound/BackgroundMusic.h"
#include "sound/CdRegister.h"
#include "sound/TfrmDriveSetup.h"
#include "sound/TfrmNewCD.h"
#include "ui/Panels.h"
#include "ui/Platform.h"
#include "ui/Switch.h"
#include "ui/Text.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QKeySequence>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace qor {

namespace {
const QString kNoCd = QStringLiteral("NO CD");

QLineEdit* shownText(QWidget* parent, const char* name, const QString& accessible) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setReadOnly(true);
    edit->setAccessibleName(accessible);
    return edit;
}

} // namespace

MusicGroup::MusicGroup(BackgroundMusic& music, CurrentUserFiles user, QWidget* parent)
    : QGroupBox(parent), music_(music), user_(std::move(user)), state_(music.state()) {
    setObjectName(QStringLiteral("grpMusic"));

    chkMusicOn = new QCheckBox(QStringLiteral("バックで曲を鳴らす (&B)"), this);
    chkMusicOn->setObjectName(QStringLiteral("chkMusicOn"));

    pnlMusic = new QWidget(this);
    pnlMusic->setObjectName(QStringLiteral("pnlMusic"));
    rbMidi = new QRadioButton(QStringLiteral("MIDIファイル (&M)"), pnlMusic);
    rbMidi->setObjectName(QStringLiteral("rbMidi"));
    rbCd = new QRadioButton(QStringLiteral("CDプレーヤー (&C)"), pnlMusic);
    rbCd->setObjectName(QStringLiteral("rbCd"));
    rgSource = new QButtonGroup(this);
    rgSource->addButton(rbMidi, 0);
    rgSource->addButton(rbCd, 1);

    pnlMidi = new QWidget(pnlMusic);
    txtMidiFile = shownText(pnlMidi, "txtMidiFile", QStringLiteral("MIDIファイル"));
    txtMidiFile->setMinimumWidth(260);
    auto* midiRow = new QHBoxLayout(pnlMidi);
    midiRow->setContentsMargins(0, 0, 0, 0);
    midiRow->addWidget(txtMidiFile);

    pnlCd = new QWidget(pnlMusic);
    auto* lblTitle = new QLabel(QStringLiteral("タイトル ： "), pnlCd);
    txtCDTitle = shownText(pnlCd, "txtCDTitle", QStringLiteral("タイトル"));
    lblTitle->setBuddy(txtCDTitle);
    auto* lblArtist = new QLabel(QStringLiteral("アーティスト ： "), pnlCd);
    txtCDArtist = shownText(pnlCd, "txtCDArtist", QStringLiteral("アーティスト"));
    lblArtist->setBuddy(txtCDArtist);
    auto* cdGrid = new QGridLayout(pnlCd);
    cdGrid->setContentsMargins(0, 0, 0, 0);
    cdGrid->addWidget(lblTitle, 0, 0);
    cdGrid->addWidget(txtCDTitle, 0, 1);
    cdGrid->addWidget(lblArtist, 1, 0);
    cdGrid->addWidget(txtCDArtist, 1, 1);
    pnlCd->hide();

    cmdOption = ui::commandButton(pnlMusic, QStringLiteral(". . ."), "cmdOption");
    cmdPlay = ui::commandButton(pnlMusic, QStringLiteral("&PLAY"), "cmdPlay");
    cmdStop = ui::commandButton(pnlMusic, QStringLiteral("&STOP"), "cmdStop");

    pmCD = new QMenu(QStringLiteral("CDドライブ"), this);
    pmCD->setObjectName(QStringLiteral("pmCD"));
    cmdCDDrive = pmCD->addAction(QStringLiteral("ドライブの変更 (&D)"));
    cmdCDDrive->setObjectName(QStringLiteral("cmdCDDrive"));
    // The pop-up menu three ways: this menu button (Tab, then Space), the context-menu
    // key or Shift+F10 anywhere in the group, and the mouse's right button.
    cmdDrive = new QToolButton(pnlMusic);
    cmdDrive->setObjectName(QStringLiteral("cmdDrive"));
    cmdDrive->setText(QStringLiteral("ドライブ"));
    cmdDrive->setToolTip(QStringLiteral("ドライブの変更"));
    cmdDrive->setAccessibleName(QStringLiteral("ドライブの変更"));
    cmdDrive->setFocusPolicy(Qt::StrongFocus);
    cmdDrive->setMenu(pmCD);
    cmdDrive->setPopupMode(QToolButton::InstantPopup);
    cmdDrive->setToolButtonStyle(Qt::ToolButtonTextOnly);
    setContextMenuPolicy(Qt::CustomContextMenu);
    auto* menuKey = new QAction(this);
    menuKey->setObjectName(QStringLiteral("actMenuKey"));
    menuKey->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    menuKey->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(menuKey);
    connect(menuKey, &QAction::triggered, this, [this] {
        // Below the control that has the focus, where the learner is looking.
        QWidget* at = focusWidget() && isAncestorOf(focusWidget()) ? focusWidget() : this;
        showContextMenu(at->mapTo(this, QPoint(0, at->height())));
    });

    auto* sources = new QHBoxLayout;
    sources->addWidget(rbMidi);
    sources->addWidget(rbCd);
    sources->addStretch(1);
    auto* shown = new QHBoxLayout;
    shown->addWidget(pnlMidi, 1);
    shown->addWidget(pnlCd, 1);
    shown->addWidget(cmdOption, 0, Qt::AlignTop);
    auto* commands = new QHBoxLayout;
    commands->addWidget(cmdPlay);
    commands->addWidget(cmdStop);
    commands->addStretch(1);
    commands->addWidget(cmdDrive);
    auto* musicLayout = new QVBoxLayout(pnlMusic);
    musicLayout->setContentsMargins(18, 0, 0, 0);
    musicLayout->addLayout(sources);
    musicLayout->addLayout(shown);
    musicLayout->addLayout(commands);
    pnlMusic->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chkMusicOn);
    layout->addWidget(pnlMusic);

    cmdPlay->setEnabled(false);
    cmdStop->setEnabled(false);
    cmdCDDrive->setEnabled(false);
    cmdDrive->setEnabled(false);

    tmrDevice = new QTimer(this);
    tmrDevice->setInterval(kDeviceCheckMs);
    connect(tmrDevice, &QTimer::timeout, this, &MusicGroup::pollDrive);

    ui::onToggled(chkMusicOn, this, &MusicGroup::chkMusicOnClick);
    ui::onToggled(rbMidi, this, &MusicGroup::rbMidiClick);
    ui::onToggled(rbCd, this, &MusicGroup::rbCdClick);
    connect(cmdOption, &QPushButton::clicked, this, &MusicGroup::cmdOptionClick);
    connect(cmdPlay, &QPushButton::clicked, this, &MusicGroup::cmdPlayClick);
    connect(cmdStop, &QPushButton::clicked, this, &MusicGroup::cmdStopClick);
    connect(cmdCDDrive, &QAction::triggered, this, &MusicGroup::cmdCDDriveClick);
    connect(this, &QWidget::customContextMenuRequested, this, &MusicGroup::showContextMenu);
    connect(&music_, &BackgroundMusic::stoppedByItself, this, &MusicGroup::stopMusicControls);
    music_.setMessageParent(this);
}

MusicGroup::~MusicGroup() {
    music_.setMessageParent(nullptr);
}

// --- the six steps ---

void MusicGroup::chkMusicOnClick() {
    if (chkMusicOn->isChecked()) {
        state_.MusicOn = true;
        pnlMusic->show();
        rbMidi->setEnabled(true);
        ui::setSwitch(rbMidi, true);
        return;
    }
    state_.MusicOn = false;
    clearSources();
    pnlMusic->hide();
    tmrDevice->stop();
    if (state_.MusicPlaying) {
        cmdStopClick();
        state_.MusicPlaying = false;
    }
}

void MusicGroup::rbMidiClick() {
    state_.MusicSource = 0;
    tmrDevice->stop();
    cmdOption->setText(QStringLiteral(". . ."));
    cmdOption->setEnabled(true);
    pnlCd->hide();
    pnlMidi->show();
    cmdPlay->setEnabled(!txtMidiFile->text().isEmpty());
    cmdStop->setEnabled(false);
    cmdCDDrive->setEnabled(false);
    cmdDrive->setEnabled(false);
    music_.mpMidi().close();
}

void MusicGroup::rbCdClick() {
    state_.MusicSource = 1;
    cmdOption->setText(QStringLiteral("CD登録"));
    pnlMidi->hide();
    pnlCd->show();
    cmdCDDrive->setEnabled(true);
    cmdDrive->setEnabled(true);
    CDDriveCheck();
    tmrDevice->start();
}

void MusicGroup::cmdOptionClick() {
    if (state_.MusicSource == 1)
        openNewCd();
    else
        chooseMidiFile();
}

void MusicGroup::cmdPlayClick() {
    if (state_.MusicSource == 1) {
        if (!music_.playCd(drive_)) return;
        cmdPlay->setEnabled(false);
        cmdStop->setEnabled(true);
    } else {
        if (!music_.playMidi(txtMidiFile->text())) return;
        cmdPlay->setEnabled(false);
        cmdOption->setEnabled(false);
        cmdStop->setEnabled(true);
    }
    rbMidi->setEnabled(false);
    rbCd->setEnabled(false);
}

void MusicGroup::cmdStopClick() {
    music_.stop();
    stopMusicControls();
}

void MusicGroup::stopMusicControls() {
    if (state_.MusicSource == 0) cmdOption->setEnabled(true);
    cmdPlay->setEnabled(true);
    rbMidi->setEnabled(true);
    rbCd->setEnabled(true);
    cmdStop->setEnabled(false);
}

void MusicGroup::clearSources() {
    rgSource->setExclusive(false);
    rbMidi->setChecked(false);
    rbCd->setChecked(false);
    rgSource->setExclusive(true);
}

// --- the MIDI file ---

void MusicGroup::chooseMidiFile() {
    QString current = txtMidiFile->text();
    QString folder = current.isEmpty()
                         ? QStandardPaths::writableLocation(QStandardPaths::MusicLocation)
                         : QFileInfo(current).absolutePath();
    QString chosen =
        ui::platform().openFileName(this, QStringLiteral("MIDIファイルの選択"),
                                    QStringLiteral("MIDIファイル (*.mid)|*.mid"), folder);
    if (chosen.isEmpty()) return;
    txtMidiFile->setText(chosen);
    txtMidiFile->setToolTip(chosen);
    cmdPlay->setEnabled(true);
}

// --- the CD ---

void MusicGroup::CDDriveCheck() {
    const QStringList drives = ui::platform().cdDrives();
    const std::string fallback = drives.isEmpty() ? std::string() : drives.last().toStdString();
    IniFile ini(user_().setupIni());
    state_.CD_Drive = ini.read("Setup", "CD-Drive", fallback);
    drive_ = ui::toQ(state_.CD_Drive);
    DeviceChange();
}

void MusicGroup::DeviceChange() {
    medium_ = ui::platform().driveHasMedium(drive_);
    if (medium_) {
        cmdPlay->setEnabled(true);
        cmdOption->setEnabled(true);
        readDiscTitle();
        return;
    }
    cmdPlay->setEnabled(false);
    cmdOption->setEnabled(false);
    cmdStop->setEnabled(false);
    showNoCd();
}

void MusicGroup::pollDrive() {
    if (ui::platform().driveHasMedium(drive_) != medium_) DeviceChange();
}

void MusicGroup::readDiscTitle() {
    ui::MediaPlayer& cd = music_.mpCD();
    // A disc that plays is asked as it is; reopening the player would stop the music.
    const bool playing = state_.MusicPlaying && state_.MusicSource == 1;
    auto query = [&]() -> std::optional<QString> {
        if (!playing && !cd.open(drive_)) return std::nullopt;
        std::optional<QString> id = cd.mediaIdentity();
        if (!playing) cd.close();
        return id;
    };
    std::optional<QString> id = query();
    if (!id) {
        ui::platform().beep();
        ui::platform().showMessage(
            this, QStringLiteral(
                      "ディバイスドライバ にエラーが発生しました。\n"
                      "他のアプリケーションに CD-ROMドライブ が使われている可能性があります。"));
        id = query();
    }
    if (!id) {
        // The second try failed too: the disc cannot be used now.
        cmdPlay->setEnabled(false);
        cmdOption->setEnabled(false);
        showNoCd();
        return;
    }
    // Identities are ASCII; the register keeps at most 19 characters of one.
    identity_ = id->left(19).toStdString();
    DiscTitle t = CdRegister(user_().folder()).lookUp(identity_);
    setDiscTexts(ui::toQ(t.title), ui::toQ(t.artist));
}

void MusicGroup::showNoCd() {
    identity_.clear();
    setDiscTexts(kNoCd, kNoCd);
}

void MusicGroup::setDiscTexts(const QString& title, const QString& artist) {
    txtCDTitle->setText(title);
    txtCDTitle->setToolTip(title);
    txtCDArtist->setText(artist);
    txtCDArtist->setToolTip(artist);
}

void MusicGroup::openNewCd() {
    if (identity_.empty()) return;
    TfrmNewCD window(identity_, user_().folder(), txtCDTitle->text(), txtCDArtist->text(), this);
    ui::platform().showModal(window);
    if (window.registered()) setDiscTexts(window.registeredTitle(), window.registeredArtist());
}

void MusicGroup::cmdCDDriveClick() {
    TfrmDriveSetup window(drive_, ui::platform().cdDrives(), this);
    ui::platform().showModal(window);
    const QString chosen = window.driveChosen();
    std::optional<std::string> cp932 = ui::fromQ(chosen);
    if (!cp932) return; // refused by the window already
    drive_ = chosen;
    state_.CD_Drive = *cp932;
    if (FileStatus status = IniFile::writeOne(user_().setupIni(), "Setup", "CD-Drive", *cp932);
        !status)
        ui::showFileError(this, status.path(), status.reason());
    // The display follows the drive now chosen.
    if (state_.MusicSource == 1 && !state_.MusicPlaying) DeviceChange();
}

void MusicGroup::showContextMenu(const QPoint& at) {
    pmCD->popup(mapToGlobal(at));
}

} // namespace qor
