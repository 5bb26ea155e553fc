// The windows that the main window's commands open. A window of a later part joins by
// one line here: openers.add(MainCommand::..., [](TfrmMain& m) { return ...; });

#include "app/TfrmAbout.h"
#include "app/TfrmMain.h"
#include "app/WindowOpeners.h"

namespace qor {

void registerMainWindows(WindowOpeners& openers) {
    openers.add(MainCommand::About,
                [](TfrmMain& main) { return std::make_unique<TfrmAbout>(main.settings(), &main); });
}

} // namespace qor
