#include "JetSql.h"

#include "DateTimeText.h"
#include "DbError.h"

#include <QDateTime>
#include <QList>
#include <QStringList>

namespace platform::db {

namespace {

struct Token {
    enum class Type { Space, Word, Name, Text, Number, DateLiteral, Punct };
    Type type;
    QString text; // the source text; for Name, Text and DateLiteral the content
};

DbError syntaxError(const QString& detail)
{
    return DbError(errc::SyntaxInExpression,
                   QStringLiteral("Syntaxfehler in Abfrageausdruck: %1").arg(detail));
}

bool isWordStart(QChar c)
{
    return c.isLetter() || c == u'_' || c.unicode() >= 0x80;
}

bool isWordChar(QChar c)
{
    return isWordStart(c) || c.isDigit() || c == u'$';
}

// Reads up to the closing delimiter; a doubled delimiter (only for quotes)
// stands for one. Returns the index behind the closing delimiter.
qsizetype readDelimited(const QString& sql, qsizetype start, QChar close, bool doubling,
                        QString& content)
{
    qsizetype i = start + 1;
    while (i < sql.size()) {
        if (sql[i] == close) {
            if (doubling && i + 1 < sql.size() && sql[i + 1] == close) {
                content += close;
                i += 2;
                continue;
            }
            return i + 1;
        }
        content += sql[i++];
    }
    throw syntaxError(QStringLiteral("fehlendes Zeichen %1").arg(close));
}

QList<Token> lex(const QString& sql)
{
    // SQLite would end the statement at a NUL character.
    if (sql.contains(QChar(0)))
        throw syntaxError(QStringLiteral("Nullzeichen im Text"));
    QList<Token> tokens;
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar c = sql[i];
        if (c.isSpace()) {
            const qsizetype start = i;
            while (i < sql.size() && sql[i].isSpace())
                ++i;
            tokens.append({Token::Type::Space, sql.mid(start, i - start)});
        } else if (c == u'[') {
            QString content;
            i = readDelimited(sql, i, u']', false, content);
            tokens.append({Token::Type::Name, content});
        } else if (c == u'"' || c == u'\'') {
            QString content;
            i = readDelimited(sql, i, c, true, content);
            tokens.append({Token::Type::Text, content});
        } else if (c == u'#') {
            QString content;
            i = readDelimited(sql, i, u'#', false, content);
            tokens.append({Token::Type::DateLiteral, content});
        } else if (c.isDigit() || (c == u'.' && i + 1 < sql.size() && sql[i + 1].isDigit())) {
            const qsizetype start = i;
            while (i < sql.size() && (sql[i].isDigit() || sql[i] == u'.'))
                ++i;
            if (i < sql.size() && (sql[i] == u'e' || sql[i] == u'E')) {
                qsizetype j = i + 1;
                if (j < sql.size() && (sql[j] == u'+' || sql[j] == u'-'))
                    ++j;
                if (j < sql.size() && sql[j].isDigit()) {
                    i = j;
                    while (i < sql.size() && sql[i].isDigit())
                        ++i;
                }
            }
            tokens.append({Token::Type::Number, sql.mid(start, i - start)});
        } else if (isWordStart(c)) {
            const qsizetype start = i;
            while (i < sql.size() && isWordChar(sql[i]))
                ++i;
            tokens.append({Token::Type::Word, sql.mid(start, i - start)});
        } else {
            static const QStringList pairs = {QStringLiteral("<="), QStringLiteral(">="),
                                              QStringLiteral("<>"), QStringLiteral("!=")};
            const QString two = sql.mid(i, 2);
            if (pairs.contains(two)) {
                tokens.append({Token::Type::Punct, two});
                i += 2;
            } else {
                tokens.append({Token::Type::Punct, QString(c)});
                ++i;
            }
        }
    }
    return tokens;
}

QString sqliteText(const QString& text)
{
    QString escaped = text;
    escaped.replace(u'\'', QStringLiteral("''"));
    return u'\'' + escaped + u'\'';
}

// Jet date literals are written month first (#3/17/2024 14:05:00#).
QString dateLiteral(const QString& content)
{
    static const QStringList formats = {
        QStringLiteral("M/d/yyyy H:mm:ss"), QStringLiteral("M/d/yyyy H:mm"),
        QStringLiteral("M/d/yyyy"),         QStringLiteral("yyyy-MM-dd HH:mm:ss"),
        QStringLiteral("yyyy-MM-dd"),
    };
    const QString text = content.trimmed();
    for (const QString& format : formats) {
        QDateTime value = QDateTime::fromString(text, format);
        if (!value.isValid() && !format.contains(u'H')) {
            const QDate date = QDate::fromString(text, format);
            if (date.isValid())
                value = date.startOfDay();
        }
        if (value.isValid())
            return sqliteText(DateTimeText::toStored(value));
    }
    throw syntaxError(QStringLiteral("ungültiges Datum #%1#").arg(content));
}

class Translator {
public:
    explicit Translator(const QString& jetSql) : m_tokens(lex(jetSql)) { cutAtSemicolon(); }

