// Renders the flag pictures once at build time: every line of the flag table names a
// flag and its source (an ISO code of the public-domain flag set or one of our own
// SVG files). Writes one 32x16 PNG per flag and the resource list flags.qrc, so that
// the program never parses SVG while it draws.
//
// render_flags TABLE ISO_SVG_DIR OWN_SVG_DIR OUT_DIR

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QTextStream>
#include <cstdio>

namespace {

constexpr int Breite = 32;
constexpr int Hoehe = 16;

QImage Rendern(const QString& svgPath, bool rahmen) {
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid())
        return {};
    QImage image(Breite, Hoehe, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // The picture fills the whole flag, whatever its own proportions.
    renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
    renderer.render(&p, QRectF(0, 0, Breite, Hoehe));
    if (rahmen) {
        // A thin frame keeps white flags visible on white rows.
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QColor(0, 0, 0, 70));
        p.setBrush(Qt::NoBrush);
        p.drawRect(0, 0, Breite - 1, Hoehe - 1);
    }
    p.end();
    return image;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: render_flags TABLE ISO_SVG_DIR OWN_SVG_DIR OUT_DIR\n");
        return 2;
    }
    const QString table = QString::fromLocal8Bit(argv[1]);
    const QString isoDir = QString::fromLocal8Bit(argv[2]) + u'/';
    const QString ownDir = QString::fromLocal8Bit(argv[3]) + u'/';
    const QString outDir = QString::fromLocal8Bit(argv[4]) + u'/';

    QFile in(table);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "render_flags: cannot read %s\n", argv[1]);
        return 1;
    }
    QString qrc = QStringLiteral("<RCC>\n<qresource prefix=\"/flags\">\n");
    int rendered = 0;
    QTextStream lines(&in);
    while (!lines.atEnd()) {
        const QString line = lines.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList f = line.split(u'\t');
        if (f.size() != 2) {
            std::fprintf(stderr, "render_flags: bad line: %s\n", qPrintable(line));
            return 1;
        }
        const QString& name = f[0];
        const QString& source = f[1];
        const bool eigen = source.endsWith(QStringLiteral(".svg"));
        const QString svg = eigen ? ownDir + source : isoDir + source + QStringLiteral(".svg");
        const QImage image = Rendern(svg, !eigen);
        // A flag without a picture is left out; the program then draws no flag for it.
        if (image.isNull()) {
            std::fprintf(stderr, "render_flags: no picture for %s (%s)\n", qPrintable(name),
                         qPrintable(svg));
            continue;
        }
        const QString file = QStringLiteral("BM_") + name + QStringLiteral(".png");
        QSaveFile out(outDir + file);
        if (!out.open(QIODevice::WriteOnly) || !image.save(&out, "PNG") || !out.commit()) {
            std::fprintf(stderr, "render_flags: cannot write %s\n", qPrintable(outDir + file));
            return 1;
        }
        qrc += QStringLiteral("  <file>") + file.toHtmlEscaped() + QStringLiteral("</file>\n");
        ++rendered;
    }
    qrc += QStringLiteral("</qresource>\n</RCC>\n");
    QSaveFile list(outDir + QStringLiteral("flags.qrc"));
    if (!list.open(QIODevice::WriteOnly) || list.write(qrc.toUtf8()) < 0 || !list.commit())
        return 1;
    std::printf("render_flags: %d flags\n", rendered);
    return 0;
}
