#pragma once
// The flow path of TR-55's velocity method as an editable grid: one row per
// segment, its kind chosen from a list, the fields that kind reads typed in
// their cells (Manning's n of sheet flow also offered from TR-55 table 3-1,
// the surface of shallow flow chosen), and the mean velocity and travel time
// of the segment shown beside them. Cells a kind does not read are shaded
// and hold nothing.
//
// Every typed value is kept in the row it was typed in, whatever kind the row
// takes meanwhile: a length typed for sheet flow is still there when the row
// becomes a channel, and P2 comes back when it turns to sheet flow again.
#include <QTableWidget>
#include <optional>
#include <vector>

#include "hydrology/EntradasCaudal.h"
#include "hydrology/TiempoConcentracion.h"

class QComboBox;
class QLineEdit;

namespace tarvel {

class RejillaTramos : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int kTramosMaximos = tarvel::kTramosMaximos;

    // With no row: the opener adds the first once it listens to the signals.
    explicit RejillaTramos(QWidget* padre);

    int Tramos() const { return static_cast<int>(mFilas.size()); }
    void AnadirTramo();
    // The segment the focus was last in, else the last one; never the only one.
    void QuitarTramo();
    // The rows made again as `tramos` has them (one empty row for none).
    void PonerTramos(std::span<const TramoEscrito> tramos);

    // A field of a segment as its kind reads it.
    struct Campo {
        QLineEdit* campo;
        DatoCaudal dato;
    };
    TipoTramo Tipo(int tramo) const { return mFilas[static_cast<std::size_t>(tramo)].tipo; }
    Firme FirmeDe(int tramo) const { return mFilas[static_cast<std::size_t>(tramo)].firme; }
    // In the order of the kind's builder (TramoLaminar, TramoSuperficial, TramoCauce).
    std::vector<Campo> Campos(int tramo) const;
    // The segment a field belongs to; -1 for none.
    int TramoDe(const QWidget* campo) const;

    // Empty while the segment's travel time is not known.
    void MostrarTiempo(int tramo, const std::optional<TiempoTramo>& tiempo);

    // The first control of a segment's row: its kind.
    QWidget* Primero(int tramo) const;

    // Every control the user types or chooses in, row by row, left to right.
    std::vector<QWidget*> Controles() const;

    // Headings, the kinds' and surfaces' names, the accessible names.
    void PonerTextos();

    // One text per row and column as shown (controls by their text), the
    // headings first, for a copy.
    std::vector<std::vector<QString>> Textos() const;

signals:
    // A value, a kind or a surface changed, or a row came or went.
    void Cambiado();
    // A field was just made (the window checks it as it is left).
    void CampoCreado(QLineEdit* campo);
    // The rows' controls were made again: the focus order is to be set again.
    void ControlesRehechos();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // Texts by column (kColumnaRugosidad ...), kept whatever the kind.
    struct Fila {
        TipoTramo tipo = TipoTramo::Laminar;
        Firme firme = Firme::SinPavimentar;
        std::vector<QString> textos;
    };
    // The row's controls made again: all of them, or those after its kind.
    void Rehacer(int tramo);
    void RehacerCampos(int tramo);
    void Cuidar(QWidget* control);
    void Vaciar(int tramo, int columna);
    QLineEdit* CampoEn(int tramo, int columna) const;
    void Ajustar();

    std::vector<Fila> mFilas;
    int mUltimoTramo = -1;
};

}  // namespace tarvel
