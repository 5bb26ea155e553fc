#include "app/MainSettingsView.h"

#include "app/MainMenus.h"
#include "app/MainStatusBar.h"
#include "app/MainToolBars.h"
#include "app/MainWindowState.h"
#include "app/TfrmMain.h"
#include "base/IniFile.h"
#include "quiz/DrillPanel.h"
#include "ui/Platform.h"
#include "ui/Text.h"

#include <QAction>
#include <QMenu>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

namespace qor {

MainSettingsView::MainSettingsView(TfrmMain& main) : main_(main) {
    QObject::connect(&main_.settingsNotifier(), &SettingsNotifier::changed, &main_,
                     [this](SettingsGroups changed) { settingsChanged(changed); });
}

void MainSettingsView::settingsChanged(SettingsGroups changed) {
    if (changed.has(SettingsGroup::Look)) applyDataBars();
    if (changed.has(SettingsGroup::Window)) applyFlatButtons();
    if (changed.has(SettingsGroup::Files))
        main_.menus_->mnuVocBook()->menuAction()->setEnabled(main_.settings_.files.VocBookOn);
    if (changed.has(SettingsGroup::Window) || changed.has(SettingsGroup::User))
        main_.refreshTitleBar();
    // The review settings and the user's review files decide which words are due.
    if (changed.has(SettingsGroup::Review) || changed.has(SettingsGroup::User))
        main_.refreshDueCount(true);
}

void MainSettingsView::placeWindow(std::vector<BadSetting>& bad) {
    IniFile ini(main_.settings_.setupIniPath());
    Placement p = readPlacement(ini, bad);
    // A stored size larger than the screen would put the answer field out of reach.
    QSize size(p.width, p.height);
    if (const QScreen* s = main_.screen() ? main_.screen() : QGuiApplication::primaryScreen()) {
        const QSize frame = main_.frameGeometry().size() - main_.size();
        size = size.boundedTo(s->availableGeometry().size() - frame);
    }
    main_.resize(size);
    if (p.left && p.top) {
        // A position stored on a screen that is gone would put the window out of reach.
        QPoint corner(*p.left, *p.top);
        if (QGuiApplication::screenAt(corner + QPoint(20, 20))) main_.move(corner);
    }
    if (p.maximized) main_.setWindowState(main_.windowState() | Qt::WindowMaximized);
}

void MainSettingsView::reportBadSettings(const std::vector<BadSetting>& bad) {
    // A key read twice (the placement and the record both read "SavePosition") is
    // named once.
    std::vector<BadSetting> unique;
    for (const BadSetting& b : bad) {
        bool seen = std::any_of(unique.begin(), unique.end(), [&](const BadSetting& u) {
            return u.file == b.file && u.section == b.section && u.key == b.key;
        });
        if (!seen) unique.push_back(b);
    }
    if (unique.empty()) return;
    ui::platform().showNotice(&main_, ui::toQ(SettingsStore::describe(unique)),
                              QStringLiteral("エラー"), ui::kNoticeWarning);
}

void MainSettingsView::applyLook() {
    main_.panel_->applyLook();
}

void MainSettingsView::applyDataBars() {
    const TUserSettings& s = main_.settings_;
    main_.menus_->actQuestionNum()->setChecked(s.look.ShowQuestionNum);
    main_.menus_->actAtariNum()->setChecked(s.look.ShowAtariNum);
    main_.menus_->actHazureNum()->setChecked(s.look.ShowHazureNum);
    main_.menus_->actPercent()->setChecked(s.look.ShowPercent);
    main_.menus_->actTime()->setChecked(s.look.ShowTime);
    main_.panel_->applyDataBarColours();
    main_.UpdateDataBar();
}

void MainSettingsView::applyToolBars(std::vector<BadSetting>& bad) {
    if (!main_.settings_.window.SaveToolBar) return;
    IniFile ini(main_.settings_.setupIniPath());
    ViewVisibility v = readToolbarSection(ini, bad);
    auto apply = [](QWidget* w, QAction* a, bool visible) {
        w->setVisible(visible);
        a->setChecked(visible);
    };
    const MainMenus& menus = *main_.menus_;
    const MainToolBars& bars = *main_.bars_;
    apply(bars.tbStandardToolBar(), menus.actStandardToolBar(), v.standardToolBar);
    apply(bars.tbFileToolBar(), menus.actFileToolBar(), v.fileToolBar);
    apply(bars.tbQuestionSetupToolBar(), menus.actQuestionSetupToolBar(), v.questionSetupToolBar);
    main_.panel_->setCommandButtonsVisible(v.rightCommandButton);
    main_.menus_->actRightCommandButton()->setChecked(v.rightCommandButton);
    apply(main_.status_->bar(), main_.menus_->actStatusBar(), v.statusBar);
}

void MainSettingsView::applyFlatButtons() {
    main_.bars_->setFlat(!main_.settings_.window.NotFlat);
}

void MainSettingsView::storeClosingState(const std::string& loadedCount) {
    ClosingState state;
    state.maximized = main_.isMaximized();
    state.views.standardToolBar = !main_.bars_->tbStandardToolBar()->isHidden();
    state.views.fileToolBar = !main_.bars_->tbFileToolBar()->isHidden();
    state.views.questionSetupToolBar = !main_.bars_->tbQuestionSetupToolBar()->isHidden();
    state.views.rightCommandButton = main_.panel_->commandButtonsVisible();
    state.views.statusBar = !main_.status_->bar()->isHidden();

    state.answerType = main_.bars_->cboAnswerType()->currentIndex();
    state.questionType = main_.bars_->cboQuestionType()->currentIndex();
    // A typed character that Shift-JIS cannot hold is refused; the number loaded at
    // start is kept instead.
    state.questionNum =
        ui::fromQOrWarn(&main_, main_.bars_->txtQuestionNum()->text()).value_or(loadedCount);
    state.dicFilePath = main_.settings_.files.DicInUse;
    QRect bounds = main_.geometry();
    state.height = bounds.height();
    state.width = bounds.width();
    state.top = main_.y();
    state.left = main_.x();
    state.showQuestionNum = main_.settings_.look.ShowQuestionNum;
    state.showAtariNum = main_.settings_.look.ShowAtariNum;
    state.showHazureNum = main_.settings_.look.ShowHazureNum;
    state.showPercent = main_.settings_.look.ShowPercent;
    state.showTime = main_.settings_.look.ShowTime;
    if (FileStatus status = qor::saveClosingState(main_.settings_.setupIniPath(), state); !status)
        ui::showFileError(&main_, status.path(), status.reason());
}

} // namespace qor
