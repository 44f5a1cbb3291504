// Batch work of tarvel-cli: CSV in, CSV out, one record for each record, in
// order, whatever the records hold and whichever of the two forms they take.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "app/Idioma.h"
#include "app/TablaTextos.h"
#include "cli/batch/Evaluacion.h"
#include "cli/batch/EvaluacionCaudal.h"
#include "cli/batch/Lote.h"

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

// The message of an empty row, quoted for its comma.
const std::string kVacio = "\"Error in input data. clay = “”: it must be a percentage, a number of 0 or more.\"";

class Lote : public ::testing::Test {
protected:
    void SetUp() override { FijarIdioma(kIdiomaIngles); }
    void TearDown() override { FijarIdioma(kIdiomaEspanol); }
};

// What a hydrologist's export looks like at its worst: a byte-order mark,
// CR LF, an ID first, quoted fields with commas, quotes and outer blanks, blanks, empty
// lines, a short and a long row, and every check failing somewhere.
TEST_F(Lote, EveryRowComesOutInOrderWithItsResultOrMessage) {
    const std::string entrada =
        "\xEF\xBB\xBF"
        "sample,Clay, silt ,sand,note\r\n"
        "S1,20,40,40,loam\r\n"
        "\"S2, north plot\",\"33.3\",33.3,33.4,\"said \"\"sandy\"\"\"\r\n"
        "\r\n"
        "S3,33.33,33.33,33.33,\" padded \"\r\n"
        "S4,-5,40,65,negative\r\n"
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
              ",,,,,," + kVacio + "\n"
              "S3,33.33,33.33,33.33,\" padded \",,The sum of the three percentages must be 100%.\n"
              "S4,-5,40,65,negative,,\"Error in input data. clay = “-5”: it must be a percentage, a number of 0 or "
              "more.\"\n"
              ",,,,,," + kVacio + "\n"
              "S6,10,5,85,,A,\n"
              "S7,10,10,,,,\"Error in input data. sand = “”: it must be a percentage, a number of 0 or more.\"\n"
              "S8,10,10,80,x,,Error in input data. The row has 6 fields and the header 5.\n"
              "S9,50,25,25,\"two\r\nlines\",D,\n"
              "S10,4e38,0,0,too large,,\"Error in input data. clay = “4e38”: it must be a percentage, a number of 0 or "
              "more.\"\n"
              "\" S12\",20,40,40,\"tab\t\",C,\n"
              "S11,1e1,30,60,exponent,B,\n");
}

TEST_F(Lote, OneRecordForEachLineWhateverItsLineEnds) {
    const char* const casos[] = {
        "clay,silt,sand\n20,40,40\n\n70,10,20\n",
        "clay,silt,sand\r\n20,40,40\r\n\r\n70,10,20\r\n",
        "clay,silt,sand\r20,40,40\r\r70,10,20\r",
        "clay,silt,sand\n20,40,40\n\n70,10,20",
        "clay,silt,sand\r\n20,40,40\n\r\n70,10,20\r\n",
        "clay,silt,sand\r20,40,40\r  \n70,10,20\n",  // blanks between a CR and an LF are a line
        "clay,silt,sand\r\n20,40,40\r\r\n70,10,20",
        "clay,silt,sand\n20,40,40\n \t \n70,10,20\n",
    };
    for (const char* entrada : casos) {
        EXPECT_EQ(Ejecutar(LoteTextura(), entrada).csv,
                  "clay,silt,sand,group,error\n20,40,40,C,\n,,,," + kVacio + "\n70,10,20,D,\n")
            << entrada;
    }
    // A last line of blanks with no line end after it is a line too.
    for (const std::string cola : {"   ", "\t", " \t "}) {
        EXPECT_EQ(Ejecutar(LoteTextura(), "clay,silt,sand\n20,40,40\n" + cola).csv,
                  "clay,silt,sand,group,error\n20,40,40,C,\n,,,," + kVacio + "\n")
            << '"' << cola << '"';
    }
}

