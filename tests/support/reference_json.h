// The reference projects' numbers as JSON, read with the program's own mapping of the
// records, and compared field by field with what the program computes.
#pragma once

#include "app/projektjson.h"

#include "reference.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <string>

namespace taglo::test
{

// Reference project `nr`'s numbers (projekt0N.json).
inline nlohmann::json ReferenceJson(int nr)
{
    return nlohmann::json::parse(LaesHeleFilen(ReferenceFil(nr, "json")));
}

// The inputs of a reference project, with its texts and its nail.
inline TInddata ReferenceInddata(const nlohmann::json& projekt)
{
    const nlohmann::json& i = projekt.at("Inddata");
    TInddata inddata = i.get<TInddata>();
    inddata.Projektnavn = i.at("Projektnavn").get<std::string>();
    inddata.Bygningsdel = i.at("Bygningsdel").get<std::string>();
    inddata.Medarb = i.at("Medarb").get<std::string>();
    VaelgSoem(inddata, inddata.Nail);
    return inddata;
}

// Reference project `nr`'s report as "Gem resultat" saves it: the .txt file, and one CR LF
// more when the report ends with the empty line that follows a report without the
// explanation (the .txt files stop before it; the .log files carry it).
inline std::string ReferenceResultatfil(int nr)
{
    const std::string txt = LaesHeleFilen(ReferenceFil(nr, "txt"));
    return ReferenceJson(nr).at("Inddata").at("ForklaringMed").get<bool>() ? txt : txt + "\r\n";
}

// Every field the program wrote in `egen` against the reference's field of the same name
// (arrays element by element), a failure named by its path from `navn`. Reals agree to
// `relativ` of their size, or within `absolut` (sums that cancel to 0 round differently);
// everything else exactly.
inline void ForventSomReferencen(const nlohmann::json& reference, const nlohmann::json& egen,
                                 const std::string& navn, double relativ = 1e-9,
                                 double absolut = 1e-12)
{
    if (egen.is_object())
    {
        for (const auto& [felt, vaerdi] : egen.items())
        {
            ForventSomReferencen(reference.at(felt), vaerdi, navn + "." + felt, relativ, absolut);
        }
    }
    else if (egen.is_array())
    {
        ASSERT_EQ(reference.size(), egen.size()) << navn;
        for (std::size_t i = 0; i < egen.size(); ++i)
        {
            ForventSomReferencen(reference[i], egen[i], navn + "[" + std::to_string(i) + "]",
                                 relativ, absolut);
        }
    }
    else if (egen.is_number_float())
    {
        const double r = reference.get<double>();
        const double e = egen.get<double>();
        const double forskel = std::abs(r - e);
        EXPECT_TRUE(forskel <= relativ * std::max(std::abs(r), std::abs(e)) || forskel <= absolut)
            << navn << ": reference " << r << ", program " << e;
    }
    else
    {
        EXPECT_EQ(reference, egen) << navn;
    }
}

} // namespace taglo::test
