#include "ui/RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ui {

RadioGroup::RadioGroup(const QString& title, QWidget* parent) : QGroupBox(title, parent) {
    group_ = new QButtonGroup(this);
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(8, 4, 8, 4);
    layout_->setSpacing(2);
    layout_->addStretch(1);
    connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool chosen) {
        if (chosen) emit itemChosen(id);
    });
}

void RadioGroup::setItems(const QStringList& items) {
    for (QRadioButton* b : buttons_) {
        group_->removeButton(b);
        layout_->removeWidget(b);
        // The items may be replaced by what their own toggled signal set off (a choice that
        // answers brings the next question): the button is still inside setChecked then,
        // so it goes when the event loop is back, out of the group's children at once.
        b->hide();
        b->setParent(nullptr);
        b->deleteLater();
    }
    buttons_.clear();
    for (qsizetype i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], this);
        if (itemFilter_)
            b->installEventFilter(itemFilter_);
        group_->addButton(b, static_cast<int>(i));
        layout_->insertWidget(static_cast<int>(i), b);
        buttons_.append(b);
    }
}

void RadioGroup::setItemEventFilter(QObject* filter) {
    for (QRadioButton* b : buttons_) {
        if (itemFilter_)
            b->removeEventFilter(itemFilter_);
        if (filter)
            b->installEventFilter(filter);
    }
    itemFilter_ = filter;
}

QStringList RadioGroup::items() const {
    QStringList out;
    for (QRadioButton* b : buttons_)
        out << b->text();
    return out;
}

int RadioGroup::itemIndex() const {
    return group_->checkedId();
}

void RadioGroup::setItemIndex(int index) {
    if (index >= 0 && index < count()) {
        buttons_[index]->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; lift that for a moment to clear it.
    group_->setExclusive(false);
    for (QRadioButton* b : buttons_)
        b->setChecked(false);
    group_->setExclusive(true);
}

} // namespace ui
