// The floor of the companion's start-up: a C++ program that links what
// tarvel-cli links (the core, the batch library, the settings on Qt Core,
// libcsv) and does nothing with it. bench/arranque_cli.sh times tarvel-cli's
// commands against it.
#include "app/Csv.h"
#include "cli/batch/Lote.h"
#include "settings/Ajustes.h"

int main(int argc, char** argv) {
    // Never true: the calls only keep the libraries linked in.
    if (argc > 1000) {
        return static_cast<int>(tarvel::LeerIdiomaGuardado().size()) + tarvel::SeparadorCsv(argv[0]);
    }
    return 0;
}
