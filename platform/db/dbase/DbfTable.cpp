#include "DbfTable.h"

#include "DbfTableData.h"
#include "Windows1252.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::db::dbase {

namespace {

constexpr int kFileHeaderSize = 32;
constexpr int kDescriptorSize = 32;
constexpr char kDescriptorEnd = 0x0D;

quint16 u16At(const char* p)
{
    return static_cast<quint16>(static_cast<unsigned char>(p[0]) |
                                (static_cast<unsigned char>(p[1]) << 8));
}

quint32 u32At(const char* p)
{
    return static_cast<quint32>(u16At(p)) | (static_cast<quint32>(u16At(p + 2)) << 16);
}

bool isVisualFoxProVersion(quint8 version)
{
    return version == 0x30 || version == 0x31 || version == 0x32;
}

// The version bytes this reader accepts, with the name it reports.
QString formatNameOf(quint8 version)
{
    switch (version) {
    case 0x03:
        return QStringLiteral("dBASE III");
    case 0x83:
        return QStringLiteral("dBASE III mit Memo");
    case 0x8B:
        return QStringLiteral("dBASE IV mit Memo");
    case 0x43:
        return QStringLiteral("dBASE IV SQL-Tabelle");
    case 0x63:
        return QStringLiteral("dBASE IV SQL-Systemtabelle");
    case 0xCB:
        return QStringLiteral("dBASE IV SQL-Tabelle mit Memo");
    case 0xF5:
        return QStringLiteral("FoxPro 2.x mit Memo");
    case 0xFB:
        return QStringLiteral("FoxBASE");
    case 0x30:
        return QStringLiteral("Visual FoxPro");
    case 0x31:
        return QStringLiteral("Visual FoxPro mit Autoinkrement");
    case 0x32:
        return QStringLiteral("Visual FoxPro mit Varchar");
    default:
        return QString();
    }
}

DbfValueKind kindOf(char type, bool visualFoxPro)
{
    switch (type) {
    case 'C':
    case 'V': // Visual FoxPro varchar: the stored bytes, padded like C
        return DbfValueKind::Character;
    case 'N':
    case 'F':
        return DbfValueKind::Numeric;
    case 'D':
        return DbfValueKind::Date;
    case 'L':
        return DbfValueKind::Logical;
    case 'M':
    case 'G':
    case 'P':
    case 'W':
        return DbfValueKind::Memo;
    case 'B':
        return visualFoxPro ? DbfValueKind::Double : DbfValueKind::Memo;
    case 'O':
        return DbfValueKind::Double;
    case 'I':
        return DbfValueKind::Integer;
    case 'Y':
        return DbfValueKind::Currency;
    case 'T':
        return DbfValueKind::DateTime;
    case '0':
        return DbfValueKind::NullFlags;
    default:
        return DbfValueKind::Unknown;
    }
}

// The only length a field of this kind can have, or 0 when any length will do.
int fixedLengthOf(DbfValueKind kind)
{
    switch (kind) {
    case DbfValueKind::Date:
    case DbfValueKind::Double:
    case DbfValueKind::Currency:
    case DbfValueKind::DateTime:
        return 8;
    case DbfValueKind::Logical:
        return 1;
    case DbfValueKind::Integer:
        return 4;
    default:
        return 0;
    }
}

QString hexByte(quint8 byte)
{
    return QLatin1String("0x") +
           QString::number(byte, 16).rightJustified(2, QLatin1Char('0')).toUpper();
}

class HeaderParser {
public:
    HeaderParser(DbfTable::Data& data) : m_data(data) {}

    DbfError parse();

private:
    DbfError corrupt(const QString& what) const
    {
        return DbfError::make(
            DbfErrorCode::Corrupt,
            QStringLiteral("Die dBASE-Tabelle '%1' ist beschädigt: %2.").arg(m_data.path, what));
    }
    DbfError readError() const
    {
        return DbfError::make(DbfErrorCode::ReadError,
                              QStringLiteral("Die Datei '%1' kann nicht gelesen werden: %2.")
                                  .arg(m_data.path, QString::fromLocal8Bit(std::strerror(errno))));
    }
    DbfError parseDescriptors(const QByteArray& header);

