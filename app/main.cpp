// For now a small window on the simulated line that hosts the Lintaro control:
// it initialises the control, opens line 0 and lists the control's events as
// they arrive. `phonesim ring 0301234567` in another terminal makes a call
// arrive.
#include "control/line/Lintaro.h"
#include "control/line/LintaroDevices.h"
#include "control/line/LintaroEventMonitor.h"
#include "platform/tapi/sim/PhonesimServer.h"

#include <QApplication>
#include <QListWidget>
#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>
#include <QTime>

#include <memory>

using namespace Qt::StringLiterals;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Fonkel"_s);

    QString error;
    const auto devices = LintaroDevices::create(QString(), &error);
    if (!devices->hasProvider()) {
        QMessageBox::critical(nullptr, u"Fonkel"_s, error);
        return 1;
    }

    QMainWindow window;
    window.setWindowTitle(u"Fonkel - Leitung 0"_s);
    auto* list = new QListWidget(&window);
    window.setCentralWidget(list);
    window.resize(640, 400);
    const auto log = [list](const QString& text) {
        list->addItem(QTime::currentTime().toString(u"HH:mm:ss"_s) + u"  "_s + text);
        list->scrollToBottom();
    };

    std::unique_ptr<platform::tapi::sim::PhonesimServer> phonesim;
    if (platform::tapi::sim::SimExchange* exchange = devices->simExchange()) {
        phonesim = std::make_unique<platform::tapi::sim::PhonesimServer>(*exchange);
        if (phonesim->listen(&error))
            log(u"phonesim: "_s + phonesim->socketPath());
        else
            log(u"phonesim nicht verfügbar: "_s + error);
    }

    auto* control = new Lintaro(devices->telephony(), devices->wave(), {}, &window);
    window.statusBar()->addPermanentWidget(control);
    LintaroEventMonitor monitor(control);
    QObject::connect(&monitor, &LintaroEventMonitor::eventRaised, list,
                     [log](const QString& event, const QVariantList& arguments) {
                         log(LintaroEventMonitor::describe(event, arguments));
                     });
    QObject::connect(control, &Lintaro::OnTapiMessage, &window,
                     [&window](const QString& message, const QString& origin, int code) {
                         window.statusBar()->showMessage(message + u" from "_s + origin + u" #"_s +
                                                         (code >= 0 ? u" "_s : QString()) +
                                                         QString::number(code));
                     });

    control->TapiLineInit();
    control->setDeviceId(0);
    control->TapiLineOpen();
    window.show();
    const int code = app.exec();
    control->TapiLineClose();
    control->TapiLineShutdown();
    control->shutdownControl();
    return code;
}
