#pragma once

#include "checks/design_results.h"
#include "model/design_data.h"
#include "model/dialogs.h"

namespace tarnex {

/// The calculation of a design, once, as values: the composite and transformed sections, the
/// path, the losses per location, the prestress forces, the fiber stresses of each load case
/// and the output sections of `sections`, in the order of the report sections. The
/// losses, the loss at transfer and the jacking force are used as they stand in the record.
/// Nothing is written into the record, nothing is shown: a design that cannot be calculated
/// yet gives its refusals, messages and a failure come back in the results.
DesignResults CalculateDesign(const ProgramState& state, const OutputOptions& sections);

/// AASHTO 9.16.1: the losses per location that the calculation uses. Entered (or last
/// calculated) losses are used unchanged when some location holds a positive one; otherwise
/// friction and anchor set plus the total loss (post-tensioning), the total loss
/// (pretensioning).
void FillLocationLosses(const DesignData& data, CalcValues& values, Dialogs& dialogs);

/// Every output section: the sections of the window's live results.
OutputOptions AllOutputSections();
/// The sections of the window's live results: every section, and the load rating with the
/// state's vehicles and limits when its output option is on for an AASHTO design.
OutputOptions LiveOutputSections(const ProgramState& state);
/// The sections that the diagrams and the CSV show: all but the deflections.
OutputOptions ShownOutputSections();

/// True when a calculation for `output` computes `stage` (the stages before the load
/// stresses always).
bool AskedFor(CalcStage stage, const OutputOptions& output);

/// True when `results` hold everything that a calculation for `output` would give: they were
/// asked for at least those sections and did not stop in a section that `output` leaves out
/// (which would leave the later ones uncomputed).
bool ResultsServe(const DesignResults& results, const OutputOptions& output);

}  // namespace tarnex
