#pragma once
// Small pieces the tabs of the settings dialog share: the colour panel, the table model
// of its two tables, and the helpers of its file choosers.

#include "settings/TUserSettings.h"

#include <QAbstractTableModel>
#include <QFrame>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace qor {

// A panel showing a colour; a click (or Space) lets the learner pick another one with
// the platform's colour picker, which the panel then takes as its own.
class ColorPanel : public QFrame {
    Q_OBJECT
public:
    explicit ColorPanel(const QString& accessibleName, QWidget* parent = nullptr);

    int color() const { return color_; } // as the settings store it
    void setColor(int color);

    QSize sizeHint() const override { return {48, 22}; }

public slots:
    // Opens the colour picker; a picked colour becomes the panel's.
    void pick();

signals:
    void colorChanged(int color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int color_ = 0;
};

// Rows of texts under fixed column headings (the user table, the schedule table).
class TextRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TextRowsModel(QStringList headings, QObject* parent = nullptr);

    void setRows(std::vector<QStringList> rows);
    const std::vector<QStringList>& rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList headings_;
    std::vector<QStringList> rows_;
};

// A read-only table view of a TextRowsModel: whole rows are selected, one at a time.
QTreeView* makeTable(TextRowsModel* model, const QString& accessibleName, QWidget* parent);
// The selected row of such a table, -1 when none.
int selectedRow(const QTreeView* table);

// A chosen path into its field and the field's hint.
void setPathField(QLineEdit* field, const QString& path);

// The open dialog for a file field, in the folder of the field's file (dialogFolder()): a chosen path
// that CP932 can hold goes into the field. False when cancelled or refused.
bool chooseFileInto(QWidget* parent, QLineEdit* field, const QString& caption,
                    const QString& filter, const TUserSettings& s);

// Text of a field for the model; nullopt after telling the learner that CP932 cannot
// hold it.
std::optional<std::string> fieldText(QWidget* parent, const QLineEdit* field);

// Shows a list's text in a stored colour (the font lists of the "フォント" tab).
void setListTextColor(QWidget* list, int color);

// Controls with their caption and object name.
QCheckBox* checkBox(const QString& caption, const QString& name, QWidget* parent);
QPushButton* button(const QString& caption, const QString& name, QWidget* parent);

} // namespace qor
