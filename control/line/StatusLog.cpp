#include "control/line/StatusLog.h"

#include "platform/ui/LocaleDateTime.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTime>

#include <dlfcn.h>

using namespace Qt::StringLiterals;

StatusLog::StatusLog(const QString& directory)
{
    const QString dir = directory.isEmpty() ? libraryDirectory() : directory;
    m_path = QDir(dir).filePath(u"status.log"_s);
}

bool StatusLog::append(const QString& code, const LogValue& a, const LogValue& b) const
{
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray line = formatEntry(timeOfDay(), code, a, b).toLocal8Bit();
    const bool written = file.write(line) == line.size();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

QString StatusLog::libraryDirectory()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&StatusLog::libraryDirectory), &info) == 0 ||
        !info.dli_fname)
        return QDir::currentPath();
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath();
}

QString StatusLog::formatEntry(const QString& time, const QString& code, const LogValue& a,
                               const LogValue& b)
{
    return time + u';' + code + u';' + a.text() + u';' + b.text() + u"\r\n\r\n"_s;
}

QString StatusLog::timeOfDay()
{
    return platform::ui::LocaleDateTime::longTime(QTime::currentTime());
}
