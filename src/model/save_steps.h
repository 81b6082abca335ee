#pragma once

#include <functional>

namespace tarnex {

/// The steps of a save (ReplaceTextFile) at which a test may stop it: by failing the step's
/// system call with an error number, or by killing the process there.
enum class SaveStep {
    WriteTemporary,  ///< the temporary file is created and locked; its contents are written next
    Rename,          ///< the temporary file is complete on disk; it is renamed over the file next
    MarkJournal,     ///< a hard-linked file: the temporary file becomes the rewrite's journal
    ReserveSpace,    ///< room for the new length is reserved next
    WriteInPlace,    ///< before each piece of the in-place rewrite (the first after its length)
    RemoveJournal,   ///< the in-place rewrite is on disk; the journal is removed next
};

/// Called at each step of every save with the step; returns 0 to go on, or an error number
/// (ENOSPC, EIO) with which the step's system call then fails. An empty hook (the default)
/// lets every step go on. For tests only: one hook for the whole process.
using SaveStepHook = std::function<int(SaveStep)>;
void SetSaveStepHook(SaveStepHook hook);

}  // namespace tarnex
