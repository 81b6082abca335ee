#include "report/results_csv.h"

#include <string>
#include <string_view>
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

/// Writes one CSV line cell by cell straight into the text; no cell holds a comma or a quote.
class CsvLine {
  public:
    explicit CsvLine(std::string& out) : out_(out) {}
    CsvLine(const CsvLine&) = delete;
    CsvLine& operator=(const CsvLine&) = delete;
    ~CsvLine() { out_ += "\r\n"; }
    void Cell(std::string_view text) {
        if (started_) out_ += ',';
        out_ += text;
        started_ = true;
    }
    void Empty(int count) {
        for (int c = 0; c < count; ++c) Cell({});
    }

  private:
    std::string& out_;
    bool started_ = false;
};

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
    const bool rating = r.rating.computed && r.rating.refusal.empty();

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
    if (rating) {
        // Rating factors per vehicle, without unit.
        for (const VehicleRating& v : r.rating.vehicles) {
            for (int k = 0; k < kRatingLimitCount; ++k) {
                header.push_back(std::string(RatingVehicleName(v.vehicle)) + " " +
                                 RatingLimitName(static_cast<RatingLimit>(k)));
            }
        }
    }
    std::string out;
    // About eight characters a cell.
    out.reserve((r.x.size() + 1) * header.size() * 8);
    {
        CsvLine line(out);
        for (const std::string& cell : header) line.Cell(cell);
    }

    for (std::size_t i = 0; i < r.x.size(); ++i) {
        const int location = static_cast<int>(i) + 1;
        CsvLine line(out);
        line.Cell(ShortestForm(r.x[i]));
        line.Cell(Figure(r.values.PforceT(location) / kips, 1, "the force at transfer"));
        line.Cell(Figure(r.values.PSP(location) / kips, 1, "the final force"));
        if (stresses) {
            const StressCombinations* c = RowOf(r.stresses, i);
            const auto stress = [&](double value) {
                if (c == nullptr) {
                    line.Cell({});
                } else {
                    line.Cell(Figure(value, 0, "a stress"));
                }
            };
            const auto pair = [&](const FiberStresses StressCombinations::*state) {
                stress(c == nullptr ? 0.0 : (c->*state).top);
                stress(c == nullptr ? 0.0 : (c->*state).bottom);
            };
            pair(&StressCombinations::transfer);
            pair(&StressCombinations::sustained);
            if (halfSustained) stress(c == nullptr ? 0.0 : c->liveHalfSustained);
            pair(&StressCombinations::service);
        }
        if (moment) {
            const MomentCapacityRow* m = RowOf(r.moment, i);
            if (m == nullptr) {
                line.Empty(5);
            } else {
                line.Cell(Figure(m->Mult / kipFt, 0, "the factored moment"));
                line.Cell(Figure(m->Mcr12 / kipFt, 0, "the cracking moment"));
                line.Cell(Figure(m->phiMn / kipFt, 0, "the moment capacity"));
                line.Cell(m->mildSteel > 0 ? Figure(m->mildSteel, 3, "the mild steel area")
                                           : std::string());
                line.Cell(m->holds ? "OK" : "NG");
            }
        }
        if (shear) {
            const ShearCapacityRow* v = RowOf(r.shear, i);
            if (v == nullptr) {
                line.Empty(4);
            } else {
                line.Cell(Figure(v->Vu / kips, 1, "the factored shear"));
                line.Cell(Figure(v->phiVc / kips, 1, "the shear strength"));
                line.Cell(v->widenWeb ? std::string() : Figure(v->AvS, 3, "Av/S"));
                line.Cell(v->widenWeb ? "Need to increase web width" : "");
            }
        }
        if (rating) {
            for (const VehicleRating& v : r.rating.vehicles) {
                const RatingRow* row = i < v.rows.size() ? &v.rows[i] : nullptr;
                if (row == nullptr) {
                    line.Empty(kRatingLimitCount);
                    continue;
                }
                for (const std::optional<double>& factor : row->factor) {
                    line.Cell(factor ? Figure(*factor, 2, "a rating factor") : std::string());
                }
            }
        }
    }
    return out;
}

}  // namespace tarnex
