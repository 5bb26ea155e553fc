#pragma once
// The dictionary tool windows on real files: the records' window fixture (a user "Taro"
// in a fresh data root, default settings, the scripted platform) and ways to reach a
// window's controls by their names.

#include "tests/records/WindowFixture.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QLineEdit>
#include <QStringList>

namespace qor::test {

// The control of that name; a test failure when the window has none.
template <class T> T* child(const QObject& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found) ADD_FAILURE() << "no control " << name;
    return found;
}

// Column c of every row of a list, as shown.
inline QStringList column(const QAbstractItemView* view, int c) {
    QStringList out;
    const QAbstractItemModel* model = view->model();
    for (int r = 0; r < model->rowCount(); ++r)
        out << model->data(model->index(r, c)).toString();
    return out;
}

class ToolWindowFixture : public WindowFixture {
protected:
    // A CP932 file of the given UTF-8 lines, each ended by CR LF; returns its path.
    std::string dictionary(const std::string& name, std::initializer_list<const char*> lines) {
        std::string bytes;
        for (const char* l : lines)
            bytes += sj(l) + "\r\n";
        spit(dir.file(name), bytes);
        return dir.file(name);
    }
    static QString native(const std::string& cp932Path) {
        return QString::fromStdString(nativePath(cp932Path));
    }
};

} // namespace qor::test
