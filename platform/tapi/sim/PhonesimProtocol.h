#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// What `phonesim` and the program that hosts the simulated exchange say to
// each other over a local socket: one request line (a JSON array of the
// command's words) and one reply line ({"ok": bool, "text": string}).
namespace platform::tapi::sim {

// $XDG_RUNTIME_DIR/lintaro-phonesim
QString phonesimSocketPath();

struct PhonesimCommandInfo {
    QString name;
    QString usage;       // arguments after the name
    QString description; // one line
};

// Every command, in the order `phonesim --help` lists them.
const QVector<PhonesimCommandInfo>& phonesimCommands();
bool isPhonesimCommand(const QString& name);
// The whole help text of the tool.
QString phonesimHelp();

QByteArray encodePhonesimRequest(const QStringList& words);
bool decodePhonesimRequest(const QByteArray& line, QStringList* words);
QByteArray encodePhonesimReply(bool ok, const QString& text);
bool decodePhonesimReply(const QByteArray& line, bool* ok, QString* text);

} // namespace platform::tapi::sim
