#pragma once

#include "ConnectBackend.h"
#include "Database.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace platform::db {

// The engine: opens and creates databases. One object serves the program;
// it is handed to whoever needs a database. The clock is what Date() and
// Now() read in statements (tests hand in a fixed one).
class DBEngine {
public:
    using Clock = std::function<QDateTime()>;

    explicit DBEngine(Clock clock = {});

    // Adds a backend for its connect types (see ConnectBackend.h).
    void registerBackend(std::shared_ptr<ConnectBackend> backend);

    // Opens a database file (connect empty or starting with ";"), or the
    // database of the backend that serves the connect type. Throws DbError:
    // 3024 missing file, 3051 cannot open, 3343 not a database, 3170 no
    // backend for the connect type.
    std::unique_ptr<Database> openDatabase(const QString& name, const OpenOptions& options = {},
                                           const QString& connect = QString()) const;

    // Creates a new database file (3204 when the file exists). The locale
    // string (";LANGID=0x0409;CP=1252;COUNTRY=0") and the format options are
    // accepted for the callers' sake: text is always stored as Unicode.
    std::unique_ptr<Database> createDatabase(const QString& name, const QString& locale = QString(),
                                             int options = 0) const;

    QDateTime now() const { return m_clock(); }
    const Clock& clock() const { return m_clock; }

private:
    Clock m_clock;
    std::vector<std::shared_ptr<ConnectBackend>> m_backends;
};

} // namespace platform::db
