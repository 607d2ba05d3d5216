// mkactdb DIR/BASENAME --contacts N [--seed S]
// Writes an ACT!-format database (BASENAME.dbf, .gdb, .ddf) into DIR.
#include "ActDatabaseGenerator.h"
#include "ContactGenerator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace {

constexpr int kUsageError = 2;
constexpr int kWriteError = 1;

int usageError(const QCommandLineParser& parser, const QString& message)
{
    std::fprintf(stderr, "mkactdb: %s\n\n%s", qPrintable(message), qPrintable(parser.helpText()));
    return kUsageError;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("mkactdb"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Schreibt eine ACT!-Datenbank mit erfundenen deutschen Kontakten:\n"
                       "BASISNAME.dbf (Kontakte), BASISNAME.gdb (Gruppen) und BASISNAME.ddf\n"
                       "(Felddefinitionen) im Verzeichnis VERZEICHNIS. Derselbe Startwert\n"
                       "ergibt dieselben Dateien."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("VERZEICHNIS/BASISNAME"),
                                 QStringLiteral("Ort und Name der Datenbank, ohne Endung."));
    const QCommandLineOption contactsOption(
        QStringLiteral("contacts"), QStringLiteral("Zahl der Kontakte."), QStringLiteral("N"));
    const QCommandLineOption seedOption(QStringLiteral("seed"),
                                        QStringLiteral("Startwert des Zufalls (Vorgabe 1)."),
                                        QStringLiteral("S"), QStringLiteral("1"));
    parser.addOption(contactsOption);
    parser.addOption(seedOption);

    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser, parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        return usageError(parser, positional.isEmpty()
                                      ? QStringLiteral("Der Datenbankname fehlt.")
                                      : QStringLiteral("Nur ein Datenbankname ist erlaubt."));
    if (!parser.isSet(contactsOption))
        return usageError(parser, QStringLiteral("--contacts fehlt."));

    bool ok = false;
    const qint64 contacts = parser.value(contactsOption).toLongLong(&ok);
    if (!ok || contacts < 0 || contacts > 0xFFFFFFFFLL)
        return usageError(parser, QStringLiteral("--contacts braucht eine Zahl von 0 bis "
                                                 "4294967295, nicht '%1'.")
                                      .arg(parser.value(contactsOption)));
    const quint64 seed = parser.value(seedOption).toULongLong(&ok);
    if (!ok)
        return usageError(parser, QStringLiteral("--seed braucht eine nicht negative Zahl, "
                                                 "nicht '%1'.")
                                      .arg(parser.value(seedOption)));

    QString base = positional.front();
    if (base.endsWith(QStringLiteral(".dbf"), Qt::CaseInsensitive))
        base.chop(4);
    const QFileInfo info(base);
    if (info.fileName().isEmpty())
        return usageError(parser, QStringLiteral("'%1' nennt keinen Basisnamen.").arg(base));

    actdbgen::ActDatabaseOptions options;
    options.directory = info.path();
    options.baseName = info.fileName();
    options.contacts = contacts;
    options.seed = seed;

    QString error;
    const auto progress = [](qint64 done, qint64 total) {
        if (done % 100000 == 0)
            std::fprintf(stderr, "mkactdb: %lld von %lld Kontakten\n", done, total);
    };
    if (!actdbgen::generateActDatabase(options, &error, progress)) {
        std::fprintf(stderr, "mkactdb: %s\n", qPrintable(error));
        return kWriteError;
    }
    const auto files = actdbgen::ActDatabaseFiles::in(options.directory, options.baseName);
    std::printf("%s: %lld Kontakte\n%s: %lld Gruppen\n%s\n", qPrintable(files.contactTable),
                contacts, qPrintable(files.groupTable),
                actdbgen::ContactGenerator::groupCount(contacts),
                qPrintable(files.fieldDefinitions));
    return 0;
}
