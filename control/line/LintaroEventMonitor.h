#pragma once

#include "control/lintaro_export.h"

#include <QObject>
#include <QString>
#include <QVariantList>

class Lintaro;

// Follows every event of a control, in the order they are raised, as a name
// and its arguments: for hosts that log the events (a protocol window, the
// demo host) and for tests that check their order.
class LINTARO_EXPORT LintaroEventMonitor final : public QObject {
    Q_OBJECT
public:
    explicit LintaroEventMonitor(Lintaro* control, QObject* parent = nullptr);

    // "OnCallerID(\"0301234567\", \"\", \"<ADDRESS>\", 3, 65540)": texts in
    // double quotes, numbers in decimal.
    static QString describe(const QString& event, const QVariantList& arguments);

signals:
    void eventRaised(const QString& event, const QVariantList& arguments);
};
