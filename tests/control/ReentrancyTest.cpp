// A host handler may call back into the control, or let the event loop run,
// while an event is being raised.
#include "ControlFixture.h"

#include "TestSupport.h"

#include <QCoreApplication>

using namespace controltest;

namespace {

class Reentrancy : public ControlFixture {};

} // namespace

TEST_F(Reentrancy, HandlerCallingTheControlKeepsItsArguments)
{
    initAndOpen(0);
    QStringList seenInside;
    QObject::connect(m_control.get(), &Lintaro::OnCallerID, m_control.get(),
                     [&](const QString& number, const QString& name, const QString& party) {
                         const QStringList before{number, name, party};
                         // Both report through relays of their own while this one runs.
                         m_control->TapiLineOpen();
                         m_control->setDeviceName(QStringLiteral("x"));
                         EXPECT_EQ(m_control->getDeviceName(1),
                                   QStringLiteral("Simulierte Leitung 2"));
                         seenInside = QStringList{number, name, party};
                         EXPECT_EQ(seenInside, before);
                     });
    CallKey key = 0;
    const HCALL call = offerCall(QStringLiteral("0301234567"), QStringLiteral("Max"), &key);
    EXPECT_EQ(seenInside, (QStringList{QStringLiteral("0301234567"), QStringLiteral("Max"),
                                       QStringLiteral("<ADDRESS><NAME>")}));
    QStringList names = m_events->names();
    names.removeAll(QStringLiteral("OnRinging"));
    EXPECT_EQ(names, (QStringList{QStringLiteral("OnCallerID"), QStringLiteral("OnTapiMessage"),
                                  QStringLiteral("OnTapiMessage"), QStringLiteral("OnCalledID"),
                                  QStringLiteral("OnCallOrigin"), QStringLiteral("OnCallReason"),
                                  QStringLiteral("OnCallState"), QStringLiteral("OnOffering")}));
    EXPECT_EQ(m_events->messages(),
              (QStringList{QStringLiteral("DRIVER_ALREADY_OPENED |TapiLineOpen|1010"),
                           QStringLiteral("READONLY|Devicename|1003")}));
    EXPECT_EQ(m_events->of(QStringLiteral("OnOffering")).at(0).args.at(1).toInt(), int(call));
}

TEST_F(Reentrancy, HandlerLettingTheNextMessagesIn)
{
    initAndOpen(0);
    // Like a host that identifies the caller and shows progress meanwhile:
    // the call is answered and its next states arrive inside the handler.
    CallKey key = 0;
    bool inside = false;
    QStringList nestedEvents;
    QString numberAfterwards;
    QObject::connect(m_control.get(), &Lintaro::OnCallerID, m_control.get(),
                     [&](const QString& number) {
                         if (inside)
                             return;
                         inside = true;
                         const size_t before = m_events->all().size();
                         EXPECT_TRUE(m_exchange->answerAtPhone(key));
                         testsupport::waitUntil(
                             [&] { return m_events->count(QStringLiteral("OnConnected")) > 0; });
                         for (size_t i = before; i < m_events->all().size(); ++i)
                             nestedEvents.append(m_events->all()[i].name);
                         numberAfterwards = number;
                         inside = false;
                     });
    sim::SimExchange::IncomingCall incoming;
    incoming.callerNumber = QStringLiteral("0301234567");
    key = m_exchange->offerCall(0, incoming);
    ASSERT_TRUE(m_events->waitFor(QStringLiteral("OnOffering")));
    settle();

    EXPECT_EQ(numberAfterwards, QStringLiteral("0301234567"))
        << "the handler's arguments survive the nested events";
    EXPECT_TRUE(nestedEvents.contains(QStringLiteral("OnCallState")));
    EXPECT_TRUE(nestedEvents.contains(QStringLiteral("OnConnected")));
    // The rest of the offering is reported after the handler returned, and the
    // control ends in the state of the last message.
    EXPECT_EQ(m_events->count(QStringLiteral("OnCalledID")), 1u);
    EXPECT_EQ(m_events->count(QStringLiteral("OnOffering")), 1u);
    EXPECT_EQ(state().callStateText, QStringLiteral("CONNECTED"));
}

TEST_F(Reentrancy, NestedMessagesKeepTheirLogEntries)
{
    m_control->setDebugLevel(0x200);
    QStringList outerArguments;
    QObject::connect(m_control.get(), &Lintaro::OnTapiMessage, m_control.get(),
                     [&](const QString& message, const QString& origin, int code) {
                         if (message != u"SUCCESS")
                             return;
                         m_control->TapiLineInit(); // already initialised
                         outerArguments = {message, origin, QString::number(code)};
                     });
    m_control->TapiLineInit();
    EXPECT_EQ(outerArguments,
              (QStringList{QStringLiteral("SUCCESS"), QStringLiteral("TapiLineInit"),
                           QStringLiteral("1001")}));
    EXPECT_EQ(m_events->messages(),
              (QStringList{QStringLiteral("SUCCESS|TapiLineInit|1001"),
                           QStringLiteral("TAPI_ALREADY_INITIALIZED|TapiLineInit|1015")}));

    QStringList entries;
    for (const QString& line : logText().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        entries.append(line.section(u';', 1));
    EXPECT_EQ(entries, (QStringList{QStringLiteral("TAPIMESSAGE;SUCCESS;1001"),
                                    QStringLiteral("TAPIMESSAGE;TapiLineInit;"),
                                    QStringLiteral("TAPIMESSAGE;TAPI_ALREADY_INITIALIZED;1015"),
                                    QStringLiteral("TAPIMESSAGE;TapiLineInit;"),
                                    QStringLiteral("TAPIMESSAGE;-33333;1015"),
                                    QStringLiteral("TAPIMESSAGE;TapiLineInit;"),
                                    QStringLiteral("TAPIMESSAGE;-33333;1001"),
                                    QStringLiteral("TAPIMESSAGE;TapiLineInit;")}));
}

TEST_F(Reentrancy, TheHostHearsOfACloseWithTheStateAlreadyChanged)
{
    initAndOpen(0);
    QObject::connect(m_control.get(), &Lintaro::OnTapiMessage, m_control.get(),
                     [&](const QString& message, const QString& origin) {
                         if (message != u"SUCCESS")
                             return;
                         // A host that moves to another line, or registers again,
                         // as soon as it hears of the close.
                         if (origin == u"TapiLineClose")
                             m_control->setDeviceId(1);
                         else if (origin == u"TapiLineShutdown")
                             m_control->TapiLineInit();
                     });
    m_control->TapiLineClose();
    m_control->TapiLineShutdown();
    EXPECT_EQ(m_control->deviceId(), 1);
    EXPECT_EQ(m_events->messages(), (QStringList{QStringLiteral("SUCCESS|TapiLineClose|1001"),
                                                 QStringLiteral("SUCCESS|TapiLineShutdown|1001"),
                                                 QStringLiteral("SUCCESS|TapiLineInit|1001")}));
    EXPECT_NE(state().hLineApp, 0u);
}
