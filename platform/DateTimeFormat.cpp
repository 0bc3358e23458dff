#include "DateTimeFormat.h"

#include <QLatin1StringView>

namespace {

// The fixed settings that stand in for the regional ones.
constexpr QStringView shortDateFormat = u"mm/dd/yyyy";
constexpr QStringView longDateFormat = u"dddd, mmmm d, yyyy";
constexpr QStringView shortTimeFormat = u"hh:nn";
constexpr QStringView longTimeFormat = u"hh:nn:ss";
const QLatin1StringView amText("AM");
const QLatin1StringView pmText("PM");
const char *const shortMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char *const longMonthNames[12] = {"January",   "February", "March",    "April",
                                        "May",       "June",     "July",     "August",
                                        "September", "October",  "November", "December"};
// In the order of QDate::dayOfWeek(): Monday first.
const char *const shortDayNames[7] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
const char *const longDayNames[7] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                     "Friday", "Saturday", "Sunday"};
// Short date, long date, short and long time may name one another once.
const int maxNesting = 2;

// Names by 1-based index; an invalid date (index 0) has none.
QLatin1StringView name(const char *const *names, int count, int index)
{
    return index >= 1 && index <= count ? QLatin1StringView(names[index - 1]) : QLatin1StringView();
}

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

QChar asciiUpper(QChar c)
{
    return (c >= u'a' && c <= u'z') ? QChar(c.unicode() - 'a' + 'A') : c;
}

bool startsWithAt(QStringView text, qsizetype at, QLatin1StringView word)
{
    return text.mid(at).startsWith(word, Qt::CaseInsensitive);
}

class Formatter
{
public:
    Formatter(const QDate &date, const QTime &time) : m_date(date), m_time(time) {}

    void append(QStringView format, int nesting);
    QString result() const { return m_out; }

private:
    void number(int value, int digits)
    {
        m_out += QString::number(value).rightJustified(digits, u'0');
    }
    bool hourIsOnTwelveHourClock(QStringView format, qsizetype from) const;
    qsizetype appendAmPm(QStringView format, qsizetype at);

    const QDate m_date;
    const QTime m_time;
    QString m_out;
};

// The hour is on the 12-hour clock when, before the next hour token, an
// am/pm, a/p or ampm token follows; the first unquoted "a" decides.
bool Formatter::hourIsOnTwelveHourClock(QStringView format, qsizetype from) const
{
    bool quoted = false;
    for (qsizetype i = from; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'"' || c == u'\'') {
            quoted = !quoted;
        } else if (!quoted && (c == u'h' || c == u'H')) {
            return false;
        } else if (!quoted && (c == u'a' || c == u'A')) {
            return startsWithAt(format, i, QLatin1StringView("am/pm")) ||
                   startsWithAt(format, i, QLatin1StringView("a/p")) ||
                   startsWithAt(format, i, QLatin1StringView("ampm"));
        }
    }
    return false;
}

// An "a" at `at`: one of the am/pm tokens, a day name, or the letter itself.
// Returns how many characters of the format it took.
qsizetype Formatter::appendAmPm(QStringView format, qsizetype at)
{
    const bool pm = m_time.hour() >= 12;
    if (startsWithAt(format, at, QLatin1StringView("am/pm"))) {
        m_out += format.mid(at + (pm ? 3 : 0), 2);
        return 5;
    }
    if (startsWithAt(format, at, QLatin1StringView("a/p"))) {
        m_out += format[at + (pm ? 2 : 0)];
        return 3;
    }
    if (startsWithAt(format, at, QLatin1StringView("ampm"))) {
        m_out += pm ? pmText : amText;
        return 4;
    }
    if (startsWithAt(format, at, QLatin1StringView("aaaa"))) {
        m_out += name(longDayNames, 7, m_date.dayOfWeek());
        return 4;
    }
    if (startsWithAt(format, at, QLatin1StringView("aaa"))) {
        m_out += name(shortDayNames, 7, m_date.dayOfWeek());
        return 3;
    }
    m_out += format[at];
    return 1;
}

void Formatter::append(QStringView format, int nesting)
{
    if (nesting > maxNesting)
        return;
    QChar lastToken;
    qsizetype i = 0;
    while (i < format.size()) {
        const QChar starter = format[i];
        QChar token = asciiUpper(starter);
        if (isAsciiLetter(starter)) {
            // m right after an hour token is the minute.
            if (token == u'M' && lastToken == u'H')
                token = u'N';
            lastToken = token;
        }
        // A token is a run of one letter, repeated in the same case.
        qsizetype count = 1;
        while (i + count < format.size() && format[i + count] == starter)
            ++count;

        switch (token.unicode()) {
        case 'Y':
            if (count <= 2)
                number(m_date.year() % 100, 2);
            else
                number(m_date.year(), 4);
            break;
        case 'M':
            if (count <= 2)
                number(m_date.month(), int(count));
            else
                m_out += name(count == 3 ? shortMonthNames : longMonthNames, 12, m_date.month());
            break;
        case 'D':
            if (count <= 2)
                number(m_date.day(), int(count));
            else if (count == 3)
                m_out += name(shortDayNames, 7, m_date.dayOfWeek());
            else if (count == 4)
                m_out += name(longDayNames, 7, m_date.dayOfWeek());
            else
                append(count == 5 ? shortDateFormat : longDateFormat, nesting + 1);
            break;
        case 'H': {
            int hour = m_time.hour();
            if (hourIsOnTwelveHourClock(format, i + count))
                hour = hour == 0 ? 12 : (hour > 12 ? hour - 12 : hour);
            number(hour, int(qMin<qsizetype>(count, 2)));
            break;
        }
        case 'N':
            number(m_time.minute(), int(qMin<qsizetype>(count, 2)));
            break;
        case 'S':
            number(m_time.second(), int(qMin<qsizetype>(count, 2)));
            break;
        case 'Z':
            number(m_time.msec(), count <= 2 ? 1 : 3);
            break;
        case 'T':
            append(count == 1 ? shortTimeFormat : longTimeFormat, nesting + 1);
            break;
        case 'C':
            append(shortDateFormat, nesting + 1);
            if (m_time != QTime(0, 0)) {
                m_out += u' ';
                append(longTimeFormat, nesting + 1);
            }
            break;
        case 'A':
            count = appendAmPm(format, i);
            break;
        case '/':
        case ':':
            // The date and time separators, fixed.
            m_out += starter;
            count = 1;
            break;
        case '"':
        case '\'': {
            const qsizetype close = format.indexOf(starter, i + 1);
            const qsizetype end = close < 0 ? format.size() : close;
            m_out += format.mid(i + 1, end - i - 1);
            count = (close < 0 ? end : end + 1) - i;
            break;
        }
        default:
            m_out += starter;
            count = 1;
            break;
        }
        i += count;
    }
}

} // namespace

QString formatDateTime(const QString &format, const QDateTime &dateTime)
{
    Formatter formatter(dateTime.date(), dateTime.time());
    formatter.append(format, 0);
    return formatter.result();
}
