#include "ContactGenerator.h"

#include "Random.h"

#include <QChar>

#include <algorithm>
#include <cstring>
#include <numeric>

namespace actdbgen {

namespace {

QString utf8(const char* text)
{
    return QString::fromUtf8(text);
}

const City& pickCity(Random& r)
{
    static const int total = [] {
        int sum = 0;
        for (const City& c : GermanData::cities())
            sum += c.weight;
        return sum;
    }();
    int n = int(r.below(quint64(total)));
    for (const City& c : GermanData::cities()) {
        if (n < c.weight)
            return c;
        n -= c.weight;
    }
    return GermanData::cities().front();
}

bool isAustrian(const City& city)
{
    return std::strcmp(city.country, "43") == 0;
}

QString digits(Random& r, int count)
{
    QString s;
    s.reserve(count);
    s.append(QChar(u'2' + char16_t(r.below(8))));
    for (int i = 1; i < count; ++i)
        s.append(QChar(u'0' + char16_t(r.below(10))));
    return s;
}

// Subscriber numbers get shorter as area codes get longer, as in the real
// numbering plans.
QString subscriberFor(Random& r, const City& city)
{
    const int codeDigits = int(std::strlen(city.areaCode)) - 1;
    const int base = (isAustrian(city) ? (codeDigits == 1 ? 8 : 9) : 10) - codeDigits;
    const int length = std::clamp(base - int(r.below(2)), 4, 8);
    return digits(r, length);
}

// The shapes numbers take in real address books.
QString formatLandline(Random& r, const City& city, const QString& subscriber, bool allowExtension)
{
    const QString code = QString::fromLatin1(city.areaCode);
    const QString codeNoZero = code.mid(1);
    if (isAustrian(city)) {
        const int p = int(r.below(100));
        if (p < 35)
            return u"+43 " + codeNoZero + u' ' + subscriber;
        if (p < 60)
            return u"0043 " + codeNoZero + u' ' + subscriber;
        if (p < 85)
            return code + u' ' + subscriber;
        return code + u'/' + subscriber;
    }
    const int p = int(r.below(allowExtension ? 100 : 95));
    if (p < 30)
        return code + u' ' + subscriber;
    if (p < 40)
        return u'(' + code + u") " + subscriber.left(3) + u'-' + subscriber.mid(3);
    if (p < 55)
        return u"+49 " + codeNoZero + u' ' + subscriber;
    if (p < 65)
        return code + subscriber;
    if (p < 80)
        return code + u'/' + subscriber;
    if (p < 88)
        return code + u'-' + subscriber;
    if (p < 95)
        return code + u' ' + subscriber.chopped(2) + u'-' + subscriber.right(2);
    return code + subscriber + u" x" + QString::number(r.between(1, 250));
}

QString landline(Random& r, const City& city, bool allowExtension = false)
{
    return formatLandline(r, city, subscriberFor(r, city), allowExtension);
}

QString mobileNumber(Random& r, const City& city)
{
    const QString prefix = QString::fromLatin1(r.pick(GermanData::mobilePrefixes(city.country)));
    const QString subscriber = digits(r, r.between(7, 8));
    const int p = int(r.below(100));
    if (isAustrian(city)) {
        if (p < 50)
            return prefix + u' ' + subscriber;
        return u"+43 " + prefix.mid(1) + u' ' + subscriber;
    }
    if (p < 40)
        return prefix + u' ' + subscriber;
    if (p < 70)
        return u"+49 " + prefix.mid(1) + u' ' + subscriber;
    if (p < 90)
        return prefix + u'/' + subscriber;
    return prefix + subscriber;
}

QString mailPart(const QString& text)
{
    QString out;
    for (QChar c : text.toLower()) {
        switch (c.unicode()) {
        case u'ä':
            out += u"ae";
            break;
        case u'ö':
            out += u"oe";
            break;
        case u'ü':
            out += u"ue";
            break;
        case u'ß':
            out += u"ss";
            break;
        default:
            if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-')
                out += c;
        }
    }
    return out;
}

QString companyName(Random& r, const QString& surname)
{
    const QString trade = utf8(r.pick(GermanData::companyTrades()));
    const QString form = utf8(r.pick(GermanData::companyForms()));
    QString name;
    switch (r.below(4)) {
    case 0:
        name = surname + u' ' + trade + u' ' + form;
        break;
    case 1:
        name = utf8(r.pick(GermanData::companyWords())) + u' ' + trade + u' ' + form;
        break;
    case 2:
        name = trade + u' ' + surname;
        break;
    default:
        name = surname + u" & " + utf8(r.pick(GermanData::surnames())) + u' ' + form;
        break;
    }
    if (name.size() > 40)
        name = surname + u' ' + trade;
    return name;
}

QDate dateWithin(Random& r, QDate from, int days)
{
    return from.addDays(qint64(r.below(quint64(days))));
}

} // namespace

QString Contact::text(QByteArrayView column) const
{
    static const struct {
        const char* column;
        QString Contact::*member;
    } kText[] = {
        {"UNIQUE_ID", &Contact::uniqueId},
        {"COMPANY", &Contact::company},
        {"NAME", &Contact::name},
        {"SALUTATION", &Contact::salutation},
        {"TITLE", &Contact::title},
        {"DEPARTMENT", &Contact::department},
        {"PHONE", &Contact::phone},
        {"FAX", &Contact::fax},
        {"MOBILE", &Contact::mobile},
        {"HOME_PHONE", &Contact::homePhone},
        {"ALT_PHONE", &Contact::altPhone},
        {"ADDRESS1", &Contact::address1},
        {"ZIP", &Contact::zip},
        {"CITY", &Contact::city},
        {"STATE", &Contact::state},
        {"COUNTRY", &Contact::country},
        {"EMAIL", &Contact::email},
        {"OWNER", &Contact::owner},
        {"USR0001", &Contact::mainPhone},
        {"USR0002", &Contact::industry},
        {"USR0005", &Contact::assistantPhone},
    };
    for (const auto& entry : kText) {
        if (column == QByteArrayView(entry.column))
            return this->*entry.member;
    }
    return {};
}

ContactGenerator::ContactGenerator(quint64 seed) : m_seed(seed) {}

QString ContactGenerator::uniqueId(quint64 seed, qint64 index)
{
    // index -> index * K + offset modulo 36^12 is a bijection because K is prime
    // to 36, so identifiers never repeat and still look scattered.
    constexpr quint64 kModulus = 4738381338321616896ULL;    // 36^12
    constexpr quint64 kFactor = 2654435761ULL * 1000003ULL; // odd, not a multiple of 3
    static_assert(kFactor % 2 == 1 && kFactor % 3 != 0);
    const quint64 offset = Random::mix(seed, 0x1D) % kModulus;
    unsigned __int128 x = static_cast<unsigned __int128>(quint64(index)) * kFactor + offset;
    quint64 v = quint64(x % kModulus);
    static const char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    QString id(12, QChar(u'0'));
    for (int i = 11; i >= 0; --i) {
        id[i] = QChar::fromLatin1(kDigits[v % 36]);
        v /= 36;
    }
    return id;
}

Contact ContactGenerator::contact(qint64 index) const
{
    return makeContact(index, true);
}

Contact ContactGenerator::makeContact(qint64 index, bool mayJoinColleague) const
{
    Random r(Random::mix(m_seed, quint64(index)));
    Contact c;
    c.uniqueId = uniqueId(m_seed, index);
    c.deleted = r.perMille(4);

    const bool female = r.percent(50);
    const QString first =
        utf8(r.pick(female ? GermanData::femaleFirstNames() : GermanData::maleFirstNames()));
    const QString last = utf8(r.pick(GermanData::surnames()));
    c.salutation = female ? QStringLiteral("Frau") : QStringLiteral("Herr");
    c.name = (r.percent(4) ? QStringLiteral("Dr. ") : QString()) + first + u' ' + last;

    const City& city = pickCity(r);
    const bool privateContact = r.percent(15);
    c.city = utf8(city.name);
    c.state = utf8(city.state);
    c.country = isAustrian(city) ? QStringLiteral("Österreich") : QStringLiteral("Deutschland");
    const int zip = r.between(city.zipLow, city.zipHigh);
    c.zip = QString::number(zip).rightJustified(isAustrian(city) ? 4 : 5, u'0');
    c.address1 = utf8(r.pick(GermanData::streets())) + u' ' + QString::number(r.between(1, 180)) +
                 (r.percent(5) ? QStringLiteral("a") : QString());

    const QString mailName = mailPart(first) + u'.' + mailPart(last);
    const QString topLevel = isAustrian(city) ? QStringLiteral(".at") : QStringLiteral(".de");
    if (!privateContact) {
        c.company = companyName(r, last);
        c.title = utf8(r.pick(GermanData::jobTitles()));
        if (r.percent(60))
            c.department = utf8(r.pick(GermanData::departments()));
        if (r.percent(50))
            c.industry = utf8(r.pick(GermanData::industries()));
        if (r.percent(70))
            c.email = mailName + u'@' + mailPart(c.company.section(u' ', 0, 0)) + topLevel;
    } else if (r.percent(50)) {
        static const char* const kProviders[] = {"web", "gmx", "t-online", "freenet"};
        c.email =
            mailName + u'@' + utf8(r.pick(std::span<const char* const>(kProviders))) + topLevel;
    }

    QString subscriber;
    if (r.percent(privateContact ? 90 : 96)) {
        subscriber = subscriberFor(r, city);
        c.phone = formatLandline(r, city, subscriber, !privateContact);
    }
    if (!privateContact && r.percent(55)) {
        // Company faxes usually sit next to the phone number.
        const QString fax =
            subscriber.size() > 4 ? subscriber.chopped(2) + u"99" : subscriberFor(r, city);
        c.fax = formatLandline(r, city, fax, false);
    }
    if (r.percent(privateContact ? 60 : 45))
        c.mobile = mobileNumber(r, city);
    if (!privateContact && r.percent(15))
        c.homePhone = landline(r, city);
    if (r.percent(7))
        c.altPhone = r.percent(50) ? landline(r, city) : mobileNumber(r, city);
    if (!privateContact && r.percent(25))
        c.mainPhone = landline(r, city);
    if (!privateContact && r.percent(5))
        c.assistantPhone = landline(r, city, true);

    c.created = dateWithin(r, QDate(1996, 1, 1), 9 * 365);
    if (r.percent(80))
        c.edited = dateWithin(r, c.created, 700);
    static const char* const kOwners[] = {"ADMIN", "MSCHMIDT", "KWEBER", "VERTRIEB"};
    c.owner = utf8(r.pick(std::span<const char* const>(kOwners)));
    if (r.percent(45))
        c.revenue = double(r.below(1000000000)) / 100.0;
    const int newsletter = int(r.below(10));
    if (newsletter < 3)
        c.newsletter = true;
    else if (newsletter < 8)
        c.newsletter = false;

    // Odd contacts sometimes work with the contact before them: same company
    // and address, and the same main number.
    if (mayJoinColleague && (index % 2) == 1 && r.percent(10)) {
        const Contact colleague = makeContact(index - 1, false);
        if (!colleague.company.isEmpty() && !colleague.phone.isEmpty()) {
            c.company = colleague.company;
            c.address1 = colleague.address1;
            c.zip = colleague.zip;
            c.city = colleague.city;
            c.state = colleague.state;
            c.country = colleague.country;
            c.industry = colleague.industry;
            c.phone = colleague.phone;
            c.fax = colleague.fax;
            c.mainPhone = colleague.mainPhone;
            c.homePhone.clear();
            if (c.title.isEmpty())
                c.title = utf8(r.pick(GermanData::jobTitles()));
            c.email = c.email.isEmpty() || colleague.email.isEmpty()
                          ? QString()
                          : mailName + colleague.email.mid(colleague.email.indexOf(u'@'));
        }
    }
    return c;
}

qint64 ContactGenerator::groupCount(qint64 contacts)
{
    return std::max<qint64>(3, contacts / 40);
}

Group ContactGenerator::group(qint64 index) const
{
    Random r(Random::mix(m_seed ^ 0x6A09E667F3BCC908ULL, quint64(index)));
    Group g;
    g.uniqueId = uniqueId(m_seed ^ 0x6A09E667F3BCC908ULL, index);
    const QString kind = utf8(r.pick(GermanData::groupKinds()));
    const City& city = pickCity(r);
    if (r.percent(70)) {
        g.name = kind + u' ' + utf8(city.name);
        g.description = u"Alle " + kind + u" aus " + utf8(city.name) + u" und Umgebung";
    } else {
        const int year = r.between(1998, 2004);
        g.name = kind + u' ' + QString::number(year);
        g.description = kind + u" des Jahres " + QString::number(year);
    }
    g.created = dateWithin(r, QDate(1997, 1, 1), 8 * 365);
    g.members = r.between(1, 500);
    g.region = utf8(city.state);
    return g;
}

} // namespace actdbgen
