#pragma once

#include "app/start/FonkelProgram.h"

#include "app/core/frmHaupt.h"
#include "control/line/Lintaro.h"
#include "control/line/LintaroDevices.h"
#include "platform/act/InProcessActServer.h"
#include "platform/db/DBEngine.h"
#include "platform/db/foxpro/FoxProBackend.h"
#include "platform/desktop/InMemoryDesktop.h"
#include "platform/settings/IniSettingsStore.h"
#include "platform/settings/LinuxRegistry.h"
#include "platform/tapi/DialogRunner.h"
#include "platform/tapi/sim/SimExchange.h"
#include "platform/ui/ScriptedUserInterface.h"
#include "tests/support/TestSupport.h"

#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

// Fonkel composed as main() composes it, on the simulated exchange, a copy
// of the shipped Nummern.mdb, a settings file and a telephony configuration
// in a temporary folder; dialogs are answered from a script.
class ProgramFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString shipped =
            testsupport::binaryDir() + QStringLiteral("/share/fonkel/Nummern.mdb");
        ASSERT_TRUE(QFile::copy(shipped, nummernMdb())) << shipped.toStdString();
        QFile::setPermissions(nummernMdb(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        engine.registerBackend(std::make_shared<platform::db::foxpro::FoxProBackend>());
        QString error;
        devices = LintaroDevices::create(telephonyIni(), &error, &dialogs);
        ASSERT_TRUE(devices->hasProvider()) << error.toStdString();
    }

    void TearDown() override { stop(); }

    QString nummernMdb() const { return dir.filePath(QStringLiteral("Nummern.mdb")); }
    QString telephonyIni() const { return dir.filePath(QStringLiteral("telephony.ini")); }

    static QProcessEnvironment germanLocale()
    {
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
        return environment;
    }

    // The start routine; the window is shown afterwards.
    void start()
    {
        fonkel::ProgramSeams seams{ui,
                                   settings,
                                   registry,
                                   engine,
                                   devices->telephony(),
                                   devices->wave(),
                                   desktop,
                                   act,
                                   nummernMdb(),
                                   dir.filePath(QStringLiteral("log")),
                                   [this] { ++endProgramCalls; }};
        program = std::make_unique<fonkel::FonkelProgram>(seams);
        program->Start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window()));
    }

    // Closing the window runs the shutdown; the program goes with it.
    void stop()
    {
        if (!program)
            return;
        window()->close();
        program.reset();
    }

    void restart()
    {
        stop();
        start();
    }

    fonkel::frmHaupt* window() const { return program->window(); }
    Lintaro* control() const { return program->control(); }
    platform::tapi::sim::SimExchange& exchange() const { return *devices->simExchange(); }

    QString option(const QString& key) const
    {
        return settings.value(QStringLiteral("Optionen"), key, QStringLiteral("<absent>"));
    }
    void setOption(const QString& key, const QString& value)
    {
        settings.setValue(QStringLiteral("Optionen"), key, value);
    }
    QString windowValue(const QString& key) const
    {
        return settings.value(QStringLiteral("Window"), key, QStringLiteral("<absent>"));
    }

    QTemporaryDir dir;
    platform::ui::ScriptedUserInterface ui;
    platform::settings::IniSettingsStore settings{dir.filePath(QStringLiteral("Fonkel.ini"))};
    platform::settings::LinuxRegistry registry{germanLocale(), telephonyIni()};
    platform::db::DBEngine engine;
    platform::tapi::ScriptedDialogRunner dialogs;
    std::unique_ptr<LintaroDevices> devices;
    platform::desktop::InMemoryDesktop desktop;
    platform::act::InProcessActServer act;
    int endProgramCalls = 0;
    std::unique_ptr<fonkel::FonkelProgram> program;
};
