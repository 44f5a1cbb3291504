#pragma once
// Numbers of the peak-discharge texts in the string table (600-699): the
// window, its tables, the warnings and refusals that the window and the
// companion share.

namespace tarvel {

// The window and how the main menu reaches it.
inline constexpr int kTextoVentanaCaudal = 600;
inline constexpr int kTextoMenuCaudal = 601;
inline constexpr int kTextoMarcoMetodo = 602;
inline constexpr int kTextoMetodoTR55 = 603;
inline constexpr int kTextoMetodoIC = 604;
inline constexpr int kTextoMarcoCuenca = 605;
inline constexpr int kTextoCampoArea = 606;
inline constexpr int kTextoCampoDistribucion = 607;
inline constexpr int kTextoCampoCharcas = 608;
inline constexpr int kTextoMarcoUmbral = 609;
inline constexpr int kTextoUmbralDeCurva = 610;
inline constexpr int kTextoUmbralTecleado = 611;
inline constexpr int kTextoCampoBeta = 612;
inline constexpr int kTextoCampoI1Id = 613;
inline constexpr int kTextoMarcoTiempo = 614;
inline constexpr int kTextoTiempoTramos = 615;
inline constexpr int kTextoTiempoCauce = 616;
inline constexpr int kTextoTiempoTecleado = 617;
inline constexpr int kTextoCampoLongitudCauce = 618;
inline constexpr int kTextoCampoPendienteCauce = 619;

// The flow path's segments: headings, kinds, surfaces, buttons.
inline constexpr int kTextoColumnaTramo = 620;
inline constexpr int kTextoColumnaTipo = 621;
inline constexpr int kTextoTramoLaminar = 622;      // then 623 shallow, 624 channel, in TipoTramo order
inline constexpr int kTextoColumnaFirme = 625;
inline constexpr int kTextoSinPavimentar = 626;     // then 627 paved, in Firme order
inline constexpr int kTextoColumnaRugosidad = 628;
inline constexpr int kTextoColumnaLongitud = 629;
inline constexpr int kTextoColumnaLluvia2 = 630;
inline constexpr int kTextoColumnaPendiente = 631;
inline constexpr int kTextoColumnaSeccion = 632;
inline constexpr int kTextoColumnaPerimetro = 633;
inline constexpr int kTextoColumnaVelocidad = 634;
inline constexpr int kTextoColumnaRecorrido = 635;
inline constexpr int kTextoAnadirTramo = 636;
inline constexpr int kTextoQuitarTramo = 637;
inline constexpr int kTextoTabla31 = 638;           // 638-647: the surfaces of table 3-1, in kTabla31 order
inline constexpr int kTextoTiempoCalculado = 648;   // %1 Tc

// The return periods' table.
inline constexpr int kTextoTituloTablaCaudal = 649;
inline constexpr int kTextoColumnaPeriodo = 650;
inline constexpr int kTextoColumnaLluvia24 = 651;
inline constexpr int kTextoColumnaLluviaDiaria = 652;
inline constexpr int kTextoColumnaBeta = 653;
inline constexpr int kTextoColumnaFb = 654;
inline constexpr int kTextoColumnaIaP = 655;
inline constexpr int kTextoColumnaQu = 656;
inline constexpr int kTextoColumnaQp = 657;
inline constexpr int kTextoColumnaId = 658;
inline constexpr int kTextoColumnaFint = 659;
inline constexpr int kTextoColumnaI = 660;
inline constexpr int kTextoColumnaP0 = 661;
inline constexpr int kTextoColumnaC = 662;
inline constexpr int kTextoConstantesTR55 = 663;    // %1 Tc, %2 S, %3 Ia, %4 Fp
inline constexpr int kTextoConstantesIC = 664;      // %1 tc, %2 KA, %3 Fa, %4 Kt

// Warnings: %1 the value, %2 the limit (%3 the segment, from 1).
inline constexpr int kTextoAvisos = 665;
inline constexpr int kTextoSinAvisos = 666;
inline constexpr int kTextoAvisoLaminarLarga = 667;
inline constexpr int kTextoAvisoCurvaBaja = 668;
inline constexpr int kTextoAvisoTiempoCortoTR55 = 669;
inline constexpr int kTextoAvisoTiempoLargoTR55 = 670;
inline constexpr int kTextoAvisoIaPBajo = 671;
inline constexpr int kTextoAvisoIaPAlto = 672;
inline constexpr int kTextoAvisoAreaTR55 = 673;
inline constexpr int kTextoAvisoCharcas = 674;
inline constexpr int kTextoAvisoTiempoCortoIC = 675;
inline constexpr int kTextoAvisoTiempoLargoIC = 676;
inline constexpr int kTextoAvisoAreaIC = 677;
inline constexpr int kTextoAvisoDeFilas = 678;      // %1 the return periods, %2 the warning

// Refusals: why a value lies outside its range (a closed range is text 256),
// and the name of a segment's value.
inline constexpr int kTextoRangoAbiertoAbajo = 679;  // (%1, %2]
inline constexpr int kTextoRangoAbiertoArriba = 680; // [%1, %2)
inline constexpr int kTextoRangoAbierto = 681;       // (%1, %2)
inline constexpr int kTextoDatoDeTramo = 682;        // %1 the segment, %2 the value's name

// The companion.
inline constexpr int kTextoFaltaUnoDeDos = 683;      // %1, %2 the two ways of giving a value
inline constexpr int kTextoTipoTramo = 684;
inline constexpr int kTextoFirme = 685;
inline constexpr int kTextoDistribucion = 686;
inline constexpr int kTextoColumnaTc = 687;
inline constexpr int kTextoUmbralDeCurvaValor = 688; // names the P0 shown beside "From the curve number"
inline constexpr int kTextoFilaFp = 689;             // the companion's lines of intermediate values
inline constexpr int kTextoFilaKA = 690;
inline constexpr int kTextoFilaFa = 691;
inline constexpr int kTextoFilaKt = 692;

}  // namespace tarvel