    DbfTable::Data& m_data;
};

DbfError HeaderParser::parse()
{
    char fixed[kFileHeaderSize] = {};
    const qint64 got = m_data.readAt(0, fixed, std::min<qint64>(m_data.fileSize, kFileHeaderSize));
    if (got < 0)
        return readError();
    // The version byte first: a short file of another kind is no damaged table.
    m_data.version = static_cast<quint8>(fixed[0]);
    if (got > 0 && (m_data.version == 0x04 || m_data.version == 0x8C || m_data.version == 0x02)) {
        return DbfError::make(
            DbfErrorCode::UnrecognizedFormat,
            QStringLiteral(
                "Das Tabellenformat von '%1' (Versionsbyte %2, %3) wird nicht unterstützt.")
                .arg(m_data.path, hexByte(m_data.version),
                     m_data.version == 0x02 ? QStringLiteral("dBASE II")
                                            : QStringLiteral("dBASE 7")));
    }
    if (got > 0 && formatNameOf(m_data.version).isEmpty()) {
        return DbfError::make(
            DbfErrorCode::UnrecognizedFormat,
            QStringLiteral("Nicht erkennbares Tabellenformat in '%1' (Versionsbyte %2).")
                .arg(m_data.path, hexByte(m_data.version)));
    }
    if (got < kFileHeaderSize) {
        return corrupt(
            QStringLiteral("die Datei ist mit %1 Bytes zu kurz für einen Tabellenkopf").arg(got));
    }
    m_data.lastUpdate =
        QDate(1900 + static_cast<unsigned char>(fixed[1]), static_cast<unsigned char>(fixed[2]),
              static_cast<unsigned char>(fixed[3]));
    m_data.recordCount = u32At(fixed + 4);
    m_data.headerLength = u16At(fixed + 8);
    m_data.recordLength = u16At(fixed + 10);
    m_data.tableFlags = static_cast<quint8>(fixed[28]);
    m_data.languageDriver = static_cast<quint8>(fixed[29]);

    if (m_data.headerLength > m_data.fileSize) {
        return corrupt(QStringLiteral("die Kopflänge %1 reicht über das Dateiende (%2 Bytes)")
                           .arg(m_data.headerLength)
                           .arg(m_data.fileSize));
    }
    if (m_data.headerLength < kFileHeaderSize + kDescriptorSize + 1) {
        return corrupt(QStringLiteral("die Kopflänge %1 lässt keinen Platz für Felder")
                           .arg(m_data.headerLength));
    }
    QByteArray header(m_data.headerLength, Qt::Uninitialized);
    const qint64 gotHeader = m_data.readAt(0, header.data(), header.size());
    if (gotHeader < 0)
        return readError();
    if (gotHeader < header.size())
        return corrupt(QStringLiteral("der Tabellenkopf endet vorzeitig"));

    if (DbfError error = parseDescriptors(header); error.isError())
        return error;

    const qint64 needed =
        qint64(m_data.headerLength) + m_data.recordCount * qint64(m_data.recordLength);
    if (needed > m_data.fileSize) {
        return corrupt(QStringLiteral("der Kopf nennt %1 Datensätze zu %2 Bytes, die Datei "
                                      "hat aber nur Platz für %3")
                           .arg(m_data.recordCount)
                           .arg(m_data.recordLength)
                           .arg((m_data.fileSize - m_data.headerLength) / m_data.recordLength));
    }
    return {};
}

DbfError HeaderParser::parseDescriptors(const QByteArray& header)
{
    const bool vfp = isVisualFoxProVersion(m_data.version);
    int position = kFileHeaderSize;
    int offset = 1; // the deletion flag comes first
    bool terminated = false;
    while (position < header.size()) {
        if (header[position] == kDescriptorEnd) {
            terminated = true;
            break;
        }
        if (position + kDescriptorSize > header.size())
            break;
        const char* d = header.constData() + position;
        const int number = m_data.columns.size() + 1;

        DbfColumn column;
        const char* nameEnd = static_cast<const char*>(std::memchr(d, '\0', 11));
        column.rawName = QByteArray(d, nameEnd ? nameEnd - d : 11);
        column.name = Windows1252::decode(column.rawName);
        column.type = d[11];
        column.length = static_cast<unsigned char>(d[16]);
        column.decimals = static_cast<unsigned char>(d[17]);
        column.kind = kindOf(column.type, vfp);
        column.system = vfp && (static_cast<unsigned char>(d[18]) & 0x01);
        column.offset = offset;

        if (column.rawName.isEmpty())
            return corrupt(QStringLiteral("Feld %1 hat keinen Namen").arg(number));
        if (column.length == 0)
            return corrupt(QStringLiteral("Feld %1 hat die Länge 0").arg(column.name));
        const int fixedLength = fixedLengthOf(column.kind);
        if (fixedLength && column.length != fixedLength) {
            return corrupt(QStringLiteral("Feld %1 vom Typ %2 hat die Länge %3 statt %4")
                               .arg(column.name, QChar::fromLatin1(column.type))
                               .arg(column.length)
                               .arg(fixedLength));
        }
        offset += column.length;
        if (offset > m_data.recordLength) {
            return corrupt(QStringLiteral("die Felder bis %1 brauchen %2 Bytes, die Satzlänge "
                                          "ist aber %3")
                               .arg(column.name)
                               .arg(offset)
                               .arg(m_data.recordLength));
        }
        m_data.columns.append(column);
        position += kDescriptorSize;
    }
    if (!terminated)
        return corrupt(QStringLiteral("die Felddefinitionen sind nicht abgeschlossen"));
    if (m_data.columns.isEmpty())
        return corrupt(QStringLiteral("die Tabelle hat keine Felder"));
    return {};
}

} // namespace

