#pragma once

#include "ActSide.h"

namespace fonkel {

class frmHaupt;

// The ACT! side of a program that does not watch ACT!: no phone fields are
// read, the ACT! database check finds nothing (the ACT! monitor stays not
// ready), no number cache is built or found, and no similar numbers are
// searched. Switching the number cache on or off still sets its menu marks
// and panel, so that the user's choice is kept and written back at shutdown.
class NoActSide final : public ActSide {
public:
    explicit NoActSide(frmHaupt& window) : m_window(window) {}

    void LoadTelefonfelder() override {}
    void UnloadTelefonfelder() override {}
    void CheckACTDatabase() override {}
    void BuildNumberCache() override {}
    void SetNumberCacheUse(bool on) override;
    bool CacheTableExists(const QString&, const QString&) override { return false; }
    std::unique_ptr<NumberCacheSearch> OpenNumberCache(const QString&, QLabel*) override
    {
        return nullptr;
    }
    QString SelectedPhoneFields() override { return QString(); }
    void SearchSimilarNumbers(const QString&, const QString&) override {}

private:
    frmHaupt& m_window;
};

} // namespace fonkel
