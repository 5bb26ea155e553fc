#include "app/MainStatusBar.h"

#include "ui/ElidedLabel.h"

#include <QFontMetrics>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <algorithm>
#include <cmath>

namespace qor {

MainStatusBar::MainStatusBar(QMainWindow& window, QMenu* popup) {
    bar_ = new QStatusBar(&window);
    bar_->setObjectName(QStringLiteral("sbInfo"));
    window.setStatusBar(bar_);
    // Widths as the window was laid out for, in the program's font: the texts they were
    // made for fit whatever font the desktop gives; a longer dictionary path or plan text
    // is shortened in its middle and shown whole as the panel's tooltip.
    for (int i = 0; i < 4; ++i) {
        auto* panel = new ui::ElidedLabel(bar_, i == 0 ? Qt::ElideMiddle : Qt::ElideRight);
        panel->setObjectName(QStringLiteral("sbInfoPanel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setAlignment(i == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        panel->setIndent(i == 0 ? 3 : 0);
        if (i == 1 || i == 2) {
            panel->setFixedWidth(panelWidth(i));
            panel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        } else {
            // Panel 0 asks for its share, panel 3 for the rest; both give way to a
            // narrower window.
            panel->setPreferredWidth(panelWidth(i));
            panel->setMinimumWidth(i == 3 ? panelWidth(i) : 0);
            // The dictionary's name is shown whole where the window has room for it,
            // taking it from the countdown's panel.
            panel->setAsksForWholeText(i == 0);
            panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        }
        bar_->addWidget(panel, i == 3 ? 1 : 0);
        panels_[i] = panel;
    }
    due_ = new QLabel(bar_);
    due_->setObjectName(QStringLiteral("sbDuePanel"));
    due_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    due_->setAlignment(Qt::AlignCenter);
    due_->setMargin(2);
    due_->setAccessibleName(QStringLiteral("今日復習する単語の数"));
    due_->setToolTip(QStringLiteral("使用中の辞書で、今日復習する単語の数"));
    due_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    bar_->addPermanentWidget(due_);
    // No size grip (the window frame resizes the window): its room goes to the panels, and
    // a small margin keeps the last panel's frame off the window's edge.
    bar_->setSizeGripEnabled(false);
    bar_->setContentsMargins(0, 0, 2, 0);
    bar_->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(bar_, &QWidget::customContextMenuRequested, bar_,
                     [this, popup](const QPoint& pos) { popup->popup(bar_->mapToGlobal(pos)); });
}

void MainStatusBar::fitWidth(int windowWidth) {
    // Panel 0 takes what the other panels leave (440 pixels in the layout's own font).
    // The due panel takes its room from the countdown's, which stretches.
    const int reserve = panelWidth(1) + panelWidth(2) + panelWidth(3) +
                        static_cast<int>(std::lround(130 * fontScale()));
    static_cast<ui::ElidedLabel*>(panels_[0])->setPreferredWidth(std::max(0, windowWidth - reserve));
}

double MainStatusBar::fontScale() const {
    // The layout was made for full-width characters 12 pixels wide.
    const QFontMetrics fm(bar_->font());
    return std::max(1.0, fm.horizontalAdvance(QChar(0x3042)) / 12.0);
}

int MainStatusBar::panelWidth(int index) const {
    static constexpr int kLayoutWidths[4] = {190, 160, 100, 50};
    const QFontMetrics fm(bar_->font());
    int width = static_cast<int>(std::lround(kLayoutWidths[index] * fontScale()));
    // The drill's panels hold their longest texts whole.
    if (index == 1)
        width = std::max(width, fm.horizontalAdvance(QStringLiteral("\"英数字\"と\"漢字\"で解答")) + 12);
    if (index == 2)
        width = std::max(width, fm.horizontalAdvance(QStringLiteral("今月 ： 100％")) + 12);
    return width;
}

} // namespace qor
