#pragma once
// The windows that the main window's commands open. Each command has at most one
// factory, registered in registerMainWindows() (MainWindows.cpp), which the command
// then uses to open its window. A command without a factory, or whose factory throws,
// reports its failure message instead.

#include <QDialog>
#include <functional>
#include <map>
#include <memory>

namespace qor {

class TfrmMain;

enum class MainCommand {
    Setup,         // TfrmSetup, lives for the whole run
    QuestionSetup, // TfrmQuestionSetup, lives for the whole run
    MakeDic,       // TfrmMakeDic on its word tab
    MakePron,      // TfrmMakeDic on its sign tab
    EditDic,       // TfrmEditDic
    Import,        // TfrmImport
    PrintDic,      // TfrmPrintDic
    MakeTest,      // TfrmMakeTest
    ShowError,     // TfrmShowError
    ShowPercent,   // TfrmShowPercent
    ShowGraph,     // TfrmShowGraph
    ShowErrorNum,  // TfrmShowErrorNum
    ShowHistory,   // TfrmShowHistory
    Find,          // TfrmFind
    NewText,       // TfrmNewText
    EditVocBook,   // TfrmEditVocBook
    About,         // TfrmAbout
};

class WindowOpeners {
public:
    // Creates the window; the main window is its parent and the source of its inputs.
    using Factory = std::function<std::unique_ptr<QDialog>(TfrmMain& main)>;
    // Runs after the modal window closed, with its result (to take its outputs).
    using AfterClose = std::function<void(TfrmMain& main, QDialog& window, int result)>;

    void add(MainCommand command, Factory factory, AfterClose afterClose = {});
    void remove(MainCommand command);
    bool has(MainCommand command) const;

    // nullptr when the command has no factory; throws what the factory throws.
    std::unique_ptr<QDialog> create(MainCommand command, TfrmMain& main) const;
    void afterClose(MainCommand command, TfrmMain& main, QDialog& window, int result) const;

private:
    struct Entry {
        Factory factory;
        AfterClose afterClose;
    };
    std::map<MainCommand, Entry> entries_;
};

// Registers every window that exists so far.
void registerMainWindows(WindowOpeners& openers);

} // namespace qor
