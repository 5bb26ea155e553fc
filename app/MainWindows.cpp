// The windows that the main window's commands open, one line each:
// openers.add(MainCommand::..., [](TfrmMain& m) { return ...; }). A command without a
// line here reports that its window cannot be shown.

#include "app/TfrmAbout.h"
#include "app/TfrmMain.h"
#include "app/WindowOpeners.h"
#include "print/TfrmMakeTest.h"
#include "print/TfrmPrintDic.h"
#include "quiz/Drill.h"
#include "quiz/TfrmQuestionSetup.h"

namespace qor {

void registerMainWindows(WindowOpeners& openers) {
    openers.add(MainCommand::About,
                [](TfrmMain& main) { return std::make_unique<TfrmAbout>(main.settings(), &main); });
    openers.add(MainCommand::QuestionSetup, [](TfrmMain& main) {
        return std::make_unique<TfrmQuestionSetup>(main.drill(), main.settings(),
                                                   main.questionSetupHost(), &main);
    });
    openers.add(MainCommand::MakeTest, [](TfrmMain& main) {
        return std::make_unique<TfrmMakeTest>(main.settings(), main.drill().state(), &main);
    });
    openers.add(MainCommand::PrintDic, [](TfrmMain& main) {
        return std::make_unique<TfrmPrintDic>(
            main.settings(), [&main] { main.cmdEditVocBookClick(); }, &main);
    });
}

} // namespace qor
