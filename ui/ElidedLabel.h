#pragma once
// A one-line label that never widens its window: a text longer than the label is shown
// with its middle left out ("/home/taro/…/noun.txt"), and the whole text is its tooltip.

#include <QLabel>

namespace ui {

class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr, Qt::TextElideMode mode = Qt::ElideMiddle);

    // The text as drawn (elided to the label's width), and whether part of it is left out.
    QString shownText() const;
    bool elided() const { return shownText() != text(); }
    // The width the label asks for (its text's width until set); it shrinks below it, to
    // nothing, rather than keep its window from getting narrower.
    void setPreferredWidth(int width);
    // Asks for its whole text's width when that is wider than the preferred width: a
    // layout then shortens it only when there is no room for it beside its neighbours.
    void setAsksForWholeText(bool asks);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    Qt::TextElideMode mode_;
    int preferredWidth_ = -1;
    bool asksForWholeText_ = false;
};

} // namespace ui