DbfTable::Data::~Data()
{
    if (fd >= 0)
        ::close(fd);
}

qint64 DbfTable::Data::readAt(qint64 offset, char* buffer, qint64 len) const
{
    qint64 done = 0;
    while (done < len) {
        const ssize_t n = ::pread(fd, buffer + done, size_t(len - done), off_t(offset + done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

DbfTable::DbfTable() = default;
DbfTable::~DbfTable() = default;
DbfTable::DbfTable(const DbfTable&) = default;
DbfTable& DbfTable::operator=(const DbfTable&) = default;

bool DbfTable::open(const QString& path)
{
    m_data.reset();
    m_error = {};

    auto data = std::make_shared<Data>();
    data->path = path;
    data->fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (data->fd < 0) {
        const int err = errno;
        if (err == ENOENT || err == ENOTDIR) {
            m_error = DbfError::make(DbfErrorCode::FileNotFound,
                                     QStringLiteral("Datei '%1' nicht gefunden.").arg(path));
        } else {
            m_error =
                DbfError::make(DbfErrorCode::CannotOpen,
                               QStringLiteral("Die Datei '%1' kann nicht geöffnet werden: %2.")
                                   .arg(path, QString::fromLocal8Bit(std::strerror(err))));
        }
        return false;
    }
    struct stat st {};
    if (::fstat(data->fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        m_error = DbfError::make(DbfErrorCode::CannotOpen,
                                 QStringLiteral("'%1' ist keine Datei.").arg(path));
        return false;
    }
    data->fileSize = st.st_size;
    // Tables are read front to back far more often than at random.
    ::posix_fadvise(data->fd, 0, 0, POSIX_FADV_SEQUENTIAL);

    HeaderParser parser(*data);
    if (DbfError error = parser.parse(); error.isError()) {
        m_error = error;
        return false;
    }
    m_data = std::move(data);
    return true;
}

void DbfTable::close()
{
    m_data.reset();
}

bool DbfTable::isOpen() const
{
    return m_data != nullptr;
}

QString DbfTable::path() const
{
    return m_data ? m_data->path : QString();
}

quint8 DbfTable::versionByte() const
{
    return m_data ? m_data->version : 0;
}

QString DbfTable::formatName() const
{
    return m_data ? formatNameOf(m_data->version) : QString();
}

bool DbfTable::hasMemoFile() const
{
    if (!m_data)
        return false;
    if (isVisualFoxProVersion(m_data->version))
        return m_data->tableFlags & 0x02;
    return m_data->version & 0x80;
}

bool DbfTable::isVisualFoxPro() const
{
    return m_data && isVisualFoxProVersion(m_data->version);
}

QDate DbfTable::lastUpdate() const
{
    return m_data ? m_data->lastUpdate : QDate();
}

quint8 DbfTable::languageDriver() const
{
    return m_data ? m_data->languageDriver : 0;
}

qint64 DbfTable::recordCount() const
{
    return m_data ? m_data->recordCount : 0;
}

int DbfTable::headerLength() const
{
    return m_data ? m_data->headerLength : 0;
}

int DbfTable::recordLength() const
{
    return m_data ? m_data->recordLength : 0;
}

qint64 DbfTable::fileSize() const
{
    return m_data ? m_data->fileSize : 0;
}

const QList<DbfColumn>& DbfTable::columns() const
{
    static const QList<DbfColumn> none;
    return m_data ? m_data->columns : none;
}

int DbfTable::columnCount() const
{
    return int(columns().size());
}

const DbfColumn& DbfTable::column(int index) const
{
    return columns().at(index);
}

int DbfTable::indexOf(const QString& name, Qt::CaseSensitivity cs) const
{
    const QList<DbfColumn>& all = columns();
    for (int i = 0; i < all.size(); ++i) {
        if (all[i].name.compare(name, cs) == 0)
            return i;
    }
    return -1;
}

} // namespace platform::db::dbase
