// A companion for the program's tests: it listens as vexa does, with vexa's own server,
// and appends each command it receives to the file $QOR_TEST_COMPANION_LOG as a line
// "<its process id> <command>", so that a test sees which companion got what.
//
//   companion_recorder [--settings FILE] --channel NAME

#include "vexa/CommandServer.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QString channel;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i + 1 < args.size(); ++i)
        if (args[i] == QLatin1String("--channel")) channel = args[i + 1];

    vexa::CommandServer server;
    switch (server.listen(channel)) {
    case vexa::CommandServer::Start::Listening:
        break;
    case vexa::CommandServer::Start::AnotherIsListening:
        return 0;
    case vexa::CommandServer::Start::TakenByStranger:
        std::fprintf(stderr, "companion_recorder: another user's program listens there\n");
        return 2;
    case vexa::CommandServer::Start::Failed:
        return 1;
    }
    QFile log(qEnvironmentVariable("QOR_TEST_COMPANION_LOG"));
    if (!log.open(QIODevice::Append)) return 1;
    const QByteArray me = QByteArray::number(QCoreApplication::applicationPid()) + ' ';
    QObject::connect(&server, &vexa::CommandServer::commandReceived, [&](const QByteArray& c) {
        log.write(me + c + '\n');
        log.flush();
    });
    QObject::connect(&server, &vexa::CommandServer::channelLost, &app,
                     [] { QCoreApplication::exit(2); });
    return app.exec();
}
