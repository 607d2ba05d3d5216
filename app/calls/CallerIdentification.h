#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>

namespace fonkel {

class ActSide;
class NumberPreparation;
class frmHaupt;
struct modHaupt;

// The main window's caller identification: turns a reported caller number
// into a caller-list entry with date, place and contact, and stores it.
//
// One run at a time (modHaupt::SearchBusy). The run lets queued events
// through between its steps so that its progress shows; the telephony event
// handlers guard against starting a second run meanwhile. Whatever else
// happens meanwhile (the list reloaded, the window closed), the run ends
// cleanly and still stores its entry while the local database is open.
class CallerIdentification : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;

    CallerIdentification(frmHaupt& window, NumberPreparation& numbers, modHaupt& members,
                         ActSide& act, QObject* parent = nullptr);

    // The date and time given to new entries (the current local time unless
    // a test sets another clock).
    void setClock(Clock clock) { m_clock = std::move(clock); }

    // name, callId and callHandle are not used: the name the network reports
    // is never shown. connected marks the connected-party path (icons 10
    // and 9 instead of 6 and 2).
    void IdentifyCaller(const QString& number, const QString& name, const QString& party,
                        qint32 callId, qint32 callHandle, bool connected);

private:
    class Run;

    frmHaupt& m_window;
    NumberPreparation& m_numbers;
    modHaupt& m_members;
    ActSide& m_act;
    Clock m_clock;
};

} // namespace fonkel
