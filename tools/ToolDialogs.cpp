#include "tools/ToolDialogs.h"

#include "base/TextFile.h"
#include "tools/EntryRows.h"
#include "ui/Platform.h"
#include "ui/Text.h"

#include <QHeaderView>
#include <QTreeView>
#include <QWidget>

namespace qor {

namespace {

void showFailure(QWidget* parent, const QString& text, const FileStatus& status) {
    ui::platform().showNotice(parent,
                              text + QStringLiteral("\n\n") + ui::toQ(status.path()) +
                                  QStringLiteral("\n") + QString::fromStdString(status.reason()),
                              QStringLiteral("エラー"), ui::kNoticeWarning);
}

} // namespace

std::optional<CsvTarget> askCsvTarget(QWidget* parent, const QString& folder) {
    std::optional<QString> typed = ui::platform().inputBox(
        parent, QStringLiteral("区切り文字の指定"),
        QStringLiteral("区切りに使用する記号を指定します"), QStringLiteral(","));
    auto separator = ui::fromQOrWarn(parent, typed.value_or(QStringLiteral(",")));
    if (!separator) return std::nullopt;
    QString chosen = ui::platform().saveFileName(parent, QStringLiteral("CSV形式で保存"),
                                                 QStringLiteral("テキストファイル (*.txt)|*.txt"),
                                                 QStringLiteral("txt"), folder,
                                                 ui::SaveMode::Append);
    if (chosen.isEmpty()) return std::nullopt;
    auto path = ui::fromQOrWarn(parent, chosen);
    if (!path) return std::nullopt;
    return CsvTarget{*separator, *path};
}

void showSaveFailure(QWidget* parent, const FileStatus& status) {
    showFailure(parent, QStringLiteral("保存に失敗しました"), status);
}

void tellSaveResult(QWidget* parent, const FileStatus& status) {
    if (status)
        ui::platform().showMessage(parent, QStringLiteral("保存しました"));
    else
        ui::showOpenForSaveFailure(parent, status.path(), status.reason());
}

void exportDictionaryAsCsv(QWidget* parent, const std::string& dictionaryPath,
                           const QString& folder) {
    std::optional<CsvTarget> target = askCsvTarget(parent, folder);
    if (!target) return;
    Lines read = readLines(dictionaryPath);
    if (!read.status) {
        ui::showFileError(parent, read.status.path(), read.status.reason());
        return;
    }
    EntryRows rows;
    rows.assign(std::move(read.lines));
    if (FileStatus status = appendCsv(target->path, rows, target->separator); !status)
        ui::showOpenForSaveFailure(parent, status.path(), status.reason());
}

QTreeView* reportView(QWidget* parent, QAbstractItemModel* model, const QString& accessibleName) {
    auto* view = new QTreeView(parent);
    view->setModel(model);
    view->setAccessibleName(accessibleName);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSortingEnabled(false);
    view->setWordWrap(false);
    view->setTextElideMode(Qt::ElideRight);
    view->header()->setSectionsClickable(false);
    view->header()->setSectionsMovable(false);
    view->header()->setStretchLastSection(true);
    return view;
}

void setJapaneseInput(QWidget* field, bool japanese) {
    field->setAttribute(Qt::WA_InputMethodEnabled, true);
    field->setInputMethodHints(japanese ? Qt::ImhNone
                                        : Qt::ImhPreferLatin | Qt::ImhNoPredictiveText);
}

} // namespace qor
