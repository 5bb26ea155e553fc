#include "tools/TfrmNewText.h"

#include "base/TextFile.h"
#include "tools/NewTextFile.h"
#include "ui/DialogFrame.h"
#include "ui/Panels.h"
#include "ui/Platform.h"
#include "ui/Text.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSortFilterProxyModel>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

namespace qor {

namespace {

QString cleanFolder(const QString& folder) {
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

bool isInside(const QString& folder, const QString& place) {
    if (place == QStringLiteral("/")) return folder.startsWith(QLatin1Char('/'));
    return folder == place || folder.startsWith(place + QLatin1Char('/'));
}

// The dictionary folder, the home folder and the volumes a learner keeps files on: the
// root file system and every mounted device (not the system's own memory file systems).
std::vector<TfrmNewText::Place> findPlaces(const QString& dictionaryFolder) {
    std::vector<TfrmNewText::Place> places;
    auto add = [&](const QString& caption, const QString& path) {
        if (path.isEmpty() || !QFileInfo(path).isDir()) return;
        const QString clean = cleanFolder(path);
        for (const auto& p : places) {
            if (p.path == clean) return;
        }
        places.push_back({caption + QStringLiteral(" (") + clean + QLatin1Char(')'), clean});
    };
    add(QStringLiteral("辞書フォルダ"), dictionaryFolder);
    add(QStringLiteral("ホームフォルダ"), QDir::homePath());
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady()) continue;
        const QString root = volume.rootPath();
        if (root != QStringLiteral("/") && !volume.device().startsWith("/dev/")) continue;
        const QString name = volume.displayName();
        add(name == root ? QStringLiteral("ボリューム") : name, root);
    }
    return places;
}

// The tree shows the place itself as its one top folder, with the folders inside it
// below: a place without folders in it still shows where the file goes.
class PlaceOnly final : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setPlace(const QModelIndex& sourcePlace) {
        place_ = sourcePlace;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& sourceParent) const override {
        if (!place_.isValid() || sourceParent != place_.parent()) return true;
        return sourceModel()->index(row, 0, sourceParent) == place_;
    }

private:
    QPersistentModelIndex place_;
};

} // namespace

TfrmNewText::TfrmNewText(const QString& startFolder, const QString& dictionaryFolder,
                         QWidget* parent)
    : QDialog(parent), places_(findPlaces(dictionaryFolder)) {
    setWindowTitle(QStringLiteral("テキストファイルの新規作成"));
    setObjectName(QStringLiteral("TfrmNewText"));
    ui::setDialogFrame(this);

    auto* driveLabel = new QLabel(QStringLiteral("ドライブの指定 ： "), this);
    cboDrive = new QComboBox(this);
    cboDrive->setObjectName(QStringLiteral("cboDrive"));
    for (const Place& p : places_)
        cboDrive->addItem(p.caption, p.path);
    driveLabel->setBuddy(cboDrive);
    auto* driveRow = new QHBoxLayout;
    driveRow->addWidget(driveLabel);
    driveRow->addWidget(cboDrive, 1);

    auto* folderPrompt =
        new QLabel(QStringLiteral("新しいファイルの作成場所を指定しください"), this);
    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folders_->setReadOnly(true);
    shown_ = new PlaceOnly(this);
    shown_->setSourceModel(folders_);
    dlbFolder = new QTreeView(this);
    dlbFolder->setObjectName(QStringLiteral("dlbFolder"));
    dlbFolder->setModel(shown_);
    dlbFolder->setHeaderHidden(true);
    for (int c = 1; c < folders_->columnCount(); ++c)
        dlbFolder->hideColumn(c);
    dlbFolder->setSelectionMode(QAbstractItemView::SingleSelection);
    dlbFolder->setMinimumSize(480, 240);
    folderPrompt->setBuddy(dlbFolder);

    auto* namePrompt =
        new QLabel(QStringLiteral("ファイル名を記入してください （拡張子は必要ありません）"), this);
    txtFileName = new QLineEdit(this);
    txtFileName->setObjectName(QStringLiteral("txtFileName"));
    namePrompt->setBuddy(txtFileName);
    auto* note =
        new QLabel(QStringLiteral("（なるべく短い名前にし、ファイル名に \\ / : , ; * ? \" < > | "
                                  "を使わないでください）"),
                   this);

    cmdMake = ui::defaultButton(this, QStringLiteral("作成 (&M)"), "cmdMake");
    cmdClose = ui::commandButton(this, QStringLiteral("閉じる (&C)"), "cmdClose");
    auto* buttons = ui::buttonRow({cmdMake, cmdClose});

    auto* body = new QVBoxLayout;
    body->setContentsMargins(12, 8, 12, 10);
    body->setSpacing(6);
    body->addLayout(driveRow);
    body->addWidget(folderPrompt);
    body->addWidget(dlbFolder);
    // Where the file goes, also when no folder below the place is chosen.
    lblFolder = new QLabel(this);
    lblFolder->setObjectName(QStringLiteral("lblFolder"));
    lblFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblFolder->setMinimumWidth(480);
    body->addWidget(lblFolder);
    body->addSpacing(4);
    body->addWidget(namePrompt);
    body->addWidget(txtFileName);
    body->addWidget(note);
    body->addSpacing(4);
    body->addLayout(buttons);

    ui::layOutUnderHeading(
        this, ui::banner(QStringLiteral("ここでは、新しいテキストファイルを作成します"), this),
        body, nullptr, ui::WindowSize::Fixed);

    connect(cboDrive, &QComboBox::currentIndexChanged, this, &TfrmNewText::cboDriveChange);
    connect(dlbFolder->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TfrmNewText::showFolder);
    connect(cmdMake, &QPushButton::clicked, this, &TfrmNewText::cmdMakeClick);
    connect(cmdClose, &QPushButton::clicked, this, &TfrmNewText::cmdCloseClick);

    if (!places_.empty()) setFolder(startFolder.isEmpty() ? places_.front().path : startFolder);
}

