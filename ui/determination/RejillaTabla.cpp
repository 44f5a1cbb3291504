#include "ui/determination/RejillaTabla.h"

#include <QApplication>
#include <QClipboard>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <algorithm>
#include <vector>

#include "data/TablasReferencia.h"
#include "ui/common/Ventana.h"

namespace tarvel {

RejillaTabla::RejillaTabla(QWidget* padre) : QTableWidget(padre) {
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->hide();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setWordWrap(true);
    setCornerButtonEnabled(false);

    // The heading view lives inside the column header, which the grid already
    // keeps above the body and as wide as it.
    mCabecera = new QTableView(horizontalHeader());
    mCabecera->setObjectName("cabecera");
    mCabecera->setModel(model());
    mCabecera->horizontalHeader()->hide();
    mCabecera->verticalHeader()->hide();
    mCabecera->setFrameShape(QFrame::NoFrame);
    mCabecera->setFocusPolicy(Qt::NoFocus);
    mCabecera->setSelectionMode(QAbstractItemView::NoSelection);
    mCabecera->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mCabecera->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mCabecera->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mCabecera->setWordWrap(true);
    QPalette paleta = mCabecera->palette();
    paleta.setColor(QPalette::Base, paleta.color(QPalette::Button));
    mCabecera->setPalette(paleta);
    mCabecera->viewport()->installEventFilter(this);
    horizontalHeader()->installEventFilter(this);

    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int columna, int, int ancho) { mCabecera->setColumnWidth(columna, ancho); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, mCabecera->horizontalScrollBar(), &QScrollBar::setValue);
}

void RejillaTabla::FijarFilasCabecera(int filas) {
    mFilasCabecera = std::clamp(filas, 0, rowCount());
    for (int fila = 0; fila < rowCount(); ++fila) {
        setRowHidden(fila, fila < mFilasCabecera);
        mCabecera->setRowHidden(fila, fila >= mFilasCabecera);
    }
    for (int columna = 0; columna < columnCount(); ++columna) mCabecera->setColumnWidth(columna, columnWidth(columna));
    horizontalHeader()->setVisible(mFilasCabecera > 0);
    AjustarCabecera();
}

void RejillaTabla::Unir(int fila, int columna, int filas, int columnas) {
    if (filas < 1 || columnas < 1 || (filas == 1 && columnas == 1)) return;
    setSpan(fila, columna, filas, columnas);
    mCabecera->setSpan(fila, columna, filas, columnas);
    mUniones.append(QRect(columna, fila, columnas, filas));
}

void RejillaTabla::FijarAnchoTwips(int columna, int twips) {
    setColumnWidth(columna, PixelesDeTwips(this, twips));
}

void RejillaTabla::AltoFilas(QTableView* vista, int desde, int hasta) {
    if (hasta <= desde) return;
    QStyleOptionViewItem opcion;
    initViewItemOption(&opcion);
    const int minimo = fontMetrics().height() + 8;
    std::vector<int> alto(static_cast<std::size_t>(hasta - desde), minimo);

    struct Necesidad {
        int fila, filas, alto;
    };
    std::vector<Necesidad> necesidades;
    for (int fila = desde; fila < hasta; ++fila) {
        for (int columna = 0; columna < columnCount(); ++columna) {
            QRect celda(columna, fila, 1, 1);
            bool cubierta = false;
            for (const QRect& union_ : mUniones) {
                if (!union_.contains(columna, fila)) continue;
                cubierta = union_.topLeft() != QPoint(columna, fila);
                celda = union_;
                break;
            }
            if (cubierta) continue;
            const QModelIndex indice = model()->index(fila, columna);
            if (indice.data(Qt::DisplayRole).toString().isEmpty()) continue;
            int ancho = 0;
            for (int c = columna; c < columna + celda.width() && c < columnCount(); ++c) ancho += columnWidth(c);
            opcion.rect = QRect(0, 0, ancho, minimo);
            const int necesario = itemDelegate()->sizeHint(opcion, indice).height() + 6;
            const int filas = std::min(celda.height(), hasta - fila);
            necesidades.push_back({fila - desde, filas, necesario});
        }
    }
    // Single rows first; a joined cell then adds to its rows only what they lack.
    std::ranges::stable_sort(necesidades, {}, &Necesidad::filas);
    for (const auto& n : necesidades) {
        int suma = 0;
        for (int i = 0; i < n.filas; ++i) suma += alto[static_cast<std::size_t>(n.fila + i)];
        for (int i = 0, falta = n.alto - suma; falta > 0 && i < n.filas; ++i) {
            const int parte = (falta + (n.filas - i) - 1) / (n.filas - i);
            alto[static_cast<std::size_t>(n.fila + i)] += parte;
            falta -= parte;
        }
    }
    for (int fila = desde; fila < hasta; ++fila) vista->setRowHeight(fila, alto[static_cast<std::size_t>(fila - desde)]);
}

