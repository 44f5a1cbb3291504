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

#include "app/Patrones.h"
#include "app/TablaTextos.h"
#include "hydrology/Escorrentia.h"
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

constexpr DistribucionLluvia kDistribuciones[] = {DistribucionLluvia::I, DistribucionLluvia::IA,
                                                  DistribucionLluvia::II, DistribucionLluvia::III};
// The table's columns by the text number of their headings (frmCaudalPunta.cpp).
constexpr int kPrimeraCalculada = 5;

TramoFlujo Construir(TipoTramo tipo, const std::vector<double>& v, Firme firme) {
    switch (tipo) {
        case TipoTramo::Laminar: return TramoLaminar(v[0], v[1], v[2], v[3]);
        case TipoTramo::Superficial: return TramoSuperficial(v[0], v[1], firme);
        case TipoTramo::Cauce: break;
    }
    return TramoCauce(v[0], v[1], v[2], v[3], v[4]);
}

}  // namespace

void frmCaudalPunta::CalcularTiempo(Calculo& c, bool vaciosRechazados) const {
    c.tramos.assign(static_cast<std::size_t>(tblTramos->Tramos()), std::nullopt);
    if (opcTiempo[2]->isChecked()) {
        c.tc = Leer(txtTc, c, vaciosRechazados);
        return;
    }
    if (Metodo() == MetodoCaudal::IC) {
        const auto lc = Leer(txtLc, c, vaciosRechazados);
        const auto jc = Leer(txtJc, c, vaciosRechazados);
        if (!lc || !jc) return;
        if (const auto tc = CalcularTiempoIC(*lc, *jc)) c.tc = *tc;
        return;
    }
    // The flow path: its rows with every field typed, in order; a row left
    // empty is no segment, a row half typed keeps Tc from being known.
    std::vector<TramoFlujo> camino;
    std::vector<int> deFila;
    bool completo = true;
    for (int t = 0; t < tblTramos->Tramos(); ++t) {
        const auto campos = tblTramos->Campos(t);
        if (std::ranges::all_of(campos, [](const RejillaTramos::Campo& d) { return d.campo->text().trimmed().isEmpty(); })) {
            continue;
        }
        std::vector<double> valores;
        for (const auto& d : campos) {
            if (const auto valor = Leer(d.campo, c, vaciosRechazados)) valores.push_back(*valor);
        }
        if (valores.size() < campos.size()) {
            completo = false;
            continue;
        }
        const TramoFlujo tramo = Construir(tblTramos->Tipo(t), valores, tblTramos->FirmeDe(t));
        const std::vector<TramoFlujo> solo{tramo};
        if (const auto tiempo = CalcularTiempoTR55(solo)) c.tramos[static_cast<std::size_t>(t)] = tiempo->tramos.front();
        camino.push_back(tramo);
        deFila.push_back(t);
    }
    if (camino.empty() && completo) {
        const QLineEdit* primero = tblTramos->Campos(0).front().campo;
        c.fallos.push_back(vaciosRechazados ? FalloDe(primero, {}, RangoDe(tblTramos->Campos(0).front().dato))
                                            : Fallo{const_cast<QLineEdit*>(primero), {}});
        return;
    }
    if (!completo) return;
    const auto tiempo = CalcularTiempoTR55(camino);
    if (!tiempo) return;  // every field was checked against the same ranges
    c.tc = tiempo->horas;
    for (Aviso aviso : tiempo->avisos) {
        aviso.tramo = deFila[static_cast<std::size_t>(aviso.tramo)];
        c.avisos.push_back(TextoAviso(aviso, MetodoCaudal::TR55));
    }
}