TEST_F(Lote, TheHeaderDecidesOrNothingIsWritten) {
    const struct {
        const char* entrada;
        FinLote fin;
        const char* salida;
        const char* errores;
    } casos[] = {
        {"", FinLote::Rechazado, "", "The input has no header row naming its columns.\n"},
        {"\xEF\xBB\xBF", FinLote::Rechazado, "", "The input has no header row naming its columns.\n"},
        {"clay,silt\n20,40\n", FinLote::Rechazado, "",
         "The header has no column “sand”; the columns read are: clay, silt, sand.\n"},
        {"\nclay,silt,sand\n", FinLote::Rechazado, "",
         "The header has no column “clay”; the columns read are: clay, silt, sand.\n"},
        {"clay,silt,sand,CLAY\n1,2,3,4\n", FinLote::Rechazado, "", "The header names the column “clay” twice.\n"},
        {"sand,silt,clay\r\n", FinLote::Hecho, "sand,silt,clay,group,error\n", ""},
        {"sand,id,silt,clay\n40,7,40,20\n", FinLote::Hecho, "sand,id,silt,clay,group,error\n40,7,40,20,C,\n", ""},
    };
    for (const auto& caso : casos) {
        const Salida salida = Ejecutar(LoteTextura(), caso.entrada);
        EXPECT_EQ(salida.fin, caso.fin) << caso.entrada;
        EXPECT_EQ(salida.csv, caso.salida) << caso.entrada;
        EXPECT_EQ(salida.errores, caso.errores) << caso.entrada;
    }
    const Salida bosque = Ejecutar(LoteBosque(false), "litter,humus\n");
    EXPECT_EQ(bosque.errores, "The header has no column “compactness”; the columns read are: litter, humus, "
                              "compactness, after_compaction (optional).\n");
}

