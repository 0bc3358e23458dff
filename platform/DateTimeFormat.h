#pragma once

#include <QDateTime>
#include <QString>

// Formats a date and time by the platform's date-time format rules. The
// result depends on the format and the date and time alone: no regional
// setting is read, and digits are always ASCII.
//
// Tokens (letters in either case):
//   yy, yyyy       year in two / four digits
//   m, mm          month without / with a leading zero, or minutes when the
//                  nearest letter token before it is an hour token (h, hh)
//   mmm, mmmm      short / long English month name (minutes after an hour token)
//   d, dd          day without / with a leading zero
//   ddd, dddd      short / long English day name
//   ddddd, dddddd  the short date "mm/dd/yyyy" / the long date "dddd, mmmm d, yyyy"
//   aaa, aaaa      short / long English day name
//   h, hh          hour without / with a leading zero; on the 24-hour clock
//                  unless an am/pm, a/p or ampm token follows it (before the
//                  next hour token)
//   n, nn          minutes; s, ss seconds (without / with a leading zero)
//   z, zzz         milliseconds without leading zeros / in three digits
//   am/pm, a/p     "am"/"pm" or "a"/"p", in the case written in the format
//   ampm           "AM" / "PM"
//   t, tt          the short time "hh:nn" / long time "hh:nn:ss"
//   c              the short date, then " " and the long time unless the time is 00:00:00
//   /  :           the date separator "/" and the time separator ":"
//   "..." '...'    literal text, copied unchanged without its quotes
// Any other character is copied unchanged.
QString formatDateTime(const QString &format, const QDateTime &dateTime);
