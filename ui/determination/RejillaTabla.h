#pragma once
// A grid whose first rows are its heading: they stay in view while the body
// scrolls, and they keep their row numbers (row 0 is still item(0, c)).
//
// How: the grid's own column header is given the height of the heading rows
// and holds a second view of the same model that shows those rows only; the
// grid itself hides them. The header keeps the second view aligned with the
// columns and in place above the body whatever the body's scroll position,
// and Qt keeps the scroll bars to the body.
#include <QTableWidget>

class QTableView;

namespace tarvel {

class RejillaTabla : public QTableWidget {
    Q_OBJECT
public:
    explicit RejillaTabla(QWidget* padre = nullptr);

    // Rows 0 to filas - 1 become the fixed heading.
    void FijarFilasCabecera(int filas);
    int FilasCabecera() const { return mFilasCabecera; }
    // The view that shows the heading rows.
    QTableView* VistaCabecera() const { return mCabecera; }

    // Draws cells as one, in the heading or in the body.
    void Unir(int fila, int columna, int filas, int columnas);

    // Column width in twips (1440 to the inch) at the screen's resolution.
    void FijarAnchoTwips(int columna, int twips);

    // Row heights so that every text fits its cell, wrapped at the column
    // widths (widened first where a single word would not fit); a joined cell
    // shares what it needs among its rows.
    void AjustarAltoFilas();

    // Width and height that show every column (and every row when `todasLasFilas`)
    // without scroll bars, apart from the vertical bar when rows are left out.
    QSize TamanoJusto(bool todasLasFilas) const;

    // The selected cells as tab-separated text on the clipboard.
    void CopiarSeleccion();

signals:
    // A double-click, with the row and column under the pointer (-1 outside
    // the cells), in the heading or in the body.
    void celdaDobleClic(int fila, int columna);

protected:
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void AjustarCabecera();
    void AmpliarColumnas();
    void AltoFilas(QTableView* vista, int desde, int hasta);

    QTableView* mCabecera = nullptr;
    int mFilasCabecera = 0;
    QList<QRect> mUniones;  // x = column, y = row
};

}  // namespace tarvel
