// Batch work of tarvel-cli: CSV in, CSV out, one record for each record, in
// order, whatever the records hold.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/SessionState.h"
#include "app/TablaTextos.h"
#include "cli/Evaluacion.h"
#include "cli/Lote.h"
#include "data/Datos.h"

namespace tarvel::cli {
namespace {

struct Salida {
    FinLote fin;
    std::string csv;
    std::string errores;
};

Salida Ejecutar(const DefinicionLote& definicion, std::string_view entrada) {
    Salida salida;
    salida.fin = EjecutarLote(definicion, entrada, salida.csv, salida.errores);
    return salida;
}

class Lote : public ::testing::Test {
protected:
    void SetUp() override { gIdioma = kIdiomaIngles; }
    void TearDown() override { gIdioma = kIdiomaEspanol; }
};

using LoteTexturaTest = Lote;

// What a hydrologist's export looks like at its worst: a byte-order mark,
// CR LF, an ID first, quoted fields with commas, quotes and outer blanks, blanks, empty
// lines, a short and a long row, and every check failing somewhere.
TEST_F(LoteTexturaTest, EveryRowComesOutInOrderWithItsResultOrMessage) {
    const std::string entrada =
        "\xEF\xBB\xBF"
        "sample,Clay, silt ,sand,note\r\n"
        "S1,20,40,40,loam\r\n"
        "\"S2, north plot\",\"33.3\",33.3,33.4,\"said \"\"sandy\"\"\"\r\n"
        "\r\n"
        "S3,33.33,33.33,33.33,sum 99.99\r\n"
        "S4,-5,40,65,negative\r\n"
        "S5,20,abc,40,not a number\r\n"
        "   \r\n"
        "S6,  10 , 5 ,85,\r\n"
        "S7,10,10\r\n"
        "S8,10,10,80,x,extra\r\n"
        "S9,50,25,25,\"two\r\nlines\"\r\n"
        "S10,4e38,0,0,too large\r\n"
        "\" S12\",20,40,40,\"tab\t\"\r\n"
        "S11,1e1,30,60,exponent";
    const Salida salida = Ejecutar(LoteTextura(), entrada);
    EXPECT_EQ(salida.fin, FinLote::Hecho);
    EXPECT_EQ(salida.errores, "");
    EXPECT_EQ(salida.csv,
              "\xEF\xBB\xBF"
              "sample,Clay,silt,sand,note,group,error\n"
              "S1,20,40,40,loam,C,\n"
              "\"S2, north plot\",33.3,33.3,33.4,\"said \"\"sandy\"\"\",C,\n"
              ",,,,,,Error in input data.\n"
              "S3,33.33,33.33,33.33,sum 99.99,,The sum of the three percentages must be 100%.\n"
              "S4,-5,40,65,negative,,Error in input data.\n"
              "S5,20,abc,40,not a number,,Error in input data.\n"
              ",,,,,,Error in input data.\n"
              "S6,10,5,85,,A,\n"
              "S7,10,10,,,,Error in input data.\n"
              "S8,10,10,80,x,,Error in input data.\n"
              "S9,50,25,25,\"two\r\nlines\",D,\n"
              "S10,4e38,0,0,too large,,Error in input data.\n"
              "\" S12\",20,40,40,\"tab\t\",C,\n"
              "S11,1e1,30,60,exponent,B,\n");
}

TEST_F(LoteTexturaTest, MessagesAreInTheLanguageOfTheRun) {
    gIdioma = kIdiomaEspanol;
    const Salida salida = Ejecutar(LoteTextura(), "clay,silt,sand\n33.33,33.33,33.33\nx,1,1\n");
    EXPECT_EQ(salida.csv,
              "clay,silt,sand,group,error\n"
              "33.33,33.33,33.33,,La suma de las tres fracciones debe ser igual a 100%.\n"
              "x,1,1,,Error en los datos introducidos.\n");
}

TEST_F(LoteTexturaTest, LineEndsOfEveryKindAndNoneAtTheEnd) {
    struct Caso {
        const char* nombre;
        const char* entrada;
    };
    const Caso casos[] = {
        {"LF", "clay,silt,sand\n20,40,40\n\n70,10,20\n"},
        {"CR LF", "clay,silt,sand\r\n20,40,40\r\n\r\n70,10,20\r\n"},
        {"CR", "clay,silt,sand\r20,40,40\r\r70,10,20\r"},
        {"no line end at the end", "clay,silt,sand\n20,40,40\n\n70,10,20"},
        {"mixed", "clay,silt,sand\r\n20,40,40\n\r\n70,10,20\r\n"},
    };
    for (const Caso& caso : casos) {
        const Salida salida = Ejecutar(LoteTextura(), caso.entrada);
        EXPECT_EQ(salida.csv,
                  "clay,silt,sand,group,error\n"
                  "20,40,40,C,\n"
                  ",,,,Error in input data.\n"
                  "70,10,20,D,\n")
            << caso.nombre;
    }
}

// Found by fuzzing: libcsv ends no record for a last line of blanks without
// a line end, and that row was lost.
TEST_F(LoteTexturaTest, ALastLineOfBlanksWithNoLineEndIsARowToo) {
    for (const std::string cola : {"   ", "\t", " \t "}) {
        const Salida salida = Ejecutar(LoteTextura(), "clay,silt,sand\n20,40,40\n" + cola);
        EXPECT_EQ(salida.fin, FinLote::Hecho);
        EXPECT_EQ(salida.csv,
                  "clay,silt,sand,group,error\n"
                  "20,40,40,C,\n"
                  ",,,,Error in input data.\n")
            << '"' << cola << '"';
    }
}

TEST_F(LoteTexturaTest, TheHeaderDecidesOrNothingIsWritten) {
    struct Caso {
        const char* nombre;
        const char* entrada;
        FinLote fin;
        const char* salida;
        const char* errores;
    };
    const Caso casos[] = {
        {"empty input", "", FinLote::Uso, "", "the input has no header row naming its columns\n"},
        {"a byte-order mark alone", "\xEF\xBB\xBF", FinLote::Uso, "", "the input has no header row naming its columns\n"},
        {"a column missing", "clay,silt\n20,40\n", FinLote::Uso, "",
         "the header has no column \"sand\"; the columns read are clay silt sand\n"},
        {"an empty first line", "\nclay,silt,sand\n", FinLote::Uso, "",
         "the header has no column \"clay\"; the columns read are clay silt sand\n"},
        {"a column twice", "clay,silt,sand,CLAY\n1,2,3,4\n", FinLote::Uso, "",
         "the header names the column \"clay\" twice\n"},
        {"a header alone", "sand,silt,clay\r\n", FinLote::Hecho, "sand,silt,clay,group,error\n", ""},
        {"columns in any order", "sand,id,silt,clay\n40,7,40,20\n", FinLote::Hecho,
         "sand,id,silt,clay,group,error\n40,7,40,20,C,\n", ""},
    };
    for (const Caso& caso : casos) {
        const Salida salida = Ejecutar(LoteTextura(), caso.entrada);
        EXPECT_EQ(salida.fin, caso.fin) << caso.nombre;
        EXPECT_EQ(salida.csv, caso.salida) << caso.nombre;
        EXPECT_EQ(salida.errores, caso.errores) << caso.nombre;
    }
}

// Blocks of the reader end anywhere: inside a CR LF pair, inside a quoted field.
TEST_F(LoteTexturaTest, ManyRowsAcrossReadingBlocksAllComeOut) {
    std::string entrada = "\xEF\xBB\xBFid,clay,silt,sand\r\n";
    std::string esperada = "\xEF\xBB\xBFid,clay,silt,sand,group,error\n";
    for (int i = 0; i < 20000; ++i) {
        const std::string id = std::to_string(i);
        if (i % 7 == 0) {
            entrada += "\"" + id + ",\r\nq\",20,40,40\r\n";
            esperada += "\"" + id + ",\r\nq\",20,40,40,C,\n";
        } else if (i % 11 == 0) {
            entrada += "\r\n";
            esperada += ",,,,,Error in input data.\n";
        } else {
            entrada += id + ",70,10,20\r\n";
            esperada += id + ",70,10,20,D,\n";
        }
    }
    ASSERT_GT(entrada.size(), 4u << 16);
    const Salida salida = Ejecutar(LoteTextura(), entrada);
    EXPECT_EQ(salida.fin, FinLote::Hecho);
    EXPECT_TRUE(salida.csv == esperada);
}

TEST_F(LoteTexturaTest, AQuoteLeftOpenEndsTheBatchAfterTheRowsBeforeIt) {
    std::string entrada = "id,clay,silt,sand\n1,20,40,40\n\"2,20,40,40\n";
    entrada.append(kMaximoRegistro + 10, 'x');
    const Salida salida = Ejecutar(LoteTextura(), entrada);
    EXPECT_EQ(salida.fin, FinLote::Rechazado);
    EXPECT_EQ(salida.csv, "id,clay,silt,sand,group,error\n1,20,40,40,C,\n");
    EXPECT_EQ(salida.errores, "record 3 is too long (over 1 MiB or 65536 fields); is a quote left open?\n");

    // Short of the limit the open quote simply runs to the end of the input.
    const Salida corta = Ejecutar(LoteTextura(), "id,clay,silt,sand\n\"1,20,40,40\n");
    EXPECT_EQ(corta.fin, FinLote::Hecho);
    EXPECT_EQ(corta.csv, "id,clay,silt,sand,group,error\n\"1,20,40,40\n\",,,,,Error in input data.\n");
}

TEST_F(Lote, ARecordOfCountlessEmptyFieldsIsBoundedToo) {
    std::string entrada = "clay,silt,sand\n20,40,40\n";
    entrada.append(kMaximoRegistro + 10, ',');
    const Salida salida = Ejecutar(LoteTextura(), entrada);
    EXPECT_EQ(salida.fin, FinLote::Rechazado);
    EXPECT_EQ(salida.csv, "clay,silt,sand,group,error\n20,40,40,C,\n");
}

TEST_F(Lote, ForestReadsTheCompactionColumnOrTheDefault) {
    const std::string entrada =
        "id,litter,humus,compactness,after_compaction\n"
        "a,5,5,2,\n"
        "b,5,5,2,yes\n"
        "c,5,5,2,0\n"
        "d,0,0,f,\n"
        "e,-1,5,2,\n"
        "f,5,1e1,2,\n"
        "g,5,5,4,\n"
        "h,5,5,2,maybe\n"
        "i,4.5,3.0,3,no\n";
    const Salida antes = Ejecutar(LoteBosque(false), entrada);
    EXPECT_EQ(antes.csv,
              "id,litter,humus,compactness,after_compaction,class,R,error\n"
              "a,5,5,2,,IV,3.5649999999999995,\n"
              "b,5,5,2,yes,V,5.045000000000001,\n"
              "c,5,5,2,0,IV,3.5649999999999995,\n"
              "d,0,0,f,,I,-0.41999999999999993,\n"
              "e,-1,5,2,,,,Error in input data.\n"
              "f,5,1e1,2,,,,Error in input data.\n"
              "g,5,5,4,,,,Error in input data.\n"
              "h,5,5,2,maybe,,,Error in input data.\n"
              "i,4.5,3.0,3,no,IV,4.2,\n");
    // --after-compaction: the rows that do not say are measured after compaction.
    const Salida despues = Ejecutar(LoteBosque(true), "litter,humus,compactness\n5,5,2\n");
    EXPECT_EQ(despues.csv, "litter,humus,compactness,class,R,error\n5,5,2,V,5.045000000000001,\n");
}

TEST_F(Lote, SeriesGivesTheCellsAsShownAndTheAnnualChange) {
    const std::string entrada =
        "nac,nob,years\n"
        "85,70,10\n"
        "85,70,\n"
        "abc,70,\n"
        "85,-5,\n"
        "85,85,\n"
        "85,70,2.5\n"
        "1,000,70,\n";
    const Salida salida = Ejecutar(LoteSerie(std::nullopt), entrada);
    EXPECT_EQ(salida.csv,
              "nac,nob,years,nac_1,pac_1,nob_1,pob_1,nac_2,pac_2,nob_2,pob_2,nac_3,pac_3,nob_3,pob_3,annual,error\n"
              "85,70,10,70.4,21.3,49.5,51.8,85.0,9.0,70.0,21.8,92.9,3.9,84.3,9.5,1.50,\n"
              "85,70,,70.4,21.3,49.5,51.8,85.0,9.0,70.0,21.8,92.9,3.9,84.3,9.5,,\n"
              "abc,70,,,,,,,,,,,,,,,NCS must be >0 and <=100\n"
              "85,-5,,,,,,,,,,,,,,,NOS must be >0 and <=100\n"
              "85,85,,,,,,,,,,,,,,,Curve number of the objective slope must be less than that of the degraded "
              "slope.\n"
              "85,70,2.5,,,,,,,,,,,,,,Incorrect time interval.\n"
              "1,000,70,,,,,,,,,,,,,,Error in input data.\n");
    // --years for the rows without a span; an empty --years is a span refused.
    const std::string sinLapso = "nac,nob\n90,88.5\n";
    EXPECT_NE(Ejecutar(LoteSerie(std::string("2")), sinLapso).csv.find(",0.75,\n"), std::string::npos);
    EXPECT_NE(Ejecutar(LoteSerie(std::string("")), sinLapso).csv.find(",Incorrect time interval.\n"),
              std::string::npos);
}

TEST_F(Lote, CnLooksEveryRowUpInTheDataReadOnce) {
    auto datos = LeerDatos(TARVEL_DATOS_DAT);
    ASSERT_TRUE(datos.has_value());
    const std::string entrada =
        "parcel,vegetation,treatment,condition,group\n"
        "p1,1,4,1,C\n"
        "p2,10,-1,3,d\n"
        "p3,7,-1,1,A\n"
        "p4,14,-1,0,A\n"
        "p5,1,0,1,C\n"
        "p6,19,-1,0,A\n"
        "p7,1.0,4,1,C\n"
        "p8,1,4,1,E\n"
        "p9,+1,4, 1 ,c\n";
    const Salida salida = Ejecutar(LoteCn(std::move(*datos)), entrada);
    EXPECT_EQ(salida.csv,
              "parcel,vegetation,treatment,condition,group,row,text,missing,error\n"
              "p1,1,4,1,C,9,82,false,\n"
              "p2,10,-1,3,d,52,77,false,\n"
              "p3,7,-1,1,A,43,30\u2264,false,\n"
              "p4,14,-1,0,A,58,?,true,\n"
              "p5,1,0,1,C,,,,Error in input data.\n"
              "p6,19,-1,0,A,,,,Error in input data.\n"
              "p7,1.0,4,1,C,,,,Error in input data.\n"
              "p8,1,4,1,E,,,,Error in input data.\n"
              "p9,+1,4,1,c,9,82,false,\n");
}

}  // namespace
}  // namespace tarvel::cli