// Blocks of the reader end anywhere: inside a CR LF pair, inside a quoted field.
TEST_F(Lote, ManyRowsAcrossReadingBlocksAllComeOut) {
    std::string entrada = "\xEF\xBB\xBFid,clay,silt,sand\r\n";
    std::string esperada = "\xEF\xBB\xBFid,clay,silt,sand,group,error\n";
    for (int i = 0; i < 20000; ++i) {
        const std::string id = std::to_string(i);
        if (i % 7 == 0) {
            entrada += "\"" + id + ",\r\nq\",20,40,40\r\n";
            esperada += "\"" + id + ",\r\nq\",20,40,40,C,\n";
        } else if (i % 11 == 0) {
            entrada += "\r\n";
            esperada += ",,,,," + kVacio + "\n";
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

// A quote left open would take every line after it into one field: the batch
// ends after the rows before it, naming where the quote opened; so does a
// record too long to hold.
TEST_F(Lote, ARecordThatNeverEndsEndsTheBatchAfterTheRowsBeforeIt) {
    const std::string antes = "id,clay,silt,sand\n\"1\n\",20,40,40\n";
    std::string filas;
    for (int i = 0; i < 20000; ++i) filas += "3,20,40,40\n";
    const struct {
        std::string entrada;
        const char* errores;
    } casos[] = {
        {antes + "\"B,20,40,40\n" + filas,
         "The quote opened in record 3 (line 4) is never closed: no row from that record on was answered.\n"},
        {antes + "2,\"20" + std::string(kMaximoRegistro + 8192, 'x'),
         "Record 3 (line 4) is too long (over 1 MiB or 65536 fields); is a quote left open?\n"},
        {antes + std::string(kMaximoRegistro + 10, ','),
         "Record 3 (line 4) is too long (over 1 MiB or 65536 fields); is a quote left open?\n"},
    };
    for (const auto& caso : casos) {
        const Salida salida = Ejecutar(LoteTextura(), caso.entrada);
        EXPECT_EQ(salida.fin, FinLote::Rechazado);
        EXPECT_EQ(salida.csv, "id,clay,silt,sand,group,error\n\"1\n\",20,40,40,C,\n");
        EXPECT_EQ(salida.errores, caso.errores);
    }
}

// Spreadsheets in Spanish locales separate with ";" and write "2,5": read so
// and answered so, numbers of the results included.
TEST_F(Lote, TheSemicolonFormWithTheDecimalComma) {
    FijarIdioma(kIdiomaEspanol);
    const Salida salida = Ejecutar(LoteBosque(false),
                                   "\xEF\xBB\xBFid;litter;humus;compactness\r\n"
                                   "\"a;b\";5;5;2\r\n"
                                   "c,d; 4,5 ;3,0;3\r\n"
                                   "e;4.5;3;3\r\n");
    EXPECT_EQ(salida.fin, FinLote::Hecho);
    EXPECT_EQ(salida.csv,
              "\xEF\xBB\xBFid;litter;humus;compactness;class;R;error\n"
              "\"a;b\";5;5;2;IV;3,5649999999999995;\n"
              "c,d;4,5;3,0;3;IV;4,2;\n"
              "e;4.5;3;3;;;\"Error en los datos introducidos. litter = «4.5»: la marca decimal de este archivo es "
              "la coma «,»; el punto no se admite.\"\n");
    // The header decides, quoted separators aside.
    EXPECT_EQ(SeparadorDeCabecera("clay;silt;sand\r\n1,2;3;4"), ';');
    EXPECT_EQ(SeparadorDeCabecera("\"a;b\",clay,silt,sand\n"), ',');
    EXPECT_EQ(SeparadorDeCabecera("\"a,b\";clay;silt;sand\n"), ';');
    EXPECT_EQ(SeparadorDeCabecera("a,b;c\n"), ',');
}

// What only the batch has: a column that overrides a command-line option for
// its row, and the option for the rows that leave it out.
TEST_F(Lote, ColumnsAndOptionsThatOnlyTheBatchHas) {
    const Salida bosque = Ejecutar(LoteBosque(false),
                                   "litter,humus,compactness,after_compaction\n5,5,2,\n5,5,2,Sí\n5,5,2,maybe\n");
    EXPECT_EQ(bosque.csv,
              "litter,humus,compactness,after_compaction,class,R,error\n"
              "5,5,2,,IV,3.5649999999999995,\n"
              "5,5,2,Sí,V,5.045000000000001,\n"
              "5,5,2,maybe,,,\"Error in input data. after_compaction = “maybe”: it must be yes or no (1/0, yes/no, "
              "true/false).\"\n");
    EXPECT_EQ(Ejecutar(LoteBosque(true), "litter,humus,compactness\n5,5,2\n").csv,
              "litter,humus,compactness,class,R,error\n5,5,2,V,5.045000000000001,\n");
    const std::string sinLapso = "nac,nob\n90,88.5\n";
    EXPECT_TRUE(Ejecutar(LoteSerie(std::string("2")), sinLapso).csv.ends_with(",0.75,\n"));
    EXPECT_TRUE(Ejecutar(LoteSerie(std::string("")), sinLapso).csv.ends_with(",Incorrect time interval.\n"));
}

// Peak discharge: an option's value, read once with ".", stands for the rows
// that leave its column empty; a row's own value is read with the file's
// mark. A row that gives any of a group (tc_h, length_km, slope) takes the
// whole group from itself.
TEST_F(Lote, PeakBatchesTakeOptionsOnlyWhereARowIsSilent) {
    const std::string tr55 = Ejecutar(LotePicoTR55({1.5, DistribucionLluvia::II, std::nullopt}),
                                      "area_km2;cn;storm_mm;tc_h;distribution\n1;80;50;;\n1;80;50;2,5;iii\n1;80;50;0,0;\n")
                                 .csv;
    EXPECT_NE(tr55.find("\n1;80;50;;;"), std::string::npos) << tr55;
    EXPECT_NE(tr55.find(";1,5;;\n1;80;50;2,5;iii;"), std::string::npos) << tr55;
    EXPECT_NE(tr55.find(";2,5;;\n"), std::string::npos) << tr55;
    EXPECT_TRUE(tr55.ends_with(";Error in input data. tc_h = “0,0”: it must be a number above 0 and not above 1000.\n"))
        << tr55;
    const Salida ic = Ejecutar(LotePicoIC({20.0, std::nullopt, std::nullopt, 3.0}),
                               "area_km2,pd_mm,i1id,tc_h,slope\n2,80,10,,\n2,80,10,,0.05\n");
    EXPECT_NE(ic.csv.find(",20,3,,\n"), std::string::npos) << ic.csv;
    EXPECT_TRUE(ic.csv.ends_with(",Error in input data. length_km = “”: it must be a number from 0.001 to 10000.\n")) << ic.csv;
}

// The one reading of numbers of both forms: blanks around them, no comma
// taken for a thousands separator, no hexadecimal.
TEST_F(Lote, NumbersAreReadOneWay) {
    const auto porque = [](const auto& leido) { return leido ? std::string() : leido.error(); };
    EXPECT_EQ(LeerEntero(" +43 ", "row", 1, 72).value_or(0), 43);
    EXPECT_EQ(LeerEntero("-1", "treatment", -1, 7).value_or(0), -1);
    EXPECT_EQ(porque(LeerEntero("0x2B", "row", 1, 72)), "Error in input data. row = “0x2B”: it must be a whole "
                                                         "number from 1 to 72.");
    for (const char* malo : {"", "+-1", "4.0", "73", "99999999999", "1 2"}) {
        EXPECT_FALSE(LeerEntero(malo, "row", 1, 72)) << malo;
    }
    EXPECT_EQ(porque(LeerEntero("4,0", "row", 1, 72)), "Error in input data. row = “4,0”: the decimal mark is the "
                                                        "full stop “.”; a comma is not accepted.");
    EXPECT_EQ(LeerNumero(" 2,5 ", "p", 0, 10, MarcaDecimal::Coma).value_or(0), 2.5);
    EXPECT_EQ(LeerNumero("1e2", "p", 0, INFINITY).value_or(0), 100);
    EXPECT_FALSE(LeerNumero("2.5", "p", 0, 10, MarcaDecimal::Coma));
    EXPECT_EQ(porque(LeerNumero("-0.5", "p", 0, INFINITY)),
              "Error in input data. p = “-0.5”: it must be a number of 0 or more.");
    EXPECT_EQ(porque(LeerNumero("11", "p", 0, 10.5)), "Error in input data. p = “11”: it must be a number from 0 to 10.5.");
}

}  // namespace
}  // namespace tarvel::cli
