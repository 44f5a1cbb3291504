#include "ui/catchment/TablaSubareas.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>

#include "ui/common/ReglaTeclado.h"

namespace tarvel {
namespace {

class DelegadoHoja : public QStyledItemDelegate {
    static constexpr const char* kNumerica = "tarvelNumerica";

public:
    DelegadoHoja(QVector<int> numericas, QObject* padre)
        : QStyledItemDelegate(padre), mNumericas(std::move(numericas)) {}

    void Terminar() {
        // An editor the view has already closed is hidden, waiting to be deleted.
        if (!mEditor || mEditor->isHidden()) return;
        QWidget* editor = mEditor;
        mEditor = nullptr;
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
    }

    QWidget* createEditor(QWidget* padre, const QStyleOptionViewItem& opcion,
                          const QModelIndex& indice) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(padre, opcion, indice);
        mEditor = editor;
        editor->setAccessibleName(indice.model()->headerData(indice.column(), Qt::Horizontal).toString());
        if (mNumericas.contains(indice.column())) {
            ReglaTeclado::AplicarACampo(editor);
            editor->setProperty(kNumerica, true);
            if (auto* caja = qobject_cast<QLineEdit*>(editor)) caja->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        return editor;
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::KeyPress && objeto == mEditor) {
            const int tecla = static_cast<QKeyEvent*>(evento)->key();
            if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
                // In a numeric cell Enter is the key rule's, which turns it into Tab.
                if (mEditor->property(kNumerica).toBool()) return false;
                // Elsewhere it goes on as Tab does.
                QWidget* editor = mEditor;
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::EditNextItem);
                return true;
            }
        }
        // Leaving the cell for another control keeps what was typed at once (not
        // later, as the stock delegate does), so that a button acts on it.
        if (evento->type() == QEvent::FocusOut && objeto == mEditor) {
            for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
                if (w == mEditor) return false;
            }
            Terminar();
            return false;
        }
        return QStyledItemDelegate::eventFilter(objeto, evento);
    }

private:
    QVector<int> mNumericas;
    mutable QPointer<QWidget> mEditor;
};

}  // namespace

TablaSubareas::TablaSubareas(int columnas, QVector<int> numericas, QWidget* padre) : QTableWidget(0, columnas, padre) {
    setItemDelegate(new DelegadoHoja(std::move(numericas), this));
}

void TablaSubareas::TerminarEdicion() { static_cast<DelegadoHoja*>(itemDelegate())->Terminar(); }

QModelIndex TablaSubareas::Vecina(bool siguiente) const {
    const QModelIndex actual = currentIndex();
    if (!actual.isValid()) return {};
    const int paso = siguiente ? 1 : -1;
    int fila = actual.row();
    int columna = actual.column();
    for (;;) {
        columna += paso;
        if (columna < 0 || columna >= columnCount()) {
            fila += paso;
            columna = siguiente ? 0 : columnCount() - 1;
        }
        if (fila < 0 || fila >= rowCount()) return {};
        const QTableWidgetItem* celda = item(fila, columna);
        if (celda && (celda->flags() & Qt::ItemIsEditable) && !isColumnHidden(columna) && !isRowHidden(fila)) {
            return model()->index(fila, columna);
        }
    }
}

QModelIndex TablaSubareas::moveCursor(CursorAction accion, Qt::KeyboardModifiers modificadores) {
    if (accion == MoveNext || accion == MovePrevious) return Vecina(accion == MoveNext);
    return QTableWidget::moveCursor(accion, modificadores);
}

void TablaSubareas::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint pista) {
    const bool seguir = pista == QAbstractItemDelegate::EditNextItem || pista == QAbstractItemDelegate::EditPreviousItem;
    const bool fuera = seguir && !Vecina(pista == QAbstractItemDelegate::EditNextItem).isValid();
    QTableWidget::closeEditor(editor, pista);
    if (fuera) QWidget::focusNextPrevChild(pista == QAbstractItemDelegate::EditNextItem);
}

void TablaSubareas::keyPressEvent(QKeyEvent* evento) {
    const QModelIndex actual = currentIndex();
    const QString texto = evento->text();
    const bool escrito = !texto.isEmpty() && texto.front().isPrint() &&
                         !(evento->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (escrito && actual.isValid() && state() != EditingState && !(actual.flags() & Qt::ItemIsEditable)) {
        emit TextoSinSitio(actual.column());
        evento->accept();
        return;
    }
    QTableWidget::keyPressEvent(evento);
}

}  // namespace tarvel
