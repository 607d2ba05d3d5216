#include "NoActSide.h"

#include "PanelStatusBar.h"
#include "frmHaupt.h"

#include <QAction>

namespace fonkel {

void NoActSide::SetNumberCacheUse(bool on)
{
    m_window.mnuNummernCache->setChecked(on);
    m_window.mnuNummernCacheAutomatisch->setEnabled(on);
    StatusPanel* cache = m_window.panel(4);
    cache->setPicture(
        m_window.ilIcons.index(on ? QStringLiteral("Cache") : QStringLiteral("Leer")));
    cache->setToolTip(on ? QStringLiteral("Der Nummern-Cache wird verwendet.")
                         : QStringLiteral("Es wird kein Nummern-Cache verwendet."));
}

} // namespace fonkel
