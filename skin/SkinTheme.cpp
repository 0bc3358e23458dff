#include "SkinTheme.h"

#include <QHash>
#include <QPainter>
#include <QRegularExpression>

namespace {

constexpr const char *BasePartKeys[] = {
    "title.active",   "title.inactive", "frame.active",    "frame.inactive", "button.normal",
    "button.hot",     "button.pressed", "button.default",  "button.disabled", "check.off",
    "check.on",       "radio.off",      "radio.on",        "combo.normal",   "combo.hot",
    "combo.arrow",    "edit.normal",    "edit.focus",      "menu.background", "menu.highlight",
    "menu.separator", "menu.check",     "menu.arrow",
};
static_assert(std::size(BasePartKeys) == size_t(SkinPart::CaptionFirst));

constexpr const char *CaptionButtonNames[] = {"minimize", "maximize", "restore", "close"};
constexpr const char *CaptionStateNames[] = {"normal", "hot", "pressed"};

struct ColorKey
{
    const char *key;
    QColor SkinColors::*member;
};

constexpr ColorKey ColorKeys[] = {
    {"button-face", &SkinColors::buttonFace},
    {"button-text", &SkinColors::buttonText},
    {"button-text-hot", &SkinColors::buttonTextHot},
    {"button-text-pressed", &SkinColors::buttonTextPressed},
    {"button-text-default", &SkinColors::buttonTextDefault},
    {"button-text-disabled", &SkinColors::buttonTextDisabled},
    {"title-text", &SkinColors::titleText},
    {"title-text-inactive", &SkinColors::titleTextInactive},
    {"window-text", &SkinColors::windowText},
    {"edit-background", &SkinColors::editBackground},
    {"edit-text", &SkinColors::editText},
    {"highlight", &SkinColors::highlight},
    {"highlight-text", &SkinColors::highlightText},
    {"menu-text", &SkinColors::menuText},
    {"menu-text-highlight", &SkinColors::menuTextHighlight},
    {"menu-text-disabled", &SkinColors::menuTextDisabled},
};

// "[section]" and "key = value" lines; '#' starts a comment line.
using Sections = QHash<QString, QHash<QString, QString>>;

Sections parseDescription(const QString &text)
{
    Sections sections;
    QString section;
    for (QString line : text.split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq > 0)
            sections[section][line.left(eq).trimmed()] = line.mid(eq + 1).trimmed();
    }
    return sections;
}

} // namespace

QString skinPartKey(int part)
{
    if (part < int(SkinPart::CaptionFirst))
        return QString::fromLatin1(BasePartKeys[part]);
    const int index = part - int(SkinPart::CaptionFirst);
    return QStringLiteral("caption.%1.%2")
        .arg(QLatin1String(CaptionButtonNames[index / 3]), QLatin1String(CaptionStateNames[index % 3]));
}

std::optional<SkinTheme> SkinTheme::fromEntries(const QList<SkinPackage::Entry> &entries,
                                                QString *problem)
{
    const auto fail = [problem](const QString &text) {
        if (problem)
            *problem = text;
        return std::nullopt;
    };
    QHash<QString, QByteArray> files;
    for (const SkinPackage::Entry &entry : entries)
        files.insert(entry.name, entry.data);
    if (!files.contains(QLatin1String(SkinDescriptionName)))
        return fail(QStringLiteral("no description"));
    const Sections sections =
        parseDescription(QString::fromUtf8(files.value(QLatin1String(SkinDescriptionName))));

    SkinTheme theme;
    theme.name = sections.value(QStringLiteral("skin")).value(QStringLiteral("name"));
    const auto colors = sections.value(QStringLiteral("colors"));
    for (const ColorKey &key : ColorKeys) {
        const QColor color = QColor::fromString(colors.value(QLatin1String(key.key)));
        if (!color.isValid())
            return fail(QStringLiteral("colour %1 missing or invalid").arg(QLatin1String(key.key)));
        theme.colors.*key.member = color;
    }

    const QStringList buttons = sections.value(QStringLiteral("skin"))
                                    .value(QStringLiteral("caption-buttons"))
                                    .split(u' ', Qt::SkipEmptyParts);
    for (const QString &name : buttons) {
        const auto found = std::find_if(std::begin(CaptionButtonNames), std::end(CaptionButtonNames),
                                        [&name](const char *n) { return name == QLatin1String(n); });
        if (found == std::end(CaptionButtonNames))
            return fail(QStringLiteral("unknown caption button %1").arg(name));
        theme.captionButtons.append(CaptionButton(found - std::begin(CaptionButtonNames)));
    }

    // "key = file.png left top right bottom": the image and its slices.
    const auto images = sections.value(QStringLiteral("images"));
    for (int part = 0; part < int(SkinPart::Count); ++part) {
        const QString key = skinPartKey(part);
        const bool isCaption = part >= int(SkinPart::CaptionFirst);
        if (isCaption &&
            !theme.defines(CaptionButton((part - int(SkinPart::CaptionFirst)) / 3)))
            continue; // only the buttons the skin offers need pictures
        const QStringList fields = images.value(key).split(u' ', Qt::SkipEmptyParts);
        if (fields.size() != 1 && fields.size() != 5)
            return fail(QStringLiteral("image %1 missing").arg(key));
        if (!files.contains(fields[0]))
            return fail(QStringLiteral("image file %1 missing").arg(fields[0]));
        SlicedImage &target = theme.images[size_t(part)];
        if (!target.image.loadFromData(files.value(fields[0]), "PNG"))
            return fail(QStringLiteral("image %1 does not decode").arg(fields[0]));
        target.image.convertTo(QImage::Format_ARGB32_Premultiplied);
        if (fields.size() == 5) {
            int m[4];
            for (int i = 0; i < 4; ++i) {
                bool ok = false;
                m[i] = fields[i + 1].toInt(&ok);
                if (!ok || m[i] < 0)
                    return fail(QStringLiteral("image %1: bad slices").arg(key));
            }
            target.slices = QMargins(m[0], m[1], m[2], m[3]);
            if (m[0] + m[2] > target.image.width() || m[1] + m[3] > target.image.height())
                return fail(QStringLiteral("image %1: slices larger than the image").arg(key));
        }
    }
    return theme;
}

void SlicedImage::draw(QPainter &painter, const QRect &target) const
{
    if (image.isNull() || target.isEmpty())
        return;
    const QMargins &m = slices;
    const int w = image.width(), h = image.height();
    const int sx[4] = {0, m.left(), w - m.right(), w};
    const int sy[4] = {0, m.top(), h - m.bottom(), h};
    // Corners keep their size, but never more than half the target.
    const int left = qMin(m.left(), target.width() / 2), right = qMin(m.right(), target.width() / 2);
    const int top = qMin(m.top(), target.height() / 2),
              bottom = qMin(m.bottom(), target.height() / 2);
    const int tx[4] = {target.left(), target.left() + left, target.right() + 1 - right,
                       target.right() + 1};
    const int ty[4] = {target.top(), target.top() + top, target.bottom() + 1 - bottom,
                       target.bottom() + 1};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRect source(sx[col], sy[row], sx[col + 1] - sx[col], sy[row + 1] - sy[row]);
            const QRect dest(tx[col], ty[row], tx[col + 1] - tx[col], ty[row + 1] - ty[row]);
            if (!source.isEmpty() && !dest.isEmpty())
                painter.drawImage(dest, image, source);
        }
    }
}
