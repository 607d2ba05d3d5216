// Every outcome the control reports, and the diagnostic log.
#include "control/line/LintaroPrivate.h"
#include "control/line/TapiMessages.h"

using namespace Qt::StringLiterals;
using platform::tapi::LONG;

void LintaroPrivate::RaiseTapiMessage(LONG code, const QString& origin)
{
    const QString name = tapiMessageName(code);
    if (code == LintaroCode::SILENT)
        return;
    if (!relays.lblTapiErr->isBound())
        return;
    const QString codeText = QString::number(code);
    st.pendingMessageName = name;
    st.pendingOrigin = origin;
    st.pendingCode = code;
    relays.lblTapiErr->setText(name + origin + codeText);
    // The reset run logs the same origin and code, even if a host handler
    // reported something else in between.
    st.pendingMessageName = kSentinelText;
    st.pendingOrigin = origin;
    st.pendingCode = code;
    relays.lblTapiErr->setText(kSentinelText + origin + codeText);
}

void LintaroPrivate::writeLogFile(const QString& code, const LogValue& a, const LogValue& b)
{
    // The report of a failure writes to the log itself (with the message bit
    // set); those entries are lost instead of reporting again.
    if (m_reportingLogFailure)
        return;
    if (log.append(code, a, b)) {
        m_logFailureReported = false;
        return;
    }
    // One report until the log can be written again: a host that shows each
    // message should not see the failure drown every other one.
    if (m_logFailureReported)
        return;
    m_logFailureReported = true;
    m_reportingLogFailure = true;
    RaiseTapiMessage(LintaroCode::ERROR_WRITE_LOGFILE, u"writeLogFile"_s);
    m_reportingLogFailure = false;
}

void LintaroPrivate::logEntry(int bit, const QString& code, const LogValue& a, const LogValue& b)
{
    if (st.debugMask & bit)
        writeLogFile(code, a, b);
}