void RejillaTabla::AmpliarColumnas() {
    // Wrapping breaks lines between words only: a column is widened, where the
    // font is wider than the one it was laid out for, until its longest word fits.
    QStyleOptionViewItem opcion;
    initViewItemOption(&opcion);
    const int margen = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, &opcion, this) + 1) + 2;
    // The same words come back in many cells (conditions, soil values): each
    // is measured once in the grid's own font.
    const QFontMetrics medidaRejilla(font());
    QHash<QString, int> anchosPalabra;
    for (int columna = 0; columna < columnCount(); ++columna) {
        int ancho = columnWidth(columna);
        for (int fila = 0; fila < rowCount(); ++fila) {
            const bool unida = std::ranges::any_of(mUniones, [&](const QRect& u) {
                return u.contains(columna, fila) && u.width() > 1;
            });
            if (unida) continue;
            const QModelIndex indice = model()->index(fila, columna);
            const QVariant fuente = indice.data(Qt::FontRole);
            const QStringList palabras = indice.data(Qt::DisplayRole).toString().split(' ', Qt::SkipEmptyParts);
            if (fuente.isValid()) {
                const QFontMetrics medida(fuente.value<QFont>());
                for (const QString& palabra : palabras) {
                    ancho = std::max(ancho, medida.horizontalAdvance(palabra) + margen);
                }
                continue;
            }
            for (const QString& palabra : palabras) {
                auto medido = anchosPalabra.constFind(palabra);
                if (medido == anchosPalabra.constEnd()) {
                    medido = anchosPalabra.insert(palabra, medidaRejilla.horizontalAdvance(palabra));
                }
                ancho = std::max(ancho, *medido + margen);
            }
        }
        if (ancho != columnWidth(columna)) setColumnWidth(columna, ancho);
    }
}

void RejillaTabla::AjustarAltoFilas() {
    AmpliarColumnas();
    AltoFilas(mCabecera, 0, mFilasCabecera);
    AltoFilas(this, mFilasCabecera, rowCount());
    AjustarCabecera();
}

void RejillaTabla::AjustarCabecera() {
    int alto = 0;
    for (int fila = 0; fila < mFilasCabecera; ++fila) alto += mCabecera->rowHeight(fila);
    horizontalHeader()->setFixedHeight(alto);
    mCabecera->setGeometry(horizontalHeader()->rect());
    updateGeometries();
}

QSize RejillaTabla::TamanoJusto(bool todasLasFilas) const {
    const int marco = 2 * frameWidth();
    int ancho = marco;
    for (int columna = 0; columna < columnCount(); ++columna) ancho += columnWidth(columna);
    if (verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn || !todasLasFilas) {
        ancho += style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    }
    int alto = marco + horizontalHeader()->height();
    for (int fila = mFilasCabecera; fila < rowCount(); ++fila) alto += rowHeight(fila);
    return {ancho, alto};
}

void RejillaTabla::CopiarSeleccion() {
    std::vector<CeldaCopiada> celdas;
    for (const QModelIndex& indice : selectedIndexes()) {
        if (indice.row() < mFilasCabecera) continue;
        celdas.push_back({indice.row(), indice.column(), indice.data(Qt::DisplayRole).toString().toStdString()});
    }
    if (celdas.empty()) return;
    QApplication::clipboard()->setText(QString::fromStdString(TextoTabulado(celdas)));
}

void RejillaTabla::mouseDoubleClickEvent(QMouseEvent* evento) {
    const QPoint punto = evento->position().toPoint();
    emit celdaDobleClic(rowAt(punto.y()), columnAt(punto.x()));
    QTableWidget::mouseDoubleClickEvent(evento);
}

void RejillaTabla::keyPressEvent(QKeyEvent* evento) {
    if (evento->matches(QKeySequence::Copy)) {
        CopiarSeleccion();
        evento->accept();
        return;
    }
    QTableWidget::keyPressEvent(evento);
}

bool RejillaTabla::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == horizontalHeader() && evento->type() == QEvent::Resize) {
        mCabecera->setGeometry(horizontalHeader()->rect());
    } else if (objeto == mCabecera->viewport() && evento->type() == QEvent::MouseButtonDblClick) {
        const QPoint punto = static_cast<QMouseEvent*>(evento)->position().toPoint();
        emit celdaDobleClic(mCabecera->rowAt(punto.y()), mCabecera->columnAt(punto.x()));
        return true;
    }
    return QTableWidget::eventFilter(objeto, evento);
}

}  // namespace tarvel
