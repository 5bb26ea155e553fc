#pragma once
// A group of radio items built from a list of texts, one column; the item index is -1
// when none is chosen. An item that becomes the chosen one emits itemChosen, whatever
// chose it: a click, a key, a screen reader or code (setItemIndex).

#include <QGroupBox>
#include <QPointer>
#include <QStringList>

class QButtonGroup;
class QRadioButton;
class QVBoxLayout;

namespace ui {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit RadioGroup(const QString& title = {}, QWidget* parent = nullptr);

    void setItems(const QStringList& items);
    QStringList items() const;
    int count() const { return static_cast<int>(buttons_.size()); }
    QRadioButton* button(int index) const { return buttons_.at(index); }

    int itemIndex() const;
    // -1 clears the choice.
    void setItemIndex(int index);

    // Installs an event filter on every item, those of later setItems calls included,
    // so that it sees their keys first.
    void setItemEventFilter(QObject* filter);

signals:
    void itemChosen(int index);

private:
    QButtonGroup* group_;
    QVBoxLayout* layout_;
    QList<QRadioButton*> buttons_;
    QPointer<QObject> itemFilter_;
};

} // namespace ui
