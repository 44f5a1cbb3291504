#pragma once
// The rows of the catchment worksheet as a grid typed into from the keyboard
// alone. In a cell being edited, Tab and Enter keep what was typed and go on
// to edit the next cell that can be typed in, past the columns the program
// fills (share, runoff, how the number was obtained); Shift+Tab goes back the
// same way; after the last row's last such cell the focus goes on to the next
// control, as Tab does from a cell not being edited.
// Typing on a cell the program fills keeps nothing there and says so
// (TextoSinSitio), instead of searching the rows for what was typed. The
// numeric columns' editors follow the key rule (ReglaTeclado) and align right.
#include <QTableWidget>
#include <QVector>

namespace tarvel {

class TablaSubareas : public QTableWidget {
    Q_OBJECT
public:
    TablaSubareas(int columnas, QVector<int> numericas, QWidget* padre);

    // A cell being edited takes what was typed and closes, as if left with Tab.
    void TerminarEdicion();

signals:
    // Text typed on a cell that cannot be edited, in column `columna`.
    void TextoSinSitio(int columna);

protected:
    QModelIndex moveCursor(CursorAction accion, Qt::KeyboardModifiers modificadores) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint pista) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    // The next (or previous) cell in view that can be typed in, from the
    // current one; invalid past the last (or before the first).
    QModelIndex Vecina(bool siguiente) const;
};

}  // namespace tarvel
