#include "CaptionRule.h"

#include <QDialog>

QString replacedDialogCaption(const QString &caption, const QString &applicationTitle)
{
    QString result = caption;
    const QString vendor = QStringLiteral("Microsoft ");
    if (const qsizetype at = result.indexOf(vendor, 0, Qt::CaseSensitive); at >= 0)
        result.remove(at, vendor.size());
    const QString product = QStringLiteral("Internet Explorer");
    if (const qsizetype at = result.indexOf(product, 0, Qt::CaseSensitive); at >= 0)
        result.replace(at, product.size(), applicationTitle);
    return result;
}

bool isStandardDialogBox(const QWidget *window)
{
    return window && window->isWindow() && qobject_cast<const QDialog *>(window) &&
           !window->inherits("TForm");
}
