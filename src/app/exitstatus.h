#pragma once

// The exit statuses of the program, for the scripts that run it. Their
// numbers are part of the command line's interface: --help lists them
// (exitStatusTable in commandline.cpp) and so does the export guide, and a
// number never changes its meaning.
namespace iqx {

// Done: the window was closed, --pdf or --export wrote its file, --check
// found nothing, --import-register wrote the register or found it up to
// date (or the choice of a file was cancelled).
inline constexpr int kOkStatus = 0;
// --check: there are findings (a file or folder that cannot be read is one).
inline constexpr int kFindingsStatus = 1;
// The work could not begin: the user's folder (--user-folder) could not be
// prepared, or the window found its folder taken by another one or without
// the register. Shares its number with kFindingsStatus, as it always has.
inline constexpr int kNotStartedStatus = 1;
// Wrong options: the usage goes to standard error.
inline constexpr int kUsageStatus = 2;
// --pdf, --export, --check: the register GMINY.txt is missing.
inline constexpr int kNoRegisterStatus = 3;
// Nothing to read, or the single document named cannot be read.
inline constexpr int kNoDocumentStatus = 4;
// The output file, or standard output for --check, could not be written.
inline constexpr int kOutputFailedStatus = 5;
// --export: a summary written, with entries of files or folders that could
// not be read.
inline constexpr int kUnreadableStatus = 6;
// --import-register: the TERC file cannot be read or is no whole TERC. The
// number of kNoDocumentStatus: the one file named cannot be read.
inline constexpr int kBadTercStatus = kNoDocumentStatus;
// --import-register: GMINY.txt cannot be written. The number of
// kOutputFailedStatus: the output cannot be written.
inline constexpr int kRegisterNotWrittenStatus = kOutputFailedStatus;

} // namespace iqx
