#include "ui/shell/frmPresentacion.h"

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QTimer>
#include <optional>

#include "ui/shell/Arranque.h"
#include "ui/common/Textos.h"
#include "ui/common/Ventana.h"
#include "ui/shell/frmTarvelPrimera.h"

// The splash picture is compiled into this static library; its registration
// must be pulled in by name.
static void CargarRecursos() { Q_INIT_RESOURCE(tarvel); }

namespace tarvel {
namespace {

constexpr int kAncho = 600;
constexpr int kAlto = 360;
constexpr int kBanda = 84;  // height of the title band
constexpr int kColumna = 288;  // left edge of the credit column
const char* const kColorBanda = "#2f6b5e";
const char* const kColorSombra = "#173a33";

// The picture as the build painted it for this size at pixel ratio 1, if it did.
std::optional<QPixmap> IlustracionPintada(QSize tamano, qreal escala) {
    if (escala != 1) return std::nullopt;
    QFile archivo(QStringLiteral(":/splash-%1x%2.argb").arg(tamano.width()).arg(tamano.height()));
    if (!archivo.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray pixeles = archivo.readAll();
    if (pixeles.size() != qsizetype(tamano.width()) * tamano.height() * 4) return std::nullopt;
    const QImage imagen(reinterpret_cast<const uchar*>(pixeles.constData()), tamano.width(), tamano.height(),
                        tamano.width() * 4, QImage::Format_ARGB32_Premultiplied);
    // A deep copy: the pixels must outlive `pixeles`.
    return QPixmap::fromImage(imagen.copy());
}

}  // namespace

// Painting the SVG costs more than the rest of the splash before its first
// paint; the picture the build painted is used where it fits the screen.
QPixmap Ilustracion(QSize tamano, qreal escala) {
    CargarRecursos();
    if (auto pintada = IlustracionPintada(tamano, escala)) return *pintada;
    return IlustracionSvg(tamano, escala);
}

QPixmap IlustracionSvg(QSize tamano, qreal escala) {
    QPixmap imagen(tamano * escala);
    imagen.setDevicePixelRatio(escala);
    imagen.fill(Qt::transparent);
    CargarRecursos();
    QSvgRenderer dibujo(QStringLiteral(":/splash.svg"));
    QPainter pintor(&imagen);
    dibujo.render(&pintor, QRectF(QPointF(0, 0), tamano));
    return imagen;
}

namespace {

QFrame* Decoracion(QWidget* padre, const char* nombre) {
    auto* figura = new QFrame(padre);
    figura->setObjectName(nombre);
    // Shapes and lines only decorate: a click on them is a click on the splash.
    figura->setAttribute(Qt::WA_TransparentForMouseEvents);
    return figura;
}

}  // namespace

frmPresentacion::frmPresentacion(QWidget* padre) : QWidget(padre, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("frmPresentacion");
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(kAncho, kAlto);
    setAutoFillBackground(true);
    QPalette fondo = palette();
    fondo.setColor(QPalette::Window, QColor("#fbfaf6"));
    setPalette(fondo);
    CrearBanda();
    CrearColumna();
    CrearCreditos();
    ArrancarReloj();
    Form_Load();
}

// The coloured band with the title and its shadow.
void frmPresentacion::CrearBanda() {
    auto* Shape1 = Decoracion(this, "Shape1");
    Shape1->setGeometry(0, 0, kAncho, kBanda);
    Shape1->setStyleSheet(QStringLiteral("background-color: %1;").arg(kColorBanda));

    Label5 = NuevaEtiqueta("Label5", false);
    Label1 = NuevaEtiqueta("Label1", true);
    QFont titulo = font();
    titulo.setPointSize(19);
    titulo.setBold(true);
    for (QLabel* etiqueta : {Label5, Label1}) {
        etiqueta->setFont(titulo);
        etiqueta->setAlignment(Qt::AlignCenter);
    }
    Label1->setGeometry(16, 18, kAncho - 32, 46);
    Label5->setGeometry(18, 20, kAncho - 32, 46);  // the shadow, two pixels down and right
    Label1->setStyleSheet("color: white;");
    Label5->setStyleSheet(QStringLiteral("color: %1;").arg(kColorSombra));
}

// The picture and, beside it, the program's texts.
void frmPresentacion::CrearColumna() {
    Image1 = NuevaEtiqueta("Image1", true);
    Image1->setGeometry(24, kBanda + 24, 240, 180);
    Image1->setPixmap(Ilustracion(Image1->size(), devicePixelRatioF()));

    const int ancho = kAncho - kColumna - 24;
    Label2 = NuevaEtiqueta("Label2", false);
    Label2->setGeometry(kColumna, kBanda + 20, ancho, 26);
    QFont cursiva = font();
    cursiva.setItalic(true);
    cursiva.setPointSize(11);
    Label2->setFont(cursiva);

    auto* Line1 = Decoracion(this, "Line1");
    Line1->setFrameShape(QFrame::HLine);
    Line1->setStyleSheet(QStringLiteral("color: %1;").arg(kColorBanda));
    Line1->setGeometry(kColumna, kBanda + 50, ancho, 2);

    for (int i = 0; i < 3; ++i) {
        lblLugar[i] = NuevaEtiqueta(QStringLiteral("lblLugar_%1").arg(i).toLatin1().constData(), true);
        lblLugar[i]->setGeometry(kColumna, kBanda + 62 + 26 * i, ancho, 24);
    }
    Label4 = NuevaEtiqueta("Label4", false);
    Label4->setGeometry(kColumna, kBanda + 148, ancho, 24);
    Label3 = NuevaEtiqueta("Label3", false);
    Label3->setGeometry(kColumna, kBanda + 184, ancho, 24);
    QFont pequena = font();
    pequena.setPointSize(9);
    Label3->setFont(pequena);
    Label3->setStyleSheet("color: #555;");
}

void frmPresentacion::CrearCreditos() {
    // The credit texts, the same in both languages.
    QFont pequena = font();
    pequena.setPointSize(9);
    const char* const kAutoria[3] = {"Tarvel", "v1.0", "2026"};
    for (int i = 0; i < 3; ++i) {
        lblAutor[i] = NuevaEtiqueta(QStringLiteral("lblAutor_%1").arg(i).toLatin1().constData(), true);
        lblAutor[i]->setText(QString::fromLatin1(kAutoria[i]));
        lblAutor[i]->setFont(pequena);
        lblAutor[i]->setStyleSheet("color: #555;");
        lblAutor[i]->setGeometry(kColumna + 80 * i, kAlto - 44, 76, 22);
    }
    PonerNegrita(lblAutor[0]);

    figBorde = Decoracion(this, "figBorde");
    figBorde->setStyleSheet(QStringLiteral("QFrame#figBorde { border: 2px solid %1; }").arg(kColorSombra));
}

// The splash closes by itself after ten seconds.
void frmPresentacion::ArrancarReloj() {
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setSingleShot(true);
    Timer1->setInterval(10000);
    connect(Timer1, &QTimer::timeout, this, &frmPresentacion::Cerrar);
    Timer1->start();
}

QLabel* frmPresentacion::NuevaEtiqueta(const char* nombre, bool cierra) {
    auto* etiqueta = new QLabel(this);
    etiqueta->setObjectName(nombre);
    etiqueta->setProperty("cierraPresentacion", cierra);
    etiqueta->installEventFilter(this);
    return etiqueta;
}

void frmPresentacion::Form_Load() {
    figBorde->setGeometry(0, 0, width(), height());
    figBorde->raise();
    CentrarEnPantalla(this);
    show();

    ResolverIdiomaDeArranque();
    FijarFormatoNumerico();

    Label1->setText(T(1));
    Label5->setText(T(1));
    Label2->setText(T(2));
    lblLugar[0]->setText(T(3));
    lblLugar[1]->setText(T(4));
    lblLugar[2]->setText(T(5));
    Label4->setText(T(6));
    Label3->setText(T(7));

    ElegirArchivoAyuda();
}

void frmPresentacion::mousePressEvent(QMouseEvent* evento) {
    evento->accept();
    Cerrar();
}

bool frmPresentacion::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() != QEvent::MouseButtonPress) return QWidget::eventFilter(objeto, evento);
    // The credit lines 2 to 4 and the shadow of the title swallow their clicks.
    if (objeto->property("cierraPresentacion").toBool()) Cerrar();
    return true;
}

void frmPresentacion::Cerrar() {
    if (mCerrada) return;
    mCerrada = true;
    Timer1->stop();
    hide();
    deleteLater();
    auto* menu = new frmTarvelPrimera;
    menu->show();
}

}  // namespace tarvel
