#include "ui/series/frmSerieNCCalculada.h"

#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>

#include "app/Patrones.h"
#include "hydrology/TextosEscorrentia.h"
#include "ui/common/Accesibilidad.h"
#include "ui/common/Colores.h"
#include "ui/common/SessionState.h"
#include "ui/common/Textos.h"
#include "ui/common/Ventana.h"
#include "ui/help/Ayuda.h"
#include "ui/hydrology/frmEscorrentia.h"
#include "ui/series/TextosTrayectoria.h"
#include "ui/series/frmTrayectoria.h"

namespace tarvel {
namespace {


constexpr int kAnchosTwips[kColumnasTablaSerie] = {1500, 1500, 1500, 50, 1500, 1500};
constexpr int kAltoFilaTwips = 400;

// The fraction ΔN over Δt followed by an equals sign, drawn in the font of
// the panel.
class FraccionVariacion : public QWidget {
public:
    explicit FraccionVariacion(QWidget* padre) : QWidget(padre) {
        QFont letra = font();
        letra.setItalic(true);
        setFont(letra);
    }

    QSize sizeHint() const override {
        const QFontMetrics medidas(font());
        const int ancho = std::max(medidas.horizontalAdvance(Numerador()), medidas.horizontalAdvance(Denominador()));
        return {ancho + 8 + medidas.horizontalAdvance(QStringLiteral(" = ")), 2 * medidas.height() + 4};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter pintor(this);
        pintor.setRenderHint(QPainter::Antialiasing);
        pintor.setPen(palette().color(QPalette::WindowText));
        const QFontMetrics medidas(font());
        const int ancho = std::max(medidas.horizontalAdvance(Numerador()), medidas.horizontalAdvance(Denominador())) + 8;
        const int medio = height() / 2;
        const QRect arriba(0, medio - 2 - medidas.height(), ancho, medidas.height());
        const QRect abajo(0, medio + 2, ancho, medidas.height());
        pintor.drawText(arriba, Qt::AlignHCenter | Qt::AlignBottom, Numerador());
        pintor.drawText(abajo, Qt::AlignHCenter | Qt::AlignTop, Denominador());
        pintor.drawLine(QPointF(1, medio + 0.5), QPointF(ancho - 1, medio + 0.5));
        pintor.drawText(QRect(ancho, 0, width() - ancho, height()), Qt::AlignCenter, QStringLiteral("="));
    }

private:
    static QString Numerador() { return QStringLiteral("\u0394N"); }
    static QString Denominador() { return QStringLiteral("\u0394t"); }
};

// A bold value in a white box; `texto` says what the value is.
QLabel* CajaValor(QWidget* padre, const char* nombre, int texto) {
    auto* caja = new EtiquetaResultado(padre, nombre, texto);
    caja->setAlignment(Qt::AlignCenter);
    caja->setMinimumWidth(56);
    caja->setStyleSheet(QStringLiteral("QLabel { background: white; color: black; font-weight: bold;"
                                       " border: 1px solid #8c8c8c; border-radius: 2px; padding: 3px 8px; }"));
    return caja;
}

// The grid shows values only: no cell is ever drawn as the current one.
class SinCeldaActual : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* opcion, const QModelIndex& indice) const override {
        QStyledItemDelegate::initStyleOption(opcion, indice);
        opcion->state &= ~QStyle::State_HasFocus;
    }
};

}  // namespace

frmSerieNCCalculada::frmSerieNCCalculada(QWidget* padre) : QDialog(padre) {
    setObjectName("frmSerieNCCalculada");
    PrepararDialogo(this);
    CrearControles();
    Disponer();
    Conectar();
    Form_Load();
    tblNCP->setFocus();
    CentrarEnPantalla(this);
}

