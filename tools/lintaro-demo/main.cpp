// lintaro-demo [--line N]: hosts the Lintaro control on the simulated
// exchange of the telephony configuration, initialises it, opens line N (0)
// and lists every event the control raises, in the window and on standard
// output. `phonesim ring 0301234567 "Max Mustermann"` from another terminal
// makes a call arrive.
#include "control/line/Lintaro.h"
#include "control/line/LintaroDevices.h"
#include "control/line/LintaroEventMonitor.h"
#include "platform/tapi/sim/PhonesimServer.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QListWidget>
#include <QMainWindow>
#include <QStatusBar>
#include <QTime>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void print(const QString& text)
{
    const QByteArray line = (text + u'\n').toLocal8Bit();
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"lintaro-demo"_s);

    QCommandLineParser parser;
    parser.setApplicationDescription(u"Hosts the Lintaro control and lists its events."_s);
    parser.addHelpOption();
    parser.addOption({u"line"_s, u"The line device to open (default 0)."_s, u"N"_s, u"0"_s});
    parser.process(app);
    bool lineOk = false;
    const int line = parser.value(u"line"_s).toInt(&lineOk);
    if (!lineOk || line < 0) {
        print(u"lintaro-demo: --line needs a line number from 0 up, not '%1'"_s.arg(
            parser.value(u"line"_s)));
        return 2;
    }

    QString error;
    const auto devices = LintaroDevices::create(QString(), &error);
    if (!devices->hasProvider() || !devices->simExchange()) {
        print(u"lintaro-demo: no simulated exchange: "_s + error);
        return 1;
    }
    platform::tapi::sim::PhonesimServer phonesim(*devices->simExchange());
    if (!phonesim.listen(&error)) {
        print(u"lintaro-demo: phonesim not available: "_s + error);
        return 1;
    }

    QMainWindow window;
    window.setWindowTitle(u"Lintaro"_s);
    auto* list = new QListWidget(&window);
    window.setCentralWidget(list);
    window.resize(720, 420);
    auto* control = new Lintaro(devices->telephony(), devices->wave(), {}, &window);
    window.statusBar()->addPermanentWidget(control);

    LintaroEventMonitor monitor(control);
    QObject::connect(&monitor, &LintaroEventMonitor::eventRaised, list,
                     [list](const QString& event, const QVariantList& arguments) {
                         const QString text = LintaroEventMonitor::describe(event, arguments);
                         list->addItem(QTime::currentTime().toString(u"HH:mm:ss"_s) + u"  "_s +
                                       text);
                         list->scrollToBottom();
                         print(text);
                     });

    print(u"phonesim: "_s + phonesim.socketPath());
    control->TapiLineInit();
    control->setDeviceId(line);
    control->TapiLineOpen();
    window.statusBar()->showMessage(control->DeviceName());
    window.show();

    const int code = app.exec();
    control->TapiLineClose();
    control->TapiLineShutdown();
    control->shutdownControl();
    return code;
}
