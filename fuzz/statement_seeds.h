// The seeds of the statement fuzz targets: the sample statements of the
// tests and small statements whose payees the sample account knows, each
// with the option bytes that read it (statement_input.h).
#pragma once

#include <filesystem>

namespace purso::fuzzing {

// Writes the seeds of qif_reader_fuzzer, csv_reader_fuzzer,
// ofx_reader_fuzzer and import_proposal_fuzzer into those subfolders of
// folder, reading the samples (and the cases in its subfolder "cases")
// from samples. False, after saying why, when one cannot be written.
bool WriteStatementSeeds(const std::filesystem::path& folder, const std::filesystem::path& samples);

}  // namespace purso::fuzzing
