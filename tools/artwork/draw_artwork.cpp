// Draws the program's pictures and writes them into the folder given, as the resources are kept:
//   make artwork
// Every picture is drawn here at its final size, pixel for pixel where it is small, so that it
// stays crisp; the files in resources/images are this program's output and are not edited.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>

namespace {

using Drawing = std::function<void(QPainter&)>;

QImage draw(QSize size, const Drawing& drawing) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawing(painter);
    return image;
}

// An open yellow folder, for the buttons that browse for a file.
void folder(QPainter& p) {
    const QColor edge(120, 84, 10);
    p.setPen(QPen(edge, 1));
    p.setBrush(QColor(236, 190, 70));
    // The back of the folder with its tab.
    QPainterPath back;
    back.moveTo(1.5, 3.5);
    back.lineTo(6.5, 3.5);
    back.lineTo(7.5, 5.5);
    back.lineTo(13.5, 5.5);
    back.lineTo(13.5, 13.5);
    back.lineTo(1.5, 13.5);
    back.closeSubpath();
    p.drawPath(back);
    // The front flap, opened towards the viewer.
    p.setBrush(QColor(252, 222, 120));
    QPainterPath front;
    front.moveTo(1.5, 13.5);
    front.lineTo(4.0, 7.5);
    front.lineTo(15.5, 7.5);
    front.lineTo(13.5, 13.5);
    front.closeSubpath();
    p.drawPath(front);
}

// A page dropping into a bowl, with a red arrow pointing down: add the entry to the list.
void addToList(QPainter& p) {
    // The bowl.
    QPainterPath bowl;
    bowl.moveTo(3, 18.5);
    bowl.lineTo(25, 18.5);
    bowl.cubicTo(25, 24, 21, 26.5, 14, 26.5);
    bowl.cubicTo(7, 26.5, 3, 24, 3, 18.5);
    QLinearGradient glaze(0, 18, 0, 27);
    glaze.setColorAt(0, QColor(110, 150, 210));
    glaze.setColorAt(1, QColor(40, 70, 140));
    p.setPen(QPen(QColor(25, 45, 95), 1));
    p.setBrush(glaze);
    p.drawPath(bowl);
    p.setPen(QPen(QColor(190, 210, 240), 1));
    p.drawLine(QPointF(5, 19.5), QPointF(23, 19.5));
    // The page, tilted as it falls, with a few lines of text.
    p.save();
    p.translate(9, 4);
    p.rotate(-12);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0.5, 0.5, 9, 12));
    p.setPen(QPen(QColor(150, 160, 185), 1));
    for (double y = 3.5; y < 11; y += 2.5)
        p.drawLine(QPointF(2.5, y), QPointF(7.5, y));
    p.restore();
    // The arrow, beside the page, pointing into the bowl.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(205, 25, 25));
    QPainterPath arrow;
    arrow.moveTo(20, 2);
    arrow.lineTo(24, 2);
    arrow.lineTo(24, 10);
    arrow.lineTo(27, 10);
    arrow.lineTo(22, 16);
    arrow.lineTo(17, 10);
    arrow.lineTo(20, 10);
    arrow.closeSubpath();
    p.drawPath(arrow);
}

bool save(const QImage& image, const QString& path) {
    if (image.save(path))
        return true;
    std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_artwork FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool ok = save(draw({16, 16}, folder), out.filePath("folder.png"));
    ok = save(draw({28, 28}, addToList), out.filePath("add.png")) && ok;
    return ok ? 0 : 1;
}
