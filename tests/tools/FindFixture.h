#pragma once
// The word search windows on real files: the user "Taro" of a fresh data root, the four
// default dictionaries below its dictionary/ folder, the main window's dictionary in use
// (verb.txt), a sign file and the scripted platform.

#include "tests/records/WindowFixture.h"

#include <QAbstractButton>
#include <QDialog>
#include <QWidget>

namespace qor::test {

class FindFixture : public WindowFixture {
protected:
    std::string dic;    // the main window's dictionary: <root>/dictionary/verb.txt
    std::string signs;  // the sign file

    FindFixture() {
        makeFolder(dir.file("dictionary"));
        dic = dir.file("dictionary/verb.txt");
        spit(dic, crlf({sj("run=走る*よく使う"), sj("rerun=再放送する*テレビ"),
                        sj("run out=尽きる*run とは別"), sj("see=見る*目で")}));
        spit(dir.file("dictionary/noun.txt"), crlf({sj("apple=りんご*果物")}));
        signs = settings.files.PhoneticSignFile;
        spit(signs, crlf({"run=rVn", "see=si:"}));
        settings.files.DicInUse = dic;
    }

    template <class T>
    static T* child(QWidget& window, const char* name) {
        T* w = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_TRUE(w) << name;
        return w;
    }
    static void click(QWidget& window, const char* name) {
        if (auto* b = child<QAbstractButton>(window, name))
            b->click();
    }
};

} // namespace qor::test
