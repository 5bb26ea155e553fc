#pragma once
// What frames the dictionary editor and the vocabulary book editor: the banner across the
// top, the body with the editors' margins, and the status line (sbStatus) along the bottom,
// which names the file being edited and the step a long load or save is at.

#include "tools/EntryRows.h"
#include "ui/Panels.h"

#include <QString>
#include <string>

class QLabel;
class QStatusBar;
class QVBoxLayout;
class QWidget;

namespace qor {

class EditorFrame {
public:
    // Creates the status line; a resizable window's has a size grip.
    EditorFrame(QWidget* window, ui::WindowSize size);
    EditorFrame(const EditorFrame&) = delete;
    EditorFrame& operator=(const EditorFrame&) = delete;

    // The parts of the window go here, one below the other, before layOut.
    QVBoxLayout* body() const { return body_; }
    // The banner saying `what` above the body, the status line below it.
    void layOut(const QString& what);

    QString status() const;
    // Shown at once: the steps of a long load or save show while they run.
    void showStatus(const QString& text);
    // " >> " and the path of the file being edited.
    void showPath(const std::string& path);

private:
    QWidget* window_;
    ui::WindowSize size_;
    QStatusBar* bar_;
    QLabel* text_;
    QVBoxLayout* body_;
};

// "CSV形式で保存": the rows appended as CSV lines to a file the learner chooses (asked
// with the separator, the dialog opening in `folder`), "保存しました" or the failure box,
// and the path of the file being edited back on the status line.
void saveRowsAsCsv(QWidget* window, const EntryRows& rows, const QString& folder,
                   EditorFrame& frame, const std::string& editedPath);

} // namespace qor
