// The windows that the main window's commands open, one line each:
// openers.add(MainCommand::..., [](TfrmMain& m) { return ...; }). A command without a
// line here reports that its window cannot be shown.

#include "app/MainSetupHost.h"
#include "app/TfrmAbout.h"
#include "app/TfrmMain.h"
#include "app/WindowOpeners.h"
#include "base/TextFile.h"
#include "print/TfrmMakeTest.h"
#include "print/TfrmPrintDic.h"
#include "quiz/Drill.h"
#include "quiz/DrillHistoryList.h"
#include "quiz/TfrmQuestionSetup.h"
#include "records/TfrmShowErrorNum.h"
#include "records/TfrmShowGraph.h"
#include "records/TfrmShowHistory.h"
#include "records/TfrmShowPercent.h"
#include "settings/TfrmSetup.h"
#include "settings/UserFiles.h"
#include "sound/MusicGroup.h"
#include "tools/TfrmEditDic.h"
#include "tools/TfrmEditVocBook.h"
#include "tools/TfrmFind.h"
#include "tools/TfrmImport.h"
#include "tools/TfrmMakeDic.h"
#include "tools/TfrmNewText.h"
#include "tools/ToolDialogs.h"

#include <QLayout>

namespace qor {

namespace {

std::unique_ptr<QDialog> makeDictionaryWindow(TfrmMain& main, TfrmMakeDic::Tab tab) {
    TUserSettings& s = main.settings();
    return std::make_unique<TfrmMakeDic>(UserFiles(s), s.files, s.look, s.dicTypes, tab, &main);
}

} // namespace

void registerMainWindows(WindowOpeners& openers) {
    openers.add(MainCommand::About, [](TfrmMain& main) {
        return std::make_unique<TfrmAbout>(UserFiles(main.settings()), &main);
    });
    openers.add(MainCommand::QuestionSetup, [](TfrmMain& main) {
        TUserSettings& s = main.settings();
        return std::make_unique<TfrmQuestionSetup>(main.drill(), currentUserFiles(s), s.files,
                                                   s.drill, s.dicTypes, main.questionSetupHost(),
                                                   &main);
    });
    // The maker may make a default dictionary the one in use; the toolbar follows.
    auto showDictionary = [](TfrmMain& main, QDialog&, int) {
        main.showDictionaryInUse(fileNameOf(main.settings().files.DicInUse));
    };
    openers.add(
        MainCommand::MakeDic,
        [](TfrmMain& m) { return makeDictionaryWindow(m, TfrmMakeDic::Tab::Words); },
        showDictionary);
    openers.add(
        MainCommand::MakePron,
        [](TfrmMain& m) { return makeDictionaryWindow(m, TfrmMakeDic::Tab::Signs); },
        showDictionary);
    openers.add(
        MainCommand::EditDic,
        [](TfrmMain& m) {
            return std::make_unique<TfrmEditDic>(UserFiles(m.settings()), m.settings().files,
                                                 m.settings().look, m.settings().files.DicInUse,
                                                 &m);
        },
        showDictionary);
    openers.add(
        MainCommand::Import,
        [](TfrmMain& m) {
            return std::make_unique<TfrmImport>(UserFiles(m.settings()), m.settings().files, &m);
        },
        showDictionary);
    openers.add(MainCommand::NewText, [](TfrmMain& m) {
        return std::make_unique<TfrmNewText>(
            dialogFolder(m.settings()),
            QString::fromStdString(nativePath(m.settings().ProgramFolder + "dictionary")), &m);
    });
    openers.add(MainCommand::EditVocBook, [](TfrmMain& m) {
        return std::make_unique<TfrmEditVocBook>(UserFiles(m.settings()), m.settings().files,
                                                 m.settings().look, &m);
    });
    openers.add(MainCommand::Setup, [](TfrmMain& main) {
        auto setup = std::make_unique<TfrmSetup>(main.settings(),
                                                 std::make_unique<MainSetupHost>(main),
                                                 main.settingsNotifier(), &main);
        // The music controls play on the main window's players.
        QWidget* slot = setup->musicGroupSlot();
        slot->layout()->addWidget(
            new MusicGroup(main.music(), currentUserFiles(main.settings()), slot));
        return setup;
    });
    openers.add(MainCommand::Find, [](TfrmMain& main) {
        const TUserSettings& s = main.settings();
        return std::make_unique<TfrmFind>(UserFiles(s), s.sound, s.files, s.look, s.dicTypes,
                                          &main);
    });
    openers.add(MainCommand::MakeTest, [](TfrmMain& main) {
        const TUserSettings& s = main.settings();
        return std::make_unique<TfrmMakeTest>(UserFiles(s), s.files, s.UserName,
                                              main.drill().lastDrill(), main.drill().history(),
                                              &main);
    });
    openers.add(MainCommand::PrintDic, [](TfrmMain& main) {
        return std::make_unique<TfrmPrintDic>(
            UserFiles(main.settings()), main.settings().files,
            [&main] { main.cmdEditVocBookClick(); }, &main);
    });
    openers.add(MainCommand::ShowPercent, [](TfrmMain& m) {
        return std::make_unique<TfrmShowPercent>(UserFiles(m.settings()), m.settings().files, &m);
    });
    openers.add(MainCommand::ShowErrorNum, [](TfrmMain& m) {
        return std::make_unique<TfrmShowErrorNum>(UserFiles(m.settings()), m.settings().files,
                                                  m.settings().look, &m);
    });
    openers.add(MainCommand::ShowGraph, [](TfrmMain& m) {
        return std::make_unique<TfrmShowGraph>(UserFiles(m.settings()), m.settings().files,
                                               m.drill().recentSlot(), &m);
    });
    openers.add(MainCommand::ShowHistory, [](TfrmMain& m) {
        return std::make_unique<TfrmShowHistory>(listedDrills(m.drill().history()),
                                                 UserFiles(m.settings()), m.settings().files, &m);
    });
}

} // namespace qor
