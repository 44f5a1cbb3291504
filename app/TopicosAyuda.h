#pragma once
// The help topics. Each is one anchor "topicN" in both help files; windows and
// controls carry these numbers and F1 opens the help at the one in force.
namespace tarvel {

enum TopicoAyuda : int {
    kAyudaNinguno = 0,         // no topic of its own: the window's is used
    kAyudaMenu = 1,            // main menu and choice of method
    kAyudaGeneral = 10,        // general table and general vegetation
    kAyudaPastizal = 11,       // pasture, grassland or range
    kAyudaPradera = 12,        // permanent meadow
    kAyudaMatorral = 13,       // brush
    kAyudaBosqueHerbaceo = 14, // woods-grass combination
    kAyudaBosquePastoreo = 15, // woods with pastures
    kAyudaBosque = 16,         // woods and the forest hydrologic condition
    kAyudaGrupoSuelo = 20,     // hydrologic soil group
    kAyudaArida = 50,          // arid and semiarid vegetation and table
    kAyudaSerie = 60,          // progressive series
    kAyudaFuentes = 70,        // where the curve numbers come from
    kAyudaEscorrentia = 80,    // runoff of a design storm
    kAyudaHojaCuenca = 90,     // catchment worksheet and composite curve number
    kAyudaTrayectoria = 100,   // the year-by-year chart of a series
    kAyudaCaudalPunta = 110,   // peak discharge by TR-55 and by 5.2-IC
    kAyudaTiempoConcentracion = 111,  // time of concentration: flow-path segments, main channel
};

// Every topic above but kAyudaNinguno, for checks over the help files.
inline constexpr TopicoAyuda kTopicosAyuda[] = {
    kAyudaMenu,           kAyudaGeneral, kAyudaPastizal, kAyudaPradera, kAyudaMatorral,
    kAyudaBosqueHerbaceo, kAyudaBosquePastoreo, kAyudaBosque, kAyudaGrupoSuelo, kAyudaArida,
    kAyudaSerie,          kAyudaFuentes,  kAyudaEscorrentia, kAyudaHojaCuenca, kAyudaTrayectoria,
    kAyudaCaudalPunta,    kAyudaTiempoConcentracion,
};

}  // namespace tarvel
