// The windows that the main window's commands open, one line each:
// openers.add(MainCommand::..., [](TfrmMain& m) { return ...; }). A command without a
// line here reports that its window cannot be shown.

#include "app/TfrmAbout.h"
#include "app/TfrmMain.h"
#include "app/WindowOpeners.h"
#include "quiz/Drill.h"
#include "quiz/DrillHistoryList.h"
#include "quiz/TfrmQuestionSetup.h"
#include "records/TfrmShowErrorNum.h"
#include "records/TfrmShowGraph.h"
#include "records/TfrmShowHistory.h"
#include "records/TfrmShowPercent.h"

namespace qor {

void registerMainWindows(WindowOpeners& openers) {
    openers.add(MainCommand::About,
                [](TfrmMain& main) { return std::make_unique<TfrmAbout>(main.settings(), &main); });
    openers.add(MainCommand::QuestionSetup, [](TfrmMain& main) {
        return std::make_unique<TfrmQuestionSetup>(main.drill(), main.settings(),
                                                   main.questionSetupHost(), &main);
    });
    openers.add(MainCommand::ShowPercent,
                [](TfrmMain& m) { return std::make_unique<TfrmShowPercent>(m.settings(), &m); });
    openers.add(MainCommand::ShowErrorNum,
                [](TfrmMain& m) { return std::make_unique<TfrmShowErrorNum>(m.settings(), &m); });
    openers.add(MainCommand::ShowGraph, [](TfrmMain& m) {
        return std::make_unique<TfrmShowGraph>(m.settings(), m.drill().state().recentSlot, &m);
    });
    openers.add(MainCommand::ShowHistory, [](TfrmMain& m) {
        return std::make_unique<TfrmShowHistory>(listedDrills(m.drill().state().history), m.settings(), &m);
    });
}

} // namespace qor
