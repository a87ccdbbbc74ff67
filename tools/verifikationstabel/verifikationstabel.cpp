// taglo-verifikationstabel: writes the user guide's verification table, computed from the
// same published examples that the verification test checks.
//
//   taglo-verifikationstabel verifikation.md
#include "eksempler.h"

#include <cstdlib>
#include <fstream>
#include <iostream>

int main(int argc, char* argv[])
{
    if (argc != 2)
    {
        std::cerr << "brug: taglo-verifikationstabel UDFIL.md\n";
        return EXIT_FAILURE;
    }
    std::ofstream ud(argv[1], std::ios::binary | std::ios::trunc);
    ud << taglo::verifikation::VerifikationTabel();
    ud.close();
    if (!ud)
    {
        std::cerr << "taglo-verifikationstabel: kan ikke skrive " << argv[1] << '\n';
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
