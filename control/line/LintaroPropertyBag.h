#pragma once

#include "control/lintaro_export.h"

#include <QString>
#include <QVariant>

#include <memory>

class QSettings;

// The host's saved form, as the control reads and writes it: named keys with
// defaults. A host implements it over whatever it stores its forms in.
class LINTARO_EXPORT LintaroPropertyBag {
public:
    virtual ~LintaroPropertyBag();
    // The stored value, or defaultValue when the key is missing.
    virtual QVariant readProperty(const QString& key, const QVariant& defaultValue) const = 0;
    // Stores the value; a value equal to its default need not be stored.
    virtual void writeProperty(const QString& key, const QVariant& value,
                               const QVariant& defaultValue) = 0;
};

// A property bag in a group of a settings file (INI or native). A value equal
// to its default removes the key, as a form stores only what differs.
class LINTARO_EXPORT SettingsPropertyBag final : public LintaroPropertyBag {
public:
    SettingsPropertyBag(QSettings& settings, const QString& group);

    QVariant readProperty(const QString& key, const QVariant& defaultValue) const override;
    void writeProperty(const QString& key, const QVariant& value,
                       const QVariant& defaultValue) override;

private:
    QString fullKey(const QString& key) const;

    QSettings& m_settings;
    QString m_group;
};
