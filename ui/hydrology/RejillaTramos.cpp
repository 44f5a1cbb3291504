#include "ui/hydrology/RejillaTramos.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>

#include "app/Patrones.h"
#include "hydrology/PresentacionCaudal.h"
#include "hydrology/TextosCaudal.h"
#include "ui/common/Accesibilidad.h"
#include "ui/common/ReglaTeclado.h"
#include "ui/common/Textos.h"

namespace tarvel {
namespace {

enum Columna {
    kColNumero,
    kColTipo,
    kColRugosidad,
    kColFirme,
    kColLongitud,
    kColLluvia2,
    kColPendiente,
    kColSeccion,
    kColPerimetro,
    kColVelocidad,
    kColRecorrido,
    kColumnas
};

constexpr int kTitulos[kColumnas] = {kTextoColumnaTramo,     kTextoColumnaTipo,       kTextoColumnaRugosidad,
                                     kTextoColumnaFirme,     kTextoColumnaLongitud,   kTextoColumnaLluvia2,
                                     kTextoColumnaPendiente, kTextoColumnaSeccion,    kTextoColumnaPerimetro,
                                     kTextoColumnaVelocidad, kTextoColumnaRecorrido};

// The columns a kind reads, in the order of its builder, with what each holds.
struct ColumnaDato {
    int columna;
    DatoCaudal dato;
};
std::vector<ColumnaDato> ColumnasDe(TipoTramo tipo) {
    switch (tipo) {
        case TipoTramo::Laminar:
            return {{kColRugosidad, DatoCaudal::Rugosidad},
                    {kColLongitud, DatoCaudal::Longitud},
                    {kColLluvia2, DatoCaudal::Lluvia2Anios},
                    {kColPendiente, DatoCaudal::Pendiente}};
        case TipoTramo::Superficial:
            return {{kColLongitud, DatoCaudal::Longitud}, {kColPendiente, DatoCaudal::Pendiente}};
        case TipoTramo::Cauce: break;
    }
    return {{kColRugosidad, DatoCaudal::Rugosidad},
            {kColSeccion, DatoCaudal::SeccionCauce},
            {kColPerimetro, DatoCaudal::PerimetroMojado},
            {kColPendiente, DatoCaudal::Pendiente},
            {kColLongitud, DatoCaudal::Longitud}};
}

const char* NombreCampo(int columna) {
    switch (columna) {
        case kColRugosidad: return "txtRugosidad";
        case kColLongitud: return "txtLongitud";
        case kColLluvia2: return "txtLluvia2";
        case kColPendiente: return "txtPendiente";
        case kColSeccion: return "txtSeccion";
        default: return "txtPerimetro";
    }
}

constexpr TipoTramo kTipos[] = {TipoTramo::Laminar, TipoTramo::Superficial, TipoTramo::Cauce};
constexpr Firme kFirmes[] = {Firme::SinPavimentar, Firme::Pavimentado};

// An entry of table 3-1 as the list offers it: its n, then its surface.
QString EntradaTabla31(std::size_t i) {
    return DeUtf8(TextoNumero(kTabla31[i].n)) + QStringLiteral("  ") + T(kTextoTabla31 + static_cast<int>(i));
}

QTableWidgetItem* Celda(const QString& texto = {}) {
    auto* celda = new QTableWidgetItem(texto);
    celda->setFlags(Qt::ItemIsEnabled);
    celda->setTextAlignment(Qt::AlignCenter);
    return celda;
}

}  // namespace

RejillaTramos::RejillaTramos(QWidget* padre) : QTableWidget(0, kColumnas, padre) {
    setObjectName("tblTramos");
    verticalHeader()->hide();
    horizontalHeader()->setSectionsClickable(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The cells' own controls take the focus, and Tab goes from one to the
    // next in the window's order; the grid itself is passed by.
    setFocusPolicy(Qt::NoFocus);
    setTabKeyNavigation(false);
}

void RejillaTramos::AnadirTramo() {
    if (Tramos() >= kTramosMaximos) return;
    Fila fila;
    fila.textos.assign(kColumnas, QString());
    mFilas.push_back(fila);
    setRowCount(Tramos());
    Rehacer(Tramos() - 1);
    Ajustar();
    emit ControlesRehechos();
    emit Cambiado();
}

void RejillaTramos::PonerTramos(std::span<const TramoEscrito> tramos) {
    for (int t = 0; t < rowCount(); ++t) {
        for (int c = 0; c < kColumnas; ++c) Vaciar(t, c);
    }
    mFilas.clear();
    for (const TramoEscrito& tramo : tramos.first(std::min<std::size_t>(tramos.size(), kTramosMaximos))) {
        Fila fila{tramo.tipo, tramo.firme, std::vector<QString>(kColumnas)};
        for (const ColumnaDato& d : ColumnasDe(tramo.tipo)) {
            if (const auto& valor = ValorDeTramo(tramo, d.dato)) fila.textos[static_cast<std::size_t>(d.columna)] = DeUtf8(TextoNumero(*valor));
        }
        mFilas.push_back(std::move(fila));
    }
    if (mFilas.empty()) mFilas.push_back({TipoTramo::Laminar, Firme::SinPavimentar, std::vector<QString>(kColumnas)});
    mUltimoTramo = -1;
    setRowCount(0);
    setRowCount(Tramos());
    for (int t = 0; t < Tramos(); ++t) Rehacer(t);
    Ajustar();
    emit ControlesRehechos();
    emit Cambiado();
}

void RejillaTramos::QuitarTramo() {
    if (Tramos() <= 1) return;
    const int quitado = mUltimoTramo >= 0 && mUltimoTramo < Tramos() ? mUltimoTramo : Tramos() - 1;
    mFilas.erase(mFilas.begin() + quitado);
    mUltimoTramo = -1;
    removeRow(quitado);
    // The rows below move up: their controls are named and numbered again.
    for (int t = quitado; t < Tramos(); ++t) Rehacer(t);
    Ajustar();
    emit ControlesRehechos();
    emit Cambiado();
}

void RejillaTramos::Vaciar(int tramo, int columna) {
    // The grid deletes a control it lets go of later: till then it must not
    // answer to the name of the one that takes its place.
    if (QWidget* control = cellWidget(tramo, columna)) {
        control->setObjectName(QString());
        for (QObject* hijo : control->findChildren<QObject*>()) hijo->setObjectName(QString());
        control->hide();
        removeCellWidget(tramo, columna);
    }
    setItem(tramo, columna, Celda());
}

void RejillaTramos::Cuidar(QWidget* control) {
    ReglaTeclado::AplicarACampo(control);
    control->installEventFilter(this);
}

void RejillaTramos::Rehacer(int tramo) {
    Fila& fila = mFilas[static_cast<std::size_t>(tramo)];
    for (int c = 0; c < kColumnas; ++c) Vaciar(tramo, c);
    item(tramo, kColNumero)->setText(QString::number(tramo + 1));
    auto* tipo = new QComboBox;
    tipo->setObjectName(QStringLiteral("cboTipo_%1").arg(tramo));
    for (std::size_t i = 0; i < std::size(kTipos); ++i) tipo->addItem(QString());
    tipo->setCurrentIndex(static_cast<int>(fila.tipo));
    setCellWidget(tramo, kColTipo, tipo);
    Cuidar(tipo);
    // A new kind makes the row's other cells again, never the list being used.
    connect(tipo, &QComboBox::currentIndexChanged, this, [this, tipo](int indice) {
        const int t = TramoDe(tipo);
        if (t < 0 || indice < 0) return;
        mFilas[static_cast<std::size_t>(t)].tipo = kTipos[indice];
        RehacerCampos(t);
        Ajustar();
        emit ControlesRehechos();
        emit Cambiado();
    });
    RehacerCampos(tramo);
}

void RejillaTramos::RehacerCampos(int tramo) {
    const Fila& fila = mFilas[static_cast<std::size_t>(tramo)];
    for (int c = kColRugosidad; c < kColumnas; ++c) Vaciar(tramo, c);
    // Every cell the kind does not read is shaded.
    const auto columnas = ColumnasDe(fila.tipo);
    for (int c = kColRugosidad; c < kColVelocidad; ++c) {
        const bool leida = std::ranges::any_of(columnas, [c](const ColumnaDato& d) { return d.columna == c; }) ||
                           (c == kColFirme && fila.tipo == TipoTramo::Superficial);
        if (!leida) item(tramo, c)->setBackground(palette().color(QPalette::Disabled, QPalette::Window));
    }
    if (fila.tipo == TipoTramo::Superficial) {
        auto* firme = new QComboBox;
        firme->setObjectName(QStringLiteral("cboFirme_%1").arg(tramo));
        for (std::size_t i = 0; i < std::size(kFirmes); ++i) firme->addItem(QString());
        firme->setCurrentIndex(static_cast<int>(fila.firme));
        setCellWidget(tramo, kColFirme, firme);
        Cuidar(firme);
        connect(firme, &QComboBox::currentIndexChanged, this, [this, firme](int indice) {
            const int t = TramoDe(firme);
            if (t < 0 || indice < 0) return;
            mFilas[static_cast<std::size_t>(t)].firme = kFirmes[indice];
            emit Cambiado();
        });
    }
    for (const ColumnaDato& d : columnas) {
        QLineEdit* campo = nullptr;
        if (d.columna == kColRugosidad && fila.tipo == TipoTramo::Laminar) {
            // Typed, or chosen from table 3-1: the choice leaves its n in the field.
            auto* lista = new QComboBox;
            lista->setObjectName(QStringLiteral("cboRugosidad_%1").arg(tramo));
            lista->setEditable(true);
            lista->setInsertPolicy(QComboBox::NoInsert);
            lista->setCompleter(nullptr);
            for (std::size_t i = 0; i < kTabla31.size(); ++i) lista->addItem(QString());
            lista->setCurrentIndex(-1);
            campo = lista->lineEdit();
            campo->setObjectName(QStringLiteral("txtRugosidad_%1").arg(tramo));
            connect(lista, &QComboBox::activated, this, [lista](int i) {
                if (i >= 0) lista->setEditText(DeUtf8(TextoNumero(kTabla31[static_cast<std::size_t>(i)].n)));
            });
            setCellWidget(tramo, d.columna, lista);
            // The list has the focus, not its field: keys and focus reach the field through it.
            Cuidar(lista);
        } else {
            campo = new QLineEdit;
            campo->setObjectName(QStringLiteral("%1_%2").arg(NombreCampo(d.columna)).arg(tramo));
            setCellWidget(tramo, d.columna, campo);
        }
        campo->setFrame(false);
        campo->setAlignment(Qt::AlignCenter);
        campo->setText(fila.textos[static_cast<std::size_t>(d.columna)]);
        Cuidar(campo);
        connect(campo, &QLineEdit::textChanged, this, [this, campo, columna = d.columna](const QString& texto) {
            const int t = TramoDe(campo);
            if (t < 0) return;
            mFilas[static_cast<std::size_t>(t)].textos[static_cast<std::size_t>(columna)] = texto;
            emit Cambiado();
        });
        emit CampoCreado(campo);
    }
    PonerTextos();
}

QLineEdit* RejillaTramos::CampoEn(int tramo, int columna) const {
    QWidget* control = cellWidget(tramo, columna);
    if (auto* lista = qobject_cast<QComboBox*>(control)) return lista->lineEdit();
    return qobject_cast<QLineEdit*>(control);
}

std::vector<RejillaTramos::Campo> RejillaTramos::Campos(int tramo) const {
    std::vector<Campo> campos;
    for (const ColumnaDato& d : ColumnasDe(Tipo(tramo))) campos.push_back({CampoEn(tramo, d.columna), d.dato});
    return campos;
}

int RejillaTramos::TramoDe(const QWidget* campo) const {
    for (int t = 0; t < Tramos(); ++t) {
        for (int c = kColTipo; c < kColVelocidad; ++c) {
            const QWidget* control = cellWidget(t, c);
            if (control && (control == campo || control->isAncestorOf(campo))) return t;
        }
    }
    return -1;
}

void RejillaTramos::MostrarTiempo(int tramo, const std::optional<TiempoTramo>& tiempo) {
    item(tramo, kColVelocidad)->setText(tiempo ? DeUtf8(Cifra(tiempo->velocidad)) : QString());
    item(tramo, kColRecorrido)->setText(tiempo ? DeUtf8(Cifra(tiempo->horas)) : QString());
}

QWidget* RejillaTramos::Primero(int tramo) const { return cellWidget(tramo, kColTipo); }

std::vector<QWidget*> RejillaTramos::Controles() const {
    std::vector<QWidget*> controles;
    for (int t = 0; t < Tramos(); ++t) {
        for (int c = kColTipo; c < kColVelocidad; ++c) {
            if (QWidget* control = cellWidget(t, c)) controles.push_back(control);
        }
    }
    return controles;
}

void RejillaTramos::PonerTextos() {
    QStringList titulos;
    for (const int titulo : kTitulos) titulos << T(titulo);
    setHorizontalHeaderLabels(titulos);
    for (int t = 0; t < Tramos(); ++t) {
        const auto nombrar = [&](QWidget* control, int columna) {
            if (control) control->setAccessibleName(T(kTextoDatoDeTramo, {std::to_string(t + 1), T(kTitulos[columna]).toStdString()}));
        };
        if (auto* tipo = qobject_cast<QComboBox*>(cellWidget(t, kColTipo))) {
            for (int i = 0; i < tipo->count(); ++i) tipo->setItemText(i, T(kTextoTramoLaminar + i));
            nombrar(tipo, kColTipo);
        }
        if (auto* firme = qobject_cast<QComboBox*>(cellWidget(t, kColFirme))) {
            for (int i = 0; i < firme->count(); ++i) firme->setItemText(i, T(kTextoSinPavimentar + i));
            nombrar(firme, kColFirme);
        }
        if (auto* lista = qobject_cast<QComboBox*>(cellWidget(t, kColRugosidad))) {
            const QString texto = lista->currentText();
            int ancho = 0;
            for (int i = 0; i < lista->count(); ++i) {
                lista->setItemText(i, EntradaTabla31(static_cast<std::size_t>(i)));
                ancho = std::max(ancho, lista->fontMetrics().horizontalAdvance(lista->itemText(i)));
            }
            lista->setEditText(texto);
            lista->view()->setMinimumWidth(ancho + 40);
            nombrar(lista, kColRugosidad);
        }
        for (const int c : {kColRugosidad, kColLongitud, kColLluvia2, kColPendiente, kColSeccion, kColPerimetro}) {
            nombrar(CampoEn(t, c), c);
        }
    }
}

std::vector<std::vector<QString>> RejillaTramos::Textos() const {
    std::vector<std::vector<QString>> textos(1);
    for (const int titulo : kTitulos) textos[0].push_back(T(titulo));
    for (int t = 0; t < Tramos(); ++t) {
        auto& fila = textos.emplace_back();
        for (int c = 0; c < kColumnas; ++c) {
            QWidget* control = cellWidget(t, c);
            if (auto* lista = qobject_cast<QComboBox*>(control)) {
                fila.push_back(lista->currentText());
            } else if (auto* campo = qobject_cast<QLineEdit*>(control)) {
                fila.push_back(campo->text());
            } else {
                fila.push_back(item(t, c) ? item(t, c)->text() : QString());
            }
        }
    }
    return textos;
}

bool RejillaTramos::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::FocusIn) {
        if (const int t = TramoDe(qobject_cast<QWidget*>(objeto)); t >= 0) mUltimoTramo = t;
    }
    return QTableWidget::eventFilter(objeto, evento);
}

