// One engine run of a roof as the program makes it, for the tests of the engine and above.
#pragma once

#include "core/inddata.h"
#include "core/regional.h"
#include "engine/laegter.h"
#include "loads/afledte.h"

#include "optagne_meddelelser.h"

namespace taglo::test
{

// The roof's derived values and the engine run on them at `logniveau`, with the log and
// every message of the run.
struct Beregnet
{
    TInddata inddata;
    TLogliste log;
    OptagneMeddelelser meddelelser;
    TLaegteberegning laegter;

    explicit Beregnet(const TInddata& ind, int logniveau = 0)
        : inddata(ind), log(logniveau),
          laegter(BeregnLaegter(inddata, BeregnAfledte(inddata, meddelelser), log,
                                Regionalindstillinger::Dansk(), meddelelser))
    {}
};

} // namespace taglo::test
