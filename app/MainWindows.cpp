// The windows that the main window's commands open, one line each:
// openers.add(MainCommand::..., [](TfrmMain& m) { return ...; }). A command without a
// line here reports that its window cannot be shown.

#include "app/TfrmAbout.h"
#include "app/TfrmMain.h"
#include "app/WindowOpeners.h"
#include "quiz/TfrmQuestionSetup.h"
#include "tools/TfrmFind.h"

namespace qor {

void registerMainWindows(WindowOpeners& openers) {
    openers.add(MainCommand::About,
                [](TfrmMain& main) { return std::make_unique<TfrmAbout>(main.settings(), &main); });
    openers.add(MainCommand::QuestionSetup, [](TfrmMain& main) {
        return std::make_unique<TfrmQuestionSetup>(main.drill(), main.settings(),
                                                   main.questionSetupHost(), &main);
    });
    openers.add(MainCommand::Find,
                [](TfrmMain& main) { return std::make_unique<TfrmFind>(main.settings(), &main); });
}

} // namespace qor