void RejillaTramos::Ajustar() {
    // Every column as wide as its heading and what it shows; the grid as
    // large as its rows, so that nothing scrolls.
    const QFontMetrics medida(font());
    const int anchoTipo = [&] {
        int ancho = 0;
        for (int i = 0; i < 3; ++i) ancho = std::max(ancho, medida.horizontalAdvance(T(kTextoTramoLaminar + i)));
        return ancho + 40;
    }();
    int ancho = 2 * frameWidth();
    for (int c = 0; c < kColumnas; ++c) {
        int w = std::max(medida.horizontalAdvance(T(kTitulos[c])) + 16, medida.horizontalAdvance(QStringLiteral("0.00000")) + 12);
        if (c == kColNumero) w = medida.horizontalAdvance(T(kTitulos[c])) + 12;
        if (c == kColTipo) w = std::max(w, anchoTipo);
        if (c == kColFirme) {
            for (int i = 0; i < 2; ++i) w = std::max(w, medida.horizontalAdvance(T(kTextoSinPavimentar + i)) + 40);
        }
        if (c == kColRugosidad) w += 20;
        setColumnWidth(c, w);
        ancho += w;
    }
    const int alto = medida.height() + 14;
    for (int t = 0; t < Tramos(); ++t) setRowHeight(t, alto);
    setFixedSize(ancho, horizontalHeader()->sizeHint().height() + alto * Tramos() + 2 * frameWidth());
}

}  // namespace tarvel
