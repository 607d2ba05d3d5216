#pragma once

#include "app/core/modHaupt.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class Lintaro;
class clACTApplication;
class clACTFelder;
class clActDBF;

namespace platform::act {
class AutomationConnector;
}
namespace platform::db {
class DBEngine;
}
namespace platform::desktop {
class Desktop;
}
namespace platform::settings {
class Registry;
class SettingsStore;
} // namespace platform::settings
namespace platform::tapi {
class TelephonyService;
}
namespace platform::ui {
class UserInterface;
}
namespace platform::wave {
class WaveDevices;
}

namespace fonkel {

class ActSide;
class CallerIdentification;
class Dialling;
class NumberPreparation;
class TapiWindows;
class TelephonyEvents;
class frmHaupt;
class frmStatus;
class modOptionen;

// What the program runs on. main() hands in the real desktop's parts, tests
// their own; all of them outlive the program.
struct ProgramSeams {
    platform::ui::UserInterface& ui;
    platform::settings::SettingsStore& settings;
    const platform::settings::Registry& registry;
    // With the "FoxPro 2.6;" backend registered (the ACT! tables).
    platform::db::DBEngine& engine;
    platform::tapi::TelephonyService& telephony;
    platform::wave::WaveDevices& wave;
    platform::desktop::Desktop& desktop;
    platform::act::AutomationConnector& automation;
    // The Nummern.mdb to open.
    QString nummernMdb;
    // Where the control writes its diagnostic log (empty: beside its library).
    QString controlLogDirectory;
    // Ends the program at once, without the close handler (ACT! failed to
    // answer); the settings are to be written first.
    std::function<void()> endProgram;
};

// Fonkel: the start routine, the main window's load handler, the ACT!
// timer's tick and the close handler, and the parts of the main window they
// bring up and down. The single-instance check comes before (SingleInstance).
class FonkelProgram : public QObject {
    Q_OBJECT
public:
    static constexpr int TimerACTInterval = 4500;

    explicit FonkelProgram(const ProgramSeams& seams, QObject* parent = nullptr);
    ~FonkelProgram() override;

    // Creates the shared ACT! objects, resets the application-wide members,
    // loads the main window (the load handler runs) and shows it.
    void Start();

    frmHaupt* window() const { return m_window.get(); }
    Lintaro* control() const { return m_control; }
    modHaupt& members() { return m_members; }
    modOptionen& options() const { return *m_options; }
    NumberPreparation* numbers() const { return m_numbers.get(); }
    CallerIdentification* identification() const { return m_identification.get(); }
    Dialling* dialling() const { return m_dialling.get(); }
    TelephonyEvents* telephonyEvents() const { return m_telephony.get(); }
    TapiWindows* tapiWindows() const { return m_tapiWindows.get(); }
    ActSide* act() const { return m_act.get(); }

    // The status popup while the load handler runs, nullptr otherwise.
    frmStatus* statusPopup() const { return m_status.get(); }

signals:
    // The load handler shows a step (the popup's step line); for observers.
    void loadStep(const QString& text);
    // The close handler has run: the program is done.
    void unloaded();

private:
    void createMainWindow();
    void Form_Load();
    void restoreGeometry();
    void fillDeviceBox();
    void applyOptionMarks();
    void TimerACT_Timer();
    void Form_Unload();
    void writeOptions();
    void showStep(const QString& text);

    ProgramSeams m_seams;
    modHaupt m_members;
    std::unique_ptr<modOptionen> m_options;
    std::unique_ptr<clACTApplication> m_actApplication;
    std::unique_ptr<clActDBF> m_actDBF;
    std::unique_ptr<clACTFelder> m_actFelder;

    std::unique_ptr<frmHaupt> m_window;
    Lintaro* m_control = nullptr; // owned by the window
    std::unique_ptr<ActSide> m_act;
    std::unique_ptr<NumberPreparation> m_numbers;
    std::unique_ptr<CallerIdentification> m_identification;
    std::unique_ptr<Dialling> m_dialling;
    std::unique_ptr<TapiWindows> m_tapiWindows;
    std::unique_ptr<TelephonyEvents> m_telephony;
    std::unique_ptr<frmStatus> m_status;
    bool m_unloaded = false;
};

} // namespace fonkel
