#include "settings/TfrmSetup.h"

#include "base/TextFile.h"
#include "settings/SettingsStore.h"
#include "settings/SetupGeneralPages.h"
#include "settings/SetupLookPages.h"
#include "settings/SetupReviewPage.h"
#include "settings/SetupSoundPages.h"
#include "settings/SetupUserPages.h"
#include "settings/UserRegistry.h"
#include "ui/DialogFrame.h"
#include "ui/Panels.h"
#include "ui/Platform.h"
#include "ui/Text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qor {

TfrmSetup::TfrmSetup(TUserSettings& settings, std::unique_ptr<SetupHost> host,
                     SettingsNotifier& notifier, QWidget* parent)
    : QDialog(parent), settings_(settings), host_(std::move(host)), notifier_(notifier) {
    setWindowTitle(QStringLiteral("基本設定"));
    ui::setDialogFrame(this);

    auto* banner = ui::banner(QStringLiteral("ここでは、Qor Helperの各種設定を行います"), this);

    pcSetup = new QTabWidget(this);
    pcSetup->setObjectName(QStringLiteral("pcSetup"));
    pcSetup->setUsesScrollButtons(false);
    tsGeneral = new SetupGeneralPage(settings_, pcSetup);
    tsFile = new SetupFilePage(settings_, *host_, pcSetup);
    tsUser = new SetupUserPage(settings_, pcSetup);
    tsSchedule = new SetupSchedulePage(settings_, pcSetup);
    tsSound = new SetupSoundPage(settings_, pcSetup);
    tsVoice = new SetupVoicePage(settings_, *host_, pcSetup);
    tsFont = new SetupFontPage(settings_, pcSetup);
    tsColor = new SetupColorPage(settings_, pcSetup);
    tsOther = new SetupOtherPage(settings_, *host_, pcSetup);
    tsReview = new SetupReviewPage(settings_, pcSetup);
    const std::pair<SetupPage*, const char*> tabs[] = {
        {tsGeneral, "全般"},          {tsFile, "ファイル"},  {tsUser, "ユーザー"},
        {tsSchedule, "スケジュール"}, {tsSound, "サウンド"}, {tsVoice, "音声"},
        {tsFont, "フォント"},         {tsColor, "カラー"},   {tsOther, "その他"},
        {tsReview, "復習"},
    };
    const char* names[] = {"tsGeneral", "tsFile", "tsUser",  "tsSchedule", "tsSound",
                           "tsVoice",   "tsFont", "tsColor", "tsOther", "tsReview"};
    int n = 0;
    for (const auto& [page, caption] : tabs) {
        page->setObjectName(QString::fromLatin1(names[n++]));
        pcSetup->addTab(page, QString::fromUtf8(caption));
        pages_.push_back(page);
    }

    cmdOk = new QPushButton(QStringLiteral("&OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);
    auto* buttons = ui::buttonRow({cmdOk, cmdCancel});

    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 10);
    body->addWidget(pcSetup);
    body->addSpacing(4);
    body->addLayout(buttons);

    ui::layOutUnderHeading(this, banner, body, nullptr, ui::WindowSize::Fixed);

    connect(cmdOk, &QPushButton::clicked, this, &TfrmSetup::cmdOkClick);
    connect(cmdCancel, &QPushButton::clicked, this, &TfrmSetup::cmdCancelClick);
}

TfrmSetup::~TfrmSetup() = default;

QWidget* TfrmSetup::musicGroupSlot() const {
    return tsSound->musicSlot();
}

void TfrmSetup::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfrmSetup::FormShow() {
    shown_ = settings_;
    pcSetup->setCurrentWidget(tsGeneral);
    for (SetupPage* page : pages_)
        page->FormShow();
}

void TfrmSetup::cmdOkClick() {
    // Typed texts that Shift-JIS cannot hold are refused before anything is taken on.
    TUserSettings next = settings_;
    for (SetupPage* page : pages_) {
        if (!page->store(next)) {
            pcSetup->setCurrentWidget(page);
            return;
        }
    }

    if (tsVoice->companionPathMissing()) {
        // The options up to the voice source's path (the drill's switches, the files,
        // the sounds and the voice switches) are taken on, and the windows follow them;
        // the rest waits for the path. The companion (sound group) stays as it is.
        settings_.drill = next.drill;
        settings_.window.AutoImeOn = next.window.AutoImeOn;
        settings_.files = next.files;
        settings_.sound = next.sound;
        notifier_.notify(changedGroups(shown_, settings_).without(SettingsGroup::Sound));
        const SoundSettings announced = shown_.sound;
        shown_ = settings_;
        shown_.sound = announced;
        pcSetup->setCurrentWidget(tsVoice);
        ui::platform().showNotice(this, QStringLiteral("ヴェクサが指定されていません"),
                                  QStringLiteral("エラー"), ui::kNoticeWarning);
        return;
    }

    // The options go to the chosen user's folder; a Setup.ini that cannot be written
    // keeps the dialog open with everything as the learner left it, and the record as
    // it was, so that trying again (or "キャンセル") loses nothing.
    makeFolder(next.userFolder());
    if (FileStatus stored = SettingsStore::saveOptions(next, tsSchedule->planEntries()); !stored) {
        ui::showFileError(this, stored.path(), stored.reason());
        return;
    }
    settings_ = next;
    UserRegistry registry(settings_.ProgramFolder);
    if (FileStatus shown = registry.setShowUser(settings_.ShowUser ? 1 : 0); !shown)
        ui::showFileError(this, shown.path(), shown.reason());

    notifier_.notify(changedGroups(shown_, settings_));
    shown_ = settings_;
    accept();
}

void TfrmSetup::cmdCancelClick() {
    reject();
}

} // namespace qor
