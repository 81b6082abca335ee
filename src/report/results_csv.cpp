#include "report/results_csv.h"

#include <vector>

#include "model/calc_error.h"
#include "model/design_code.h"
#include "model/number_text.h"

namespace tarnex {

namespace {

/// A figure of the report in its units and decimals; the same range rule as the report.
std::string Figure(double value, int decimals, const char* what) {
    return DecimalForm(Printable(value, what), decimals);
}

/// One CSV line from its cells; no cell holds a comma or a quote.
void AppendLine(std::string& out, const std::vector<std::string>& cells) {
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (c > 0) out += ',';
        out += cells[c];
    }
    out += "\r\n";
}

/// The row of location i of a table, or nothing when the table stopped before it.
template <typename Row>
const Row* RowOf(const CheckTable<Row>& table, std::size_t i) {
    return i < table.rows.size() ? &table.rows[i] : nullptr;
}

/// A table has columns when the run computed it and did not refuse it before its first row.
template <typename Row>
bool HasColumns(const CheckTable<Row>& table) {
    return table.computed && !(table.rows.empty() && !table.refusal.empty());
}

}  // namespace

std::string FormatResultsCsv(const DesignData& d, const DesignResults& r) {
    const double kips = kForceFactor;
    const double kipFt = kMomentFactor;
    const bool stresses = r.stresses.computed;
    const bool halfSustained = stresses && CodeOf(d.designCriteria).ChecksLiveLoadCompression();
    const bool moment = HasColumns(r.moment);
    const bool shear = HasColumns(r.shear);

    std::vector<std::string> header = {"x [in]", "FORCE AT TRANSFER [kips]", "FINAL FORCE [kips]"};
    if (stresses) {
        for (const char* state : {"INIT P/S + BEAM DL", "FINAL P/S + TOT DL"}) {
            header.push_back(std::string(state) + " TOP FIBER [psi]");
            header.push_back(std::string(state) + " BOTTOM FIBER [psi]");
        }
        if (halfSustained) header.emplace_back("LL + (P/S + DL)/2 TOP FIBER [psi]");
        header.emplace_back("P/S + ALL LOADS TOP FIBER [psi]");
        header.emplace_back("P/S + ALL LOADS BOTTOM FIBER [psi]");
    }
    if (moment) {
        for (const char* column : {"Mult [kip-ft]", "1.2Mcr [kip-ft]", "phiMn [kip-ft]",
                                   "Mild steel [in2]", "Moment check"}) {
            header.emplace_back(column);
        }
    }
    if (shear) {
        for (const char* column : {"Vult [kips]", "phiVn [kips]", "Av/S [in2/in]", "Web"}) {
            header.emplace_back(column);
        }
    }
    std::string out;
    AppendLine(out, header);

    for (std::size_t i = 0; i < r.x.size(); ++i) {
        const int location = static_cast<int>(i) + 1;
        std::vector<std::string> cells = {
            ShortestForm(r.x[i]),
            Figure(r.values.PforceT(location) / kips, 1, "the force at transfer"),
            Figure(r.values.PSP(location) / kips, 1, "the final force")};
        if (stresses) {
            const StressCombinations* c = RowOf(r.stresses, i);
            const auto stress = [&](const double StressCombinations::*fiber) {
                return c == nullptr ? std::string() : Figure(c->*fiber, 0, "a stress");
            };
            const auto pair = [&](const FiberStresses StressCombinations::*state) {
                if (c == nullptr) {
                    cells.emplace_back();
                    cells.emplace_back();
                    return;
                }
                cells.push_back(Figure((c->*state).top, 0, "a stress"));
                cells.push_back(Figure((c->*state).bottom, 0, "a stress"));
            };
            pair(&StressCombinations::transfer);
            pair(&StressCombinations::sustained);
            if (halfSustained) cells.push_back(stress(&StressCombinations::liveHalfSustained));
            pair(&StressCombinations::service);
        }
        if (moment) {
            const MomentCapacityRow* m = RowOf(r.moment, i);
            if (m == nullptr) {
                cells.insert(cells.end(), 5, std::string());
            } else {
                cells.push_back(Figure(m->Mult / kipFt, 0, "the factored moment"));
                cells.push_back(Figure(m->Mcr12 / kipFt, 0, "the cracking moment"));
                cells.push_back(Figure(m->phiMn / kipFt, 0, "the moment capacity"));
                cells.push_back(m->mildSteel > 0 ? Figure(m->mildSteel, 3, "the mild steel area")
                                                 : std::string());
                cells.emplace_back(m->holds ? "OK" : "NG");
            }
        }
        if (shear) {
            const ShearCapacityRow* v = RowOf(r.shear, i);
            if (v == nullptr) {
                cells.insert(cells.end(), 4, std::string());
            } else {
                cells.push_back(Figure(v->Vu / kips, 1, "the factored shear"));
                cells.push_back(Figure(v->phiVc / kips, 1, "the shear strength"));
                cells.push_back(v->widenWeb ? std::string() : Figure(v->AvS, 3, "Av/S"));
                cells.emplace_back(v->widenWeb ? "Need to increase web width" : "");
            }
        }
        AppendLine(out, cells);
    }
    return out;
}

}  // namespace tarnex