    TranslatedSql run()
    {
        TranslatedSql result;
        detectKind(result);
        qsizetype i = 0;
        while (i < m_tokens.size())
            i = emitToken(i);
        result.sql = m_out;
        return result;
    }

private:
    bool isWord(qsizetype i, const char* word) const
    {
        return i < m_tokens.size() && m_tokens[i].type == Token::Type::Word &&
               m_tokens[i].text.compare(QLatin1StringView(word), Qt::CaseInsensitive) == 0;
    }

    bool isPunct(qsizetype i, QStringView text) const
    {
        return i < m_tokens.size() && m_tokens[i].type == Token::Type::Punct &&
               m_tokens[i].text == text;
    }

    qsizetype nextSignificant(qsizetype i) const
    {
        ++i;
        while (i < m_tokens.size() && m_tokens[i].type == Token::Type::Space)
            ++i;
        return i;
    }

    void cutAtSemicolon()
    {
        for (qsizetype i = 0; i < m_tokens.size(); ++i) {
            if (!isPunct(i, u";"))
                continue;
            for (qsizetype j = i + 1; j < m_tokens.size(); ++j) {
                if (m_tokens[j].type != Token::Type::Space)
                    throw DbError(errc::CharactersAfterEnd,
                                  QStringLiteral("Zeichen nach dem Ende der SQL-Anweisung "
                                                 "gefunden."));
            }
            m_tokens.resize(i);
            return;
        }
    }

    QString nameAt(qsizetype i) const
    {
        if (i >= m_tokens.size())
            return QString();
        const Token& token = m_tokens[i];
        if (token.type == Token::Type::Word || token.type == Token::Type::Name ||
            token.type == Token::Type::Text)
            return token.text;
        return QString();
    }

    void detectKind(TranslatedSql& result) const
    {
        const qsizetype first =
            m_tokens.value(0).type == Token::Type::Space ? nextSignificant(0) : 0;
        if (isWord(first, "SELECT")) {
            result.kind = TranslatedSql::Kind::Select;
            return;
        }
        const bool create = isWord(first, "CREATE");
        if (!create && !isWord(first, "DROP"))
            return;
        qsizetype i = nextSignificant(first);
        if (!isWord(i, "TABLE"))
            return;
        i = nextSignificant(i);
        if (isWord(i, "IF")) {
            i = nextSignificant(i);
            if (isWord(i, "NOT"))
                i = nextSignificant(i);
            i = nextSignificant(i); // EXISTS
        }
        result.kind = create ? TranslatedSql::Kind::CreateTable : TranslatedSql::Kind::DropTable;
        result.table = nameAt(i);
    }

    void append(const QString& text)
    {
        // Jet has no comments; keep SQLite from reading "--" or "/*" as one.
        if (!m_out.isEmpty() && !text.isEmpty()) {
            const QChar last = m_out.back();
            if ((last == u'-' && text.front() == u'-') || (last == u'/' && text.front() == u'*'))
                m_out += u' ';
        }
        m_out += text;
    }

    // Emits token i (and what belongs to it); returns the next index.
    qsizetype emitToken(qsizetype i)
    {
        const Token& token = m_tokens[i];
        switch (token.type) {
        case Token::Type::Space:
        case Token::Type::Number:
            append(token.text);
            return i + 1;
        case Token::Type::Name:
            append(JetSql::quoteName(token.text));
            return i + 1;
        case Token::Type::Text:
            append(sqliteText(token.text));
            return i + 1;
        case Token::Type::DateLiteral:
            append(dateLiteral(token.text));
            return i + 1;
        case Token::Type::Punct:
            append(token.text == u"&" ? QStringLiteral("||") : token.text);
            return i + 1;
        case Token::Type::Word:
            break;
        }
        if (isWord(i, "LIKE"))
            return emitLike(i);
        if ((isWord(i, "DATE") || isWord(i, "NOW")) && isPunct(nextSignificant(i), u"(") &&
            isPunct(nextSignificant(nextSignificant(i)), u")"))
            return emitDateFunction(i);
        if (isWord(i, "DELETE"))
            return emitDelete(i);
        if (isWord(i, "FROM")) {
            const qsizetype next = nextSignificant(i);
            if (next >= m_tokens.size() || isWord(next, "WHERE") || isWord(next, "ORDER") ||
                isWord(next, "GROUP") || isWord(next, "HAVING") || isPunct(next, u")"))
                throw DbError(errc::SyntaxInFrom,
                              QStringLiteral("Syntaxfehler in der FROM-Klausel."));
        }
        append(token.text);
        return i + 1;
    }

