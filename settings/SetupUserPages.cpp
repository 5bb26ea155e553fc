#include "settings/SetupUserPages.h"

#include "base/Clock.h"
#include "settings/SetupWidgets.h"
#include "settings/UserRegistry.h"
#include "ui/Panels.h"
#include "ui/Platform.h"
#include "ui/Switch.h"
#include "ui/Text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace qor {

namespace {

const QString kError = QStringLiteral("エラー");

QSpinBox* dateSpin(const QString& name, const QString& accessibleName, int minimum, int maximum,
                   QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setAccessibleName(accessibleName);
    spin->setRange(minimum, maximum);
    spin->setAlignment(Qt::AlignRight);
    return spin;
}

// A group that keeps its room while hidden, so the tab does not jump.
void keepRoomWhenHidden(QWidget* w) {
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
}

} // namespace

// --- ユーザー ---

SetupUserPage::SetupUserPage(TUserSettings& settings, QWidget* parent)
    : SetupPage(settings, parent) {
    auto* currentLabel = new QLabel(QStringLiteral("現在使用しているユーザー名"), this);
    cboUserName = new QComboBox(this);
    cboUserName->setObjectName(QStringLiteral("cboUserName"));
    cboUserName->setMinimumWidth(220);
    currentLabel->setBuddy(cboUserName);
    chkShowUser = checkBox(QStringLiteral("複数のユーザーで使用する (&U)"),
                           QStringLiteral("chkShowUser"), this);

    gbUser = new QGroupBox(QStringLiteral("ユーザーの登録"), this);
    gbUser->setObjectName(QStringLiteral("gbUser"));
    users_ = new TextRowsModel({QStringLiteral("ユーザー名"), QStringLiteral("使用回数")}, this);
    lstUser = makeTable(users_, QStringLiteral("登録されているユーザー"), gbUser);
    lstUser->setObjectName(QStringLiteral("lstUser"));
    lstUser->header()->resizeSection(0, 240);
    lstUser->setMinimumHeight(150);
    auto* nameLabel = new QLabel(QStringLiteral("ユーザー名 ： "), gbUser);
    txtUserName = new QLineEdit(gbUser);
    txtUserName->setObjectName(QStringLiteral("txtUserName"));
    nameLabel->setBuddy(txtUserName);
    cmdAddUser = button(QStringLiteral("登録 (&A)"), QStringLiteral("cmdAddUser"), gbUser);
    cmdAddUser->setToolTip(QStringLiteral("ユーザーの追加"));
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(nameLabel);
    addRow->addWidget(txtUserName, 1);
    addRow->addWidget(cmdAddUser);
    auto* groupLayout = new QVBoxLayout(gbUser);
    groupLayout->addWidget(lstUser, 1);
    groupLayout->addLayout(addRow);
    keepRoomWhenHidden(gbUser);

    auto* currentRow = new QHBoxLayout;
    currentRow->addWidget(currentLabel);
    currentRow->addWidget(cboUserName);
    currentRow->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(currentRow);
    layout->addWidget(chkShowUser);
    layout->addWidget(gbUser, 1);

    ui::onToggled(chkShowUser, this, &SetupUserPage::chkShowUserClick);
    connect(cmdAddUser, &QPushButton::clicked, this, &SetupUserPage::cmdAddUserClick);
    connect(txtUserName, &QLineEdit::returnPressed, this, &SetupUserPage::cmdAddUserClick);
}

void SetupUserPage::fillUsers() {
    UserRegistry registry(settings_.ProgramFolder);
    std::vector<QStringList> rows;
    QStringList names;
    for (const std::string& name : registry.users()) {
        names << ui::toQ(name);
        rows.push_back({ui::toQ(name), QString::number(registry.launchCount(name))});
    }
    users_->setRows(std::move(rows));
    QString current = cboUserName->currentText();
    cboUserName->clear();
    cboUserName->addItems(names);
    cboUserName->setCurrentText(current);
}

