#include "print/LinesView.h"

#include "ui/Printing.h"
#include "ui/ShownText.h"
#include "ui/Text.h"

#include <QAbstractListModel>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextLayout>

#include <algorithm>
#include <numeric>

namespace qor {

// The lines as bytes; each becomes text only when it is shown.
class LinesModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void setLines(std::vector<std::string> lines) {
        beginResetModel();
        lines_ = std::move(lines);
        endResetModel();
    }
    const std::vector<std::string>& lines() const { return lines_; }
    QString shown(int row) const {
        return ui::shownText(ui::toQ(lines_[static_cast<std::size_t>(row)]));
    }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(lines_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
            return {};
        return shown(index.row());
    }

private:
    std::vector<std::string> lines_;
};

namespace {

void layOut(QTextLayout& layout, const QTextOption& option) {
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid())
        line.setLineWidth(1e6);
    layout.endLayout();
}

// Draws a line with the box's tab stops: the item views' own text drawing knows only
// evenly spaced tabs.
class TabbedLineDelegate : public QStyledItemDelegate {
public:
    explicit TabbedLineDelegate(LinesView* view) : QStyledItemDelegate(view), view_(view) {}

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return view_->lineSize();
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem panel = option;
        initStyleOption(&panel, index);
        panel.text.clear();
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &panel, painter, widget);

        QTextLayout layout(index.data(Qt::DisplayRole).toString(), option.font, painter->device());
        layOut(layout, view_->textOption());
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const QPalette::ColorGroup group = option.state.testFlag(QStyle::State_Active)
                                               ? QPalette::Active : QPalette::Inactive;
        painter->save();
        painter->setPen(option.palette.color(group, selected ? QPalette::HighlightedText
                                                             : QPalette::Text));
        layout.draw(painter, QPointF(option.rect.left() + kMargin, option.rect.top()));
        painter->restore();
    }

    static constexpr int kMargin = 4;

private:
    LinesView* view_;
};

} // namespace

LinesView::LinesView(const QString& accessibleName, const QFont& font, QWidget* parent)
    : QListView(parent), model_(new LinesModel(this)) {
    setObjectName(QStringLiteral("moData"));
    setAccessibleName(accessibleName);
    setModel(model_);
    setItemDelegate(new TabbedLineDelegate(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The window takes dropped files.
    setAcceptDrops(false);
    setFont(font);

    auto* copy = new QAction(QStringLiteral("コピー (&C)"), this);
    copy->setObjectName(QStringLiteral("actCopyLines"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &LinesView::copySelection);
    addAction(copy);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    measure();
}

LinesView::~LinesView() = default;

void LinesView::showLines(const std::vector<std::string>& lines,
                          const std::vector<double>& tabStops, const std::vector<int>& groups) {
    tabStops_ = tabStops;
    groups_ = groups;
    document_.reset();
    model_->setLines(lines);
    measure();
}

void LinesView::clear() {
    showLines({}, {}, {});
}

int LinesView::lineCount() const {
    return model_->rowCount({});
}

QString LinesView::lineText(int line) const {
    return model_->shown(line);
}

QString LinesView::text() const {
    QStringList all;
    all.reserve(lineCount());
    for (int i = 0; i < lineCount(); ++i)
        all << lineText(i);
    return all.join(QLatin1Char('\n'));
}

QTextOption LinesView::textOption() const {
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabs(ui::tabPositions(tabStops_));
    return option;
}

double LinesView::characterX(int line, int position) const {
    QTextLayout layout(lineText(line), font(), viewport());
    layOut(layout, textOption());
    return layout.lineAt(0).cursorToX(position) + TabbedLineDelegate::kMargin;
}

const QTextDocument& LinesView::document() {
    if (!document_) {
        document_ = std::make_unique<QTextDocument>();
        document_->setDefaultFont(font());
        QStringList shown;
        shown.reserve(lineCount());
        for (int i = 0; i < lineCount(); ++i)
            shown << lineText(i);
        ui::setPlainLines(*document_, shown, tabStops_, groups_);
    }
    return *document_;
}

void LinesView::measure() {
    // Shift-JIS bytes follow the width a line takes (a full-width character is two bytes),
    // so only the longest lines are laid out to find the widest.
    const std::vector<std::string>& lines = model_->lines();
    std::vector<int> rows(lines.size());
    std::iota(rows.begin(), rows.end(), 0);
    const auto longest = static_cast<std::ptrdiff_t>(std::min<std::size_t>(rows.size(), 50));
    std::partial_sort(rows.begin(), rows.begin() + longest, rows.end(), [&lines](int a, int b) {
        return lines[static_cast<std::size_t>(a)].size() > lines[static_cast<std::size_t>(b)].size();
    });
    double widest = 0;
    for (std::ptrdiff_t i = 0; i < longest; ++i) {
        QTextLayout layout(lineText(rows[static_cast<std::size_t>(i)]), font(), viewport());
        layOut(layout, textOption());
        widest = std::max(widest, layout.lineAt(0).naturalTextWidth());
    }
    const QFontMetrics metrics(font(), viewport());
    lineSize_ = QSize(static_cast<int>(widest) + 2 * TabbedLineDelegate::kMargin + 1,
                      metrics.lineSpacing());
    // The view keeps its first item's size while items are uniform: lay them out again.
    scheduleDelayedItemsLayout();
}

void LinesView::changeEvent(QEvent* event) {
    QListView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        document_.reset();
        measure();
    }
}

void LinesView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copySelection();
        return;
    }
    QListView::keyPressEvent(event);
}

void LinesView::copySelection() const {
    QModelIndexList chosen = selectionModel()->selectedRows();
    std::sort(chosen.begin(), chosen.end());
    QStringList text;
    for (const QModelIndex& index : chosen)
        text << lineText(index.row());
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text.join(QLatin1Char('\n')));
}

} // namespace qor
