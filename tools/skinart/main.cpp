// Draws the skin's PNG images into a folder: skinart <folder>. Run by hand
// when the look changes; its output is committed under resources/skin/ and
// packed at build time.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <functional>

namespace {

QString g_folder;

void save(const char *name, int w, int h, const std::function<void(QPainter &)> &draw)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.end();
    const QString path = QDir(g_folder).filePath(QLatin1String(name));
    if (!image.save(path, "PNG", 0))
        std::fprintf(stderr, "skinart: cannot write %s\n", qPrintable(path));
}

QLinearGradient vertical(int h, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

// Title bar strip: gradient, a light line under the top edge, dark rims.
void title(const char *name, QColor top, QColor bottom, QColor rim, QColor shine)
{
    save(name, 16, 30, [=](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(0, 0, 16, 30, vertical(30, top, bottom));
        p.fillRect(1, 1, 14, 1, shine);
        p.fillRect(0, 0, 16, 1, rim);
        p.fillRect(0, 0, 1, 30, rim);
        p.fillRect(15, 0, 1, 30, rim);
    });
}

// Frame: the side and bottom borders; the centre stays empty.
void frame(const char *name, QColor body, QColor rim, QColor inner)
{
    save(name, 12, 12, [=](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(0, 0, 12, 12, body);
        p.setPen(rim);
        p.drawRect(0, -1, 11, 12);
        p.setPen(inner);
        p.drawRect(3, -1, 5, 9);
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        p.fillRect(4, 0, 4, 8, Qt::transparent);
    });
}

void face(const char *name, QColor border, QColor top, QColor bottom, QColor shine,
          QColor ring = QColor())
{
    save(name, 24, 24, [=](QPainter &p) {
        const QRectF r(0.5, 0.5, 23, 23);
        p.setPen(border);
        p.setBrush(vertical(24, top, bottom));
        p.drawRoundedRect(r, 3, 3);
        p.setBrush(Qt::NoBrush);
        p.setPen(shine);
        p.drawLine(QPointF(3, 1.5), QPointF(21, 1.5));
        if (ring.isValid()) {
            p.setPen(ring);
            p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 2, 2);
        }
    });
}

enum class Glyph { Minimize, Maximize, Restore, Close };

void caption(const char *name, Glyph glyph, QColor fill, QColor edge)
{
    save(name, 32, 22, [=](QPainter &p) {
        if (fill.alpha()) {
            p.setPen(edge);
            p.setBrush(fill);
            p.drawRoundedRect(QRectF(1.5, 1.5, 29, 19), 3, 3);
        }
        p.setRenderHint(QPainter::Antialiasing, glyph == Glyph::Close);
        QPen pen(Qt::white, glyph == Glyph::Close ? 1.6 : 1.0);
        pen.setCapStyle(Qt::SquareCap);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        switch (glyph) {
        case Glyph::Minimize:
            p.fillRect(11, 14, 10, 2, Qt::white);
            break;
        case Glyph::Maximize:
            p.drawRect(11, 6, 9, 9);
            p.fillRect(11, 6, 10, 2, Qt::white);
            break;
        case Glyph::Restore:
            p.drawRect(11, 9, 7, 7);
            p.fillRect(11, 9, 8, 2, Qt::white);
            p.drawLine(14, 6, 21, 6);
            p.drawLine(14, 7, 21, 7);
            p.drawLine(21, 6, 21, 13);
            p.drawLine(19, 13, 21, 13);
            break;
        case Glyph::Close:
            p.drawLine(QPointF(11.5, 6.5), QPointF(20.5, 15.5));
            p.drawLine(QPointF(20.5, 6.5), QPointF(11.5, 15.5));
            break;
        }
    });
}

void tick(QPainter &p, QRectF box, QColor color, qreal width)
{
    QPen pen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(box.left() + box.width() * 0.18, box.top() + box.height() * 0.52);
    path.lineTo(box.left() + box.width() * 0.42, box.top() + box.height() * 0.76);
    path.lineTo(box.left() + box.width() * 0.84, box.top() + box.height() * 0.24);
    p.drawPath(path);
}

void check(const char *name, bool on)
{
    save(name, 15, 15, [=](QPainter &p) {
        p.setPen(QColor(0x7f, 0x95, 0xab));
        p.setBrush(vertical(15, Qt::white, QColor(0xe6, 0xec, 0xf2)));
        p.drawRoundedRect(QRectF(0.5, 0.5, 14, 14), 2, 2);
        if (on)
            tick(p, QRectF(1.5, 1.5, 12, 12), QColor(0x2a, 0x60, 0x94), 2.0);
    });
}

