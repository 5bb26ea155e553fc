#pragma once
// The box that shows the lines the printing windows print: plain CP932 lines with tab
// stops, read-only, no wrapping, both scroll bars. Only the lines on the screen are laid
// out, so a listing of 200,000 lines shows at once; the document that is printed is built
// when it is asked for. Selected lines are copied with Ctrl+C (or the context menu).

#include <QListView>
#include <QTextDocument>

#include <memory>
#include <string>
#include <vector>

namespace qor {

class LinesModel;

class LinesView : public QListView {
    Q_OBJECT
public:
    LinesView(const QString& accessibleName, const QFont& font, QWidget* parent);
    ~LinesView() override;

    // Shows the lines with tab stops in points; the lines of a group (see
    // ui::setPlainLines) are printed on one page.
    void showLines(const std::vector<std::string>& lines, const std::vector<double>& tabStops,
                   const std::vector<int>& groups = {});
    void clear();

    int lineCount() const;
    // A line as the box shows it (a line longer than any real entry is cut, on the
    // screen and on paper alike).
    QString lineText(int line) const;
    // Every line as shown, one per text line.
    QString text() const;
    const std::vector<double>& tabStops() const { return tabStops_; }
    // Where the character at `position` of `line` starts, in the box's pixels from the
    // line's left edge.
    double characterX(int line, int position) const;

    // The document to print: the lines, their tab stops and groups, in the box's font.
    const QTextDocument& document();

    // The widest line's width in pixels and one line's height, for the item delegate.
    QSize lineSize() const { return lineSize_; }
    QTextOption textOption() const;

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void copySelection() const;
    void measure();

    LinesModel* model_;
    std::vector<double> tabStops_;
    std::vector<int> groups_;
    QSize lineSize_;
    std::unique_ptr<QTextDocument> document_;
};

} // namespace qor
