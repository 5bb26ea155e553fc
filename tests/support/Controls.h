#pragma once
// A control of a window by its object name, as a screen reader or UI automation finds it.

#include <QObject>
#include <QString>
#include <gtest/gtest.h>

namespace qor {

// The test fails when the window has no such control of that type.
template <class T>
T* ctl(const QObject& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        ADD_FAILURE() << "no control named " << name;
    return found;
}

} // namespace qor
