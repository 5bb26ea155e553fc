// Vexa: Qor Helper's companion. It listens for the program's commands, shows a short
// animation for each "ANI;n" and speaks each "VEXA;" text in English.
//
//   vexa [--settings FILE] [--channel NAME] [--owner PID] [--home DIR]
//
// FILE: where it places itself (the program passes <data root>/vexa/Setup.ini);
// NAME: the local socket it listens on (the program passes its own);
// PID: the program that started it (the program passes its own): it ends when that
// program is gone, and a program started later knows it for one left behind.
//
// It ends with 0 when a companion of this user listens there already, and with a message
// and a failure status when it cannot listen, for instance because another user's
// program holds the channel.

#include "base/DataRoot.h"
#include "base/TextFile.h"
#include "services/CompanionLink.h"
#include "sound/CompanionSettings.h"
#include "ui/CloseOnSignal.h"
#include "vexa/CommandServer.h"
#include "vexa/Speech.h"
#include "vexa/TfrmVexa.h"

#include <QApplication>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vexa"));

    std::vector<std::string> args;
    for (const QString& a : QApplication::arguments().mid(1)) args.push_back(a.toStdString());
    std::string settings;
    QString channel;
    long long owner = 0;
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == "--settings") settings = args[i + 1];
        if (args[i] == "--channel") channel = QString::fromStdString(args[i + 1]);
        if (args[i] == "--owner") owner = std::atoll(args[i + 1].c_str());
    }
    if (channel.isEmpty()) {
        ui::CompanionChannelPlace place = ui::companionChannel();
        if (place.name.isEmpty()) {
            std::fprintf(stderr, "vexa: no safe place for the channel: %s\n",
                         qPrintable(place.problem));
            return 1;
        }
        channel = place.name;
    }
    if (settings.empty())
        settings = qor::companionSettingsPath(
            qor::chooseDataRoot(args, qor::Environment::current()) + "/");
    // The settings file's name as the model's files take it.
    std::string modelSettings = qor::modelPath(settings).value_or(std::string());

    vexa::CommandServer server;
    switch (server.listen(channel)) {
    case vexa::CommandServer::Start::Listening:
        break;
    case vexa::CommandServer::Start::AnotherIsListening:
        std::fprintf(stderr, "vexa: a companion listens on %s already\n", qPrintable(channel));
        return 0;
    case vexa::CommandServer::Start::TakenByStranger:
        std::fprintf(stderr,
                     "vexa: another user's program listens on %s; commands there would not "
                     "come from Qor Helper\n",
                     qPrintable(channel));
        return 2;
    case vexa::CommandServer::Start::Failed:
        std::fprintf(stderr, "vexa: cannot listen on %s: %s\n", qPrintable(channel),
                     qPrintable(server.errorString()));
        return 1;
    }

    vexa::Speech speech;
    if (!speech.ready()) std::fprintf(stderr, "vexa: no speech: %s\n", speech.error().c_str());
    vexa::SpeechOutput output;
    vexa::TfrmVexa window(speech, output);
    window.placeFrom(modelSettings);
    QObject::connect(&server, &vexa::CommandServer::commandReceived, &window,
                     &vexa::TfrmVexa::command);
    // A tool window does not end the program by closing; the companion ends with it.
    QObject::connect(&window, &vexa::TfrmVexa::closed, &app, &QApplication::quit);
    // Deaf for good: it ends, so that the program sees it gone and can start another.
    QObject::connect(&server, &vexa::CommandServer::channelLost, &app, [](const QString& why) {
        std::fprintf(stderr, "vexa: %s\n", qPrintable(why));
        QApplication::exit(2);
    });
    // The program that started it gone (killed, so that it could not ask): it goes too.
    QTimer ownerCheck;
    if (owner > 0) {
        QObject::connect(&ownerCheck, &QTimer::timeout, &window, [&window, owner] {
            if (::kill(static_cast<pid_t>(owner), 0) != 0 && errno == ESRCH) window.close();
        });
        ownerCheck.start(1000);
    }
    qor::CloseOnSignal closeOnSignal(window);
    window.show();
    return app.exec();
}