void SetupUserPage::showUserName(const std::string& name) {
    const QString text = ui::toQ(name);
    if (cboUserName->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
        cboUserName->insertItem(0, text);
    cboUserName->setCurrentIndex(
        cboUserName->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void SetupUserPage::FormShow() {
    fillUsers();
    showUserName(settings_.UserName);
    txtUserName->clear();
    ui::setSwitch(chkShowUser, settings_.ShowUser);
}

bool SetupUserPage::store(TUserSettings& next) {
    auto name = ui::fromQOrWarn(this, cboUserName->currentText());
    if (!name) return false;
    // An empty box keeps the user.
    if (!name->empty()) next.UserName = *name;
    // Of User.ini, not of the key table.
    next.ShowUser = chkShowUser->isChecked();
    return true;
}

void SetupUserPage::chkShowUserClick() {
    const bool on = chkShowUser->isChecked();
    if (!on) showUserName(settings_.UserName);
    cboUserName->setEnabled(on);
    gbUser->setVisible(on);
}

void SetupUserPage::cmdAddUserClick() {
    auto name = ui::fromQOrWarn(this, txtUserName->text());
    if (!name) return;
    if (auto problem = userNameProblem(*name)) {
        ui::platform().showNotice(this, ui::toQ(*problem), kError, ui::kNoticeWarning);
        return;
    }
    UserRegistry registry(settings_.ProgramFolder);
    for (const std::string& known : registry.users()) {
        if (known == *name) {
            ui::platform().showNotice(this,
                                      QStringLiteral("このユーザー名は、すでに登録されています"),
                                      kError, ui::kNoticeWarning);
            return;
        }
    }
    // Stored at once: "キャンセル" does not undo a registration.
    if (FileStatus status = registry.registerUser(*name); !status) {
        ui::showFileError(this, status.path(), status.reason());
        return;
    }
    fillUsers();
    txtUserName->clear();
}

// --- スケジュール ---

SetupSchedulePage::SetupSchedulePage(TUserSettings& settings, QWidget* parent)
    : SetupPage(settings, parent) {
    chkPlanOn =
        checkBox(QStringLiteral("スケジュールを設定する (&P)"), QStringLiteral("chkPlanOn"), this);
    auto* about = new QLabel(QStringLiteral("試験などがある場合は、その日にちをここで設定すれば、"
                                            "その日までの残り日数を表示します。"),
                             this);

    gbPlan = new QGroupBox(this);
    gbPlan->setObjectName(QStringLiteral("gbPlan"));
    auto* purposeLabel = new QLabel(QStringLiteral("目的 ： "), gbPlan);
    txtPurpose = new QLineEdit(gbPlan);
    txtPurpose->setObjectName(QStringLiteral("txtPurpose"));
    // Characters, not bytes: the byte limit is checked when the row is added.
    txtPurpose->setMaxLength(static_cast<int>(ScheduleTable::kMaxPurposeBytes));
    txtPurpose->setMinimumWidth(180);
    purposeLabel->setBuddy(txtPurpose);
    auto* purposeNote =
        new QLabel(QStringLiteral("全角で７文字、半角で１４文字以内で記入します"), gbPlan);
    auto* dateLabel = new QLabel(QStringLiteral("日程 ： "), gbPlan);
    txtYear = dateSpin(QStringLiteral("txtYear"), QStringLiteral("日程の年"), 0, 10000, gbPlan);
    dateLabel->setBuddy(txtYear);
    txtMonth = dateSpin(QStringLiteral("txtMonth"), QStringLiteral("日程の月"), 1, 12, gbPlan);
    txtDay = dateSpin(QStringLiteral("txtDay"), QStringLiteral("日程の日"), 1, 31, gbPlan);

    rows_ = new TextRowsModel(
        {QStringLiteral("目的"), QStringLiteral("日程"), QStringLiteral("残り日数")}, this);
    lstItem = makeTable(rows_, QStringLiteral("スケジュール"), gbPlan);
    lstItem->setObjectName(QStringLiteral("lstItem"));
    lstItem->header()->resizeSection(0, 170);
    lstItem->header()->resizeSection(1, 110);
    lstItem->setMinimumHeight(130);

    cmdAdd = button(QStringLiteral("追加 (&A)"), QStringLiteral("cmdAdd"), gbPlan);
    cmdChange = button(QStringLiteral("変更 (&C)"), QStringLiteral("cmdChange"), gbPlan);
    cmdDelete = button(QStringLiteral("削除 (&D)"), QStringLiteral("cmdDelete"), gbPlan);
    auto mover = [this](Qt::ArrowType arrow, const QString& name, const QString& caption) {
        auto* b = new QToolButton(gbPlan);
        b->setObjectName(name);
        b->setArrowType(arrow);
        b->setAccessibleName(caption);
        b->setToolTip(caption);
        b->setMinimumSize(26, 22);
        return b;
    };
    cmdUp = mover(Qt::UpArrow, QStringLiteral("cmdUp"), QStringLiteral("上へ移動"));
    cmdDown = mover(Qt::DownArrow, QStringLiteral("cmdDown"), QStringLiteral("下へ移動"));
    auto* limitNote = new QLabel(QStringLiteral("最大５つまで登録できます。"), gbPlan);
    chkShowPlanOn = checkBox(QStringLiteral("常に起動時に表示する (&B)"),
                             QStringLiteral("chkShowPlanOn"), gbPlan);

    auto* fields = new QGridLayout;
    fields->addWidget(purposeLabel, 0, 0);
    fields->addWidget(txtPurpose, 0, 1, 1, 6);
    fields->addWidget(purposeNote, 1, 1, 1, 6);
    fields->addWidget(dateLabel, 2, 0);
    fields->addWidget(txtYear, 2, 1);
    fields->addWidget(new QLabel(QStringLiteral("年"), gbPlan), 2, 2);
    fields->addWidget(txtMonth, 2, 3);
    fields->addWidget(new QLabel(QStringLiteral("月"), gbPlan), 2, 4);
    fields->addWidget(txtDay, 2, 5);
    fields->addWidget(new QLabel(QStringLiteral("日"), gbPlan), 2, 6);
    fields->setColumnStretch(7, 1);

    auto* commands = new QVBoxLayout;
    commands->addWidget(cmdAdd);
    commands->addWidget(cmdChange);
    commands->addWidget(cmdDelete);
    auto* moverRow = ui::buttonRow({cmdUp, cmdDown});
    moverRow->addStretch(1);
    commands->addLayout(moverRow);
    commands->addStretch(1);

    auto* tableRow = new QHBoxLayout;
    tableRow->addWidget(lstItem, 1);
    tableRow->addLayout(commands);

    auto* groupLayout = new QVBoxLayout(gbPlan);
    groupLayout->addLayout(fields);
    groupLayout->addLayout(tableRow, 1);
    groupLayout->addWidget(limitNote);
    groupLayout->addWidget(chkShowPlanOn);
    keepRoomWhenHidden(gbPlan);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chkPlanOn);
    layout->addWidget(about);
    layout->addWidget(gbPlan, 1);

    bind(chkShowPlanOn, "ShowPlanOn");
    bind(chkPlanOn, "PlanOn", true);
    ui::onToggled(chkPlanOn, this, &SetupSchedulePage::chkPlanOnClick);
    connect(cmdAdd, &QPushButton::clicked, this, &SetupSchedulePage::cmdAddClick);
    connect(cmdChange, &QPushButton::clicked, this, &SetupSchedulePage::cmdChangeClick);
    connect(cmdDelete, &QPushButton::clicked, this, &SetupSchedulePage::cmdDeleteClick);
    connect(cmdUp, &QToolButton::clicked, this, &SetupSchedulePage::cmdUpClick);
    connect(cmdDown, &QToolButton::clicked, this, &SetupSchedulePage::cmdDownClick);
    // A row chosen by mouse or by keys.
    connect(lstItem->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &SetupSchedulePage::lstItemClick);
    connect(lstItem, &QTreeView::clicked, this, &SetupSchedulePage::lstItemClick);
}

void SetupSchedulePage::presetToday() {
    DateTime today = programClock().now();
    txtYear->setValue(today.year);
    txtMonth->setValue(today.month);
    txtDay->setValue(today.day);
}

void SetupSchedulePage::FormShow() {
    txtPurpose->clear();
    presetToday();
    table_ = ScheduleTable::fromPlan(PlanFile(settings_.setupIniPath()).read(programClock().now()));
    showTable(-1);
    showBound();
}

bool SetupSchedulePage::store(TUserSettings& next) {
    storeBound(next);
    return true;
}

void SetupSchedulePage::showTable(int selected) {
    const DateTime today = programClock().now();
    std::vector<QStringList> rows;
    for (const ScheduleRow& row : table_.rows()) {
        if (row.unreadable) {
            rows.push_back(
                {ui::toQ(*row.unreadable), QStringLiteral("（読み取れません）"), QString()});
            continue;
        }
        int days = dayDifference({row.purpose, row.year, row.month, row.day}, today);
        rows.push_back({ui::toQ(row.purpose), ui::toQ(row.dateText()), QString::number(days)});
    }
    // Rebuilding the rows must not look like a click on one.
    QSignalBlocker block(lstItem->selectionModel());
    rows_->setRows(std::move(rows));
    if (selected >= 0 && selected < table_.size()) {
        QModelIndex index = rows_->index(selected, 0);
        lstItem->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                              QItemSelectionModel::Rows);
    }
    enableRowCommands(selected >= 0 && selected < table_.size());
}

void SetupSchedulePage::enableRowCommands(bool enabled) {
    cmdChange->setEnabled(enabled);
    cmdDelete->setEnabled(enabled);
    cmdUp->setEnabled(enabled);
    cmdDown->setEnabled(enabled);
}

void SetupSchedulePage::chkPlanOnClick() {
    gbPlan->setVisible(chkPlanOn->isChecked());
}

bool SetupSchedulePage::accepted(ScheduleProblem problem, const ScheduleRow& row) {
    if (problem == ScheduleProblem::None) return true;
    ui::platform().showNotice(this, ui::toQ(scheduleProblemText(problem, row)), kError,
                              ui::kNoticeWarning);
    return false;
}

std::optional<ScheduleRow> SetupSchedulePage::fieldsRow() {
    auto purpose = ui::fromQOrWarn(this, txtPurpose->text());
    if (!purpose) return std::nullopt;
    return ScheduleRow{*purpose, txtYear->value(), txtMonth->value(), txtDay->value(), {}};
}

void SetupSchedulePage::cmdAddClick() {
    // A full table is told before anything about the fields.
    if (table_.size() >= ScheduleTable::kMaxRows) {
        accepted(ScheduleProblem::Full, {});
        return;
    }
    auto row = fieldsRow();
    if (!row || !accepted(table_.add(*row), *row)) return;
    showTable(-1);
    txtPurpose->clear();
}

void SetupSchedulePage::cmdChangeClick() {
    const int index = selectedRow(lstItem);
    if (index < 0) return;
    auto row = fieldsRow();
    if (!row || !accepted(table_.change(index, *row), *row)) return;
    showTable(index);
    txtPurpose->clear();
}

void SetupSchedulePage::cmdDeleteClick() {
    const int index = selectedRow(lstItem);
    if (!table_.remove(index)) return;
    showTable(-1);
    txtPurpose->clear();
}

void SetupSchedulePage::lstItemClick() {
    const int index = selectedRow(lstItem);
    if (index < 0 || index >= table_.size()) {
        enableRowCommands(false);
        return;
    }
    const ScheduleRow& row = table_.rows()[static_cast<std::size_t>(index)];
    txtPurpose->setText(ui::toQ(row.purpose));
    if (row.unreadable) {
        presetToday();
    } else {
        txtYear->setValue(row.year);
        txtMonth->setValue(row.month);
        txtDay->setValue(row.day);
    }
    enableRowCommands(true);
}

void SetupSchedulePage::moveSelected(int by) {
    const int moved = table_.move(selectedRow(lstItem), by);
    if (moved >= 0) showTable(moved);
}

void SetupSchedulePage::cmdUpClick() {
    moveSelected(-1);
}

void SetupSchedulePage::cmdDownClick() {
    moveSelected(1);
}

} // namespace qor
