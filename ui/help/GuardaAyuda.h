#pragma once
// What the help viewer may load besides the help file's own pages: files
// inside the help file's folder (its pictures, its style sheet), never a
// remote address and never a file elsewhere on the disk, symbolic links
// included.
#include <QByteArray>
#include <QString>
#include <QUrl>

namespace tarvel {

class GuardaAyuda {
public:
    explicit GuardaAyuda(const QString& archivoAyuda = {});

    // The bytes of the resource, or nothing at all when it may not be loaded
    // (an empty answer, so that the document never goes and reads it itself).
    QByteArray Leer(const QUrl& url) const;

private:
    QString mCarpeta;  // canonical folder of the help file; empty: nothing may be loaded
};

}  // namespace tarvel
