#include "control/line/EventRelay.h"

#include "control/line/TapiState.h"

EventRelay::EventRelay(const QString& name, QObject* parent)
    : QObject(parent), m_text(kSentinelText)
{
    setObjectName(name);
}

void EventRelay::setText(const QString& text)
{
    if (!m_bound || text == m_text)
        return;
    m_text = text;
    // A handler may set this relay again (a host handler calling back into the
    // control); each setting runs to its end before this one continues.
    if (m_handler)
        m_handler();
}
