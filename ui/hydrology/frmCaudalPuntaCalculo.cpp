// The peak discharge window's fields read, handed to the core and its answer
// shown; refusals, the copy and the keys.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>
#include <limits>

#include "app/FormatoNumerico.h"
#include "app/Patrones.h"
#include "app/TablaTextos.h"
#include "hydrology/TextosCaudal.h"
#include "ui/common/Accesibilidad.h"
#include "ui/common/Colores.h"
#include "ui/common/Mensajes.h"
#include "ui/common/Textos.h"
#include "ui/common/Ventana.h"
#include "ui/determination/frmEleccion.h"
#include "ui/hydrology/RejillaTramos.h"
#include "ui/hydrology/frmCaudalPunta.h"

namespace tarvel {
namespace {

// The table's columns by the text number of their headings (frmCaudalPunta.cpp).
constexpr int kPrimeraCalculada = 5;

QString Valor(const std::optional<double>& valor) { return valor ? DeUtf8(TextoNumero(*valor)) : QString(); }

}  // namespace

void frmCaudalPunta::Mostrar(const EntradasCaudal& e) {
    const bool ic = e.metodo == MetodoCaudal::IC;
    opcMetodo[ic ? 1 : 0]->setChecked(true);
    cboDistribucion->setCurrentIndex(static_cast<int>(e.distribucion));
    txtCharcas->setText(Valor(e.charcas));
    opcUmbral[e.umbralTecleado ? 1 : 0]->setChecked(true);
    txtP0->setText(Valor(e.umbral));
    txtBeta->setText(Valor(e.beta));
    txtI1Id->setText(Valor(e.i1id));
    opcTiempo[e.tiempoTecleado ? 2 : ic ? 1 : 0]->setChecked(true);
    txtTc->setText(Valor(e.tc));
    tblTramos->PonerTramos(e.tramos);
    txtLc->setText(Valor(e.longitudCauce));
    txtJc->setText(Valor(e.pendienteCauce));
    for (std::size_t f = 0; f < e.periodos.size(); ++f) {
        const PeriodoEscrito& p = e.periodos[f];
        txtPeriodo[f]->setText(Valor(p.T));
        txtLluvia[f]->setText(Valor(p.lluvia));
        txtLluviaDiaria[f]->setText(Valor(p.lluviaDiaria));
        txtBetaFila[f]->setText(Valor(p.beta));
        txtFb[f]->setText(Valor(p.fb));
    }
}

std::optional<double> frmCaudalPunta::ValorDe(const QLineEdit* campo, bool conRechazados) const {
    const QString texto = campo->text();
    if (texto.trimmed().isEmpty()) return std::nullopt;
    const auto valor = ConvertirDecimalSimple(texto.toStdString());
    if (conRechazados) return valor.value_or(std::numeric_limits<double>::quiet_NaN());
    if (valor && DentroDe(RangoDe(mDatos.at(campo).dato), *valor)) return *valor + 0.0;  // -0 is 0
    return std::nullopt;
}

EntradasCaudal frmCaudalPunta::Leidas(bool conRechazados) const {
    const auto valor = [&](const QLineEdit* campo) { return ValorDe(campo, conRechazados); };
    EntradasCaudal e;
    e.metodo = Metodo();
    e.distribucion = static_cast<DistribucionLluvia>(std::max(0, cboDistribucion->currentIndex()));
    e.charcas = valor(txtCharcas);
    e.umbralTecleado = opcUmbral[1]->isChecked();
    e.umbral = valor(txtP0);
    e.beta = valor(txtBeta);
    e.i1id = valor(txtI1Id);
    e.tiempoTecleado = opcTiempo[2]->isChecked();
    e.tc = valor(txtTc);
    e.tramos.clear();
    for (int t = 0; t < tblTramos->Tramos(); ++t) {
        TramoEscrito& tramo = e.tramos.emplace_back();
        tramo.tipo = tblTramos->Tipo(t);
        // Only shallow flow has a surface: the one a row keeps for it meanwhile is not the segment's.
        if (tramo.tipo == TipoTramo::Superficial) tramo.firme = tblTramos->FirmeDe(t);
        for (const auto& [campo, dato] : tblTramos->Campos(t)) ValorDeTramo(tramo, dato) = valor(campo);
    }
    e.longitudCauce = valor(txtLc);
    e.pendienteCauce = valor(txtJc);
    for (std::size_t f = 0; f < e.periodos.size(); ++f) {
        e.periodos[f] = {valor(txtPeriodo[f]), valor(txtLluvia[f]), valor(txtLluviaDiaria[f]), valor(txtBetaFila[f]),
                         valor(txtFb[f])};
    }
    return e;
}

EntradasCaudal frmCaudalPunta::Entradas() const { return Leidas(false); }

frmCaudalPunta::Calculo frmCaudalPunta::Calcular(bool vaciosRechazados) const {
    Calculo c;
    const auto area = mCuenca ? std::optional(mCuenca->area) : ValorDe(txtArea, true);
    const auto cn = mCuenca ? std::optional(mCuenca->cn) : ValorDe(txtNC, true);
    c.r = EvaluarCaudal(Leidas(true), area, cn);
    for (const FaltaCaudal& falta : c.r.faltas) {
        const QLineEdit* campo = CampoDe(falta.lugar);
        if (!campo) continue;
        if (!falta.vacio) {
            c.fallos.push_back(FalloDe(campo, campo->text(), falta.lugar.rango));
        } else {
            c.fallos.push_back(vaciosRechazados ? FalloDe(campo, {}, falta.lugar.rango)
                                                : Fallo{const_cast<QLineEdit*>(campo), {}});
        }
    }
    return c;
}

void frmCaudalPunta::Actualizar() {
    const Calculo c = Calcular(false);
    for (int t = 0; t < tblTramos->Tramos(); ++t) tblTramos->MostrarTiempo(t, c.r.tramos[static_cast<std::size_t>(t)]);
    lblTc->setText(c.r.tc ? T(kTextoTiempoCalculado, {Cifra(*c.r.tc)}) : QString());
    lblUmbralCurva->setText(c.r.umbralDeCurva ? DeUtf8(Cifra(*c.r.umbralDeCurva)) : QString());

    for (int f = 0; f < kPeriodos; ++f) {
        for (int col = kPrimeraCalculada; col < tblCaudal->columnCount(); ++col) tblCaudal->item(f, col)->setText({});
    }
    if (c.r.tabla) {
        const int datos = Metodo() == MetodoCaudal::TR55 ? kColumnasDatosTR55 : kColumnasDatosIC;
        for (std::size_t i = 0; i < c.r.tabla->filas.size(); ++i) {
            for (std::size_t k = static_cast<std::size_t>(datos); k < c.r.tabla->columnas.size(); ++k) {
                // The window's column of the same heading.
                const QString titulo = T(c.r.tabla->columnas[k]);
                for (int col = kPrimeraCalculada; col < tblCaudal->columnCount(); ++col) {
                    if (tblCaudal->horizontalHeaderItem(col)->text() != titulo) continue;
                    tblCaudal->item(c.r.filas[i], col)->setText(DeUtf8(c.r.tabla->filas[i][k]));
                }
            }
        }
    }
    lblConstantes->setText(c.r.tabla ? DeUtf8(c.r.tabla->constantes) : QString());
    // An empty β of a row is the catchment's, and shows it.
    for (QLineEdit* beta : txtBetaFila) beta->setPlaceholderText(txtBeta->text().trimmed());
    QStringList avisos;
    for (const std::string& aviso : c.r.avisos) avisos << QStringLiteral("• ") + DeUtf8(aviso);
    QPalette paleta = lblAvisos->palette();
    paleta.setColor(QPalette::WindowText, avisos.isEmpty() ? palette().color(QPalette::WindowText) : kTextoAviso);
    lblAvisos->setPalette(paleta);
    if (avisos.isEmpty() && c.r.tabla) avisos << T(kTextoSinAvisos);
    lblAvisos->setText(avisos.join('\n'));
}

void frmCaudalPunta::Rechazar(const Fallo& fallo) {
    MostrarMensaje(this, fallo.mensaje);
    if (auto* campo = qobject_cast<QLineEdit*>(fallo.campo.data()); campo && campo->isVisible()) {
        // The field the focus is taken from is not being left by the user:
        // checking it too would send the focus back and forth.
        mDevolviendoFoco = true;
        campo->setFocus(Qt::OtherFocusReason);
        mDevolviendoFoco = false;
        campo->selectAll();
    }
}

bool frmCaudalPunta::ComprobarCampo() {
    QLineEdit* campo = std::exchange(mCampoPorComprobar, nullptr);
    // Closing in the meantime, gone with its segment, or nothing typed yet: nothing to say.
    if (!campo || !isVisible() || !campo->isEnabled() || campo->text().trimmed().isEmpty()) return true;
    const Calculo c = Calcular(false);
    for (const Fallo& fallo : c.fallos) {
        if (fallo.campo == campo && !fallo.mensaje.isEmpty()) {
            Rechazar(fallo);
            return false;
        }
    }
    return true;
}

QString frmCaudalPunta::TextoCopia(const Calculo& c) const {
    QStringList lineas{windowTitle()};
    const auto linea = [&lineas](const QString& nombre, const QString& valor) { lineas << nombre + '\t' + valor; };
    const auto campo = [&linea](const QLabel* rotulo, const QLineEdit* campo) {
        linea(NombreDeRotulo(rotulo->text()), campo->text().trimmed());
    };
    const bool tr55 = Metodo() == MetodoCaudal::TR55;
    linea(T(kTextoMarcoMetodo), opcMetodo[tr55 ? 0 : 1]->text());
    campo(lblArea, txtArea);
    if (tr55) {
        campo(lblCurva, txtNC);
        linea(NombreDeRotulo(lblDistribucion->text()), cboDistribucion->currentText());
        campo(lblCharcas, txtCharcas);
    } else {
        if (opcUmbral[0]->isChecked()) {
            campo(lblCurva, txtNC);
            linea(T(kTextoUmbralDeCurvaValor), lblUmbralCurva->text());
        } else {
            linea(txtP0->accessibleName(), txtP0->text().trimmed());
        }
        campo(lblBeta, txtBeta);
        campo(lblI1Id, txtI1Id);
    }
    if (opcTiempo[0]->isChecked() && tr55) {
        lineas << T(kTextoTiempoTramos);
        for (const auto& fila : tblTramos->Textos()) lineas << QStringList(fila.begin(), fila.end()).join('\t');
    } else if (opcTiempo[1]->isChecked() && !tr55) {
        campo(lblLongitudCauce, txtLc);
        campo(lblPendienteCauce, txtJc);
    } else {
        linea(txtTc->accessibleName(), txtTc->text().trimmed());
    }
    lineas << lblTc->text();
    QString texto = lineas.join('\n') + '\n' + DeUtf8(TablaCaudalTsv(*c.r.tabla)) + T(kTextoAvisos) + '\n';
    if (c.r.avisos.empty()) texto += T(kTextoSinAvisos) + '\n';
    for (const std::string& aviso : c.r.avisos) texto += DeUtf8(aviso) + '\n';
    return texto;
}

void frmCaudalPunta::cmdDeterminar_Click() {
    if (!ComprobarCampo()) return;
    const auto numero = DeterminarNumeroCurva(this);
    if (!numero) return;
    txtNC->setText(QString::number(*numero));
    // A table cell without a curve number hands back -1.
    mCampoPorComprobar = txtNC;
    ComprobarCampo();
}

void frmCaudalPunta::cmdCopiar_Click() {
    if (!ComprobarCampo()) return;
    const Calculo c = Calcular(true);
    if (!c.fallos.empty()) return Rechazar(c.fallos.front());
    if (c.r.tabla) QApplication::clipboard()->setText(TextoCopia(c));
}

bool frmCaudalPunta::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::FocusOut && !mDevolviendoFoco && CambioDeControl(evento)) {
        auto* campo = qobject_cast<QLineEdit*>(objeto);
        if (auto* lista = qobject_cast<QComboBox*>(objeto)) campo = lista->lineEdit();
        if (campo && mDatos.contains(campo)) {
            // Checked once the focus has settled: a button pressed meanwhile
            // checks it first.
            mCampoPorComprobar = campo;
            QTimer::singleShot(0, this, [this] { ComprobarCampo(); });
        }
    } else if (objeto == tblCaudal && evento->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent*>(evento)->matches(QKeySequence::Copy)) {
        cmdCopiar_Click();
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

void frmCaudalPunta::reject() {
    // What a worksheet keeps is what the fields hold: a value refused in the
    // field being left is said first, and the window stays.
    if (mCuenca) {
        QWidget* foco = focusWidget();
        auto* campo = qobject_cast<QLineEdit*>(foco);
        if (auto* lista = qobject_cast<QComboBox*>(foco)) campo = lista->lineEdit();
        if (campo && mDatos.contains(campo)) mCampoPorComprobar = campo;
        if (!ComprobarCampo()) return;
    }
    QDialog::reject();
}

EntradasCaudal CaudalDeHoja(QWidget* padre, const EntradasCaudal& entradas, CuencaHoja cuenca) {
    frmCaudalPunta caudal(padre, entradas, cuenca);
    caudal.exec();
    return caudal.Entradas();
}

void frmCaudalPunta::keyPressEvent(QKeyEvent* evento) {
    if (!EnterPulsaBotonConFoco(this, evento)) QDialog::keyPressEvent(evento);
}

}  // namespace tarvel
