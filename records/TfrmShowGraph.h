#pragma once
// "正解率のグラフ表示": a line graph of the percentages of the last twelve drills of a
// dictionary, or of the twelve months of a year. Each "表示" adds one line in the next of
// six colours, named in the legend; choosing the graph type starts afresh.

#include "records/StatisticsGraph.h"
#include "settings/DictionaryInUse.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QPushButton;

namespace ui {
class RadioGroup;
}

namespace qor {

class GraphView;

class TfrmShowGraph : public QDialog {
    Q_OBJECT
public:
    // recentSlot: the recent-drills slot of the most recent drill of this run (0: none).
    TfrmShowGraph(UserFiles user, PathSettings files, int recentSlot, QWidget* parent = nullptr);

    const StatisticsGraph& graph() const { return graph_; }

public slots:
    void FormShow();
    void rgGraphTypeClick();
    void cmdViewClick();
    void cmdCloseClick();

private:
    void chooseType(GraphType type);
    void showLegends();

    UserFiles user_;
    PathSettings files_;
    DictionaryBeside dictionaries_{user_, files_};
    int recentSlot_;
    StatisticsGraph graph_;

    DictionaryPicker* cboDicFile;
    QComboBox* cboYear;
    ui::RadioGroup* rgGraphType;
    GraphView* imgGraph;
    std::array<QLabel*, kGraphViews> legendLabels_{};
    QPushButton* cmdView;
    QPushButton* cmdClose;
};

} // namespace qor