void frmSerieNCCalculada::CrearControles() {
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    PonerNegrita(Label1);

    tblNCP = new QTableWidget(kFilasTablaSerie, kColumnasTablaSerie, this);
    tblNCP->setObjectName("tblNCP");
    tblNCP->horizontalHeader()->hide();
    tblNCP->horizontalHeader()->setMinimumSectionSize(1);  // the separator is 3 pixels wide
    tblNCP->verticalHeader()->hide();
    tblNCP->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblNCP->setSelectionMode(QAbstractItemView::NoSelection);
    tblNCP->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tblNCP->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tblNCP->setFocusPolicy(Qt::StrongFocus);
    tblNCP->setItemDelegate(new SinCeldaActual(tblNCP));
    tblNCP->viewport()->setMouseTracking(true);
    tblNCP->viewport()->installEventFilter(this);
    tblNCP->installEventFilter(this);

    Frame1 = new QFrame(this);
    Frame1->setObjectName("Frame1");
    Frame1->setFrameShape(QFrame::StyledPanel);
    Label2 = new QLabel(Frame1);
    Label2->setObjectName("Label2");
    Label3 = CajaValor(Frame1, "Label3", 199);
    Label4 = new QLabel(Frame1);
    Label4->setObjectName("Label4");
    Picture1 = new FraccionVariacion(Frame1);
    Picture1->setObjectName("Picture1");
    Label5 = CajaValor(Frame1, "Label5", kNombreVariacionAnual);

    cmdAyuda = new QPushButton(QStringLiteral("?"), this);
    cmdAyuda->setObjectName("cmdAyuda");
    cmdAyuda->setFixedWidth(32);
    cmdAyuda->setFocusPolicy(Qt::TabFocus);
    // Not the window's default button: Enter in the grid opens no help.
    cmdAyuda->setAutoDefault(false);
    // The runoff of a design storm for this series; after "?" in focus order.
    cmdEscorrentia = new QPushButton(T(kTextoBotonEscorrentia), this);
    cmdEscorrentia->setObjectName("cmdEscorrentia");
    cmdEscorrentia->setAccessibleName(NombreDeRotulo(T(kTextoBotonEscorrentia)));
    cmdEscorrentia->setAutoDefault(false);
    FijarTopicoAyuda(cmdEscorrentia, kAyudaEscorrentia);
    // The path year by year, for a series with a span only.
    if (gLapsoAnios > 0) {
        cmdTrayectoria = new QPushButton(T(kTextoBotonTrayectoria), this);
        cmdTrayectoria->setObjectName("cmdTrayectoria");
        cmdTrayectoria->setAccessibleName(cmdTrayectoria->text());
        cmdTrayectoria->setAutoDefault(false);
        FijarTopicoAyuda(cmdTrayectoria, kAyudaTrayectoria);
    }
}

void frmSerieNCCalculada::Disponer() {
    auto* panel = new QHBoxLayout(Frame1);
    panel->setContentsMargins(12, 8, 12, 8);
    panel->setSpacing(8);
    panel->addWidget(Label2);
    panel->addWidget(Label3);
    panel->addWidget(Label4);
    panel->addSpacing(10);
    panel->addWidget(Picture1);
    panel->addWidget(Label5);
    panel->addStretch();

    auto* pie = new QHBoxLayout;
    pie->addStretch();
    pie->addWidget(cmdEscorrentia);
    if (cmdTrayectoria) pie->addWidget(cmdTrayectoria);
    pie->addWidget(cmdAyuda);
    auto* columna = new QVBoxLayout(this);
    columna->setContentsMargins(20, 16, 20, 14);
    columna->setSpacing(10);
    columna->addWidget(Label1);
    columna->addWidget(tblNCP, 0, Qt::AlignHCenter);
    columna->addWidget(Frame1);
    columna->addLayout(pie);
    columna->setSizeConstraint(QLayout::SetFixedSize);
}

void frmSerieNCCalculada::Conectar() {
    connect(cmdAyuda, &QPushButton::clicked, this, [] { EnviarF1(); });
    connect(cmdEscorrentia, &QPushButton::clicked, this, [this] {
        frmEscorrentia escorrentia(this, gNAC, gNOB);
        escorrentia.exec();
    });
    if (cmdTrayectoria) {
        connect(cmdTrayectoria, &QPushButton::clicked, this,
                [this] { frmTrayectoria::Abrir(this, gNAC, gNOB, static_cast<int>(gLapsoAnios)); });
    }
}

