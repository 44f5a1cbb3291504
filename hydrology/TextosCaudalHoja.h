#pragma once
// Numbers of the texts in the string table (700-749) of the peak discharge a
// catchment worksheet keeps: the worksheet's way to the peak window, the
// inputs a file or a report cannot work a peak out of, the faults of the
// file's peak inputs and the report's peak section.

namespace tarvel {

// The worksheet window and the peak window opened from it.
inline constexpr int kTextoBotonCaudalHoja = 700;
inline constexpr int kTextoCuencaDeHoja = 701;

// Inputs a peak cannot be worked out of.
inline constexpr int kTextoCaudalIncompleto = 702;  // %1 why
inline constexpr int kTextoFaltaDatoCaudal = 703;   // %1 the input

// The worksheet file.
inline constexpr int kTextoListaDeTamano = 704;     // %1 where, %2 fewest, %3 most
inline constexpr int kTextoListaDeElementos = 705;  // %1 where, %2 the items
inline constexpr int kTextoFueraDeRango = 706;      // %1 where, %2 why (MotivoRango)

// The report.
inline constexpr int kTextoSeccionCaudal = 707;     // %1 the method
inline constexpr int kTextoColumnaDato = 708;
inline constexpr int kTextoColumnaValor = 709;
inline constexpr int kTextoUmbralDeCurvaHoja = 710; // %1 P0ⁱ, %2 the curve number

}  // namespace tarvel
