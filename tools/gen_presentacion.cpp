// Build step: paints the splash picture (resources/splash.svg) once, at the
// size the splash shows it on a screen of device pixel ratio 1, into raw
// premultiplied ARGB32 pixels. The splash copies these instead of parsing and
// painting the SVG at every start; on other pixel ratios it still paints the
// SVG. The painting is the one the splash would do itself: the same renderer
// on the same kind of image, so the pixels are the same.
//   tarvel_gen_presentacion SPLASH.svg WIDTH HEIGHT OUTPUT
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s SPLASH.svg WIDTH HEIGHT OUTPUT\n", argv[0]);
        return 2;
    }
    QSvgRenderer dibujo(QString::fromLocal8Bit(argv[1]));
    const int ancho = QByteArray(argv[2]).toInt();
    const int alto = QByteArray(argv[3]).toInt();
    if (!dibujo.isValid() || ancho <= 0 || alto <= 0) {
        std::fprintf(stderr, "%s: cannot paint %s at %sx%s\n", argv[0], argv[1], argv[2], argv[3]);
        return 1;
    }
    QImage imagen(ancho, alto, QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::transparent);
    {
        QPainter pintor(&imagen);
        dibujo.render(&pintor, QRectF(0, 0, ancho, alto));
    }
    QFile salida(QString::fromLocal8Bit(argv[4]));
    if (!salida.open(QIODevice::WriteOnly) ||
        salida.write(reinterpret_cast<const char*>(imagen.constBits()), imagen.sizeInBytes()) != imagen.sizeInBytes()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[4]);
        return 1;
    }
    return 0;
}
