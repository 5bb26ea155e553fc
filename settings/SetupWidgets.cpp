#include "settings/SetupWidgets.h"
#include "settings/DictionaryInUse.h"

#include "base/TextFile.h"
#include "ui/Fonts.h"
#include "ui/Platform.h"
#include "ui/Text.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTreeView>

namespace qor {

ColorPanel::ColorPanel(const QString& accessibleName, QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("クリックで色変更"));
    setAccessibleName(accessibleName);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFixedSize(sizeHint());
}

void ColorPanel::setColor(int color) {
    color_ = color;
    update();
}

void ColorPanel::pick() {
    std::optional<QColor> chosen = ui::platform().chooseColor(this, ui::colorFromSetting(color_));
    if (!chosen) return;
    setColor(static_cast<int>(ui::settingFromColor(*chosen)));
    emit colorChanged(color_);
}

void ColorPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    QColor fill = ui::colorFromSetting(color_);
    if (!isEnabled()) fill = palette().color(QPalette::Disabled, QPalette::Window);
    painter.fillRect(contentsRect().adjusted(2, 2, -2, -2), fill);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(contentsRect().adjusted(0, 0, -1, -1));
    }
}

void ColorPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pick();
        return;
    }
    QFrame::mousePressEvent(event);
}

void ColorPanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space) {
        pick();
        return;
    }
    QFrame::keyPressEvent(event);
}

TextRowsModel::TextRowsModel(QStringList headings, QObject* parent)
    : QAbstractTableModel(parent), headings_(std::move(headings)) {}

void TextRowsModel::setRows(std::vector<QStringList> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int TextRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TextRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headings_.size());
}

QVariant TextRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    const QStringList& row = rows_[static_cast<std::size_t>(index.row())];
    return index.column() < row.size() ? row[index.column()] : QString();
}

QVariant TextRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section >= headings_.size())
        return {};
    return headings_[section];
}

QTreeView* makeTable(TextRowsModel* model, const QString& accessibleName, QWidget* parent) {
    auto* table = new QTreeView(parent);
    table->setModel(model);
    table->setRootIsDecorated(false);
    table->setItemsExpandable(false);
    table->setUniformRowHeights(true);
    table->setAllColumnsShowFocus(true);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setAccessibleName(accessibleName);
    table->header()->setStretchLastSection(true);
    table->header()->setSectionsMovable(false);
    return table;
}

int selectedRow(const QTreeView* table) {
    const QModelIndexList rows = table->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

void setPathField(QLineEdit* field, const QString& path) {
    field->setText(path);
    field->setToolTip(path);
}

bool chooseFileInto(QWidget* parent, QLineEdit* field, const QString& caption,
                    const QString& filter, const TUserSettings& s) {
    QString chosen =
        ui::platform().openFileName(parent, caption, filter, dialogFolder(s, ui::fromQ(field->text()).value_or(std::string())));
    if (chosen.isEmpty() || !ui::fromQOrWarn(parent, chosen)) return false;
    setPathField(field, chosen);
    return true;
}

std::optional<std::string> fieldText(QWidget* parent, const QLineEdit* field) {
    return ui::fromQOrWarn(parent, field->text());
}

void setListTextColor(QWidget* list, int color) {
    QPalette palette = list->palette();
    const QColor c = ui::colorFromSetting(color);
    // Lists draw their text with Text, ButtonText or WindowText depending on the style.
    palette.setColor(QPalette::Text, c);
    palette.setColor(QPalette::ButtonText, c);
    palette.setColor(QPalette::WindowText, c);
    list->setPalette(palette);
}

QCheckBox* checkBox(const QString& caption, const QString& name, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

QPushButton* button(const QString& caption, const QString& name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace qor
