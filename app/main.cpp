// For now a small window on the simulated line: it opens line 0 as monitor and
// owner and lists the line's messages as they arrive. `phonesim ring
// 0301234567` in another terminal makes a call arrive.
#include "platform/tapi/Codepage1252.h"
#include "platform/tapi/TapiNames.h"
#include "platform/tapi/TelephonySystem.h"
#include "platform/tapi/sim/PhonesimServer.h"

#include <QApplication>
#include <QDateTime>
#include <QListWidget>
#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>

#include <vector>

using namespace Qt::StringLiterals;
using namespace platform::tapi;

namespace {

QString callerOf(TelephonyService& service, HCALL call)
{
    std::vector<char> buffer(4096);
    auto* info = reinterpret_cast<LINECALLINFO*>(buffer.data());
    info->dwTotalSize = static_cast<DWORD>(buffer.size());
    if (service.lineGetCallInfo(call, info) != 0 || info->dwCallerIDSize == 0)
        return QString();
    return fromTapiText(buffer.data() + info->dwCallerIDOffset);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Fonkel"_s);

    QString error;
    const auto telephony = TelephonySystem::create(TelephonyConfig::defaultPath(), &error);
    if (!telephony) {
        QMessageBox::critical(nullptr, u"Fonkel"_s, error);
        return 1;
    }
    TelephonyService& service = telephony->service();

    QMainWindow window;
    window.setWindowTitle(u"Fonkel - Leitung 0"_s);
    auto* list = new QListWidget(&window);
    window.setCentralWidget(list);
    window.resize(640, 400);
    const auto log = [list](const QString& text) {
        list->addItem(QTime::currentTime().toString(u"HH:mm:ss"_s) + u"  "_s + text);
        list->scrollToBottom();
    };

    sim::PhonesimServer phonesim(*telephony->simExchange());
    if (phonesim.listen(&error))
        log(u"phonesim: "_s + phonesim.socketPath());
    else
        log(u"phonesim nicht verfügbar: "_s + error);

    HLINEAPP lineApp = 0;
    HLINE line = 0;
    DWORD devices = 0;
    DWORD version = TAPI_CURRENT_VERSION;
    LINEINITIALIZEEXPARAMS params{
        sizeof params, 0, 0, LINEINITIALIZEEXOPTION_USEHIDDENWINDOW, 0, 0};
    const auto callback = [&](DWORD device, DWORD message, DWORD_PTR, DWORD_PTR p1, DWORD_PTR p2,
                              DWORD_PTR p3) {
        QString text = u"%1  device %2  %3 %4 %5"_s.arg(messageName(message))
                           .arg(device)
                           .arg(p1)
                           .arg(p2)
                           .arg(p3);
        if (message == LINE_CALLSTATE) {
            text = u"LINE_CALLSTATE  call %1  %2"_s.arg(device).arg(callStateName(DWORD(p1)));
            const QString caller = callerOf(service, device);
            if (!caller.isEmpty())
                text += u"  "_s + caller;
            if (p1 == LINECALLSTATE_IDLE)
                service.lineDeallocateCall(device);
        } else if (message == LINE_REPLY && LONG(p2) < 0) {
            text += u"  "_s + errorName(LONG(p2));
        }
        log(text);
    };
    LONG result =
        service.lineInitializeEx(&lineApp, 0, callback, "Fonkel", &devices, &version, &params);
    LINEEXTENSIONID extension{};
    if (result == 0 && devices > 0)
        result = service.lineNegotiateAPIVersion(lineApp, 0, TAPI_VERSION1_0, TAPI_CURRENT_VERSION,
                                                 &version, &extension);
    if (result == 0 && devices > 0)
        result = service.lineOpen(lineApp, 0, &line, version, 0, 0,
                                  LINECALLPRIVILEGE_MONITOR | LINECALLPRIVILEGE_OWNER,
                                  LINEMEDIAMODE_INTERACTIVEVOICE, nullptr);
    if (result == 0 && line)
        service.lineSetStatusMessages(line, LINEDEVSTATE_RINGING, 0);
    window.statusBar()->showMessage(result == 0 && line
                                        ? u"Leitung 0 offen (%1 Leitungen)"_s.arg(devices)
                                        : u"Leitung nicht offen: "_s + errorName(result));
    window.show();
    const int code = app.exec();
    if (lineApp)
        service.lineShutdown(lineApp);
    return code;
}
