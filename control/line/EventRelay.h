#pragma once

#include "control/lintaro_export.h"

#include <QObject>
#include <QString>

#include <functional>

// How code outside the control object (the telephony callbacks, the message
// routine, the phone and wave notifications) raises the object's events: the
// reporter stores the event's values in the pending fields of TapiState and
// sets the relay's trigger text; a text that differs from the current one runs
// the handler at once, which raises the event unless the pending value holds
// the sentinel. Writing the text it already holds runs nothing, so a relay that
// is not reset afterwards (the call state) suppresses an identical repeat.
//
// An unbound relay (after shutdownControl) ignores every text until it is
// bound again.
class LINTARO_TESTS_EXPORT EventRelay final : public QObject {
    Q_OBJECT
public:
    EventRelay(const QString& name, QObject* parent);

    void setHandler(std::function<void()> handler) { m_handler = std::move(handler); }

    const QString& text() const { return m_text; }
    void setText(const QString& text);

    bool isBound() const { return m_bound; }
    void bind() { m_bound = true; }
    void unbind() { m_bound = false; }

private:
    QString m_text;
    bool m_bound = true;
    std::function<void()> m_handler;
};
