#pragma once

#include "control/lintaro_export.h"

#include <QDialog>
#include <QList>
#include <QPointer>

class Lintaro;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QTabWidget;

// The control's two design-time property pages, as a dialog a host opens in
// design mode for the selected controls: an about page with the version, and
// "Einstellungen/Settings" with autoPhoneOpen and the standard settings of
// known telephony drivers. OK and Apply write to the first selected control.
class LINTARO_EXPORT LintaroPropertyPages final : public QDialog {
    Q_OBJECT
public:
    struct Preset {
        QString name;
        int addressMode;
        int mediaMode;
        int bearerMode;
        int callPrivilege;
    };
    // The presets in list order.
    static const QList<Preset>& presets();

    explicit LintaroPropertyPages(const QList<Lintaro*>& selection, QWidget* parent = nullptr);

    // The page follows the first selected control.
    void setSelection(const QList<Lintaro*>& selection);
    bool isChanged() const { return m_changed; }
    // Writes the page to the first selected control.
    void applyChanges();

    QTabWidget* pages() const { return m_pages; }
    QLabel* versionLabel() const { return m_version; }
    QCheckBox* autoPhoneOpenBox() const { return m_autoPhoneOpen; }
    QComboBox* presetList() const { return m_presets; }
    QDialogButtonBox* buttons() const { return m_buttons; }

    void accept() override;

private:
    void setChanged(bool changed);

    QList<QPointer<Lintaro>> m_selection;
    QTabWidget* m_pages;
    QLabel* m_version;
    QCheckBox* m_autoPhoneOpen;
    QComboBox* m_presets;
    QDialogButtonBox* m_buttons;
    bool m_changed = false;
};