void frmSerieNCCalculada::Form_Load() {
    setWindowTitle(T(197));
    Label1->setText(T(198));
    Label2->setText(T(199));
    Label4->setText(T(200));
    tblNCP->setAccessibleName(T(198));
    cmdAyuda->setAccessibleName(T(kNombreAyuda));

    // The headers are row 0 of the grid; the other cells are filled by CalcularSerie.
    const TablaSerie vacia = TablaDeSerie({});
    QFont negrita = tblNCP->font();
    negrita.setBold(true);
    int ancho = 0;
    for (int c = 0; c < kColumnasTablaSerie; ++c) {
        for (int fila = 0; fila < kFilasTablaSerie; ++fila) {
            auto* celda = new QTableWidgetItem;
            celda->setFlags(Qt::ItemIsEnabled);
            if (fila == 0) {
                celda->setText(DeUtf8(vacia[0][c]));
                celda->setFont(negrita);
            }
            tblNCP->setItem(fila, c, celda);
        }
        tblNCP->setColumnWidth(c, PixelesDeTwips(this, kAnchosTwips[c]));
        ancho += tblNCP->columnWidth(c);
    }
    for (int fila = 0; fila < kFilasTablaSerie; ++fila) tblNCP->setRowHeight(fila, PixelesDeTwips(this, kAltoFilaTwips));

    for (int fila = 0; fila < kFilasTablaSerie; ++fila) {
        for (int c = 0; c < kColumnasTablaSerie; ++c) {
            QTableWidgetItem* celda = tblNCP->item(fila, c);
            if (c == kColumnaSeparador) {
                celda->setBackground(kSeparadorSerie);
                continue;
            }
            celda->setBackground(c == 0 ? kFondoCondicion : c < kColumnaSeparador ? kFondoPresente : kFondoObjetivo);
            celda->setForeground(Qt::black);
            celda->setTextAlignment(Qt::AlignCenter);
        }
    }
    for (int fila = 1; fila < kFilasTablaSerie; ++fila) tblNCP->item(fila, 0)->setText(QString::number(fila));
    // The grid is just as large as its rows and columns: nothing to scroll.
    const int marco = 2 * tblNCP->frameWidth();
    tblNCP->setFixedSize(ancho + marco, PixelesDeTwips(this, kAltoFilaTwips) * kFilasTablaSerie + marco);

    CalcularSerie();

    if (gLapsoAnios == 0) {
        Frame1->hide();
    } else {
        Frame1->show();
        Label3->setText(DeUtf8(TextoNumero(gLapsoAnios)));
        const auto variacion = VariacionAnual(gNAC, gNOB, gLapsoAnios);
        Label5->setText(variacion ? DeUtf8(Formatear(*variacion, Patron::DosDecimales)) : QString());
    }

    FijarTopicoAyuda(this, kAyudaSerie);
    FijarTopicoAyuda(tblNCP, kAyudaSerie);
    FijarTopicoAyuda(cmdAyuda, kAyudaSerie);
}

void frmSerieNCCalculada::CalcularSerie() {
    // The input window lets through only values the series can be computed
    // from; should one fail all the same, the value cells stay empty rather
    // than show a number that is not one.
    const auto serie = tarvel::CalcularSerie(gNAC, gNOB);
    if (!serie) return;
    mNAC = serie->NAC;
    mPAC = serie->PAC;
    mNOB = serie->NOB;
    mPOB = serie->POB;
    const TablaSerie tabla = TablaDeSerie(*serie);
    for (int fila = 1; fila < kFilasTablaSerie; ++fila) {
        for (int c = 1; c < kColumnasTablaSerie; ++c) {
            QTableWidgetItem* celda = tblNCP->item(fila, c);
            celda->setText(DeUtf8(tabla[fila][c]));
            // A screen reader hears each value with its heading for its row, "PAC(2): 21.3":
            // the heading row is one of the grid's rows, not a header it could announce.
            if (c == kColumnaSeparador) continue;
            const QString deLaFila = QStringLiteral("(%1)").arg(fila);
            const QString rotulo = tblNCP->item(0, c)->text().replace(QStringLiteral("(J)"), deLaFila);
            celda->setData(Qt::AccessibleTextRole, rotulo + QStringLiteral(": ") + celda->text());
        }
    }
}

void frmSerieNCCalculada::tblNCP_MouseMove(int fila, int columna) {
    const auto tooltip = TooltipDeCelda({mNAC, mPAC, mNOB, mPOB}, fila, columna);
    switch (tooltip.accion) {
        case TooltipSerie::Accion::Mantener: return;
        case TooltipSerie::Accion::Vaciar: tblNCP->setToolTip(QString()); break;
        case TooltipSerie::Accion::Mostrar: tblNCP->setToolTip(DeUtf8(tooltip.texto)); break;
    }
}

void frmSerieNCCalculada::CopiarTabla() {
    // What the grid shows, cell for cell.
    TablaSerie tabla;
    for (int fila = 0; fila < kFilasTablaSerie; ++fila) {
        for (int c = 0; c < kColumnasTablaSerie; ++c) tabla[fila][c] = tblNCP->item(fila, c)->text().toStdString();
    }
    QApplication::clipboard()->setText(DeUtf8(TablaSerieTsv(tabla)));
}

bool frmSerieNCCalculada::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == tblNCP->viewport()) {
        if (evento->type() == QEvent::MouseMove) {
            const QPoint punto = static_cast<QMouseEvent*>(evento)->position().toPoint();
            tblNCP_MouseMove(tblNCP->rowAt(punto.y()), tblNCP->columnAt(punto.x()));
        } else if (evento->type() == QEvent::ToolTip) {
            // One tooltip for the whole grid, whichever cell is under the pointer.
            const auto* ayuda = static_cast<QHelpEvent*>(evento);
            if (tblNCP->toolTip().isEmpty()) {
                QToolTip::hideText();
            } else {
                QToolTip::showText(ayuda->globalPos(), tblNCP->toolTip(), tblNCP->viewport());
            }
            return true;
        }
    } else if (objeto == tblNCP && evento->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent*>(evento)->matches(QKeySequence::Copy)) {
        CopiarTabla();
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

}  // namespace tarvel
