#pragma once
// The report of a catchment worksheet, in the language of the run: the file,
// the date, the sub-areas with how each curve number was obtained, the
// composite curve number under conditions I, II and III with its thresholds,
// and, when a storm is given, the runoff table of each ratio.
#include <QDate>
#include <QString>
#include <expected>

#include "catchment/HojaCuenca.h"
#include "ui/common/Informe.h"

namespace tarvel {

// `archivo` is the name the report gives the worksheet. A worksheet that
// cannot be a catchment has no report: the core's message instead.
std::expected<Informe, QString> InformeDeHoja(const HojaCuenca& hoja, const QString& archivo, QDate fecha);

}  // namespace tarvel