void radio(const char *name, bool on)
{
    save(name, 15, 15, [=](QPainter &p) {
        p.setPen(QColor(0x7f, 0x95, 0xab));
        p.setBrush(vertical(15, Qt::white, QColor(0xe6, 0xec, 0xf2)));
        p.drawEllipse(QRectF(0.5, 0.5, 14, 14));
        if (on) {
            p.setPen(Qt::NoPen);
            QRadialGradient g(QPointF(6.5, 6), 4.5);
            g.setColorAt(0, QColor(0x5a, 0x94, 0xcc));
            g.setColorAt(1, QColor(0x24, 0x56, 0x88));
            p.setBrush(g);
            p.drawEllipse(QRectF(4, 4, 7, 7));
        }
    });
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: skinart <folder>\n");
        return 1;
    }
    g_folder = QString::fromLocal8Bit(argv[1]);

    const QColor rimActive(0x16, 0x38, 0x57), rimInactive(0x6b, 0x7b, 0x8a);
    title("title_active.png", QColor(0x3b, 0x70, 0xa0), QColor(0x22, 0x4e, 0x78), rimActive,
          QColor(0x64, 0x94, 0xc2));
    title("title_inactive.png", QColor(0x9a, 0xaa, 0xb9), QColor(0x80, 0x91, 0xa1), rimInactive,
          QColor(0xb4, 0xc2, 0xcf));
    frame("frame_active.png", QColor(0x22, 0x4e, 0x78), rimActive, QColor(0x1a, 0x40, 0x63));
    frame("frame_inactive.png", QColor(0x80, 0x91, 0xa1), rimInactive, QColor(0x72, 0x83, 0x93));

    const QColor shine(255, 255, 255, 170);
    face("button_normal.png", QColor(0x8d, 0xa3, 0xb9), Qt::white, QColor(0xe2, 0xe9, 0xf0), shine);
    face("button_hot.png", QColor(0x4e, 0x8c, 0xc6), Qt::white, QColor(0xd3, 0xe5, 0xf6), shine);
    face("button_pressed.png", QColor(0x2f, 0x67, 0x9b), QColor(0xc3, 0xd8, 0xec),
         QColor(0xdd, 0xe9, 0xf5), QColor(0, 0, 0, 0));
    face("button_default.png", QColor(0x2f, 0x67, 0x9b), Qt::white, QColor(0xe2, 0xe9, 0xf0), shine,
         QColor(0xa4, 0xc5, 0xe6));
    face("button_disabled.png", QColor(0xc4, 0xcd, 0xd6), QColor(0xf4, 0xf6, 0xf8),
         QColor(0xee, 0xf1, 0xf4), QColor(0, 0, 0, 0));

    const struct { const char *stem; Glyph glyph; } glyphs[] = {
        {"minimize", Glyph::Minimize}, {"maximize", Glyph::Maximize},
        {"restore", Glyph::Restore},   {"close", Glyph::Close}};
    for (const auto &g : glyphs) {
        const bool close = g.glyph == Glyph::Close;
        const QByteArray stem = QByteArray("caption_") + g.stem;
        caption(stem + "_normal.png", g.glyph, Qt::transparent, Qt::transparent);
        caption(stem + "_hot.png", g.glyph,
                close ? QColor(0xd6, 0x45, 0x3b) : QColor(255, 255, 255, 56),
                close ? QColor(0xf0, 0x8a, 0x80) : QColor(255, 255, 255, 90));
        caption(stem + "_pressed.png", g.glyph,
                close ? QColor(0xa3, 0x2e, 0x27) : QColor(0, 0, 0, 70),
                close ? QColor(0x7c, 0x20, 0x1b) : QColor(0, 0, 0, 90));
    }

    check("check_off.png", false);
    check("check_on.png", true);
    radio("radio_off.png", false);
    radio("radio_on.png", true);
    face("combo_normal.png", QColor(0x8d, 0xa3, 0xb9), Qt::white, QColor(0xec, 0xf1, 0xf5), shine);
    face("combo_hot.png", QColor(0x4e, 0x8c, 0xc6), Qt::white, QColor(0xe3, 0xee, 0xf9), shine);
    save("combo_arrow.png", 9, 5, [](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x3a, 0x4d, 0x60));
        p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(9, 0), QPointF(4.5, 5)}));
    });
    const auto edit = [](const char *name, QColor border) {
        save(name, 8, 8, [border](QPainter &p) {
            p.setRenderHint(QPainter::Antialiasing, false);
            p.fillRect(0, 0, 8, 8, Qt::white);
            p.setPen(border);
            p.drawRect(0, 0, 7, 7);
            p.fillRect(1, 1, 6, 1, QColor(0xe9, 0xee, 0xf3));
        });
    };
    edit("edit_normal.png", QColor(0x9a, 0xae, 0xc2));
    edit("edit_focus.png", QColor(0x4e, 0x8c, 0xc6));

    save("menu_background.png", 32, 16, [](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(0, 0, 32, 16, QColor(0xfa, 0xfb, 0xfd));
        p.fillRect(1, 1, 26, 14, QColor(0xed, 0xf1, 0xf5));
        p.fillRect(27, 1, 1, 14, QColor(0xdc, 0xe3, 0xea));
        p.setPen(QColor(0x8d, 0xa3, 0xb9));
        p.drawRect(0, 0, 31, 15);
    });
    save("menu_highlight.png", 12, 12, [](QPainter &p) {
        p.setPen(QColor(0x86, 0xb2, 0xdd));
        p.setBrush(vertical(12, QColor(0xe3, 0xef, 0xfb), QColor(0xc8, 0xde, 0xf4)));
        p.drawRoundedRect(QRectF(0.5, 0.5, 11, 11), 2.5, 2.5);
    });
    save("menu_separator.png", 8, 7, [](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(0, 3, 8, 1, QColor(0xd3, 0xdc, 0xe5));
        p.fillRect(0, 4, 8, 1, Qt::white);
    });
    save("menu_check.png", 16, 16, [](QPainter &p) {
        tick(p, QRectF(2, 2, 12, 12), QColor(0x2a, 0x60, 0x94), 2.0);
    });
    save("menu_arrow.png", 5, 9, [](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x3a, 0x4d, 0x60));
        p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(5, 4.5), QPointF(0, 9)}));
    });
    return 0;
}
