#include "records/WindowParts.h"

#include "base/TextFile.h"
#include "records/PercentList.h"
#include "ui/DialogFrame.h"
#include "ui/Panels.h"
#include "ui/Text.h"
#include "words/DictionaryPicker.h"

#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace qor {

namespace {

class FirstShow : public QObject {
public:
    FirstShow(QWidget* window, std::function<void()> formShow)
        : QObject(window), formShow_(std::move(formShow)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (!done_ && event->type() == QEvent::Show && !event->spontaneous()) {
            done_ = true;
            formShow_();
        }
        return false;
    }

private:
    std::function<void()> formShow_;
    bool done_ = false;
};

} // namespace

void layOutToolWindow(QDialog* window, const QString& bannerText, QLayout* body, bool fixedSize) {
    body->setContentsMargins(10, 8, 10, 10);
    ui::layOutUnderHeading(window, ui::banner(bannerText, window), body, nullptr,
                           fixedSize ? ui::WindowSize::Fixed : ui::WindowSize::Resizable);
    if (fixedSize) ui::setDialogFrame(window);
}

void onFirstShow(QWidget* window, std::function<void()> formShow) {
    window->installEventFilter(new FirstShow(window, std::move(formShow)));
}

DictionaryPicker* dictionaryCombo(DictionarySource& source, QWidget* parent, QLabel** label) {
    auto* combo = new DictionaryPicker(source, parent);
    combo->setMinimumContentsLength(18);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    *label = new QLabel(QStringLiteral("辞書の指定 ： "), parent);
    (*label)->setBuddy(combo);
    combo->setAccessibleName(QStringLiteral("辞書の指定"));
    return combo;
}

QGroupBox* dataChoiceGroup(QWidget* parent, DictionarySource& source, DictionaryPicker** dicFile,
                           QComboBox** year) {
    auto* group = new QGroupBox(QStringLiteral("表示させるデータの指定"), parent);
    QLabel* dicLabel = nullptr;
    *dicFile = dictionaryCombo(source, group, &dicLabel);
    *year = new QComboBox(group);
    (*year)->setObjectName(QStringLiteral("cboYear"));
    (*year)->setAccessibleName(QStringLiteral("年の指定"));
    auto* yearLabel = new QLabel(QStringLiteral("年の指定 ： "), group);
    yearLabel->setBuddy(*year);
    auto* grid = new QGridLayout(group);
    grid->addWidget(dicLabel, 0, 0, Qt::AlignRight);
    grid->addWidget(*dicFile, 0, 1);
    grid->addWidget(yearLabel, 1, 0, Qt::AlignRight);
    grid->addWidget(*year, 1, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    return group;
}

void fillYearCombo(QComboBox* combo, int currentYear) {
    combo->clear();
    for (int year : statisticsYears(currentYear))
        combo->addItem(QString::number(year));
    combo->setCurrentIndex(combo->count() - 1);
}

} // namespace qor