frmCaudalPunta::Calculo frmCaudalPunta::Calcular(bool vaciosRechazados) const {
    Calculo c;
    const bool tr55 = Metodo() == MetodoCaudal::TR55;
    // The catchment, in the order of its fields.
    const auto area = Leer(txtArea, c, vaciosRechazados);
    std::optional<double> cn, charcas, umbral, beta, i1id;
    if (tr55 || opcUmbral[0]->isChecked()) cn = Leer(txtNC, c, vaciosRechazados);
    if (tr55) {
        charcas = Leer(txtCharcas, c, vaciosRechazados, 0.0);
    } else {
        if (opcUmbral[1]->isChecked()) {
            umbral = Leer(txtP0, c, vaciosRechazados);
        } else if (cn) {
            const auto deCurva = UmbralInicialDeNumeroCurva(*cn);
            if (deCurva) {
                c.umbralDeCurva = umbral = *deCurva;
            } else {
                c.fallos.push_back(FalloDe(txtNC, txtNC->text(), deCurva.error().rango));
            }
        }
        beta = Leer(txtBeta, c, vaciosRechazados, 1.0);
        i1id = Leer(txtI1Id, c, vaciosRechazados);
    }
    CalcularTiempo(c, vaciosRechazados);

    // The return periods whose storm is typed.
    std::vector<TormentaTR55> tr55s;
    std::vector<TormentaIC> ics;
    bool filasCompletas = true;
    for (int f = 0; f < kPeriodos; ++f) {
        const QLineEdit* lluvia = tr55 ? txtLluvia[static_cast<std::size_t>(f)] : txtLluviaDiaria[static_cast<std::size_t>(f)];
        if (lluvia->text().trimmed().isEmpty()) continue;
        const auto T = Leer(txtPeriodo[static_cast<std::size_t>(f)], c, vaciosRechazados);
        const auto P = Leer(lluvia, c, vaciosRechazados);
        std::optional<double> betaFila = 1, fb;
        if (!tr55) {
            betaFila = Leer(txtBetaFila[static_cast<std::size_t>(f)], c, vaciosRechazados, beta.value_or(1));
            const QLineEdit* campoFb = txtFb[static_cast<std::size_t>(f)];
            if (!campoFb->text().trimmed().isEmpty()) {
                fb = Leer(campoFb, c, vaciosRechazados);
                if (!fb) filasCompletas = false;
            }
        }
        if (!T || !P || !betaFila) {
            filasCompletas = false;
            continue;
        }
        c.filas.push_back(f);
        if (tr55) {
            tr55s.push_back({*T, *P});
        } else {
            ics.push_back({*T, *P, *betaFila, fb});
        }
    }
    if (c.filas.empty() && filasCompletas) {
        const QLineEdit* primera = tr55 ? txtLluvia[0] : txtLluviaDiaria[0];
        c.fallos.push_back(vaciosRechazados ? FalloDe(primera, {}, RangoDe(mDatos.at(primera).dato))
                                            : Fallo{const_cast<QLineEdit*>(primera), {}});
    }
    if (!area || !c.tc || !filasCompletas || c.filas.empty()) return c;

    const auto rechazar = [&](const RechazoCaudal& r) {
        if (QLineEdit* campo = CampoDe(r, c.filas)) c.fallos.push_back(FalloDe(campo, campo->text(), r.rango));
    };
    if (tr55) {
        if (!cn || !charcas) return c;
        const DatosTR55 datos{*area, *cn, 0, *c.tc, kDistribuciones[cboDistribucion->currentIndex()], *charcas};
        const auto filas = CalcularTablaTR55(datos, tr55s);
        if (!filas) {
            rechazar(filas.error());
            return c;
        }
        c.tabla = TablaDeTR55(datos, tr55s, *filas);
    } else {
        if (!umbral || !beta || !i1id) return c;
        const DatosIC datos{*area, *c.tc, 0, *i1id, std::nullopt, *umbral, *beta};
        const auto filas = CalcularTablaIC(datos, ics);
        if (!filas) {
            rechazar(filas.error());
            return c;
        }
        c.tabla = TablaDeIC(datos, ics, *filas);
    }
    c.avisos.insert(c.avisos.end(), c.tabla->avisos.begin(), c.tabla->avisos.end());
    return c;
}

void frmCaudalPunta::Actualizar() {
    const Calculo c = Calcular(false);
    for (int t = 0; t < tblTramos->Tramos(); ++t) tblTramos->MostrarTiempo(t, c.tramos[static_cast<std::size_t>(t)]);
    lblTc->setText(c.tc ? T(kTextoTiempoCalculado, {Cifra(*c.tc)}) : QString());
    lblUmbralCurva->setText(c.umbralDeCurva ? DeUtf8(Cifra(*c.umbralDeCurva)) : QString());

    for (int f = 0; f < kPeriodos; ++f) {
        for (int col = kPrimeraCalculada; col < tblCaudal->columnCount(); ++col) tblCaudal->item(f, col)->setText({});
    }
    if (c.tabla) {
        const int datos = Metodo() == MetodoCaudal::TR55 ? kColumnasDatosTR55 : kColumnasDatosIC;
        for (std::size_t i = 0; i < c.tabla->filas.size(); ++i) {
            for (std::size_t k = static_cast<std::size_t>(datos); k < c.tabla->columnas.size(); ++k) {
                // The window's column of the same heading.
                const QString titulo = T(c.tabla->columnas[k]);
                for (int col = kPrimeraCalculada; col < tblCaudal->columnCount(); ++col) {
                    if (tblCaudal->horizontalHeaderItem(col)->text() != titulo) continue;
                    tblCaudal->item(c.filas[i], col)->setText(DeUtf8(c.tabla->filas[i][k]));
                }
            }
        }
    }
    lblConstantes->setText(c.tabla ? DeUtf8(c.tabla->constantes) : QString());
    // An empty β of a row is the catchment's, and shows it.
    for (QLineEdit* beta : txtBetaFila) beta->setPlaceholderText(txtBeta->text().trimmed());
    QStringList avisos;
    for (const std::string& aviso : c.avisos) avisos << QStringLiteral("• ") + DeUtf8(aviso);
    QPalette paleta = lblAvisos->palette();
    paleta.setColor(QPalette::WindowText, avisos.isEmpty() ? palette().color(QPalette::WindowText) : kTextoAviso);
    lblAvisos->setPalette(paleta);
    if (avisos.isEmpty() && c.tabla) avisos << T(kTextoSinAvisos);
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
    QString texto = lineas.join('\n') + '\n' + DeUtf8(TablaCaudalTsv(*c.tabla)) + T(kTextoAvisos) + '\n';
    if (c.avisos.empty()) texto += T(kTextoSinAvisos) + '\n';
    for (const std::string& aviso : c.avisos) texto += DeUtf8(aviso) + '\n';
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
    if (c.tabla) QApplication::clipboard()->setText(TextoCopia(c));
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

void frmCaudalPunta::keyPressEvent(QKeyEvent* evento) {
    // Enter presses the button that has the focus and nothing else: the
    // window has no default button (in the fields Enter moves on).
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        if (auto* boton = qobject_cast<QPushButton*>(focusWidget())) boton->click();
        return;
    }
    QDialog::keyPressEvent(evento);
}

}  // namespace tarvel
