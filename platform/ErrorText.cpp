#include "ErrorText.h"

QString errorBoxText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

QString applicationErrorText(const QString &kind, const QString &programFile,
                             const void *address, const QString &message)
{
    const auto code = QStringLiteral("%1").arg(reinterpret_cast<quintptr>(address), 8, 16,
                                               QLatin1Char('0')).toUpper();
    return QStringLiteral("Exception %1 in module %2 at %3.\n%4")
        .arg(kind, programFile, code, errorBoxText(message));
}
