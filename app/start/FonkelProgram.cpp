#include "FonkelProgram.h"

#include "app/actapp/clACTApplication.h"
#include "app/actdb/clACTFelder.h"
#include "app/actdb/clActDBF.h"
#include "app/calls/CallerIdentification.h"
#include "app/calls/Dialling.h"
#include "app/calls/NumberPreparation.h"
#include "app/calls/TelephonyEvents.h"
#include "app/core/NoActSide.h"
#include "app/core/TapiButton.h"
#include "app/core/TapiWindows.h"
#include "app/core/WindowTimer.h"
#include "app/core/frmHaupt.h"
#include "app/core/frmStatus.h"
#include "app/core/modOptionen.h"
#include "control/line/Lintaro.h"

namespace fonkel {

FonkelProgram::FonkelProgram(const ProgramSeams& seams, QObject* parent)
    : QObject(parent), m_seams(seams), m_options(std::make_unique<modOptionen>(seams.settings))
{
}

FonkelProgram::~FonkelProgram()
{
    // The parts hold on to the window; they go first.
    m_status.reset();
    m_telephony.reset();
    m_tapiWindows.reset();
    m_dialling.reset();
    m_identification.reset();
    m_numbers.reset();
    m_act.reset();
    if (m_window)
        m_window->setCloseHandler({});
    m_window.reset();
}

void FonkelProgram::Start()
{
    m_actApplication = std::make_unique<clACTApplication>(m_seams.desktop, m_seams.automation,
                                                          m_seams.ui, m_seams.endProgram);
    m_actDBF = std::make_unique<clActDBF>(
        m_seams.engine, m_seams.ui,
        [options = m_options.get()](const QString& key) { return options->ReadOption(key); });
    m_actFelder = std::make_unique<clACTFelder>(m_seams.engine, m_seams.ui);
    m_members.ACTApplication = m_actApplication.get();
    m_members.ActDBF = m_actDBF.get();
    m_members.ACTFelder = m_actFelder.get();
    m_members.Reset();

    createMainWindow();
    Form_Load();
    m_window->show();
}

void FonkelProgram::createMainWindow()
{
    m_window = std::make_unique<frmHaupt>(m_seams.ui);
    LintaroOptions controlOptions;
    controlOptions.logDirectory = m_seams.controlLogDirectory;
    m_control = new Lintaro(m_seams.telephony, m_seams.wave, controlOptions);
    m_control->setObjectName(QStringLiteral("Lintaro1"));
    m_window->setLintaroControl(m_control);

    m_act = std::make_unique<NoActSide>(*m_window);
    m_numbers = std::make_unique<NumberPreparation>(*m_window, *m_options, m_seams.ui);
    m_identification =
        std::make_unique<CallerIdentification>(*m_window, *m_numbers, m_members, *m_act);
    m_dialling = std::make_unique<Dialling>(*m_window, *m_control, *m_options, m_seams.registry);
    m_tapiWindows = std::make_unique<TapiWindows>(*m_window, *m_control);
    m_telephony = std::make_unique<TelephonyEvents>(*m_window, *m_control, m_members,
                                                    *m_identification, *m_tapiWindows);

    connect(m_window->TimerACT, &WindowTimer::timeout, this, &FonkelProgram::TimerACT_Timer);
    m_window->setCloseHandler([this] { Form_Unload(); });
}

void FonkelProgram::TimerACT_Timer()
{
    m_act->CheckACTDatabase();
    if (m_window->AutoStartPending) {
        m_window->AutoStartPending = false;
        m_window->cmdInitTapi->click();
    }
    if (m_window->MinimisePending) {
        m_window->MinimisePending = false;
        if (!m_window->isMinimized())
            m_window->showMinimized();
    }
}

} // namespace fonkel