    qsizetype emitLike(qsizetype i)
    {
        const qsizetype pattern = nextSignificant(i);
        if (pattern >= m_tokens.size() || m_tokens[pattern].type != Token::Type::Text)
            throw syntaxError(QStringLiteral("LIKE erwartet ein Textmuster"));
        append(QStringLiteral("GLOB"));
        for (qsizetype k = i + 1; k < pattern; ++k)
            append(m_tokens[k].text);
        append(sqliteText(JetSql::likeToGlob(m_tokens[pattern].text)));
        return pattern + 1;
    }

    // Date() and Now() use the engine's clock (functions jet_date and jet_now
    // of every connection); "Date() - 7" becomes jet_date(-7).
    qsizetype emitDateFunction(qsizetype i)
    {
        const qsizetype close = nextSignificant(nextSignificant(i));
        if (isWord(i, "NOW")) {
            append(QStringLiteral("jet_now()"));
            return close + 1;
        }
        qsizetype op = nextSignificant(close);
        if (!isPunct(op, u"-") && !isPunct(op, u"+")) {
            append(QStringLiteral("jet_date(0)"));
            return close + 1;
        }
        bool negative = false;
        qsizetype k = op;
        while (isPunct(k, u"-") || isPunct(k, u"+")) {
            if (isPunct(k, u"-"))
                negative = !negative;
            k = nextSignificant(k);
        }
        if (k >= m_tokens.size() || m_tokens[k].type != Token::Type::Number)
            throw syntaxError(QStringLiteral("Datumsrechnung nur mit Zahlen"));
        append(QStringLiteral("jet_date(%1%2)")
                   .arg(negative ? QStringLiteral("-") : QString(), m_tokens[k].text));
        return k + 1;
    }

    // Jet names columns between DELETE and FROM ("DELETE t.Datum FROM t");
    // SQLite deletes whole rows anyway.
    qsizetype emitDelete(qsizetype i)
    {
        append(m_tokens[i].text);
        int depth = 0;
        for (qsizetype k = i + 1; k < m_tokens.size(); ++k) {
            if (isPunct(k, u"("))
                ++depth;
            else if (isPunct(k, u")"))
                --depth;
            else if (depth == 0 && isWord(k, "FROM")) {
                append(QStringLiteral(" "));
                return k;
            }
        }
        throw syntaxError(QStringLiteral("DELETE ohne FROM"));
    }

    QList<Token> m_tokens;
    QString m_out;
};

} // namespace

namespace JetSql {

TranslatedSql translate(const QString& jetSql)
{
    return Translator(jetSql).run();
}

QString likeToGlob(const QString& pattern)
{
    QString glob;
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        if (c == u'#') {
            glob += QStringLiteral("[0-9]");
            ++i;
            continue;
        }
        if (c != u'[') {
            glob += c; // * and ? mean the same in GLOB
            ++i;
            continue;
        }
        const qsizetype close = pattern.indexOf(u']', i + 1);
        if (close < 0)
            throw syntaxError(QStringLiteral("ungültiges Muster '%1'").arg(pattern));
        QString set = pattern.mid(i + 1, close - i - 1);
        i = close + 1;
        if (set.isEmpty())
            continue; // Jet's "[]" stands for nothing
        bool negated = false;
        if (set.size() > 1 && set.front() == u'!') {
            negated = true;
            set.remove(0, 1);
        }
        // A leading ^ negates in GLOB but not in Jet: move it.
        if (set.front() == u'^') {
            if (set.size() == 1 && !negated) {
                glob += u'^';
                continue;
            }
            set = set.mid(1) + u'^';
        }
        glob += u'[' + (negated ? QStringLiteral("^") : QString()) + set + u']';
    }
    return glob;
}

QString escapeText(const QString& text)
{
    QString escaped = text;
    escaped.replace(u'"', QStringLiteral("\"\""));
    return escaped;
}

QString escapeLike(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'*' || c == u'?' || c == u'#' || c == u'[')
            escaped += u'[' + QString(c) + u']';
        else
            escaped += c;
    }
    return escaped;
}

QString quoteName(const QString& name)
{
    QString escaped = name;
    escaped.replace(u'"', QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

} // namespace JetSql

} // namespace platform::db