TfrmNewText::~TfrmNewText() = default;

int TfrmNewText::placeOf(const QString& folder) const {
    int best = -1;
    for (std::size_t i = 0; i < places_.size(); ++i) {
        if (isInside(folder, places_[i].path) &&
            (best < 0 ||
             places_[i].path.size() > places_[static_cast<std::size_t>(best)].path.size()))
            best = static_cast<int>(i);
    }
    return best;
}

void TfrmNewText::showFolder() {
    const QString folder = currentFolder();
    lblFolder->setText(lblFolder->fontMetrics().elidedText(
        QStringLiteral("作成場所 ： ") + folder, Qt::ElideMiddle, dlbFolder->minimumWidth()));
    lblFolder->setToolTip(folder);
}

void TfrmNewText::cboDriveChange(int index) {
    if (index < 0 || index >= static_cast<int>(places_.size())) return;
    const QString root = places_[static_cast<std::size_t>(index)].path;
    // The folder above the place is read, so that the place itself shows at the top.
    const QModelIndex place = folders_->index(root);
    folders_->setRootPath(place.parent().isValid() ? folders_->filePath(place.parent()) : root);
    static_cast<PlaceOnly*>(shown_)->setPlace(place);
    const QModelIndex shownPlace = shown_->mapFromSource(place);
    dlbFolder->setRootIndex(shown_->mapFromSource(place.parent()));
    dlbFolder->expand(shownPlace);
    dlbFolder->setCurrentIndex(shownPlace);
    showFolder();
}

void TfrmNewText::setFolder(const QString& folder) {
    if (places_.empty()) return;
    const QString clean = cleanFolder(folder);
    int place = placeOf(clean);
    if (place < 0) place = 0;
    if (cboDrive->currentIndex() != place)
        cboDrive->setCurrentIndex(place);
    else
        cboDriveChange(place);
    if (clean == places_[static_cast<std::size_t>(place)].path) return;
    // A folder the tree does not show (a hidden one) leaves the place itself chosen.
    QModelIndex index = shown_->mapFromSource(folders_->index(clean));
    if (!index.isValid()) return;
    dlbFolder->setCurrentIndex(index);
    dlbFolder->scrollTo(index);
}

QString TfrmNewText::currentFolder() const {
    QModelIndex current = shown_->mapToSource(dlbFolder->currentIndex());
    if (current.isValid()) return folders_->filePath(current);
    const int place = cboDrive->currentIndex();
    if (place < 0 || place >= static_cast<int>(places_.size())) return {};
    return places_[static_cast<std::size_t>(place)].path;
}

void TfrmNewText::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous() && !formShown_) FormShow();
}

void TfrmNewText::FormShow() {
    formShown_ = true;
    txtFileName->clear();
    txtFileName->setFocus();
}

void TfrmNewText::cmdMakeClick() {
    const QString typed = txtFileName->text();
    if (typed.isEmpty()) {
        ui::platform().showMessage(this, QStringLiteral("ファイル名が記入されていません"));
        txtFileName->setFocus();
        return;
    }
    auto name = ui::fromQOrWarn(this, typed);
    if (!name) {
        txtFileName->setFocus();
        return;
    }
    const QString folder = currentFolder();
    auto modelFolder = modelPath(folder.toStdString());
    if (!modelFolder) {
        ui::platform().showNotice(
            this,
            QStringLiteral(
                "選択されたフォルダのパスには、Shift-JIS で表せない文字が含まれているため、"
                "ここには作成できません。\n別のフォルダを選択してください。\n\n") +
                folder,
            QStringLiteral("エラー"), ui::kNoticeWarning);
        return;
    }

    NewTextResult made = createNewTextFile(*modelFolder, *name);
    const QString fileName = ui::toQ(made.fileName);
    switch (made.outcome) {
    case NewTextOutcome::Created:
        createdPath_ = made.path;
        ui::platform().showMessage(this, fileName + QStringLiteral(" は作成されました"));
        txtFileName->clear();
        break;
    case NewTextOutcome::Exists:
        ui::platform().showMessage(
            this, fileName + QStringLiteral(" はすでにあります。\n"
                                            "今あるファイルはそのままにして、新しいファイルは"
                                            "作成しませんでした。\n別の名前を記入してください。"));
        break;
    case NewTextOutcome::NameWithSlash:
        ui::platform().showMessage(
            this, QStringLiteral("ファイル名に「/」は使えません。\n別の名前を記入してください。"));
        break;
    case NewTextOutcome::EmptyName:
        break;
    case NewTextOutcome::Failed:
        ui::platform().showNotice(this,
                                  fileName + QStringLiteral(" を作成できませんでした。\n\n") +
                                      ui::toQ(made.status.path()) + QStringLiteral("\n") +
                                      QString::fromStdString(made.status.reason()),
                                  QStringLiteral("エラー"), ui::kNoticeWarning);
        break;
    }
    txtFileName->setFocus();
}

void TfrmNewText::cmdCloseClick() {
    accept();
}

} // namespace qor
