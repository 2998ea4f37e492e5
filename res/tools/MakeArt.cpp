// Draws the program's icon and banner. Run once with the output folder as its
// argument; the results are kept in res/ so the build does not depend on it.
//   build/debug/res/tools/make-art res
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtEndian>

#include <cstdio>

namespace {

const QColor kDeep(0x0b, 0x3d, 0x91);
const QColor kSky(0x2a, 0x8b, 0xd8);

// The Wi-Fi mark: a dot and three arcs, centred at the bottom of rect.
void DrawWifiMark(QPainter& p, const QRectF& rect, const QColor& colour) {
    const qreal unit = rect.width() / 8.0;
    const QPointF centre(rect.center().x(), rect.bottom() - unit * 0.9);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(centre, unit * 0.75, unit * 0.75);
    QPen pen(colour, unit * 0.85, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        const qreal r = unit * (0.6 + 1.5 * i);
        p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 45 * 16, 90 * 16);
    }
}

QImage Icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, size);
    g.setColorAt(0, kSky);
    g.setColorAt(1, kDeep);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    const qreal m = size / 16.0;
    p.drawRoundedRect(QRectF(m, m, size - 2 * m, size - 2 * m), size / 5.0, size / 5.0);
    DrawWifiMark(p, QRectF(size * 0.14, size * 0.1, size * 0.72, size * 0.72), Qt::white);
    return image;
}

void Put16(QByteArray& out, quint16 v) {
    v = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&v), 2);
}
void Put32(QByteArray& out, quint32 v) {
    v = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&v), 4);
}

// One icon image as a DIB: header, palette (8 bits), pixels bottom-up, mask.
QByteArray Dib(const QImage& argb, int bits) {
    const int n = argb.width();
    QByteArray out;
    Put32(out, 40);
    Put32(out, n);
    Put32(out, 2 * n);  // pixels and mask
    Put16(out, 1);
    Put16(out, static_cast<quint16>(bits));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, bits == 8 ? 256 : 0);
    Put32(out, 0);
    QImage indexed;
    if (bits == 8) {
        indexed = argb.convertToFormat(QImage::Format_RGB32)
                      .convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
        auto table = indexed.colorTable();
        table.resize(256, qRgb(0, 0, 0));
        for (QRgb c : table) {
            out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append('\0');
        }
    }
    for (int y = n - 1; y >= 0; --y) {
        for (int x = 0; x < n; ++x) {
            if (bits == 8) {
                out.append(char(indexed.pixelIndex(x, y)));
            } else {
                const QRgb c = argb.pixel(x, y);
                out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
                out.append(char(qAlpha(c)));
            }
        }
    }
    const int maskRow = ((n + 31) / 32) * 4;
    for (int y = n - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < n; ++x) {
            if (qAlpha(argb.pixel(x, y)) < 128) {
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out.append(row);
    }
    return out;
}

// Six images: 48, 32 and 16 pixels, each in 256 colours and in true colour.
QByteArray IconFile() {
    struct Entry {
        int size, bits;
        QByteArray dib;
    };
    QList<Entry> entries;
    for (int bits : {8, 32}) {
        for (int size : {48, 32, 16}) {
            entries.append({size, bits, Dib(Icon(size), bits)});
        }
    }
    QByteArray out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, static_cast<quint16>(entries.size()));
    quint32 offset = 6 + 16 * entries.size();
    for (const auto& e : entries) {
        // Width and height of the image (0 would mean 256), no colour count
        // (256 or more colours), reserved.
        out.append(char(e.size)).append(char(e.size)).append(char(0)).append(char(0));
        Put16(out, 1);
        Put16(out, static_cast<quint16>(e.bits));
        Put32(out, static_cast<quint32>(e.dib.size()));
        Put32(out, offset);
        offset += static_cast<quint32>(e.dib.size());
    }
    for (const auto& e : entries) {
        out.append(e.dib);
    }
    return out;
}

QImage Banner(const QString& titleText, const QString& subtitleText) {
    QImage image(549, 73, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 549, 0);
    g.setColorAt(0, kDeep);
    g.setColorAt(1, kSky);
    p.fillRect(image.rect(), g);
    DrawWifiMark(p, QRectF(14, 6, 64, 60), Qt::white);
    p.setPen(Qt::white);
    QFont title("WenQuanYi Zen Hei", 22, QFont::Bold);
    p.setFont(title);
    p.drawText(QRect(96, 6, 440, 38), Qt::AlignLeft | Qt::AlignVCenter, titleText);
    QFont sub("WenQuanYi Zen Hei", 10);
    p.setFont(sub);
    p.setPen(QColor(0xdd, 0xee, 0xff));
    p.drawText(QRect(98, 44, 440, 22), Qt::AlignLeft | Qt::AlignVCenter, subtitleText);
    p.end();
    // 256 colours: 16 steps along the gradient, each blended in 16 steps
    // toward white for the text's edges; diffused so that nothing bands.
    QList<QRgb> table;
    for (int g = 0; g < 16; ++g) {
        const qreal t = g / 15.0;
        const QColor base = QColor::fromRgbF(kDeep.redF() + (kSky.redF() - kDeep.redF()) * t,
                                             kDeep.greenF() + (kSky.greenF() - kDeep.greenF()) * t,
                                             kDeep.blueF() + (kSky.blueF() - kDeep.blueF()) * t);
        for (int w = 0; w < 16; ++w) {
            const qreal a = w / 15.0;
            table.append(qRgb(int(base.red() + (255 - base.red()) * a),
                              int(base.green() + (255 - base.green()) * a),
                              int(base.blue() + (255 - base.blue()) * a)));
        }
    }
    return image.convertToFormat(QImage::Format_Indexed8, table, Qt::DiffuseDither);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-art OUTPUT_FOLDER\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QFile ico(dir + "/app.ico");
    if (!ico.open(QIODevice::WriteOnly) || ico.write(IconFile()) < 0) {
        std::fprintf(stderr, "make-art: cannot write %s\n", qPrintable(ico.fileName()));
        return 1;
    }
    // The same mark for desktops: the hicolor theme's sizes.
    QDir().mkpath(dir + QStringLiteral("/icons"));
    for (int size : {16, 32, 48, 256}) {
        if (!Icon(size).save(dir + QStringLiteral("/icons/%1.png").arg(size), "PNG")) {
            std::fprintf(stderr, "make-art: cannot write the %d-pixel icon\n", size);
            return 1;
        }
    }
    // The banner in each of the window's languages.
    if (!Banner(QStringLiteral("WIFI参数配置"),
                QStringLiteral("Wi-Fi 串口模块 · 读取、修改、保存模块参数"))
             .save(dir + "/banner.bmp", "BMP") ||
        !Banner(QStringLiteral("Wi-Fi Module Configuration"),
                QStringLiteral("Wi-Fi serial modules · read, edit and save their parameters"))
             .save(dir + "/banner-en.bmp", "BMP")) {
        std::fprintf(stderr, "make-art: cannot write the banner\n");
        return 1;
    }
    return 0;
}
